// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts (the buttons of the standard boxes, the file and print dialogs, the context
// menus) in Czech, as the rest of the program speaks.
class QCoreApplication;

namespace ardeno {

// Installs Qt's Czech translation on the application; false when it is not installed.
bool InstallCzechQtTexts(QCoreApplication& app);

}  // namespace ardeno
