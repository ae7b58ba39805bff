// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Popis.txt", the description lines the report headers carry: lines 1..6 fill the CV report's
// header (e-mail, month text, observer, station, instrument, method), line 7 the SIDC header.
#include <filesystem>
#include <string>

#include "core/reports/cv_report_file.h"
#include "core/text/core_text.h"

namespace ardeno {

inline constexpr const char* kDescriptionFileName = "Popis.txt";
// The warning before a SIDC or CV report is written in a folder without the file.
inline constexpr const char* kNoDescriptionMessage =
    CoreTextNoop("Reports",
                 "Není soubor Popis.txt: data se zapíší bez popisu; popis stanice zadejte v "
                 "Zadávání → Stanice.");
// Whether the folder has the description file; its first line may be empty (the Stanice form
// writes line 7 alone).
bool HasDescriptionFile(const std::filesystem::path& progDir);

// The first seven lines (Windows-1250, given as UTF-8); missing lines stay empty. Throws
// AuxFileError with the Czech message when the file exists but cannot be read.
DescriptionLines ReadDescriptionFile(const std::filesystem::path& progDir);
// The same from the file's bytes.
DescriptionLines ParseDescription(std::string_view bytes);

}  // namespace ardeno
