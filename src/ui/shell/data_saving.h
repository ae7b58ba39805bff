// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every save of the database from a window: under the data folder's lock (taken now when another
// program held it at start-up), and over a data file that another program saved since the load
// only when the user says so.
#include "core/text/refusal.h"
#include "ui/shell/app_context.h"

namespace ardeno {

// The program's name in the folder's lock, shown to a second writer.
inline constexpr const char* kProgramLockHolder = "Ardeno";

// Takes the data folder's lock for the program's run; the message naming the holder when
// another program has it (the program runs on and tries again at its first save).
Refusal TakeDataLock(AppContext& ctx);

// Saves ctx.Db into ctx.ProgDir. When the data file changed since the load, the user is asked
// whether to write over it; "Ne" keeps the file and reports that nothing was saved. The Czech
// text of a refusal or failure, not yet shown.
Refusal SaveDataAsked(AppContext& ctx);

}  // namespace ardeno
