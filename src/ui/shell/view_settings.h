// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The view settings that the toolbar panels change and the analysis windows read when they
// paint. One instance is owned by the shell for the whole run.
#include <QString>
#include <cstdint>

namespace ardeno {

struct ViewSettings {
  // 1 while a record is entered from the photographed-drawing window.
  std::uint8_t PhotoEntryFlag = 0;
  // 1 = drawings are saved as BMP, 0 = as JPG.
  std::uint8_t DrawingImageFormat = 1;
  // Butterfly diagram: pixels per rotation (1..16, powers of two), pixels per degree (1..9),
  // faculae drawn as bars (1) or lines (0).
  std::uint16_t ButterflyTimeFactor = 1;
  std::int32_t ButterflyHeightScale = 3;
  std::uint16_t FaculaeWidthFlag = 0;
  // Smoothed graphs: days per pixel compression (1 and up, powers of two) and the days between
  // the first and the last record.
  std::int32_t SmoothCompression = 1;
  std::int32_t DaySpan = 0;
  // 0 = ratio ("podílová"), 1 = difference ("rozdílová").
  std::uint16_t AsymmetryKind = 0;
  // 0 = smoothed graphs, 1 = asymmetry graphs.
  int SmoothedGraphMode = 0;
  // Maps: group discs drawn at 1x or 2x radius.
  std::uint16_t AreaMultiple = 1;
  // 1 = the user asked to insert a text before the map is printed.
  int InsertTextRequest = 0;
  // East-west positions: the group-type filter of ComboBox1 ("vše" or a class letter).
  QString EastWestFilter = QStringLiteral("vše");
  // Name (without folder and ".jpg") under which the next window image is saved.
  QString ImageName;
  // The finding of the data check chosen last: the drawing window rings group slot MarkedGroup
  // while record MarkedRecord is current; 0 for none.
  int MarkedRecord = 0;
  int MarkedGroup = 0;
  // "jen vlastní zákresy": the measured and smoothed tables and graphs leave the catalogue days
  // out. Kept from one run to the next.
  bool OwnDrawingsOnly = false;
};

}  // namespace ardeno
