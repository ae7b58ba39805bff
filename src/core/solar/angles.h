// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pi and the degree-radian conversion, once for the whole program. Where a computation whose
// results are stored in records or drawn pixel for pixel was made with shorter digits, those
// digits are kept here under a name of their own: other digits would change stored values or the
// pictures observers compare with their older printouts.
#include <numbers>

namespace ardeno {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kDegToRad = kPi / 180;

// The ephemeris works with these digits: the L0, B0 and P stored in every record came from them.
inline constexpr double kEphemerisDegToRad = 0.017453292;
inline constexpr double kEphemerisRadToDeg = 57.2957795;
// Heliographic positions (and the digitized drawing's calibration) turn radians into degrees
// with these digits.
inline constexpr double kPositionRadToDeg = 57.295779;
// The facular area stored in records and the position angle of the group marks use these digits.
inline constexpr double kRecordDegToRad = 0.0174532;
// The disk grid is drawn with these digits; whether the central meridian is on the visible side
// is decided with the last one.
inline constexpr double kGridDegToRad = 0.0174533;
inline constexpr double kGridFullTurn = 6.283185;
inline constexpr double kGridVisibilityDegToRad = 0.0174524;

}  // namespace ardeno
