// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own modal message window ("TForm14"): a message, a value prompt or a two-button
// question, sized to its text. WindowMessages is the real Messages implementation on top of it.
#include <QDialog>
#include <QString>

#include "ui/shell/messages.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ardeno {

enum class MessageMode { Message = 0, ValueInput = 1, Choice = 2 };

class MessageWindow : public QDialog {
  Q_OBJECT
 public:
  MessageWindow(MessageMode mode, const QString& text, const QString& value, QWidget* parent);

  MessageMode Mode() const { return m_mode; }
  // The value as typed (input mode), or the initial value when not confirmed.
  QString Value() const { return m_value; }
  // True when the first button ("OK") closed a choice.
  bool Confirmed() const { return m_confirmed; }

  QLabel* Label() const { return m_label; }
  QLineEdit* Edit() const { return m_edit; }
  QPushButton* OkButton() const { return m_okButton; }
  QPushButton* NoButton() const { return m_noButton; }

 private:
  void BuildLayout();
  void AcceptOk();

  MessageMode m_mode;
  QString m_text;
  QString m_value;
  bool m_confirmed = false;
  QLabel* m_label = nullptr;
  QLineEdit* m_edit = nullptr;
  QPushButton* m_okButton = nullptr;
  QPushButton* m_noButton = nullptr;
};

// Opens the message window modally, centred on `owner`.
class WindowMessages : public Messages {
 public:
  explicit WindowMessages(QWidget* owner = nullptr) : m_owner(owner) {}
  void SetOwner(QWidget* owner) { m_owner = owner; }

  void ShowMessageText(const QString& text) override;
  QString AskValue(const QString& prompt, const QString& initial) override;
  bool AskChoice(const QString& question) override;

 private:
  QWidget* m_owner;
};

}  // namespace ardeno
