// SPDX-License-Identifier: GPL-3.0-or-later
// The CV value of a McIntosh class: its position in the fixed list, byte for byte.
#include "core/data/group_types.h"

#include <gtest/gtest.h>

#include <string>

namespace ardeno {
namespace {

struct CvCase {
  const char* Name;
  std::string Type;
  int Value;
};

class GroupTypeCvValueTest : public ::testing::TestWithParam<CvCase> {};

TEST_P(GroupTypeCvValueTest, IsThePositionInTheListOrZero) {
  EXPECT_EQ(GroupTypeCvValue(GetParam().Type), GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, GroupTypeCvValueTest,
    ::testing::Values(CvCase{"First", "Axx", 1}, CvCase{"Last", "Fhc", 60},
                      CvCase{"Middle", "Dso", 25}, CvCase{"CapitalsDiffer", "DSO", 0},
                      CvCase{"SmallFirstLetter", "dso", 0}, CvCase{"Unknown", "***", 0},
                      CvCase{"UnknownThirdLetter", "Dsp", 0}, CvCase{"TooShort", "Ds", 0},
                      CvCase{"TooLong", "Dsoo", 0}, CvCase{"Empty", "", 0},
                      CvCase{"ZeroByte", std::string("Ds\0", 3), 0}),
    [](const ::testing::TestParamInfo<CvCase>& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace ardeno
