// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/render_view.h"

#include <QApplication>
#include <QWidget>

namespace ardeno::render {

namespace {

std::map<std::string, View>& Registry() {
  static std::map<std::string, View> registry;
  return registry;
}

}  // namespace

bool RegisterView(View view) {
  auto name = view.Name;
  Registry().emplace(std::move(name), std::move(view));
  return true;
}

const std::map<std::string, View>& Views() { return Registry(); }

void ShowUnpainted(QWidget& window) {
  window.setAttribute(Qt::WA_DontShowOnScreen);
  window.show();
  QApplication::processEvents();
}

OptionValues DefaultOptions(const View& view) {
  OptionValues options;
  for (const ViewOption& option : view.Options) options.Set(option.Name, option.Default);
  return options;
}

std::string ViewCommandText(const View& view, const OptionValues& options) {
  std::string text = view.Name;
  for (const ViewOption& option : view.Options)
    text += " --" + option.Name + " " + options.Text(option.Name);
  return text;
}

}  // namespace ardeno::render
