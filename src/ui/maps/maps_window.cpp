// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/maps/maps_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>

#include "core/data/aux_file_io.h"
#include "core/maps/magnetogram.h"
#include "core/text/number_format.h"
#include "ui/graphs/mdi_child.h"
#include "ui/maps/magnet_cycles_painter.h"
#include "ui/shell/window_image.h"

namespace ardeno {

namespace {

constexpr const char* kNoCoronaData = QT_TRANSLATE_NOOP("Ardeno", "Nejsou data pro koronu");
constexpr const char* kNoMagnetosphereData =
    QT_TRANSLATE_NOOP("Ardeno", "Nejsou data pro magnetosféru");
constexpr int kSmallWidth = 812;
constexpr int kSmallHeight = 581;

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

int LastRotation(const Database& db) {
  return db.RecordCount > 0 ? db.Record(db.RecordCount).Rotation() : 0;
}

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
  resize(m_ctx.Frame ? m_ctx.Frame->width() - 2 : 1200, std::max(kSmallHeight, client - 60));
}

MapsWindow::~MapsWindow() { RestoreWorkRecord(); }

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
  if (m_view != View::LongMap && m_view != View::HighMap && m_view != View::TwoMaps)
    return {MapRotation()};
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
  m_faculae = faculae;
  m_outlines = outlines;
  m_coronaUnderlay = corona && CoronaPresent();
  m_magnetUnderlay = magnetosphere;
  ToolButton("fakulzap")->setChecked(m_faculae);
  ToolButton("plochazap")->setChecked(m_outlines);
  ToolButton("koronazap")->setChecked(m_coronaUnderlay);
  ToolButton("magnetzap")->setChecked(m_magnetUnderlay);
  Invalidate();
}

void MapsWindow::SetCoronaGraphPosition(int position) { m_rotationBar->setValue(position); }

void MapsWindow::Invalidate() {
  m_preparedKey.reset();
  if (m_view == View::Map || m_view == View::LongMap || m_view == View::HighMap ||
      m_view == View::TwoMaps)
    setWindowTitle(QString::fromStdString(MapCaption(RotationDates(MapRotation()))));
  m_canvas->update();
}

void MapsWindow::ShowView(View view) {
  if (view != View::Map && m_comparison) ShowComparison(false);
  m_view = view;
  MenuAction("mapky")->setChecked(view == View::Map);
  m_rotationBar->setVisible(view == View::CoronaGraph);
  m_dayBar->setVisible(view == View::RealCorona);
  m_toolbar->setVisible(view != View::RealCorona);
  if (view != View::MagnetCycles) m_cyclesBox->hide();
  Invalidate();
}

bool MapsWindow::ReadMagnetSummaryOnce() {
  if (m_magnetSummaryRead) return true;
  // Read when the cycles are asked for, not at every opening of the window: the summary of a
  // long series is megabytes that most sessions never look at.
  try {
    m_magnetSummary = ReadMagnetSummary(m_ctx.ProgDir, LastRotation(m_ctx.Db));
  } catch (const AuxFileError& error) {
    m_ctx.Msg.ShowMessageText(QString::fromUtf8(error.what()));
    return false;
  }
  m_magnetSummaryRead = true;
  return true;
}

void MapsWindow::datamagnetClick() {
  if (!ReadMagnetSummaryOnce()) return;
  if (!m_magnetSummary.FileFound) {
    m_ctx.Msg.ShowMessageText(
        tr("Soubor magn.dat zatím není: vytvoří ho součet magnetogramů "
           "(klávesa P v okně map)."));
    return;
  }
  m_cyclesBox->move(std::max(0, m_canvas->width() - m_cyclesBox->width() - 10), 10);
  m_cyclesBox->show();
  m_cyclesBox->raise();
}

void MapsWindow::ShowMagnetCycles() {
  QString refusal;
  const std::optional<MagnetCycleQuery> query = m_cyclesBox->Query(refusal);
  if (!query) {
    m_ctx.Msg.ShowMessageText(refusal);
    return;
  }
  m_magnetCycles = CompareMagnetCycles(m_magnetSummary, *query);
  ShowView(View::MagnetCycles);
  setWindowTitle(ImageNameForView(true));
}

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
  m_toolbar->show();
  if (m_comparison) ShowComparison(false);
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

void MapsWindow::dlouhamapClick() {
  m_coronaUnderlay = false;
  ShowView(View::LongMap);
}

void MapsWindow::vysokamapClick() {
  m_coronaUnderlay = false;
  ShowView(View::HighMap);
}

void MapsWindow::dvenadsebouClick() {
  if (const auto area = FrameArea()) ResizeWithinFrame(TwoMapsWindowSize(*area));
  m_coronaUnderlay = false;
  ShowView(View::TwoMaps);
}

bool MapsWindow::CoronaPresent() const {
  return m_ctx.Inputs && m_ctx.Inputs->Corona.FolderFound && m_ctx.Inputs->Corona.DayCount() > 0;
}

void MapsWindow::KoronaGrafClick() {
  if (!CoronaPresent()) {
    m_ctx.Msg.ShowMessageText(QCoreApplication::translate("Ardeno", kNoCoronaData));
    ShowView(View::Map);
    return;
  }
  ShowView(View::CoronaGraph);
}

void MapsWindow::koronamotylClick() {
  if (!CoronaPresent()) {
    m_ctx.Msg.ShowMessageText(QCoreApplication::translate("Ardeno", kNoCoronaData));
    return;
  }
  ShowView(View::CoronaButterfly);
}

void MapsWindow::koronaglobClick() {
  if (!CoronaPresent()) {
    m_ctx.Msg.ShowMessageText(QCoreApplication::translate("Ardeno", kNoCoronaData));
    return;
  }
  // Start at the map rotation's first day when the corona reaches it.
  const std::int64_t day = RotationDates(MapRotation()).CoronaDayIndex;
  if (day >= 0 && day <= m_dayBar->maximum()) m_dayBar->setValue(static_cast<int>(day));
  ShowView(View::RealCorona);
  setWindowTitle(ImageNameForView(true));
}

void MapsWindow::koronapodClick() { ToggleCoronaUnderlay(); }

void MapsWindow::ToggleCoronaUnderlay() {
  if (!m_coronaUnderlay && !CoronaPresent()) {
    m_ctx.Msg.ShowMessageText(QCoreApplication::translate("Ardeno", kNoCoronaData));
    ToolButton("koronazap")->setChecked(false);
    return;
  }
  m_coronaUnderlay = !m_coronaUnderlay;
  ToolButton("koronazap")->setChecked(m_coronaUnderlay);
  MenuAction("koronapod")->setChecked(m_coronaUnderlay);
  if (m_view != View::Map)
    ShowView(View::Map);
  else
    Invalidate();
}

bool MapsWindow::MagnetogramsPresent() {
  if (std::filesystem::is_directory(m_ctx.ProgDir / kMagnetogramFolder)) return true;
  m_ctx.Msg.ShowMessageText(QCoreApplication::translate("Ardeno", kNoMagnetosphereData));
  return false;
}

void MapsWindow::MagnetoSfera1Click() {
  if (!MagnetogramsPresent()) return;
  m_magnetUnderlay = true;
  ToolButton("magnetzap")->setChecked(true);
  if (m_view != View::Map)
    ShowView(View::Map);
  else
    Invalidate();
}

void MapsWindow::ToggleMagnetosphereUnderlay() {
  if (!m_magnetUnderlay && !MagnetogramsPresent()) {
    ToolButton("magnetzap")->setChecked(false);
    return;
  }
  m_magnetUnderlay = !m_magnetUnderlay;
  ToolButton("magnetzap")->setChecked(m_magnetUnderlay);
  Invalidate();
}

void MapsWindow::ToggleMagnetospherePicture() {
  // Without the Magneto folder the picture stays off, and the user is told why.
  if (!m_magnetPicture && !MagnetogramsPresent()) {
    ToolButton("magnobr")->setChecked(false);
    return;
  }
  m_magnetPicture = !m_magnetPicture;
  ToolButton("magnobr")->setChecked(m_magnetPicture);
  Invalidate();
}

void MapsWindow::ToggleFaculae() {
  m_faculae = !m_faculae;
  ToolButton("fakulzap")->setChecked(m_faculae);
  Invalidate();
}

void MapsWindow::ToggleOutlines() {
  m_outlines = !m_outlines;
  ToolButton("plochazap")->setChecked(m_outlines);
  Invalidate();
}

void MapsWindow::ToggleSize() {
  QWidget* frame = parentWidget() ? parentWidget() : this;
  const QSize chrome = frame->size() - size();
  m_small = !m_small;
  QSize wanted(kSmallWidth, kSmallHeight);
  if (!m_small && m_ctx.Frame) wanted = QSize(m_ctx.Frame->width() - 8, m_ctx.Frame->height() - 37);
  frame->resize(wanted + (frame == this ? QSize() : chrome));
  ToolButton("mensivetsi")
      ->setToolTip(m_small ? QCoreApplication::translate("Ardeno", "Zvětšit")
                           : QCoreApplication::translate("Ardeno", "Zmenšit"));
}

QString MapsWindow::ImageNameForView(bool shown) const {
  // The picture's file name keeps its Czech bytes; the caption reads in the windows' language.
  const auto text = [shown](const char* czech) {
    return shown ? QCoreApplication::translate("Ardeno", czech) : QString::fromUtf8(czech);
  };
  const QString rotation = QString::number(MapRotation());
  QString name;
  switch (m_view) {
    case View::Map:
    case View::TwoMaps:
      name = text(QT_TRANSLATE_NOOP("Ardeno", "Mapa  ")) + rotation;
      break;
    case View::LongMap:
      name = text(QT_TRANSLATE_NOOP("Ardeno", "Dlouhamapa  ")) + rotation;
      break;
    case View::HighMap:
      name = text(QT_TRANSLATE_NOOP("Ardeno", "Vysokamapa  ")) + rotation;
      break;
    case View::CoronaGraph:
      name = text(QT_TRANSLATE_NOOP("Ardeno", "Korona_graf")) +
             QString::number(m_rotationBar->value() + kCoronaGraphRotationOffset);
      break;
    case View::CoronaButterfly:
      name = text(QT_TRANSLATE_NOOP("Ardeno", "Korona_motyl"));
      break;
    case View::RealCorona:
      name = text(QT_TRANSLATE_NOOP("Ardeno", "Korona ")) +
             QString::fromStdString(FormatDate(CoronaRowDate(m_dayBar->value())));
      break;
    case View::MagnetCycles:
      name = text(QT_TRANSLATE_NOOP("Ardeno", "Cykly_magnet"));
      break;
  }
  return shown ? name : name.left(20);
}

void MapsWindow::PrepareIfNeeded(QSize client) {
  const int shift = ComparisonShift(m_shiftBar->value());
  const PreparedKey key{m_view,
                        MapRotation(),
                        client,
                        m_ctx.View.AreaMultiple,
                        m_faculae,
                        m_outlines,
                        m_coronaUnderlay,
                        m_magnetUnderlay,
                        m_magnetPicture,
                        m_comparison,
                        Layers(ComparisonHalf::Upper),
                        Layers(ComparisonHalf::Lower),
                        shift};
  if (m_preparedKey && *m_preparedKey == key) return;
  m_preparedKey = key;
  // Every scene is rebuilt below, so no pointer into the dropped underlays survives.
  if (m_magnetospheres.size() > 4) m_magnetospheres.clear();
  const Database& db = m_ctx.Db;
  const int rotation = key.Rotation;
  switch (m_view) {
    case View::Map: {
      if (m_comparison) {
        m_comparisonScene.Upper = PrepareHalf(ComparisonHalf::Upper, client, key.AreaMultiple);
        m_comparisonScene.Lower = PrepareHalf(ComparisonHalf::Lower, client, key.AreaMultiple);
        break;
      }
      const int k = SingleMapScale(client.height());
      m_singleScene = PrepareSingleMapScene(db, Sightings(), rotation, k, key.AreaMultiple,
                                            m_faculae, m_outlines);
      m_singleScene.NarrowFont = client.width() < 1000;
      if (m_coronaUnderlay) {
        m_singleScene.Corona = CoronaUnderlayOf(rotation);
        m_singleScene.CoronaDayIndex = RotationDates(rotation).CoronaDayIndex;
      }
      if (m_magnetUnderlay) m_singleScene.Magnetosphere = &MagnetosphereOf(rotation);
      if (m_magnetPicture) {
        QImage picture(QString::fromStdString(
            (m_ctx.ProgDir / "magnetOBR" / ("On" + std::to_string(rotation) + ".bmp")).string()));
        if (!picture.isNull()) m_singleScene.MagnetospherePicture = picture;
      }
      break;
    }
    case View::LongMap:
    case View::HighMap:
    case View::TwoMaps: {
      const StripVariant variant = m_view == View::LongMap   ? StripVariant::Long
                                   : m_view == View::HighMap ? StripVariant::High
                                                             : StripVariant::Two;
      const int k = variant == StripVariant::Two ? TwoMapsScale(client.width(), client.height())
                                                 : StripScale(client.width());
      const int count = StripCount(variant, rotation, LastRotation(db), client.height(), k);
      m_stripScene =
          PrepareStripScene(db, Sightings(), variant, k, rotation, count, key.AreaMultiple);
      break;
    }
    default:
      break;
  }
}

void MapsWindow::PaintView(QPainter& painter, QSize client, bool printing) {
  painter.fillRect(QRect(QPoint(0, 0), client), Qt::white);
  PrepareIfNeeded(client);
  switch (m_view) {
    case View::Map:
      if (m_comparison)
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
  if (m_view == View::HighMap) {
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
  const bool outlines = m_outlines;
  m_outlines = false;
  Invalidate();
  SaveWindowImage(m_ctx, m_canvas, ask);
  m_outlines = outlines;
  Invalidate();
  m_toolbar->setVisible(toolbarShown);
  m_comparisonPanel->setVisible(panelShown);
  m_sizeLabel->show();
}

void MapsWindow::SumMagnetosphere() {
  if (!MagnetogramsPresent()) return;
  m_busyPanel->move((m_canvas->width() - m_busyPanel->width()) / 2, 40);
  m_busyPanel->show();
  m_busyPanel->repaint();
  try {
    m_magnetSummary = ReadMagnetSummary(m_ctx.ProgDir, LastRotation(m_ctx.Db));
  } catch (const AuxFileError& error) {
    // A summary that cannot be read is not overwritten.
    m_busyPanel->hide();
    m_ctx.Msg.ShowMessageText(QString::fromUtf8(error.what()));
    return;
  }
  const MagnetSummationReport report = SumMagnetograms(m_ctx.ProgDir, m_ctx.Today, m_magnetSummary);
  m_busyPanel->hide();
  for (const std::string& message : report.Messages)
    m_ctx.Msg.ShowMessageText(QString::fromStdString(message));
  if (const auto failure = WriteMagnetSummary(m_ctx.ProgDir, m_magnetSummary)) {
    m_ctx.Msg.ShowMessageText(QString::fromStdString(*failure));
    return;
  }
  m_magnetSummary.FileFound = true;
  m_magnetSummaryRead = true;
  // The comparison shown follows the new sums.
  if (m_magnetCycles) {
    m_magnetCycles = CompareMagnetCycles(m_magnetSummary, m_magnetCycles->Query);
    Invalidate();
  }
}

const CoronaData* MapsWindow::CoronaUnderlayOf(int rotation) const {
  if (!CoronaPresent()) return nullptr;
  const std::int64_t day = RotationDates(rotation).CoronaDayIndex;
  return CoronaUnderlayAvailable(m_ctx.Inputs->Corona, day) ? &m_ctx.Inputs->Corona : nullptr;
}

const MagnetosphereUnderlay& MapsWindow::MagnetosphereOf(int rotation) {
  auto found = m_magnetospheres.find(rotation);
  if (found == m_magnetospheres.end()) {
    found = m_magnetospheres.emplace(rotation, BuildMagnetosphereUnderlay(m_ctx.ProgDir, rotation))
                .first;
    TellUnreadDays(found->second.Messages);
  }
  return found->second;
}

void MapsWindow::TellUnreadDays(const std::vector<std::string>& messages) {
  if (messages.empty()) return;
  std::string text;
  for (const std::string& message : messages) text += (text.empty() ? "" : "\n") + message;
  // The underlay is built while a paint is prepared; a modal message waits until it is done.
  QTimer::singleShot(
      0, this, [this, shown = QString::fromStdString(text)] { m_ctx.Msg.ShowMessageText(shown); });
}

SingleMapScene MapsWindow::PrepareHalf(ComparisonHalf half, QSize client, int areaMultiple) {
  const ComparisonLayers layers = Layers(half);
  const int rotation =
      ComparisonRotation(MapRotation(), half, ComparisonShift(m_shiftBar->value()));
  const ComparisonHalfFrame frame = ComparisonFrame(half, client.height());
  SingleMapScene scene = PrepareSingleMapScene(m_ctx.Db, Sightings(), rotation, frame.K,
                                               areaMultiple, layers.Faculae, m_outlines);
  if (!layers.Spots) scene.Groups.clear();
  scene.Table.clear();  // a half has no room for the b/l table
  scene.NarrowFont = client.width() < 1000;
  scene.Dates = ComparisonDatesText(rotation);
  if (layers.Corona) {
    scene.Corona = CoronaUnderlayOf(rotation);
    scene.CoronaDayIndex = RotationDates(rotation).CoronaDayIndex;
  }
  if (layers.Magnetosphere) scene.Magnetosphere = &MagnetosphereOf(rotation);
  return scene;
}

void MapsWindow::BuildComparisonPanel() {
  auto* panel = new QFrame(m_canvas);
  panel->setObjectName(QStringLiteral("Panelsrovnani"));
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Raised);
  panel->setAutoFillBackground(true);
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setSpacing(3);
  struct Item {
    const char* Name;
    const char* Text;
    int Column;
  };
  auto addHalf = [&](int row, const QString& caption, std::initializer_list<Item> items,
                     const char* clearName) {
    grid->addWidget(new QLabel(caption, panel), row, 0);
    std::vector<QToolButton*> half;
    for (const Item& item : items) {
      auto* button = new QToolButton(panel);
      button->setObjectName(QString::fromLatin1(item.Name));
      button->setText(QCoreApplication::translate("Ardeno", item.Text));
      button->setCheckable(true);
      grid->addWidget(button, row, item.Column);
      m_buttons[button->objectName()] = button;
      half.push_back(button);
      connect(button, &QToolButton::clicked, this, &MapsWindow::LayerToggled);
    }
    auto* clear = new QToolButton(panel);
    clear->setObjectName(QString::fromLatin1(clearName));
    clear->setText(QCoreApplication::translate("Ardeno", "Smazat"));
    grid->addWidget(clear, row, 5);
    m_buttons[clear->objectName()] = clear;
    connect(clear, &QToolButton::clicked, this, [this, half] {
      for (QToolButton* button : half) button->setChecked(false);
      Invalidate();
    });
  };
  addHalf(0, QCoreApplication::translate("Ardeno", "Horní"),
          {{"Hskvrna", QT_TRANSLATE_NOOP("Ardeno", "Skvrny"), 1},
           {"Hfakule", QT_TRANSLATE_NOOP("Ardeno", "Fakule"), 2},
           {"Hkorona", QT_TRANSLATE_NOOP("Ardeno", "Korona"), 3},
           {"Hmagnet", QT_TRANSLATE_NOOP("Ardeno", "Magnetosféra"), 4}},
          "mazaniHor");
  addHalf(1, QCoreApplication::translate("Ardeno", "Dolní"),
          {{"Dfakule", QT_TRANSLATE_NOOP("Ardeno", "Fakule"), 2},
           {"Dkorona", QT_TRANSLATE_NOOP("Ardeno", "Korona"), 3},
           {"Dmagnet", QT_TRANSLATE_NOOP("Ardeno", "Magnetosféra"), 4}},
          "MazaniDol");
  grid->addWidget(new QLabel(QCoreApplication::translate("Ardeno", "Posuv v otočkách"), panel), 2,
                  0, 1, 2);
  m_shiftBar = new QScrollBar(Qt::Horizontal, panel);
  m_shiftBar->setObjectName(QStringLiteral("ScrollBar3"));
  m_shiftBar->setToolTip(QCoreApplication::translate("Ardeno", "Posuv v otočkách"));
  m_shiftBar->setRange(0, kComparisonShiftPositions);
  m_shiftBar->setPageStep(1);
  m_shiftBar->setValue(kComparisonNoShiftPosition);
  grid->addWidget(m_shiftBar, 2, 2, 1, 3);
  m_shiftLabel = new QLabel(QString::fromStdString(ComparisonShiftText(0)), panel);
  m_shiftLabel->setObjectName(QStringLiteral("Label1"));
  grid->addWidget(m_shiftLabel, 2, 5);
  connect(m_shiftBar, &QScrollBar::valueChanged, this, &MapsWindow::ShiftChanged);
  // The map's spots above, its faculae below until the user chooses.
  ToolButton(QStringLiteral("Hskvrna"))->setChecked(true);
  ToolButton(QStringLiteral("Dfakule"))->setChecked(true);
  panel->adjustSize();
  panel->hide();
  m_comparisonPanel = panel;
}

ComparisonLayers MapsWindow::Layers(ComparisonHalf half) const {
  const QString prefix = half == ComparisonHalf::Upper ? QStringLiteral("H") : QStringLiteral("D");
  auto on = [&](const char* name) {
    const QToolButton* button = ToolButton(prefix + QString::fromLatin1(name));
    return button != nullptr && button->isChecked();
  };
  return {on("skvrna"), on("fakule"), on("korona"), on("magnet")};
}

void MapsWindow::LayerToggled() {
  // Contents without their data stay off, with the window's message.
  for (const char* name : {"Hkorona", "Dkorona"}) {
    QToolButton* button = ToolButton(QString::fromLatin1(name));
    if (button->isChecked() && !CoronaPresent()) {
      m_ctx.Msg.ShowMessageText(QCoreApplication::translate("Ardeno", kNoCoronaData));
      button->setChecked(false);
    }
  }
  for (const char* name : {"Hmagnet", "Dmagnet"}) {
    QToolButton* button = ToolButton(QString::fromLatin1(name));
    if (button->isChecked() && !MagnetogramsPresent()) button->setChecked(false);
  }
  Invalidate();
}

void MapsWindow::ShiftChanged(int position) {
  m_shiftLabel->setText(QString::fromStdString(ComparisonShiftText(ComparisonShift(position))));
  Invalidate();
}

void MapsWindow::ShowComparison(bool shown) {
  m_comparison = shown;
  MenuAction(QStringLiteral("Srovnani"))->setChecked(shown);
  if (shown) {
    m_toolbar->show();
    if (m_view != View::Map) ShowView(View::Map);
    m_comparisonPanel->move(static_cast<int>(Round(m_canvas->width() * 680.0 / 1024)), 10);
    m_comparisonPanel->show();
    m_comparisonPanel->raise();
  } else {
    m_comparisonPanel->hide();
  }
  Invalidate();
}

void MapsWindow::SrovnaniClick() { ShowComparison(!m_comparison); }

void MapsWindow::SetComparison(const ComparisonLayers& upper, const ComparisonLayers& lower,
                               int shiftPosition) {
  const std::pair<const char*, bool> wanted[] = {
      {"Hskvrna", upper.Spots},         {"Hfakule", upper.Faculae}, {"Hkorona", upper.Corona},
      {"Hmagnet", upper.Magnetosphere}, {"Dfakule", lower.Faculae}, {"Dkorona", lower.Corona},
      {"Dmagnet", lower.Magnetosphere}};
  for (const auto& [name, on] : wanted) ToolButton(QString::fromLatin1(name))->setChecked(on);
  LayerToggled();
  m_shiftBar->setValue(std::clamp(shiftPosition, 0, kComparisonShiftPositions));
  ShowComparison(true);
}

void MapsWindow::keyReleaseEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Z:
      m_outlines = true;
      ToolButton("plochazap")->setChecked(true);
      Invalidate();
      break;
    case Qt::Key_V:
      m_outlines = false;
      ToolButton("plochazap")->setChecked(false);
      Invalidate();
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
