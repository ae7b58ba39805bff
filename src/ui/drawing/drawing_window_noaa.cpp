// SPDX-License-Identifier: GPL-3.0-or-later
// Key N of the drawing window: NOAA's regions on the drawing.
#include <filesystem>

#include "core/data/record_fields.h"
#include "core/solar/ephemeris.h"
#include "ui/drawing/drawing_window.h"
#include "ui/shell/picture_files.h"

namespace ardeno {

void DrawingWindow::ToggleNoaaRegions() {
  if (m_noaaOn) {
    m_noaaOn = false;
    m_view.NoaaRegions = nullptr;
    update();
    return;
  }
  std::optional<std::filesystem::path> folder = ReadNoaaFolder(m_ctx.ProgDir);
  std::error_code error;
  if (!folder || !std::filesystem::is_directory(*folder, error)) {
    const std::optional<QString> chosen = m_ctx.Dialogs.FolderName(
        this, tr("Složka se zprávami NOAA (SRS)"), PathText(m_ctx.ProgDir));
    if (!chosen) return;
    folder = PathFromText(*chosen);  // a folder name with Czech letters holds on every system
    if (const auto failure = WriteNoaaFolder(m_ctx.ProgDir, *folder))
      m_ctx.Msg.ShowMessageText(QString::fromStdString(*failure));
  }
  std::vector<std::string> problems;
  m_noaaReports = ReadReportFiles({*folder}, problems);
  if (!problems.empty())
    m_ctx.Msg.ShowMessageText(tr("Některé soubory ve složce NOAA nelze přečíst (%1), například: %2")
                                  .arg(problems.size())
                                  .arg(QString::fromStdString(problems.front())));
  if (m_noaaReports.empty()) {
    m_ctx.Msg.ShowMessageText(tr("Ve složce %1 nejsou žádné zprávy NOAA (SRS).")
                                  .arg(QString::fromStdString(folder->string())));
    return;
  }
  m_noaaOn = true;
  m_noaaKey.clear();
  update();
}

void DrawingWindow::PrepareNoaaRegions() {
  if (!m_noaaOn) return;
  const ObservationRecord& record = m_ctx.Db.WorkRecord;
  const std::string key = record.DateRaw() + " " + std::to_string(record.TimeUT()) + " " +
                          std::to_string(m_view.MirrorX) + std::to_string(m_view.MirrorY);
  m_view.NoaaRegions = &m_noaaMarks;
  if (key == m_noaaKey) return;
  m_noaaKey = key;
  m_noaaMarks.clear();
  const auto date = RecordDate(record);
  const auto eph = RecordEphemeris(record);
  if (!date || !eph) return;
  if (const auto regions = RegionsAtMoment(m_noaaReports, *date, record.TimeUT(), *eph))
    m_noaaMarks = RegionMarks(*regions, *eph, m_view.MirrorX, m_view.MirrorY);
}

}  // namespace ardeno
