// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every message, value prompt and yes/no question of the program goes through this interface.
// The real one opens the modal message window; tests install a scripted one that answers from a
// list and records what was asked, so nothing in a test waits for a person.
#include <QString>

namespace ardeno {

class Messages {
 public:
  virtual ~Messages() = default;
  // An error or information message ("Zpráva").
  virtual void ShowMessageText(const QString& text) = 0;
  // A single value ("Zadání hodnoty"): returns the text as typed, or `initial` unchanged when the
  // window was closed without "OK".
  virtual QString AskValue(const QString& prompt, const QString& initial) = 0;
  // A two-button question ("Výběr"): true for "OK", false for "Ne" or a closed window.
  virtual bool AskChoice(const QString& question) = 0;
};

}  // namespace ardeno
