#pragma once

#include <QString>

#include "common/Anzeigefelder.h"
#include "hilfe/Dialoge.h"
#include "konfig/KonfigUmrechnung.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace plv7::gui {

// The object name of a control of the direct window; a channel k (1..4) is appended.
QString direktName(const char* control, int k = 0);

// A minimum or maximum as its field shows it; an absurd scaling is shown in %g form instead.
QString extremwertText(double wert, int nachkommastellen);

// The file dialog of the log and of a saved frame: a file is chosen to be extended.
Dialoge::FileRequest protokollDateiAnfrage();

// The scaling's conversions as the window's core pieces take them (the names are overloaded
// for a record of one's own, so they are wrapped once here).
inline double eingangCodeInEinheit(int k, double code) {
    return ::EingangCodeInEinheit(k, code);
}
inline double ausgangCodeInEinheit(int k, double code) {
    return ::AusgangCodeInEinheit(k, code);
}
inline double ausgangEinheitInSpannung(int k, double wert) {
    return ::AusgangEinheitInSpannung(k, wert);
}

}  // namespace plv7::gui
