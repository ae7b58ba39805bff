// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Messages and platform dialogs for ui tests: answers come from queues filled by the test, and
// every text shown or asked is recorded, so a test can check what the user would have seen.
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

#include "ui/shell/messages.h"
#include "ui/shell/platform_dialogs.h"

namespace ardeno::test {

class ScriptedMessages : public Messages {
 public:
  // Answers in the order they will be asked; an empty queue answers "Ne" / keeps the value.
  std::deque<bool> Choices;
  std::deque<QString> Values;
  // Every text, in order: messages, prompts and questions alike.
  QStringList Shown;
  QStringList ShownMessages;
  QStringList Prompts;
  QStringList Questions;

  void ShowMessageText(const QString& text) override {
    Shown << text;
    ShownMessages << text;
  }
  QString AskValue(const QString& prompt, const QString& initial) override {
    Shown << prompt;
    Prompts << prompt;
    if (Values.empty()) return initial;
    QString v = Values.front();
    Values.pop_front();
    return v;
  }
  bool AskChoice(const QString& question) override {
    Shown << question;
    Questions << question;
    if (Choices.empty()) return false;
    bool v = Choices.front();
    Choices.pop_front();
    return v;
  }
};

class ScriptedDialogs : public PlatformDialogs {
 public:
  std::deque<std::optional<QString>> FileNames;
  std::deque<bool> Confirmations;
  std::deque<std::optional<QString>> Inputs;
  // Each print dialog takes the next entry: a PDF file to print into, or nothing for Cancel.
  std::deque<std::optional<QString>> PrintFiles;
  QStringList Asked;
  // Where each folder dialog would have opened.
  QStringList FolderStarts;

  std::optional<QString> OpenFileName(QWidget*, const QString& caption, const QString&,
                                      const QString&) override {
    Asked << caption;
    if (FileNames.empty()) return std::nullopt;
    auto v = FileNames.front();
    FileNames.pop_front();
    return v;
  }
  // Folders are answered from FileNames too; where the dialog would open is kept.
  std::optional<QString> FolderName(QWidget* parent, const QString& caption,
                                    const QString& directory) override {
    FolderStarts << directory;
    return OpenFileName(parent, caption, directory, {});
  }
  bool Confirm(QWidget*, const QString&, const QString& question) override {
    Asked << question;
    if (Confirmations.empty()) return false;
    bool v = Confirmations.front();
    Confirmations.pop_front();
    return v;
  }
  void Inform(QWidget*, const QString&, const QString& text) override { Asked << text; }
  std::optional<QString> InputText(QWidget*, const QString&, const QString& prompt,
                                   const QString&) override {
    Asked << prompt;
    if (Inputs.empty()) return std::nullopt;
    auto v = Inputs.front();
    Inputs.pop_front();
    return v;
  }
  bool SetUpPrinter(QWidget*, QPrinter& printer) override {
    Asked << QStringLiteral("Tisk");
    if (PrintFiles.empty() || !PrintFiles.front()) {
      if (!PrintFiles.empty()) PrintFiles.pop_front();
      return false;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*PrintFiles.front());
    PrintFiles.pop_front();
    return true;
  }
};

}  // namespace ardeno::test
