#pragma once

namespace plv7::gui {

// Loads Qt's own German texts into the running application, so that the buttons of message
// boxes, the file dialogs and the context menus of text fields speak German like the rest
// of the program. False when the translation is not installed; the standard texts then stay
// English and nothing else changes. Loading a second time does nothing.
bool QtTexteDeutsch();

}  // namespace plv7::gui
