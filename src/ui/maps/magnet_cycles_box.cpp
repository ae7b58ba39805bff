// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/maps/magnet_cycles_box.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace ardeno {

namespace {

// A number as an observer types it: a decimal point or a comma, nothing else around it.
std::optional<double> Number(const QLineEdit* edit) {
  bool ok = false;
  const double value = edit->text().trimmed().replace(',', '.').toDouble(&ok);
  return ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<int> Whole(const QLineEdit* edit) {
  bool ok = false;
  const int value = edit->text().trimmed().toInt(&ok);
  return ok ? std::optional<int>(value) : std::nullopt;
}

QLineEdit* Field(QFormLayout* form, QWidget* box, const char* name, const QString& label,
                 const QString& value) {
  auto* edit = new QLineEdit(value, box);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaximumWidth(70);
  form->addRow(label, edit);
  return edit;
}

}  // namespace

MagnetCyclesBox::MagnetCyclesBox(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("datamagnet"));
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setAutoFillBackground(true);
  auto* form = new QFormLayout(this);
  form->setContentsMargins(8, 6, 8, 6);
  const MagnetCycleQuery defaults;
  m_from = Field(form, this, "od", tr("Od  °"), QString::number(defaults.From));
  m_to = Field(form, this, "do", tr("Do  °"), QString::number(defaults.To));
  m_cycles = Field(form, this, "cykly", tr("Cykly"), QString::number(defaults.Cycles));
  m_rotation = Field(form, this, "otocka", tr("Otočka"), QString::number(defaults.StartRotation));
  auto* polarity = new QHBoxLayout;
  m_greater = new QRadioButton(tr("Větší"), this);
  m_greater->setObjectName(QStringLiteral("vetsi"));
  m_greater->setChecked(defaults.Greater);
  auto* smaller = new QRadioButton(tr("Menší"), this);
  smaller->setObjectName(QStringLiteral("mensi"));
  smaller->setChecked(!defaults.Greater);
  polarity->addWidget(m_greater);
  polarity->addWidget(smaller);
  form->addRow(polarity);
  m_both = new QCheckBox(tr("Sever+Jih"), this);
  m_both->setObjectName(QStringLiteral("severjih"));
  m_both->setChecked(defaults.BothHemispheres);
  form->addRow(m_both);
  auto* confirm = new QPushButton(tr("Potvrdit"), this);
  confirm->setObjectName(QStringLiteral("potvrdm"));
  form->addRow(confirm);
  connect(confirm, &QPushButton::clicked, this, &MagnetCyclesBox::Confirmed);
  adjustSize();
}

std::optional<MagnetCycleQuery> MagnetCyclesBox::Query(QString& refusal) const {
  const auto from = Number(m_from);
  const auto to = Number(m_to);
  const auto cycles = Whole(m_cycles);
  const auto rotation = Whole(m_rotation);
  if (!from || !to || !cycles || !rotation) {
    refusal = tr("Od a Do jsou šířky ve stupních, Cykly a Otočka celá čísla.");
    return std::nullopt;
  }
  MagnetCycleQuery query{
      *from, *to, *cycles, *rotation, m_greater->isChecked(), m_both->isChecked()};
  if (const auto problem = CheckMagnetCycleQuery(query)) {
    refusal = QString::fromStdString(*problem);
    return std::nullopt;
  }
  return query;
}

}  // namespace ardeno
