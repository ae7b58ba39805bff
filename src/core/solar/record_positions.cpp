// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/solar/record_positions.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "core/data/group_types.h"
#include "core/data/large_array.h"
#include "core/data/record_fields.h"

namespace ardeno {

namespace {

// A 64-bit digest of the values that decide a record's positions, taken a word at a time: the
// update after a store digests every record, so this runs 20,000 times per stored drawing.
class Digest {
 public:
  void Add(std::uint64_t value) {
    m_value = (m_value ^ value) * 0x9E3779B97F4A7C15ULL;
    m_value ^= m_value >> 29;
  }
  std::uint64_t Value() const { return m_value; }

 private:
  std::uint64_t m_value = 14695981039346656037ULL;
};

// Four 16-bit values as one word.
std::uint64_t Word(std::uint16_t a, std::uint16_t b, std::uint16_t c = 0, std::uint16_t d = 0) {
  return std::uint64_t{a} | std::uint64_t{b} << 16 | std::uint64_t{c} << 32 |
         std::uint64_t{d} << 48;
}

std::uint64_t InputDigestOf(const ObservationRecord& record) {
  Digest digest;
  // Date: its length byte and ten characters, bytes 0..10.
  std::uint64_t first = 0;
  std::uint64_t second = 0;
  for (std::size_t i = 0; i < 11; ++i)
    (i < 8 ? first : second) |= std::uint64_t{record.Bytes[i]} << (8 * (i % 8));
  digest.Add(first);
  digest.Add(second);
  const int groups = record.GroupCount();
  const int faculae = record.FacularCount();
  digest.Add(Word(record.TimeUT(), static_cast<std::uint16_t>(groups * 64 + faculae),
                  record.Rotation(), record.CentralL0()));
  digest.Add(record.IsSpecial());
  for (int k = 1; k <= groups; ++k) {
    // The class's first four bytes: its length and three letters.
    std::uint32_t type = 0;
    std::memcpy(&type, record.Bytes.data() + ObservationRecord::Slot(k), sizeof type);
    digest.Add(Word(record.Angle10(k), record.Distance10(k), record.RotationGroupNumber(k)));
    digest.Add(type);
  }
  for (int k = 1; k <= faculae; ++k) {
    digest.Add(Word(record.FaculaVertex(k, 1), record.FaculaVertex(k, 2), record.FaculaVertex(k, 3),
                    record.FaculaVertex(k, 4)));
    digest.Add(Word(record.FaculaVertex(k, 5), record.FaculaVertex(k, 6)));
  }
  return digest.Value();
}

// Index of the next facular field's first vertex, whether or not the vertices are converted.
std::uint32_t NextVertex(const RecordPositions& out) {
  if (out.Faculae.empty()) return 0;
  return out.Faculae.back().FirstVertex + out.Faculae.back().VertexCount;
}

HeliographicPosition VertexPosition(const DiskOrientation& disk, std::uint16_t vertex) {
  return PolarToHeliographic(disk, FaculaVertexAngle10(vertex), FaculaVertexDistance10(vertex));
}

void AppendComputed(RecordPositions& out, const ObservationRecord& record, std::uint64_t digest) {
  RecordPosition entry;
  entry.InputDigest = digest;
  entry.FirstGroup = static_cast<std::uint32_t>(out.Groups.size());
  entry.FirstFacula = static_cast<std::uint32_t>(out.Faculae.size());
  entry.Rotation = record.Rotation();
  entry.CentralL0 = record.CentralL0();
  entry.IsSpecial = record.IsSpecial();
  const std::optional<CalendarDate> date = RecordDate(record);
  if (date) {
    entry.HasDate = true;
    entry.Date = *date;
    entry.Eph = Ephemeris(*date, record.TimeUT());
    const DiskOrientation disk(entry.Eph);
    entry.GroupCount = static_cast<std::uint8_t>(record.GroupCount());
    for (int k = 1; k <= entry.GroupCount; ++k) {
      out.Groups.push_back(PolarToHeliographic(disk, record.Angle10(k), record.Distance10(k)));
      out.Facts.push_back(GroupFacts{record.RotationGroupNumber(k),
                                     static_cast<std::uint8_t>(GroupTypeCvValue(
                                         record.ShortBytes(ObservationRecord::Slot(k), 3))),
                                     GroupTypeLetter(record, k)});
    }
    entry.FaculaCount = static_cast<std::uint8_t>(record.FacularCount());
    for (int k = 1; k <= entry.FaculaCount; ++k) {
      FaculaOutline outline;
      outline.FirstVertex = NextVertex(out);
      for (int v = 1; v <= kFaculaVertices; ++v) {
        const std::uint16_t vertex = record.FaculaVertex(k, v);
        if (vertex == 0) break;
        if (out.HasFaculaVertices) out.FaculaVertices.push_back(VertexPosition(disk, vertex));
        ++outline.VertexCount;
      }
      out.Faculae.push_back(outline);
    }
  }
  out.Records.push_back(entry);
}

// Records first..first + count - 1 of `from`, which lie one after another there, with their
// groups, facular fields and vertices copied as whole blocks and their indices moved to `out`.
void AppendCopiedRun(RecordPositions& out, const RecordPositions& from, int first, int count) {
  const RecordPosition& head = from.Record(first);
  const RecordPosition& tail = from.Record(first + count - 1);
  const std::int64_t groupShift = static_cast<std::int64_t>(out.Groups.size()) - head.FirstGroup;
  const std::int64_t faculaShift = static_cast<std::int64_t>(out.Faculae.size()) - head.FirstFacula;
  const auto faculaEnd = from.Faculae.begin() + tail.FirstFacula + tail.FaculaCount;
  const auto faculaBegin = from.Faculae.begin() + head.FirstFacula;
  // The vertices of the run's fields lie together from its first field's first vertex on.
  const std::size_t vertexBegin = faculaBegin == faculaEnd ? 0 : faculaBegin->FirstVertex;
  const std::size_t vertexEnd =
      faculaBegin == faculaEnd ? 0 : (faculaEnd - 1)->FirstVertex + (faculaEnd - 1)->VertexCount;
  const std::int64_t vertexShift =
      static_cast<std::int64_t>(NextVertex(out)) - static_cast<std::int64_t>(vertexBegin);

  for (int i = first; i < first + count; ++i) {
    RecordPosition entry = from.Record(i);
    entry.FirstGroup = static_cast<std::uint32_t>(entry.FirstGroup + groupShift);
    entry.FirstFacula = static_cast<std::uint32_t>(entry.FirstFacula + faculaShift);
    out.Records.push_back(entry);
  }
  out.Groups.insert(out.Groups.end(), from.Groups.begin() + head.FirstGroup,
                    from.Groups.begin() + tail.FirstGroup + tail.GroupCount);
  out.Facts.insert(out.Facts.end(), from.Facts.begin() + head.FirstGroup,
                   from.Facts.begin() + tail.FirstGroup + tail.GroupCount);
  for (auto facula = faculaBegin; facula != faculaEnd; ++facula)
    out.Faculae.push_back(
        {static_cast<std::uint32_t>(facula->FirstVertex + vertexShift), facula->VertexCount});
  if (out.HasFaculaVertices) {
    out.FaculaVertices.insert(
        out.FaculaVertices.end(),
        from.FaculaVertices.begin() + static_cast<std::ptrdiff_t>(vertexBegin),
        from.FaculaVertices.begin() + static_cast<std::ptrdiff_t>(vertexEnd));
  }
}

void Reserve(RecordPositions& out, std::size_t records, std::size_t groups, std::size_t faculae) {
  ReserveLarge(out.Records, records);
  ReserveLarge(out.Groups, groups);
  ReserveLarge(out.Facts, groups);
  ReserveLarge(out.Faculae, faculae);
  if (out.HasFaculaVertices) ReserveLarge(out.FaculaVertices, faculae * kFaculaVertices);
}

}  // namespace

RecordPositions ComputeRecordPositions(const Database& db, FaculaVertices vertices) {
  RecordPositions out;
  out.HasFaculaVertices = vertices == FaculaVertices::Convert;
  std::size_t groups = 0;
  std::size_t faculae = 0;
  for (int i = 1; i <= db.RecordCount; ++i) {
    groups += static_cast<std::size_t>(db.Record(i).GroupCount());
    faculae += static_cast<std::size_t>(db.Record(i).FacularCount());
  }
  Reserve(out, static_cast<std::size_t>(db.RecordCount), groups, faculae);
  for (int i = 1; i <= db.RecordCount; ++i) {
    AppendComputed(out, db.Record(i), InputDigestOf(db.Record(i)));
  }
  return out;
}

RecordPositions UpdateRecordPositions(const RecordPositions& previous, const Database& db) {
  // A store or a removal shifts the records after it by one place; the neighbours of the same
  // place are tried first, then any earlier entry with the same inputs.
  std::vector<std::uint64_t> digests(static_cast<std::size_t>(db.RecordCount));
  std::vector<int> reuseOf(static_cast<std::size_t>(db.RecordCount), 0);  // 0: compute again
  std::unordered_map<std::uint64_t, int> byDigest;
  bool indexed = false;
  // Counted while the records are read for their digests: another walk over 35 MB of records
  // would cost as much as the digests.
  std::size_t groups = 0;
  std::size_t faculae = 0;
  for (int i = 1; i <= db.RecordCount; ++i) {
    const ObservationRecord& record = db.Record(i);
    groups += static_cast<std::size_t>(record.GroupCount());
    faculae += static_cast<std::size_t>(record.FacularCount());
    const std::uint64_t digest = InputDigestOf(record);
    digests[static_cast<std::size_t>(i - 1)] = digest;
    int reuse = 0;
    for (int candidate : {i, i - 1, i + 1}) {
      if (candidate >= 1 && candidate <= previous.Count() &&
          previous.Record(candidate).InputDigest == digest) {
        reuse = candidate;
        break;
      }
    }
    if (reuse == 0) {
      if (!indexed) {
        byDigest.reserve(previous.Records.size());
        for (int j = 1; j <= previous.Count(); ++j)
          byDigest.emplace(previous.Record(j).InputDigest, j);
        indexed = true;
      }
      if (auto found = byDigest.find(digest); found != byDigest.end()) reuse = found->second;
    }
    reuseOf[static_cast<std::size_t>(i - 1)] = reuse;
  }

  RecordPositions out;
  out.HasFaculaVertices = previous.HasFaculaVertices;
  Reserve(out, static_cast<std::size_t>(db.RecordCount), groups, faculae);
  for (int i = 1; i <= db.RecordCount;) {
    const int reuse = reuseOf[static_cast<std::size_t>(i - 1)];
    if (reuse == 0) {
      AppendComputed(out, db.Record(i), digests[static_cast<std::size_t>(i - 1)]);
      ++i;
      continue;
    }
    // Records reused from consecutive earlier places are copied as one block.
    int count = 1;
    while (i + count <= db.RecordCount &&
           reuseOf[static_cast<std::size_t>(i + count - 1)] == reuse + count)
      ++count;
    AppendCopiedRun(out, previous, reuse, count);
    i += count;
  }
  return out;
}

void ConvertFaculaVertices(RecordPositions& positions, const Database& db) {
  if (positions.HasFaculaVertices) return;
  const std::size_t total = NextVertex(positions);
  ReserveLarge(positions.FaculaVertices, total);
  const int count = std::min(positions.Count(), db.RecordCount);
  for (int i = 1; i <= count; ++i) {
    const RecordPosition& entry = positions.Record(i);
    if (entry.FaculaCount == 0) continue;
    const DiskOrientation disk(entry.Eph);
    const ObservationRecord& record = db.Record(i);
    for (int k = 1; k <= entry.FaculaCount; ++k) {
      for (int v = 1; v <= kFaculaVertices; ++v) {
        const std::uint16_t vertex = record.FaculaVertex(k, v);
        if (vertex == 0) break;
        positions.FaculaVertices.push_back(VertexPosition(disk, vertex));
      }
    }
  }
  positions.HasFaculaVertices = true;
}

}  // namespace ardeno
