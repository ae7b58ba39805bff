// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeping a damaged data file as it was found, before a save can drop what the load left out.
// Each incident gets a name of its own ("datax-puvodni.dat", then "datax-puvodni-2.dat", ...),
// so a second one never overwrites the first copy; a file already kept byte for byte under one
// of those names (the same damage met at the next start) is not copied again.
#include <filesystem>
#include <system_error>

namespace ardeno {

struct KeptCopy {
  std::filesystem::path Name;  // file name of the copy, in the same folder
  std::error_code Error;       // set when no copy could be made
};

// `file` is copied beside itself under the first free (or identical) name built from
// `baseName` ("datax-puvodni.dat").
KeptCopy KeepCopyOf(const std::filesystem::path& file, const std::filesystem::path& baseName);

}  // namespace ardeno
