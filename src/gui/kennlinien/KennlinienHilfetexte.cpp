// The direct-help texts of the characteristic window, its menus and tool bar.
#include "hilfe/Direkthilfe.h"
#include "kennlinien/KennlinienPanel.h"

namespace plv7::gui {

using namespace kennlinien;
namespace {

struct Hilfe {
    const char* name;
    const char* text;
};

constexpr const char* kRaster =
    "Raster zum Zeichnen der Punkte.\nDie Einheit der Rasterpunkte ist die Einheit, die\nim "
    "Fenster 'Konfiguration' für den Eingang 1 (X-Richtung)\nbzw für den Ausgang 1 "
    "(Y-Richtung) eingestellt wurde.";
constexpr const char* kYZoom = "Skaliert die Y-Achse des Graphen.";
constexpr const char* kKoordinaten = "Anzeige der Punktkoordinaten.";
constexpr const char* kDarstellung =
    "Darstellungsarten für die Kurven:\n- Linien: Nur die intern gespeicherten Geraden "
    "(schnellerer\n              Grafikaufbau)\n- Stufen: Die digitalisierten Geraden, wie sie "
    "tatächlich\n               von der PLV-7 ausgegeben werden.\n- Lin+St: Linien und Geraden "
    "gleichzeitig.";

constexpr Hilfe kFenster[] = {
    {"GRAPH",
     "Graphische Darstellung der Kennlinie, die die PLV-7 ausgeben soll.\nRote Linien      = "
     "intern gespeicherte Geraden. \nBlaue Linien    = digitalisierte Geraden wie sie "
     "tatsächlich ausgegeben werden.\nHellrote Linie   = ggf. Ergänzungsstück bis zum "
     "Bereichsende\nHellblaue Linie = digitalisiertes Ergänzungsstück"},
    {"KOMMENTARVORSCHAU", "Die erste Zeile des Kurvenkommentars."},
    {"KOMMENTAR", "Öffnet das Kommentarfeld."},
    {"XKOORDINATE", kKoordinaten},
    {"YKOORDINATE", kKoordinaten},
    {"XRASTER", kRaster},
    {"YRASTER", kRaster},
    {"YZOOMMAX", kYZoom},
    {"YZOOMMIN", kYZoom},
    {"BEGRENZUNG",
     "Dem Ausgang 2 kann ein fester Wert zugewiesen werden,\nder während der "
     "Kennlinienregelung ausgegeben wird\n(z.B. zur Strombegrenzung). Der Wert muß in der "
     "Einheit\nangegeben werden, die im Fenster 'Konfiguration' für\nden Ausgang 2 "
     "eingestellt wurde."},
    {"ZEITKONSTANTE",
     "Um evtl. Schwingen zu verhindern, wird das Ausgangssignal\ndes Kennlinienreglers durch "
     "einen Tiefpaß gefiltert.\nGeben Sie hier die Zeitkonstante des Tiefpasses an\n(0 = "
     "größtmögliche Geschwindigkeit)."},
    {"SPEICHERBEDARF",
     "Zeigt an, wieviel Speicher die Kennlinie im\nPLV-7 belegt, wenn sie dorthin übertagen "
     "wird."},
    {"GRAPHKLEIN",
     "Ansicht der Kennlinie in volle Länge.\nRoter Rahmen = Ausschnitt der in der großen\n    "
     "                       Grafik dargestellt wird."},
    {"KURVENNR",
     "Die Nummer des Speicherplatzes der bei den Vorgängen\n'zu PLV-7 schreiben' und 'von "
     "PLV-7 lesen' beschrieben\nbzw. gelesen werden soll."},
    {"SCHREIBEN",
     "Überträgt die Kennlinie zur PLV-7\nin den Speicherplatz der im Feld\n'Kurve Nr.' "
     "angegeben ist."},
    {"LESEN",
     "Ließt eine Kennlinie, aus dem im Feld 'Kurve Nr.'\nangegebenen Speicherplatz, aus der "
     "PLV-7 aus."},
    {"AUSGANG4SETZEN",
     "Setzt Ausgang 4 der PLV-7 auf die Auswahlspannung,\nfür die in 'Kurve Nr.' eingestellte "
     "Kennlinie.\nDamit wird diese Kennlinie ausgewählt, falls an\nder PLV-7 der Ausgang 4 mit "
     "dem Kennlinienauswahl-\neingang (Eingang 3) verbunden wurde."},
    {"ZURUECK", "Zurück zum Hauptfenster."},
};

constexpr Hilfe kMenue[] = {
    {"NEU", "Löscht die Kennlinie."},
    {"LADEN", "Lädt eine Kennlinie aus einer Datei."},
    {"SPEICHERN", "Speichert die Kennlinie in eine Datei."},
    {"SPEICHERNUNTER", "Speichert die Kennlinie unter einem\nneuen Dateinamen."},
    {"IMPORT", "Importiert eine Kennlinie aus dem Textformat."},
    {"EXPORT", "Exportiert die Kennlinie ins Textformat."},
    {"RUECKGAENGIG", "Macht den letzten Bearbeitungsschritt rückgängig."},
    {"WIEDERHERST", "Stellt den letzten rückgängig gemachten\nBearbeitungsschritt wieder her."},
    {"ZOOMPLUS", "Vergrößert die Grafik."},
    {"ZOOMMINUS", "Verkleinert die Grafik."},
    {"ZOOMMARK", "Vergrößert die Grafik auf den markierten Bereich."},
    {"ZOOMVOLL",
     "Vergrößert oder verkleinert die Grafik so, daß die\nKennlinie vollständig ins "
     "Grafikfenster paßt."},
    {"MARKIEREN", "Markieren eines Kurventeils."},
    {"ZEICHNEN", "Zeichnet einen neuen Kurvenpunkt am Ende der bisherigen Kurve."},
    {"VERSCHIEBEN",
     "Verschiebt einen bestehenden Kurvenpunkt.\nEin Punkt kann nur innerhalb der vorigen und "
     "nächsten\nGerade verschoben werden."},
    {"PUNKTKOORDINAT",
     "Durch anklicken eines Kurvenpunktes erscheint ein Fenster mit\nden Punktkoordinaten. Die "
     "Koordinaten können geändert werden,\naber nur innerhalb der gleichen Grenzen wie bei "
     "'Punkt verschieben'."},
    {"KOORDINATZEIG",
     "Wird der Mauszeiger bei gedrückter linker Maustaste über die\nKurvengrafik bewegt, so "
     "werden die Koordinaten an der Maus-\nposition angezeigt."},
    {"PUNKTLOESCHEN", "Löscht einen Kurvenpunkt."},
    {"GERADETEILEN", "Teilt eine Gerade indem ein zusätzlicher\nPunkt eingefügt wird."},
    {"LINST", kDarstellung},
    {"LIN", kDarstellung},
    {"ST", kDarstellung},
};

}  // namespace

void KennlinienPanel::hilfetexteEintragen() {
    Direkthilfe& hilfe = Direkthilfe::instance();
    for (const Hilfe& h : kFenster)
        hilfe.addText(QStringLiteral("KENNLPNL_") + QLatin1String(h.name),
                      QString::fromUtf8(h.text));
    for (const Hilfe& h : kMenue)
        hilfe.addText(QStringLiteral("KENNLI_") + QLatin1String(h.name), QString::fromUtf8(h.text));
}

}  // namespace plv7::gui
