// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Měření fakulí" (TForm11): a photograph or scan of a paper drawing, on which the user marks
// the disk centre and north (or the solar axis) and then clicks the outlines of facular fields
// or the positions of a group and its auxiliary spots; ending an entry writes them into the
// current record. Created per command and freed on close.
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <array>
#include <filesystem>
#include <optional>

#include "core/photo/photo_date.h"
#include "core/photo/photo_faculae.h"
#include "core/photo/photo_geometry.h"
#include "core/photo/photo_groups.h"
#include "ui/entry/area_window.h"
#include "ui/photo/drawing_recognition.h"
#include "ui/photo/magnifier_window.h"
#include "ui/shell/app_context.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QScrollBar;
class QSpinBox;
class QTableWidget;
class QThread;
class QToolButton;

namespace ardeno {

class MagnifierWindow;
class PhotoCanvas;

class PhotoDrawingWindow : public QWidget {
  Q_OBJECT
 public:
  explicit PhotoDrawingWindow(AppContext& context, QWidget* parent = nullptr);
  ~PhotoDrawingWindow() override;

  // Opens the window in the main frame's area (or on its own without one).
  static PhotoDrawingWindow* Open(AppContext& context, QWidget* mdiArea);

  // "Otevřít": asks for the picture and opens it. OpenPicture opens a given file; false (after
  // the message) when it cannot be read.
  void ChoosePicture();
  bool OpenPicture(const std::filesystem::path& file);

  // Which box is open: "Param- Fakule" or "Param skvrny".
  enum class Entry { None, Faculae, Groups };
  void ShowFaculaBox();
  void ShowGroupBox();
  Entry OpenEntry() const { return m_entry; }

  // Calibration buttons of the open box.
  void MarkCentre();
  void MarkNorth();
  void MarkAxis();
  const PhotoCalibration& Calibration() const { return m_calibration; }

  void ZoomIn();
  void ZoomOut();
  void MirrorPicture(bool horizontally);
  // "Nový  zákres": the record editor for a new drawing whose groups come from the picture.
  void NewDrawing();

  // Faculae: "Konec zadání fakulí". Groups: "Zapiš skupinu", the area measurement and
  // "Konec zadávání skvrn".
  void EndFaculae();
  void WriteGroup();
  void MeasureArea();
  void EndGroups();
  const PendingGroups& Pending() const { return m_pending; }

  // "Rozpoznat": reads the picture by itself for the moment of the chosen drawing and shows the
  // proposed groups, numbered, over it; a click then takes away or adds a spot. "Zapiš skupiny"
  // stores the proposed groups into the chosen drawing as one step. Both exist where the program
  // is built with the recognition.
#ifdef ARDENO_WITH_VISION
  // The reading runs off the window's thread: the window stays responsive, the steps done are
  // shown beside the buttons, and Rozpoznat waits until the reading ends.
  void Recognize();
  bool IsReading() const { return m_reading != nullptr; }
  void WriteProposedGroups();
  // "Vrátit opravu": the last correction of the reading (a spot clicked, a spot or group dragged)
  // taken back.
  void UndoCorrection();
#endif
  const DrawingRecognition& Recognition() const { return m_recognition; }
  const FacularOutlines& Outlines() const { return m_outlines; }

  PhotoCanvas* Canvas() const { return m_canvas; }
  MagnifierWindow* Magnifier() const { return m_magnifier; }
  AreaWindow* Area() const { return m_area; }
  // The picture as loaded (after the size rule) and as shown (brightness and contrast).
  const QImage& LoadedPicture() const { return m_loaded; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The photo of another day goes into the chosen drawing only when the observer says so.
  bool PhotoDayAgreed();
  struct CalibrationButtons {
    QPushButton* Centre = nullptr;
    QPushButton* North = nullptr;
    QPushButton* Axis = nullptr;
    QLabel* CentreLabel = nullptr;
    QLabel* ValueLabel = nullptr;
  };
  enum class Pick { None, Centre, North, Axis };

  QWidget* BuildToolbar();
  QGroupBox* BuildFaculaBox();
  QGroupBox* BuildGroupBox();
  QGroupBox* BuildOrientationBox();
  CalibrationButtons BuildCalibrationButtons(QWidget* box, const char* centre, const char* north,
                                             const char* axis, const char* centreLabel,
                                             const char* valueLabel);
  void ApplyBrightnessContrast();
  void ResetEntry();

  // Mouse on the picture, in picture pixels.
#ifdef ARDENO_WITH_VISION
  // A press at `from` released at `to`: a click (a spot taken away or added) or a drag (a spot
  // into another group or out of its own, with Shift its whole group).
  void CorrectRecognition(QPoint from, QPoint to);
  void ShowRecognition();
  // The groups of the observer's drawing before the chosen one, carried to the moment of `eph`.
  std::vector<ExpectedGroup> ExpectedGroups(const SolarEphemeris& eph) const;
#endif
  void PicturePressed(QPoint pixel, Qt::MouseButton button);
  void PictureReleased(QPoint pixel, Qt::MouseButton button);
  void PictureMoved(QPoint pixel);
  bool TakeCalibrationClick(QPoint pixel);
  void EndPick();
  void StartOutline(QPoint pixel);
  void AddOutlineVertex(QPoint pixel);
  void TakeGroupPoint(QPoint pixel);
  void ShowMagnifier(bool following);
  void UpdateMagnifier(QPoint pixel);
  void RebuildOverlay();
  void UpdateCalibrationLabels();
  // Names the drawing the entries will be written into (the current record).
  void ShowTargetRecord();

  // The group grid's row as the core reads it, and its point index (0 group, 1 and 2 the
  // auxiliary spots) of a grid column; nothing for a column of no point.
  GroupGridRow GridRow() const;
  static std::optional<int> PointOfColumn(int column);
  void SetGridText(int column, const QString& text);
  void SequenceChanged(int sequence);
  void PointChosen(int point);
  void AreaFinished();

  AppContext& m_ctx;
  QImage m_loaded;
  // The day the photo was taken (EXIF DateTimeOriginal), when it says.
  std::optional<CalendarDate> m_photoDate;
  QImage m_shown;
  PhotoCalibration m_calibration;
  QPoint m_northPixel;
  bool m_hasCentre = false;
  Pick m_pick = Pick::None;
  bool m_swallowRelease = false;
  Entry m_entry = Entry::None;
  FacularOutlines m_outlines;
  PendingGroups m_pending;
  // Pixels clicked for the group and its two auxiliary spots in the grid row, and those of the
  // groups already written, for drawing them over the picture.
  std::array<std::optional<QPoint>, 3> m_rowPixels{};
  std::map<int, std::array<std::optional<QPoint>, 3>> m_pendingPixels;
  DrawingRecognition m_recognition;
  QThread* m_reading = nullptr;
  QToolButton* m_recognize = nullptr;
  QCheckBox* m_solarAxisDrawn = nullptr;
  QToolButton* m_writeProposed = nullptr;
  QToolButton* m_undoCorrection = nullptr;
  // Where the press of a correction of the reading was, until its release.
  std::optional<QPoint> m_correctionFrom;
  int m_zoom;

  PhotoCanvas* m_canvas = nullptr;
  QScrollArea* m_scroll = nullptr;
  QScrollBar* m_brightness = nullptr;
  QScrollBar* m_contrast = nullptr;
  QLabel* m_angleLabel = nullptr;
  QLabel* m_distanceLabel = nullptr;
  QLabel* m_targetLabel = nullptr;
  QToolButton* m_showSelection = nullptr;
  QToolButton* m_magnifierButton = nullptr;
  QGroupBox* m_orientation = nullptr;

  QGroupBox* m_faculaBox = nullptr;
  CalibrationButtons m_faculaCalibration;
  QSpinBox* m_faculaNumber = nullptr;
  QTableWidget* m_vertexTable = nullptr;
  QLabel* m_vertexLabel = nullptr;
  QButtonGroup* m_lineWidth = nullptr;

  QGroupBox* m_groupBox = nullptr;
  CalibrationButtons m_groupCalibration;
  QSpinBox* m_groupSequence = nullptr;
  QButtonGroup* m_pointChoice = nullptr;
  QTableWidget* m_groupGrid = nullptr;
  QLabel* m_gridHint = nullptr;
  QPushButton* m_writeGroup = nullptr;
  QPushButton* m_measure = nullptr;

  QPointer<MagnifierWindow> m_magnifier;
  bool m_magnifierFollows = false;
  QPointer<AreaWindow> m_area;
};

}  // namespace ardeno
