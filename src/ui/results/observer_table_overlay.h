// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The observer table drawn over the results window by the "q" key, whatever view is shown; any
// key or click puts the view back.
#include <QWidget>

#include "core/reports/observer_table.h"

namespace ardeno {

class ObserverTableOverlay : public QWidget {
  Q_OBJECT
 public:
  explicit ObserverTableOverlay(QWidget* parent);

  // Shows `table` over the area `geometry` of the parent.
  void ShowTable(ObserverTable table, const QRect& geometry);
  const ObserverTable& Table() const { return m_table; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  ObserverTable m_table;
};

}  // namespace ardeno
