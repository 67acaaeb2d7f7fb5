#pragma once

#include <QObject>
#include <QTimer>

#include "kennlinien/KennlinienArbeitspunkt.h"

class QAction;
class QCPGraph;
class QCPLayer;
class QCustomPlot;
class QLabel;

namespace plv7::gui {

class KennlinienPanel;

// "Arbeitspunkt zeigen" of the characteristic window's view menu: while it is on, the window
// reads input 2 about five times a second and marks (input 2, characteristic at input 2) on
// both graphs, with both values in the channels' units in a label. A failed read is shown once
// on the error fields and switches the item off.
class Arbeitspunktanzeige : public QObject {
    Q_OBJECT

public:
    static constexpr int kTaktMs = 200;

    explicit Arbeitspunktanzeige(KennlinienPanel& fenster);

    QAction* aktion() const { return aktion_; }
    QLabel* beschriftung() const { return beschriftung_; }
    const kennlinien::Arbeitspunktabfrage& abfrage() const { return abfrage_; }
    bool laeuft() const { return takt_.isActive(); }

    void umschalten(bool an);
    // One reading, as the timer does it.
    void takt();

private:
    struct Marke {
        QCustomPlot* grafik = nullptr;
        QCPLayer* ebene = nullptr;
        QCPGraph* punkt = nullptr;
    };
    void markenAnlegen();
    void markenZeigen(bool sichtbar);

    KennlinienPanel& fenster_;
    QAction* aktion_;
    QLabel* beschriftung_;
    QTimer takt_;
    kennlinien::Arbeitspunktabfrage abfrage_;
    Marke gross_;
    Marke klein_;
};

}  // namespace plv7::gui
