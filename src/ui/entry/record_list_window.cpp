// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/entry/record_list_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusTipEvent>
#include <algorithm>
#include <set>
#include <string_view>

#include "core/entry/date_jump.h"
#include "core/entry/record_list_pages.h"
#include "ui/drawing/drawing_painter.h"
#include "ui/drawing/drawing_window.h"

namespace ardeno {
namespace {

constexpr int kListWidth = 177;
constexpr int kListChrome = 45;
constexpr int kScrollLargeChange = 20;
// The widest line the list must show whole: record number, date and an observer's name; a
// longer name of the data widens the list up to kWidestList.
const char* const kWidestLine = "99999     31 12 2099  Hájek Zdeněk";
const char* const kLineBeforeName = "99999     31 12 2099  ";
constexpr int kWidestList = 330;

// The width of the widest line of the data (each observer once) in the list's font.
int WidestLineOf(const Database& db, const QFontMetrics& metrics) {
  int widest = metrics.horizontalAdvance(QString::fromUtf8(kWidestLine));
  const int before = metrics.horizontalAdvance(QString::fromUtf8(kLineBeforeName));
  std::set<std::string_view> seen;
  for (int i = 1; i <= db.RecordCount; ++i) {
    const std::string_view name = db.Record(i).ObserverBytes();
    if (!seen.insert(name).second) continue;
    widest = std::max(widest, before + metrics.horizontalAdvance(
                                           QString::fromStdString(db.Record(i).Observer())));
  }
  return widest;
}
constexpr int kDateFieldGap = 4;
// Room the list box's items keep beside their text.
constexpr int kLineMargins = 12;

}  // namespace

RecordListWindow::RecordListWindow(AppContext& context, int windowHeight, QWidget* parent)
    : QWidget(parent), m_ctx(context) {
  setObjectName("TForm4");
  setWindowTitle(QCoreApplication::translate("Ardeno", "Výběr datumu"));
  m_list = new QListWidget(this);
  m_list->setObjectName("ListBox1");
  m_list->setFont(DrawingFont(false, 12));
  m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_list->setUniformItemSizes(true);
  m_list->installEventFilter(this);
  m_scroll = new QScrollBar(Qt::Vertical, this);
  m_scroll->setObjectName("ScrollBar1");
  m_scroll->setPageStep(kScrollLargeChange);

  const int listWidth = std::max(
      m_ctx.Scaled(kListWidth),
      std::min(m_ctx.Scaled(kWidestList), WidestLineOf(m_ctx.Db, QFontMetrics(m_list->font())) +
                                              2 * m_list->frameWidth() + kLineMargins));
  const int scrollWidth = m_scroll->sizeHint().width();
  m_itemHeight = QFontMetrics(m_list->font()).height() + 2;
  m_listLines = std::max(0, ListLinesFor(windowHeight - kListChrome, m_itemHeight));
  const int listHeight = m_itemHeight * (m_listLines + 1) + 10;
  resize(listWidth + scrollWidth + 9, windowHeight);
  m_list->setGeometry(0, 0, listWidth, listHeight);
  m_scroll->setGeometry(width() - scrollWidth, 0, scrollWidth, windowHeight);
  // The field for going to a date, in the room below the list's last line.
  m_dateField = new QLineEdit(this);
  m_dateField->setObjectName("skokdatum");
  m_dateField->setPlaceholderText(tr("Jít na datum (Ctrl+G)"));
  m_dateField->setToolTip(
      tr("Den, měsíc nebo rok (5.3.2014, 3.2014, 2014) a Enter: první zákres od toho dne"));
  const int fieldTop = listHeight + kDateFieldGap;
  m_dateField->setGeometry(0, fieldTop, listWidth,
                           std::min(m_dateField->sizeHint().height(),
                                    std::max(0, windowHeight - fieldTop - kDateFieldGap)));
  connect(m_dateField, &QLineEdit::returnPressed, this, &RecordListWindow::JumpToTypedDate);

  const Database& db = m_ctx.Db;
  m_scroll->setMinimum(m_listLines + 1);
  if (IsPaged()) {
    m_scroll->setEnabled(true);
    m_scroll->setMaximum(db.RecordCount);
    m_scroll->setValue(db.RecordCount);
    ShowPage();
  } else {
    m_scroll->setMaximum(m_listLines + 1);
    FillList(db.RecordCount);
    SelectLine(m_ctx.Db.RecordCount - 1);
    m_scroll->setEnabled(false);
  }
  connect(m_scroll, &QScrollBar::valueChanged, this, &RecordListWindow::OnScroll);
  connect(m_list, &QListWidget::itemClicked, this, [this] { ChooseLine(); });
  // Whatever moves the highlight (a drag, a key the list handles itself) chooses that record:
  // the highlight and the current record are always the same. Moves made by code are silent.
  connect(m_list, &QListWidget::currentRowChanged, this, [this] { ChooseLine(); });
}

bool RecordListWindow::IsPaged() const {
  return ardeno::IsPaged(m_ctx.Db.RecordCount, m_listLines);
}

void RecordListWindow::AddLines(int from, int to) {
  const int before = m_ctx.Db.RecordCount;
  const ListFill fill = ListRecords(m_ctx.Db, from, to);
  for (const std::string& line : fill.Lines) {
    auto* item = new QListWidgetItem(QString::fromStdString(line), m_list);
    item->setSizeHint(QSize(m_list->width(), m_itemHeight));
  }
  if (fill.Repaired) {
    // The repair is no step of its own; the history takes the repaired records as they are.
    m_ctx.History.Absorb(m_ctx.Db);
    m_ctx.Msg.ShowMessageText(QString::fromStdString(CoreText("RecordList", kDateRepairMessage)));
  }
  if (fill.Error) m_ctx.Msg.ShowMessageText(QString::fromStdString(*fill.Error));
  if (m_ctx.Db.RecordCount != before && m_scroll->maximum() > m_ctx.Db.RecordCount)
    m_scroll->setMaximum(std::max(m_listLines + 1, m_ctx.Db.RecordCount));
}

void RecordListWindow::FillList(int n) {
  m_list->clear();
  AddLines(1, n);
}

void RecordListWindow::ShowPage() {
  if (!IsPaged()) return;
  m_list->clear();
  const int position = m_scroll->value();
  AddLines(PageFirstRecord(position, m_listLines), position);
  HighlightCurrentRecord();
}

void RecordListWindow::HighlightCurrentRecord() {
  const int first = IsPaged() ? PageFirstRecord(m_scroll->value(), m_listLines) : 1;
  const int line = m_ctx.Db.CurrentIndex - first;
  if (line >= 0 && line < m_list->count()) {
    SelectLine(line);
    return;
  }
  // Scrolled away from the current record: no other record looks chosen.
  const QSignalBlocker silent(m_list);
  m_list->setCurrentRow(-1);
}

void RecordListWindow::OnScroll() {
  if (IsPaged()) {
    ShowPage();
    return;
  }
  FillList(m_ctx.Db.RecordCount);
  HighlightCurrentRecord();
}

void RecordListWindow::SelectLine(int line) {
  if (line < 0 || line >= m_list->count()) return;
  const QSignalBlocker silent(m_list);
  m_list->setCurrentRow(line);
}

int RecordListWindow::SelectedLine() const { return m_list->currentRow(); }

void RecordListWindow::ChooseLine() {
  const int line = SelectedLine();
  if (line < 0) return;
  Database& db = m_ctx.Db;
  const int index = RecordOfLine(line, IsPaged(), m_scroll->value(), m_listLines);
  if (index < 1 || index > db.RecordCount) return;
  db.ChooseRecord(index);
  m_ctx.View.ImageName = QString::fromStdString(DrawingImageName(db.WorkRecord));
  m_ctx.Events.NotifyRecordChosen();
}

void RecordListWindow::ShowRecord(int index) {
  const Database& db = m_ctx.Db;
  if (index < 1 || index > db.RecordCount) return;
  if (!IsPaged()) {
    m_scroll->setEnabled(false);
    FillList(db.RecordCount);
    SelectLine(index - 1);
  } else {
    m_scroll->setEnabled(true);
    m_scroll->blockSignals(true);
    m_scroll->setMaximum(db.RecordCount);
    m_scroll->setValue(ClampScrollPosition(index, db.RecordCount, m_listLines));
    m_scroll->blockSignals(false);
    ShowPage();
    SelectLine(index - PageFirstRecord(m_scroll->value(), m_listLines));
  }
  ChooseLine();
}

void RecordListWindow::ShowLastRecord() { ShowRecord(m_ctx.Db.RecordCount); }

void RecordListWindow::StartDateJump() {
  m_dateField->setFocus(Qt::ShortcutFocusReason);
  m_dateField->selectAll();
}

void RecordListWindow::JumpToTypedDate() {
  const DateJump jump = FindDateJump(m_ctx.Db, m_dateField->text().toStdString());
  if (jump.Index == 0) {
    m_ctx.Msg.ShowMessageText(QString::fromStdString(jump.Message));
    StartDateJump();
    return;
  }
  ShowRecord(jump.Index);
  // A period without drawings is named on the main window's status bar, where hints go.
  QStatusTipEvent note(QString::fromStdString(jump.Note));
  QCoreApplication::sendEvent(this, &note);
  // Back in the list, the arrows go on from the record found.
  m_list->setFocus(Qt::OtherFocusReason);
}

bool RecordListWindow::HandleKey(const QKeyEvent& event) {
  const int key = event.key();
  const Database& db = m_ctx.Db;
  // A page scrolled away from the current record shows no highlight; the keys then start from
  // its last line.
  int line = SelectedLine();
  if (line < 0) line = m_list->count() - 1;
  if (line < 0) return true;
  const int current = db.CurrentIndex;
  switch (key) {
    case Qt::Key_Down:
      if (line >= m_listLines && IsPaged()) {
        // The last line of a page: the page moves on by one record.
        const int next = RecordOfLine(line, true, m_scroll->value(), m_listLines) + 1;
        if (next <= db.RecordCount) {
          ShowRecord(next);
          return true;
        }
      } else if (line + 1 < m_list->count()) {
        ++line;
      }
      SelectLine(line);
      ChooseLine();
      return true;
    case Qt::Key_Up:
      if (line == 0) {
        // One page back; the current record stays, highlighted when it is on the new page.
        if (IsPaged()) m_scroll->setValue(m_scroll->value() - m_listLines);
        return true;
      }
      SelectLine(line - 1);
      ChooseLine();
      return true;
    case Qt::Key_Home:
      ShowRecord(1);
      return true;
    case Qt::Key_End:
      ShowRecord(db.RecordCount);
      return true;
    case Qt::Key_PageDown:
      ShowRecord(std::min(current + m_listLines, db.RecordCount));
      return true;
    case Qt::Key_PageUp:
      ShowRecord(std::max(current - m_listLines, 1));
      return true;
    // The underlay and the saved picture belong to the drawing shown; the list passes them on.
    case Qt::Key_F9:
      if (m_drawing) m_drawing->ShowMagnetoUnderlay();
      return true;
    case Qt::Key_F8:
      if (m_drawing) m_drawing->SaveCurrentDrawing();
      return true;
    case Qt::Key_Delete:
      emit RemoveRequested();
      return true;
    default:
      // A digit typed in the list starts a date to go to.
      if ((event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && key >= Qt::Key_0 &&
          key <= Qt::Key_9) {
        m_dateField->setFocus(Qt::OtherFocusReason);
        m_dateField->setText(event.text());
        return true;
      }
      return false;
  }
}

bool RecordListWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_list && event->type() == QEvent::KeyPress)
    return HandleKey(*static_cast<QKeyEvent*>(event));
  return QWidget::eventFilter(watched, event);
}

void RecordListWindow::closeEvent(QCloseEvent* event) {
  if (m_drawing && m_drawing->IsKeptOpen())
    event->ignore();
  else
    event->accept();
}

}  // namespace ardeno
