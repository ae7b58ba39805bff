// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving a window's image as "Obrázek/<ImageName>.jpg" (F8 in the analysis windows).
#include <QString>
#include <filesystem>

#include "ui/shell/app_context.h"

class QWidget;

namespace ardeno {

// The file an image name is saved to: "Obrázek/" + name cut to 28 characters in all, + ".jpg".
std::filesystem::path WindowImagePath(const std::filesystem::path& progDir,
                                      const QString& imageName);

// ulozokno / ulozokno1: copies the client area of `window` less 5 pixels of width and saves it
// as JPG quality 90 under ctx.View.ImageName; with `ask` the standard confirmation box asks
// first. Returns true when a file was written.
bool SaveWindowImage(AppContext& ctx, QWidget* window, bool ask);

}  // namespace ardeno
