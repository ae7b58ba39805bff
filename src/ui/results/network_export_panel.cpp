// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/network_export_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "core/data/aux_file_io.h"
#include "core/reports/report_text.h"
#include "core/results/month_walk.h"
#include "core/text/core_text.h"
#include "ui/results/results_view.h"

namespace ardeno {

namespace {

QString Qt8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

NetworkExportPanel::NetworkExportPanel(ResultsContext& ctx, QWidget* parent)
    : QGroupBox(tr("Export pro sítě"), parent), m_ctx(ctx) {
  setObjectName("PanelSite");
  auto* grid = new QGridLayout(this);
  m_network = new QComboBox(this);
  m_network->setObjectName("ComboSit");
  // In the order of the Network values.
  m_network->addItems({tr("ISES USSPS (denní zprávy)"), tr("BAA (měsíční formulář CSV)"),
                       tr("AAVSO (měsíční výkaz)")});
  grid->addWidget(new QLabel(tr("Síť"), this), 0, 0);
  grid->addWidget(m_network, 0, 1, 1, 2);
  m_month = new QLineEdit(this);
  m_month->setObjectName("EditMesic");
  m_month->setToolTip(tr("Měsíc a rok, například 5.2003"));
  grid->addWidget(new QLabel(tr("Měsíc (M.RRRR)"), this), 1, 0);
  grid->addWidget(m_month, 1, 1, 1, 2);
  m_codeLabel = new QLabel(this);
  m_code = new QLineEdit(this);
  m_code->setObjectName("EditKod");
  grid->addWidget(m_codeLabel, 2, 0);
  grid->addWidget(m_code, 2, 1, 1, 2);
  auto* write = new QPushButton(tr("Zapsat"), this);
  write->setObjectName("ButtonZapsat");
  write->setToolTip(tr("Zapíše soubor měsíce do složky Sítě"));
  auto* close = new QPushButton(tr("Zavřít"), this);
  close->setObjectName("ButtonZavrit");
  grid->addWidget(write, 3, 1);
  grid->addWidget(close, 3, 2);
  m_outcome = new QLabel(this);
  m_outcome->setObjectName("LabelVysledek");
  m_outcome->setWordWrap(true);
  grid->addWidget(m_outcome, 4, 0, 1, 3);
  grid->setColumnStretch(3, 1);

  connect(m_network, &QComboBox::currentIndexChanged, this, &NetworkExportPanel::NetworkChosen);
  connect(write, &QPushButton::clicked, this, &NetworkExportPanel::Write);
  connect(close, &QPushButton::clicked, this, &QWidget::hide);
  NetworkChosen();
}

void NetworkExportPanel::Open() {
  try {
    m_codes = ReadNetworkCodes(m_ctx.App.ProgDir);
  } catch (const AuxFileError& error) {
    Tell(Qt8(error.what()));
  }
  const Database& db = m_ctx.App.Db;
  std::optional<ReportMonth> month = m_ctx.Report;
  if (!month && db.RecordCount > 0) {
    if (const auto last = RecordDate(db.Record(db.RecordCount)))
      month = ReportMonth{last->Year, last->Month};
  }
  if (month && m_month->text().isEmpty())
    m_month->setText(QStringLiteral("%1.%2").arg(month->Month).arg(month->Year));
  NetworkChosen();
  m_outcome->clear();
  show();
}

Network NetworkExportPanel::ChosenNetwork() const {
  return static_cast<Network>(m_network->currentIndex());
}

void NetworkExportPanel::NetworkChosen() {
  switch (ChosenNetwork()) {
    case Network::Ussps:
      m_codeLabel->setText(tr("Označení stanice"));
      m_code->setText(Qt8(m_codes.UsspsStation));
      m_code->setEnabled(true);
      break;
    case Network::Aavso:
      m_codeLabel->setText(tr("Kód pozorovatele"));
      m_code->setText(Qt8(m_codes.AavsoObserver));
      m_code->setEnabled(true);
      break;
    case Network::Baa:
      m_codeLabel->setText(tr("Kód"));
      m_code->clear();
      m_code->setEnabled(false);
      break;
  }
}

void NetworkExportPanel::Tell(const QString& text) { m_ctx.App.Msg.ShowMessageText(text); }

void NetworkExportPanel::Write() {
  const auto month = ParseWholeReportMonth(m_month->text().trimmed().toStdString());
  if (!month) {
    Tell(Qt8(CoreText("ReportMonth", kWholeReportMonthRule)));
    return;
  }
  const Database& db = m_ctx.App.Db;
  if (!FindMonthRecords(db, *month)) {
    Tell(tr("V měsíci %1 není žádný zákres.").arg(m_month->text().trimmed()));
    return;
  }
  const Network network = ChosenNetwork();
  NetworkCodes codes = m_codes;
  if (network == Network::Ussps) codes.UsspsStation = m_code->text().trimmed().toStdString();
  if (network == Network::Aavso) codes.AavsoObserver = m_code->text().trimmed().toStdString();
  if (const auto refusal = CheckNetworkCodes(network, codes)) {
    Tell(Qt8(*refusal));
    return;
  }
  if (network != Network::Baa && !(codes.UsspsStation == m_codes.UsspsStation &&
                                   codes.AavsoObserver == m_codes.AavsoObserver)) {
    if (const auto refusal = WriteNetworkCodes(m_ctx.App.ProgDir, codes)) {
      Tell(Qt8(*refusal));
      return;
    }
    m_codes = codes;
  }
  const NetworkFile file = NetworkMonthFile(m_ctx.App.ProgDir, db, network, *month, codes);
  // A report edited by hand after it was written is replaced only at the user's word.
  std::error_code noFile;
  if (std::filesystem::exists(std::filesystem::symlink_status(file.Path, noFile)) &&
      !m_ctx.App.Dialogs.ConfirmOverwrite(
          this, tr("Soubor %1 už existuje. Přepsat?")
                    .arg(QString::fromStdU16String(file.Path.u16string())))) {
    return;
  }
  if (const auto refusal = WriteReportFile(file.Path, file.Bytes)) {
    Tell(Qt8(*refusal));
    return;
  }
  QString outcome = tr("Zapsáno: %1").arg(QString::fromStdU16String(file.Path.u16string()));
  for (const std::string& left : LeftOutMessages(db, MatchReportDays(db, *month)))
    outcome += QLatin1Char('\n') + Qt8(left);
  m_outcome->setText(outcome);
}

}  // namespace ardeno
