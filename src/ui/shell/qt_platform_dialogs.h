// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform's standard dialogs, as Qt provides them.
#include <memory>

#include "ui/shell/platform_dialogs.h"

class QMessageBox;

namespace ardeno {

class QtPlatformDialogs : public PlatformDialogs {
 public:
  std::optional<QString> OpenFileName(QWidget* parent, const QString& caption,
                                      const QString& directory, const QString& filter) override;
  std::optional<QString> FolderName(QWidget* parent, const QString& caption,
                                    const QString& directory) override;
  bool Confirm(QWidget* parent, const QString& caption, const QString& question) override;
  bool ConfirmOverwrite(QWidget* parent, const QString& question) override;
  void Inform(QWidget* parent, const QString& caption, const QString& text) override;
  std::optional<QString> InputText(QWidget* parent, const QString& caption, const QString& prompt,
                                   const QString& initial) override;
  bool SetUpPrinter(QWidget* parent, QPrinter& printer) override;
};

// The overwrite question: Yes and No, No the default so that Enter keeps the file; the program's
// "\r" line breaks shown as breaks.
std::unique_ptr<QMessageBox> OverwriteQuestionBox(QWidget* parent, const QString& question);

}  // namespace ardeno
