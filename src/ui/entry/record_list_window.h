// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The record list ("TForm4", "Výběr datumu"): one line per stored drawing, newest at the bottom,
// paging through the database with its scroll bar when there are more records than lines.
// Choosing a line makes that record current and shows it in the drawing window.
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include "ui/shell/app_context.h"

class QLineEdit;
class QListWidget;
class QScrollBar;

namespace ardeno {

class DrawingWindow;

class RecordListWindow : public QWidget {
  Q_OBJECT
 public:
  // windowHeight: the height the frame leaves for the list; it fixes ListLines for the whole run.
  RecordListWindow(AppContext& context, int windowHeight, QWidget* parent = nullptr);

  void SetDrawingWindow(DrawingWindow* drawing) { m_drawing = drawing; }

  // Lines minus one; with more records than this the list pages.
  int ListLines() const { return m_listLines; }
  int ItemHeight() const { return m_itemHeight; }
  bool IsPaged() const;

  // Clears the list and adds the lines of records 1..n, repairing an unreadable date.
  void FillList(int n);
  // Paged regime: the page ending at the scroll position, with the current record highlighted
  // when it is on it.
  void ShowPage();
  // Makes the selected line's record current and tells the windows (DataChange::CurrentRecord).
  void ChooseLine();
  // Highlights line (0-based) without choosing it; the caller chooses it or already has.
  void SelectLine(int line);
  int SelectedLine() const;
  // Shows and chooses record `index`, paging as needed (after a store, "Poslední zákres").
  void ShowRecord(int index);
  // "Poslední zákres": the last record of the database.
  void ShowLastRecord();
  // Ctrl+G: the date field below the list takes the keys, its text chosen for retyping.
  void StartDateJump();
  // Goes to the first record on or after the date typed in the field ("5.3.2014", "3.2014",
  // "2014"); a text that names no date, or a date after the last drawing, is said in a message.
  void JumpToTypedDate();
  QLineEdit* DateField() const { return m_dateField; }
  QListWidget* List() const { return m_list; }

 signals:
  // The Delete key in the list: the main window asks and removes the current drawing.
  void RemoveRequested();

 public:
  QScrollBar* ScrollBar() const { return m_scroll; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Refused while the drawing window is kept open, which is the whole run.
  void closeEvent(QCloseEvent* event) override;

 private:
  void OnScroll();
  void HighlightCurrentRecord();
  void AddLines(int from, int to);
  bool HandleKey(const QKeyEvent& event);

  AppContext& m_ctx;
  QListWidget* m_list = nullptr;
  QScrollBar* m_scroll = nullptr;
  QLineEdit* m_dateField = nullptr;
  int m_listLines = 0;
  int m_itemHeight = 16;
  QPointer<DrawingWindow> m_drawing;
};

}  // namespace ardeno
