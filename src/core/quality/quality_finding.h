// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One doubt about a stored drawing found by the plausibility checks: which check (Q01..Q08), how
// sure it is, the record and the group it concerns, and a Czech sentence saying what is wrong and
// what the observer probably meant.
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "core/text/core_text.h"
#include "core/text/dates.h"

namespace ardeno {

enum class Severity {
  Error,    // "chyba": almost certainly wrong; the reports ask before they are written
  Warning,  // "varování": worth a look
};

// "chyba" or "varování", in the language of the interface.
std::string SeverityText(Severity severity);

struct QualityFinding {
  std::string Code;  // "Q01" .. "Q08"
  Severity Level = Severity::Warning;
  int RecordIndex = 0;  // 1-based index in the database
  CalendarDate Date;
  std::string Observer;
  int Group = 0;  // group slot 1..40 the finding concerns; 0 for the whole drawing
  std::string Text;
  bool operator==(const QualityFinding&) const = default;
};

// "dd.mm.yyyy č.N [skupina K] Qnn chyba|varování text", the group part only where one applies.
// The texts follow the language of the interface: a file that takes these lines (the month's
// bulletin) is made under CzechTexts.
std::string FindingLine(const QualityFinding& finding);

// Each code that occurs with the number of its findings, in code order.
std::vector<std::pair<std::string, int>> CountsByCode(const std::vector<QualityFinding>& findings);

bool HasError(const std::vector<QualityFinding>& findings);
int CountOf(const std::vector<QualityFinding>& findings, Severity level);

// The columns of the findings table: date, record, group (empty for the whole drawing), code,
// severity, observer and the sentence.
inline constexpr std::array<const char*, 7> kFindingHeadings = {
    CoreTextNoop("Findings", "Datum"),     CoreTextNoop("Findings", "Záznam"),
    CoreTextNoop("Findings", "Skupina"),   CoreTextNoop("Findings", "Kód"),
    CoreTextNoop("Findings", "Závažnost"), CoreTextNoop("Findings", "Pozorovatel"),
    CoreTextNoop("Findings", "Popis")};
std::array<std::string, 7> FindingCells(const QualityFinding& finding);

}  // namespace ardeno
