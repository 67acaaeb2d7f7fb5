#pragma once

#include <QObject>
#include <functional>

// Windows that show or accept user values rescale themselves from gKonfig when the operator
// leaves the configuration window with "Zurück". Each such window registers here once, for
// example in its constructor:
//
//     NeuskalierungAnmelden(this, [this] { Direktpanel_SkaliereElemente(); });
//
// A registration ends when its owner is destroyed.
namespace plv7::gui {

void NeuskalierungAnmelden(QObject* owner, std::function<void()> skalieren);

// Runs every registered rescaling whose owner still exists, in the order of registration.
void AbhaengigeFensterNeuSkalieren();

}  // namespace plv7::gui
