// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the status bar says after the data were saved.
#include <string>

namespace ardeno {

// "Uloženo: 1 zákres", "Uloženo: 3 zákresy", "Uloženo: 4054 zákresů" (Czech plural forms), in
// the language of the interface.
std::string SavedRecordsText(int count);

}  // namespace ardeno
