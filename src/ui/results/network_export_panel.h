// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Export pro sítě": the panel of the results window that writes one month for another network
// (the USSPS messages, the BAA monthly form or the AAVSO monthly report) into Sítě, with the
// station or observer code the network needs, kept in Site.txt.
#include <QGroupBox>

#include "core/reports/network_files.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace ardeno {

class ResultsContext;

class NetworkExportPanel : public QGroupBox {
  Q_OBJECT
 public:
  NetworkExportPanel(ResultsContext& ctx, QWidget* parent);

  // Reads the codes of Site.txt, puts the report month (or the last drawing's month) into the
  // month field and shows the panel.
  void Open();

 private:
  Network ChosenNetwork() const;
  // The code field shows the code of the chosen network.
  void NetworkChosen();
  void Write();
  void Tell(const QString& text);

  ResultsContext& m_ctx;
  NetworkCodes m_codes;
  QComboBox* m_network = nullptr;
  QLineEdit* m_month = nullptr;
  QLabel* m_codeLabel = nullptr;
  QLineEdit* m_code = nullptr;
  QLabel* m_outcome = nullptr;
};

}  // namespace ardeno
