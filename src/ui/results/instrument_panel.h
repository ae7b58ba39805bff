// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Panel1", the instrument panel of the results window: the observatory and the instrument that
// head the own report, saved to pristroj.dat when confirmed.
#include <QGroupBox>
#include <functional>

#include "core/reports/instrument_entry.h"

class QLineEdit;

namespace ardeno {

class ResultsContext;

class InstrumentPanel : public QGroupBox {
  Q_OBJECT
 public:
  // `ownReportShown` tells whether the own report is the window's view when the user confirms.
  InstrumentPanel(ResultsContext& ctx, std::function<bool()> ownReportShown, QWidget* parent);

  // Fills the fields from the instrument lines and shows the panel.
  void Open();
  // The fields as typed.
  InstrumentEntry Entry() const;

 signals:
  // The instrument lines changed (and pristroj.dat was rewritten, or the user was told why not).
  void Changed();

 private:
  void Confirm();

  ResultsContext& m_ctx;
  std::function<bool()> m_ownReportShown;
  QLineEdit* m_station = nullptr;
  QLineEdit* m_name = nullptr;
  QLineEdit* m_diameter = nullptr;
  QLineEdit* m_eyepiece = nullptr;
  QLineEdit* m_focal = nullptr;
};

}  // namespace ardeno
