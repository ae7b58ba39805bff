// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/photo/drawing_recognition.h"

#include <QBuffer>
#include <QCoreApplication>

#include "core/text/number_format.h"
#include "vision/drawing_reader.h"

namespace ardeno {

namespace {

static_assert(DrawingRecognition::kSteps == vision::kReadingSteps);

QString Text(const char* czech) { return QCoreApplication::translate("DrawingRecognition", czech); }

}  // namespace

PictureReading DrawingRecognition::ReadPicture(const QImage& picture, const SolarEphemeris& eph,
                                               std::optional<double> north, bool solarAxisDrawn,
                                               const std::function<void(int)>& progress) {
  PictureReading result;
  // The reading takes the picture as a file's bytes; an uncompressed bitmap of the picture shown
  // keeps its pixels, mirrored or not, where the window shows them.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (picture.isNull() ||
      !picture.convertToFormat(QImage::Format_Grayscale8).save(&buffer, "BMP")) {
    result.Failure =
        Text(QT_TRANSLATE_NOOP("DrawingRecognition", "Nejdřív otevřete obrázek zákresu."));
    return result;
  }
  const vision::LoadedImage image =
      vision::DecodeDrawingImage(std::vector<unsigned char>(bytes.begin(), bytes.end()));
  if (image.Problem != vision::ImageProblem::None) {
    result.Failure = Text(QT_TRANSLATE_NOOP("DrawingRecognition", "Obrázek nelze přečíst."));
    return result;
  }
  const vision::DrawingReading reading = vision::ReadDrawing(
      image, eph, north, progress,
      solarAxisDrawn ? vision::DrawnLine::SolarAxis : vision::DrawnLine::NorthSouth);
  if (reading.Outcome == vision::ReadingOutcome::NoDisk) {
    result.Failure =
        Text(QT_TRANSLATE_NOOP("DrawingRecognition", "Na obrázku se nenašel kruh zákresu."));
    return result;
  }
  if (reading.Outcome == vision::ReadingOutcome::NoNorth) {
    result.Failure = Text(QT_TRANSLATE_NOOP(
        "DrawingRecognition",
        "Na zákresu se nenašel sever: označte ho tlačítkem Sever (nebo osu tlačítkem Osa Slunce) "
        "a rozpoznejte znovu."));
    return result;
  }
  result.Disk.CentreX = static_cast<int>(Round(reading.CentreX));
  result.Disk.CentreY = static_cast<int>(Round(reading.CentreY));
  result.Disk.Radius = static_cast<int>(Round(reading.Radius));
  result.Disk.Rotation = reading.North;
  for (const vision::ReadSpot& spot : reading.Spots) result.Spots.push_back(spot.OnDrawing);
  result.Numbers = reading.Numbers;
  return result;
}

std::optional<QString> DrawingRecognition::Take(PictureReading reading, const SolarEphemeris& eph,
                                                const std::vector<ExpectedGroup>& expected) {
  if (reading.Failure) return reading.Failure;
  m_disk = reading.Disk;
  m_grouping = SpotGrouping(eph, std::move(reading.Spots), reading.Numbers, expected);
  return std::nullopt;
}

std::optional<DrawingSpot> DrawingRecognition::OnDisk(QPoint pixel) const {
  if (!HasReading()) return std::nullopt;
  const PhotoPoint at = PixelToDrawing(m_disk, pixel.x(), pixel.y());
  if (at.DistanceMm >= kPhotoStandardRadiusMm) return std::nullopt;
  const DrawingMm mm = DrawingMmOf(at);
  return AddedSpot(mm.X, mm.Y);
}

std::optional<std::size_t> DrawingRecognition::SpotAt(QPoint pixel) const {
  const std::optional<DrawingSpot> at = OnDisk(pixel);
  return at ? SpotWithinReach(m_grouping.Spots(), at->X, at->Y) : std::nullopt;
}

bool DrawingRecognition::Click(QPoint pixel) {
  const std::optional<DrawingSpot> at = OnDisk(pixel);
  if (!at) return false;
  if (const std::optional<std::size_t> near = SpotWithinReach(m_grouping.Spots(), at->X, at->Y))
    m_grouping.RemoveSpot(*near);
  else
    m_grouping.AddSpot(*at);
  return true;
}

bool DrawingRecognition::Drag(QPoint from, QPoint to, bool wholeGroup) {
  const std::optional<std::size_t> dragged = SpotAt(from);
  if (!dragged || !OnDisk(to)) return false;
  const std::optional<std::size_t> target = SpotAt(to);
  if (!target) return m_grouping.SeparateSpot(*dragged);
  return wholeGroup ? m_grouping.JoinGroups(*dragged, *target)
                    : m_grouping.MoveSpot(*dragged, *target);
}

std::vector<RecognizedSpot> DrawingRecognition::Spots() const {
  std::vector<RecognizedSpot> spots;
  for (const DrawingSpot& spot : m_grouping.Spots()) {
    const PicturePoint at = DrawingToPixel(m_disk, {spot.X, spot.Y});
    spots.push_back({QPoint(static_cast<int>(Round(at.X)), static_cast<int>(Round(at.Y))), spot});
  }
  return spots;
}

}  // namespace ardeno
