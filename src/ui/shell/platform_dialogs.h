// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform's own dialogs, used only where the program names them (file open, printer set-up,
// the standard confirmation and input boxes). Tests install a scripted implementation.
#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace ardeno {

class PlatformDialogs {
 public:
  virtual ~PlatformDialogs() = default;
  // A file to open, or nothing when cancelled.
  virtual std::optional<QString> OpenFileName(QWidget* parent, const QString& caption,
                                              const QString& directory, const QString& filter) = 0;
  // A folder to read from, the dialog opening in `directory`; nothing when cancelled (no
  // dialog: nothing).
  virtual std::optional<QString> FolderName(QWidget* /*parent*/, const QString& /*caption*/,
                                            const QString& /*directory*/) {
    return std::nullopt;
  }
  // The standard yes/no confirmation box; true for yes.
  virtual bool Confirm(QWidget* parent, const QString& caption, const QString& question) = 0;
  // Before a file is written over: yes or no, "no" the default. Scripts answer it as Confirm.
  virtual bool ConfirmOverwrite(QWidget* parent, const QString& question) {
    return Confirm(parent, QString(), question);
  }
  // The standard message box.
  virtual void Inform(QWidget* parent, const QString& caption, const QString& text) = 0;
  // The standard input box; nothing when cancelled.
  virtual std::optional<QString> InputText(QWidget* parent, const QString& caption,
                                           const QString& prompt, const QString& initial) = 0;
  // The print dialog for `printer`; true when the user chose to print.
  virtual bool SetUpPrinter(QWidget* parent, QPrinter& printer) = 0;
};

}  // namespace ardeno
