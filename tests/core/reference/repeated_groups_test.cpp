// SPDX-License-Identifier: GPL-3.0-or-later
// A catalogue whose lines are repeated (a file pasted twice, a download appended to itself) gives
// the same records as the file read once: a region is one group of its day, and the import says
// how many repeats it dropped.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/data/database.h"
#include "core/reference/greenwich_groups.h"
#include "core/reference/group_import.h"
#include "core/reference/reference_test_files.h"
#include "core/reference/srs_report.h"
#include "core/reference/srs_table.h"

namespace ardeno {
namespace {

using Reader = std::function<SourceReading(std::string_view, const std::string&)>;
using Repeat = std::function<std::string(const std::string&)>;

std::string EveryLineTwice(const std::string& text) {
  std::string twice;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end + 1;
    std::string line = text.substr(start, end - start);
    if (line.back() != '\n') line += '\n';
    twice += line + line;
    start = end;
  }
  return twice;
}

std::string WholeFileTwice(const std::string& text) { return text + "\n" + text; }

struct ImportedCatalogue {
  std::vector<ObservationRecord> Records;
  ImportReport Report;
  int GroupsRead = 0;
};

ImportedCatalogue Import(const Reader& read, const std::string& text) {
  SourceReading reading = read(text, "f");
  ImportedCatalogue imported;
  for (const SourceDay& day : reading.Days)
    imported.GroupsRead += static_cast<int>(day.Groups.size());
  Database db;
  imported.Report = ImportSourceDays(db, std::move(reading.Days), 125);
  imported.Records.assign(db.Records.begin(), db.Records.begin() + db.RecordCount);
  return imported;
}

struct RepeatedCase {
  std::string Name;
  std::string File;
  Reader Read;
  Repeat Repeated;
};

class RepeatedLinesTest : public ::testing::TestWithParam<RepeatedCase> {};

TEST_P(RepeatedLinesTest, GiveTheRecordsOfTheFileReadOnce) {
  const std::string text = ReadReferenceTestFile(GetParam().File);
  const ImportedCatalogue once = Import(GetParam().Read, text);
  ASSERT_FALSE(once.Records.empty());
  EXPECT_EQ(once.Report.RepeatedGroups, 0);

  const ImportedCatalogue repeated = Import(GetParam().Read, GetParam().Repeated(text));
  EXPECT_EQ(repeated.Records, once.Records);
  EXPECT_EQ(repeated.Report.AddedDays, once.Report.AddedDays);
  EXPECT_EQ(repeated.Report.RepeatedGroups, repeated.GroupsRead - once.GroupsRead);
  EXPECT_GT(repeated.Report.RepeatedGroups, 0);
}

const Reader kReport = [](std::string_view text, const std::string& name) {
  return ReadSrsReport(text, name);
};
const Reader kTable = [](std::string_view text, const std::string& name) {
  return ReadSrsTable(text, name);
};
const Reader kGreenwich = [](std::string_view text, const std::string& name) {
  return ReadGreenwichGroups(text, name);
};

INSTANTIATE_TEST_SUITE_P(
    Catalogues, RepeatedLinesTest,
    ::testing::Values(
        RepeatedCase{"SrsReportEveryLine", "20140101SRS.txt", kReport, EveryLineTwice},
        RepeatedCase{"SrsTableEveryLine", "srs_table_quirks.csv", kTable, EveryLineTwice},
        RepeatedCase{"SrsTableWholeFile", "srs_table_quirks.csv", kTable, WholeFileTwice},
        RepeatedCase{"GreenwichEveryLine", "g1955_january.txt", kGreenwich, EveryLineTwice},
        RepeatedCase{"GreenwichWholeFile", "g2014_january.txt", kGreenwich, WholeFileTwice}),
    [](const auto& info) { return info.param.Name; });

SourceGroup Group(int region, double latitude) {
  SourceGroup group;
  group.Region = region;
  group.Latitude = latitude;
  return group;
}

struct DropCase {
  std::string Name;
  std::vector<SourceGroup> Groups;
  std::vector<double> KeptLatitudes;
};

class DropRepeatedGroupsTest : public ::testing::TestWithParam<DropCase> {};

TEST_P(DropRepeatedGroupsTest, KeepsTheFirstOfEachRegion) {
  SourceDay day;
  day.Groups = GetParam().Groups;
  const int dropped = DropRepeatedGroups(day);
  std::vector<double> kept;
  for (const SourceGroup& group : day.Groups) kept.push_back(group.Latitude);
  EXPECT_EQ(kept, GetParam().KeptLatitudes);
  EXPECT_EQ(dropped, static_cast<int>(GetParam().Groups.size() - kept.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Days, DropRepeatedGroupsTest,
    ::testing::Values(
        DropCase{"DistinctRegionsStay", {Group(1, 10), Group(2, 20)}, {10, 20}},
        // A region given again with other values is still one region: the first line counts.
        DropCase{"SameRegionOtherValuesKeepsTheFirst", {Group(7, 10), Group(7, 11)}, {10}},
        DropCase{"UnnumberedEqualGroupsAreOne", {Group(0, 5), Group(0, 5), Group(0, 6)}, {5, 6}},
        DropCase{"UnnumberedGroupsDifferingStay", {Group(0, 5), Group(0, -5)}, {5, -5}},
        DropCase{"SpotlessDay", {}, {}}),
    [](const auto& info) { return info.param.Name; });

}  // namespace
}  // namespace ardeno
