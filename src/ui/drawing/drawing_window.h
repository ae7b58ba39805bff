// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing window ("TForm2"): shows the work record as a drawing of the solar disk, reads out
// heliographic coordinates and angular distances under the mouse, and measures the facular
// area of the record it shows. Created at start-up and kept for the whole run.
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <filesystem>
#include <optional>
#include <vector>

#include "core/data/edit_history.h"
#include "core/drawing/drawing_image_names.h"
#include "core/drawing/facula_area.h"
#include "core/drawing/magneto_underlay.h"
#include "core/drawing/mouse_readout.h"
#include "ui/drawing/drawing_painter.h"
#include "ui/shell/app_context.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace ardeno {

class DrawingWindow : public QWidget {
  Q_OBJECT
 public:
  explicit DrawingWindow(AppContext& context, QWidget* parent = nullptr);

  // Makes record `index` (1-based) current and tells the windows, this one included.
  void ShowRecord(int index);
  // Caption and image name from the work record, then a repaint; done whenever another record
  // becomes current.
  void Refresh();
  // The "Orientace" box with the Z - V / S - J toggles.
  void ShowOrientation();

  // The drawing as the window would show it, into an image of the client's size; `forPicture`
  // gives the white disk used for printing and saved pictures.
  QImage RenderImage(bool forPicture);

  // Keeps the given window (the record list) just right of this one, and matches this window's
  // height to it (10 pixels shorter), so both fill the frame as placed at start-up.
  void KeepBeside(QWidget* window);
  // The frame's full height beside the list (nothing without one).
  void FitBesideCompanion();
  // Lets the program close the window at shutdown; until then close requests are refused.
  void AllowClose() { m_open = false; }
  bool IsKeptOpen() const { return m_open; }

  const DrawingView& View() const { return m_view; }
  int FaculaPixels() const { return m_faculaPixels; }
  QLabel* ReadoutLabel() const { return m_readout; }
  QPushButton* WestEastButton() const { return m_westEast; }
  QPushButton* NorthSouthButton() const { return m_northSouth; }

  // --- commands (keys of the window and the boxes the main window opens) ---
  // The box "ulozzakresy" for saving a range of drawings as BMP or JPG.
  void ShowSaveRangeBox(DrawingImageFormat format);
  // Saves drawings From..To of the box; the files written. One message and no further file
  // when the folder or a file cannot be written.
  std::vector<std::filesystem::path> SaveRange();
  // F8: after the confirmation, "Obrázek/Zakres yyyy-mm-dd.bmp" of the drawing shown.
  std::optional<std::filesystem::path> SaveCurrentDrawing();
  // F1 (and "P" with the facular areas): recomputes the stored results of every drawing.
  void RecomputeAll(bool withFacularAreas);
  // F12: facular fields of the drawings of the same date from another data file.
  void TakeFaculaeFromFile();
  // The merge box "slucovani" and its buttons.
  void ShowMergeBox();
  void ChooseMergeFile();
  void MergeChosenFile();
  // "k": one standard message per drawing that shares its date with a neighbour.
  void CheckEqualDates();
  // The print box "GroupBox2" (count 1); its "Tisk" takes the count and prints.
  void ShowPrintBox();
  // Prints the current drawing and as many after it as the print box last asked for.
  bool PrintDrawings();
  // "Zmenšit - zvětšit": compact 612 x 535 or the large size.
  void ToggleCompact();
  bool IsCompact() const { return m_compact; }
  // "Vzdálenost pomocné skvrny": the auxiliary-spot panel.
  void ShowAuxSpotPanel();
  // F9: the magnetosphere underlay of the drawing shown, from its day file in "Magneto".
  void ShowMagnetoUnderlay();
  // Key N: NOAA's regions of the report valid within a day, rotated to the drawing's moment, as
  // small crosses with their numbers; the folder of reports is asked for once and kept.
  void ToggleNoaaRegions();
  bool NoaaRegionsShown() const { return m_noaaOn; }
  const std::vector<RegionMark>& NoaaMarks() const { return m_noaaMarks; }
  bool UnderlayShown() const { return m_underlayOn; }

 signals:
  // "F": the photographed-drawing window is wanted.
  void PhotoWindowRequested();
  // The compact/large toggle changed the window's size; its caption for the main window.
  void CompactChanged(bool compact);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildOrientationBox();
  void BuildCommandBoxes();
  void PlaceBox(QWidget* box);
  // Renders record `index` as a picture (white disk) of the client's size; the work record
  // returns to what it was.
  QImage RenderRecord(int index);
  void PrepareUnderlay();
  void PrepareNoaaRegions();
  void AfterDataChange(EditKind kind);
  void ToggleWestEast();
  void ToggleNorthSouth();
  // Paints the work record (reloading it from the current record when it is empty) and stores
  // the measured facular area.
  // Measures the facular fields of the work record, paints it, and then keeps the measured area
  // in the current record (the area is measured on the drawing as shown, each time it is shown).
  void PaintWorkRecord(QPainter& painter, int width, int height);
  void StoreMeasuredFacularArea();
  void ShowReadout(const QPoint& at, const QString& text);
  void PlaceCompanion();

  AppContext& m_ctx;
  DrawingView m_view;
  FaculaBitmap m_faculaBitmap;
  int m_faculaPixels = 0;
  bool m_open = true;
  CentreOffset m_dragStart;
  QLabel* m_readout = nullptr;
  QGroupBox* m_orientation = nullptr;
  QPushButton* m_westEast = nullptr;
  QPushButton* m_northSouth = nullptr;
  QPointer<QWidget> m_companion;

  // Command boxes.
  QGroupBox* m_saveBox = nullptr;
  QSpinBox* m_saveFrom = nullptr;
  QSpinBox* m_saveTo = nullptr;
  QLineEdit* m_savePrefix = nullptr;
  QLabel* m_qualityLabel = nullptr;
  QLineEdit* m_quality = nullptr;
  DrawingImageFormat m_saveFormat = DrawingImageFormat::Bmp;
  QGroupBox* m_mergeBox = nullptr;
  QLabel* m_mergeName = nullptr;
  QPushButton* m_mergeButton = nullptr;
  std::vector<ObservationRecord> m_added;
  QGroupBox* m_printBox = nullptr;
  QLineEdit* m_printCount = nullptr;
  QCheckBox* m_multiPrint = nullptr;
  int m_printExtra = 0;  // drawings printed after the current one
  QWidget* m_auxPanel = nullptr;
  QTableWidget* m_auxGrid = nullptr;
  bool m_compact = false;
  QSize m_placedSize;   // the size, frame included, placed beside the list: the large size
  QSize m_toggledSize;  // the size the toggle gave; its scale is 16 per 800
  bool m_underlayOn = false;
  std::vector<UnderlayPixel> m_underlay;
  std::string m_underlayKey;  // date and time the underlay was prepared for
  bool m_noaaOn = false;
  std::vector<SourceDay> m_noaaReports;
  std::vector<RegionMark> m_noaaMarks;
  std::string m_noaaKey;  // date, time and mirroring the marks were placed for
};

}  // namespace ardeno
