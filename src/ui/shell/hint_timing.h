// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hints appear quickly and stay briefly, so that moving the pointer along the toolbar reads its
// buttons one after another.
#include <QProxyStyle>

namespace ardeno {

inline constexpr int kHintDelayMs = 200;
inline constexpr int kHintDisplayMs = 5000;

// The application style with the hint delay above; install it once with QApplication::setStyle.
class HintTimingStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override;
};

}  // namespace ardeno
