// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The box of the magnetosphere cycle comparison ("datamagnet"): the latitude band "Od  °" and
// "Do  °", the number of cycles, the first cycle's rotation, "Větší"/"Menší" and "Sever+Jih".
#include <QFrame>
#include <optional>

#include "core/maps/magnet_cycles.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace ardeno {

class MagnetCyclesBox : public QFrame {
  Q_OBJECT
 public:
  explicit MagnetCyclesBox(QWidget* parent);

  // The query the fields hold, or the Czech reason why they hold none.
  std::optional<MagnetCycleQuery> Query(QString& refusal) const;

 signals:
  // "Potvrdit" was pressed.
  void Confirmed();

 private:
  QLineEdit* m_from = nullptr;
  QLineEdit* m_to = nullptr;
  QLineEdit* m_cycles = nullptr;
  QLineEdit* m_rotation = nullptr;
  QRadioButton* m_greater = nullptr;
  QCheckBox* m_both = nullptr;
};

}  // namespace ardeno
