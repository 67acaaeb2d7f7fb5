// The direct-help texts of the curve window's controls, menu items and tool-bar items.
#include "hilfe/Direkthilfe.h"
#include "kurven/KurvenPanel.h"

namespace plv7::gui {

void KurvenPanel::hilfetexteEintragen() {
    Direkthilfe& hilfe = Direkthilfe::instance();
    const auto text = [&hilfe](const QString& name, const char* t) {
        hilfe.addText(name, QString::fromUtf8(t));
    };
    const auto k = [](const char* name) { return QStringLiteral("KURVEN_") + QLatin1String(name); };
    const auto p = [](const char* name) {
        return QStringLiteral("KURVENPNL_") + QLatin1String(name);
    };

    text(k("DATEI_NEU"), "Löscht alle Kurven.");
    text(k("DATEI_LADEN"), "Lädt Kurven aus einer Datei.");
    text(k("DATEI_ANHAENGEN"),
         "Lädt Kurven aus einer Datei und hängt sie an die bereits\nbestehenden Kurven an.");
    text(k("DATEI_SPEICHERN"), "Speichert die Kurven in eine Datei.");
    text(k("DATEI_SPEICHERNUNTER"), "Speichert die Kurven unter einem\nneuen Dateinamen.");
    text(k("DATEI_IMPORT"), "Importiert Kurven aus dem Textformat.");
    text(k("DATEI_EXPORT"), "Exportiert die Kurven ins Textformat.");

    text(k("BEARBEITEN_MARKIEREN"), "Markieren eines Kurventeils.");
    text(k("BEARBEITEN_ZEICHNEN"),
         "Zeichnet einen neuen Kurvenpunkt am Ende der bisherigen Kurve.\nDie Zeitbasis des "
         "neuen Kurventeils entspricht der in der\nZeitbasis-Liste ausgewählten Zeitbasis.");
    text(k("BEARBEITEN_VERSCHIEBEN"),
         "Verschiebt einen bestehenden Kurvenpunkt.\nEin Punkt kann nur innerhalb der vorigen und "
         "nächsten\nGerade verschoben werden, und nur in Schritten, die dem\ngrößeren Zeitraster "
         "der angrenzenden Geraden entsprechen.");
    text(k("BEARBEITEN_PUNKTKOORDINAT"),
         "Durch anklicken eines Kurvenpunktes erscheint ein Fenster mit\nden Punktkoordinaten. "
         "Die Koordinaten können geändert werden,\naber nur innerhalb der gleichen Grenzen wie "
         "bei 'Punkt verschieben'.");
    text(k("BEARBEITEN_ZEITBASISZEIG"),
         "Wird der Mauszeiger bei gedrückter linker Maustaste über die\nKurvengrafik bewegt, so "
         "werden die Koordinaten und die Zeitbasis\nan der Mausposition angezeigt.\nGleichzeitig "
         "werden in der Kurvengrafik Linien gezeichnet, die die\nÜbergänge von einer Zeitbasis "
         "in eine andere kennzeichnen.");
    text(k("BEARBEITEN_PUNKTLOESCHEN"),
         "Löscht einen Kurvenpunkt.\nDie Gesammtlänge der Kuve bleibt unverändert.");
    text(k("BEARBEITEN_GERADETEILEN"),
         "Teilt eine Gerade indem ein zusätzlicher\nPunkt eingefügt wird.");
    text(k("BEARBEITEN_ZEITBASIS"),
         "Für den Kurventeil, der mit der Maus angeklickt wird, kann\neine neue Zeitbasis "
         "gewählt werden.\nDie Länge der Geraden wird nicht verändert (Ausnahme: "
         "letztes\nGeradenstück).\nDie neue Zeitbasis muß ein ganzzahliges Vielfaches "
         "der\nGeradenlänge sein (Ausnahme: letztes Geradenstück).");
    text(k("BEARBEITEN_LAENGEAENDERN"),
         "Ändert die Länge einer Geraden, ohne deren Zeitbasis zu verändern.\nDie Länge der "
         "Gesammtkurve ändert sich dabei.");

    text(k("BEARBEITEN_AUSSCHNEIDEN"),
         "Löscht das markierte Kurvenstück und speichert\nes im Zwischenspeicher.");
    text(k("BEARBEITEN_KOPIEREN"), "Kopiert das markierte Kurvenstück\nin den Zwischenspeicher.");
    text(k("BEARBEITEN_EINFUEGEN"),
         "Fügt das Kurvenstück im Zwischenspeicher an der\nPosition, an der die Markierung "
         "steht, in die Kurve\nein. Geht die Markierung vollständig über eine oder\nmehrere "
         "Geradenabschnitte, so werden diese gelöscht\n");
    text(k("BEARBEITEN_LOESCHEN"),
         "Löscht den markierten Kurvenabschnitt.\nDie Länge der Gesammtkurve ändert sich damit");
    text(k("BEARBEITEN_ALLESMARKIEREN"), "Markiert die gesammte Kurve.");
    text(k("BEARBEITEN_RUECKGAENGIG"), "Macht den letzten Bearbeitungsschritt rückgängig.");
    text(k("BEARBEITEN_WIEDERHERST"),
         "Stellt den letzten rückgängig gemachten\nBearbeitungsschritt wieder her.");
    text(k("BEARBEITEN_ZOOMPLUS"), "Vergrößert die Grafik.");
    text(k("BEARBEITEN_ZOOMMINUS"), "Verkleinert die Grafik.");
    text(k("BEARBEITEN_ZOOMMARK"), "Vergrößert die Grafik auf den markierten Bereich.");
    text(k("BEARBEITEN_ZOOMVOLL"),
         "Vergrößert oder verkleinert die Grafik so, daß die aktuell\naktive Kurve vollständig "
         "ins Grafikfenster paßt.");
    for (int n = 1; n <= 4; ++n) {
        const std::string nr = std::to_string(n);
        text(k(("BEARBEITEN_KURVE_K" + nr).c_str()), "Wählt eine Kurve zum bearbeiten aus.");
        text(k(("BEARBEITEN_HINTERGRUND_K" + nr).c_str()),
             "Wählt aus, welche Kurven (außer der aktuellen Kurve)\nim Hintergrund der Grafik "
             "angezeigt werden sollen.");
    }
    for (const char* modus : {"ANSICHT_LINIEN", "ANSICHT_STUFEN", "ANSICHT_LINIENSTUFEN"}) {
        text(k(modus),
             "Darstellungsarten für die Kurven:\n- Linien: Nur die intern gespeicherten Geraden "
             "(schnellerer\n              Grafikaufbau)\n- Stufen: Die digitalisierten Geraden, "
             "wie sie tatächlich\n               von der PLV-7 ausgegeben werden.\n- Lin+St: "
             "Linien und Geraden gleichzeitig.");
    }
    text(k("HILFE_PINS"), "Zeigt die Pinbelegung der PLV-7 für den Kurvengeneratorbetrieb.");
    text(k("ZEITBASIS"),
         "Die Zeitbasis, mit der ein neuer Punkt erstellt wird.\nKleine Zeitbasen erlauben "
         "schnellere Signalwechsel und\nschräge Geraden werden feiner aufgelößt.\nMit großen "
         "Zeitbasen können Signalverläufe über große\nZeiträume realisiert werden.");

    text(p("GRAPH"),
         "Graphische Darstellung der Kurven, die die PLV-7 ausgeben soll.\nRote Linien      = "
         "intern gespeicherte Geraden. \nBlaue Linien    = digitalisierte Geraden wie sie "
         "tatsächlich ausgegeben werden.\nHellrote Linie   = letztes Geradenstück (siehe "
         "unten)\nHellblaue Linie = digitalisiertes letztes Geradenstück (siehe unten)\n\nDas "
         "'letzte Geradenstück':\nAm Ende der Gesammtkurve ist immer ein Geradenstück mit "
         "der\nLänge Eins und der Zeitbasis des letzten gezeichneten Punktes\n(Zeitbasis kann "
         "mit 'Zeitbasis ändern' geändert werden). Es\ndient dazu, den letzten Punkt  mit dem "
         "ersten Punkt zu verbinden\nwegen der zyklischen Abarbeitung der Kurven muß das "
         "Kurvenende\nimmer in den Kurvenanfang übergehen).\nDieses Geradenstück wird wie der "
         "Rest der der Kurve von der PLV-7\nausgegeben, es wird jedoch beim Zeichnen eines "
         "neuen Kurvenabschnitts\nautomatisch gelöscht und in evtl. veränderter Form neu "
         "erstellt.");
    const char* position =
        "Anzeige der Punktkoordinaten und der Zeitbasis für\n'Punkt setzen', 'Punkt "
        "verschieben', und 'X+Y+Zeit-\nbasis anzeigen'.";
    for (const char* feld :
         {"XSTUNDEN", "XMINUTEN", "XSEKUNDEN", "XMILISEKUNDEN", "YWERT", "ZEITBASISINDICATOR"}) {
        text(p(feld), position);
    }
    text(p("YRASTER"), "Raster zum Zeichnen der Punkte\nin Y-Richtung.");
    text(p("KOMMENTARVORSCHAU"), "Die erste Zeile des Kurvenkommentars.");
    text(p("KOMMENTAR"), "Öffnet das Kommentarfeld zu der aktuellen Kurve.");
    text(p("SPEICHERBEDARF"),
         "Zeigt an, wieviel Speicher die aktuellen Kurven im\nPLV-7 belegen, wenn man sie "
         "dorthin überträgt.");
    text(p("GRAPHKLEIN"),
         "Ansicht der Kurven in volle Länge.\nRoter Rahmen = Ausschnitt der in der "
         "großen\n                           Grafik dargestellt wird.");
    text(p("YZOOMMIN"), "Skaliert die Y-Achse des Graphen.");
    text(p("YZOOMMAX"), "Skaliert die Y-Achse des Graphen.");
    text(p("SCROLLBAR"), "Verschiebt den Ausschnitt, den die große Grafik zeigt.");
    text(p("HAUPTFENSTER"), "Zurück zum Hauptfenster.");
    text(p("SCHREIBEN"),
         "Überträgt die Kurven zur PLV-7.\nDie bis dahin in der PLV-7 gespeicherten\nKurven "
         "werden damit überschrieben.");
    text(p("LESEN"),
         "Ließt die in der PLV-7 gespeicherten Kurven aus.\nAlle aktuellen Kurven in "
         "PLV7-Steuerung werden\ndamit überschrieben.");
    text(p("ZYKLEN"),
         "Gibt an, wie oft die PLV-7 die Kurve hintereinander ausgeben soll.\nWird hier Null "
         "eingegeben, wird die Kurve endlos wiederholt (bis\ndie Stopp-Taste gedrückt "
         "wird).\nDie Zyklenzahl kann für jede Kurve unabhängig eingestellt werden.");
    text(p("RUHEZUSTAND"),
         "Der Wert, auf dem der Ausgang der PLV-7\nstehenbleibt, wenn die Kurve beendet "
         "ist,\nin der Einheit, die im Fenster 'Konfiguration'\neingestellt wurde.");
}

}  // namespace plv7::gui
