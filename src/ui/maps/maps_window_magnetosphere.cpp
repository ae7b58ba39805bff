// SPDX-License-Identifier: GPL-3.0-or-later
// The maps window's magnetosphere: the underlay read per rotation, the summation of the
// magnetograms into magn.dat (key P) and the comparison of the cycles from it.
#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

#include "core/data/aux_file_io.h"
#include "core/maps/magnetogram.h"
#include "ui/maps/maps_window.h"

namespace ardeno {

bool MapsWindow::ReadMagnetSummaryOnce() {
  if (m_magnetSummaryRead) return true;
  // Read when the cycles are asked for, not at every opening of the window: the summary of a
  // long series is megabytes that most sessions never look at.
  try {
    m_magnetSummary = ReadMagnetSummary(m_ctx.ProgDir, LastRotation(m_ctx.Db));
  } catch (const AuxFileError& error) {
    m_ctx.Msg.ShowMessageText(QString::fromUtf8(error.what()));
    return false;
  }
  m_magnetSummaryRead = true;
  return true;
}

void MapsWindow::datamagnetClick() {
  if (!ReadMagnetSummaryOnce()) return;
  if (!m_magnetSummary.FileFound) {
    m_ctx.Msg.ShowMessageText(
        tr("Soubor magn.dat zatím není: vytvoří ho součet magnetogramů "
           "(klávesa P v okně map)."));
    return;
  }
  m_cyclesBox->move(std::max(0, m_canvas->width() - m_cyclesBox->width() - 10), 10);
  m_cyclesBox->show();
  m_cyclesBox->raise();
}

void MapsWindow::ShowMagnetCycles() {
  QString refusal;
  const std::optional<MagnetCycleQuery> query = m_cyclesBox->Query(refusal);
  if (!query) {
    m_ctx.Msg.ShowMessageText(refusal);
    return;
  }
  m_magnetCycles = CompareMagnetCycles(m_magnetSummary, *query);
  ShowView(View::MagnetCycles);
  setWindowTitle(ImageNameForView(true));
}

void MapsWindow::SumMagnetosphere() {
  if (!MagnetogramsPresent()) {
    m_ctx.Msg.ShowMessageText(QCoreApplication::translate("Ardeno", kNoMagnetosphereData));
    return;
  }
  m_busyPanel->move((m_canvas->width() - m_busyPanel->width()) / 2, 40);
  m_busyPanel->show();
  m_busyPanel->repaint();
  try {
    m_magnetSummary = ReadMagnetSummary(m_ctx.ProgDir, LastRotation(m_ctx.Db));
  } catch (const AuxFileError& error) {
    // A summary that cannot be read is not overwritten.
    m_busyPanel->hide();
    m_ctx.Msg.ShowMessageText(QString::fromUtf8(error.what()));
    return;
  }
  const MagnetSummationReport report = SumMagnetograms(m_ctx.ProgDir, m_ctx.Today, m_magnetSummary);
  m_busyPanel->hide();
  for (const std::string& message : report.Messages)
    m_ctx.Msg.ShowMessageText(QString::fromStdString(message));
  if (const auto failure = WriteMagnetSummary(m_ctx.ProgDir, m_magnetSummary)) {
    m_ctx.Msg.ShowMessageText(QString::fromStdString(*failure));
    return;
  }
  m_magnetSummary.FileFound = true;
  m_magnetSummaryRead = true;
  // The comparison shown follows the new sums.
  if (m_magnetCycles) {
    m_magnetCycles = CompareMagnetCycles(m_magnetSummary, m_magnetCycles->Query);
    Invalidate();
  }
}

const MagnetosphereUnderlay& MapsWindow::MagnetosphereOf(int rotation) {
  auto found = m_magnetospheres.find(rotation);
  if (found == m_magnetospheres.end()) {
    found = m_magnetospheres.emplace(rotation, BuildMagnetosphereUnderlay(m_ctx.ProgDir, rotation))
                .first;
    TellUnreadDays(found->second.Messages);
  }
  return found->second;
}

void MapsWindow::TellUnreadDays(const std::vector<std::string>& messages) {
  if (messages.empty()) return;
  std::string text;
  for (const std::string& message : messages) text += (text.empty() ? "" : "\n") + message;
  // The underlay is built while a paint is prepared; a modal message waits until it is done.
  QTimer::singleShot(
      0, this, [this, shown = QString::fromStdString(text)] { m_ctx.Msg.ShowMessageText(shown); });
}

}  // namespace ardeno
