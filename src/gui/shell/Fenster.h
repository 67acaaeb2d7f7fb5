#pragma once

// The program's windows, created once at start-up and valid for the whole run.
namespace plv7::gui {

class MainPanel;
class Panel;
class InfoPanel;

extern MainPanel* gMainpanel;
extern Panel* gCompanel;
extern Panel* gKonfigpanel;
extern Panel* gDirektpanel;
extern Panel* gKurvenpanel;
extern Panel* gKennlinienpanel;
extern InfoPanel* gInfopanel;

// Shows one window inside the main window; nullptr shows the main window's own buttons.
void ZeigeChildpanel(Panel* panel);

// The end of the program: asks every window with unsaved work, then quits the event loop.
// Non-zero when a window cancelled it.
int ProgrammendeFallsAllesGespeichert();

}  // namespace plv7::gui
