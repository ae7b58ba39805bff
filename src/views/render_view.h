// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures ardeno-render can paint. Each view lives in its own *_view.cpp file and registers
// itself at start-up with
//   const bool kRegistered = RegisterView({"name", "summary", {options...}, Paint});
// The tool parses the common arguments (VIEW DIR OUT.png --size WxH) and the view's own options,
// loads the data folder as the program does at start-up, and calls Paint on a white image of
// the requested size: the window's client area.
#include <QPainter>
#include <QSize>
#include <QString>
#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "views/render_session.h"

class QWidget;

namespace ardeno::render {

// One "--name value" option of a view. With Choices, the value must be one of them; with
// IsNumber, a whole number (Choices empty); otherwise any text, which the view checks. Default is
// used when the option is not given.
struct ViewOption {
  std::string Name;  // without the dashes, e.g. "record"
  std::string Default;
  std::vector<std::string> Choices;
  bool IsNumber = false;
  std::string Help;  // one line, marked with CoreTextNoop("ardeno-render", ...)
};

// The option values of one run: every declared option, given or defaulted.
class OptionValues {
 public:
  void Set(const std::string& name, std::string value) { m_values[name] = std::move(value); }
  const std::string& Text(const std::string& name) const { return m_values.at(name); }
  // Numbers were checked when parsed.
  int Number(const std::string& name) const { return std::stoi(m_values.at(name)); }

 private:
  std::map<std::string, std::string> m_values;
};

// Paints the view into `painter` (a white client area of `size`). Returns an error text
// when the view cannot be drawn from these data (the tool then writes no file).
using PaintView = std::function<std::optional<std::string>(
    RenderSession& session, const OptionValues& options, QPainter& painter, QSize size)>;

struct View {
  std::string Name;
  std::string Summary;  // what the picture shows, marked like Help
  std::vector<ViewOption> Options;
  PaintView Paint;
  QSize DefaultSize = QSize(800, 680);
};

// The names of a list option joined by "+" ("spots+faculae").
inline std::vector<std::string> SplitOptionList(const std::string& text) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('+', start), text.size());
    names.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

bool RegisterView(View view);
const std::map<std::string, View>& Views();

// Every option of `view` at its default value.
OptionValues DefaultOptions(const View& view);

// The view as a command line would choose it, every option with its value ("daily-graph --index
// r ..."), so that a picture can say how to paint it again.
std::string ViewCommandText(const View& view, const OptionValues& options);

// Lays out a whole window as it opens, without painting it to a screen (the picture is painted
// once, by the caller's render()).
void ShowUnpainted(QWidget& window);

}  // namespace ardeno::render
