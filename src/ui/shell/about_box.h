// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plain about box ("TAboutBox").
#include <QDialog>

namespace ardeno {

class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent);
};

}  // namespace ardeno
