// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Popis.txt", the description lines the report headers carry: lines 1..6 fill the CV report's
// header (e-mail, month text, observer, station, instrument, method), line 7 the SIDC header.
#include <filesystem>
#include <string>

#include "core/reports/cv_report_file.h"

namespace ardeno {

inline constexpr const char* kDescriptionFileName = "Popis.txt";
// An empty first line means the file was missing.
inline constexpr const char* kNoDescriptionSidcMessage =
    "       Není soubor popis.txt\rdata se zapíší bez popisu, doplonit ručně";
inline constexpr const char* kNoDescriptionCvMessage =
    "       Neni soubor popis.txt\rdata se zapíší bez popisu, doplonit ručně";

// The first seven lines (Windows-1250, given as UTF-8); missing lines stay empty. Throws
// AuxFileError with the Czech message when the file exists but cannot be read.
DescriptionLines ReadDescriptionFile(const std::filesystem::path& progDir);
// The same from the file's bytes.
DescriptionLines ParseDescription(std::string_view bytes);

}  // namespace ardeno
