// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/qt_platform_dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace ardeno {

std::optional<QString> QtPlatformDialogs::OpenFileName(QWidget* parent, const QString& caption,
                                                       const QString& directory,
                                                       const QString& filter) {
  const QString name = QFileDialog::getOpenFileName(parent, caption, directory, filter);
  if (name.isEmpty()) return std::nullopt;
  return name;
}

std::optional<QString> QtPlatformDialogs::FolderName(QWidget* parent, const QString& caption,
                                                     const QString& directory) {
  const QString name = QFileDialog::getExistingDirectory(parent, caption, directory);
  if (name.isEmpty()) return std::nullopt;
  return name;
}

bool QtPlatformDialogs::Confirm(QWidget* parent, const QString& caption, const QString& question) {
  return QMessageBox::question(parent, caption, question,
                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

std::unique_ptr<QMessageBox> OverwriteQuestionBox(QWidget* parent, const QString& question) {
  auto box = std::make_unique<QMessageBox>(QMessageBox::Question, QString(),
                                           QString(question).replace(QLatin1Char('\r'), '\n'),
                                           QMessageBox::Yes | QMessageBox::No, parent);
  box->setDefaultButton(QMessageBox::No);
  box->setEscapeButton(QMessageBox::No);
  return box;
}

bool QtPlatformDialogs::ConfirmOverwrite(QWidget* parent, const QString& question) {
  return OverwriteQuestionBox(parent, question)->exec() == QMessageBox::Yes;
}

void QtPlatformDialogs::Inform(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox::information(parent, caption, text);
}

std::optional<QString> QtPlatformDialogs::InputText(QWidget* parent, const QString& caption,
                                                    const QString& prompt, const QString& initial) {
  bool accepted = false;
  const QString text =
      QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, initial, &accepted);
  if (!accepted) return std::nullopt;
  return text;
}

bool QtPlatformDialogs::SetUpPrinter(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace ardeno
