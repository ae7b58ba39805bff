// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window ("Nápověda"): the list of pages at the left, the chosen page at the right,
// one page per window of the program. It stays open beside the program's windows; F1 brings it
// forward with the page of the window that has the focus, Escape closes it. It fits the screen.
#include <QString>
#include <QWidget>
#include <optional>

#include "core/shell/help_pages.h"

class QListWidget;
class QTextBrowser;

namespace ardeno {

// The folder of the help pages this program reads: beside it, installed, or in its source tree.
std::optional<std::filesystem::path> ProgramHelpFolder();

// Said where the help pages should be when none were found.
QString MissingHelpPagesText();

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows the page (and brings the window forward).
  void ShowPage(const HelpPage& page);
  // The file of the page shown ("seznam.md").
  QString CurrentPage() const { return m_current; }
  // The page shown (the first page before any was chosen).
  const HelpPage& Page() const { return *m_page; }
  QTextBrowser* Browser() const { return m_browser; }
  // Where the pages were found; nothing when no help folder was found.
  const std::optional<std::filesystem::path>& Folder() const { return m_folder; }

  // The page of the window that holds `focused` (its nearest ancestor with a page of its own).
  static const HelpPage& PageOfWidget(const QWidget* focused);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QListWidget* m_pages = nullptr;
  QTextBrowser* m_browser = nullptr;
  std::optional<std::filesystem::path> m_folder;
  QString m_current;
  const HelpPage* m_page = &HelpPages().front();
};

}  // namespace ardeno
