// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calendar of days without activity: white page, month names over 12 columns, day numbers
// 1..31 down the side, grid lines, and a red cell for each day without activity.
#include "core/results/quiet_days.h"

class QPainter;

namespace ardeno {

void PaintQuietCalendar(QPainter& painter, int width, int height, const CalendarLayout& layout,
                        const QuietDayMarks& marks);

}  // namespace ardeno
