// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/cv_report_file.h"

#include <algorithm>
#include <cctype>

#include "core/data/group_types.h"
#include "core/reports/report_text.h"
#include "core/text/number_format.h"

namespace ardeno {

int RecordCv(const ObservationRecord& record) {
  int cv = 0;
  for (int k = 1; k <= record.GroupCount(); ++k) cv += GroupTypeCvValue(record.GroupTypeRaw(k));
  return cv;
}

std::vector<std::string> CvReportLines(const Database& db, const ReportDays& days,
                                       const ReportMonth& month, const DescriptionLines& popis) {
  std::vector<std::string> lines = {
      " ",
      "    MONTHLY OBSERVATIONS OF ZÜRICH/McINTOSH-classifications",
      "    Your E-mail adress          " + popis[0],
      "    Year                        " + std::to_string(month.Year),
      "    Month - number              " + Digits(month.Month, 2) + " - " + popis[1],
      "    Observer                    " + popis[2],
      "    Station                     " + popis[3],
      "    Instrument                  " + popis[4],
      "    Method                      " + popis[5],
      " ",
      " ",
      " Date  CV  Time  Cond",
      " ",
  };
  long long cvSum = 0;
  int observed = 0;
  for (int d = 1; d <= days.DayCount; ++d) {
    std::string line = "  " + Digits(d, 2);
    if (const int index = days.RecordOn(d)) {
      const ObservationRecord& r = db.Record(index);
      const int cv = RecordCv(r);
      cvSum += cv;
      ++observed;
      line += "  " + Digits(cv, 3) + "  " + Digits(r.TimeUT() / 100, 2) + ":" +
              Digits(r.TimeUT() % 100, 2) + "  " + Digits(r.QualityQ(), 1) + "    ";
      for (int k = 1; k <= r.GroupCount(); ++k) {
        std::string type = r.GroupType(k);
        for (char& c : type) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        line += type + " ";
      }
    }
    lines.push_back(line);
  }
  lines.emplace_back(" ");
  lines.emplace_back(" ");
  const double mean = observed == 0 ? 0.0 : static_cast<double>(cvSum) / observed;
  lines.push_back("    AVRG  = " + FormatFloat("###.##", mean));
  lines.push_back("    OBS   =  " + FormatFloat("##", observed));
  return lines;
}

std::vector<std::vector<std::string>> CvGridRows(const Database& db, const ReportDays& days) {
  constexpr std::size_t kDayRows = 31;
  constexpr std::size_t kFirstGroupColumn = 4;
  std::size_t columns = 34;
  for (int index : days.RecordOfDay) {
    if (index != 0) columns = std::max(columns, kFirstGroupColumn + db.Record(index).GroupCount());
  }
  std::vector<std::vector<std::string>> rows(kDayRows + 1, std::vector<std::string>(columns));
  for (std::size_t c = 1; c < columns; ++c) rows[0][c] = std::to_string(c);
  for (std::size_t d = 1; d <= kDayRows; ++d) rows[d][0] = std::to_string(d);
  for (int d = 1; d <= days.DayCount; ++d) {
    const int index = days.RecordOn(d);
    if (index == 0) continue;
    const ObservationRecord& r = db.Record(index);
    auto& row = rows[static_cast<std::size_t>(d)];
    row[1] = std::to_string(RecordCv(r));
    row[2] = Digits(r.TimeUT() / 100, 2) + ":" + Digits(r.TimeUT() % 100, 2);
    row[3] = std::to_string(r.QualityQ());
    for (int k = 1; k <= r.GroupCount(); ++k)
      row[kFirstGroupColumn + static_cast<std::size_t>(k) - 1] = r.GroupType(k);
  }
  return rows;
}

std::filesystem::path CvReportPath(const std::filesystem::path& progDir, const ReportMonth& m) {
  return progDir / kCvReportFolder /
         ("CV-" + Digits(m.Month, 2) + "_" + Digits(m.Year, 4) + ".Txt");
}

}  // namespace ardeno
