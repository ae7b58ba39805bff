// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/quiet_days_view.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/results/quiet_calendar_painter.h"

namespace ardeno {

QuietCalendar::QuietCalendar(QWidget* parent) : QWidget(parent) {
  setObjectName("KalendarBezAktivity");
  setMinimumSize(480, 400);
}

void QuietCalendar::SetMarks(const QuietDayMarks& marks) {
  m_marks = marks;
  update();
}

void QuietCalendar::resizeEvent(QResizeEvent* event) {
  m_layout = LayOutCalendar(width(), height());
  QWidget::resizeEvent(event);
}

void QuietCalendar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintQuietCalendar(painter, width(), height(), m_layout, m_marks);
}

QuietDaysView::QuietDaysView(ResultsContext& ctx, QWidget* parent) : ResultsView(ctx, parent) {
  setObjectName("BezAktivity");
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QCoreApplication::translate("Ardeno", "Rok"), this));
  m_year = new QSpinBox(this);
  m_year->setObjectName("SpinEdit3");
  m_year->setRange(1600, 2999);
  // The calendar opens on the year of the last drawing.
  if (const int year = LastRecordYear(ctx.App.Db); year != 0) m_year->setValue(year);
  row->addWidget(m_year);
  row->addStretch();
  column->addLayout(row);
  m_calendar = new QuietCalendar(this);
  column->addWidget(m_calendar, 1);
  connect(m_year, &QSpinBox::valueChanged, this, [this] { ShowYear(); });
}

std::optional<QString> QuietDaysView::Open(int) {
  m_opened = true;
  CollectDays();
  return QCoreApplication::translate("Ardeno", "Výsledky    bez aktivity");
}

void QuietDaysView::RecordsChanged() {
  if (m_opened) CollectDays();
}

void QuietDaysView::CollectDays() {
  m_days = QuietDays(m_ctx.App.Db);
  ShowYear();
}

void QuietDaysView::ShowYear() { m_calendar->SetMarks(MarkQuietDays(m_days, m_year->value())); }

ResultsView* MakeQuietDaysView(ResultsContext& ctx, QWidget* parent) {
  return new QuietDaysView(ctx, parent);
}

}  // namespace ardeno
