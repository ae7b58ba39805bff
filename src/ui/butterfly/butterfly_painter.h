// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws a prepared butterfly scene into a picture of the client area: the corona underlay, the
// frame, the observation marks and the statistics curves, in that order. Nothing is computed here.
#include <QFont>
#include <QImage>
#include <QSize>

#include "core/butterfly/butterfly_scene.h"

namespace ardeno {

QImage RenderButterflyScene(const ButterflyScene& scene, const QFont& font, QSize client);

}  // namespace ardeno
