// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/window_image.h"
#include "core/data/file_replace.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "core/publishing/picture_facts.h"
#include "core/shell/window_image_name.h"
#include "ui/shell/jpeg_file.h"

namespace ardeno {

namespace {
constexpr int kWindowImageQuality = 90;
// The window's right edge (scroll bar border) is left out of the image.
constexpr int kRightEdgeCut = 5;
}  // namespace

std::filesystem::path WindowImagePath(const std::filesystem::path& progDir,
                                      const QString& imageName) {
  const std::string relative = WindowImageRelativePath(imageName.toStdString());
  return progDir / std::filesystem::path(std::u8string(relative.begin(), relative.end()));
}

bool SaveWindowImage(AppContext& ctx, QWidget* window, bool ask) {
  if (window == nullptr) return false;
  if (ask && !ctx.Dialogs.Confirm(
                 ctx.Frame, QStringLiteral("Ardeno"),
                 QCoreApplication::translate("Ardeno", "            Uložit bitmapu okna "))) {
    return false;
  }
  const int width = window->width() - kRightEdgeCut;
  if (width < 1 || window->height() < 1) return false;
  QImage image(width, window->height(), QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    window->render(&painter, QPoint(), QRegion(0, 0, width, window->height()));
  }
  const std::filesystem::path path = WindowImagePath(ctx.ProgDir, ctx.View.ImageName);
  if (CreateFolders(path.parent_path())) {
    ctx.Msg.ShowMessageText(QCoreApplication::translate("Ardeno", "Nelze vytvořit složku Obrázek"));
    return false;
  }
  // The window's caption names the view; a window without one goes by its picture's name.
  const QString view = window->windowTitle().isEmpty() ? ctx.View.ImageName : window->windowTitle();
  const PictureFacts facts = DatabaseFacts(view.toStdString(), ctx.Db);
  if (const auto failure = WriteJpegFile(image, path, kWindowImageQuality, facts)) {
    ctx.Msg.ShowMessageText(*failure);
    return false;
  }
  return true;
}

}  // namespace ardeno
