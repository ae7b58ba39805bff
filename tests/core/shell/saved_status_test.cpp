// SPDX-License-Identifier: GPL-3.0-or-later
// The status text after a save, in its Czech plural forms.
#include <gtest/gtest.h>

#include "core/shell/saved_status.h"

namespace ardeno {
namespace {

struct PluralCase {
  const char* Name;
  int Count;
  const char* Text;
};

class SavedStatusTest : public ::testing::TestWithParam<PluralCase> {};

TEST_P(SavedStatusTest, SaysHowManyDrawingsWereSaved) {
  EXPECT_EQ(SavedRecordsText(GetParam().Count), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(Counts, SavedStatusTest,
                         ::testing::Values(PluralCase{"None", 0, "Uloženo: 0 zákresů"},
                                           PluralCase{"One", 1, "Uloženo: 1 zákres"},
                                           PluralCase{"Two", 2, "Uloženo: 2 zákresy"},
                                           PluralCase{"Four", 4, "Uloženo: 4 zákresy"},
                                           PluralCase{"Five", 5, "Uloženo: 5 zákresů"},
                                           PluralCase{"Many", 4054, "Uloženo: 4054 zákresů"}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace ardeno
