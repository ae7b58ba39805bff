// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/quality/quality_finding.h"
#include "core/text/core_text.h"

#include <algorithm>
#include <map>

namespace ardeno {

std::string SeverityText(Severity severity) {
  return severity == Severity::Error ? CoreText("Quality", "chyba")
                                     : CoreText("Quality", "varování");
}

std::string FindingLine(const QualityFinding& finding) {
  const std::string date = FormatDate(finding.Date);
  const std::string record = std::to_string(finding.RecordIndex);
  if (finding.Group > 0)
    return FillText(CoreText("Quality", "%1 č.%2 skupina %3 %4 %5 %6"),
                    {date, record, std::to_string(finding.Group), finding.Code,
                     SeverityText(finding.Level), finding.Text});
  return FillText(CoreText("Quality", "%1 č.%2 %3 %4 %5"),
                  {date, record, finding.Code, SeverityText(finding.Level), finding.Text});
}

std::vector<std::pair<std::string, int>> CountsByCode(const std::vector<QualityFinding>& findings) {
  std::map<std::string, int> counts;
  for (const QualityFinding& finding : findings) ++counts[finding.Code];
  return {counts.begin(), counts.end()};
}

std::array<std::string, 7> FindingCells(const QualityFinding& finding) {
  return {FormatDate(finding.Date),
          std::to_string(finding.RecordIndex),
          finding.Group > 0 ? std::to_string(finding.Group) : std::string(),
          finding.Code,
          SeverityText(finding.Level),
          finding.Observer,
          finding.Text};
}

int CountOf(const std::vector<QualityFinding>& findings, Severity level) {
  return static_cast<int>(std::count_if(findings.begin(), findings.end(),
                                        [&](const QualityFinding& f) { return f.Level == level; }));
}

bool HasError(const std::vector<QualityFinding>& findings) {
  return std::any_of(findings.begin(), findings.end(),
                     [](const QualityFinding& f) { return f.Level == Severity::Error; });
}

}  // namespace ardeno
