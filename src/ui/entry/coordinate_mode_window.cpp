// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/entry/coordinate_mode_window.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/entry/drawing_radius.h"

namespace ardeno {

CoordinateModeWindow::CoordinateModeWindow(Messages& messages, QWidget* parent)
    : QDialog(parent), m_messages(messages) {
  setObjectName("TForm15");
  setWindowTitle(QCoreApplication::translate("Ardeno", "Zadání souřadnic"));
  setModal(true);

  auto* group =
      new QGroupBox(QCoreApplication::translate("Ardeno", "Zadej souřadnice skupin"), this);
  group->setObjectName("RadioGroup1");
  m_polar = new QRadioButton(QCoreApplication::translate("Ardeno", "Polární souřadnice -projekcí"),
                             group);
  m_heliographic = new QRadioButton(
      QCoreApplication::translate("Ardeno", "Vizuálně  Heliografické souřadnice"), group);
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(m_polar);
  groupLayout->addWidget(m_heliographic);
  connect(m_polar, &QRadioButton::clicked, this, [this] { ChooseMode(CoordinateMode::Polar); });
  connect(m_heliographic, &QRadioButton::clicked, this,
          [this] { ChooseMode(CoordinateMode::Heliographic); });

  m_radiusLabel = new QLabel(QCoreApplication::translate("Ardeno", "Poloměr zákresu"), this);
  m_radiusLabel->setObjectName("Label1");
  m_radiusEdit = new QLineEdit(QStringLiteral("125"), this);
  m_radiusEdit->setObjectName("Edit1");
  auto* radiusRow = new QHBoxLayout;
  radiusRow->addWidget(m_radiusLabel);
  radiusRow->addWidget(m_radiusEdit);

  m_confirm = new QPushButton(QCoreApplication::translate("Ardeno", "Potvrdit"), this);
  m_confirm->setObjectName("Button1");
  connect(m_confirm, &QPushButton::clicked, this, &CoordinateModeWindow::Confirm);
  auto* help = new QPushButton(QStringLiteral("?"), this);
  help->setObjectName("BitBtn1");
  connect(help, &QPushButton::clicked, this, [this] {
    m_messages.ShowMessageText(QCoreApplication::translate(
        "Ardeno",
        "Polární souřadnice - zadává se  úhel a vzdálenost skvrny od středu. \rVizuálně - "
        "zadávají se souřadnice l b  zjištěné z jiných zdrojů."));
  });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_confirm);
  buttons->addWidget(help);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(radiusRow);
  layout->addLayout(buttons);
}

void CoordinateModeWindow::ChooseMode(CoordinateMode mode) {
  m_mode = mode;
  // The radius matters only for drawings entered by projection.
  const bool polar = mode == CoordinateMode::Polar;
  m_radiusLabel->setVisible(polar);
  m_radiusEdit->setVisible(polar);
}

void CoordinateModeWindow::Confirm() {
  if (!m_mode) {
    m_messages.ShowMessageText(QCoreApplication::translate("Ardeno", "Nebyl zvolen typ souřednic"));
    return;
  }
  const auto radius = ParseDrawingRadius(m_radiusEdit->text().toStdString());
  if (!radius) {
    if (*m_mode == CoordinateMode::Polar) {
      m_messages.ShowMessageText(
          QCoreApplication::translate("Ardeno", "Poloměr zákresu musí být číslo od 1 do 999 (mm)"));
      return;
    }
    // The hidden field is not asked in heliographic mode; the standard template is kept.
    m_radius = kDefaultDrawingRadius;
  } else {
    m_radius = *radius;
  }
  accept();
}

}  // namespace ardeno
