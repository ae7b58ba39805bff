// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The coordinate-tables window ("TForm10"): the printed ephemeris of four months of a year, to
// read on the screen, print, or save as a picture. It only reads the ephemeris.
#include <QWidget>

#include "core/solar/coordinate_table.h"
#include "ui/shell/app_context.h"

class QLineEdit;
class QMdiSubWindow;
class QPushButton;
class QScrollBar;

namespace ardeno {

class CoordinateTablesWindow : public QWidget {
  Q_OBJECT
 public:
  // year: the year shown first (the work record's year in the program).
  CoordinateTablesWindow(AppContext& context, int year, QWidget* parent = nullptr);

  // Opens the window in the frame's document area, as high as the frame allows; it closes
  // itself when another window of the area becomes active.
  static CoordinateTablesWindow* Open(AppContext& context, QWidget* mdiArea, int year);

  const CoordinateTable& Table() const { return m_table; }
  int Scale() const { return m_scale; }

  // Shows the four months starting after startMonth (0, 4 or 8) of the year in the year field.
  void ShowMonths(int startMonth);
  // Asks for the scale in sixteenths; text that is not a number 1..64 leaves it as it was.
  void AskScale();
  // Prints the table on a page through the printer set-up; false when cancelled.
  bool PrintTable();
  // Saves the table as "Obrázek/Souřadnice <year> <first> - <last>.bmp"; the file, or nothing.
  std::optional<std::filesystem::path> SaveTableImage();
  // Prints the window's picture (key "t"); refused with a message when the window is too low.
  bool PrintWindowPicture();

  // The table as the window shows it (scroll position included).
  void PaintTable(QPainter& painter) const;

 protected:
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  int TableYearFromField() const;

  AppContext& m_ctx;
  CoordinateTable m_table;
  int m_scale = 16;
  QString m_scaleText;
  QLineEdit* m_year = nullptr;
  QScrollBar* m_scroll = nullptr;
  QWidget* m_canvas = nullptr;
};

}  // namespace ardeno
