// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Undo and redo of the changes to the records made in one run. The history keeps the records as
// they were after the last change it knows; each new change is measured against them and kept as
// one step: the run of records that differ, as they were before and as they are after (a store
// changes one record and shifts the later ones by one place, a recompute touches every record).
// Undo puts the earlier bytes back exactly, redo the later ones. The data file is not touched:
// an undone change reaches it only when the user saves, as any other change.
#include <cstddef>
#include <string>
#include <vector>

#include "core/data/database.h"

namespace ardeno {

// The kinds of change the user can undo, each named in the menu.
enum class EditKind {
  NewDrawing,
  SpecialDrawing,
  Correction,
  Merge,
  Recompute,
  FaculaTransfer,
  PhotoGroups,
  PhotoFaculae,
  Removal,
};

// The name of a kind as the menu shows it ("oprava", "odstranění", ...), in the language of the
// interface.
std::string EditKindName(EditKind kind);

// Older steps are forgotten once the kept records pass this many bytes (a recompute of a
// 20,000-drawing database keeps about 70 MB), the latest step always stays.
inline constexpr std::size_t kHistoryByteLimit = std::size_t{400} << 20;

class EditHistory {
 public:
  explicit EditHistory(std::size_t byteLimit = kHistoryByteLimit) : m_byteLimit(byteLimit) {}

  // The records as they are now become the state later changes are measured against; every
  // step is forgotten (after the load).
  void Reset(const Database& db);
  // Takes changes that are no step of their own (a facular area measured on the drawing, the
  // repair of an unreadable date) into the state measured against, so that no later step
  // carries them.
  void Absorb(const Database& db);

  // Keeps what changed since the last known state as one step named by kind and the date of the
  // drawing it concerns (empty for changes of many drawings); the steps undone before are
  // forgotten. False when no record changed (nothing is kept). Before any Reset only the state
  // is taken.
  bool Record(const Database& db, EditKind kind, std::string date = {});

  bool CanUndo() const { return m_done > 0; }
  bool CanRedo() const { return m_done < m_steps.size(); }
  // "Zpět: oprava 05.03.2014", "Znovu: sloučení"; empty when there is no such step.
  std::string UndoText() const;
  std::string RedoText() const;

  // Puts the records of the last done step back as they were before it (byte for byte, the
  // record count included, freed places emptied) and returns the first record it changed,
  // within 1..RecordCount; 0 when there is nothing to undo. Changes not yet recorded are absorbed
  // first. Sets DataChanged; CurrentIndex, the work record and the observer list are the caller's.
  int Undo(Database& db);
  // The same for the next undone step, putting its later bytes back.
  int Redo(Database& db);

  std::size_t StepCount() const { return m_steps.size(); }

 private:
  struct Step {
    EditKind Kind;
    std::string Date;
    int First = 0;  // 0-based place of the first record that differs
    std::vector<ObservationRecord> Before;
    std::vector<ObservationRecord> After;
    std::size_t Bytes() const { return (Before.size() + After.size()) * sizeof(ObservationRecord); }
  };
  int Apply(Database& db, int first, const std::vector<ObservationRecord>& from,
            const std::vector<ObservationRecord>& to);
  void KeepWithinLimit();
  // `verb` holds %1 where the step goes: "Zpět: %1".
  static std::string StepText(const std::string& verb, const Step& step);

  std::size_t m_byteLimit;
  bool m_known = false;
  std::vector<ObservationRecord> m_state;  // records 1..RecordCount as last known
  std::vector<Step> m_steps;
  std::size_t m_done = 0;  // steps 0..m_done-1 are done, the rest undone
};

}  // namespace ardeno
