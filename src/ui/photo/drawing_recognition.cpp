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
// A click this near a spot's centre (millimetres of the standard drawing) takes the spot away.
constexpr double kClickReachMm = 1.5;
// A spot added by a click: a small umbra without a penumbra.
constexpr double kAddedSpotAreaMm2 = 0.3;

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
  for (auto spot = m_spots.begin(); spot != m_spots.end(); ++spot) {
    if (std::hypot(spot->OnDrawing.X - x, spot->OnDrawing.Y - y) <= kClickReachMm) {
      m_spots.erase(spot);
      FormGroups();
      return true;
    }
  }
  m_spots.push_back({pixel, {x, y, kAddedSpotAreaMm2, -1}});
  FormGroups();
  return true;
}

void DrawingRecognition::FormGroups() {
  std::vector<DrawingSpot> onDrawing;
  onDrawing.reserve(m_spots.size());
  for (const RecognizedSpot& spot : m_spots) onDrawing.push_back(spot.OnDrawing);
  m_groups = FormSpotGroups(m_eph, onDrawing);
}

std::vector<int> DrawingRecognition::GroupOfSpots() const {
  std::vector<int> group(m_spots.size(), 0);
  for (std::size_t g = 0; g < m_groups.size(); ++g)
    for (const int spot : m_groups[g].Spots)
      if (spot >= 0 && static_cast<std::size_t>(spot) < group.size())
        group[static_cast<std::size_t>(spot)] = static_cast<int>(g) + 1;
  return group;
}

}  // namespace ardeno
