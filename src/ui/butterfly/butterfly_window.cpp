// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/butterfly/butterfly_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <filesystem>
#include <functional>

#include "core/data/corona_data.h"
#include "ui/butterfly/butterfly_painter.h"
#include "ui/butterfly/observations_glyph.h"
#include "ui/graphs/mdi_child.h"
#include "ui/shell/toolbar_panels.h"
#include "ui/shell/window_image.h"

namespace ardeno {

namespace {

constexpr const char* kNoCoronaData = QT_TRANSLATE_NOOP("Ardeno", "Nejsou data pro koronu");
constexpr int kCreationTimeFactor = 1;
constexpr int kCreationHeightScale = 3;
constexpr int kCreationScrollRange = 2000;
// Room kept above +90 and below -90 degrees for the rotation numbers.
constexpr int kVerticalMargin = 40;

// The client area the diagram is painted on; it also takes the mouse for the drag.
class ButterflyCanvas : public QWidget {
 public:
  explicit ButterflyCanvas(ButterflyWindow* owner) : QWidget(owner), m_owner(owner) {
    setObjectName(QStringLiteral("butterflycanvas"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    m_owner->UpdateScrollRanges();  // the main window may have changed H or T
    QPainter painter(this);
    m_owner->PaintDiagram(painter, size());
  }
  void mousePressEvent(QMouseEvent* e) override { m_owner->PressAt(e->position().toPoint().y()); }
  void mouseMoveEvent(QMouseEvent* e) override {
    if (e->buttons() & Qt::LeftButton) m_owner->DragTo(e->position().toPoint().y());
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    m_owner->ReleaseAt(e->position().toPoint().y());
  }

 private:
  ButterflyWindow* m_owner;
};

}  // namespace

ButterflyWindow::ButterflyWindow(AppContext& ctx, QWidget* parent) : QWidget(parent), m_ctx(ctx) {
  setObjectName(QStringLiteral("Tform5"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFocusPolicy(Qt::StrongFocus);
  // Each diagram starts at one pixel per rotation, three per degree, faculae as lines.
  m_ctx.View.ButterflyTimeFactor = kCreationTimeFactor;
  m_ctx.View.ButterflyHeightScale = kCreationHeightScale;
  m_ctx.View.FaculaeWidthFlag = 0;
  m_font = QFont(QStringLiteral("Arial"));
  m_font.setPointSize(std::max(1, static_cast<int>(std::lround(m_ctx.ScalePercent * 8 / 100.0))));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  m_menu = new QMenuBar(this);
  layout->setMenuBar(m_menu);
  auto* grid = new QGridLayout;
  grid->setSpacing(0);
  m_canvas = new ButterflyCanvas(this);
  m_canvas->setMinimumSize(200, 150);
  m_horizontal = new QScrollBar(Qt::Horizontal, this);
  m_horizontal->setObjectName(QStringLiteral("HorzScrollBar"));
  m_vertical = new QScrollBar(Qt::Vertical, this);
  m_vertical->setObjectName(QStringLiteral("VertScrollBar"));
  grid->addWidget(m_canvas, 0, 0);
  grid->addWidget(m_vertical, 0, 1);
  grid->addWidget(m_horizontal, 1, 0);
  layout->addLayout(grid, 1);
  m_dragLabel = new QLabel(m_canvas);
  m_dragLabel->setObjectName(QStringLiteral("Label1"));
  m_dragLabel->move(60, 4);
  m_dragLabel->hide();
  for (QScrollBar* bar : {m_horizontal, m_vertical}) {
    connect(bar, &QScrollBar::valueChanged, this, [this] {
      m_layers.LeftEdgeScale = false;
      m_canvas->update();
    });
  }

  BuildMenus();
  m_scrollRange = kCreationScrollRange;
  UpdateScrollRanges();
  m_horizontal->setValue(0);
  SetMode(ButterflyMode::Spots);
  m_layers.Observations = false;
  Podkreslit1Click();  // marked at creation, with the four-state button
  if (QToolButton* width = PanelButton("sirfakule")) width->setChecked(false);
  const bool supplementary = m_ctx.Inputs != nullptr && m_ctx.Inputs->Supplementary.Present();
  MenuAction("doplnkova")->setVisible(supplementary);
  SetSupplementaryShown(false);

  DataChanged();
  connect(&m_ctx.Events, &DataEvents::DataChanged, this, [this](DataChange change) {
    if (AltersRecords(change)) DataChanged();
  });
}

QAction* ButterflyWindow::MenuAction(const QString& name) const {
  const auto it = m_actions.find(name);
  return it == m_actions.end() ? nullptr : it->second;
}

QAction* ButterflyWindow::AddAction(QWidget* menu, const char* name, const QString& text,
                                    bool checkable) {
  auto* action = new QAction(text, this);
  action->setObjectName(QString::fromLatin1(name));
  action->setCheckable(checkable);
  menu->addAction(action);
  m_actions[QString::fromLatin1(name)] = action;
  return action;
}

void ButterflyWindow::BuildMenus() {
  auto add = [this](QWidget* menu, const char* name, const QString& text, bool checkable,
                    auto handler) {
    QAction* action = AddAction(menu, name, text, checkable);
    // The handlers set the marks themselves.
    connect(action, &QAction::triggered, this, [this, action, checkable, handler] {
      if (checkable) action->setChecked(!action->isChecked());
      std::invoke(handler, this);
    });
  };
  add(m_menu, "konecmot", QCoreApplication::translate("Ardeno", "&Zavřít"), false,
      [](ButterflyWindow* window) { CloseWithFrame(window); });
  add(m_menu, "tiskmot", QCoreApplication::translate("Ardeno", "&Tisk "), false,
      &ButterflyWindow::tiskmotClick);
  add(m_menu, "skvrnymot", QCoreApplication::translate("Ardeno", "&Skvrny"), true,
      &ButterflyWindow::skvrnymotClick);
  add(m_menu, "Fakulemot", QCoreApplication::translate("Ardeno", "&Fakule"), true,
      &ButterflyWindow::fakulemotClick);
  add(m_menu, "Celek1", QCoreApplication::translate("Ardeno", "&Celek"), true,
      &ButterflyWindow::celek1Click);
  add(m_menu, "vyskaskvrn", QCoreApplication::translate("Ardeno", "Výška skvrn"), true,
      &ButterflyWindow::vyskaskvrnClick);
  add(m_menu, "vyskahlazena", QCoreApplication::translate("Ardeno", "Výška vyhlazená"), true,
      &ButterflyWindow::vyskahlazenaClick);
  add(m_menu, "hranice", QCoreApplication::translate("Ardeno", "Ohraničení"), true,
      &ButterflyWindow::hraniceClick);
  add(m_menu, "vse", QCoreApplication::translate("Ardeno", "Kreslit vše "), true,
      &ButterflyWindow::vseClick);
  add(m_menu, "Podkreslit1", QCoreApplication::translate("Ardeno", "Podkreslit"), true,
      &ButterflyWindow::Podkreslit1Click);
  add(m_menu, "koronapod", QCoreApplication::translate("Ardeno", "Podkreslit koronu"), true,
      &ButterflyWindow::koronapodClick);
  QMenu* supplementary = m_menu->addMenu(QCoreApplication::translate("Ardeno", "&Doplňková data"));
  supplementary->setObjectName(QStringLiteral("doplnkova"));
  m_actions[QStringLiteral("doplnkova")] = supplementary->menuAction();
  add(supplementary, "vypnout", QCoreApplication::translate("Ardeno", "Zapnout"), true,
      &ButterflyWindow::vypnoutClick);
  add(m_menu, "Stupnice1", QCoreApplication::translate("Ardeno", "&Stupnice"), false,
      &ButterflyWindow::Stupnice1Click);
}

QToolButton* ButterflyWindow::PanelButton(const char* name) const {
  if (m_ctx.Frame == nullptr) return nullptr;
  return m_ctx.Frame->findChild<QToolButton*>(QString::fromLatin1(name));
}

void ButterflyWindow::DataChanged() {
  const StartupInputs* inputs = m_ctx.Inputs;
  m_data =
      ButterflyData(m_ctx.Db, m_ctx.Groups.WithFaculae(m_ctx.Db),
                    inputs ? &inputs->Supplementary : nullptr, inputs ? &inputs->Corona : nullptr);
  UpdateScrollRanges();
  Invalidate();
}

void ButterflyWindow::Invalidate() {
  m_layers.LeftEdgeScale = false;
  m_sceneView.reset();
  m_canvas->update();
}

void ButterflyWindow::SetMode(ButterflyMode mode) {
  m_layers.Mode = mode;
  const QString caption = QString::fromStdString(ButterflyCaption(mode));
  setWindowTitle(caption);
  MenuAction("skvrnymot")->setChecked(mode == ButterflyMode::Spots);
  MenuAction("Fakulemot")->setChecked(mode == ButterflyMode::Faculae);
  MenuAction("Celek1")->setChecked(mode == ButterflyMode::Both);
  const char* button = mode == ButterflyMode::Spots     ? "skvrny"
                       : mode == ButterflyMode::Faculae ? "fakule"
                                                        : "skvrfak";
  if (QToolButton* down = PanelButton(button)) down->setChecked(true);
  // The faculae width button is offered raised only where faculae are drawn.
  if (QToolButton* width = PanelButton("sirfakule"))
    width->setAutoRaise(mode == ButterflyMode::Spots);
  Invalidate();
}

void ButterflyWindow::skvrnymotClick() { SetMode(ButterflyMode::Spots); }
void ButterflyWindow::fakulemotClick() { SetMode(ButterflyMode::Faculae); }
void ButterflyWindow::celek1Click() { SetMode(ButterflyMode::Both); }

void ButterflyWindow::SetCurve(bool ButterflyLayers::*curve, const char* action) {
  m_layers.*curve = !(m_layers.*curve);
  MenuAction(action)->setChecked(m_layers.*curve);
  Invalidate();
}

void ButterflyWindow::vyskaskvrnClick() { SetCurve(&ButterflyLayers::MeanCurves, "vyskaskvrn"); }
void ButterflyWindow::vyskahlazenaClick() {
  SetCurve(&ButterflyLayers::SmoothedCurves, "vyskahlazena");
}
void ButterflyWindow::hraniceClick() { SetCurve(&ButterflyLayers::Bounds, "hranice"); }

void ButterflyWindow::vseClick() {
  m_layers.MeanCurves = m_layers.SmoothedCurves = m_layers.Bounds = false;
  for (const char* name : {"hranice", "vyskahlazena", "vyskaskvrn"})
    MenuAction(name)->setChecked(false);
  SetCurve(&ButterflyLayers::All, "vse");
}

void ButterflyWindow::Podkreslit1Click() {
  m_layers.Observations = !m_layers.Observations;
  const bool on = m_layers.Observations;
  QAction* item = MenuAction("Podkreslit1");
  item->setChecked(on);
  item->setText(on ? QCoreApplication::translate("Ardeno", "Nepodkreslit")
                   : QCoreApplication::translate("Ardeno", "Podkreslit"));
  if (QToolButton* button = PanelButton("podkresleni")) {
    // Down, with the marks in its picture, while the observations are drawn.
    button->setCheckable(true);
    button->setChecked(on);
    button->setIcon(ObservationsGlyph(on));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setToolTip(
        HintOfButton(*button, on ? QCoreApplication::translate("Ardeno", "Podkreslit")
                                 : QCoreApplication::translate("Ardeno", "Nepodkreslit")));
    button->setStatusTip(button->toolTip());
  }
  Invalidate();
}

void ButterflyWindow::koronapodClick() {
  QAction* item = MenuAction("koronapod");
  if (!m_layers.Corona && !std::filesystem::is_directory(m_ctx.ProgDir / kCoronaFolder)) {
    m_ctx.Msg.ShowMessageText(QCoreApplication::translate("Ardeno", kNoCoronaData));
    item->setChecked(false);
    Invalidate();
    return;
  }
  m_layers.Corona = !m_layers.Corona;
  item->setChecked(m_layers.Corona);
  item->setText(m_layers.Corona ? QCoreApplication::translate("Ardeno", "Podkreslit koronou")
                                : QCoreApplication::translate("Ardeno", "Nekreslit koronu"));
  Invalidate();
}

void ButterflyWindow::SetSupplementaryShown(bool shown) {
  m_layers.Supplementary = shown;
  QAction* item = MenuAction("vypnout");
  item->setChecked(!shown);  // marked means off
  item->setText(shown ? QCoreApplication::translate("Ardeno", "Vypnout")
                      : QCoreApplication::translate("Ardeno", "Zapnout"));
  Invalidate();
}

void ButterflyWindow::vypnoutClick() { SetSupplementaryShown(!m_layers.Supplementary); }

void ButterflyWindow::Stupnice1Click() {
  Invalidate();
  // Written once at the left edge; the next scroll or change of the view takes them away.
  m_layers.LeftEdgeScale = true;
}

void ButterflyWindow::SetTimeScrollRange(int range) {
  m_scrollRange = range;
  UpdateScrollRanges();
  Invalidate();
}

void ButterflyWindow::UpdateScrollRanges() {
  const QSize client = m_canvas->size();
  // Widened to the newest rotation of the data, so that a long database is seen to its end.
  const int range = ButterflyScrollRangeFor(m_data, ViewOf(client));
  m_horizontal->setRange(0, std::max(0, range - client.width()));
  m_horizontal->setPageStep(std::max(1, client.width()));
  // The latitude range +-90 degrees with room for the labels, around the window's middle.
  const int half = 90 * m_ctx.View.ButterflyHeightScale + kVerticalMargin - client.height() / 2;
  m_vertical->setRange(-std::max(0, half), std::max(0, half));
  m_vertical->setPageStep(std::max(1, client.height()));
}

ButterflyView ButterflyWindow::ViewOf(QSize client) const {
  ButterflyView view;
  view.Layers = m_layers;
  // The panel's "Šíř" switch lives with the main window's settings.
  view.Layers.FaculaeBars = m_ctx.View.FaculaeWidthFlag == 1;
  view.TimeFactor = m_ctx.View.ButterflyTimeFactor;
  view.HeightScale = m_ctx.View.ButterflyHeightScale;
  view.Width = client.width();
  view.Height = client.height();
  view.VerticalOffset = m_verticalOffset;
  view.ScrollX = m_horizontal->value();
  view.ScrollY = m_vertical->value();
  view.ScrollRange = m_scrollRange;
  return view;
}

void ButterflyWindow::PaintDiagram(QPainter& painter, QSize client) {
  const ButterflyView view = ViewOf(client);
  if (!m_sceneView || *m_sceneView != view) {
    m_scene = BuildButterflyScene(m_data, view);
    m_picture = RenderButterflyScene(m_scene, m_font, client);
    m_sceneView = view;
  }
  painter.drawImage(0, 0, m_picture);
}

void ButterflyWindow::PrintTo(QPrinter& printer) {
  const QSize client(std::max(1, m_canvas->width() - 5), m_canvas->height());
  QImage image(client, QImage::Format_RGB32);
  {
    QPainter imagePainter(&image);
    PaintDiagram(imagePainter, client);
  }
  QPainter painter(&printer);
  const QRect page = painter.viewport();
  painter.drawImage(QRect(0, 0, page.width(), page.width() * client.height() / client.width()),
                    image);
}

void ButterflyWindow::tiskmotClick() {
  QPrinter printer(QPrinter::HighResolution);
  if (!m_ctx.Dialogs.SetUpPrinter(this, printer)) return;
  PrintTo(printer);
}

void ButterflyWindow::PressAt(int y) { m_dragStartY = y; }

void ButterflyWindow::DragTo(int y) {
  m_dragLabel->setText(QString::number(y - m_dragStartY));
  m_dragLabel->adjustSize();
  m_dragLabel->show();
}

void ButterflyWindow::ReleaseAt(int y) {
  // The offset is the last drag's distance, not added to the one before.
  m_verticalOffset = y - m_dragStartY;
  m_dragLabel->hide();
  Invalidate();
}

void ButterflyWindow::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_F8) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  m_ctx.View.ImageName = QStringLiteral("Motýlek");
  SaveWindowImage(m_ctx, m_canvas, true);
  event->accept();
}

void ButterflyWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  setWindowTitle(QString::fromStdString(ButterflyCaption(m_layers.Mode)) + QString(10, ' ') +
                 QString::number(width()) + " x " + QString::number(height()));
  UpdateScrollRanges();
  Invalidate();
}

void ButterflyWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  CloseOnDeactivation(this);
}

void ButterflyWindow::closeEvent(QCloseEvent* event) {
  emit Closed();
  event->accept();
}

}  // namespace ardeno
