#pragma once

#include <QPixmap>

namespace plv7::gui {

// A drawing of the box with its four connectors, for the main and the info window.
QPixmap geraetebild(double scale = 1.0);

}  // namespace plv7::gui
