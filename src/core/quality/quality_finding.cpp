#include "core/quality/quality_finding.h"

#include <algorithm>
#include <map>

namespace ardeno {

const char* SeverityText(Severity severity) {
  return severity == Severity::Error ? "chyba" : "varování";
}

std::string FindingLine(const QualityFinding& finding) {
  std::string line = FormatDate(finding.Date) + " č." + std::to_string(finding.RecordIndex);
  if (finding.Group > 0) line += " skupina " + std::to_string(finding.Group);
  return line + " " + finding.Code + " " + SeverityText(finding.Level) + " " + finding.Text;
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
