// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Rozpoznat" in the photo window: the picture shown read by itself (the disk, its north, every
// spot) and the groups proposed for the moment of the chosen drawing; a click or a drag on the
// picture corrects the reading (spots, groups; each step undone by "Vrátit opravu") before
// "Zapiš skupiny" stores the groups.
#include <QImage>
#include <QPoint>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "core/photo/photo_geometry.h"
#include "core/photo/spot_grouping.h"
#include "core/solar/ephemeris.h"

namespace ardeno {

struct RecognizedSpot {
  QPoint Pixel;  // on the picture shown
  DrawingSpot OnDrawing;
};

// What one reading of a picture found; made off the window's thread, touching nothing of it.
struct PictureReading {
  std::optional<QString> Failure;  // in the interface's language
  PhotoCalibration Disk;           // centre, radius and north found
  std::vector<DrawingSpot> Spots;
  std::vector<WrittenNumber> Numbers;  // the group numbers written beside the groups
};

class DrawingRecognition {
 public:
  // Reads `picture` for the moment of `eph`; may run on any thread, calling `progress` there
  // with the steps done (1..kSteps). `north` is the north the user marked (degrees clockwise
  // from the picture's up), taken instead of a drawn line; `solarAxisDrawn`: the line drawn
  // through the centre is the Sun's axis, P degrees from north.
  static constexpr int kSteps = 4;
  static PictureReading ReadPicture(const QImage& picture, const SolarEphemeris& eph,
                                    std::optional<double> north, bool solarAxisDrawn,
                                    const std::function<void(int)>& progress = {});
  // Takes a reading as the one corrected from now on, its spots grouped with the groups of the
  // observer's previous drawing (`expected`); a failed one leaves the reading before.
  std::optional<QString> Take(PictureReading reading, const SolarEphemeris& eph,
                              const std::vector<ExpectedGroup>& expected = {});
  // A click at `pixel`: takes away the spot under it, or adds a small spot there when it lies on
  // the disk. False for a click off the disk.
  bool Click(QPoint pixel);
  // The spot under `from` dragged to `to`: into the group of the spot there (with `wholeGroup`
  // its whole group joins that group), or out into a group of its own when dropped on the empty
  // disk. False when nothing changed (no spot at `from`, the same group, off the disk).
  bool Drag(QPoint from, QPoint to, bool wholeGroup);
  // Takes the last correction back.
  bool Undo() { return m_grouping.Undo(); }
  bool CanUndo() const { return m_grouping.CanUndo(); }

  bool HasReading() const { return m_disk.IsCalibrated(); }
  const PhotoCalibration& Disk() const { return m_disk; }  // centre, radius and north found
  // The spots as they stand after the corrections, where they lie on the picture.
  std::vector<RecognizedSpot> Spots() const;
  const std::vector<ProposedGroup>& Groups() const { return m_grouping.Groups(); }
  // The group of each spot, 1-based in the order of Groups().
  std::vector<int> GroupOfSpots() const { return m_grouping.GroupOfSpots(); }

 private:
  // Where `pixel` lies on the drawing, millimetres as DrawingSpot; nothing off the disk.
  std::optional<DrawingSpot> OnDisk(QPoint pixel) const;
  std::optional<std::size_t> SpotAt(QPoint pixel) const;

  PhotoCalibration m_disk;
  SpotGrouping m_grouping;
};

}  // namespace ardeno
