// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The header fields of the record editor in their order on the window (the observer's combo box
// and the record kind come separately): object name, label, hint, and for a numeric field the
// largest value its record field holds. The window lays them out from this table and the store
// checks read the same labels.
#include <string>
#include <string_view>

#include "core/entry/record_input.h"
#include "core/text/core_text.h"

namespace ardeno {

struct HeaderFieldSpec {
  HeaderField Field;
  const char* Name;   // objectName of the edit
  const char* Label;  // label on the window, Czech; shown through EditorText
  const char* Hint;   // Czech; shown through EditorText
  int Max;            // largest stored value; 0 for a text field
};

inline constexpr int kMaxStoredWord = 65535;
inline constexpr int kMaxStoredByte = 255;

inline constexpr HeaderFieldSpec kHeaderFieldSpecs[] = {
    {HeaderField::Date, "MaskEdit1", CoreTextNoop("RecordEditor", "Datum"),
     CoreTextNoop("RecordEditor", "Datum zákresu"), 0},
    {HeaderField::TimeUT, "Edit3", CoreTextNoop("RecordEditor", "Čas    UT"),
     CoreTextNoop("RecordEditor", "Zadat čas ve formátu  bez dvojtečky   7:05  =  705"),
     kMaxStoredWord},
    {HeaderField::Conditions, "Edit4", "PP", CoreTextNoop("RecordEditor", "Podmínky pozorování"),
     kMaxStoredByte},
    {HeaderField::ImageQuality, "Edit5", CoreTextNoop("RecordEditor", "Obr."),
     CoreTextNoop("RecordEditor", "Kvalita obrazu"), kMaxStoredByte},
    {HeaderField::QualityQ, "Edit6", "Q", "", kMaxStoredByte},
    {HeaderField::CentralGroups, "Edit7", "qc",
     CoreTextNoop("RecordEditor", "Počet skupin v centrální oblasti"), kMaxStoredWord},
    {HeaderField::CentralSpots, "Edit8", "fc",
     CoreTextNoop("RecordEditor", "Počet skvrn v centrální oblasti"), kMaxStoredWord},
    {HeaderField::CentralR, "Edit9", "rc",
     CoreTextNoop("RecordEditor", "Relativní číslo centrální oblasti"), kMaxStoredWord},
    {HeaderField::FacularFields, "Edit10", "F",
     CoreTextNoop("RecordEditor", "Počet fakulových polí"), kMaxStoredWord},
    {HeaderField::GroupCount, "Edit11", CoreTextNoop("RecordEditor", "Počet skupin"),
     CoreTextNoop("RecordEditor", "Pčet skupin na zákresu"), kMaxGroups},
    {HeaderField::FacularCount, "Edit12", CoreTextNoop("RecordEditor", "Počet fakulí pro kreslení"),
     CoreTextNoop("RecordEditor", "Počet fakulových polí pro jejich zakreslování"), kMaxFaculae},
    {HeaderField::Station, "Edit13", CoreTextNoop("RecordEditor", "Stanice"),
     CoreTextNoop("RecordEditor", "Místo pozorování"), 0},
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
