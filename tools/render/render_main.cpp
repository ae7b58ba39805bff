// ardeno-render: paints a window's picture of a data folder into a PNG without a screen, with
// the window's own paint function. `ardeno-render help` lists the views and their options.
#include <QApplication>
#include <iostream>

#include "render/render_run.h"

int main(int argc, char* argv[]) {
  // Offscreen unless the caller chose a platform: the tool runs on servers without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName("Ardeno");
  const std::vector<std::string> args(argv + 1, argv + argc);
  return ardeno::render::RunRender(args, std::cout, std::cerr);
}
