// SPDX-License-Identifier: GPL-3.0-or-later
// Digitizing a photographed drawing end to end: a drawing rendered offscreen and saved as a JPG
// is read back, calibrated by its centre and north point, each group's circle is found in the
// picture, and the groups stored from those clicks match the drawn ones within one degree and
// one millimetre.
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "core/photo/photo_geometry.h"
#include "core/photo/photo_groups.h"
#include "core/text/number_format.h"
#include "support/database_builders.h"
#include "support/photographed_drawing.h"
#include "ui/drawing/drawing_painter.h"
#include "ui/shell/jpeg_file.h"
#include "ui/shell/picture_files.h"

using namespace ardeno;

namespace {

struct DrawnGroup {
  const char* Type;
  int Angle10;
  int Distance10;
  int Area;
};

}  // namespace

class PhotoDigitizingTest : public QObject {
  Q_OBJECT

 private slots:
  void groupsComeBackFromAPhotographedDrawing() {
    const DrawnGroup drawn[] = {
        {"Dkc", 450, 600, 400}, {"Cso", 2300, 900, 250}, {"Hsx", 3150, 300, 150}};
    ObservationRecord record = test::DatedRecord({2014, 5, 20});
    record.SetGroupCount(3);
    for (int k = 1; k <= 3; ++k) {
      record.SetGroupType(k, drawn[k - 1].Type);
      record.SetAngle10(k, static_cast<std::uint16_t>(drawn[k - 1].Angle10));
      record.SetDistance10(k, static_cast<std::uint16_t>(drawn[k - 1].Distance10));
      record.SetArea(k, static_cast<std::uint16_t>(drawn[k - 1].Area));
    }

    // The "photograph": the drawing as printed (white disk), 1600 pixels wide, kept as a JPG.
    QTemporaryDir dir;
    const auto file = PathFromText(dir.filePath("zakres.jpg"));
    test::PhotographedDrawing shot;
    QVERIFY(test::PhotographDrawing(record, file, shot));
    const auto read = ReadJpegFile(file);
    QVERIFY(std::holds_alternative<QImage>(read));
    const QImage photo = std::get<QImage>(read);
    QCOMPARE(photo.size(), QSize(1600, 1360));

    // Calibration: the disk centre and the north point on the limb, as the user clicks them.
    const PhotoCalibration calibration =
        CalibrateByNorth(shot.Centre, shot.Centre, shot.North.x(), shot.North.y());
    QVERIFY(calibration.IsCalibrated());

    PendingGroups pending;
    for (int k = 1; k <= 3; ++k) {
      // Where the drawing put the group (its circle's centre), found again in the photograph.
      const QPoint expected = test::DrawnPixel(shot, drawn[k - 1].Angle10, drawn[k - 1].Distance10);
      const QPointF found = test::GreyCentroid(photo, expected, 12);
      QVERIFY2(found.x() >= 0, drawn[k - 1].Type);
      const PhotoPoint point = PixelToDrawing(calibration, static_cast<int>(std::lround(found.x())),
                                              static_cast<int>(std::lround(found.y())));
      GroupGridRow row{};
      row[kColType] = drawn[k - 1].Type;
      row[kColRotationGroupNumber] = std::to_string(k);
      row[kColAngle] = FormatFloat("0.0", point.Angle);
      row[kColDistance] = FormatFloat("0.0", point.DistanceMm);
      const auto group = ReadPendingGroup(row);
      QVERIFY(std::holds_alternative<PendingGroup>(group));
      pending[10 * k] = std::get<PendingGroup>(group);
    }

    ObservationRecord target = test::DatedRecord({2014, 5, 20});
    QVERIFY(!StorePendingGroups(target, pending, 125));
    QCOMPARE(target.GroupCount(), 3);
    for (int k = 1; k <= 3; ++k) {
      QCOMPARE(QString::fromStdString(target.GroupType(k)), QString(drawn[k - 1].Type));
      int angleError = std::abs(target.Angle10(k) - drawn[k - 1].Angle10);
      angleError = std::min(angleError, 3600 - angleError);
      QVERIFY2(angleError <= 10,
               qPrintable(QString("group %1 angle %2").arg(k).arg(target.Angle10(k))));
      QVERIFY2(std::abs(target.Distance10(k) - drawn[k - 1].Distance10) <= 10,
               qPrintable(QString("group %1 distance %2").arg(k).arg(target.Distance10(k))));
    }
  }
};

QTEST_MAIN(PhotoDigitizingTest)
#include "photo_digitizing_test.moc"
