#pragma once

#include <QPointF>
#include <QPointer>
#include <array>
#include <memory>

#include "kurven/KurvenGraph.h"
#include "kurven/Kurvenmodell.h"
#include "shell/Panel.h"

class QAction;
class QActionGroup;
class QComboBox;
class QCustomPlot;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollBar;
class QToolBar;

namespace plv7::gui {

class Geradendialog;
class Kommentardialog;
class Kurvenpunktdialog;
class Zahlenfeld;

// The curve generator ("Kurvengenerator"): the operator draws and edits the four output curves
// with nine mouse tools on the large graph, and keeps them in files and in the box. The core
// computes every edit; this window turns mouse and menu events into those calls and draws the
// result.
class KurvenPanel : public Panel {
    Q_OBJECT

public:
    enum class Werkzeug {
        Markieren,
        Zeichnen,
        Verschieben,
        Punktkoordinaten,
        ZeitbasisZeigen,
        PunktAufloesen,
        GeradeTeilen,
        Zeitbasis,
        LaengeAendern
    };
    static constexpr int kWerkzeugAnzahl = 9;

    explicit KurvenPanel(QWidget* parent = nullptr);
    ~KurvenPanel() override;

    int abbruchWeilNichtGespeichert() override;

    // At start-up: check marks, scroll bar and the first drawing. At the end: the graphs let
    // go of every plot.
    int KurvenpanelInit();
    void KurvenpanelClear();

    // Everything the window shows of the model after the curves were replaced (loading, a
    // transfer from the box): title, comment, value axis and the full redraw.
    void modellZeigen();
    // The full redraw after every change: graphs, memory display, cycles and rest value,
    // dimming of undo and redo, scroll bar.
    void KurvenNeuZeichnen();
    // The value axis, value range and rest value in the current output channel's unit.
    void Kurvenpanel_SkaliereYAchse();

    kurven::Kurvenmodell& modell();
    KurvenGraph& graph() { return *graph_; }
    Werkzeug werkzeug() const { return werkzeug_; }

protected:
    // A new size of the large graph needs new plot data: the steps are thinned to its pixels.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building (KurvenPanelAufbau.cpp).
    QWidget* baueGrafik();
    QWidget* baueSeitenleiste();
    QWidget* baueFusszeile();
    void hilfetexteEintragen();

    // Menus, tool bar and their commands (KurvenPanelMenues.cpp).
    void baueAktionen();
    void baueMenues();
    void baueWerkzeugleiste();
    QAction* aktion(const QString& text, const char* objekt, const char* bild = nullptr);
    void Menu_Kurven_Bearbeiten_Toggle(Werkzeug werkzeug);
    void Menu_Kurven_Bearbeiten_Toggle2(int kurve);
    void Menu_Kurven_Bearbeiten_Toggle3(int kurve);
    void Menu_Kurven_Ansicht_ToggleDarstellung(Darstellung darstellung);
    void nachBearbeitung(bool geaendert);
    void zoomen(const kurven::Zeitfenster& fenster);
    void rollbalkenAktualisieren();
    void Scrollbar_Callback();
    void YZoomKurven_Callback();
    void kommentarBearbeiten();
    void kommentarvorschauZeigen();
    void titelZeigen();
    void undoDimmen();

    // Mouse tools (KurvenPanel.cpp).
    void Graph_Callback(QPointF pixel, bool loslassen);
    void positionZeigen(double x, double y);
    void zeichnenVorschau(QPointF p);
    void verschiebenVorschau(QPointF p);
    void zeitbasisMenueOeffnen(QPointF p);
    void punktdialogOeffnen(QPointF p);
    void punktdialogUebernehmen();
    void geradendialogOeffnen(QPointF p);
    void geradendialogUebernehmen();
    void fehler(const std::string& text);
    std::int32_t rasterY(double y) const;
    int zeitbasisRing() const;

    std::unique_ptr<KurvenGraph> graph_;
    QCustomPlot* grafik_ = nullptr;
    QCustomPlot* grafikKlein_ = nullptr;
    QScrollBar* rollbalken_ = nullptr;
    QToolBar* werkzeugleiste_ = nullptr;
    QComboBox* zeitbasis_ = nullptr;
    QComboBox* zeitbasisIndikator_ = nullptr;
    std::array<QLineEdit*, 4> zeitfelder_{};
    QLineEdit* wertanzeige_ = nullptr;
    QLineEdit* kommentarvorschau_ = nullptr;
    QLabel* titel_ = nullptr;
    QLineEdit* speicherbedarf_ = nullptr;
    Zahlenfeld* zyklen_ = nullptr;
    Zahlenfeld* ruhezustand_ = nullptr;
    QLabel* ruhezustandText_ = nullptr;
    Zahlenfeld* yRaster_ = nullptr;
    Zahlenfeld* yZoomMin_ = nullptr;
    Zahlenfeld* yZoomMax_ = nullptr;
    QMenu* zeitbasisMenue_ = nullptr;
    Kurvenpunktdialog* punktdialog_ = nullptr;
    Geradendialog* geradendialog_ = nullptr;
    Kommentardialog* kommentardialog_ = nullptr;

    std::array<QAction*, kWerkzeugAnzahl> werkzeuge_{};
    std::array<QAction*, kurven::kKurvenAnzahl> kurvenWahl_{};
    std::array<QAction*, kurven::kKurvenAnzahl> hintergrund_{};
    std::array<QAction*, 3> darstellung_{};  // modes 1..3
    QAction* rueckgaengig_ = nullptr;
    QAction* wiederherstellen_ = nullptr;
    QList<QAction*> dateiAktionen_;
    QList<QAction*> befehle_;

    // Transient state of the tools.
    Werkzeug werkzeug_ = Werkzeug::Zeichnen;
    bool gedrueckt_ = false;
    bool neueVerschiebung_ = true;
    std::size_t verschiebenIndex_ = 0;
    std::size_t dialogIndex_ = 0;
    double zeitbasisX_ = 0.0;
    bool steuerelementeSchreiben_ = false;  // controls written by the window, not the operator
};

}  // namespace plv7::gui
