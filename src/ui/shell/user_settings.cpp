// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/user_settings.h"

#include <QSettings>

namespace ardeno {

namespace {

constexpr const char* kOwnDrawingsKey = "results/ownDrawingsOnly";

}  // namespace

QSettings UserSettings() { return QSettings(QStringLiteral("Ardeno"), QStringLiteral("Ardeno")); }

bool KeptOwnDrawingsOnly() { return UserSettings().value(kOwnDrawingsKey, false).toBool(); }

void KeepOwnDrawingsOnly(bool ownOnly) { UserSettings().setValue(kOwnDrawingsKey, ownOnly); }

}  // namespace ardeno
