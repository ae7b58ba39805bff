// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/edit_history.h"

#include <algorithm>
#include <numeric>

#include "core/text/core_text.h"

namespace ardeno {

std::string EditKindName(EditKind kind) {
  switch (kind) {
    case EditKind::NewDrawing:
      return CoreText("EditHistory", "nový zákres");
    case EditKind::SpecialDrawing:
      return CoreText("EditHistory", "zvláštní zákres");
    case EditKind::Correction:
      return CoreText("EditHistory", "oprava");
    case EditKind::Merge:
      return CoreText("EditHistory", "sloučení souborů");
    case EditKind::Recompute:
      return CoreText("EditHistory", "přepočet výsledků");
    case EditKind::FaculaTransfer:
      return CoreText("EditHistory", "fakule z jiného souboru");
    case EditKind::PhotoGroups:
      return CoreText("EditHistory", "skupiny z fotografie");
    case EditKind::PhotoFaculae:
      return CoreText("EditHistory", "fakule z fotografie");
    case EditKind::Removal:
      return CoreText("EditHistory", "odstranění");
  }
  return {};
}

void EditHistory::Reset(const Database& db) {
  m_state.assign(db.Records.begin(), db.Records.begin() + db.RecordCount);
  m_steps.clear();
  m_done = 0;
  m_known = true;
}

void EditHistory::Absorb(const Database& db) {
  if (!m_known || static_cast<int>(m_state.size()) != db.RecordCount) {
    // Drawings added or removed outside the history: the steps no longer know their places.
    Reset(db);
    return;
  }
  for (std::size_t i = 0; i < m_state.size(); ++i) {
    if (!(m_state[i] == db.Records[i])) m_state[i] = db.Records[i];
  }
}

bool EditHistory::Record(const Database& db, EditKind kind, std::string date) {
  if (!m_known) {
    Reset(db);
    return false;
  }
  const std::size_t oldCount = m_state.size();
  const std::size_t newCount = static_cast<std::size_t>(db.RecordCount);
  const std::size_t common = std::min(oldCount, newCount);
  std::size_t first = 0;
  while (first < common && m_state[first] == db.Records[first]) ++first;
  if (first == common && oldCount == newCount) return false;
  std::size_t same = 0;
  while (same < common - first && m_state[oldCount - 1 - same] == db.Records[newCount - 1 - same])
    ++same;

  Step step{kind, std::move(date), static_cast<int>(first), {}, {}};
  step.Before.assign(m_state.begin() + static_cast<std::ptrdiff_t>(first),
                     m_state.begin() + static_cast<std::ptrdiff_t>(oldCount - same));
  step.After.assign(db.Records.begin() + static_cast<std::ptrdiff_t>(first),
                    db.Records.begin() + static_cast<std::ptrdiff_t>(newCount - same));
  m_state.erase(m_state.begin() + static_cast<std::ptrdiff_t>(first),
                m_state.begin() + static_cast<std::ptrdiff_t>(oldCount - same));
  m_state.insert(m_state.begin() + static_cast<std::ptrdiff_t>(first), step.After.begin(),
                 step.After.end());
  m_steps.resize(m_done);
  m_steps.push_back(std::move(step));
  ++m_done;
  KeepWithinLimit();
  return true;
}

void EditHistory::KeepWithinLimit() {
  std::size_t total =
      std::accumulate(m_steps.begin(), m_steps.end(), std::size_t{0},
                      [](std::size_t sum, const Step& s) { return sum + s.Bytes(); });
  while (total > m_byteLimit && m_steps.size() > 1) {
    total -= m_steps.front().Bytes();
    m_steps.erase(m_steps.begin());
    if (m_done > 0) --m_done;
  }
}

std::string EditHistory::StepText(const std::string& verb, const Step& step) {
  std::string what = EditKindName(step.Kind);
  if (!step.Date.empty()) what += " " + step.Date;
  return FillText(verb, {what});
}

std::string EditHistory::UndoText() const {
  return CanUndo() ? StepText(CoreText("EditHistory", "Zpět: %1"), m_steps[m_done - 1])
                   : std::string();
}

std::string EditHistory::RedoText() const {
  return CanRedo() ? StepText(CoreText("EditHistory", "Znovu: %1"), m_steps[m_done])
                   : std::string();
}

int EditHistory::Apply(Database& db, int first, const std::vector<ObservationRecord>& from,
                       const std::vector<ObservationRecord>& to) {
  const auto at = m_state.begin() + first;
  m_state.erase(at, at + static_cast<std::ptrdiff_t>(from.size()));
  m_state.insert(m_state.begin() + first, to.begin(), to.end());
  const int oldCount = db.RecordCount;
  const int newCount = static_cast<int>(m_state.size());
  if (newCount > db.Capacity()) db.Records.resize(static_cast<std::size_t>(newCount));
  std::copy(m_state.begin() + first, m_state.end(), db.Records.begin() + first);
  // Places freed by the change are empty again, as a removal leaves them.
  for (int i = newCount; i < oldCount; ++i) db.Records[static_cast<std::size_t>(i)] = {};
  db.RecordCount = newCount;
  db.DataChanged = true;
  if (newCount == 0) return 0;
  return std::clamp(first + 1, 1, newCount);
}

int EditHistory::Undo(Database& db) {
  if (!CanUndo()) return 0;
  Absorb(db);
  if (!CanUndo()) return 0;
  const Step& step = m_steps[--m_done];
  return Apply(db, step.First, step.After, step.Before);
}

int EditHistory::Redo(Database& db) {
  if (!CanRedo()) return 0;
  Absorb(db);
  if (!CanRedo()) return 0;
  const Step& step = m_steps[m_done++];
  return Apply(db, step.First, step.Before, step.After);
}

}  // namespace ardeno
