// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/maps/maps_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>

#include "core/maps/magnetogram.h"
#include "ui/graphs/mdi_child.h"
#include "ui/maps/magnet_cycles_painter.h"
#include "ui/shell/window_image.h"

namespace ardeno {

namespace {

// The client area the maps are painted on.
class MapCanvas : public QWidget {
 public:
  explicit MapCanvas(MapsWindow* owner) : QWidget(owner), m_owner(owner) {
    setObjectName(QStringLiteral("mapcanvas"));
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    m_owner->PaintView(painter, size(), false);
  }

 private:
  MapsWindow* m_owner;
};

}  // namespace

MapsWindow::MapsWindow(AppContext& ctx, QWidget* parent) : QWidget(parent), m_ctx(ctx) {
  setObjectName(QStringLiteral("TForm7"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QCoreApplication::translate("Ardeno", "Mapa"));
  setFocusPolicy(Qt::StrongFocus);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  m_menu = new QMenuBar(this);
  layout->setMenuBar(m_menu);
  BuildMenus();
  m_toolbar = new QToolBar(this);
  m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
  layout->addWidget(m_toolbar);
  BuildToolbar();
  m_canvas = new MapCanvas(this);
  m_canvas->setMinimumSize(200, 150);
  layout->addWidget(m_canvas, 1);
  m_rotationBar = new QScrollBar(Qt::Horizontal, this);
  m_rotationBar->setObjectName(QStringLiteral("ScrollBar1"));
  m_dayBar = new QScrollBar(Qt::Horizontal, this);
  m_dayBar->setObjectName(QStringLiteral("ScrollBar2"));
  layout->addWidget(m_rotationBar);
  layout->addWidget(m_dayBar);
  m_rotationBar->hide();
  m_dayBar->hide();
  connect(m_rotationBar, &QScrollBar::valueChanged, m_canvas, qOverload<>(&QWidget::update));
  connect(m_dayBar, &QScrollBar::valueChanged, this, [this] {
    setWindowTitle(ImageNameForView(true));
    m_canvas->update();
  });

  m_list = new QListWidget(m_canvas);
  m_list->setObjectName(QStringLiteral("ListBox1"));
  QFont listFont = m_list->font();
  listFont.setPixelSize(m_ctx.Scaled(13));
  m_list->setFont(listFont);
  m_list->hide();
  connect(m_list, &QListWidget::itemActivated, this,
          [this] { ChooseRotation(m_list->currentRow()); });
  connect(m_list, &QListWidget::itemClicked, this,
          [this] { ChooseRotation(m_list->currentRow()); });
  // As with a click, a key let go in the list (the arrows walking it) chooses its rotation.
  m_list->installEventFilter(this);

  m_sizeLabel = new QLabel(m_canvas);
  m_sizeLabel->setObjectName(QStringLiteral("Label2"));
  m_busyPanel = new QLabel(QCoreApplication::translate("Ardeno", "Počítá se"), m_canvas);
  m_busyPanel->setObjectName(QStringLiteral("Panelpocita"));
  m_busyPanel->setAlignment(Qt::AlignCenter);
  m_busyPanel->setStyleSheet(
      QStringLiteral("background: rgb(255,255,200); border: 1px solid black"));
  m_busyPanel->resize(200, 60);
  m_busyPanel->hide();

  if (m_ctx.Inputs) {
    m_coronaButterfly = PrepareCoronaButterfly(m_ctx.Inputs->Corona);
    m_rotationBar->setRange(1, CoronaGraphMaxPosition(m_ctx.Inputs->Corona));
    m_dayBar->setRange(0, std::max(0, m_ctx.Inputs->Corona.DayCount() - 1));
  }
  const bool corona = CoronaPresent();
  for (const char* name : {"Korona1", "KoronaGraf", "Koronamotyl", "koronaglob", "koronapod"})
    MenuAction(name)->setEnabled(corona);

  BuildComparisonPanel();
  m_cyclesBox = new MagnetCyclesBox(m_canvas);
  m_cyclesBox->hide();
  connect(m_cyclesBox, &MagnetCyclesBox::Confirmed, this, &MapsWindow::ShowMagnetCycles);
  DataChanged();
  connect(&m_ctx.Events, &DataEvents::DataChanged, this, [this](DataChange change) {
    if (AltersRecords(change)) DataChanged();
  });
  const int client = m_ctx.Frame ? m_ctx.Frame->height() : 800;
  resize(m_ctx.Frame ? m_ctx.Frame->width() - 2 : 1200,
         std::max(kSmallMapsWindow.Height, client - 60));
  ApplyState();
}

MapsWindow::~MapsWindow() { RestoreWorkRecord(); }

int MapsWindow::LastRotation(const Database& db) {
  return db.RecordCount > 0 ? db.Record(db.RecordCount).Rotation() : 0;
}

void MapsWindow::RestoreWorkRecord() {
  if (m_restored) return;
  m_restored = true;
  Database& db = m_ctx.Db;
  if (db.CurrentIndex >= 1 && db.CurrentIndex <= db.RecordCount)
    db.WorkRecord = db.Record(db.CurrentIndex);
}

QAction* MapsWindow::MenuAction(const QString& name) const {
  const auto it = m_actions.find(name);
  return it == m_actions.end() ? nullptr : it->second;
}

QToolButton* MapsWindow::ToolButton(const QString& name) const {
  const auto it = m_buttons.find(name);
  return it == m_buttons.end() ? nullptr : it->second;
}

void MapsWindow::BuildMenus() {
  auto add = [this](QWidget* menu, const char* name, const QString& text, auto handler) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    menu->addAction(action);
    connect(action, &QAction::triggered, this, handler);
    m_actions[QString::fromLatin1(name)] = action;
    return action;
  };
  add(m_menu, "zavritm", QCoreApplication::translate("Ardeno", "&Zavřít"),
      [this] { CloseWithFrame(this); });
  add(m_menu, "vyberm", QCoreApplication::translate("Ardeno", " &Rotace"),
      &MapsWindow::vybermClick);
  add(m_menu, "mapky", QCoreApplication::translate("Ardeno", "Mapa otočky"),
      &MapsWindow::mapkyClick)
      ->setCheckable(true);
  add(m_menu, "dlouhamap", QCoreApplication::translate("Ardeno", "Dlouhá  mapa"),
      &MapsWindow::dlouhamapClick);
  add(m_menu, "vysokamap", QCoreApplication::translate("Ardeno", "Vysoká  mapa"),
      &MapsWindow::vysokamapClick);
  add(m_menu, "dvenadsebou", QCoreApplication::translate("Ardeno", "Dvě nadsebou"),
      &MapsWindow::dvenadsebouClick);
  add(m_menu, "Tisk1", QCoreApplication::translate("Ardeno", "&Tisk"), &MapsWindow::Tisk1Click);
  QMenu* corona = m_menu->addMenu(QCoreApplication::translate("Ardeno", "Korona"));
  corona->setObjectName(QStringLiteral("Korona1"));
  m_actions[QStringLiteral("Korona1")] = corona->menuAction();
  add(corona, "KoronaGraf", QCoreApplication::translate("Ardeno", "Korona Graf"),
      &MapsWindow::KoronaGrafClick);
  add(corona, "Koronamotyl", QCoreApplication::translate("Ardeno", "Korona motýl"),
      &MapsWindow::koronamotylClick);
  add(corona, "koronaglob", QCoreApplication::translate("Ardeno", "Korona skutečná"),
      &MapsWindow::koronaglobClick);
  add(corona, "koronapod", QCoreApplication::translate("Ardeno", "Korona pod mapu"),
      &MapsWindow::koronapodClick)
      ->setCheckable(true);
  add(m_menu, "MagnetoSfera1", QCoreApplication::translate("Ardeno", "MagnetoSfera"),
      &MapsWindow::MagnetoSfera1Click);
  add(m_menu, "datamagnet", tr("Cykly magnetosféry"), &MapsWindow::datamagnetClick);
  add(m_menu, "Srovnani", QCoreApplication::translate("Ardeno", "Srovnávání"),
      &MapsWindow::SrovnaniClick)
      ->setCheckable(true);
  MenuAction("mapky")->setChecked(true);
}

void MapsWindow::BuildToolbar() {
  auto add = [this](const char* name, const QString& text, const QString& hint, auto handler) {
    auto* button = new QToolButton(m_toolbar);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setToolTip(hint);
    button->setCheckable(true);
    m_toolbar->addWidget(button);
    connect(button, &QToolButton::clicked, this, handler);
    m_buttons[QString::fromLatin1(name)] = button;
    return button;
  };
  add("fakulzap", QStringLiteral("F"),
      QCoreApplication::translate("Ardeno", "Zapnout vypnout fakule"), &MapsWindow::ToggleFaculae)
      ->setChecked(true);
  add("plochazap", QStringLiteral("P"),
      QCoreApplication::translate("Ardeno", "Zapnout vypnout plochy"), &MapsWindow::ToggleOutlines)
      ->setChecked(true);
  add("mensivetsi", QStringLiteral("<>"), QCoreApplication::translate("Ardeno", "Zmenšit"),
      &MapsWindow::ToggleSize)
      ->setCheckable(false);
  add("koronazap", QStringLiteral("K"),
      QCoreApplication::translate("Ardeno", "Zapnout - vypnout koronu"),
      &MapsWindow::ToggleCoronaUnderlay);
  add("magnetzap", QStringLiteral("Mg"),
      QCoreApplication::translate("Ardeno", "Zapnout vypnout magnetosféru"),
      &MapsWindow::ToggleMagnetosphereUnderlay);
  add("magnobr", QStringLiteral("M"),
      QCoreApplication::translate("Ardeno", "Zapnout vypnout obrázek magnetosféry"),
      &MapsWindow::ToggleMagnetospherePicture);
}

void MapsWindow::DataChanged() {
  BuildRotationList();
  Invalidate();
}

void MapsWindow::BuildRotationList() {
  const Database& db = m_ctx.Db;
  m_rotations = ardeno::BuildRotationList(db);
  m_list->clear();
  for (const RotationListEntry& entry : m_rotations)
    m_list->addItem(QString::number(entry.Rotation));
  m_listIndex = RotationListPosition(m_rotations, db.CurrentIndex);
  // The work record decides the rotation shown; without one the current record's rotation.
  if (!db.WorkRecord.HasDate() && !m_rotations.empty())
    m_ctx.Db.WorkRecord = db.Record(m_rotations[static_cast<std::size_t>(m_listIndex)].RecordIndex);
}

int MapsWindow::MapRotation() const { return m_ctx.Db.WorkRecord.Rotation(); }

std::vector<int> MapsWindow::RotationsShown() const {
  if (!IsStripView(m_state.View())) return {MapRotation()};
  std::vector<int> rotations;
  for (const Strip& strip : m_stripScene.Strips) rotations.push_back(strip.Rotation);
  return rotations;
}

void MapsWindow::ChooseRotation(int position) {
  if (position < 0 || position >= static_cast<int>(m_rotations.size())) return;
  m_ctx.Db.WorkRecord =
      m_ctx.Db.Record(m_rotations[static_cast<std::size_t>(position)].RecordIndex);
  m_listIndex = position;
  m_list->hide();
  Invalidate();
}

bool MapsWindow::ChooseRotationNumber(int rotation) {
  for (std::size_t p = m_rotations.size(); p-- > 0;) {
    if (m_rotations[p].Rotation == rotation) {
      ChooseRotation(static_cast<int>(p));
      return true;
    }
  }
  return false;
}

void MapsWindow::SetSwitches(bool faculae, bool outlines, bool corona, bool magnetosphere) {
  m_state.SetSwitches(faculae, outlines, corona, magnetosphere, DataPresent());
  ApplyState();
}

void MapsWindow::SetCoronaGraphPosition(int position) { m_rotationBar->setValue(position); }

void MapsWindow::Invalidate() {
  m_preparedKey.reset();
  if (IsSynopticView(m_state.View()))
    setWindowTitle(QString::fromStdString(MapCaption(RotationDates(MapRotation()))));
  m_canvas->update();
}

void MapsWindow::ShowView(View view) {
  m_state.Show(view);
  ApplyState();
}

void MapsWindow::ApplyState() {
  const MapSwitches& on = m_state.Switches();
  ToolButton("fakulzap")->setChecked(on.Faculae);
  ToolButton("plochazap")->setChecked(on.Outlines);
  ToolButton("koronazap")->setChecked(on.CoronaUnderlay);
  ToolButton("magnetzap")->setChecked(on.MagnetUnderlay);
  ToolButton("magnobr")->setChecked(on.MagnetPicture);
  MenuAction("koronapod")->setChecked(on.CoronaUnderlay);
  MenuAction("mapky")->setChecked(m_state.View() == View::Map);
  MenuAction("Srovnani")->setChecked(m_state.ComparisonShown());
  const MapsControls controls = ControlsOf(m_state.View());
  m_rotationBar->setVisible(controls.RotationBar);
  m_dayBar->setVisible(controls.DayBar);
  m_toolbar->setVisible(controls.Toolbar);
  // The cycles' box stays open while its question is filled in, until another view is shown.
  if (m_state.View() != m_appliedView && !controls.CyclesBox) m_cyclesBox->hide();
  m_appliedView = m_state.View();
  ApplyComparison();
  Invalidate();
}

bool MapsWindow::Done(MapsCommand result, const char* missing) {
  if (result == MapsCommand::Done) return true;
  m_ctx.Msg.ShowMessageText(QCoreApplication::translate("Ardeno", missing));
  return false;
}

MapsDataPresent MapsWindow::DataPresent() const { return {CoronaPresent(), MagnetogramsPresent()}; }

bool MapsWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_list && event->type() == QEvent::KeyRelease && m_list->isVisible() &&
      !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
    ChooseRotation(m_list->currentRow());
  }
  return QWidget::eventFilter(watched, event);
}

void MapsWindow::vybermClick() {
  m_list->setCurrentRow(m_listIndex);
  m_list->setGeometry(0, 0, m_ctx.Scaled(90), std::max(100, m_canvas->height()));
  m_list->show();
  m_list->raise();
  m_list->setFocus();
}

void MapsWindow::mapkyClick() {
  m_state.ShowComparison(false);
  if (const auto area = FrameArea()) {
    // The frame's area holds the main window's toolbar already.
    constexpr int kToolbarInArea = 0;
    const QSize now = OuterWindow(this)->size();
    ResizeWithinFrame(SingleMapWindowSize({now.width(), now.height()}, *area, kToolbarInArea));
  }
  ShowView(View::Map);
}

std::optional<WindowSize> MapsWindow::FrameArea() const {
  const auto* frame = qobject_cast<const QMdiSubWindow*>(parentWidget());
  if (frame == nullptr || frame->mdiArea() == nullptr) return std::nullopt;
  const QSize area = frame->mdiArea()->viewport()->size();
  return WindowSize{area.width(), area.height()};
}

void MapsWindow::ResizeWithinFrame(WindowSize outer) {
  // The sizes are the frame's, title and border included, as the frame's area measures them.
  OuterWindow(this)->resize(outer.Width, outer.Height);
}

void MapsWindow::dlouhamapClick() { ShowView(View::LongMap); }

void MapsWindow::vysokamapClick() { ShowView(View::HighMap); }

void MapsWindow::dvenadsebouClick() {
  if (const auto area = FrameArea()) ResizeWithinFrame(TwoMapsWindowSize(*area));
  ShowView(View::TwoMaps);
}

bool MapsWindow::CoronaPresent() const {
  return m_ctx.Inputs && m_ctx.Inputs->Corona.FolderFound && m_ctx.Inputs->Corona.DayCount() > 0;
}

void MapsWindow::KoronaGrafClick() {
  Done(m_state.ShowCoronaView(View::CoronaGraph, DataPresent()), kNoCoronaData);
  ApplyState();
}

void MapsWindow::koronamotylClick() {
  if (Done(m_state.ShowCoronaView(View::CoronaButterfly, DataPresent()), kNoCoronaData))
    ApplyState();
}

void MapsWindow::koronaglobClick() {
  if (CoronaPresent()) {
    // Start at the map rotation's first day when the corona reaches it.
    const std::int64_t day = RotationDates(MapRotation()).CoronaDayIndex;
    if (day >= 0 && day <= m_dayBar->maximum()) m_dayBar->setValue(static_cast<int>(day));
  }
  if (!Done(m_state.ShowCoronaView(View::RealCorona, DataPresent()), kNoCoronaData)) return;
  ApplyState();
  setWindowTitle(ImageNameForView(true));
}

void MapsWindow::koronapodClick() { ToggleCoronaUnderlay(); }

void MapsWindow::ToggleCoronaUnderlay() {
  Done(m_state.ToggleCoronaUnderlay(DataPresent()), kNoCoronaData);
  ApplyState();
}

bool MapsWindow::MagnetogramsPresent() const {
  return std::filesystem::is_directory(m_ctx.ProgDir / kMagnetogramFolder);
}

void MapsWindow::MagnetoSfera1Click() {
  Done(m_state.ShowMagnetosphere(DataPresent()), kNoMagnetosphereData);
  ApplyState();
}

void MapsWindow::ToggleMagnetosphereUnderlay() {
  Done(m_state.ToggleMagnetUnderlay(DataPresent()), kNoMagnetosphereData);
  ApplyState();
}

void MapsWindow::ToggleMagnetospherePicture() {
  // Without the Magneto folder the picture stays off, and the user is told why.
  Done(m_state.ToggleMagnetPicture(DataPresent()), kNoMagnetosphereData);
  ApplyState();
}

void MapsWindow::ToggleFaculae() {
  m_state.ToggleFaculae();
  ApplyState();
}

void MapsWindow::ToggleOutlines() {
  m_state.SetOutlines(!m_state.Switches().Outlines);
  ApplyState();
}

void MapsWindow::ToggleSize() {
  QWidget* frame = parentWidget() ? parentWidget() : this;
  const QSize chrome = frame->size() - size();
  m_state.ToggleSmall();
  std::optional<WindowSize> mainClient;
  if (m_ctx.Frame) mainClient = WindowSize{m_ctx.Frame->width(), m_ctx.Frame->height()};
  const WindowSize wanted = ToggledMapsWindowSize(m_state.Small(), mainClient);
  frame->resize(QSize(wanted.Width, wanted.Height) + (frame == this ? QSize() : chrome));
  ToolButton("mensivetsi")
      ->setToolTip(m_state.Small() ? QCoreApplication::translate("Ardeno", "Zvětšit")
                                   : QCoreApplication::translate("Ardeno", "Zmenšit"));
}

QString MapsWindow::ImageNameForView(bool shown) const {
  // The picture's file name keeps its Czech bytes; the caption reads in the windows' language.
  const MapsImageName name =
      ImageNameOf(m_state.View(), MapRotation(), m_rotationBar->value(), m_dayBar->value());
  const QString stem =
      shown ? QCoreApplication::translate("Ardeno", name.Stem) : QString::fromUtf8(name.Stem);
  const QString whole = stem + QString::fromStdString(name.Suffix);
  return shown ? whole : whole.left(20);
}

void MapsWindow::PrepareIfNeeded(QSize client) {
  const MapsSceneKey key =
      m_state.SceneKey(MapRotation(), client.width(), client.height(), m_ctx.View.AreaMultiple);
  if (m_preparedKey && *m_preparedKey == key) return;
  m_preparedKey = key;
  // Every scene is rebuilt below, so no pointer into the dropped underlays survives.
  if (m_magnetospheres.size() > 4) m_magnetospheres.clear();
  const Database& db = m_ctx.Db;
  const int rotation = key.Rotation;
  const MapSwitches& on = key.Switches;
  if (IsStripView(key.View)) {
    const StripPlan plan =
        PlanStrips(key.View, client.width(), client.height(), rotation, LastRotation(db));
    m_stripScene = PrepareStripScene(db, Sightings(), plan.Variant, plan.K, rotation, plan.Count,
                                     key.AreaMultiple);
    return;
  }
  if (key.View != View::Map) return;
  if (key.Comparison) {
    m_comparisonScene.Upper = PrepareHalf(ComparisonHalf::Upper, client, key.AreaMultiple);
    m_comparisonScene.Lower = PrepareHalf(ComparisonHalf::Lower, client, key.AreaMultiple);
    return;
  }
  const int k = SingleMapScale(client.height());
  m_singleScene = PrepareSingleMapScene(db, Sightings(), rotation, k, key.AreaMultiple, on.Faculae,
                                        on.Outlines);
  m_singleScene.NarrowFont = client.width() < 1000;
  if (on.CoronaUnderlay) {
    m_singleScene.Corona = CoronaUnderlayOf(rotation);
    m_singleScene.CoronaDayIndex = RotationDates(rotation).CoronaDayIndex;
  }
  if (on.MagnetUnderlay) m_singleScene.Magnetosphere = &MagnetosphereOf(rotation);
  if (on.MagnetPicture) {
    QImage picture(QString::fromStdString(
        (m_ctx.ProgDir / "magnetOBR" / ("On" + std::to_string(rotation) + ".bmp")).string()));
    if (!picture.isNull()) m_singleScene.MagnetospherePicture = picture;
  }
}

void MapsWindow::PaintView(QPainter& painter, QSize client, bool printing) {
  painter.fillRect(QRect(QPoint(0, 0), client), Qt::white);
  PrepareIfNeeded(client);
  switch (m_state.View()) {
    case View::Map:
      if (m_state.ComparisonShown())
        PaintComparison(painter, m_comparisonScene, client, printing);
      else
        PaintSingleMap(painter, m_singleScene, client, printing);
      break;
    case View::LongMap:
    case View::HighMap:
    case View::TwoMaps:
      PaintStrips(painter, m_stripScene, client);
      break;
    case View::CoronaGraph:
      if (m_ctx.Inputs) PaintCoronaGraph(painter, m_ctx.Inputs->Corona, m_rotationBar->value());
      break;
    case View::CoronaButterfly:
      PaintCoronaButterfly(painter, m_coronaButterfly, client);
      break;
    case View::RealCorona:
      if (m_ctx.Inputs) PaintRealCorona(painter, m_ctx.Inputs->Corona, m_dayBar->value(), client);
      break;
    case View::MagnetCycles:
      if (m_magnetCycles) PaintMagnetCycles(painter, *m_magnetCycles, client);
      break;
  }
}

void MapsWindow::PrintTo(QPrinter& printer, const QString& note) {
  QPainter painter(&printer);
  const QRect page = painter.viewport();
  // The observer's own line under the map ("A" before printing), a line high in the page's units.
  const auto writeNote = [&painter, &page, &note](int top) {
    if (note.isEmpty()) return;
    QFont font = painter.font();
    const int line = std::max(1, page.width() / 50);
    font.setPixelSize(line);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(
        QRect(0, std::min(top + line, page.height() - 2 * line), page.width(), 2 * line),
        Qt::AlignLeft | Qt::AlignVCenter, note);
  };
  if (m_state.View() == View::HighMap) {
    // Drawn on the page itself, at the page's resolution.
    const int k = StripPrintScale(page.width());
    const int first = MapRotation();
    const int count =
        std::min(kPrintedHighMapRotations, std::max(0, LastRotation(m_ctx.Db) - first + 1));
    const StripScene scene = PrepareStripScene(m_ctx.Db, Sightings(), StripVariant::High, k, first,
                                               count, m_ctx.View.AreaMultiple);
    PaintStrips(painter, scene, page.size());
    writeNote(page.height());
    return;
  }
  const QSize client(m_canvas->width() - 5, m_canvas->height());
  QImage image(client, QImage::Format_RGB32);
  {
    QPainter imagePainter(&image);
    PaintView(imagePainter, client, true);
  }
  const int pictureHeight = page.width() * client.height() / client.width();
  painter.drawImage(QRect(0, 0, page.width(), pictureHeight), image);
  writeNote(pictureHeight);
}

void MapsWindow::Tisk1Click() {
  const bool textRequested = m_ctx.View.InsertTextRequest == 1;
  QString note;
  if (textRequested)
    note = m_ctx.Msg.AskValue(tr("Text, který se vytiskne pod mapou:"), QString()).trimmed();
  QPrinter printer(QPrinter::HighResolution);
  if (!m_ctx.Dialogs.SetUpPrinter(this, printer)) return;
  PrintTo(printer, note);
  if (textRequested) {
    // The request served one printout; the panel's "A" is offered again.
    m_ctx.View.InsertTextRequest = 0;
    emit InsertTextUsed();
  }
}

void MapsWindow::SaveImage(bool ask) {
  m_sizeLabel->hide();
  const bool toolbarShown = m_toolbar->isVisible();
  m_toolbar->hide();
  const bool panelShown = m_comparisonPanel->isVisible();
  m_comparisonPanel->hide();
  const bool outlines = m_state.Switches().Outlines;
  m_state.SetOutlines(false);
  Invalidate();
  SaveWindowImage(m_ctx, m_canvas, ask);
  m_state.SetOutlines(outlines);
  Invalidate();
  m_toolbar->setVisible(toolbarShown);
  m_comparisonPanel->setVisible(panelShown);
  m_sizeLabel->show();
}

const CoronaData* MapsWindow::CoronaUnderlayOf(int rotation) const {
  if (!CoronaPresent()) return nullptr;
  const std::int64_t day = RotationDates(rotation).CoronaDayIndex;
  return CoronaUnderlayAvailable(m_ctx.Inputs->Corona, day) ? &m_ctx.Inputs->Corona : nullptr;
}

void MapsWindow::keyReleaseEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Z:
      m_state.SetOutlines(true);
      ApplyState();
      break;
    case Qt::Key_V:
      m_state.SetOutlines(false);
      ApplyState();
      break;
    case Qt::Key_F8:
      m_ctx.View.ImageName = ImageNameForView(false);
      SaveImage(true);
      break;
    case Qt::Key_F9:
      m_ctx.View.ImageName = QStringLiteral("MagnetSuma");
      SaveImage(false);
      break;
    case Qt::Key_P:
      SumMagnetosphere();
      break;
    default:
      QWidget::keyReleaseEvent(event);
      return;
  }
  event->accept();
}

void MapsWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  m_sizeLabel->setText(QString::number(width()) + " x " + QString::number(height()));
  m_sizeLabel->adjustSize();
  m_sizeLabel->move(std::max(0, m_canvas->width() - 65), 2);
}

void MapsWindow::closeEvent(QCloseEvent* event) {
  RestoreWorkRecord();
  event->accept();
}

}  // namespace ardeno
