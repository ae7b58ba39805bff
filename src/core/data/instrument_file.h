// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "pristroj.dat": six text lines describing the observatory and its instrument
// (1 observatory, 2 instrument, 3 aperture, 4 eyepiece, 5 focal length, 6 second observatory text).
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include "core/text/refusal.h"

namespace ardeno {

inline constexpr const char* kInstrumentFileName = "pristroj.dat";
inline constexpr int kInstrumentLines = 6;

// Instrument[0..5] hold lines 1..6 (UTF-8).
using Instrument = std::array<std::string, kInstrumentLines>;

Instrument DefaultInstrument();
// The six lines of a file's text (LF or CR LF), Windows-1250 or UTF-8 with or without a byte
// order mark; lines the file lacks are empty.
Instrument InstrumentFromText(std::string_view bytes);

// The defaults when the file is missing. Throws AuxFileError when it exists but cannot be read.
Instrument ReadInstrument(const std::filesystem::path& progDir);

// Rewrites the file whole (Windows-1250, CR LF); the Czech error text when it cannot be written.
Refusal WriteInstrument(const std::filesystem::path& progDir, const Instrument& instrument);

}  // namespace ardeno
