#pragma once
// The record editor's own texts: captions, column titles, hints and messages, exactly as the
// program shows them (Czech, odd spacing and spelling included).
#include <array>
#include <string>
#include <string_view>

#include "core/data/database_ops.h"  // kSpecialKind, the kind of a special record

namespace ardeno {

// Window captions by mode and by coordinate mode.
inline constexpr std::string_view kCaptionNewDrawing = "Nový zákres";
inline constexpr std::string_view kCaptionSpecial = "Zvlášťní záznam";
inline constexpr std::string_view kCaptionCorrection = "Oprava dat";
inline constexpr std::string_view kCaptionPolar =
    "Zákresy Sluneční fotosféry    (Polární souřadnice)";
inline constexpr std::string_view kCaptionHeliographic =
    "Zákresy Sluneční fotosféry    (Heliografické souřadnice)";

// Group grid titles of columns 1..15 (index 0 is the row-number column).
inline constexpr std::array<std::string_view, 16> kGroupTitlesPolar = {
    "",      "Typ",   "poč",   "s pen.", "úhel",  "vzd.",  "plocha.", "mal.s.",
    "č.sk1", "č.sk2", "úhel1", "vzd.1",  "plo.1", "úhel2", "vzd.2",   "plo.2"};
inline constexpr std::array<std::string_view, 16> kGroupTitlesHeliographic = {
    "",      "Typ",   "poč",     "s pen.", "    l ", "   b ",   "plocha.", "mal.s.",
    "č.sk1", "č.sk2", "    l 1", "  b 1",  "plo.1",  "    l 2", "  b 2",   "plo.2"};
// Titles of columns 4 and 5 while the polar grid takes l and b (the Helios switch).
inline constexpr std::string_view kTitleLongitudeEntry = "   l";
inline constexpr std::string_view kTitleLatitudeEntry = "   b";

// Title of facula column c (1..12): "  U" + k and "  V" + k of vertex k.
std::string FaculaColumnTitle(int column);

std::string GroupGridHint(bool heliographic);
inline constexpr std::string_view kFaculaGridHint =
    "Zde se zadávají souřednice  vrcholů\r jednotlivých fakulových polí. \r Na jedno pole max. 6 "
    "vrcholů";

// The Helios switch captions: what a click changes to.
inline constexpr std::string_view kHeliosToLongitudeLatitude = "Změna souřadnic na l b";
inline constexpr std::string_view kHeliosToAngleDistance = "Změna souřadnic na úhel vzdálenost ";

inline constexpr std::string_view kStoreButton = "Potvrdit  zadávání";
inline constexpr std::string_view kReturnButton = "Návrat";
inline constexpr std::string_view kRunCounterHint =
    "Počet vložených záznamů na jedno otevření programu";
inline constexpr std::string_view kAreaInMillionths = "Plocha se zadává v miliontinách ";

// Messages.
inline constexpr std::string_view kMsgBadGroupType = "Špatně zadaný typ skupiny";
inline constexpr std::string_view kMsgRunWarning =
    "Již bylo uloženo 198 záktresů , pro jistotu zavři program a znona sputit ";
inline constexpr std::string_view kMsgBadDate = "Bylo špatně zadáno datum\rzáznam nebude zapsán";
inline constexpr std::string_view kMsgRecordExists = "Záznam již exisistuje !!! ";
inline constexpr std::string_view kMsgNoObserver = "Není zadáno jméno pozorovatele";
inline constexpr std::string_view kMsgMaxGroups = "Maximálni počet skupin je 40 !";
inline constexpr std::string_view kMsgNoDate = " Neni zadané datum !!!!";
inline constexpr std::string_view kMsgAngle = "Úhel je maximálně 360 stupňů ";
inline constexpr std::string_view kMsgRotationNumber = "Maximální číslo v otočce je 70";
inline constexpr std::string_view kMsgNoRecordChosen =
    "Oprava až po kliknutí na záznam ve výběru  ";
std::string GroupDistanceMessage(float drawingRadius);
std::string FaculaDistanceMessage(float drawingRadius);

}  // namespace ardeno
