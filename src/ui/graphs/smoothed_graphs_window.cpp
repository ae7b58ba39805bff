// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/graphs/smoothed_graphs_window.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/data/sidc_files.h"
#include "core/graphs/daily_graph_axis.h"
#include "core/text/number_format.h"
#include "ui/graphs/graph_canvas.h"
#include "ui/graphs/graph_fonts.h"
#include "ui/graphs/graph_text.h"
#include "ui/graphs/graph_window_frame.h"
#include "ui/graphs/mdi_child.h"
#include "ui/shell/window_image.h"

namespace ardeno {

namespace {

constexpr int kLargestStretch = 16000;

}  // namespace

SmoothedGraphsWindow::SmoothedGraphsWindow(AppContext& ctx, QWidget* parent)
    : QWidget(parent), m_ctx(ctx) {
  setObjectName("TForm8");
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(GraphFont(8));
  const GraphWindowFrame frame = BuildGraphWindowFrame(
      this, [this](QPainter& painter) { PaintCanvas(painter); }, m_scaleShown);
  m_menuBar = frame.MenuBar;
  m_canvas = frame.Canvas;
  m_scroll = frame.Scroll;
  // The scroll bar shares its row with the year printing stops at.
  auto* bottom = new QHBoxLayout;
  bottom->setContentsMargins(0, 0, 4, 0);
  bottom->addWidget(m_scroll, 1);
  bottom->addWidget(new QLabel(QCoreApplication::translate("Ardeno", "Tisknout do  roku "), this));
  m_printYear = new QLineEdit(QStringLiteral("2020"), this);
  m_printYear->setObjectName("Edit3");
  m_printYear->setMaximumWidth(60);
  connect(m_printYear, &QLineEdit::textEdited, this, [this] { m_printYearTyped = true; });
  bottom->addWidget(m_printYear);
  frame.Layout->addLayout(bottom);
  m_label = new QLabel(m_canvas);
  m_label->setObjectName("Label3");
  BuildMenus();
  BuildStretchBox();
  BuildComparisonBox();
  connect(m_canvas, &GraphCanvas::Resized, this, [this] {
    UpdateScrollRange();
    m_label->setText(QString("%1 x %2").arg(m_canvas->width()).arg(m_canvas->height()));
    m_label->adjustSize();
    m_label->move(m_canvas->width() - m_label->width() - 10, 0);
  });
  resize(1000, 650);
  m_factorBar = new QScrollBar(Qt::Horizontal, m_canvas);
  m_factorBar->setObjectName("ScrollBar1");
  m_factorBar->setToolTip(QCoreApplication::translate("Ardeno", "Posouvání koeficientu  brusel"));
  m_factorBar->setRange(-100, 100);
  m_factorBar->setGeometry(200, 30, 300, 18);
  m_factorBar->hide();
  m_factorLabel = new QLabel(m_canvas);
  m_factorLabel->setGeometry(510, 30, 80, 18);
  m_factorLabel->hide();
  connect(m_factorBar, &QScrollBar::valueChanged, this, &SmoothedGraphsWindow::SetBrusselsPosition);
  m_months = m_ctx.Months.Get(m_ctx.Db, m_ctx.TableRecords());
  m_asymmetry = m_ctx.Groups.Asymmetry(m_ctx.Db);
  PrepareBrussels();
  SelectIndex(SmoothedIndex::G);
  ReloadOnRecordChanges(this, m_ctx, [this] { ReloadData(); });
  connect(&m_ctx.Events, &DataEvents::RecordChoiceChanged, this, [this] {
    const QSignalBlocker quiet(m_ops.Action("jenvlastni"));
    m_ops.Action("jenvlastni")->setChecked(m_ctx.View.OwnDrawingsOnly);
    ReloadData();
  });
}

void SmoothedGraphsWindow::PrepareBrussels() {
  m_brussels = {};
  if (m_ctx.Inputs == nullptr) return;
  m_brussels = SidcMonthMeansOf(m_ctx.Inputs->SidcDaily, m_ctx.ProgDir, m_months.Span.FirstYear);
}

void SmoothedGraphsWindow::ShowBrussels(bool shown) {
  m_brusselsShown = shown && m_picture.Index == SmoothedIndex::R;
  m_ops.Action("BruselR")->setChecked(m_brusselsShown);
  m_factorBar->setVisible(m_brusselsShown);
  m_factorLabel->setVisible(m_brusselsShown);
  if (m_brusselsShown && m_brussels.Values.empty())
    m_ctx.Msg.ShowMessageText(
        QCoreApplication::translate("Ardeno", "Denní relativní čísla SIDC nejsou načtena"));
  SetBrusselsPosition(m_factorBar->value());
}

void SmoothedGraphsWindow::SetBrusselsPosition(int position) {
  m_brusselsFactor = BrusselsFactorFor(position);
  m_factorLabel->setText(QString::fromStdString(FormatFloat("#0.000", m_brusselsFactor)));
  m_canvas->update();
}

void SmoothedGraphsWindow::BuildMenus() {
  QMenu* indexes = m_menuBar->addMenu(QCoreApplication::translate("Ardeno", "&Křivka"));
  indexes->setObjectName("vyberkrivku");
  auto* indexGroup = new QActionGroup(this);
  for (const SmoothedIndexInfo& info : SmoothedIndexes()) {
    QAction* action = m_ops.AddAction(indexes, info.MenuName.data(),
                                      QString::fromStdString(SmoothedIndexMenuText(info)), true);
    indexGroup->addAction(action);
    const SmoothedIndex index = info.Index;
    connect(action, &QAction::triggered, this, [this, index] { SelectIndex(index); });
  }
  QMenu* asymmetry = m_menuBar->addMenu(QCoreApplication::translate("Ardeno", "&Asymetrie"));
  auto* diagramGroup = new QActionGroup(this);
  const std::pair<const char*, AsymmetryDiagram> diagrams[] = {
      {"zaznamova", AsymmetryDiagram::PerRecord},
      {"mesicni", AsymmetryDiagram::Monthly},
      {"rocni", AsymmetryDiagram::Yearly}};
  const char* diagramTexts[] = {QT_TRANSLATE_NOOP("Ardeno", "Záznamový"),
                                QT_TRANSLATE_NOOP("Ardeno", "Měsíční"),
                                QT_TRANSLATE_NOOP("Ardeno", "Roční")};
  for (std::size_t i = 0; i < std::size(diagrams); ++i) {
    QAction* action = m_ops.AddAction(asymmetry, diagrams[i].first,
                                      QCoreApplication::translate("Ardeno", diagramTexts[i]), true);
    diagramGroup->addAction(action);
    const AsymmetryDiagram diagram = diagrams[i].second;
    connect(action, &QAction::triggered, this, [this, diagram] { SelectDiagram(diagram); });
  }
  asymmetry->addSeparator();
  auto* kindGroup = new QActionGroup(this);
  QAction* difference = m_ops.AddAction(
      asymmetry, "rozdilova", QCoreApplication::translate("Ardeno", "Rozdílová  asym"), true);
  QAction* ratio = m_ops.AddAction(asymmetry, "podilova",
                                   QCoreApplication::translate("Ardeno", "Podílová  asym"), true);
  kindGroup->addAction(difference);
  kindGroup->addAction(ratio);
  connect(difference, &QAction::triggered, this, [this] { SelectKind(AsymmetryKind::Difference); });
  connect(ratio, &QAction::triggered, this, [this] { SelectKind(AsymmetryKind::Ratio); });

  QMenu* other = m_menuBar->addMenu(QCoreApplication::translate("Ardeno", "&Graf"));
  connect(
      m_ops.AddAction(other, "stupnic", QCoreApplication::translate("Ardeno", "Stupnice"), false),
      &QAction::triggered, this, &SmoothedGraphsWindow::ShowScale);
  // The curves of the station's own drawings, without the catalogue days.
  QAction* ownOnly = m_ops.AddAction(
      other, "jenvlastni", QCoreApplication::translate("Ardeno", "Jen vlastní zákresy"), true);
  ownOnly->setChecked(m_ctx.View.OwnDrawingsOnly);
  connect(ownOnly, &QAction::toggled, this,
          [this](bool checked) { m_ctx.ChooseOwnDrawingsOnly(checked); });
  connect(
      m_ops.AddAction(other, "BruselR", QCoreApplication::translate("Ardeno", "Brusel R"), true),
      &QAction::toggled, this, &SmoothedGraphsWindow::ShowBrussels);
  connect(
      m_ops.AddAction(other, "porovnat", QCoreApplication::translate("Ardeno", "Porovnání"), true),
      &QAction::toggled, this, &SmoothedGraphsWindow::ShowComparisonBox);
  connect(
      m_ops.AddAction(other, "zvetsit", QCoreApplication::translate("Ardeno", "Zvětšovat"), false),
      &QAction::triggered, this, &SmoothedGraphsWindow::ShowStretchBox);
  connect(m_ops.AddAction(other, "ulozitobr",
                          QCoreApplication::translate("Ardeno", "Uložit všechny grafy"), false),
          &QAction::triggered, this, &SmoothedGraphsWindow::SaveAll);
  connect(m_ops.AddAction(other, "tiskvyhl", QCoreApplication::translate("Ardeno", "Tisk "), false),
          &QAction::triggered, this, &SmoothedGraphsWindow::Print);
  connect(
      m_ops.AddAction(other, "zaviratv", QCoreApplication::translate("Ardeno", "Zavřít"), false),
      &QAction::triggered, this, [this] { CloseWithFrame(this); });
  for (const SmoothedIndexInfo& info : SmoothedIndexes()) {
    const SmoothedIndex index = info.Index;
    m_ops.OnPanelButton(GraphText(info.ButtonName), [this, index] { SelectIndex(index); });
  }
  const std::pair<const char*, AsymmetryDiagram> diagramButtons[] = {
      {"zakrsovy", AsymmetryDiagram::PerRecord},
      {"mesicni", AsymmetryDiagram::Monthly},
      {"rocni", AsymmetryDiagram::Yearly}};
  for (const auto& [button, diagram] : diagramButtons)
    m_ops.OnPanelButton(button, [this, diagram = diagram] { SelectDiagram(diagram); });
  const std::pair<const char*, SmoothedView> viewButtons[] = {{"CElek", SmoothedView::Whole},
                                                              {"severni", SmoothedView::North},
                                                              {"jizniv", SmoothedView::South},
                                                              {"sev_jih", SmoothedView::Both}};
  for (const auto& [button, view] : viewButtons)
    m_ops.OnPanelButton(button, [this, view = view] { SelectView(view); });
  m_ops.OnPanelButton("stupnicevyhl", [this] { ShowScale(); });
  m_ops.Action("zaznamova")->setChecked(true);
  m_ops.Action(m_ctx.View.AsymmetryKind == 1 ? "rozdilova" : "podilova")->setChecked(true);
}

void SmoothedGraphsWindow::BuildStretchBox() {
  m_stretchBox = new QGroupBox(m_canvas);
  m_stretchBox->setObjectName("GroupBox1");
  auto* layout = new QVBoxLayout(m_stretchBox);
  layout->addWidget(new QLabel(QCoreApplication::translate("Ardeno", "Šířku"), m_stretchBox));
  m_stretchWidth = new QLineEdit(m_stretchBox);
  m_stretchWidth->setObjectName("Edit1");
  layout->addWidget(m_stretchWidth);
  layout->addWidget(new QLabel(QCoreApplication::translate("Ardeno", "Výšku"), m_stretchBox));
  m_stretchHeight = new QLineEdit(m_stretchBox);
  m_stretchHeight->setObjectName("Edit2");
  layout->addWidget(m_stretchHeight);
  auto* confirm = new QPushButton(QCoreApplication::translate("Ardeno", "Potvrdit"), m_stretchBox);
  confirm->setObjectName("Button1");
  layout->addWidget(confirm);
  for (QLineEdit* edit : {m_stretchWidth, m_stretchHeight}) {
    edit->setValidator(new QIntValidator(1, kLargestStretch, edit));
    connect(edit, &QLineEdit::returnPressed, this, &SmoothedGraphsWindow::ApplyStretch);
  }
  connect(confirm, &QPushButton::clicked, this, &SmoothedGraphsWindow::ApplyStretch);
  m_stretchBox->adjustSize();
  m_stretchBox->hide();
}

void SmoothedGraphsWindow::BuildComparisonBox() {
  m_compareBox = new QGroupBox(QCoreApplication::translate("Ardeno", "Porovnání"), m_canvas);
  m_compareBox->setObjectName("GroupBox2");
  m_compareBox->setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(m_compareBox);
  layout->setSpacing(2);
  for (const ComparedSeriesInfo& info : ComparedSeriesList()) {
    auto* box = new QCheckBox(QString::fromStdString(ComparedSeriesText(info)), m_compareBox);
    box->setObjectName(GraphText(info.BoxName));
    layout->addWidget(box);
    m_compareChecks.emplace_back(info.Series, box);
  }
  auto* fluxRow = new QHBoxLayout;
  fluxRow->addWidget(new QLabel(QCoreApplication::translate("Ardeno", "Výběr toku"), m_compareBox));
  for (const FluxKind kind : {FluxKind::Observed, FluxKind::Adjusted, FluxKind::Absolute}) {
    auto* choice = new QRadioButton(GraphText(FluxKindText(kind)), m_compareBox);
    choice->setObjectName(QStringLiteral("RadioButton%1").arg(static_cast<int>(kind) + 1));
    fluxRow->addWidget(choice);
    m_fluxChoice.emplace_back(kind, choice);
  }
  m_fluxChoice.front().second->setChecked(true);
  layout->addLayout(fluxRow);
  auto* confirm = new QPushButton(QCoreApplication::translate("Ardeno", "Potvrdit"), m_compareBox);
  confirm->setObjectName("potvrdp");
  layout->addWidget(confirm);
  connect(confirm, &QPushButton::clicked, this, &SmoothedGraphsWindow::ConfirmComparison);
  m_compareBox->adjustSize();
  m_compareBox->hide();
}

void SmoothedGraphsWindow::ShowComparisonBox(bool shown) {
  m_ops.Action("porovnat")->setChecked(shown);
  if (!shown) {
    m_compareBox->hide();
    EndComparison();
    return;
  }
  // At the right edge, clear of the curves' start.
  m_compareBox->move(std::max(0, m_canvas->width() - m_compareBox->width() - 10), 30);
  m_compareBox->show();
  m_compareBox->raise();
}

void SmoothedGraphsWindow::ConfirmComparison() {
  std::vector<ComparedSeries> chosen;
  for (const auto& [series, box] : m_compareChecks)
    if (box->isChecked()) chosen.push_back(series);
  FluxKind flux = FluxKind::Observed;
  for (const auto& [kind, choice] : m_fluxChoice)
    if (choice->isChecked()) flux = kind;
  if (chosen.empty()) {
    m_ctx.Msg.ShowMessageText(QCoreApplication::translate("Ardeno", "Vyberte křivky k porovnání"));
    return;
  }
  CompareSeries(chosen, flux);
  QStringList missing;
  for (const ComparedSeries series : m_picture.Comparison->WithoutData)
    missing << QString::fromStdString(ComparisonMissingText(series));
  if (!missing.isEmpty()) m_ctx.Msg.ShowMessageText(missing.join('\n'));
}

void SmoothedGraphsWindow::CompareSeries(const std::vector<ComparedSeries>& chosen, FluxKind flux) {
  // The comparison draws smoothed courses: the asymmetry graphs have none.
  if (State().Asymmetry) return;
  m_comparison = ComparisonChoice{chosen, flux};
  for (const auto& [series, box] : m_compareChecks)
    box->setChecked(std::find(chosen.begin(), chosen.end(), series) != chosen.end());
  for (const auto& [kind, choice] : m_fluxChoice) choice->setChecked(kind == flux);
  Prepare();
}

void SmoothedGraphsWindow::EndComparison() {
  if (!m_comparison) return;
  m_comparison.reset();
  Prepare();
}

QWidget* SmoothedGraphsWindow::Canvas() const { return m_canvas; }

std::vector<std::pair<QString, bool>> SmoothedGraphsWindow::PanelButtonStates() const {
  std::vector<std::pair<QString, bool>> states;
  const bool asymmetry = m_ctx.View.SmoothedGraphMode == 1;
  for (const SmoothedIndexInfo& info : SmoothedIndexes())
    states.emplace_back(GraphText(info.ButtonName), !m_comparison && info.Index == m_picture.Index);
  const std::pair<const char*, AsymmetryDiagram> diagrams[] = {
      {"zakrsovy", AsymmetryDiagram::PerRecord},
      {"mesicni", AsymmetryDiagram::Monthly},
      {"rocni", AsymmetryDiagram::Yearly}};
  for (const auto& [button, diagram] : diagrams)
    states.emplace_back(button, asymmetry && diagram == m_diagram);
  const std::pair<const char*, SmoothedView> views[] = {{"CElek", SmoothedView::Whole},
                                                        {"severni", SmoothedView::North},
                                                        {"jizniv", SmoothedView::South},
                                                        {"sev_jih", SmoothedView::Both}};
  for (const auto& [button, view] : views)
    states.emplace_back(button, !asymmetry && view == m_view);
  return states;
}

SmoothedState SmoothedGraphsWindow::State() const {
  SmoothedState state;
  state.Asymmetry = m_ctx.View.SmoothedGraphMode == 1;
  state.View = m_view;
  state.Diagram = m_diagram;
  state.Kind = m_ctx.View.AsymmetryKind == 1 ? AsymmetryKind::Difference : AsymmetryKind::Ratio;
  state.Compression = std::max(1, m_ctx.View.SmoothCompression);
  state.Scroll = m_scroll->value();
  state.Width = m_canvas->width();
  state.Height = m_canvas->height();
  if (m_brusselsShown) state.BrusselsFactor = m_brusselsFactor;
  return state;
}

void SmoothedGraphsWindow::Prepare() {
  const SmoothedState state = State();
  m_picture = BuildSmoothedPicture(m_ctx.Db, m_months, m_asymmetry, m_picture.Index, state.Kind);
  m_picture.Brussels = m_brussels;
  if (m_comparison && !state.Asymmetry) {
    ComparisonSources sources;
    sources.Records = &m_months;
    sources.View = m_view;
    sources.BrusselsR = &m_brussels;
    if (m_ctx.Inputs != nullptr) {
      sources.Areas = &m_ctx.Inputs->SidcAreas;
      sources.Flux = &m_ctx.Inputs->RadioFlux;
    }
    m_picture.Comparison = BuildComparison(m_comparison->Chosen, m_comparison->Flux, sources);
    m_picture.Flux = m_comparison->Flux;
  }
  m_ops.Action("porovnat")->setEnabled(!state.Asymmetry);
  // Until the user types a year, printing reaches the data's last year.
  if (!m_printYearTyped && m_picture.Months.Count() > 0)
    m_printYear->setText(QString::number(m_picture.Months.LastYear()));
  m_ops.Action("BruselR")->setEnabled(m_picture.Index == SmoothedIndex::R);
  if (m_picture.Index != SmoothedIndex::R && m_brusselsShown) ShowBrussels(false);
  if (!m_skipReported && m_picture.Months.SkippedRecords > 0) {
    m_skipReported = true;
    m_ctx.Msg.ShowMessageText(
        QString::fromStdString(SkippedRecordsText(m_picture.Months.SkippedRecords)));
  }
  UpdateScrollRange();
  UpdateCaption();
  m_scaleShown = false;
  m_canvas->update();
}

void SmoothedGraphsWindow::ReloadData() {
  m_months = m_ctx.Months.Get(m_ctx.Db, m_ctx.TableRecords());
  m_asymmetry = m_ctx.Groups.Asymmetry(m_ctx.Db);
  PrepareBrussels();
  m_skipReported = false;
  Prepare();
}

void SmoothedGraphsWindow::UpdateCaption() {
  const SmoothedState state = State();
  // The asymmetry graph names its index as the smoothed graph does (" Asymetrie  sever-jih ...").
  QString caption = m_picture.Comparison && !state.Asymmetry
                        ? QCoreApplication::translate("Ardeno", "Porovnání   vyhlazených  křivek")
                        : SmoothedCaption(m_picture, state);
  if (m_ctx.View.OwnDrawingsOnly)
    caption += QCoreApplication::translate("Ardeno", " - jen vlastní zákresy");
  setWindowTitle(caption);
}

void SmoothedGraphsWindow::UpdateScrollRange() {
  const int content = SmoothedContentWidth(m_picture, State());
  m_scroll->setRange(0, std::max(0, content - m_canvas->width()));
  m_scroll->setPageStep(std::max(1, m_canvas->width()));
}

void SmoothedGraphsWindow::SelectIndex(SmoothedIndex index) {
  // Choosing an index shows that index again.
  m_comparison.reset();
  if (m_ops.Action("porovnat")->isChecked()) {
    m_ops.Action("porovnat")->setChecked(false);
    m_compareBox->hide();
  }
  m_picture.Index = index;
  m_ops.Action(GraphText(SmoothedIndexInfoOf(index).MenuName))->setChecked(true);
  Prepare();
  emit IndexSelected(index);
  emit PanelStateChanged();
}

void SmoothedGraphsWindow::SelectView(SmoothedView view) {
  m_view = view;
  // The compared indices follow the view.
  if (m_comparison) Prepare();
  UpdateCaption();
  m_canvas->update();
  emit PanelStateChanged();
}

void SmoothedGraphsWindow::SelectDiagram(AsymmetryDiagram diagram) {
  m_diagram = diagram;
  static const char* kNames[] = {"zaznamova", "mesicni", "rocni"};
  m_ops.Action(kNames[static_cast<int>(diagram) - 1])->setChecked(true);
  UpdateScrollRange();
  m_canvas->update();
  emit PanelStateChanged();
}

void SmoothedGraphsWindow::SelectKind(AsymmetryKind kind) {
  m_ctx.View.AsymmetryKind = kind == AsymmetryKind::Difference ? 1 : 0;
  m_ops.Action(kind == AsymmetryKind::Difference ? "rozdilova" : "podilova")->setChecked(true);
  Prepare();
}

void SmoothedGraphsWindow::ViewSettingsChanged() {
  UpdateScrollRange();
  m_canvas->update();
}

void SmoothedGraphsWindow::PaintCanvas(QPainter& painter) {
  const SmoothedState state = State();
  PaintSmoothedGraph(painter, m_picture, state);
  if (m_scaleShown) PaintSmoothedScale(painter, m_picture, state);
}

void SmoothedGraphsWindow::ShowScale() {
  m_scaleShown = true;
  m_canvas->update();
}

void SmoothedGraphsWindow::ShowStretchBox() {
  m_stretchWidth->setText(QString::number(m_canvas->width()));
  m_stretchHeight->setText(QString::number(m_canvas->height()));
  m_stretchBox->move(10, 30);
  m_stretchBox->show();
  m_stretchBox->raise();
  m_stretchWidth->setFocus();
}

void SmoothedGraphsWindow::ApplyStretch() {
  bool wideOk = false;
  bool highOk = false;
  const int w = m_stretchWidth->text().toInt(&wideOk);
  const int h = m_stretchHeight->text().toInt(&highOk);
  if (!wideOk || !highOk || w < 1 || h < 1 || w > kLargestStretch || h > kLargestStretch) {
    m_ctx.Msg.ShowMessageText(
        QCoreApplication::translate("Ardeno", "Šířka a výška musí být celá čísla od 1 do %1")
            .arg(kLargestStretch));
    return;
  }
  QWidget* outer = OuterWindow(this);
  outer->resize(outer->size() + (QSize(w, h) - m_canvas->size()));
  m_stretchBox->hide();
  UpdateScrollRange();
}

void SmoothedGraphsWindow::SaveAll() {
  m_label->hide();
  const SmoothedState state = State();
  for (const SmoothedIndexInfo& info : SmoothedIndexes()) {
    SelectIndex(info.Index);
    m_scaleShown = true;
    m_ctx.View.ImageName = QString::fromStdString(
        SmoothedSaveName(info.Index, state.Asymmetry, state.Diagram, state.Kind));
    SaveWindowImage(m_ctx, m_canvas, false);
  }
  m_label->show();
}

void SmoothedGraphsWindow::SaveWithQuestion() {
  m_label->hide();
  const bool boxShown = m_compareBox->isVisible();
  m_compareBox->hide();
  m_ctx.View.ImageName = QString::fromUtf8(State().Asymmetry ? "Asymetrie" : "Vyhlazovací");
  SaveWindowImage(m_ctx, m_canvas, true);
  m_compareBox->setVisible(boxShown);
  m_label->show();
}

void SmoothedGraphsWindow::Print() {
  QPrinter printer(QPrinter::HighResolution);
  if (!m_ctx.Dialogs.SetUpPrinter(this, printer)) return;
  PrintTo(printer);
}

std::optional<QImage> SmoothedGraphsWindow::PrintedPicture() {
  bool yearOk = false;
  const int lastYear = m_printYear->text().trimmed().toInt(&yearOk);
  const int firstYear = m_picture.Months.FirstYear;
  if (!yearOk || m_picture.Months.Count() == 0 || lastYear < firstYear) {
    m_ctx.Msg.ShowMessageText(
        QCoreApplication::translate("Ardeno", "Tisknout do roku: zadejte rok od %1")
            .arg(firstYear));
    return std::nullopt;
  }
  // From the first year, whatever part is scrolled into view, to the end of the year typed.
  SmoothedState state = State();
  state.Scroll = 0;
  int limit = 0;
  if (state.Asymmetry) {
    const int firstMonth = (m_picture.Months.FirstMonth - 1) % 12 + 1;
    const int axisYear = firstYear + (m_picture.Months.FirstMonth - 1) / 12;
    limit = AsymmetryYearLimitX(AsymmetryLayoutFor(state.Height, state.Compression), axisYear,
                                firstMonth, lastYear);
  } else {
    limit =
        SmoothedYearLimitX(SmoothedLayoutFor(state.Height, state.Compression), firstYear, lastYear);
  }
  state.Width = std::min(SmoothedContentWidth(m_picture, state), limit);
  QImage image(std::max(1, state.Width), std::max(1, state.Height), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintSmoothedGraph(painter, m_picture, state);
  PaintSmoothedScale(painter, m_picture, state);
  return image;
}

bool SmoothedGraphsWindow::PrintTo(QPrinter& printer) {
  const std::optional<QImage> image = PrintedPicture();
  if (!image) return false;
  QPainter page(&printer);
  const QRect area = page.viewport();
  const QSize fitted = image->size().scaled(area.size(), Qt::KeepAspectRatio);
  page.drawImage(QRect(area.topLeft(), fitted), *image);
  return true;
}

void SmoothedGraphsWindow::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F8)
    SaveWithQuestion();
  else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
           m_stretchBox->isVisible())
    ApplyStretch();
  else
    QWidget::keyReleaseEvent(event);
}

void SmoothedGraphsWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  CloseOnDeactivation(this);
}

}  // namespace ardeno
