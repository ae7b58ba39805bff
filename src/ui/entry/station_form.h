// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Stanice" (menu Zadávání): what a station sets once before its first report, in one form. The
// values live in the files the reports read (DataproCSV.txt, Site.txt, stanice.dat, Popis.txt);
// the form shows them, checks what is typed and writes back only the lines it shows.
#include <QDialog>
#include <map>
#include <string>

#include "core/reports/station_settings.h"

class QLabel;
class QLineEdit;

namespace ardeno {

struct AppContext;

class StationForm : public QDialog {
  Q_OBJECT
 public:
  StationForm(AppContext& ctx, QWidget* parent);

  // The field of a setting by its object name ("Nazev", "KodSidc" ...); nullptr for none.
  QLineEdit* Field(const QString& name) const;
  // The files that could not be read, in red above the fields; empty when all were read.
  QLabel* Problems() const { return m_problems; }
  // "Uložit": writes the files and closes; a refusal is shown and the form stays open.
  bool Save();

 private:
  StationSettings Entered() const;

  AppContext& m_ctx;
  std::map<QString, QLineEdit*> m_fields;
  QLabel* m_problems;
};

}  // namespace ardeno
