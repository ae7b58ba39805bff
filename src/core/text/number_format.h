// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rounding and number texts with the digit patterns the reports and windows use.
// "." is always the decimal separator; nothing depends on the process locale.
#include <cstdint>
#include <string>
#include <string_view>

namespace ardeno {

// Nearest integer, halves to even (0.5 -> 0, 1.5 -> 2, 2.5 -> 2).
std::int64_t Round(double x);
// Drops the fraction (towards zero).
std::int64_t Trunc(double x);
// Drops the fraction and keeps a real value.
double Int(double x);

// Formats with a digit pattern: "0" a required digit, "#" an optional digit, "." the decimal
// point, ";" separates the sections for positive, negative and zero values, text in quotes and
// every other character is copied. With a negative section the value is written without its sign
// (" 00;-00": 3.4 -> " 03", -3.4 -> "-03"). The decimal value is rounded half away from zero
// at the last pattern decimal. Examples: ("0.0", 2.25) -> "2.3", ("#0.00", 3) -> "3.00",
// ("###.#", 12.0) -> "12", ("000", 7) -> "007".
std::string FormatFloat(std::string_view pattern, double value);

// A real with a fixed count of decimals, right-aligned in a field of at least `width`
// characters (as in "width 6 and two decimals").
std::string FormatFixed(double value, int width, int decimals);

// An integer right-aligned in a field of at least `width` characters.
std::string FormatInt(std::int64_t value, int width = 0);

// The decimal digits of |value| rounded half away from zero to `decimals` places:
// integerDigits without leading zeros ("0" for a zero part), fractionDigits exactly `decimals`.
struct DecimalText {
  std::string IntegerDigits;
  std::string FractionDigits;
  bool IsZero = true;  // every digit is 0
};
DecimalText RoundDecimal(double value, int decimals);

}  // namespace ardeno
