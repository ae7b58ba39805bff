// SPDX-License-Identifier: GPL-3.0-or-later
// The instrument panel's fields and the instrument line of the own report.
#include <gtest/gtest.h>

#include "core/reports/instrument_entry.h"

namespace ardeno {
namespace {

const Instrument kRefractor = {"Ondřejov", "Refraktor", "130", "25", "1950", "Hvězdárna Ondřejov"};

TEST(InstrumentEntry, FieldsComeFromTheFileAndGoBackIntoIt) {
  const InstrumentEntry entry = InstrumentEntryOf(kRefractor);
  EXPECT_EQ(entry.Station, "Hvězdárna Ondřejov");
  EXPECT_EQ(entry.FocalLength, "1950");
  const InstrumentEntry typed = {"Praha", "Coudé", "150", "20", "2250"};
  const Instrument own = ApplyInstrumentEntry(kRefractor, typed, true);
  EXPECT_EQ(own, (Instrument{"Praha", "Coudé", "150", "20", "2250", "Hvězdárna Ondřejov"}));
  EXPECT_EQ(ApplyInstrumentEntry(kRefractor, typed, false)[5], "Praha");
}

// The report pages head with the station line; when it is empty (no pristroj.dat, or a blank
// first line) they show the station of the panel, which the records fill.
TEST(InstrumentEntry, EmptyStationLineShowsThePanelsStation) {
  Instrument blank = kRefractor;
  blank[0] = "  ";
  EXPECT_EQ(ShownInstrument(blank, "Úpice")[0], "Úpice");
  EXPECT_EQ(ShownInstrument(blank, "Úpice")[5], "Hvězdárna Ondřejov");
  EXPECT_EQ(ShownInstrument(kRefractor, "Úpice"), kRefractor) << "a set station line stays";
}

TEST(InstrumentEntry, MagnificationWithoutDecimalsAndForUnusableFields) {
  EXPECT_EQ(InstrumentLine(kRefractor), "Refraktor   /    130   /    1950   /    78 x");
  Instrument instrument = kRefractor;
  instrument[3] = "0";
  EXPECT_EQ(MagnificationText(instrument), "? x");
  instrument[3] = "okulár";
  EXPECT_EQ(MagnificationText(instrument), "? x");
  instrument[3] = "18 mm";
  instrument[4] = "1350";
  EXPECT_EQ(MagnificationText(instrument), "75 x");
}

}  // namespace
}  // namespace ardeno
