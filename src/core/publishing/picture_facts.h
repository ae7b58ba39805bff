// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a picture shows, written into the picture file itself (PNG text chunks, a JPEG comment),
// so that a drawing or a graph taken into a talk or an article still says what it is: the view,
// the drawing's date, UT and ephemeris or the graph's period, the observer and the station, and
// the program that made it.
#include <string>
#include <string_view>
#include <vector>

#include "core/data/database.h"
#include "core/data/observation_record.h"

namespace ardeno {

struct PictureFact {
  std::string Key;    // a PNG keyword: 1 to 79 printable Latin-1 characters
  std::string Value;  // UTF-8, one line
  bool operator==(const PictureFact&) const = default;
};
using PictureFacts = std::vector<PictureFact>;

// The keys the program writes, in this order.
inline constexpr std::string_view kFactView = "View";
inline constexpr std::string_view kFactDate = "Date";
inline constexpr std::string_view kFactTimeUT = "Time UT";
inline constexpr std::string_view kFactPeriod = "Period";
inline constexpr std::string_view kFactP = "P";
inline constexpr std::string_view kFactB0 = "B0";
inline constexpr std::string_view kFactL0 = "L0";
inline constexpr std::string_view kFactRotation = "Carrington rotation";
inline constexpr std::string_view kFactObserver = "Observer";
inline constexpr std::string_view kFactStation = "Station";
inline constexpr std::string_view kFactSoftware = "Software";

// The view of a drawing saved from the drawing window.
inline constexpr std::string_view kDrawingView = "zákres";

// A drawing of `record`: its date and UT, the ephemeris of that moment (P, B0, L0 in degrees to
// 0.01 as the drawing's frame shows them; left out when the date does not parse), the
// Carrington rotation, the observer and the station.
PictureFacts DrawingFacts(std::string_view view, const ObservationRecord& record);

// A picture of the period from `first` to `last` ("dd.mm.yyyy"), made at `station` (left out
// when empty).
PictureFacts PeriodFacts(std::string_view view, const std::string& first, const std::string& last,
                         const std::string& station);

// A picture of the whole database (a graph, a map, a window's image): the period from its
// earliest to its latest dated drawing and the station of the latest; no period when no drawing
// has a readable date.
PictureFacts DatabaseFacts(std::string_view view, const Database& db);

// The value of `key`, or nothing when it is not among the facts.
const std::string* FactValue(const PictureFacts& facts, std::string_view key);

}  // namespace ardeno
