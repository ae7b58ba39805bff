// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Rozpoznat" in the photo window: the picture shown read by itself (the disk, its north, every
// spot) and the groups proposed for the moment of the chosen drawing; a click on the picture
// corrects the reading before "Zapiš skupiny" stores the groups.
#include <QImage>
#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

#include "core/photo/photo_geometry.h"
#include "core/photo/spot_groups.h"
#include "core/solar/ephemeris.h"

namespace ardeno {

struct RecognizedSpot {
  QPoint Pixel;  // on the picture shown
  DrawingSpot OnDrawing;
};

class DrawingRecognition {
 public:
  // Reads `picture` for the moment of `eph`. `north` is the north the user marked (degrees
  // clockwise from the picture's up), taken instead of a drawn axis. The message of a failure in
  // the interface's language; the reading before stays.
  std::optional<QString> Read(const QImage& picture, const SolarEphemeris& eph,
                              std::optional<double> north);
  // A click at `pixel`: takes away the spot under it, or adds a small spot there when it lies on
  // the disk; the groups are formed anew. False for a click off the disk.
  bool Click(QPoint pixel);

  bool HasReading() const { return m_disk.IsCalibrated(); }
  const PhotoCalibration& Disk() const { return m_disk; }  // centre, radius and north found
  const std::vector<RecognizedSpot>& Spots() const { return m_spots; }
  const std::vector<ProposedGroup>& Groups() const { return m_groups; }
  // The group of each spot, 1-based in the order of Groups().
  std::vector<int> GroupOfSpots() const;

 private:
  std::vector<DrawingSpot> SpotsOnDrawing() const;
  void FormGroups();

  SolarEphemeris m_eph{};
  PhotoCalibration m_disk;
  std::vector<RecognizedSpot> m_spots;
  std::vector<ProposedGroup> m_groups;
};

}  // namespace ardeno
