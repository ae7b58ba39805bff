#pragma once
// One application run on a data folder in a ui test: the objects main() owns, with scripted
// messages and dialogs.
#include <filesystem>

#include "core/data/database.h"
#include "scripted_messages.h"
#include "ui/shell/app_context.h"
#include "ui/shell/view_settings.h"

namespace ardeno {

struct AppRun {
  explicit AppRun(const std::filesystem::path& dir) : Ctx{dir, Db, View, Msg, Dialogs} {}
  Database Db;
  ViewSettings View;
  ScriptedMessages Msg;
  ScriptedDialogs Dialogs;
  AppContext Ctx;
};

}  // namespace ardeno
