// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/help_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <algorithm>
#include <string_view>

#include "ui/shell/interface_language.h"

namespace ardeno {

namespace {

constexpr int kListWidth = 230;
constexpr QSize kWindowSize(900, 650);
// What the window manager's frame and a panel of the desktop may take of the screen.
constexpr QSize kFrameAllowance(16, 64);

std::filesystem::path ProgramFolder() {
  return std::filesystem::path(QCoreApplication::applicationDirPath().toStdU16String());
}

}  // namespace

std::optional<std::filesystem::path> ProgramHelpFolder() {
  return FindHelpFolder(HelpFolders(ProgramFolder(), ARDENO_SOURCE_DIR));
}

QString MissingHelpPagesText() {
  return HelpWindow::tr(
      "Stránky nápovědy nebyly nalezeny. Hledají se ve složce help vedle programu, "
      "ve složce share/ardeno/help instalace a ve složce docs/help zdrojů programu.");
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("napovedaokno");
  setWindowTitle(tr("Nápověda"));
  m_pages = new QListWidget(this);
  m_pages->setObjectName("stranky");
  m_pages->setFixedWidth(kListWidth);
  m_folder = ProgramHelpFolder();
  // An English page is listed by its own title; a page without a translation by its Czech one.
  const bool english = ShownLanguage() == InterfaceLanguage::English;
  for (const HelpPage& page : HelpPages()) {
    const auto heading =
        m_folder && english ? HelpPageHeading(HelpPageFile(*m_folder, page, true)) : std::nullopt;
    m_pages->addItem(QString::fromStdString(heading.value_or(page.Title)));
  }
  m_browser = new QTextBrowser(this);
  m_browser->setObjectName("stranka");
  m_browser->setOpenLinks(true);
  auto* row = new QHBoxLayout(this);
  row->addWidget(m_pages);
  row->addWidget(m_browser, 1);
  // The window and its frame stay within the screen, down to 1024 x 768.
  QSize size = kWindowSize;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QSize room = screen->availableSize() - kFrameAllowance;
    size = size.boundedTo(room);
  }
  resize(size);

  if (m_folder) m_browser->setSearchPaths({QString::fromStdU16String(m_folder->u16string())});
  connect(m_pages, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && row < static_cast<int>(HelpPages().size()))
      ShowPage(HelpPages()[static_cast<std::size_t>(row)]);
  });
}

void HelpWindow::ShowPage(const HelpPage& page) {
  m_page = &page;
  m_current = QString::fromUtf8(page.File);
  const auto& pages = HelpPages();
  const int row = static_cast<int>(
      std::find_if(pages.begin(), pages.end(),
                   [&page](const HelpPage& p) { return std::string_view(p.File) == page.File; }) -
      pages.begin());
  if (row >= 0 && row < static_cast<int>(pages.size()) && m_pages->currentRow() != row) {
    const QSignalBlocker silent(m_pages);
    m_pages->setCurrentRow(row);
  }
  if (m_folder) {
    const bool english = ShownLanguage() == InterfaceLanguage::English;
    m_browser->setSource(QUrl::fromLocalFile(QString::fromStdU16String(
                             HelpPageFile(*m_folder, page, english).u16string())),
                         QTextDocument::MarkdownResource);
  } else {
    m_browser->setPlainText(MissingHelpPagesText());
  }
  show();
  raise();
  activateWindow();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
  // Escape reaches the window from the list and the page alike, which take no Escape themselves.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

const HelpPage& HelpWindow::PageOfWidget(const QWidget* focused) {
  for (const QWidget* w = focused; w != nullptr; w = w->parentWidget()) {
    const HelpPage& page = HelpPageFor(w->objectName().toStdString());
    if (w->objectName() == QString::fromUtf8(page.Window)) return page;
  }
  return HelpPages().front();
}

}  // namespace ardeno
