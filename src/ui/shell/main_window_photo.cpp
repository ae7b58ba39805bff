// SPDX-License-Identifier: GPL-3.0-or-later
// The photographed-drawing window, opened by "Foto" and by "F" in the drawing window.
#include <QMdiArea>

#include "ui/graphs/mdi_child.h"
#include "ui/photo/photo_drawing_window.h"
#include "ui/shell/main_window.h"

namespace ardeno {

void MainWindow::OpenPhotoWindow() {
  // Calibration and pending entries belong to the picture of the window being replaced.
  if (m_photo) CloseWithFrame(m_photo);
  m_photo = PhotoDrawingWindow::Open(m_ctx, m_mdi);
}

}  // namespace ardeno
