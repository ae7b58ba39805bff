// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 60 McIntosh classes the program accepts, in their fixed order: the position 1..60 of a class
// is its CV value.
#include <array>
#include <string_view>

namespace ardeno {

inline constexpr std::array<std::string_view, 60> GroupTypes = {
    "Axx", "Bxo", "Bxi", "Hrx", "Cro", "Cri", "Hax", "Cao", "Cai", "Hsx", "Cso", "Csi",
    "Dro", "Ero", "Fro", "Dri", "Eri", "Fri", "Dao", "Eao", "Fao", "Dai", "Eai", "Fai",
    "Dso", "Eso", "Fso", "Dsi", "Esi", "Fsi", "Dac", "Eac", "Fac", "Dsc", "Esc", "Fsc",
    "Hkx", "Cko", "Cki", "Hhx", "Cho", "Chi", "Dko", "Eko", "Fko", "Dki", "Eki", "Fki",
    "Dho", "Eho", "Fho", "Dhi", "Ehi", "Fhi", "Dkc", "Ekc", "Fkc", "Dhc", "Ehc", "Fhc"};

// CV value of a class: its position 1..60 in GroupTypes, compared byte for byte (length
// included); 0 for a class not in the table (for example "***").
constexpr int GroupTypeCvValue(std::string_view groupType);

namespace group_type_lookup {

// A three-letter class as a cell of a table of 2^15: five bits of each letter. Classes that
// differ only in the case of a letter share a cell, so a found class is compared once more.
constexpr std::size_t Cell(std::string_view type) {
  return static_cast<std::size_t>((type[0] & 31) << 10 | (type[1] & 31) << 5 | (type[2] & 31));
}

// The CV value of each class at its cell: the statistics look up every group of the database.
inline constexpr auto kValueAtCell = [] {
  std::array<unsigned char, 1 << 15> table{};
  for (std::size_t i = 0; i < GroupTypes.size(); ++i)
    table[Cell(GroupTypes[i])] = static_cast<unsigned char>(i + 1);
  return table;
}();

}  // namespace group_type_lookup

constexpr int GroupTypeCvValue(std::string_view groupType) {
  if (groupType.size() != 3) return 0;
  const int value = group_type_lookup::kValueAtCell[group_type_lookup::Cell(groupType)];
  return value != 0 && GroupTypes[static_cast<std::size_t>(value - 1)] == groupType ? value : 0;
}

// No two classes share a cell.
static_assert([] {
  for (std::size_t i = 0; i < GroupTypes.size(); ++i)
    if (GroupTypeCvValue(GroupTypes[i]) != static_cast<int>(i) + 1) return false;
  return true;
}());

}  // namespace ardeno
