// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data/supplementary_data.h"

#include <algorithm>

#include "core/data/aux_file_io.h"

namespace ardeno {

SupplementaryData ReadSupplementaryData(const std::filesystem::path& progDir) {
  SupplementaryData data;
  const auto content = ReadAuxFile(progDir / kSupplementaryFileName, kSupplementaryFileName,
                                   kSupplementaryDataSize, false);
  if (content) {
    data.FileFound = true;
    data.FileSize = content->FileSize;
  }
  // The block is taken whole or not at all: a short file is not half a table.
  if (content && content->Bytes.size() == kSupplementaryDataSize) {
    std::copy(content->Bytes.begin(), content->Bytes.end(), data.Bytes.begin());
  }
  return data;
}

}  // namespace ardeno
