// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of every kind of change to the records: undo gives back the records byte for
// byte (the count and the freed places included), redo the changed ones; removing a drawing
// keeps it in odstranene.dat first.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/data/database_ops.h"
#include "core/data/edit_history.h"
#include "core/data/merge_records.h"
#include "core/data/record_file.h"
#include "core/data/removed_records.h"
#include "core/entry/record_input.h"
#include "core/photo/photo_groups.h"
#include "core/solar/recompute_results.h"
#include "support/editor_inputs.h"
#include "support/temp_folder.h"

namespace ardeno {
namespace {

// Everything undo must give back: the count and every place of the array.
struct RecordBytes {
  int Count = 0;
  std::vector<ObservationRecord> Places;
  bool operator==(const RecordBytes&) const = default;
};

RecordBytes BytesOf(const Database& db) { return {db.RecordCount, db.Records}; }

struct ChangeCase {
  const char* Name;
  EditKind Kind;
  // Changes the database of six drawings (1.3.2024 .. 6.3.2024, the last one chosen) the way
  // the program's command does.
  std::function<void(Database&, const std::filesystem::path&)> Change;
  const char* UndoText;
};

RecordInput Correction(const char* date) {
  RecordInput input = test::MakeTypedDrawing(EditorMode::Correction);
  input.Header[HeaderField::Date] = date;
  return input;
}

const ChangeCase kChanges[] = {
    {"NewDrawingBeforeTheOthers", EditKind::NewDrawing,
     [](Database& db, const std::filesystem::path&) {
       RecordInput input = test::MakeTypedDrawing();
       input.Header[HeaderField::Date] = "05.02.2024";  // before every other: all move on
       const StoreOutcome outcome = StoreRecord(db, input);
       ASSERT_TRUE(outcome.Stored) << (outcome.Messages.empty() ? "" : outcome.Messages[0]);
     },
     "Zpět: nový zákres 05.02.2024"},
    {"CorrectionThatMovesTheDrawing", EditKind::Correction,
     [](Database& db, const std::filesystem::path&) {
       db.ChooseRecord(2);
       ASSERT_TRUE(StoreRecord(db, Correction("10.03.2024")).Stored);
     },
     "Zpět: oprava 10.03.2024"},
    {"MergeOfTwoDrawings", EditKind::Merge,
     [](Database& db, const std::filesystem::path&) {
       const std::vector<ObservationRecord> added = {test::OneGroupRecord({2024, 3, 2}, "Dvořák"),
                                                     test::OneGroupRecord({2024, 3, 20}, "Dvořák")};
       ASSERT_TRUE(std::holds_alternative<MergeOutcome>(MergeRecords(db, added, false)));
     },
     "Zpět: sloučení souborů"},
    {"RecomputeOfEveryDrawing", EditKind::Recompute,
     [](Database& db, const std::filesystem::path&) {
       ASSERT_EQ(RecomputeAllResults(db).Recomputed, 6);
     },
     "Zpět: přepočet výsledků"},
    {"GroupsDigitizedIntoADrawing", EditKind::PhotoGroups,
     [](Database& db, const std::filesystem::path&) {
       ObservationRecord record = db.Record(4);
       PendingGroup group;
       group.Type = "Dkc";
       group.Spots = 5;
       group.GroupNumber = 12;
       group.Group = {123.4, 40.0, 2.0};
       ASSERT_TRUE(Succeeded(StorePendingGroups(record, {{1, group}, {2, group}}, 125)));
       db.Record(4) = record;
     },
     "Zpět: skupiny z fotografie 04.03.2024"},
    {"RemovalOfTheFirstDrawing", EditKind::Removal,
     [](Database& db, const std::filesystem::path& folder) {
       ASSERT_TRUE(Succeeded(RemoveDrawing(db, folder, 1)));
     },
     "Zpět: odstranění 01.03.2024"},
};

std::string DateOfStep(const ChangeCase& change) {
  const std::string text = change.UndoText;
  const std::size_t digit = text.find_first_of("0123456789");
  return digit == std::string::npos ? std::string() : text.substr(digit);
}

class UndoRedoTest : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(UndoRedoTest, UndoGivesBackTheBytesAndRedoTheChange) {
  const ChangeCase& change = GetParam();
  test::TempFolder folder;
  Database db = test::MakeEditorDatabase(6);
  EditHistory history;
  history.Reset(db);
  const RecordBytes before = BytesOf(db);
  change.Change(db, folder.Path());
  const RecordBytes after = BytesOf(db);
  ASSERT_NE(after, before);
  ASSERT_TRUE(history.Record(db, change.Kind, DateOfStep(change)));
  EXPECT_EQ(history.UndoText(), change.UndoText);
  EXPECT_FALSE(history.CanRedo());

  EXPECT_GE(history.Undo(db), 1);
  EXPECT_EQ(BytesOf(db), before);
  EXPECT_TRUE(db.DataChanged);
  EXPECT_FALSE(history.CanUndo());
  EXPECT_EQ(history.RedoText(),
            "Znovu" + std::string(change.UndoText).substr(std::string(change.UndoText).find(':')));

  EXPECT_GE(history.Redo(db), 1);
  EXPECT_EQ(BytesOf(db), after);
  EXPECT_GE(history.Undo(db), 1);
  EXPECT_EQ(BytesOf(db), before) << "undo after redo";
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfChange, UndoRedoTest, ::testing::ValuesIn(kChanges),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(EditHistoryTest, StepsUndoneInTurnGiveBackEachEarlierState) {
  Database db = test::MakeEditorDatabase(5);
  EditHistory history;
  history.Reset(db);
  std::vector<RecordBytes> states = {BytesOf(db)};
  ASSERT_TRUE(StoreRecord(db, test::MakeTypedDrawing()).Stored);
  ASSERT_TRUE(history.Record(db, EditKind::NewDrawing, "15.04.2024"));
  states.push_back(BytesOf(db));
  RemoveRecord(db, 2);
  ASSERT_TRUE(history.Record(db, EditKind::Removal, "02.03.2024"));
  states.push_back(BytesOf(db));
  db.ChooseRecord(1);
  ASSERT_TRUE(StoreRecord(db, Correction("01.03.2024")).Stored);
  ASSERT_TRUE(history.Record(db, EditKind::Correction, "01.03.2024"));
  states.push_back(BytesOf(db));

  for (std::size_t back = states.size() - 1; back > 0; --back) {
    ASSERT_GE(history.Undo(db), 1);
    EXPECT_EQ(BytesOf(db), states[back - 1]) << "after undoing step " << back;
  }
  EXPECT_EQ(history.Undo(db), 0);
  for (std::size_t forward = 1; forward < states.size(); ++forward) {
    ASSERT_GE(history.Redo(db), 1);
    EXPECT_EQ(BytesOf(db), states[forward]) << "after redoing step " << forward;
  }
  EXPECT_EQ(history.Redo(db), 0);
}

TEST(EditHistoryTest, ANewChangeAfterUndoForgetsTheUndoneStep) {
  Database db = test::MakeEditorDatabase(4);
  EditHistory history;
  history.Reset(db);
  RemoveRecord(db, 1);
  ASSERT_TRUE(history.Record(db, EditKind::Removal, "01.03.2024"));
  history.Undo(db);
  ASSERT_TRUE(history.CanRedo());
  RemoveRecord(db, 4);
  ASSERT_TRUE(history.Record(db, EditKind::Removal, "04.03.2024"));
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(history.UndoText(), "Zpět: odstranění 04.03.2024");
  EXPECT_EQ(history.StepCount(), 1u);
}

TEST(EditHistoryTest, NoStepWithoutAChangedByte) {
  Database db = test::MakeEditorDatabase(3);
  EditHistory history;
  history.Reset(db);
  db.ChooseRecord(1);  // choosing a drawing changes no record
  EXPECT_FALSE(history.Record(db, EditKind::Correction, "01.03.2024"));
  EXPECT_FALSE(history.CanUndo());
  EXPECT_EQ(history.UndoText(), "");
}

TEST(EditHistoryTest, AMeasuredFacularAreaStaysOutOfTheNextStep) {
  Database db = test::MakeEditorDatabase(5);
  EditHistory history;
  history.Reset(db);
  db.Record(5).SetFaculaAreaText("123");
  history.Absorb(db);
  const ObservationRecord measured = db.Record(5);
  RemoveRecord(db, 1);
  ASSERT_TRUE(history.Record(db, EditKind::Removal, "01.03.2024"));
  history.Undo(db);
  EXPECT_EQ(db.Record(5), measured);
  EXPECT_EQ(db.RecordCount, 5);
}

TEST(EditHistoryTest, AnUnrecordedChangeOfTheCountForgetsTheSteps) {
  Database db = test::MakeEditorDatabase(5);
  EditHistory history;
  history.Reset(db);
  RemoveRecord(db, 1);
  ASSERT_TRUE(history.Record(db, EditKind::Removal, "01.03.2024"));
  // A drawing appended behind the history's back: the step's places are no longer known, and
  // undoing it would write over the wrong drawings.
  db.WorkRecord = test::OneGroupRecord({2024, 4, 1}, "Novák");
  ASSERT_TRUE(Succeeded(AppendWorkRecord(db)));
  const RecordBytes now = BytesOf(db);
  EXPECT_EQ(history.Undo(db), 0);
  EXPECT_EQ(BytesOf(db), now);
}

TEST(EditHistoryTest, OldestStepsGoFirstBeyondTheByteLimit) {
  Database db = test::MakeEditorDatabase(8);
  // Room for about three one-drawing steps.
  EditHistory history(6 * sizeof(ObservationRecord));
  history.Reset(db);
  for (int i = 1; i <= 5; ++i) {
    db.Record(i).SetTimeUT(static_cast<std::uint16_t>(1100 + i));
    ASSERT_TRUE(history.Record(db, EditKind::Correction, db.Record(i).Date()));
  }
  EXPECT_EQ(history.StepCount(), 3u);
  EXPECT_EQ(history.UndoText(), "Zpět: oprava 05.03.2024");
  while (history.CanUndo()) history.Undo(db);
  EXPECT_EQ(db.Record(2).TimeUT(), 1102) << "the forgotten steps stay done";
  EXPECT_EQ(db.Record(3).TimeUT(), 900);
}

std::string FileBytes(const std::filesystem::path& file) {
  std::vector<ObservationRecord> records;
  const RecordFileRead read = ReadRecordFile(file, 0, records);
  EXPECT_FALSE(read.Error) << file;
  EXPECT_EQ(read.TrailingBytes, 0u);
  std::string bytes;
  for (const ObservationRecord& r : records)
    bytes.append(reinterpret_cast<const char*>(r.Bytes.data()), r.Bytes.size());
  return bytes;
}

std::string BytesOfRecord(const ObservationRecord& r) {
  return std::string(reinterpret_cast<const char*>(r.Bytes.data()), r.Bytes.size());
}

TEST(RemoveDrawingTest, RemovedDrawingsAreAppendedToTheRemovedFile) {
  test::TempFolder folder;
  Database db = test::MakeEditorDatabase(4);
  const ObservationRecord second = db.Record(2);
  const ObservationRecord fourth = db.Record(4);
  ASSERT_TRUE(Succeeded(RemoveDrawing(db, folder.Path(), 2)));
  EXPECT_EQ(db.RecordCount, 3);
  EXPECT_EQ(db.Record(2).Date(), "03.03.2024");
  EXPECT_TRUE(db.DataChanged);
  ASSERT_TRUE(Succeeded(RemoveDrawing(db, folder.Path(), 3)));
  EXPECT_EQ(FileBytes(folder.Path() / kRemovedFileName),
            BytesOfRecord(second) + BytesOfRecord(fourth));
  // The drawing shown was the removed last one: the new last one is shown.
  EXPECT_EQ(db.CurrentIndex, 2);
  EXPECT_EQ(db.WorkRecord, db.Record(2));
  // The observer list follows the drawings left.
  EXPECT_EQ(db.Observers, std::vector<std::string>{"Novák"});
}

struct RefusedRemoval {
  const char* Name;
  int Count;
  int Index;
  const char* RemovedFileBytes;  // nullptr: no file
  const char* MessagePart;
};

class RemovalRefusedTest : public ::testing::TestWithParam<RefusedRemoval> {};

TEST_P(RemovalRefusedTest, NothingChangesAndTheMessageSaysWhy) {
  const RefusedRemoval& c = GetParam();
  test::TempFolder folder;
  if (c.RemovedFileBytes != nullptr) folder.Write(kRemovedFileName, c.RemovedFileBytes);
  Database db = test::MakeEditorDatabase(c.Count);
  const RecordBytes before = BytesOf(db);
  const Refusal refused = RemoveDrawing(db, folder.Path(), c.Index);
  ASSERT_FALSE(Succeeded(refused));
  EXPECT_NE(refused->find(c.MessagePart), std::string::npos) << *refused;
  EXPECT_EQ(BytesOf(db), before);
  EXPECT_FALSE(db.DataChanged);
  if (c.RemovedFileBytes != nullptr)
    EXPECT_EQ(std::filesystem::file_size(folder.Path() / kRemovedFileName),
              std::string(c.RemovedFileBytes).size());
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, RemovalRefusedTest,
    ::testing::Values(RefusedRemoval{"NoDrawingChosen", 3, 0, nullptr, "Nejdřív vyber"},
                      RefusedRemoval{"TheOnlyDrawing", 1, 1, nullptr, "Jediný zákres"},
                      RefusedRemoval{"RemovedFileNotWholeRecords", 3, 2, "not records",
                                     "není celý soubor zákresů"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(RemoveDrawingTest, QuestionNamesDateAndObserver) {
  const ObservationRecord r = test::OneGroupRecord({2014, 3, 5}, "Černý");
  const std::string question = RemoveQuestion(r);
  EXPECT_NE(question.find("05.03.2014"), std::string::npos) << question;
  EXPECT_NE(question.find("Černý"), std::string::npos) << question;
  EXPECT_NE(question.find(kRemovedFileName), std::string::npos) << question;
}

}  // namespace
}  // namespace ardeno
