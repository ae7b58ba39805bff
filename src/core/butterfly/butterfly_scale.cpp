// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/butterfly/butterfly_scale.h"

namespace ardeno {

int ChooseStartRotation(int firstRotation, bool supplementaryShown, bool coronaShown) {
  if (coronaShown) return kCoronaStartRotation;
  if (supplementaryShown) return kSupplementaryStartRotation;
  return firstRotation / 100 * 100;
}

}  // namespace ardeno
