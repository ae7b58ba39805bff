// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/report_month_check.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>

#include "core/quality/quality_checks.h"

namespace ardeno {

bool MonthPassesCheck(AppContext& app, const ReportMonth& month) {
  const Database& db = app.Db;
  std::vector<std::string> messages;
  const QualityReport report =
      CheckFolderQuality(app.ProgDir, db, app.Groups.All(db).Positions,
                         LastChangeSeconds(db, QDateTime::currentSecsSinceEpoch()), messages);
  QStringList errors;
  for (const QualityFinding& finding : FindingsIn(report, {month.Year, month.Month}))
    if (finding.Level == Severity::Error) errors << QString::fromStdString(FindingLine(finding));
  if (errors.isEmpty()) return true;
  const auto tr = [](const char* text) { return QCoreApplication::translate("ardeno", text); };
  QString question = tr("Kontrola dat našla v měsíci %1/%2 chyby (%3):")
                         .arg(month.Month)
                         .arg(month.Year)
                         .arg(errors.size());
  for (int i = 0; i < errors.size() && i < kListedErrors; ++i) question += '\r' + errors[i];
  if (errors.size() > kListedErrors)
    question += '\r' + tr("… a dalších %1").arg(errors.size() - kListedErrors);
  question += '\r' + tr("Zapsat soubor přesto? (Ne = zpět k opravě dat)");
  return app.Msg.AskChoice(question);
}

}  // namespace ardeno
