#include "core/solar/record_positions.h"

#include <unordered_map>

#include "core/data/record_fields.h"

namespace ardeno {

namespace {

// FNV-1a over the bytes that decide a record's positions.
class Digest {
 public:
  void Add(const std::uint8_t* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      m_value ^= bytes[i];
      m_value *= 1099511628211ULL;
    }
  }
  void Add(std::uint16_t value) {
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(value & 0xFF),
                                   static_cast<std::uint8_t>(value >> 8)};
    Add(bytes, 2);
  }
  std::uint64_t Value() const { return m_value; }

 private:
  std::uint64_t m_value = 14695981039346656037ULL;
};

std::uint64_t InputDigestOf(const ObservationRecord& record) {
  Digest digest;
  digest.Add(record.Bytes.data(), 11);  // Date: length byte and text
  digest.Add(record.TimeUT());
  const int groups = record.GroupCount();
  const int faculae = record.FacularCount();
  digest.Add(static_cast<std::uint16_t>(groups * 64 + faculae));
  for (int k = 1; k <= groups; ++k) {
    digest.Add(record.Angle10(k));
    digest.Add(record.Distance10(k));
  }
  for (int k = 1; k <= faculae; ++k) {
    for (int v = 1; v <= kFaculaVertices; ++v) digest.Add(record.FaculaVertex(k, v));
  }
  return digest.Value();
}

void AppendComputed(RecordPositions& out, const ObservationRecord& record, std::uint64_t digest) {
  RecordPosition entry;
  entry.InputDigest = digest;
  entry.FirstGroup = static_cast<std::uint32_t>(out.Groups.size());
  entry.FirstFacula = static_cast<std::uint32_t>(out.Faculae.size());
  const std::optional<CalendarDate> date = RecordDate(record);
  if (date) {
    entry.HasDate = true;
    entry.Date = *date;
    entry.Eph = Ephemeris(*date, record.TimeUT());
    entry.GroupCount = static_cast<std::uint8_t>(record.GroupCount());
    for (int k = 1; k <= entry.GroupCount; ++k) {
      out.Groups.push_back(PolarToHeliographic(entry.Eph, record.Angle10(k), record.Distance10(k)));
    }
    entry.FaculaCount = static_cast<std::uint8_t>(record.FacularCount());
    for (int k = 1; k <= entry.FaculaCount; ++k) {
      FaculaOutline outline;
      outline.FirstVertex = static_cast<std::uint32_t>(out.FaculaVertices.size());
      for (int v = 1; v <= kFaculaVertices; ++v) {
        const std::uint16_t vertex = record.FaculaVertex(k, v);
        if (vertex == 0) break;
        out.FaculaVertices.push_back(PolarToHeliographic(entry.Eph, FaculaVertexAngle10(vertex),
                                                         FaculaVertexDistance10(vertex)));
        ++outline.VertexCount;
      }
      out.Faculae.push_back(outline);
    }
  }
  out.Records.push_back(entry);
}

void AppendCopied(RecordPositions& out, const RecordPositions& from, int index) {
  RecordPosition entry = from.Record(index);
  entry.FirstGroup = static_cast<std::uint32_t>(out.Groups.size());
  entry.FirstFacula = static_cast<std::uint32_t>(out.Faculae.size());
  const auto groups = from.GroupsOf(index);
  out.Groups.insert(out.Groups.end(), groups.begin(), groups.end());
  for (const FaculaOutline& old : from.FaculaeOf(index)) {
    FaculaOutline outline{static_cast<std::uint32_t>(out.FaculaVertices.size()), old.VertexCount};
    const auto vertices = from.VerticesOf(old);
    out.FaculaVertices.insert(out.FaculaVertices.end(), vertices.begin(), vertices.end());
    out.Faculae.push_back(outline);
  }
  out.Records.push_back(entry);
}

void Reserve(RecordPositions& out, const Database& db) {
  out.Records.reserve(static_cast<std::size_t>(db.RecordCount));
  std::size_t groups = 0;
  for (int i = 1; i <= db.RecordCount; ++i)
    groups += static_cast<std::size_t>(db.Record(i).GroupCount());
  out.Groups.reserve(groups);
}

}  // namespace

RecordPositions ComputeRecordPositions(const Database& db) {
  RecordPositions out;
  Reserve(out, db);
  for (int i = 1; i <= db.RecordCount; ++i) {
    AppendComputed(out, db.Record(i), InputDigestOf(db.Record(i)));
  }
  return out;
}

RecordPositions UpdateRecordPositions(const RecordPositions& previous, const Database& db) {
  RecordPositions out;
  Reserve(out, db);
  // A store or a removal shifts the records after it by one place; the neighbours of the same
  // place are tried first, then any earlier entry with the same inputs.
  std::unordered_map<std::uint64_t, int> byDigest;
  bool indexed = false;
  for (int i = 1; i <= db.RecordCount; ++i) {
    const std::uint64_t digest = InputDigestOf(db.Record(i));
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
    if (reuse != 0) {
      AppendCopied(out, previous, reuse);
    } else {
      AppendComputed(out, db.Record(i), digest);
    }
  }
  return out;
}

}  // namespace ardeno
