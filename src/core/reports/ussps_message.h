// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ISES USSPS ursigram of a drawing day, as the daily sunspot messages feeding the estimated
// international sunspot number are sent:
//   USSPS IIIII JJHHH aaabc
//   ddeee QXXYY fghii        (one line per group)
// IIIII station, JJ UT day, HHH UT in hours and tenths, aaa R, b seeing (1 very poor ..
// 5 exceptional), c disk size; per group dd serial number, eee corrected area in tens of
// millionths, Q quadrant (1 NE, 2 SE, 3 SW, 4 NW), XX central-meridian distance, YY latitude,
// f penumbra of the largest spot, g leading spot and density, h Zurich class, ii spots. A figure
// the drawing does not give is "/".
#include <string>
#include <string_view>
#include <vector>

#include "core/data/database.h"
#include "core/reports/report_days.h"

namespace ardeno {

// The disk size figure c of a drawing of the given radius: 1 below 15 cm diameter, 2 from 15 to
// 30 cm, 3 above 30 cm.
char UsspsDiskSize(float drawingRadiusMm);

// The code figures a group's McIntosh class gives: f from the penumbra of the largest spot
// (x r s a h k -> 0..5), g from the spot distribution (open, intermediate, compact -> 1, 4, 7:
// the record does not say which spot is largest, so "leading largest" is written; "/" for the
// unipolar classes A and H), h the Zurich class as the code book numbers it (A B C D E F H ->
// 1..7). "///" for a class the program does not know.
std::string UsspsClassFigures(std::string_view groupType);

// The message of record `index` (1..RecordCount), one text per line.
std::vector<std::string> UsspsMessage(const Database& db, int index, std::string_view station);

// The messages of every day of the month with a drawing (its first drawing), in day order, an
// empty line between two messages.
std::vector<std::string> UsspsMonthMessages(const Database& db, const ReportDays& days,
                                            std::string_view station);

}  // namespace ardeno
