// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/entry/station_form.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <span>

#include "ui/shell/app_context.h"

namespace ardeno {

namespace {

// One line of the form: its field's name, its label, where the value goes and what it is for.
struct StationField {
  const char* Name;
  const char* Label;
  const char* Hint;
  std::string StationSettings::*Value;
};

// The latitude and the longitude go into one file, and only together.
constexpr const char* kPlaceHint =
    QT_TRANSLATE_NOOP("StationForm",
                      "stanice.dat: odkud se kontroluje, že Slunce bylo v čase zákresu nad "
                      "obzorem; obě souřadnice, nebo žádná");

constexpr StationField kFields[] = {
    {"Nazev", QT_TRANSLATE_NOOP("StationForm", "Název stanice"),
     QT_TRANSLATE_NOOP("StationForm", "DataproCSV.txt, řádek 1: jméno stanice v CSV pro SIDC"),
     &StationSettings::Name},
    {"Cislo", QT_TRANSLATE_NOOP("StationForm", "Číslo observatoře"),
     QT_TRANSLATE_NOOP("StationForm", "DataproCSV.txt, řádek 2: číslo stanice v CSV pro SIDC"),
     &StationSettings::Number},
    {"KodSidc", QT_TRANSLATE_NOOP("StationForm", "Kód pro SIDC"),
     QT_TRANSLATE_NOOP("StationForm",
                       "Site.txt, řádek 3: kód na 2. řádku měsíční zprávy pro SIDC, před "
                       "„(CZECH REP.)“; nejvýš 20 znaků bez diakritiky"),
     &StationSettings::SidcCode},
    {"IndikatorUssps", QT_TRANSLATE_NOOP("StationForm", "Indikátor USSPS"),
     QT_TRANSLATE_NOOP("StationForm", "Site.txt, řádek 1: zkratka stanice ve zprávě pro USSPS"),
     &StationSettings::UsspsStation},
    {"KodAavso", QT_TRANSLATE_NOOP("StationForm", "Kód pozorovatele AAVSO"),
     QT_TRANSLATE_NOOP("StationForm", "Site.txt, řádek 2: kód pozorovatele ve zprávě pro AAVSO"),
     &StationSettings::AavsoObserver},
    {"Sirka", QT_TRANSLATE_NOOP("StationForm", "Zeměpisná šířka (°, sever +)"), kPlaceHint,
     &StationSettings::Latitude},
    {"Delka", QT_TRANSLATE_NOOP("StationForm", "Zeměpisná délka (°, východ +)"), kPlaceHint,
     &StationSettings::Longitude},
    {"Popis", QT_TRANSLATE_NOOP("StationForm", "Popis stanice"),
     QT_TRANSLATE_NOOP("StationForm", "Popis.txt, řádek 7: popis v hlavičce zprávy pro SIDC"),
     &StationSettings::Description},
};

// The CV report's header: Popis.txt lines 1..6, each after its English caption in the report.
constexpr StationField kCvFields[] = {
    {"CvEmail", QT_TRANSLATE_NOOP("StationForm", "E-mail"),
     QT_TRANSLATE_NOOP("StationForm", "Popis.txt, řádek 1: za „Your E-mail adress“"),
     &StationSettings::CvEmail},
    {"CvMesic", QT_TRANSLATE_NOOP("StationForm", "Text za číslem měsíce"),
     QT_TRANSLATE_NOOP("StationForm", "Popis.txt, řádek 2: za „Month - number 03 -“"),
     &StationSettings::CvMonthText},
    {"CvPozorovatel", QT_TRANSLATE_NOOP("StationForm", "Pozorovatel"),
     QT_TRANSLATE_NOOP("StationForm", "Popis.txt, řádek 3: za „Observer“"),
     &StationSettings::CvObserver},
    {"CvStanice", QT_TRANSLATE_NOOP("StationForm", "Stanice"),
     QT_TRANSLATE_NOOP("StationForm", "Popis.txt, řádek 4: za „Station“"),
     &StationSettings::CvStation},
    {"CvPristroj", QT_TRANSLATE_NOOP("StationForm", "Přístroj"),
     QT_TRANSLATE_NOOP("StationForm", "Popis.txt, řádek 5: za „Instrument“"),
     &StationSettings::CvInstrument},
    {"CvMetoda", QT_TRANSLATE_NOOP("StationForm", "Metoda"),
     QT_TRANSLATE_NOOP("StationForm", "Popis.txt, řádek 6: za „Method“"),
     &StationSettings::CvMethod},
};

// One line of a form per field, its edit filled from the settings and named for tests.
void AddFields(QWidget* owner, QFormLayout* form, std::span<const StationField> fields,
               const StationSettings& settings, std::map<QString, QLineEdit*>& edits) {
  for (const StationField& field : fields) {
    auto* edit = new QLineEdit(QString::fromStdString(settings.*field.Value), owner);
    edit->setObjectName(field.Name);
    const QString hint = QCoreApplication::translate("StationForm", field.Hint);
    edit->setToolTip(hint);
    auto* label = new QLabel(QCoreApplication::translate("StationForm", field.Label), owner);
    label->setToolTip(hint);
    label->setBuddy(edit);
    form->addRow(label, edit);
    edits[field.Name] = edit;
  }
}

}  // namespace

StationForm::StationForm(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx) {
  setObjectName("Stanice");
  setWindowTitle(tr("Stanice"));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* column = new QVBoxLayout(this);
  auto* intro = new QLabel(tr("Údaje, které stanice zadá jednou a které převezmou všechny zprávy "
                              "pro SIDC a pro ostatní sítě. Prázdný kód: do té sítě stanice "
                              "neposílá."),
                           this);
  intro->setWordWrap(true);
  column->addWidget(intro);
  const StationSettingsReading reading = ReadStationSettings(ctx.ProgDir);
  m_problems = new QLabel(this);
  m_problems->setObjectName("ChybySouboru");
  m_problems->setWordWrap(true);
  m_problems->setStyleSheet(QStringLiteral("color: #b00000"));
  QStringList problems;
  for (const std::string& problem : reading.Problems) problems << QString::fromStdString(problem);
  m_problems->setText(problems.join('\n'));
  m_problems->setVisible(!problems.isEmpty());
  column->addWidget(m_problems);
  auto* form = new QFormLayout;
  AddFields(this, form, kFields, reading.Settings, m_fields);
  column->addLayout(form);
  auto* cvBox = new QGroupBox(tr("Hlavička zprávy CV"), this);
  cvBox->setObjectName("HlavickaCv");
  auto* cvForm = new QFormLayout(cvBox);
  AddFields(this, cvForm, kCvFields, reading.Settings, m_fields);
  column->addWidget(cvBox);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* save = buttons->addButton(tr("Uložit"), QDialogButtonBox::AcceptRole);
  save->setObjectName("Ulozit");
  save->setDefault(true);
  buttons->addButton(tr("Zrušit"), QDialogButtonBox::RejectRole)->setObjectName("Zrusit");
  connect(buttons, &QDialogButtonBox::accepted, this, &StationForm::Save);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  column->addWidget(buttons);
  setMinimumWidth(ctx.Scaled(520));
}

QLineEdit* StationForm::Field(const QString& name) const {
  const auto found = m_fields.find(name);
  return found == m_fields.end() ? nullptr : found->second;
}

StationSettings StationForm::Entered() const {
  StationSettings settings;
  for (const auto& fields :
       {std::span<const StationField>(kFields), std::span<const StationField>(kCvFields)})
    for (const StationField& field : fields)
      settings.*field.Value = m_fields.at(field.Name)->text().trimmed().toStdString();
  return settings;
}

bool StationForm::Save() {
  if (const Refusal refusal = WriteStationSettings(m_ctx.ProgDir, Entered())) {
    m_ctx.Msg.ShowMessageText(QString::fromStdString(*refusal));
    return false;
  }
  accept();
  return true;
}

}  // namespace ardeno
