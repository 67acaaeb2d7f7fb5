#pragma once

#include <QString>

namespace plv7::gui {

// The folder of the program's tool-bar images and other resources, looked up relative to the
// program's own folder: first where an installation puts them, then where the build folder
// keeps them. Empty when neither holds them.
QString ressourcenOrdner();
// The same for a program in `programmOrdner`.
QString ressourcenOrdner(const QString& programmOrdner);

// The full path of one resource such as "buttons/new.png", or empty when the program has none.
QString ressourcenDatei(const QString& name);

}  // namespace plv7::gui
