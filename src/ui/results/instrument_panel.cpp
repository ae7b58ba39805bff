// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/instrument_panel.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/results/results_view.h"

namespace ardeno {

namespace {

QLineEdit* AddEdit(QWidget* parent, const char* name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  return edit;
}

}  // namespace

InstrumentPanel::InstrumentPanel(ResultsContext& ctx, std::function<bool()> ownReportShown,
                                 QWidget* parent)
    : QGroupBox(parent), m_ctx(ctx), m_ownReportShown(std::move(ownReportShown)) {
  setObjectName("Panel1");
  auto* grid = new QGridLayout(this);
  m_station = AddEdit(this, "Edit1");
  m_name = AddEdit(this, "Edit2");
  m_diameter = AddEdit(this, "Edit3");
  m_focal = AddEdit(this, "Edit5");
  m_eyepiece = AddEdit(this, "Edit4");
  grid->addWidget(new QLabel(QCoreApplication::translate("Ardeno", "Observatoř"), this), 0, 0);
  grid->addWidget(m_station, 0, 1, 1, 2);
  grid->addWidget(new QLabel(QCoreApplication::translate("Ardeno", "Přístroj"), this), 1, 0);
  grid->addWidget(m_name, 1, 1, 1, 2);
  grid->addWidget(new QLabel(QCoreApplication::translate("Ardeno", "Průměr/ohnisko"), this), 2, 0);
  grid->addWidget(m_diameter, 2, 1);
  grid->addWidget(m_focal, 2, 2);
  grid->addWidget(new QLabel(QCoreApplication::translate("Ardeno", "Okulár"), this), 3, 0);
  grid->addWidget(m_eyepiece, 3, 1);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName("Button1");
  grid->addWidget(ok, 3, 2);
  grid->setColumnStretch(3, 1);
  connect(ok, &QPushButton::clicked, this, &InstrumentPanel::Confirm);
}

void InstrumentPanel::Open() {
  const InstrumentEntry entry = InstrumentEntryOf(m_ctx.InstrumentLines());
  m_station->setText(QString::fromStdString(m_ctx.PanelStationText()));
  m_name->setText(QString::fromStdString(entry.Name));
  m_diameter->setText(QString::fromStdString(entry.Diameter));
  m_eyepiece->setText(QString::fromStdString(entry.Eyepiece));
  m_focal->setText(QString::fromStdString(entry.FocalLength));
  show();
  m_station->setFocus();
}

InstrumentEntry InstrumentPanel::Entry() const {
  return {m_station->text().toStdString(), m_name->text().toStdString(),
          m_diameter->text().toStdString(), m_eyepiece->text().toStdString(),
          m_focal->text().toStdString()};
}

void InstrumentPanel::Confirm() {
  Instrument& lines = m_ctx.InstrumentLines();
  lines = ApplyInstrumentEntry(lines, Entry(), m_ownReportShown());
  m_ctx.PanelStation = Entry().Station;
  if (const auto error = WriteInstrument(m_ctx.App.ProgDir, lines)) {
    m_ctx.App.Msg.ShowMessageText(QString::fromStdString(*error));
  }
  hide();
  emit Changed();
}

}  // namespace ardeno
