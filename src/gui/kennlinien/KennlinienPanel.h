#pragma once

#include <QList>
#include <QPointF>
#include <array>

#include "base/Rueckgaengigring.h"
#include "kennlinien/KennlinienAnsicht.h"
#include "kennlinien/KennlinienBedienung.h"
#include "kennlinien/KennlinienEditor.h"
#include "kennlinien/KennlinienZustand.h"
#include "shell/Panel.h"

class QAction;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QPushButton;
class QScrollBar;
class QToolBar;

namespace plv7::gui {

class Arbeitspunktanzeige;
class KennlinienGrafik;
class KennlinienTabelleImport;
class KennlinienUebersicht;
class Kommentardialog;
class Kennlinienpunktdialog;
class Zahlenfeld;

// The characteristic window ("Kennlinienregler"): the editor of one characteristic with the
// mouse on the large graph, its overview, zoom, scroll bar, Y zoom and display modes, the
// comment, the two parameters that travel with it, files, and the box's ten slots.
class KennlinienPanel : public Panel {
    Q_OBJECT

public:
    // The seven edit modes, in the order of the edit menu.
    enum class Modus {
        Markieren,
        Zeichnen,
        Verschieben,
        Punktkoordinaten,
        KoordinatenZeigen,
        PunktLoeschen,
        GeradeTeilen
    };

    explicit KennlinienPanel(QWidget* parent = nullptr);
    ~KennlinienPanel() override;

    // At start-up: the default characteristic, the full view, the labels of the scaling.
    int KennlinienpanelInit();
    // At the end: the characteristic and the undo ring go back to their start.
    void KennlinienpanelClear();
    // After a change of the scaling: axes, Y zoom fields, grid and output-2 labels.
    void Kennlinienpanel_SkaliereYAchse();

    int abbruchWeilNichtGespeichert() override {
        return bedienung_.AbbruchWeilKennlinieNichtGespeichert();
    }

    kennlinien::KennlinienZustand& zustand() { return zustand_; }
    KennlinienBedienung& bedienung() { return bedienung_; }
    const kennlinien::KennlinienAnsicht& ansicht() const { return ansicht_; }
    const Markierung& markierung() const { return markierung_; }
    Modus modus() const { return modus_; }
    KennlinienGrafik* grafik() const { return grafik_; }
    KennlinienUebersicht* uebersicht() const { return uebersicht_; }

    // Draws both graphs anew from the characteristic and the view.
    void neuZeichnen();
    // Where the scroll bar puts the view: its thumb and position from the view.
    void scrollbarAktualisieren();

private:
    // Building (KennlinienPanelAufbau.cpp).
    void baueAktionen();
    QToolBar* baueMenuesUndWerkzeugleiste();
    QWidget* baueGrafikbereich();
    QWidget* baueSeitenleiste();
    QWidget* baueFusszeile();
    void verbindeSignale();
    void hilfetexteEintragen();

    // The graph's mouse gestures (KennlinienPanel.cpp).
    void mausGedrueckt(QMouseEvent* ereignis);
    void mausBewegt(QMouseEvent* ereignis);
    void mausLosgelassen(QMouseEvent* ereignis);
    void ziehen(QPointF roh);
    void loslassen(QPointF roh, QPoint pixel);
    void punktkoordinatenDialog(QPointF roh, QPoint pixel);
    std::size_t naechsterPunkt(QPointF roh) const;
    kennlinien::KennlinienRaster raster() const;
    void koordinatenAnzeigen(double x, double y);
    void ergebnis(const kennlinien::Bearbeitung& bearbeitung);
    void vorAenderung();

    // Commands.
    void befehl(int wirkung);
    void setzeModus(Modus modus);
    void modusGewaehlt(Modus modus);
    void darstellungGewaehlt(Darstellung darstellung);
    void rueckgaengig();
    void wiederherstellen();
    void undoAktionenAktualisieren();
    void zoom(const Sichtfenster& fenster);
    void zoomMarkierung();
    void allesMarkieren();
    void scrollEnde();
    void yZoomUebernehmen();
    void yZoomFelderZeigen();
    void kommentarBearbeiten();
    void kommentarVorschau();
    void felderAusZustand();
    void ausgang2Beschriften();
    void dateibefehl(int (KennlinienBedienung::*befehl)(), bool ganzeAnsicht);
    void speichern(bool dialogErzwingen);
    void titelAktualisieren();
    void uebertragen(bool schreiben);
    void pinbelegung();

    kennlinien::KennlinienZustand zustand_;
    KennlinienBedienung bedienung_;
    Rueckgaengigring<std::vector<kennlinien::Kennlinienpunkt>> rueckgaengig_;
    kennlinien::KennlinienAnsicht ansicht_;
    Markierung markierung_;
    Modus modus_ = Modus::Zeichnen;
    kennlinien::KennlinienZeichnung zeichnung_;

    // The gesture on the large graph.
    bool geste_ = false;
    bool neuesVerschieben_ = true;
    std::size_t verschobenerPunkt_ = 0;
    bool scrollOffen_ = false;

    QLabel* titel_ = nullptr;
    KennlinienGrafik* grafik_ = nullptr;
    KennlinienUebersicht* uebersicht_ = nullptr;
    QScrollBar* scrollbar_ = nullptr;
    Zahlenfeld* yZoomMax_ = nullptr;
    Zahlenfeld* yZoomMin_ = nullptr;
    Zahlenfeld* xRaster_ = nullptr;
    Zahlenfeld* yRaster_ = nullptr;
    QLabel* xRasterText_ = nullptr;
    QLabel* yRasterText_ = nullptr;
    QLineEdit* xKoordinate_ = nullptr;
    QLineEdit* yKoordinate_ = nullptr;
    QLabel* xKoordinateText_ = nullptr;
    QLabel* yKoordinateText_ = nullptr;
    QLineEdit* kommentarVorschau_ = nullptr;
    QPushButton* kommentarKnopf_ = nullptr;
    Zahlenfeld* begrenzung_ = nullptr;
    QLabel* begrenzungText_ = nullptr;
    Zahlenfeld* zeitkonstante_ = nullptr;
    Zahlenfeld* kurvenNr_ = nullptr;
    QLineEdit* speicherbedarf_ = nullptr;
    QPushButton* schreiben_ = nullptr;
    QPushButton* lesen_ = nullptr;
    QPushButton* ausgang4_ = nullptr;
    QPushButton* zurueck_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* stopp_ = nullptr;
    Kennlinienpunktdialog* punktdialog_ = nullptr;
    Kommentardialog* kommentardialog_ = nullptr;

    // The window's commands in the order of its table; a few of them by name.
    QList<QAction*> befehle_;
    QAction* rueckgaengigAktion_ = nullptr;
    QAction* wiederherstellenAktion_ = nullptr;
    std::array<QAction*, 7> modusAktion_{};
    std::array<QAction*, 3> darstellungAktion_{};  // Linien + Stufen, Linien, Stufen
    KennlinienTabelleImport* tabelleImport_ = nullptr;
    Arbeitspunktanzeige* arbeitspunkt_ = nullptr;
};

}  // namespace plv7::gui
