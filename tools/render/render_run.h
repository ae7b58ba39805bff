// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ardeno-render's command line: `ardeno-render VIEW DIR OUT.png|.jpg|.bmp|.svg|.pdf [--size WxH]
// [--dpi N] [--option value]...`
// and `ardeno-render help`. Needs a running QApplication (the tool starts one offscreen).
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include <QSize>

namespace ardeno::render {

// "WxH" with both sides 1..kMaxSide pixels; nothing for anything else.
inline constexpr int kMaxSide = 16000;
std::optional<QSize> ParseSize(const std::string& text);

// Runs one command; returns the exit status (0 done, 1 refused or failed). Errors and the
// messages the program would have shown go to `err`, the help and the written file to `out`.
int RunRender(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace ardeno::render
