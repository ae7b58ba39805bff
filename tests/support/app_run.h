// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One application run in a ui test: the objects main() owns (database, view settings, scripted
// messages and dialogs, the context that hands them to the windows) on a data folder.
#include <filesystem>

#include "core/data/database.h"
#include "support/scripted_messages.h"
#include "ui/shell/app_context.h"
#include "ui/shell/view_settings.h"

namespace ardeno::test {

struct AppRun {
  explicit AppRun(const std::filesystem::path& dir = {})
      : Ctx{dir, Db, View, Msg, Dialogs, Today()} {}
  Database Db;
  ViewSettings View;
  ScriptedMessages Msg;
  ScriptedDialogs Dialogs;
  AppContext Ctx;
};

}  // namespace ardeno::test
