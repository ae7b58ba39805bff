// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/data_saving.h"

#include <QCoreApplication>

#include "core/data/data_file.h"

namespace ardeno {

Refusal TakeDataLock(AppContext& ctx) {
  if (ctx.DataLock.Held()) return std::nullopt;
  FolderLockAttempt attempt = LockDataFolder(ctx.ProgDir, kProgramLockHolder);
  if (attempt.Refused) return attempt.Refused;
  ctx.DataLock = std::move(attempt.Lock);
  return std::nullopt;
}

Refusal SaveDataAsked(AppContext& ctx) {
  if (Refusal locked = TakeDataLock(ctx)) return locked;
  if (const auto changed = ChangedSinceLoadMessage(ctx.Db, ctx.ProgDir)) {
    const QString question =
        QString::fromStdString(*changed) +
        QCoreApplication::translate("DataSaving",
                                    "\n\nPřepsat ho přesto daty tohoto programu? Záznamy, které "
                                    "do něj mezitím uložil jiný program, se tím ztratí.");
    if (!ctx.Msg.AskChoice(question))
      return QCoreApplication::translate("DataSaving",
                                         "Data nebyla uložena; soubor datax.dat zůstal, jak ho "
                                         "uložil jiný program.")
          .toStdString();
    AcceptChangedDataFile(ctx.Db, ctx.ProgDir);
  }
  return SaveDatabase(ctx.Db, ctx.ProgDir);
}

}  // namespace ardeno
