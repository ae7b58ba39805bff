#pragma once
// The header fields of the record editor in their order on the window (the observer's combo box
// and the record kind come separately): object name, label, hint, and for a numeric field the
// largest value its record field holds. The window lays them out from this table and the store
// checks read the same labels.
#include <string>
#include <string_view>

#include "core/entry/record_input.h"

namespace ardeno {

struct HeaderFieldSpec {
  HeaderField Field;
  const char* Name;   // objectName of the edit
  const char* Label;  // label on the window
  const char* Hint;
  int Max;  // largest stored value; 0 for a text field
};

inline constexpr int kMaxStoredWord = 65535;
inline constexpr int kMaxStoredByte = 255;

inline constexpr HeaderFieldSpec kHeaderFieldSpecs[] = {
    {HeaderField::Date, "MaskEdit1", "Datum", "Datum zákresu", 0},
    {HeaderField::TimeUT, "Edit3", "Čas    UT",
     "Zadat čas ve formátu  bez dvojtečky   7:05  =  705", kMaxStoredWord},
    {HeaderField::Conditions, "Edit4", "PP", "Podmínky pozorování", kMaxStoredByte},
    {HeaderField::ImageQuality, "Edit5", "Obr.", "Kvalita obrazu", kMaxStoredByte},
    {HeaderField::QualityQ, "Edit6", "Q", "", kMaxStoredByte},
    {HeaderField::CentralGroups, "Edit7", "qc", "Počet skupin v centrální oblasti", kMaxStoredWord},
    {HeaderField::CentralSpots, "Edit8", "fc", "Počet skvrn v centrální oblasti", kMaxStoredWord},
    {HeaderField::CentralR, "Edit9", "rc", "Relativní číslo centrální oblasti", kMaxStoredWord},
    {HeaderField::FacularFields, "Edit10", "F", "Pčet falulových polí ", kMaxStoredWord},
    {HeaderField::GroupCount, "Edit11", "Počet skupin", "Pčet skupin na zákresu", kMaxGroups},
    {HeaderField::FacularCount, "Edit12", "Počet fakulí pro kreslení",
     "Počet fakulových polí pro jejich zakreslování", kMaxFaculae},
    {HeaderField::Station, "Edit13", "Stanice", "Místo pozorování", 0},
};

// The label as a message quotes it: the window's spacing runs collapsed ("Čas UT").
inline std::string MessageLabel(std::string_view label) {
  std::string text;
  for (char c : label) {
    if (c != ' ' || text.empty() || text.back() != ' ') text += c;
  }
  return text;
}

}  // namespace ardeno
