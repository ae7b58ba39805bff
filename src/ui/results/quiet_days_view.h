// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Days without activity (mode 11): the calendar of the year chosen in "SpinEdit3", with every day
// whose drawing shows no relative number in either hemisphere marked red.
#include <vector>

#include "core/results/quiet_days.h"
#include "ui/results/results_view.h"

class QSpinBox;

namespace ardeno {

// The calendar itself; the marks and the layout are prepared outside paint.
class QuietCalendar : public QWidget {
  Q_OBJECT
 public:
  explicit QuietCalendar(QWidget* parent);
  void SetMarks(const QuietDayMarks& marks);
  const QuietDayMarks& Marks() const { return m_marks; }
  const CalendarLayout& Layout() const { return m_layout; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QuietDayMarks m_marks{};
  CalendarLayout m_layout;
};

class QuietDaysView : public ResultsView {
  Q_OBJECT
 public:
  QuietDaysView(ResultsContext& ctx, QWidget* parent);

  std::optional<QString> Open(int variant) override;
  void RecordsChanged() override;

  QSpinBox* YearField() const { return m_year; }
  QuietCalendar* Calendar() const { return m_calendar; }
  const std::vector<CalendarDate>& Days() const { return m_days; }

 private:
  void CollectDays();
  void ShowYear();

  QSpinBox* m_year = nullptr;
  QuietCalendar* m_calendar = nullptr;
  std::vector<CalendarDate> m_days;
  bool m_opened = false;
};

ResultsView* MakeQuietDaysView(ResultsContext& ctx, QWidget* parent);

}  // namespace ardeno
