// SPDX-License-Identifier: GPL-3.0-or-later
// The positions cache gives exactly the ephemeris and conversions of each record, and an update
// after a store, a correction or a removal equals a full computation while reusing the rest.
#include "core/solar/record_positions.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace ardeno {
namespace {

ObservationRecord Drawing(const std::string& date, std::uint16_t time, int groups, int faculae) {
  ObservationRecord record;
  record.SetDate(date);
  record.SetTimeUT(time);
  record.SetGroupCount(groups);
  record.SetRotation(static_cast<std::uint16_t>(2140 + time % 3));
  record.SetCentralL0(static_cast<std::uint16_t>(time % 360));
  for (int k = 1; k <= groups; ++k) {
    record.SetGroupType(k, k % 2 == 0 ? "Dkc" : "Hsx");
    record.SetRotationGroupNumber(k, static_cast<std::uint16_t>(k + 10));
    record.SetAngle10(k, static_cast<std::uint16_t>(300 * k + time % 97));
    record.SetDistance10(k, static_cast<std::uint16_t>(100 * k % 1200 + 50));
  }
  record.SetFacularCount(faculae);
  for (int k = 1; k <= faculae; ++k) {
    for (int v = 1; v <= 6; ++v) {
      record.SetFaculaVertex(k, v, static_cast<std::uint16_t>((40 * k + 5 * v) * 128 + 20 + v));
    }
  }
  return record;
}

Database Of(std::vector<ObservationRecord> records) {
  Database db;
  db.RecordCount = static_cast<int>(records.size());
  records.resize(records.size() + 10);
  db.Records = std::move(records);
  return db;
}

Database FiveDrawings() {
  return Of({Drawing("01.03.2014", 700, 3, 1), Drawing("02.03.2014", 815, 0, 2),
             Drawing("03.03.2014", 1200, 5, 0), Drawing("05.03.2014", 930, 2, 0),
             Drawing("06.03.2014", 1010, 4, 3)});
}

// A longitude of -1 marks an entry carried over from an earlier computation; it is not compared.
constexpr double kReusedMark = -1;

void ExpectSamePosition(const HeliographicPosition& a, const HeliographicPosition& b) {
  EXPECT_EQ(a.HelioLatitude, b.HelioLatitude);
  if (a.HelioLongitude != kReusedMark) EXPECT_EQ(a.HelioLongitude, b.HelioLongitude);
  EXPECT_EQ(a.CentralMeridianDistance, b.CentralMeridianDistance);
}

void ExpectSame(const RecordPositions& a, const RecordPositions& b) {
  ASSERT_EQ(a.Count(), b.Count());
  for (int i = 1; i <= a.Count(); ++i) {
    SCOPED_TRACE("record " + std::to_string(i));
    EXPECT_EQ(a.Record(i).HasDate, b.Record(i).HasDate);
    EXPECT_EQ(a.Record(i).Eph.EphL0, b.Record(i).Eph.EphL0);
    EXPECT_EQ(a.Record(i).Eph.RotationNumber, b.Record(i).Eph.RotationNumber);
    EXPECT_EQ(a.Record(i).Rotation, b.Record(i).Rotation);
    EXPECT_EQ(a.Record(i).CentralL0, b.Record(i).CentralL0);
    EXPECT_EQ(a.Record(i).IsSpecial, b.Record(i).IsSpecial);
    ASSERT_EQ(a.GroupsOf(i).size(), b.GroupsOf(i).size());
    ASSERT_EQ(a.FactsOf(i).size(), b.FactsOf(i).size());
    for (std::size_t k = 0; k < a.GroupsOf(i).size(); ++k) {
      ExpectSamePosition(a.GroupsOf(i)[k], b.GroupsOf(i)[k]);
      EXPECT_EQ(a.FactsOf(i)[k].RotationGroupNumber, b.FactsOf(i)[k].RotationGroupNumber);
      EXPECT_EQ(a.FactsOf(i)[k].TypeValue, b.FactsOf(i)[k].TypeValue);
      EXPECT_EQ(a.FactsOf(i)[k].ZurichLetter, b.FactsOf(i)[k].ZurichLetter);
    }
    ASSERT_EQ(a.FaculaeOf(i).size(), b.FaculaeOf(i).size());
    for (std::size_t k = 0; k < a.FaculaeOf(i).size(); ++k) {
      const auto va = a.VerticesOf(a.FaculaeOf(i)[k]);
      const auto vb = b.VerticesOf(b.FaculaeOf(i)[k]);
      ASSERT_EQ(va.size(), vb.size());
      for (std::size_t v = 0; v < va.size(); ++v) ExpectSamePosition(va[v], vb[v]);
    }
  }
}

TEST(RecordPositions, EqualTheEphemerisAndConversionOfEachRecord) {
  const Database db = FiveDrawings();
  const RecordPositions positions = ComputeRecordPositions(db);
  ASSERT_EQ(positions.Count(), 5);
  for (int i = 1; i <= db.RecordCount; ++i) {
    const ObservationRecord& record = db.Record(i);
    const SolarEphemeris eph = *RecordEphemeris(record);
    EXPECT_EQ(positions.Record(i).Eph.EphB0, eph.EphB0);
    EXPECT_EQ(positions.Record(i).Eph.EphP, eph.EphP);
    ASSERT_EQ(positions.GroupsOf(i).size(), static_cast<std::size_t>(record.GroupCount()));
    for (int k = 1; k <= record.GroupCount(); ++k) {
      ExpectSamePosition(positions.GroupsOf(i)[k - 1],
                         PolarToHeliographic(eph, record.Angle10(k), record.Distance10(k)));
    }
    for (int k = 1; k <= record.FacularCount(); ++k) {
      const auto vertices = positions.VerticesOf(positions.FaculaeOf(i)[k - 1]);
      ASSERT_EQ(vertices.size(), 6u);
      const std::uint16_t v3 = record.FaculaVertex(k, 3);
      ExpectSamePosition(vertices[2], PolarToHeliographic(eph, FaculaVertexAngle10(v3),
                                                          FaculaVertexDistance10(v3)));
    }
  }
}

TEST(RecordPositions, FaculaOutlineStopsAtTheFirstZeroVertex) {
  ObservationRecord record = Drawing("10.10.2010", 900, 0, 3);
  record.SetFaculaVertex(1, 1, 0);  // not drawn at all
  record.SetFaculaVertex(2, 4, 0);  // three vertices; the fifth and sixth are ignored
  const RecordPositions positions = ComputeRecordPositions(Of({record}));
  ASSERT_EQ(positions.FaculaeOf(1).size(), 3u);
  EXPECT_EQ(positions.FaculaeOf(1)[0].VertexCount, 0);
  EXPECT_EQ(positions.FaculaeOf(1)[1].VertexCount, 3);
  EXPECT_EQ(positions.FaculaeOf(1)[2].VertexCount, 6);
}

TEST(RecordPositions, UnparsableDateGivesAnEmptyEntry) {
  Database db = FiveDrawings();
  db.Record(2).SetDate("31.02.2014");
  const RecordPositions positions = ComputeRecordPositions(db);
  EXPECT_FALSE(positions.Record(2).HasDate);
  EXPECT_TRUE(positions.GroupsOf(2).empty());
  EXPECT_TRUE(positions.FaculaeOf(2).empty());
  EXPECT_TRUE(positions.Record(3).HasDate);
  EXPECT_EQ(positions.GroupsOf(3).size(), 5u);
}

struct ChangeCase {
  std::string Name;
  std::function<void(Database&)> Change;
  int ChangedRecord;  // index after the change of the one record that must be recomputed; 0 none
};

class RecordPositionsUpdate : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(RecordPositionsUpdate, EqualsAFullComputationAndReusesUnchangedRecords) {
  // Positions whose facular vertices wait for a window that draws them are updated the same way
  // and keep waiting; converted later they equal a full computation.
  for (const FaculaVertices vertices : {FaculaVertices::Convert, FaculaVertices::Later}) {
    SCOPED_TRACE(vertices == FaculaVertices::Convert ? "vertices converted" : "vertices later");
    Database db = FiveDrawings();
    RecordPositions previous = ComputeRecordPositions(db, vertices);
    // Mark every cached position: a reused entry keeps the mark, a recomputed one loses it.
    for (HeliographicPosition& p : previous.Groups) p.HelioLongitude = kReusedMark;
    GetParam().Change(db);
    RecordPositions updated = UpdateRecordPositions(previous, db);
    for (int i = 1; i <= db.RecordCount; ++i) {
      const bool reused = i != GetParam().ChangedRecord;
      for (const HeliographicPosition& p : updated.GroupsOf(i)) {
        EXPECT_EQ(p.HelioLongitude == kReusedMark, reused) << "record " << i;
      }
    }
    EXPECT_EQ(updated.HasFaculaVertices, vertices == FaculaVertices::Convert);
    EXPECT_EQ(updated.FaculaVertices.empty(), vertices == FaculaVertices::Later);
    ConvertFaculaVertices(updated, db);
    ExpectSame(updated, ComputeRecordPositions(db));
  }
}

TEST(RecordPositions, VerticesConvertedLaterEqualThoseConvertedAtOnce) {
  Database db = FiveDrawings();
  db.Record(5).SetFaculaVertex(2, 4, 0);  // a shorter outline between two whole ones
  RecordPositions later = ComputeRecordPositions(db, FaculaVertices::Later);
  const RecordPositions atOnce = ComputeRecordPositions(db);
  EXPECT_FALSE(later.HasFaculaVertices);
  for (int i = 1; i <= db.RecordCount; ++i) {
    ASSERT_EQ(later.FaculaeOf(i).size(), atOnce.FaculaeOf(i).size());
    for (std::size_t k = 0; k < later.FaculaeOf(i).size(); ++k) {
      EXPECT_EQ(later.FaculaeOf(i)[k].FirstVertex, atOnce.FaculaeOf(i)[k].FirstVertex);
      EXPECT_EQ(later.FaculaeOf(i)[k].VertexCount, atOnce.FaculaeOf(i)[k].VertexCount);
    }
  }
  ConvertFaculaVertices(later, db);
  ConvertFaculaVertices(later, db);  // a second call changes nothing
  EXPECT_EQ(later.FaculaVertices.size(), atOnce.FaculaVertices.size());
  ExpectSame(later, atOnce);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, RecordPositionsUpdate,
    ::testing::Values(
        ChangeCase{"NewRecordInTheMiddle",
                   [](Database& db) {
                     for (int i = db.RecordCount; i >= 4; --i) db.Record(i + 1) = db.Record(i);
                     db.Record(4) = Drawing("04.03.2014", 1111, 6, 1);
                     ++db.RecordCount;
                   },
                   4},
        ChangeCase{"CorrectedGroupPosition",
                   [](Database& db) { db.Record(3).SetDistance10(2, 777); }, 3},
        ChangeCase{"CorrectedTime", [](Database& db) { db.Record(1).SetTimeUT(1500); }, 1},
        // Faculae of the records before and after it are copied in blocks around it.
        ChangeCase{"CorrectedFaculaVertexBetweenRecordsWithFaculae",
                   [](Database& db) {
                     db.Record(2).SetFaculaVertex(2, 3, static_cast<std::uint16_t>(40 * 128 + 90));
                   },
                   2},
        ChangeCase{"FaculaRemovedFromTheLastRecord",
                   [](Database& db) { db.Record(5).SetFacularCount(2); }, 5},
        ChangeCase{"RemovedRecord",
                   [](Database& db) {
                     for (int i = 2; i < db.RecordCount; ++i) db.Record(i) = db.Record(i + 1);
                     --db.RecordCount;
                   },
                   0},
        // The stored fields the group statistics count are kept beside the positions.
        ChangeCase{"CorrectedGroupClass", [](Database& db) { db.Record(3).SetGroupType(4, "Fkc"); },
                   3},
        ChangeCase{"CorrectedRotationGroupNumber",
                   [](Database& db) { db.Record(4).SetRotationGroupNumber(1, 55); }, 4},
        ChangeCase{"MarkedSpecial", [](Database& db) { db.Record(1).SetKind("x"); }, 1},
        ChangeCase{"CorrectedStoredRotation", [](Database& db) { db.Record(3).SetRotation(2150); },
                   3},
        ChangeCase{"ObserverOnlyChanged",
                   [](Database& db) { db.Record(5).SetObserver("Nový pozorovatel"); }, 0},
        ChangeCase{"RecordsReversed",
                   [](Database& db) {
                     std::swap(db.Record(1), db.Record(5));
                     std::swap(db.Record(2), db.Record(4));
                   },
                   0}),
    [](const auto& info) { return info.param.Name; });

}  // namespace
}  // namespace ardeno
