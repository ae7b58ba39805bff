// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The records chosen from a data file for paper drawings, each made into a photographed drawing
// with its truth, and the truth as text beside the picture:
//   date;D.M.YYYY;HHMM
//   disk;X;Y;R;NORTH
//   spot;X;Y;GROUP;PENUMBRA;AREA   (picture pixels, 0-based group, 0/1, drawn mm^2)
#include <optional>
#include <string>
#include <vector>

#include "core/data/observation_record.h"
#include "core/solar/ephemeris.h"
#include "paper/paper_drawing.h"
#include "paper/paper_photo.h"

namespace ardeno::paper {

struct ChosenRecord {
  ObservationRecord Record;
  CalendarDate Date;
};

// `count` records drawn by observers with at least one group, spread over the file.
std::vector<ChosenRecord> ChooseRecords(const std::vector<ObservationRecord>& records, int count,
                                        unsigned seed);

struct PaperCase {
  CalendarDate Date;
  std::uint16_t TimeUT = 0;
  SolarEphemeris Eph;
  PaperDrawing Drawing;
  Photo Picture;
};

// One in four is scanned, the others photographed with a phone, unless `capture` says how.
PaperCase MakeCase(const ChosenRecord& chosen, unsigned seed, int longSide,
                   std::optional<Capture> capture = std::nullopt, const PaperStyle& style = {});

std::string TruthText(const PaperCase& made);

}  // namespace ardeno::paper
