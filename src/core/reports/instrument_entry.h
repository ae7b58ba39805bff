// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The instrument panel of the results window: its five fields filled from "pristroj.dat", the
// lines they change when confirmed, and the instrument line of the own report's header.
#include <string>

#include "core/data/instrument_file.h"

namespace ardeno {

struct InstrumentEntry {
  std::string Station;  // shown from line 6, stored into line 1
  std::string Name;
  std::string Diameter;
  std::string Eyepiece;
  std::string FocalLength;
};

InstrumentEntry InstrumentEntryOf(const Instrument& instrument);

// Line 1 takes the station, lines 2..5 the other fields; line 6 takes the station too unless the
// own report is shown, whose header keeps its own second text.
Instrument ApplyInstrumentEntry(Instrument instrument, const InstrumentEntry& entry,
                                bool ownReportShown);

// The lines a report page heads with: the station line (line 1) when it is empty shows the
// station in the panel's field, which choosing the report month fills from the records.
Instrument ShownInstrument(Instrument instrument, const std::string& panelStation);

// The focal length divided by the eyepiece focal length, without decimals, and " x"; "? x" when
// either is not a positive number.
std::string MagnificationText(const Instrument& instrument);

// "name   /    diameter   /    focal length   /    magnification x"
std::string InstrumentLine(const Instrument& instrument);

}  // namespace ardeno
