// Digitizing a photographed drawing end to end: a drawing rendered offscreen and saved as a JPG
// is read back, calibrated by its centre and north point, each group's circle is found in the
// picture, and the groups stored from those clicks match the drawn ones within one degree and
// one millimetre.
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "core/drawing/facula_area.h"
#include "core/photo/photo_geometry.h"
#include "core/photo/photo_groups.h"
#include "core/text/number_format.h"
#include "support/database_builders.h"
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

// Centroid of the grey circle pixels within `radius` of the expected place.
QPointF GreyCentroid(const QImage& image, QPoint near, int radius) {
  double sx = 0, sy = 0;
  int n = 0;
  for (int y = near.y() - radius; y <= near.y() + radius; ++y)
    for (int x = near.x() - radius; x <= near.x() + radius; ++x) {
      if (!image.rect().contains(x, y)) continue;
      const QColor c = image.pixelColor(x, y);
      // The circle's grey (125) survives JPG compression within a few levels.
      if (std::abs(c.red() - 125) < 25 && std::abs(c.green() - 125) < 25 &&
          std::abs(c.blue() - 125) < 25) {
        sx += x;
        sy += y;
        ++n;
      }
    }
  return n == 0 ? QPointF(-1, -1) : QPointF(sx / n, sy / n);
}

}  // namespace

class PhotoDigitizingTest : public QObject {
  Q_OBJECT

 private slots:
  void groupsComeBackFromAPhotographedDrawing() {
    const DrawnGroup drawn[] = {{"Dkc", 450, 600, 400}, {"Cso", 2300, 900, 250},
                                {"Hsx", 3150, 300, 150}};
    ObservationRecord record = test::DatedRecord({2014, 5, 20});
    record.SetGroupCount(3);
    for (int k = 1; k <= 3; ++k) {
      record.SetGroupType(k, drawn[k - 1].Type);
      record.SetAngle10(k, static_cast<std::uint16_t>(drawn[k - 1].Angle10));
      record.SetDistance10(k, static_cast<std::uint16_t>(drawn[k - 1].Distance10));
      record.SetArea(k, static_cast<std::uint16_t>(drawn[k - 1].Area));
    }

    // The "photograph": the drawing as printed (white disk), 1600 pixels wide, kept as a JPG.
    DrawingView view;
    view.ForPicture = true;
    view.Scale.DrawScale = DrawScaleForWidth(1600);
    QImage picture(1600, 1360, QImage::Format_RGB32);
    {
      QPainter painter(&picture);
      FaculaBitmap bitmap;
      PaintDrawing(painter, picture.width(), picture.height(), &record, view, bitmap);
    }
    QTemporaryDir dir;
    const auto file = PathFromText(dir.filePath("zakres.jpg"));
    QVERIFY(!WriteJpegFile(picture, file, 85));
    const QImage photo(PathText(file));
    QVERIFY(!photo.isNull());

    // Calibration: the disk centre and the north point on the limb, as the user clicks them.
    const int centre = view.Scale.S(kDiskCentreRef);
    const PhotoCalibration calibration =
        CalibrateByNorth(centre, centre, centre, view.Scale.S(kDiskLeftRef));
    QVERIFY(calibration.IsCalibrated());

    PendingGroups pending;
    for (int k = 1; k <= 3; ++k) {
      // Where the drawing put the group (its circle's centre), found again in the photograph.
      const double a = drawn[k - 1].Angle10 / 10.0 * 3.141592653589793 / 180;
      const double r = drawn[k - 1].Distance10 / 10.0 * 2 * view.Scale.DrawScale / 16.0;
      const QPoint expected(centre + static_cast<int>(std::lround(std::sin(a) * r)),
                            centre - static_cast<int>(std::lround(std::cos(a) * r)));
      const QPointF found = GreyCentroid(photo, expected, 12);
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
      QVERIFY2(angleError <= 10, qPrintable(QString("group %1 angle %2").arg(k).arg(target.Angle10(k))));
      QVERIFY2(std::abs(target.Distance10(k) - drawn[k - 1].Distance10) <= 10,
               qPrintable(QString("group %1 distance %2").arg(k).arg(target.Distance10(k))));
    }
  }
};

QTEST_MAIN(PhotoDigitizingTest)
#include "photo_digitizing_test.moc"
