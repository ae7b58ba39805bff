#include "ui/graphs/smoothed_graphs_window.h"

#include <QActionGroup>
#include <QGroupBox>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/data/sidc_files.h"
#include "core/graphs/daily_graph_axis.h"
#include "core/text/number_format.h"
#include "ui/graphs/graph_canvas.h"
#include "ui/graphs/graph_fonts.h"
#include "ui/graphs/graph_text.h"
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
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  m_menuBar = new QMenuBar(this);
  layout->setMenuBar(m_menuBar);
  m_canvas = new GraphCanvas(this);
  m_canvas->Paint = [this](QPainter& painter) { PaintCanvas(painter); };
  layout->addWidget(m_canvas, 1);
  m_scroll = new QScrollBar(Qt::Horizontal, this);
  layout->addWidget(m_scroll);
  m_label = new QLabel(m_canvas);
  m_label->setObjectName("Label3");
  BuildMenus();
  BuildStretchBox();
  connect(m_canvas, &GraphCanvas::Resized, this, [this] {
    UpdateScrollRange();
    m_label->setText(QString("%1 x %2").arg(m_canvas->width()).arg(m_canvas->height()));
    m_label->adjustSize();
    m_label->move(m_canvas->width() - m_label->width() - 10, 0);
  });
  connect(m_canvas, &GraphCanvas::Clicked, m_canvas, qOverload<>(&QWidget::update));
  connect(m_scroll, &QScrollBar::valueChanged, this, [this] {
    m_scaleShown = false;
    m_canvas->update();
  });
  resize(1000, 650);
  m_factorBar = new QScrollBar(Qt::Horizontal, m_canvas);
  m_factorBar->setObjectName("ScrollBar1");
  m_factorBar->setToolTip(QString::fromUtf8("Posouvání koeficientu  brusel"));
  m_factorBar->setRange(-100, 100);
  m_factorBar->setGeometry(200, 30, 300, 18);
  m_factorBar->hide();
  m_factorLabel = new QLabel(m_canvas);
  m_factorLabel->setGeometry(510, 30, 80, 18);
  m_factorLabel->hide();
  connect(m_factorBar, &QScrollBar::valueChanged, this,
          &SmoothedGraphsWindow::SetBrusselsPosition);
  m_months = CollectMonths(m_ctx.Db);
  m_asymmetry = m_ctx.Groups.Asymmetry(m_ctx.Db);
  PrepareBrussels();
  SelectIndex(SmoothedIndex::G);
  connect(&m_ctx.Events, &DataEvents::DataChanged, this, [this](DataChange change) {
    if (AltersRecords(change)) ReloadData();
  });
}

void SmoothedGraphsWindow::PrepareBrussels() {
  m_brussels = {};
  if (m_ctx.Inputs == nullptr || m_ctx.Inputs->SidcDaily.DaysFilled == 0) return;
  const int tableFirstYear = SidcYearFromName(FindFirstSidcFile(m_ctx.ProgDir));
  if (tableFirstYear <= 0) return;
  m_brussels = SidcMonthMeans(m_ctx.Inputs->SidcDaily, tableFirstYear, m_months.Span.FirstYear);
}

void SmoothedGraphsWindow::ShowBrussels(bool shown) {
  m_brusselsShown = shown && m_picture.Index == SmoothedIndex::R;
  m_actions["BruselR"]->setChecked(m_brusselsShown);
  m_factorBar->setVisible(m_brusselsShown);
  m_factorLabel->setVisible(m_brusselsShown);
  if (m_brusselsShown && m_brussels.Values.empty())
    m_ctx.Msg.ShowMessageText(QString::fromUtf8("Denní relativní čísla SIDC nejsou načtena"));
  SetBrusselsPosition(m_factorBar->value());
}

void SmoothedGraphsWindow::SetBrusselsPosition(int position) {
  m_brusselsFactor = BrusselsFactorFor(position);
  m_factorLabel->setText(QString::fromStdString(FormatFloat("#0.000", m_brusselsFactor)));
  m_canvas->update();
}

QAction* SmoothedGraphsWindow::AddAction(QMenu* menu, const char* name, const QString& text,
                                         bool checkable) {
  QAction* action = menu->addAction(text);
  action->setObjectName(name);
  action->setCheckable(checkable);
  m_actions[name] = action;
  return action;
}

void SmoothedGraphsWindow::BuildMenus() {
  QMenu* indexes = m_menuBar->addMenu(QString::fromUtf8("&Křivka"));
  indexes->setObjectName("vyberkrivku");
  auto* indexGroup = new QActionGroup(this);
  for (const SmoothedIndexInfo& info : SmoothedIndexes()) {
    QAction* action = AddAction(indexes, info.MenuName.data(), GraphText(info.MenuText), true);
    indexGroup->addAction(action);
    const SmoothedIndex index = info.Index;
    connect(action, &QAction::triggered, this, [this, index] { SelectIndex(index); });
  }
  QMenu* asymmetry = m_menuBar->addMenu(QString::fromUtf8("&Asymetrie"));
  auto* diagramGroup = new QActionGroup(this);
  const std::pair<const char*, AsymmetryDiagram> diagrams[] = {
      {"zaznamova", AsymmetryDiagram::PerRecord},
      {"mesicni", AsymmetryDiagram::Monthly},
      {"rocni", AsymmetryDiagram::Yearly}};
  const char* diagramTexts[] = {"Záznamový", "Měsíční", "Roční"};
  for (std::size_t i = 0; i < std::size(diagrams); ++i) {
    QAction* action = AddAction(asymmetry, diagrams[i].first,
                                QString::fromUtf8(diagramTexts[i]), true);
    diagramGroup->addAction(action);
    const AsymmetryDiagram diagram = diagrams[i].second;
    connect(action, &QAction::triggered, this, [this, diagram] { SelectDiagram(diagram); });
  }
  asymmetry->addSeparator();
  auto* kindGroup = new QActionGroup(this);
  QAction* difference =
      AddAction(asymmetry, "rozdilova", QString::fromUtf8("Rozdílová  asym"), true);
  QAction* ratio = AddAction(asymmetry, "podilova", QString::fromUtf8("Podílová  asym"), true);
  kindGroup->addAction(difference);
  kindGroup->addAction(ratio);
  connect(difference, &QAction::triggered, this,
          [this] { SelectKind(AsymmetryKind::Difference); });
  connect(ratio, &QAction::triggered, this, [this] { SelectKind(AsymmetryKind::Ratio); });

  QMenu* other = m_menuBar->addMenu(QString::fromUtf8("&Graf"));
  connect(AddAction(other, "stupnic", QString::fromUtf8("Stupnice"), false), &QAction::triggered,
          this, &SmoothedGraphsWindow::ShowScale);
  connect(AddAction(other, "BruselR", QString::fromUtf8("Brusel R"), true), &QAction::toggled,
          this, &SmoothedGraphsWindow::ShowBrussels);
  connect(AddAction(other, "zvetsit", QString::fromUtf8("Zvětšovat"), false),
          &QAction::triggered, this, &SmoothedGraphsWindow::ShowStretchBox);
  connect(AddAction(other, "ulozitobr", QString::fromUtf8("Uložit všechny grafy"), false),
          &QAction::triggered, this, &SmoothedGraphsWindow::SaveAll);
  connect(AddAction(other, "tiskvyhl", QString::fromUtf8("Tisk "), false), &QAction::triggered,
          this, &SmoothedGraphsWindow::Print);
  connect(AddAction(other, "zaviratv", QString::fromUtf8("Zavřít"), false), &QAction::triggered,
          this, [this] { OuterWindow(this)->close(); });
  for (const SmoothedIndexInfo& info : SmoothedIndexes()) {
    const SmoothedIndex index = info.Index;
    m_panelOperations[GraphText(info.ButtonName)] = [this, index] { SelectIndex(index); };
  }
  const std::pair<const char*, AsymmetryDiagram> diagramButtons[] = {
      {"zakrsovy", AsymmetryDiagram::PerRecord},
      {"mesicni", AsymmetryDiagram::Monthly},
      {"rocni", AsymmetryDiagram::Yearly}};
  for (const auto& [button, diagram] : diagramButtons)
    m_panelOperations[button] = [this, diagram = diagram] { SelectDiagram(diagram); };
  const std::pair<const char*, SmoothedView> viewButtons[] = {{"CElek", SmoothedView::Whole},
                                                              {"severni", SmoothedView::North},
                                                              {"jizniv", SmoothedView::South},
                                                              {"sev_jih", SmoothedView::Both}};
  for (const auto& [button, view] : viewButtons)
    m_panelOperations[button] = [this, view = view] { SelectView(view); };
  m_panelOperations["stupnicevyhl"] = [this] { ShowScale(); };
  m_actions["zaznamova"]->setChecked(true);
  m_actions[m_ctx.View.AsymmetryKind == 1 ? "rozdilova" : "podilova"]->setChecked(true);
}

void SmoothedGraphsWindow::BuildStretchBox() {
  m_stretchBox = new QGroupBox(m_canvas);
  m_stretchBox->setObjectName("GroupBox1");
  auto* layout = new QVBoxLayout(m_stretchBox);
  layout->addWidget(new QLabel(QString::fromUtf8("Šířku"), m_stretchBox));
  m_stretchWidth = new QLineEdit(m_stretchBox);
  m_stretchWidth->setObjectName("Edit1");
  layout->addWidget(m_stretchWidth);
  layout->addWidget(new QLabel(QString::fromUtf8("Výšku"), m_stretchBox));
  m_stretchHeight = new QLineEdit(m_stretchBox);
  m_stretchHeight->setObjectName("Edit2");
  layout->addWidget(m_stretchHeight);
  auto* confirm = new QPushButton(QString::fromUtf8("Potvrdit"), m_stretchBox);
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

QAction* SmoothedGraphsWindow::Action(const QString& name) const {
  const auto found = m_actions.find(name);
  return found == m_actions.end() ? nullptr : found->second;
}

QWidget* SmoothedGraphsWindow::Canvas() const { return m_canvas; }

bool SmoothedGraphsWindow::HandlesPanelButton(const QString& buttonName) const {
  return m_panelOperations.count(buttonName) > 0;
}

void SmoothedGraphsWindow::PanelButtonClicked(const QString& buttonName) {
  if (const auto found = m_panelOperations.find(buttonName); found != m_panelOperations.end())
    found->second();
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
  m_actions["BruselR"]->setEnabled(m_picture.Index == SmoothedIndex::R);
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
  m_months = CollectMonths(m_ctx.Db);
  m_asymmetry = m_ctx.Groups.Asymmetry(m_ctx.Db);
  PrepareBrussels();
  m_skipReported = false;
  Prepare();
}

void SmoothedGraphsWindow::UpdateCaption() {
  const SmoothedState state = State();
  if (state.Asymmetry) setWindowTitle(QString::fromUtf8("Asymetrie    graf"));
  else setWindowTitle(SmoothedCaption(m_picture, state));
}

void SmoothedGraphsWindow::UpdateScrollRange() {
  const int content = SmoothedContentWidth(m_picture, State());
  m_scroll->setRange(0, std::max(0, content - m_canvas->width()));
  m_scroll->setPageStep(std::max(1, m_canvas->width()));
}

void SmoothedGraphsWindow::SelectIndex(SmoothedIndex index) {
  m_picture.Index = index;
  m_actions[GraphText(SmoothedIndexInfoOf(index).MenuName)]->setChecked(true);
  Prepare();
  emit IndexSelected(index);
}

void SmoothedGraphsWindow::SelectView(SmoothedView view) {
  m_view = view;
  UpdateCaption();
  m_canvas->update();
}

void SmoothedGraphsWindow::SelectDiagram(AsymmetryDiagram diagram) {
  m_diagram = diagram;
  static const char* kNames[] = {"zaznamova", "mesicni", "rocni"};
  m_actions[kNames[static_cast<int>(diagram) - 1]]->setChecked(true);
  UpdateScrollRange();
  m_canvas->update();
}

void SmoothedGraphsWindow::SelectKind(AsymmetryKind kind) {
  m_ctx.View.AsymmetryKind = kind == AsymmetryKind::Difference ? 1 : 0;
  m_actions[kind == AsymmetryKind::Difference ? "rozdilova" : "podilova"]->setChecked(true);
  Prepare();
}

void SmoothedGraphsWindow::CompressionChanged() {
  UpdateScrollRange();
  m_canvas->update();
}

void SmoothedGraphsWindow::PaintCanvas(QPainter& painter) {
  // The panel's compression buttons change the shared setting and repaint: the scroll range
  // follows the new width of the graph.
  if (m_paintedCompression != m_ctx.View.SmoothCompression) {
    m_paintedCompression = m_ctx.View.SmoothCompression;
    UpdateScrollRange();
  }
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
        QString::fromUtf8("Šířka a výška musí být celá čísla od 1 do %1").arg(kLargestStretch));
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
  m_ctx.View.ImageName = QString::fromUtf8(State().Asymmetry ? "Asymetrie" : "Vyhlazovací");
  SaveWindowImage(m_ctx, m_canvas, true);
  m_label->show();
}

void SmoothedGraphsWindow::Print() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  PrintTo(printer);
}

void SmoothedGraphsWindow::PrintTo(QPrinter& printer) {
  // The window's picture, stretched onto the page with its proportions kept.
  QImage image(m_canvas->size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    const SmoothedState state = State();
    PaintSmoothedGraph(painter, m_picture, state);
    PaintSmoothedScale(painter, m_picture, state);
  }
  QPainter page(&printer);
  const QRect area = page.viewport();
  const QSize fitted = image.size().scaled(area.size(), Qt::KeepAspectRatio);
  page.drawImage(QRect(area.topLeft(), fitted), image);
}

void SmoothedGraphsWindow::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F8) SaveWithQuestion();
  else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
           m_stretchBox->isVisible())
    ApplyStretch();
  else QWidget::keyReleaseEvent(event);
}

void SmoothedGraphsWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  CloseOnDeactivation(this);
}

}  // namespace ardeno
