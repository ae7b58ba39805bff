// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Databases of records whose results blocks are set directly, for the monthly statistics.
#include <array>
#include <cstdint>
#include <string>

#include "core/data/database.h"
#include "core/data/observation_record.h"

namespace ardeno::test {

// Per-hemisphere daily values in results-block order: g, f, R, CV, SN, RB, area, corrected area.
using HemisphereValues = std::array<std::uint16_t, 8>;

enum class Marker { None, North, South };

struct DayValues {
  HemisphereValues North{};
  HemisphereValues South{};
  bool Special = false;
  Marker FirstGroup = Marker::None;
  // Central groups, spots, R, facular fields.
  std::array<std::uint16_t, 4> Central{};
  std::array<std::uint8_t, 3> Quality{};  // conditions, image quality, Q
};

inline ObservationRecord MakeRecord(const std::string& date, const DayValues& v,
                                    std::uint16_t timeUT = 1200) {
  ObservationRecord r;
  r.SetDate(date);
  r.SetTimeUT(timeUT);
  r.SetObserver("Novák");
  if (v.Special) r.SetKind("zvlášťní");
  if (v.FirstGroup != Marker::None) {
    r.SetGroupCount(1);
    r.SetAngle10(1, v.FirstGroup == Marker::North ? kNorthMarkerAngle10 : kSouthMarkerAngle10);
    r.SetDistance10(1, kMarkerDistance10);
  }
  for (int q = 0; q < 8; ++q) {
    r.SetResultWord(kGroupsN + q, v.North[static_cast<std::size_t>(q)]);
    r.SetResultWord(kGroupsS + q, v.South[static_cast<std::size_t>(q)]);
  }
  r.SetCentralGroups(v.Central[0]);
  r.SetCentralSpots(v.Central[1]);
  r.SetCentralR(v.Central[2]);
  r.SetFacularFields(v.Central[3]);
  r.SetConditions(v.Quality[0]);
  r.SetImageQuality(v.Quality[1]);
  r.SetQualityQ(v.Quality[2]);
  return r;
}

// A quick normal record: g and area given for both hemispheres, R = 10 g + f with f = 2 g.
inline DayValues Normal(std::uint16_t gNorth, std::uint16_t gSouth, std::uint16_t areaNorth = 0,
                        std::uint16_t areaSouth = 0) {
  DayValues v;
  v.North = {gNorth,
             static_cast<std::uint16_t>(2 * gNorth),
             static_cast<std::uint16_t>(12 * gNorth),
             0,
             0,
             0,
             areaNorth,
             areaNorth};
  v.South = {gSouth,
             static_cast<std::uint16_t>(2 * gSouth),
             static_cast<std::uint16_t>(12 * gSouth),
             0,
             0,
             0,
             areaSouth,
             areaSouth};
  return v;
}

class DatabaseBuilder {
 public:
  DatabaseBuilder& Add(const std::string& date, const DayValues& v, std::uint16_t timeUT = 1200) {
    m_db.Records.push_back(MakeRecord(date, v, timeUT));
    m_db.RecordCount = static_cast<int>(m_db.Records.size());
    return *this;
  }
  Database Build() const { return m_db; }

 private:
  Database m_db;
};

}  // namespace ardeno::test
