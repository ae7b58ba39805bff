// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/print_panel.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ardeno {

PrintPanel::PrintPanel(QWidget* parent)
    : QGroupBox(QCoreApplication::translate("Ardeno", "Tiskový panel"), parent) {
  setObjectName("GroupBox1");
  auto* row = new QHBoxLayout(this);
  m_count = new QLabel(this);
  m_count->setObjectName("Label1");
  row->addWidget(m_count);

  auto* typeBox = new QGroupBox(QCoreApplication::translate("Ardeno", "Výběr typu tisku"), this);
  typeBox->setObjectName("RadioGroup1");
  auto* typeColumn = new QVBoxLayout(typeBox);
  m_types = new QButtonGroup(this);
  const char* captions[] = {QT_TRANSLATE_NOOP("Ardeno", "Všechny hodnoty"),
                            QT_TRANSLATE_NOOP("Ardeno", "Vše od kurzoru"),
                            QT_TRANSLATE_NOOP("Ardeno", "1 strana od kurzoru")};
  for (int i = 0; i < 3; ++i) {
    auto* choice = new QRadioButton(QCoreApplication::translate("Ardeno", captions[i]), typeBox);
    choice->setObjectName(QStringLiteral("RadioType%1").arg(i));
    m_types->addButton(choice, i);
    typeColumn->addWidget(choice);
  }
  row->addWidget(typeBox);

  m_print = new QPushButton(QCoreApplication::translate("Ardeno", "Tisk"), this);
  m_print->setObjectName("Button2");
  auto* cancel = new QPushButton(QCoreApplication::translate("Ardeno", "Storno"), this);
  cancel->setObjectName("Button3");
  connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
  row->addWidget(m_print);
  row->addWidget(cancel);
  row->addStretch();
}

void PrintPanel::SetCountText(const QString& text) { m_count->setText(text); }

QString PrintPanel::CountText() const { return m_count->text(); }

std::optional<PrintType> PrintPanel::ChosenType() const {
  const int id = m_types->checkedId();
  if (id < 0) return std::nullopt;
  return static_cast<PrintType>(id);
}

void PrintPanel::ChooseType(PrintType type) {
  m_types->button(static_cast<int>(type))->setChecked(true);
}

}  // namespace ardeno
