// The text tables of the results window paint each cell as its text alone: in the model's
// alignment (row labels left, numbers right), in the selection's colours on a selected row.
#include <QHeaderView>
#include <QImage>
#include <QTableView>
#include <QTest>

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

QTEST_MAIN(TextCellDelegateTest)
#include "text_cell_delegate_test.moc"
