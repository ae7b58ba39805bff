// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/hint_timing.h"

namespace ardeno {

int HintTimingStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                               QStyleHintReturn* returnData) const {
  if (hint == QStyle::SH_ToolTip_WakeUpDelay) return kHintDelayMs;
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}

}  // namespace ardeno
