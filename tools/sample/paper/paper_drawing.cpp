// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper/paper_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <opencv2/imgproc.hpp>
#include <string>

#include "core/solar/heliographic.h"
#include "core/text/dates.h"

namespace ardeno::paper {
namespace {

constexpr double kDeg = std::numbers::pi / 180;
constexpr int kPaper = 238;
constexpr int kShift = 4;  // sub-pixel bits of OpenCV's drawing
constexpr double kMostSpots = 30;

// The observer's hand for one drawing.
struct Hand {
  double Line = 0.35;  // mm, outlines, axis, text
  int Pencil = 90;     // grey of a line
  int Filled = 55;     // grey of a filled umbra
  double North = 0;    // the drawn north on the sheet, degrees clockwise from up
  cv::Point2d Centre;  // mm on the sheet
};

struct Plan {
  double X = 0, Y = 0;  // drawing mm
  double Outer = 0;     // mm, radius of the penumbra (or dot) across the limb direction
  double Squeeze = 1;   // foreshortening of its radial axis
  double Area = 0;      // hemisphere millionths wanted
  bool Penumbra = false;
  int Group = 0;
};

cv::Point ToPixel(const cv::Point2d& mm) {
  const double f = kPixelsPerMm * (1 << kShift);
  return {static_cast<int>(std::lround(mm.x * f)), static_cast<int>(std::lround(mm.y * f))};
}

// Drawing coordinates (north up) to the sheet (mm, y down).
cv::Point2d OnSheet(const Hand& hand, double x, double y) {
  const double a = hand.North * kDeg;
  // Turn (x, y) by the north direction: north (0, 1) goes to (sin a, -cos a) on the sheet.
  return {hand.Centre.x + x * std::cos(a) + y * std::sin(a),
          hand.Centre.y + x * std::sin(a) - y * std::cos(a)};
}

void PencilLine(cv::Mat& sheet, const cv::Point2d& a, const cv::Point2d& b, double width,
                int grey) {
  cv::line(sheet, ToPixel(a), ToPixel(b), cv::Scalar(grey),
           std::max(1, static_cast<int>(std::lround(width * kPixelsPerMm))), cv::LINE_AA, kShift);
}

void Ellipse(cv::Mat& sheet, const cv::Point2d& centre, double across, double radial,
             double sheetAngle, int grey, int thickness) {
  const double f = kPixelsPerMm * (1 << kShift);
  cv::ellipse(sheet, ToPixel(centre),
              cv::Size(static_cast<int>(std::lround(across * f)),
                       static_cast<int>(std::lround(radial * f))),
              sheetAngle, 0, 360, cv::Scalar(grey), thickness, cv::LINE_AA, kShift);
}

void Write(cv::Mat& sheet, const std::string& text, const cv::Point2d& at, double heightMm,
           const Hand& hand, bool script) {
  const int font = script ? cv::FONT_HERSHEY_SCRIPT_SIMPLEX : cv::FONT_HERSHEY_SIMPLEX;
  const double scale = heightMm * kPixelsPerMm / 22.0;
  cv::putText(
      sheet, text,
      cv::Point(static_cast<int>(at.x * kPixelsPerMm), static_cast<int>(at.y * kPixelsPerMm)),
      font | cv::FONT_ITALIC, scale, cv::Scalar(hand.Pencil),
      std::max(1, static_cast<int>(std::lround(hand.Line * kPixelsPerMm))), cv::LINE_AA);
}

void DrawCircle(cv::Mat& sheet, const Hand& hand, double width, SampleRandom& random) {
  // Drawn round a template in pieces: now and then a gap where the pencil lifted.
  const bool broken = random.Chance(0.35);
  double a = 0;
  while (a < 360) {
    const double piece = broken ? random.Uniform(20, 70) : 360;
    const double end = std::min(360.0, a + piece);
    for (double t = a; t < end; t += 1) {
      const double t2 = std::min(end, t + 1);
      PencilLine(
          sheet,
          OnSheet(hand, kDiskRadiusMm * std::sin(t * kDeg), kDiskRadiusMm * std::cos(t * kDeg)),
          OnSheet(hand, kDiskRadiusMm * std::sin(t2 * kDeg), kDiskRadiusMm * std::cos(t2 * kDeg)),
          width, hand.Pencil);
    }
    a = end + (broken ? random.Uniform(1, 5) : 0);
  }
}

void DrawAxis(cv::Mat& sheet, const Hand& hand, SampleRandom& random) {
  const double north = kDiskRadiusMm + random.Uniform(6, 12);
  const double south = kDiskRadiusMm + random.Uniform(6, 12);
  PencilLine(sheet, OnSheet(hand, 0, -south), OnSheet(hand, 0, north), hand.Line, hand.Pencil);
  const double mark = random.Uniform();
  if (mark < 0.75) {  // the letter, upright on the sheet, beyond the north end
    const cv::Point2d at = OnSheet(hand, 0, north + 9);
    Write(sheet, "N", {at.x - 2.5, at.y + 3}, 6, hand, false);
  }
  if (mark >= 0.65 && mark < 0.9) {  // an arrowhead
    for (double side : {-1.0, 1.0})
      PencilLine(sheet, OnSheet(hand, 0, north), OnSheet(hand, side * 2.5, north - 4), hand.Line,
                 hand.Pencil);
  }
  if (mark >= 0.9) {  // a tick across the north end
    PencilLine(sheet, OnSheet(hand, -4, north - 1), OnSheet(hand, 4, north - 1), hand.Line,
               hand.Pencil);
  }
}

// The heliographic grid every 10 degrees, as printed on drawing blanks for the moment: the
// orthographic view of the sphere tilted by B0, turned by P (the frame of PolarToHeliographic).
void DrawGrid(cv::Mat& sheet, const Hand& hand, const SolarEphemeris& eph) {
  const int grey = 165;
  const double b0 = eph.EphB0 * kDeg;
  const auto point = [&](double meridianWest, double latitude, cv::Point2d& out) {
    const double b = latitude * kDeg, m = meridianWest * kDeg;
    const double x = std::cos(b) * std::sin(m);
    const double y = std::sin(b) * std::cos(b0) - std::cos(b) * std::sin(b0) * std::cos(m);
    const double z = std::sin(b) * std::sin(b0) + std::cos(b) * std::cos(b0) * std::cos(m);
    if (z < 0) return false;
    const double theta = std::atan2(x, y) + eph.EphP * kDeg, d = kDiskRadiusMm * std::hypot(x, y);
    out = OnSheet(hand, d * std::sin(theta), d * std::cos(theta));
    return true;
  };
  for (int fixed = -80; fixed <= 80; fixed += 10)
    for (int pass = 0; pass < 2; ++pass) {
      cv::Point2d last, next;
      bool have = false;
      for (double t = -90; t <= 90; t += 2) {
        const bool visible = pass == 0 ? point(t, fixed, next) : point(fixed, t, next);
        if (visible && have) PencilLine(sheet, last, next, 0.2, grey);
        have = visible;
        last = next;
      }
    }
}

void DrawFaculae(cv::Mat& sheet, const Hand& hand, const ObservationRecord& record) {
  for (int k = 1; k <= record.FacularCount(); ++k) {
    std::vector<cv::Point2d> outline;
    for (int v = 1; v <= kFaculaVertices; ++v) {
      const int value = record.FaculaVertex(k, v);
      if (value == 0) continue;
      const double a = (value / 128) * kDeg, d = std::min(123, value % 128);
      outline.push_back(OnSheet(hand, d * std::sin(a), d * std::cos(a)));
    }
    for (std::size_t i = 0; outline.size() >= 3 && i < outline.size(); ++i)
      PencilLine(sheet, outline[i], outline[(i + 1) % outline.size()], 0.25, hand.Pencil + 30);
  }
}

// The extent in longitude of a group of the class, degrees.
double ClassExtent(char zurich, SampleRandom& random) {
  switch (zurich) {
    case 'A':
      return random.Uniform(0, 1.2);
    case 'H':
      return random.Uniform(0, 1.5);
    case 'B':
      return random.Uniform(2, 6);
    case 'C':
      return random.Uniform(3, 8);
    case 'D':
      return random.Uniform(5, 10);
    case 'E':
      return random.Uniform(10, 14);
    case 'F':
      return random.Uniform(15, 19);
    default:
      return random.Uniform(1, 4);
  }
}

void PlanGroup(const ObservationRecord& record, int k, const SolarEphemeris& eph, int group,
               SampleRandom& random, std::vector<Plan>& plans) {
  const HeliographicPosition centre =
      PolarToHeliographic(eph, record.Angle10(k), std::min<int>(record.Distance10(k), 1200));
  const std::string type = record.GroupType(k);
  const char zurich = type.empty() ? '*' : type[0];
  const int n = static_cast<int>(std::clamp<double>(record.SpotCount(k), 1, kMostSpots));
  int p = std::min<int>(record.PenumbralCount(k), n);
  if (p == 0 && (zurich == 'H' || (zurich >= 'C' && zurich <= 'F'))) p = 1;
  double extent = ClassExtent(zurich, random);
  extent = std::min(extent, (n - 1) * 3.5);
  const double rho = std::min(0.99, record.Distance10(k) / 1250.0);
  const double total = std::max(2.0, record.Area(k) / (2 * std::sqrt(1 - rho * rho)));
  const double tilt = random.Uniform(-0.25, 0.25);
  std::vector<double> along;
  for (int i = 0; i < n; ++i)
    along.push_back(n == 1 ? 0 : (i == 0 ? -0.5 : i == n - 1 ? 0.5 : random.Uniform(-0.5, 0.5)));
  std::sort(along.begin(), along.end());
  // The largest spots lead and follow; the rest lie between.
  std::vector<double> weight(static_cast<std::size_t>(n), 0.1);
  std::vector<bool> penumbra(static_cast<std::size_t>(n), false);
  for (int i = 0; i < p; ++i) {
    const int at = i == 0 ? 0 : i == 1 ? n - 1 : random.Int(1, std::max(1, n - 2));
    penumbra[static_cast<std::size_t>(at)] = true;
  }
  for (int i = 0; i < n; ++i)
    if (penumbra[static_cast<std::size_t>(i)])
      weight[static_cast<std::size_t>(i)] = random.Uniform(1, 3);
  double sum = 0;
  for (double w : weight) sum += w;
  for (int i = 0; i < n; ++i) {
    Plan plan;
    const double meridianWest =
        centre.CentralMeridianDistance - along[static_cast<std::size_t>(i)] * extent;
    const double latitude = centre.HelioLatitude +
                            along[static_cast<std::size_t>(i)] * extent * tilt +
                            std::clamp(random.Normal(0, 0.5), -1.2, 1.2);
    const double l = std::fmod(eph.EphL0 - meridianWest + 720, 360);
    const PolarPosition polar =
        HeliographicToPolar(eph, static_cast<float>(l), static_cast<float>(latitude),
                            static_cast<float>(kDiskRadiusMm));
    const double d = std::min(121.0, polar.PolarDistance);
    plan.X = d * std::sin(polar.PolarAngle * kDeg);
    plan.Y = d * std::cos(polar.PolarAngle * kDeg);
    const double r = d / kDiskRadiusMm;
    plan.Squeeze = std::max(0.45, std::sqrt(1 - r * r));
    plan.Area = total * weight[static_cast<std::size_t>(i)] / sum;
    plan.Penumbra = penumbra[static_cast<std::size_t>(i)];
    const double mm2 =
        plan.Area * 1e-6 * 2 * std::numbers::pi * kDiskRadiusMm * kDiskRadiusMm * plan.Squeeze;
    plan.Outer = plan.Penumbra ? std::max(1.8, std::sqrt(mm2 / (std::numbers::pi * plan.Squeeze)))
                               : std::clamp(std::sqrt(mm2 / std::numbers::pi), 0.6, 1.0);
    plan.Group = group;
    plans.push_back(plan);
  }
}

// Spots drawn apart: pushed until no two outlines touch.
void Separate(std::vector<Plan>& plans) {
  for (int round = 0; round < 40; ++round) {
    bool moved = false;
    for (std::size_t i = 0; i < plans.size(); ++i)
      for (std::size_t j = i + 1; j < plans.size(); ++j) {
        const double gap = plans[i].Outer + plans[j].Outer + 1.0;
        double dx = plans[j].X - plans[i].X, dy = plans[j].Y - plans[i].Y;
        double d = std::hypot(dx, dy);
        if (d >= gap) continue;
        if (d < 1e-6) {
          dx = 1;
          dy = 0;
        }
        const double push = (gap - d) / 2;
        const double ux = dx / std::hypot(dx, dy), uy = dy / std::hypot(dx, dy);
        plans[i].X -= ux * push;
        plans[i].Y -= uy * push;
        plans[j].X += ux * push;
        plans[j].Y += uy * push;
        moved = true;
      }
    for (Plan& plan : plans) {
      const double d = std::hypot(plan.X, plan.Y), most = 121.0 - plan.Outer;
      if (d > most) {
        plan.X *= most / d;
        plan.Y *= most / d;
      }
    }
    if (!moved) break;
  }
}

}  // namespace

PaperDrawing DrawOnPaper(const ObservationRecord& record, const SolarEphemeris& eph,
                         SampleRandom& random, const PaperStyle& style) {
  PaperDrawing drawing;
  drawing.Sheet =
      cv::Mat(static_cast<int>(kSheetHeightMm * kPixelsPerMm),
              static_cast<int>(kSheetWidthMm * kPixelsPerMm), CV_8U, cv::Scalar(kPaper));
  Hand hand;
  hand.Line = random.Uniform(0.25, 0.4);
  hand.Pencil = random.Int(70, 115);
  hand.Filled = random.Int(35, 65);
  hand.North = random.Uniform(-25, 25);
  hand.Centre = {kSheetWidthMm / 2 + random.Uniform(-5, 5), 180 + random.Uniform(-5, 5)};
  drawing.CentreMm = hand.Centre;
  drawing.NorthOnSheet = std::fmod(hand.North + 360, 360);

  if (random.Chance(style.GridChance)) DrawGrid(drawing.Sheet, hand, eph);
  const double circleWidth = random.Chance(0.3) ? random.Uniform(0.6, 1.0) : hand.Line;
  DrawCircle(drawing.Sheet, hand, circleWidth, random);
  drawing.AxisDrawn = style.Axis;
  if (style.Axis) {
    Hand axis = hand;
    if (style.SolarAxis) axis.North += eph.EphP;
    DrawAxis(drawing.Sheet, axis, random);
  }
  if (random.Chance(style.FaculaChance)) DrawFaculae(drawing.Sheet, hand, record);

  std::vector<Plan> plans;
  for (int k = 1; k <= record.GroupCount(); ++k) PlanGroup(record, k, eph, k - 1, random, plans);
  drawing.Groups = record.GroupCount();
  Separate(plans);
  for (const Plan& plan : plans) {
    const cv::Point2d at = OnSheet(hand, plan.X, plan.Y);
    // The radial direction on the sheet, for the foreshortened outline.
    const double radial = std::atan2(at.y - hand.Centre.y, at.x - hand.Centre.x) / kDeg;
    TruthSpot truth;
    truth.X = plan.X;
    truth.Y = plan.Y;
    truth.Group = plan.Group;
    truth.Penumbra = plan.Penumbra;
    if (plan.Penumbra) {
      const double across = plan.Outer, along = plan.Outer * plan.Squeeze;
      Ellipse(drawing.Sheet, at, std::max(across, 1.2), std::max(along, 1.2), radial + 90,
              hand.Pencil, std::max(1, static_cast<int>(std::lround(hand.Line * kPixelsPerMm))));
      const double umbra = std::max(0.65, 0.45 * plan.Outer);
      Ellipse(drawing.Sheet, at, umbra, std::max(0.65, umbra * plan.Squeeze), radial + 90,
              hand.Filled, cv::FILLED);
      truth.AreaMm2 = std::numbers::pi * std::max(across, 1.2) * std::max(along, 1.2);
    } else {
      const double along = std::max(0.6, plan.Outer * plan.Squeeze);
      Ellipse(drawing.Sheet, at, plan.Outer, along, radial + 90, hand.Filled, cv::FILLED);
      truth.AreaMm2 = std::numbers::pi * plan.Outer * along;
    }
    drawing.Spots.push_back(truth);
  }
  // Group numbers beside the groups, where they touch no spot.
  for (int g = 0; g < drawing.Groups; ++g) {
    double x = -1e9, y = -1e9;
    for (const Plan& plan : plans)
      if (plan.Group == g) {
        x = std::max(x, plan.X + plan.Outer);
        y = std::max(y, plan.Y + plan.Outer);
      }
    if (x < -1e8) continue;
    const cv::Point2d at = OnSheet(hand, x + 2.5, y + 2.5);
    bool clear = std::hypot(x + 4, y + 4) < 118;
    for (const Plan& plan : plans) {
      const cv::Point2d p = OnSheet(hand, plan.X, plan.Y);
      clear = clear && (std::fabs(p.x - at.x - 3) > plan.Outer + 5 ||
                        std::fabs(p.y - at.y + 2) > plan.Outer + 4);
    }
    const int number = record.RotationGroupNumber(g + 1) % 1000;
    if (clear) Write(drawing.Sheet, std::to_string(number), at, 3.5, hand, random.Chance(0.5));
  }
  // The heading in the sheet's corner.
  const std::string time = std::to_string(record.TimeUT() / 100) + ":" +
                           (record.TimeUT() % 100 < 10 ? "0" : "") +
                           std::to_string(record.TimeUT() % 100) + " UT";
  Write(drawing.Sheet, record.Date() + "  " + time, {10, 16}, 5, hand, false);
  return drawing;
}

}  // namespace ardeno::paper
