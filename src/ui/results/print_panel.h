// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Tiskový panel": the print panel of the monthly tables, with the count of values and pages and
// the three print types.
#include <QGroupBox>
#include <optional>

#include "core/results/table_print.h"

class QButtonGroup;
class QLabel;
class QPushButton;

namespace ardeno {

class PrintPanel : public QGroupBox {
  Q_OBJECT
 public:
  explicit PrintPanel(QWidget* parent);

  void SetCountText(const QString& text);
  QString CountText() const;
  // The chosen print type; nothing before the user chose one.
  std::optional<PrintType> ChosenType() const;
  void ChooseType(PrintType type);
  QPushButton* PrintButton() const { return m_print; }

 private:
  QLabel* m_count = nullptr;
  QButtonGroup* m_types = nullptr;
  QPushButton* m_print = nullptr;
};

}  // namespace ardeno
