// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program as a user starts it in a ui test: a data folder written from records (none: the
// folder as it is), then the main window started on it at 1600 x 1000.
#include <QSize>
#include <QToolButton>
#include <filesystem>
#include <vector>

#include "core/data/data_file.h"
#include "core/data/record_file.h"
#include "support/app_run.h"
#include "ui/shell/main_window.h"
#include "ui/shell/toolbar_panels.h"

namespace ardeno::test {

// Writes records as the program's data file of `dir`.
inline void WriteDataFile(const std::filesystem::path& dir,
                          const std::vector<ObservationRecord>& records) {
  WriteRecordFile(dir / kDataFileName, records);
}

struct MainFrame : AppRun {
  explicit MainFrame(const std::filesystem::path& dir,
                     const std::vector<ObservationRecord>& records = {})
      : AppRun(dir), Window(Ctx) {
    if (!records.empty()) WriteDataFile(dir, records);
    Window.Start(QSize(1600, 1000));
  }
  QToolButton* Button(const char* name) { return Window.Toolbar()->Button(name); }
  MainWindow Window;
};

}  // namespace ardeno::test
