// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Zadání souřadnic" (TForm15): asked once per data file, how group positions are entered
// (polar by projection, or heliographic coordinates from other sources) and the radius of the
// paper drawing.
#include <QDialog>
#include <optional>

#include "core/data/database.h"
#include "ui/shell/messages.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ardeno {

class CoordinateModeWindow : public QDialog {
  Q_OBJECT
 public:
  CoordinateModeWindow(Messages& messages, QWidget* parent);

  // The chosen mode; nothing until an item is chosen.
  std::optional<CoordinateMode> ChosenMode() const { return m_mode; }
  // The radius read on confirmation.
  float Radius() const { return m_radius; }

  QRadioButton* PolarItem() const { return m_polar; }
  QRadioButton* HeliographicItem() const { return m_heliographic; }
  QLineEdit* RadiusEdit() const { return m_radiusEdit; }
  QPushButton* ConfirmButton() const { return m_confirm; }

 private:
  void ChooseMode(CoordinateMode mode);
  void Confirm();

  Messages& m_messages;
  std::optional<CoordinateMode> m_mode;
  float m_radius = kDefaultDrawingRadius;
  QRadioButton* m_polar = nullptr;
  QRadioButton* m_heliographic = nullptr;
  QLabel* m_radiusLabel = nullptr;
  QLineEdit* m_radiusEdit = nullptr;
  QPushButton* m_confirm = nullptr;
};

}  // namespace ardeno
