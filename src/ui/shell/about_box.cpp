// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/about_box.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "core/shell/program_version.h"

namespace ardeno {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("TAboutBox");
  setWindowTitle(QCoreApplication::translate("Ardeno", "O programu"));
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(QStringLiteral("<h2>Ardeno</h2>"), this);
  title->setObjectName("ProductName");
  layout->addWidget(title);
  layout->addWidget(new QLabel(
      QCoreApplication::translate(
          "Ardeno",
          "Zpracování zákresů sluneční fotosféry:\n"
          "skupiny skvrn, fakule, relativní čísla, grafy, motýlkový diagram a synoptické mapy."),
      this));
  layout->addWidget(new QLabel(
      QCoreApplication::translate("Ardeno", "Verze ") +
          QString::fromUtf8(kProgramVersion.data(), static_cast<qsizetype>(kProgramVersion.size())),
      this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

}  // namespace ardeno
