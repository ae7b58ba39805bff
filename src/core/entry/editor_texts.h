// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The record editor's own texts: captions, column titles, hints and messages, exactly as the
// program shows them (Czech, odd spacing and spelling included); shown through EditorText in the
// language of the interface.
#include <array>
#include <string>
#include <string_view>

#include "core/data/database_ops.h"  // kSpecialKind, the kind of a special record
#include "core/text/core_text.h"

namespace ardeno {

// A text of this file (or a column title) in the language of the interface.
std::string EditorText(std::string_view czech);

// Window captions by mode and by coordinate mode.
inline constexpr std::string_view kCaptionNewDrawing = CoreTextNoop("RecordEditor", "Nový zákres");
inline constexpr std::string_view kCaptionSpecial = CoreTextNoop("RecordEditor", "Zvláštní záznam");
inline constexpr std::string_view kCaptionCorrection = CoreTextNoop("RecordEditor", "Oprava dat");
inline constexpr std::string_view kCaptionPolar =
    CoreTextNoop("RecordEditor", "Zákresy Sluneční fotosféry    (Polární souřadnice)");
inline constexpr std::string_view kCaptionHeliographic =
    CoreTextNoop("RecordEditor", "Zákresy Sluneční fotosféry    (Heliografické souřadnice)");

// Group grid titles of columns 1..15 (index 0 is the row-number column).
inline constexpr std::array<std::string_view, 16> kGroupTitlesPolar = {
    "",
    CoreTextNoop("RecordEditor", "Typ"),
    CoreTextNoop("RecordEditor", "poč"),
    CoreTextNoop("RecordEditor", "s pen."),
    CoreTextNoop("RecordEditor", "úhel"),
    CoreTextNoop("RecordEditor", "vzd."),
    CoreTextNoop("RecordEditor", "plocha."),
    CoreTextNoop("RecordEditor", "mal.s."),
    CoreTextNoop("RecordEditor", "č.sk1"),
    CoreTextNoop("RecordEditor", "č.sk2"),
    CoreTextNoop("RecordEditor", "úhel1"),
    CoreTextNoop("RecordEditor", "vzd.1"),
    CoreTextNoop("RecordEditor", "plo.1"),
    CoreTextNoop("RecordEditor", "úhel2"),
    CoreTextNoop("RecordEditor", "vzd.2"),
    CoreTextNoop("RecordEditor", "plo.2")};
inline constexpr std::array<std::string_view, 16> kGroupTitlesHeliographic = {
    "",
    CoreTextNoop("RecordEditor", "Typ"),
    CoreTextNoop("RecordEditor", "poč"),
    CoreTextNoop("RecordEditor", "s pen."),
    "    l ",
    "   b ",
    CoreTextNoop("RecordEditor", "plocha."),
    CoreTextNoop("RecordEditor", "mal.s."),
    CoreTextNoop("RecordEditor", "č.sk1"),
    CoreTextNoop("RecordEditor", "č.sk2"),
    "    l 1",
    "  b 1",
    CoreTextNoop("RecordEditor", "plo.1"),
    "    l 2",
    "  b 2",
    CoreTextNoop("RecordEditor", "plo.2")};
// Titles of columns 4 and 5 while the polar grid takes l and b (the Helios switch).
inline constexpr std::string_view kTitleLongitudeEntry = "   l";
inline constexpr std::string_view kTitleLatitudeEntry = "   b";

// Title of facula column c (1..12): "  U" + k and "  V" + k of vertex k.
std::string FaculaColumnTitle(int column);

std::string GroupGridHint(bool heliographic);
inline constexpr std::string_view kFaculaGridHint = CoreTextNoop(
    "RecordEditor",
    "Zde se zadávají souřadnice  vrcholů\r jednotlivých fakulových polí. \r Na jedno pole max. 6 "
    "vrcholů");

// The Helios switch captions: what a click changes to.
inline constexpr std::string_view kHeliosToLongitudeLatitude =
    CoreTextNoop("RecordEditor", "Změna souřadnic na l b");
inline constexpr std::string_view kHeliosToAngleDistance =
    CoreTextNoop("RecordEditor", "Změna souřadnic na úhel vzdálenost ");

inline constexpr std::string_view kStoreButton = CoreTextNoop("RecordEditor", "Potvrdit  zadávání");
inline constexpr std::string_view kReturnButton = CoreTextNoop("RecordEditor", "Návrat");
inline constexpr std::string_view kRunCounterHint =
    CoreTextNoop("RecordEditor", "Počet vložených záznamů na jedno otevření programu");
inline constexpr std::string_view kAreaInMillionths =
    CoreTextNoop("RecordEditor", "Plocha se zadává v miliontinách ");

// Messages.
inline constexpr std::string_view kMsgBadGroupType =
    CoreTextNoop("RecordEditor", "Špatně zadaný typ skupiny");
inline constexpr std::string_view kMsgRunWarning = CoreTextNoop(
    "RecordEditor", "Již bylo uloženo 198 záktresů , pro jistotu zavři program a znona sputit ");
inline constexpr std::string_view kMsgBadDate =
    CoreTextNoop("RecordEditor", "Bylo špatně zadáno datum\rzáznam nebude zapsán");
inline constexpr std::string_view kMsgRecordExists =
    CoreTextNoop("RecordEditor", "Záznam již exisistuje !!! ");
inline constexpr std::string_view kMsgNoObserver =
    CoreTextNoop("RecordEditor", "Není zadáno jméno pozorovatele");
inline constexpr std::string_view kMsgMaxGroups =
    CoreTextNoop("RecordEditor", "Maximálni počet skupin je 40 !");
inline constexpr std::string_view kMsgNoDate =
    CoreTextNoop("RecordEditor", " Neni zadané datum !!!!");
inline constexpr std::string_view kMsgAngle =
    CoreTextNoop("RecordEditor", "Úhel je maximálně 360 stupňů ");
inline constexpr std::string_view kMsgRotationNumber =
    CoreTextNoop("RecordEditor", "Maximální číslo v otočce je 70");
inline constexpr std::string_view kMsgNoRecordChosen =
    CoreTextNoop("RecordEditor", "Oprava až po kliknutí na záznam ve výběru  ");
std::string GroupDistanceMessage(float drawingRadius);
std::string FaculaDistanceMessage(float drawingRadius);

}  // namespace ardeno
