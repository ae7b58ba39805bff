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
constexpr int GroupTypeCvValue(std::string_view groupType) {
  for (std::size_t i = 0; i < GroupTypes.size(); ++i) {
    if (GroupTypes[i] == groupType) return static_cast<int>(i) + 1;
  }
  return 0;
}

}  // namespace ardeno
