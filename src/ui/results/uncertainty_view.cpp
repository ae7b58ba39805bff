// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/uncertainty_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include "core/data/file_error_text.h"
#include "core/data/file_replace.h"
#include "core/graphs/smoothed_graph_kinds.h"
#include "core/results/monthly_csv.h"
#include "core/results/monthly_uncertainty.h"
#include "ui/results/text_grid_model.h"

namespace ardeno {

UncertaintyView::UncertaintyView(ResultsContext& ctx, QWidget* parent) : ResultsView(ctx, parent) {
  setObjectName("Nejistoty");
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  auto* choices = new QHBoxLayout;
  m_hemisphere = new QComboBox(this);
  m_hemisphere->setObjectName("NejistotyPolokoule");
  m_hemisphere->addItems({tr("Celková"), tr("Sever"), tr("Jih")});
  m_index = new QComboBox(this);
  m_index->setObjectName("NejistotyIndex");
  // The measured table's quantities in the order of the graphs' indices.
  for (const SmoothedIndexInfo& info : SmoothedIndexes())
    m_index->addItem(QString::fromStdString(SmoothedIndexTitle(info)).simplified());
  m_index->setCurrentIndex(static_cast<int>(SmoothedIndex::R) - 1);
  m_smoothed = new QCheckBox(tr("Vyhlazené"), this);
  m_smoothed->setObjectName("NejistotyVyhlazene");
  m_smoothed->setToolTip(
      tr("Vyhlazené hodnoty s počtem měsíců, z nichž vznikly; * když některý z nich je předběžný"));
  choices->addWidget(new QLabel(tr("Polokoule"), this));
  choices->addWidget(m_hemisphere);
  choices->addWidget(new QLabel(tr("Veličina"), this));
  choices->addWidget(m_index);
  choices->addWidget(m_smoothed);
  m_ownOnly = new QCheckBox(tr("Jen vlastní zákresy"), this);
  m_ownOnly->setObjectName("NejistotyVlastni");
  m_ownOnly->setChecked(true);
  m_ownOnly->setToolTip(tr("Bez katalogových dnů (NOAA/RGO), které nejsou pozorováním stanice"));
  choices->addWidget(m_ownOnly);
  choices->addStretch();
  column->addLayout(choices);
  auto* legend = new QLabel(
      tr("dny: dny se zákresem, n: zákresy, z nichž je průměr, sigma i chyba, sigma: rozptyl "
         "hodnot zákresů, chyba: střední chyba průměru sigma/√n, *: měsíc neskončil nebo má "
         "méně než %1 dnů se zákresem")
          .arg(kSureMonthDays),
      this);
  legend->setWordWrap(true);
  column->addWidget(legend);
  m_records = new QLabel(this);
  m_records->setObjectName("NejistotyZaznamy");
  column->addWidget(m_records);
  m_model = new TextGridModel(this);
  m_grid = new QTableView(this);
  m_grid->setObjectName("NejistotyTabulka");
  m_grid->setModel(m_model);
  m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_grid->verticalHeader()->hide();
  m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
  m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  column->addWidget(m_grid);
  const auto rebuild = [this] {
    if (m_opened) Rebuild();
  };
  connect(m_hemisphere, &QComboBox::currentIndexChanged, this, rebuild);
  connect(m_index, &QComboBox::currentIndexChanged, this, rebuild);
  connect(m_smoothed, &QCheckBox::toggled, this, rebuild);
  connect(m_ownOnly, &QCheckBox::toggled, this, rebuild);
}

std::optional<QString> UncertaintyView::Open(int /*variant*/) {
  m_opened = true;
  Rebuild();
  return tr("Výsledky    nejistoty měsíčních hodnot");
}

void UncertaintyView::RecordsChanged() {
  if (m_opened) Rebuild();
}

void UncertaintyView::Rebuild() {
  const auto quantity = static_cast<Quantity>(m_index->currentIndex());
  const auto hemisphere = static_cast<Hemisphere>(m_hemisphere->currentIndex() + 1);
  const RecordMonths& taken = m_ctx.App.Months.Get(
      m_ctx.App.Db, m_ownOnly->isChecked() ? RecordChoice::OwnDrawings : RecordChoice::AllRecords);
  m_records->setText(QString::fromStdString(AveragedRecordsText(taken)));
  const auto months =
      MonthlyUncertainty(m_ctx.App.Db, taken, quantity, hemisphere, m_ctx.App.Today);
  m_rows = m_smoothed->isChecked() ? SmoothedUncertaintyRows(SmoothedUncertaintyOf(months))
                                   : MonthlyUncertaintyRows(months);
  m_model->SetRows(UncertaintyRowsShown(m_rows));
  if (m_model->rowCount() > 0) m_grid->scrollToBottom();
}

std::string UncertaintyView::CsvName() const {
  const SmoothedIndexInfo& info =
      SmoothedIndexInfoOf(static_cast<SmoothedIndex>(m_index->currentIndex() + 1));
  static constexpr const char* kSides[] = {"celkova", "sever", "jih"};
  return std::string(m_smoothed->isChecked() ? "Nejistoty_vyhl_" : "Nejistoty_") +
         std::string(info.CommandName) + "_" + kSides[m_hemisphere->currentIndex()] + ".csv";
}

void UncertaintyView::ExportCsv() {
  if (m_rows.size() <= 1) {
    m_ctx.App.Msg.ShowMessageText(tr("Tabulka je prázdná, soubor se nezapsal."));
    return;
  }
  const std::filesystem::path file = m_ctx.App.ProgDir / kCsvFolderName / CsvName();
  std::error_code error = CreateFolders(file.parent_path());
  if (!error) error = ReplaceOutputFile(file, UncertaintyCsv(m_rows));
  if (error) {
    m_ctx.App.Msg.ShowMessageText(
        tr("Soubor %1 nelze zapsat: %2. Původní soubor zůstal beze změny.")
            .arg(QString::fromStdString(file.filename().string()),
                 QString::fromStdString(FileErrorText(error))));
    return;
  }
  m_ctx.App.Msg.ShowMessageText(
      tr("Tabulka je uložena do souboru %1")
          .arg(QString::fromStdString(
              (std::filesystem::path(kCsvFolderName) / CsvName()).string())));
}

ResultsView* MakeUncertaintyView(ResultsContext& ctx, QWidget* parent) {
  return new UncertaintyView(ctx, parent);
}

}  // namespace ardeno
