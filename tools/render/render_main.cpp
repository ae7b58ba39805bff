// SPDX-License-Identifier: GPL-3.0-or-later
// ardeno-render: paints a window's picture of a data folder into a PNG without a screen, with
// the window's own paint function. `ardeno-render help` lists the views and their options.
#include <QApplication>
#include <iostream>

#include "cli/language/message_language.h"
#include "core/text/core_text.h"
#include "render/render_run.h"
#include "ui/shell/interface_language.h"

int main(int argc, char* argv[]) {
  // Offscreen unless the caller chose a platform: the tool runs on servers without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName("Ardeno");
  std::vector<std::string> args(argv + 1, argv + argc);
  // The language as ardeno-cli chooses it; the windows' texts the pictures show follow it too.
  const bool known = ardeno::cli::UseMessageLanguage(ardeno::cli::TakeLanguageCode(args));
  if (!known) ardeno::cli::UseMessageLanguage(std::nullopt);
  ardeno::InstallInterfaceLanguage(app, ardeno::ShownLanguage());
  if (!known) {
    std::cerr << ardeno::CoreText("ardeno-cli", "Za --lang patří cs nebo en") << "\n";
    return 1;
  }
  return ardeno::render::RunRender(args, std::cout, std::cerr);
}
