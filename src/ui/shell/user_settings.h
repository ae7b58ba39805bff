// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The choices kept from one run to the next in the user's settings (Ardeno/Ardeno.conf under
// the user's configuration folder): the language and whether the tables and graphs take the
// station's own drawings only.
class QSettings;

namespace ardeno {

// By value: callers include <QSettings>.
QSettings UserSettings();

// "jen vlastní zákresy": off until the user switches it on.
bool KeptOwnDrawingsOnly();
void KeepOwnDrawingsOnly(bool ownOnly);

}  // namespace ardeno
