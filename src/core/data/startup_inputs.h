// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything start-up reads besides the data file, in start-up order: the zoom, the supplementary
// butterfly data, the instrument, the corona files and the SIDC series. Each file is optional;
// one that cannot be read leaves its defaults and adds a Czech message, and the others are still
// read.
#include <filesystem>
#include <string>
#include <vector>

#include "core/data/corona_data.h"
#include "core/data/instrument_file.h"
#include "core/data/sidc_files.h"
#include "core/data/supplementary_data.h"
#include "core/data/zoom_file.h"
#include "core/text/dates.h"

namespace ardeno {

struct StartupInputs {
  float Zoom = kDefaultZoom;
  SupplementaryData Supplementary;
  Instrument InstrumentLines = DefaultInstrument();
  CoronaData Corona;
  SidcDailyTable SidcDaily;
  SidcSeries SidcAreas;  // line count shown on the toolbar button "CElek"
  SidcSeries RadioFlux;  // line count shown on the toolbar button "severni"
  // Czech texts for the user: files that could not be read, corona lines skipped.
  std::vector<std::string> Messages;
};

// Only a missing zoom file is ever written, and only when `missingZoom` says so.
StartupInputs ReadStartupInputs(const std::filesystem::path& progDir, const CalendarDate& today,
                                MissingZoomFile missingZoom = MissingZoomFile::Create);

}  // namespace ardeno
