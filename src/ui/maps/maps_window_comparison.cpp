// SPDX-License-Identifier: GPL-3.0-or-later
// The maps window's comparison of an upper and a lower map ("Srovnávání"): its panel, and the
// halves prepared from the view state.
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

#include "core/maps/map_rotation.h"
#include "core/text/number_format.h"
#include "ui/maps/maps_window.h"

namespace ardeno {

SingleMapScene MapsWindow::PrepareHalf(ComparisonHalf half, QSize client, int areaMultiple) {
  const ComparisonLayers layers = Layers(half);
  const int rotation = ComparisonRotation(MapRotation(), half, m_state.Shift());
  const ComparisonHalfFrame frame = ComparisonFrame(half, client.height());
  SingleMapScene scene =
      PrepareSingleMapScene(m_ctx.Db, Sightings(), rotation, frame.K, areaMultiple, layers.Faculae,
                            m_state.Switches().Outlines);
  if (!layers.Spots) scene.Groups.clear();
  scene.Table.clear();  // a half has no room for the b/l table
  scene.NarrowFont = client.width() < 1000;
  scene.Dates = ComparisonDatesText(rotation);
  if (layers.Corona) {
    scene.Corona = CoronaUnderlayOf(rotation);
    scene.CoronaDayIndex = RotationDates(rotation).CoronaDayIndex;
  }
  if (layers.Magnetosphere) scene.Magnetosphere = &MagnetosphereOf(rotation);
  return scene;
}

void MapsWindow::BuildComparisonPanel() {
  auto* panel = new QFrame(m_canvas);
  panel->setObjectName(QStringLiteral("Panelsrovnani"));
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Raised);
  panel->setAutoFillBackground(true);
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setSpacing(3);
  struct Item {
    const char* Name;
    const char* Text;
    int Column;
  };
  auto addHalf = [&](ComparisonHalf side, const QString& caption, std::initializer_list<Item> items,
                     const char* clearName) {
    const int row = side == ComparisonHalf::Upper ? 0 : 1;
    grid->addWidget(new QLabel(caption, panel), row, 0);
    for (const Item& item : items) {
      auto* button = new QToolButton(panel);
      button->setObjectName(QString::fromLatin1(item.Name));
      button->setText(QCoreApplication::translate("Ardeno", item.Text));
      button->setCheckable(true);
      grid->addWidget(button, row, item.Column);
      m_buttons[button->objectName()] = button;
      connect(button, &QToolButton::clicked, this, &MapsWindow::LayerToggled);
    }
    auto* clear = new QToolButton(panel);
    clear->setObjectName(QString::fromLatin1(clearName));
    clear->setText(QCoreApplication::translate("Ardeno", "Smazat"));
    grid->addWidget(clear, row, 5);
    m_buttons[clear->objectName()] = clear;
    connect(clear, &QToolButton::clicked, this, [this, side] {
      m_state.ClearLayers(side);
      ApplyState();
    });
  };
  addHalf(ComparisonHalf::Upper, QCoreApplication::translate("Ardeno", "Horní"),
          {{"Hskvrna", QT_TRANSLATE_NOOP("Ardeno", "Skvrny"), 1},
           {"Hfakule", QT_TRANSLATE_NOOP("Ardeno", "Fakule"), 2},
           {"Hkorona", QT_TRANSLATE_NOOP("Ardeno", "Korona"), 3},
           {"Hmagnet", QT_TRANSLATE_NOOP("Ardeno", "Magnetosféra"), 4}},
          "mazaniHor");
  addHalf(ComparisonHalf::Lower, QCoreApplication::translate("Ardeno", "Dolní"),
          {{"Dfakule", QT_TRANSLATE_NOOP("Ardeno", "Fakule"), 2},
           {"Dkorona", QT_TRANSLATE_NOOP("Ardeno", "Korona"), 3},
           {"Dmagnet", QT_TRANSLATE_NOOP("Ardeno", "Magnetosféra"), 4}},
          "MazaniDol");
  grid->addWidget(new QLabel(QCoreApplication::translate("Ardeno", "Posuv v otočkách"), panel), 2,
                  0, 1, 2);
  m_shiftBar = new QScrollBar(Qt::Horizontal, panel);
  m_shiftBar->setObjectName(QStringLiteral("ScrollBar3"));
  m_shiftBar->setToolTip(QCoreApplication::translate("Ardeno", "Posuv v otočkách"));
  m_shiftBar->setRange(0, kComparisonShiftPositions);
  m_shiftBar->setPageStep(1);
  m_shiftBar->setValue(kComparisonNoShiftPosition);
  grid->addWidget(m_shiftBar, 2, 2, 1, 3);
  m_shiftLabel = new QLabel(QString::fromStdString(ComparisonShiftText(0)), panel);
  m_shiftLabel->setObjectName(QStringLiteral("Label1"));
  grid->addWidget(m_shiftLabel, 2, 5);
  connect(m_shiftBar, &QScrollBar::valueChanged, this, &MapsWindow::ShiftChanged);
  panel->adjustSize();
  panel->hide();
  m_comparisonPanel = panel;
}

ComparisonLayers MapsWindow::CheckedLayers(ComparisonHalf half) const {
  const QString prefix = half == ComparisonHalf::Upper ? QStringLiteral("H") : QStringLiteral("D");
  auto on = [&](const char* name) {
    const QToolButton* button = ToolButton(prefix + QString::fromLatin1(name));
    return button != nullptr && button->isChecked();
  };
  return {on("skvrna"), on("fakule"), on("korona"), on("magnet")};
}

void MapsWindow::ApplyComparison() {
  for (const ComparisonHalf half : {ComparisonHalf::Upper, ComparisonHalf::Lower}) {
    const QString prefix =
        half == ComparisonHalf::Upper ? QStringLiteral("H") : QStringLiteral("D");
    const ComparisonLayers& layers = m_state.Layers(half);
    const std::pair<const char*, bool> wanted[] = {{"skvrna", layers.Spots},
                                                   {"fakule", layers.Faculae},
                                                   {"korona", layers.Corona},
                                                   {"magnet", layers.Magnetosphere}};
    for (const auto& [name, on] : wanted)
      if (QToolButton* button = ToolButton(prefix + QString::fromLatin1(name)))
        button->setChecked(on);
  }
  {
    const QSignalBlocker still(m_shiftBar);
    m_shiftBar->setValue(m_state.ShiftPosition());
  }
  m_shiftLabel->setText(QString::fromStdString(ComparisonShiftText(m_state.Shift())));
  if (!m_state.ComparisonShown()) {
    m_comparisonPanel->hide();
    return;
  }
  m_comparisonPanel->move(static_cast<int>(Round(m_canvas->width() * 680.0 / 1024)), 10);
  m_comparisonPanel->show();
  m_comparisonPanel->raise();
}

void MapsWindow::ApplyLayers(const ComparisonLayers& upper, const ComparisonLayers& lower) {
  // Contents without their data stay off, with the window's message.
  const MapsViewState::LayersRefused refused = m_state.SetLayers(upper, lower, DataPresent());
  if (refused.Corona) Done(MapsCommand::Refused, kNoCoronaData);
  if (refused.Magnetosphere) Done(MapsCommand::Refused, kNoMagnetosphereData);
}

void MapsWindow::LayerToggled() {
  ApplyLayers(CheckedLayers(ComparisonHalf::Upper), CheckedLayers(ComparisonHalf::Lower));
  ApplyState();
}

void MapsWindow::ShiftChanged(int position) {
  m_state.SetShiftPosition(position);
  ApplyState();
}

void MapsWindow::ShowComparison(bool shown) {
  m_state.ShowComparison(shown);
  ApplyState();
}

void MapsWindow::SrovnaniClick() { ShowComparison(!m_state.ComparisonShown()); }

void MapsWindow::SetComparison(const ComparisonLayers& upper, const ComparisonLayers& lower,
                               int shiftPosition) {
  ApplyLayers(upper, lower);
  m_state.SetShiftPosition(shiftPosition);
  ShowComparison(true);
}

}  // namespace ardeno
