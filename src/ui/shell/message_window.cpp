// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/message_window.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "core/shell/message_layout.h"

namespace ardeno {

namespace {

constexpr int kFontPixelHeight = 19;

QFont MessageFont() {
  QFont font("MS Sans Serif");
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(kFontPixelHeight);
  return font;
}

// Room for a line of text on the screen of the window's owner: the screen less the window's
// margins (50 pixels each side) and its frame.
int MaxTextWidth(const QWidget* owner) {
  constexpr int kWindowMargins = 100;
  constexpr int kFrame = 20;
  const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
  const int screenWidth = screen != nullptr ? screen->availableGeometry().width() : 1024;
  return std::max(200, screenWidth - kWindowMargins - kFrame);
}

QString CaptionFor(MessageMode mode) {
  switch (mode) {
    case MessageMode::Message:
      return QCoreApplication::translate("Ardeno", "Zpráva");
    case MessageMode::ValueInput:
      return QCoreApplication::translate("Ardeno", "Zadání hodnoty");
    case MessageMode::Choice:
      return QCoreApplication::translate("Ardeno", "Výběr");
  }
  return {};
}

}  // namespace

MessageWindow::MessageWindow(MessageMode mode, const QString& text, const QString& value,
                             QWidget* parent)
    : QDialog(parent), m_mode(mode), m_text(text), m_value(value) {
  setObjectName("TForm14");
  setModal(true);
  setFont(MessageFont());
  setWindowTitle(CaptionFor(mode));

  m_label = new QLabel(this);
  m_label->setObjectName("Label1");
  // Carriage returns in the program's texts start new lines, and a line of a message or a
  // question wider than the screen is broken so that the whole text can be read.
  QString shown = text;
  if (mode != MessageMode::ValueInput && !text.startsWith(QLatin1String(" F8"))) {
    const QFontMetrics metrics(MessageFont());
    const std::string wrapped = WrapMessageText(
        text.toStdString(), MaxTextWidth(parent), [&metrics](std::string_view part) {
          return metrics.horizontalAdvance(
              QString::fromUtf8(part.data(), static_cast<qsizetype>(part.size())));
        });
    shown = QString::fromStdString(wrapped);
    m_text = shown;
  }
  shown.replace("\r\n", "\n").replace('\r', '\n');
  m_label->setText(shown);
  m_label->setTextFormat(Qt::PlainText);

  // A question is answered "Ano" or "Ne"; a message and a value are confirmed with "OK".
  m_okButton =
      new QPushButton(mode == MessageMode::Choice ? tr("Ano") : QStringLiteral("OK"), this);
  m_okButton->setObjectName("Button1");
  m_okButton->setAutoDefault(false);
  connect(m_okButton, &QPushButton::clicked, this, &MessageWindow::AcceptOk);

  m_edit = new QLineEdit(this);
  m_edit->setObjectName("Edit1");
  m_edit->hide();
  connect(m_edit, &QLineEdit::returnPressed, this, &MessageWindow::AcceptOk);

  m_noButton = new QPushButton(tr("Ne"), this);
  m_noButton->setObjectName("Button2");
  m_noButton->setAutoDefault(false);
  m_noButton->hide();
  connect(m_noButton, &QPushButton::clicked, this, &QDialog::reject);

  BuildLayout();
}

void MessageWindow::BuildLayout() {
  const QFontMetrics metrics(font());
  auto widthOf = [&metrics](const QString& s) { return metrics.horizontalAdvance(s); };
  // The label lays its lines a fraction of a pixel wider apart than the font's line spacing
  // says; over a dozen lines that reaches the button, so its own height counts too.
  const int labelLines = static_cast<int>(m_label->text().count('\n')) + 1;
  const int textHeight = m_label->sizeHint().height();
  MessageGeometry g;
  switch (m_mode) {
    case MessageMode::Message: {
      const std::string utf8 = m_text.toStdString();
      g = MessageLayout(utf8, [&](std::string_view part) {
        return widthOf(QString::fromUtf8(part.data(), static_cast<qsizetype>(part.size())));
      });
      if (!m_text.startsWith(QLatin1String(" F8")))
        FitMessageLines(g, labelLines, metrics.lineSpacing(), textHeight);
      break;
    }
    case MessageMode::ValueInput:
      g = ValueInputLayout();
      m_edit->setText(m_value);
      m_edit->setGeometry(100, 72, 121, 32);
      m_edit->show();
      break;
    case MessageMode::Choice: {
      const QStringList lines = m_label->text().split('\n');
      int widest = 0;
      for (const QString& line : lines) widest = std::max(widest, widthOf(line));
      g = ChoiceLayout(widest);
      FitMessageLines(g, static_cast<int>(lines.size()), metrics.lineSpacing(), textHeight);
      break;
    }
  }
  setFixedSize(g.Width, g.Height);
  const QSize labelSize = m_label->sizeHint();
  m_label->setGeometry(g.LabelLeft, 32, std::max(labelSize.width(), g.Width - g.LabelLeft),
                       labelSize.height());
  m_label->adjustSize();
  m_okButton->setGeometry(g.OkLeft, g.OkTop, 100, 30);
  if (m_mode == MessageMode::Choice) {
    m_noButton->setGeometry(g.NoLeft, g.OkTop, 100, 30);
    m_noButton->show();
  }
  if (m_mode == MessageMode::ValueInput) {
    m_edit->setFocus();
  } else {
    m_okButton->setDefault(true);
    m_okButton->setFocus();
  }
}

void MessageWindow::AcceptOk() {
  if (m_edit->isVisible() || m_mode == MessageMode::ValueInput) m_value = m_edit->text();
  if (m_mode == MessageMode::Choice) m_confirmed = true;
  accept();
}

namespace {

void CentreOn(QWidget* window, QWidget* owner) {
  if (owner == nullptr) return;
  const QRect frame = owner->frameGeometry();
  window->move(frame.center() - QPoint(window->width() / 2, window->height() / 2));
}

}  // namespace

void WindowMessages::ShowMessageText(const QString& text) {
  MessageWindow window(MessageMode::Message, text, {}, m_owner);
  CentreOn(&window, m_owner);
  window.exec();
}

QString WindowMessages::AskValue(const QString& prompt, const QString& initial) {
  MessageWindow window(MessageMode::ValueInput, prompt, initial, m_owner);
  CentreOn(&window, m_owner);
  window.exec();
  return window.Value();
}

bool WindowMessages::AskChoice(const QString& question) {
  MessageWindow window(MessageMode::Choice, question, {}, m_owner);
  CentreOn(&window, m_owner);
  window.exec();
  return window.Confirmed();
}

}  // namespace ardeno
