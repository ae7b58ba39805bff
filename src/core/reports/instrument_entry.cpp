// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/instrument_entry.h"

#include <charconv>
#include <optional>

#include "core/text/number_format.h"

namespace ardeno {

namespace {

// The leading number of a field such as "1350" or "80 mm"; nothing when there is none.
std::optional<double> LeadingNumber(std::string text) {
  const auto start = text.find_first_not_of(' ');
  if (start == std::string::npos) return std::nullopt;
  for (char& c : text) {
    if (c == ',') c = '.';
  }
  double value = 0;
  const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), value);
  if (error != std::errc{}) return std::nullopt;
  return value;
}

}  // namespace

InstrumentEntry InstrumentEntryOf(const Instrument& instrument) {
  return {instrument[5], instrument[1], instrument[2], instrument[3], instrument[4]};
}

Instrument ApplyInstrumentEntry(Instrument instrument, const InstrumentEntry& entry,
                                bool ownReportShown) {
  instrument[0] = entry.Station;
  if (!ownReportShown) instrument[5] = entry.Station;
  instrument[1] = entry.Name;
  instrument[2] = entry.Diameter;
  instrument[3] = entry.Eyepiece;
  instrument[4] = entry.FocalLength;
  return instrument;
}

Instrument ShownInstrument(Instrument instrument, const std::string& panelStation) {
  if (instrument[0].find_first_not_of(' ') == std::string::npos) instrument[0] = panelStation;
  return instrument;
}

std::string MagnificationText(const Instrument& instrument) {
  const auto focal = LeadingNumber(instrument[4]);
  const auto eyepiece = LeadingNumber(instrument[3]);
  if (!focal || !eyepiece || *focal <= 0 || *eyepiece <= 0) return "? x";
  return FormatFloat("0", *focal / *eyepiece) + " x";
}

std::string InstrumentLine(const Instrument& instrument) {
  return instrument[1] + "   /    " + instrument[2] + "   /    " + instrument[4] + "   /    " +
         MagnificationText(instrument);
}

}  // namespace ardeno
