#pragma once
// Paints a prepared butterfly scene: the corona underlay, the frame, the observation marks and
// the statistics curves, in that order. Nothing is computed here.
#include <QFont>
#include <QPainter>

#include "core/butterfly/butterfly_scene.h"

namespace ardeno {

void PaintButterflyScene(QPainter& painter, const ButterflyScene& scene, const QFont& font);

}  // namespace ardeno
