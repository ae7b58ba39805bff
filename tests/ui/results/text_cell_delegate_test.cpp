// SPDX-License-Identifier: GPL-3.0-or-later
// The text tables of the results window paint each cell as its text alone: in the model's
// alignment (row labels left, numbers right), in the selection's colours on a selected row.
// Numbers drawn from their looked-up glyphs look exactly as when drawn the usual way.
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QTableView>
#include <QTest>

#include "ui/results/number_glyphs.h"

#include "ui/results/text_cell_delegate.h"
#include "ui/results/text_grid_model.h"

using namespace ardeno;

namespace {

constexpr int kColumnWidth = 120;

// Leftmost and rightmost column of the cell's pixels that differ from the background.
struct InkSpan {
  int Left = -1;
  int Right = -1;
};

InkSpan InkIn(const QImage& image, const QRect& cell, QRgb background) {
  InkSpan span;
  for (int x = cell.left() + 1; x < cell.right(); ++x)
    for (int y = cell.top() + 1; y < cell.bottom(); ++y) {
      if (image.pixel(x, y) == background) continue;
      if (span.Left < 0) span.Left = x;
      span.Right = x;
    }
  return span;
}

}  // namespace

class TextCellDelegateTest : public QObject {
  Q_OBJECT
 private slots:
  void LabelsLeftNumbersRightSelectionHighlighted();
  void NumbersDrawnFromGlyphsLookAsDrawnUsually_data();
  void NumbersDrawnFromGlyphsLookAsDrawnUsually();
  void TextsOtherThanNumbersAreLeftToTheUsualWay();
};

void TextCellDelegateTest::LabelsLeftNumbersRightSelectionHighlighted() {
  TextGridModel model(nullptr, true);
  model.SetRows({{"Měsíc", "R"}, {"leden", "12.5"}, {"únor", "7.0"}});
  QTableView table;
  table.setModel(&model);
  table.setItemDelegate(new TextCellDelegate(&table));
  table.setSelectionBehavior(QAbstractItemView::SelectRows);
  table.verticalHeader()->hide();
  table.horizontalHeader()->setDefaultSectionSize(kColumnWidth);
  table.resize(2 * kColumnWidth + 40, 160);
  table.selectRow(1);
  table.show();
  QVERIFY(QTest::qWaitForWindowExposed(&table));
  const QImage image = table.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);

  const QRect label = table.visualRect(model.index(0, 0));
  const QRect number = table.visualRect(model.index(0, 1));
  const QRgb base = table.palette().color(QPalette::Base).rgb();
  const InkSpan left = InkIn(image, label, base);
  const InkSpan right = InkIn(image, number, base);
  QVERIFY(left.Left >= 0 && right.Left >= 0);
  QVERIFY2(left.Left - label.left() < 10, "the row label starts at the cell's left edge");
  QVERIFY2(number.right() - right.Right < 10, "the number ends at the cell's right edge");
  QVERIFY2(right.Left - number.left() > kColumnWidth / 2, "the number is not left-aligned");

  const QRect selected = table.visualRect(model.index(1, 1));
  const QRgb highlight = table.palette().color(QPalette::Highlight).rgb();
  QCOMPARE(image.pixel(selected.left() + 2, selected.top() + 2), highlight);
  QVERIFY(InkIn(image, selected, highlight).Left >= 0);  // the text on the highlight
}

void TextCellDelegateTest::NumbersDrawnFromGlyphsLookAsDrawnUsually_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("flags");
  const int right = Qt::AlignRight | Qt::AlignVCenter;
  QTest::newRow("decimal right") << "12.5" << right;
  QTest::newRow("negative right") << "-0.33" << right;
  QTest::newRow("long right") << "1234567.89" << right;
  QTest::newRow("spaces and signs left")
      << " 03 +4 (5/6) 7%" << int(Qt::AlignLeft | Qt::AlignVCenter);
  QTest::newRow("centred") << "2014.05" << int(Qt::AlignCenter);
  QTest::newRow("top left") << "00:15" << int(Qt::AlignLeft | Qt::AlignTop);
}

void TextCellDelegateTest::NumbersDrawnFromGlyphsLookAsDrawnUsually() {
  QFETCH(QString, text);
  QFETCH(int, flags);
  const QRect cell(3, 2, 150, 24);
  const auto paint = [&](bool glyphs) {
    QImage image(160, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    QFont font;
    font.setPointSize(11);
    painter.setFont(font);
    NumberGlyphs numbers;
    if (glyphs) {
      if (!numbers.Draw(painter, font, cell, flags, text)) return QImage();
    } else {
      painter.drawText(cell, flags, text);
    }
    return image;
  };
  const QImage fast = paint(true);
  const QImage usual = paint(false);
  QVERIFY2(!fast.isNull(), "a number's characters all have glyphs");
  int differing = 0;
  for (int y = 0; y < fast.height(); ++y)
    for (int x = 0; x < fast.width(); ++x) differing += fast.pixel(x, y) != usual.pixel(x, y);
  QCOMPARE(differing, 0);
}

void TextCellDelegateTest::TextsOtherThanNumbersAreLeftToTheUsualWay() {
  QImage image(100, 30, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  NumberGlyphs numbers;
  for (const QString& text : {QStringLiteral("leden"), QStringLiteral("12.5 R"),
                              QStringLiteral("–5"), QStringLiteral("Měsíc")}) {
    QVERIFY2(!numbers.Draw(painter, painter.font(), QRectF(0, 0, 100, 30), Qt::AlignLeft, text),
             qPrintable(text));
  }
  painter.end();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) QCOMPARE(image.pixel(x, y), QColor(Qt::white).rgb());
}

QTEST_MAIN(TextCellDelegateTest)
#include "text_cell_delegate_test.moc"
