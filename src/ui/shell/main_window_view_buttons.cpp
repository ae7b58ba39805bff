// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar buttons whose settings the main window keeps for the analysis windows.
#include <QToolButton>

#include "core/shell/view_rules.h"
#include "ui/shell/main_window.h"
#include "ui/shell/time_scrolled_window.h"
#include "ui/shell/toolbar_panels.h"
#include "ui/shell/view_settings_follower.h"

namespace ardeno {

void MainWindow::RefreshAttachedWindow() {
  QWidget* window = m_toolbar->AttachedWindow();
  if (window == nullptr) return;
  if (auto* follower = dynamic_cast<ViewSettingsFollower*>(window)) follower->ViewSettingsChanged();
  window->update();
}

void MainWindow::ChangeTimeFactor(bool wider) {
  ViewSettings& view = m_ctx.View;
  view.ButterflyTimeFactor = wider ? WiderTimeFactor(view.ButterflyTimeFactor)
                                   : NarrowerTimeFactor(view.ButterflyTimeFactor);
  // The butterfly window takes the new scroll range at once.
  if (auto* window = dynamic_cast<TimeScrolledWindow*>(m_toolbar->AttachedWindow())) {
    window->SetTimeScrollRange(ButterflyScrollRange(view.ButterflyTimeFactor));
  }
  RefreshAttachedWindow();
}

void MainWindow::ChangeHeightScale(bool higher) {
  ViewSettings& view = m_ctx.View;
  view.ButterflyHeightScale = higher ? HigherHeightScale(view.ButterflyHeightScale)
                                     : LowerHeightScale(view.ButterflyHeightScale);
  RefreshAttachedWindow();
}

void MainWindow::ToggleFaculaeWidth() {
  QToolButton* widthButton = m_toolbar->Button("sirfakule");
  // Only the views that draw faculae have a width to change.
  const bool faculaeShown =
      m_toolbar->Button("fakule")->isChecked() || m_toolbar->Button("skvrfak")->isChecked();
  if (!faculaeShown) {
    widthButton->setChecked(m_ctx.View.FaculaeWidthFlag == 1);
    return;
  }
  m_ctx.View.FaculaeWidthFlag = m_ctx.View.FaculaeWidthFlag == 1 ? 0 : 1;
  widthButton->setChecked(m_ctx.View.FaculaeWidthFlag == 1);
  RefreshAttachedWindow();
}

void MainWindow::ChangeCompression(bool more) {
  ViewSettings& view = m_ctx.View;
  if (more) {
    view.SmoothCompression = MoreCompression(view.SmoothCompression);
  } else {
    view.DaySpan = DaySpanOf(m_ctx.Db);
    view.SmoothCompression = LessCompression(view.SmoothCompression, view.DaySpan);
  }
  RefreshAttachedWindow();
}

void MainWindow::ToggleAreaMultiple() {
  QToolButton* button = m_toolbar->Button("SpeedButton6");
  m_areaMultipleTag = m_areaMultipleTag == 0 ? 1 : 0;
  m_ctx.View.AreaMultiple = m_areaMultipleTag == 1 ? 2 : 1;
  // The caption offers the other choice.
  button->setText(m_areaMultipleTag == 1 ? QStringLiteral("1x") : QStringLiteral("2x"));
  RefreshAttachedWindow();
}

void MainWindow::RequestInsertText() {
  QToolButton* button = m_toolbar->Button("vloztext");
  m_ctx.View.InsertTextRequest = 1;
  button->setChecked(true);
  button->setEnabled(false);
}

}  // namespace ardeno
