// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The magnifier ("TForm13"): the 40 x 40 picture pixels around the pointer of the photographed
// drawing enlarged to 400 x 400, with an aiming cross while a point is being marked.
#include <QImage>
#include <QWidget>

namespace ardeno {

class MagnifierWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kSide = 420;
  explicit MagnifierWindow(QWidget* parent);

  // The enlarged region; `withCross` while the centre or north is being marked.
  void ShowRegion(const QImage& region, bool withCross);
  const QImage& Region() const { return m_region; }
  bool CrossShown() const { return m_cross; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage m_region;
  bool m_cross = true;
};

}  // namespace ardeno
