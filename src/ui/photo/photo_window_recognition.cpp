// SPDX-License-Identifier: GPL-3.0-or-later
// "Rozpoznat", the corrections of the reading and "Zapiš skupiny" of the photo window: the
// drawing read by itself, its spots and groups corrected by clicks and drags (each undone by
// "Vrátit opravu"), and the groups stored as one step of the record's history.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QThread>
#include <QToolButton>
#include <memory>

#include "core/photo/expected_groups.h"
#include "core/photo/proposed_groups.h"
#include "core/solar/ephemeris.h"
#include "ui/photo/photo_canvas.h"
#include "ui/photo/photo_drawing_window.h"

namespace ardeno {

#ifdef ARDENO_WITH_VISION
namespace {
// A press and its release further apart than this (picture pixels) is a drag.
constexpr int kDragPixels = 6;
}  // namespace

void PhotoDrawingWindow::Recognize() {
  if (m_reading != nullptr) return;
  const Database& db = m_ctx.Db;
  const std::optional<SolarEphemeris> eph =
      db.HasCurrentRecord() ? RecordEphemeris(db.Record(db.CurrentIndex)) : std::nullopt;
  if (!eph) {
    m_ctx.Msg.ShowMessageText(QString::fromStdString(CoreText("PhotoEntry", kRecordFirstMessage)));
    return;
  }
  // The north marked by hand, when it was, is taken before a drawn line.
  const std::optional<double> north =
      m_calibration.IsCalibrated() ? std::optional(m_calibration.Rotation) : std::nullopt;
  const QImage picture = m_loaded;
  const bool solarAxis = m_solarAxisDrawn->isChecked();
  auto result = std::make_shared<PictureReading>();
  // Steps reach the window through its event queue, dropped once the window is gone.
  auto progress = [this](int step) {
    QMetaObject::invokeMethod(
        this,
        [this, step] {
          m_targetLabel->setText(
              tr("Rozpoznávání: krok %1 ze %2").arg(step).arg(DrawingRecognition::kSteps));
        },
        Qt::QueuedConnection);
  };
  m_reading = QThread::create([=, eph = *eph] {
    *result = DrawingRecognition::ReadPicture(picture, eph, north, solarAxis, progress);
  });
  m_recognize->setEnabled(false);
  m_targetLabel->setText(tr("Rozpoznávání: krok %1 ze %2").arg(0).arg(DrawingRecognition::kSteps));
  connect(m_reading, &QThread::finished, this, [this, result, picture, eph = *eph] {
    m_reading->deleteLater();
    m_reading = nullptr;
    m_recognize->setEnabled(true);
    // A picture opened or mirrored meanwhile: the reading's pixels are not where it shows.
    if (picture.cacheKey() != m_loaded.cacheKey()) {
      ShowTargetRecord();
      return;
    }
    if (const std::optional<QString> failure =
            m_recognition.Take(std::move(*result), eph, ExpectedGroups(eph))) {
      ShowTargetRecord();
      m_ctx.Msg.ShowMessageText(*failure);
      return;
    }
    ShowRecognition();
  });
  m_reading->start();
}

std::vector<ExpectedGroup> PhotoDrawingWindow::ExpectedGroups(const SolarEphemeris& eph) const {
  const Database& db = m_ctx.Db;
  if (!db.HasCurrentRecord()) return {};
  const ObservationRecord& current = db.Record(db.CurrentIndex);
  const std::optional<CalendarDate> date = ParseDate(current.Date());
  if (!date) return {};
  return ExpectedGroupsBefore(
      std::span(db.Records.data(), static_cast<std::size_t>(db.RecordCount)), *date,
      current.TimeUT(), eph);
}

void PhotoDrawingWindow::CorrectRecognition(QPoint from, QPoint to) {
  // A press and release within a few pixels is a click; further apart, a drag.
  const bool drag = (to - from).manhattanLength() > kDragPixels;
  const bool changed =
      drag ? m_recognition.Drag(from, to, m_canvas->ReleaseModifiers() & Qt::ShiftModifier)
           : m_recognition.Click(to);
  if (changed) ShowRecognition();
}

void PhotoDrawingWindow::UndoCorrection() {
  if (m_recognition.Undo()) ShowRecognition();
}

void PhotoDrawingWindow::ShowRecognition() {
  m_writeProposed->setEnabled(!m_recognition.Groups().empty());
  m_undoCorrection->setEnabled(m_recognition.CanUndo());
  RebuildOverlay();
  m_targetLabel->setText(tr("Navrženo skupin: %1, skvrn: %2")
                             .arg(m_recognition.Groups().size())
                             .arg(m_recognition.GroupOfSpots().size()));
}

void PhotoDrawingWindow::WriteProposedGroups() {
  Database& db = m_ctx.Db;
  if (!db.HasCurrentRecord()) {
    m_ctx.Msg.ShowMessageText(QString::fromStdString(CoreText("PhotoEntry", kRecordFirstMessage)));
    return;
  }
  if (m_recognition.Groups().empty()) {
    m_ctx.Msg.ShowMessageText(tr("Rozpoznání nenavrhlo žádnou skupinu."));
    return;
  }
  if (!PhotoDayAgreed()) return;
  ObservationRecord record = db.Record(db.CurrentIndex);
  if (const Refusal refusal =
          StorePendingGroups(record, PendingFromProposed(m_recognition.Groups(), db.DrawingRadius),
                             db.DrawingRadius)) {
    m_ctx.Msg.ShowMessageText(QString::fromStdString(*refusal));
    return;
  }
  db.Record(db.CurrentIndex) = record;
  db.WorkRecord = record;
  db.DataChanged = true;
  m_ctx.RecordsEdited(EditKind::PhotoGroups, record.Date());
  m_ctx.Msg.ShowMessageText(
      tr("Zapsáno skupin: %1. Navržené typy skupin potvrďte nebo opravte v editoru (Oprava dat).")
          .arg(record.GroupCount()));
}
#endif

}  // namespace ardeno
