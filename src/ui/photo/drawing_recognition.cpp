// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/photo/drawing_recognition.h"

#include <QBuffer>
#include <QCoreApplication>
#include <cmath>

#include "core/text/number_format.h"
#include "vision/drawing_reader.h"

namespace ardeno {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kStandardRadiusMm = 125.0;

QString Text(const char* czech) { return QCoreApplication::translate("DrawingRecognition", czech); }

}  // namespace

std::optional<QString> DrawingRecognition::Read(const QImage& picture, const SolarEphemeris& eph,
                                                std::optional<double> north) {
  // The reading takes the picture as a file's bytes; an uncompressed bitmap of the picture shown
  // keeps its pixels, mirrored or not, where the window shows them.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (picture.isNull() || !picture.convertToFormat(QImage::Format_Grayscale8).save(&buffer, "BMP"))
    return Text(QT_TRANSLATE_NOOP("DrawingRecognition", "Nejdřív otevřete obrázek zákresu."));
  const vision::LoadedImage image =
      vision::DecodeDrawingImage(std::vector<unsigned char>(bytes.begin(), bytes.end()));
  if (image.Problem != vision::ImageProblem::None)
    return Text(QT_TRANSLATE_NOOP("DrawingRecognition", "Obrázek nelze přečíst."));
  const vision::DrawingReading reading = vision::ReadDrawing(image, eph, north);
  if (reading.Outcome == vision::ReadingOutcome::NoDisk)
    return Text(QT_TRANSLATE_NOOP("DrawingRecognition", "Na obrázku se nenašel kruh zákresu."));
  if (reading.Outcome == vision::ReadingOutcome::NoNorth)
    return Text(QT_TRANSLATE_NOOP(
        "DrawingRecognition",
        "Na zákresu se nenašel sever: označte ho tlačítkem Sever (nebo osu tlačítkem Osa Slunce) "
        "a rozpoznejte znovu."));
  m_eph = eph;
  m_disk.CentreX = static_cast<int>(Round(reading.CentreX));
  m_disk.CentreY = static_cast<int>(Round(reading.CentreY));
  m_disk.Radius = static_cast<int>(Round(reading.Radius));
  m_disk.Rotation = reading.North;
  m_spots.clear();
  for (const vision::ReadSpot& spot : reading.Spots)
    m_spots.push_back(
        {QPoint(static_cast<int>(Round(spot.PictureX)), static_cast<int>(Round(spot.PictureY))),
         spot.OnDrawing});
  m_groups = reading.Groups;
  return std::nullopt;
}

bool DrawingRecognition::Click(QPoint pixel) {
  if (!HasReading()) return false;
  const PhotoPoint at = PixelToDrawing(m_disk, pixel.x(), pixel.y());
  if (at.DistanceMm >= kStandardRadiusMm) return false;
  const double x = at.DistanceMm * std::sin(at.Angle * kPi / 180);
  const double y = at.DistanceMm * std::cos(at.Angle * kPi / 180);
  if (const std::optional<std::size_t> near = SpotWithinReach(SpotsOnDrawing(), x, y))
    m_spots.erase(m_spots.begin() + static_cast<std::ptrdiff_t>(*near));
  else
    m_spots.push_back({pixel, AddedSpot(x, y)});
  FormGroups();
  return true;
}

std::vector<DrawingSpot> DrawingRecognition::SpotsOnDrawing() const {
  std::vector<DrawingSpot> onDrawing;
  onDrawing.reserve(m_spots.size());
  for (const RecognizedSpot& spot : m_spots) onDrawing.push_back(spot.OnDrawing);
  return onDrawing;
}

void DrawingRecognition::FormGroups() { m_groups = FormSpotGroups(m_eph, SpotsOnDrawing()); }

std::vector<int> DrawingRecognition::GroupOfSpots() const {
  return GroupOfEachSpot(m_groups, m_spots.size());
}

}  // namespace ardeno
