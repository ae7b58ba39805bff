// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/render_session.h"

#include "core/data/data_file.h"
#include "core/data/data_folder.h"
#include "core/text/core_text.h"
#include "core/text/dates.h"

namespace ardeno::render {

QString CollectedMessages::AskValue(const QString& prompt, const QString& initial) {
  // A value the options gave (the report's --month) answers without a word; a question left
  // unanswered is reported.
  if (!Answers.isEmpty()) return Answers.takeFirst();
  Shown << prompt;
  return initial;
}

bool CollectedMessages::AskChoice(const QString& question) {
  Shown << question;
  return false;
}

RenderSession::RenderSession(const std::filesystem::path& folder)
    : Ctx{folder, Db, View, Msg, Dialogs, Today()} {
  Ctx.Inputs = &Inputs;
}

std::optional<std::string> RenderSession::Load() {
  const CalendarDate today = Ctx.Today;
  if (const auto problem = DataFolderProblem(Ctx.ProgDir)) return problem;
  // A picture of the folder writes nothing into it, not even a missing zoom file.
  Inputs = ReadStartupInputs(Ctx.ProgDir, today, MissingZoomFile::LeaveMissing);
  for (const std::string& message : Inputs.Messages) Msg.Shown << QString::fromStdString(message);
  const LoadReport load = LoadDatabase(Db, Ctx.ProgDir, today);
  if (load.Error) return *load.Error;
  if (!load.FileExisted)
    return FillText(CoreText("ardeno-render", "Ve složce %1 není soubor datax.dat."),
                    {Ctx.ProgDir.string()});
  if (load.Warning) Msg.Shown << QString::fromStdString(*load.Warning);
  // Without a chosen radius the program would ask; the standard template is what it offers.
  if (NeedsCoordinateMode(Db)) {
    Db.Mode = CoordinateMode::Polar;
    Db.DrawingRadius = kDefaultDrawingRadius;
  } else {
    ApplyRadiusWord(Db);
  }
  return std::nullopt;
}

void RenderSession::KeepRecords(int first, int last) {
  Db.Records.erase(Db.Records.begin() + last, Db.Records.begin() + Db.RecordCount);
  Db.Records.erase(Db.Records.begin(), Db.Records.begin() + (first - 1));
  Db.RecordCount = last - first + 1;
  Db.RecordCountAtLoad = Db.RecordCount;
  Db.BackupCount = 0;
  Db.ChooseRecord(Db.RecordCount);
}

}  // namespace ardeno::render
