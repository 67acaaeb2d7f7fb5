// The direct-help texts of the direct window and its two dialogs.
#include "direkt/DirektPanel.h"
#include "hilfe/Direkthilfe.h"

namespace plv7::gui {

void DirektPanel::hilfetexteEintragen() {
    Direkthilfe& hilfe = Direkthilfe::instance();
    const auto text = [&hilfe](const QString& name, const char* t) {
        hilfe.addText(name, QString::fromUtf8(t));
    };
    const auto d = [](const char* control) {
        return QStringLiteral("DIREKTPNL_") + QLatin1String(control);
    };
    for (int k = 1; k <= 4; ++k) {
        const QString n = QString::number(k);
        text(d("EINGANG") + n,
             "Analogeingang der PLV-7, dargestellt mit einem\nnachgebildeten Zeigerinstrument "
             "sowie einem\nZahlenwert. Die Eingänge werden gelesen, wenn\nder Knopf 'Eingänge "
             "lesen' aktiviert wurde.\nDie Einheit der Zahlenwerte entspricht der Einheit,\ndie "
             "im Fenster 'Konfiguration' eingestellt wurde.");
        text(d("MIN") + n,
             "Kleinster aufgetretener Wert für diesen Eingang.\nDer Wert kann mit dem Knopf "
             "'min/max Reset' zurück-\ngesetzt werden.");
        text(d("MAX") + n,
             "Größter aufgetretener Wert für diesen Eingang.\nDer Wert kann mit dem Knopf "
             "'min/max Reset'\nzurückgesetzt werden.");
        const char* ausgang =
            "Die vier Ausgänge der PLV-7 können mit\nden Drehreglern oder durch Eingabe "
            "eines\nZahlenwertes eingestellt werden.\nDie Einheit der Zahlenwerte entspricht "
            "der\nEinheit, die im Fenster 'Konfiguration'\neingestellt wurde.";
        text(d("AUSGANG") + n, ausgang);
        text(d("AUSGANG") + n + QStringLiteral("_REGLER"), ausgang);
        text(d("BEGRENZUNG") + n,
             "Die Ausgänge werden auf den hier eingestellten Wert begrenzt.\nSo kann vermieden "
             "werden, dass versehentlich ein gefährlich hoher\nWert eingestellt wird.");
        text(d("PLOT") + n, "Bestimmt, ob dieser Eingang\nabgefragt wird.");
        text(d("EINHEIT") + n + QStringLiteral("PRODIV"),
             "Die Skalierung der vier Kurven auf der Y-Achse in\nEinheiten pro Raster. Die "
             "Skalierung ist abhängig\nvon der Einstellung 'Prozent/Div' und den "
             "Ein-\nstellungen, die unter 'Konfiguration/Skalierung'\nvorgenommen wurden.");
    }
    text(d("MINMAXRESET"), "Setzt alle Min- und Max-Werte zurück.");
    text(d("AUSGAENGEAUFNULL"),
         "Setzt alle vier Ausgänge auf Null. Null bezieht sich hier auf die\nphysikalische "
         "Einheit nach der Umrechnung und entspricht nicht\nunbedingt Null Volt am Ausgang der "
         "PLV-7.");
    text(d("ABFRAGEN"), "Schaltet die laufende Abfrage der\nEingänge ein und aus.");
    text(d("ABTASTZEIT"),
         "Das Zeitintervall mit dem die Eingänge\nder PLV-7 abgefragt werden, wenn "
         "'Eingänge\nabfragen' aktiv ist.");
    text(d("DATEISPEICHERN"),
         "Protokollieren der Ein- und Ausgänge in eine Textdatei.\nNicht im Einzelbildmodus "
         "verfügbar.");
    text(d("DATEISPEICHERNLED"), "LED grün -> speichern in eine Datei ist aktiv.");
    text(d("ZEITFEHLERLED"),
         "Diese LED blinkt kurz auf, wenn die Zeit zwischen zwei\nMessungen nicht mit der "
         "eingestellten Zeit übereinstimmt\n(Genauere Informationen über die Zeitfehler "
         "erhällt man\nmit dem Knopf 'Fehlerstatistik').");
    text(d("FEHLERSTATISTIK"),
         "Öffnet das Fenster mit den Details über\ndie aufgetretenen Zeitraster-Fehler.");
    text(QStringLiteral("FEHLERPNL_OK"), "Schließt das Fenster.");
    text(QStringLiteral("FEHLERPNL_FEHLERDURCHSCHNITT"),
         "Der Durchschnitt aus allen Fehlern als\nAbweichung in Milisekunden.");
    text(QStringLiteral("FEHLERPNL_FEHLERMAX"),
         "Der größte aufgetretene Fehler. als\nAbweichung in Milisekunden.");
    text(QStringLiteral("FEHLERPNL_LETZTEABWEICHUNG"),
         "Die Größe des Fehlers bei der letzten\nfehlerhaften Abtastung als Abweichung\nin "
         "Milisekunden.");
    text(QStringLiteral("FEHLERPNL_FEHLERMIN"),
         "Der kleinste aufgetretene Fehler als\nAbweichung in Milisekunden.");
    text(QStringLiteral("FEHLERPNL_FEHLERPROZENT"),
         "Die Anzahl der fehlerhaften Abtastungen\nin Prozent.");
    text(QStringLiteral("FEHLERPNL_MESSUNGENGESAMMT"),
         "Gesammtzahl der Messungen, deren Zeitraster in\nin die Fehlerstatistik eingeht.");
    text(QStringLiteral("FEHLERPNL_FEHLERGESAMMT"),
         "Die Gesammtzahl der Fehlerhaften Abtastungen,\ndie in die Fehlerstatistik eingehen.");

    text(d("STRIPCHART"), "Graphische Darstellung der Eingänge.\nSkala: 0 bis 100%");
    text(d("GRAFIKZEIGEN"), "Schaltet die graphische Darstellung ein und aus.");
    text(d("PUNKTEPRODIV"),
         "Wieviel Abtastpunkte sollen im Diagramm pro\nRaster dargestellt werden?\nDurch "
         "größere Werte kann ein größerer Zeitraum\ndargestellt werden, kleinere Werte "
         "bewirken,\ndaß das Diagramm in X-Richtung vergrößert wird.");
    text(d("SEKPRODIV"),
         "Der Maßstab der X-Achse in Sekunden pro Raster.\nDer Maßstab wird durch die "
         "Kombination aus 'Abtast-\nzeit' und 'Punkte/Div' eingestellt.");
    text(d("PROZENTPRODIV"),
         "Die Höhe der abgebildeten Signale in\nProzent pro Raster.\nDer Wert 20 zeigt den "
         "gesammten Eingangs-\nspannungsbereich. Durch kleinere Werte können\nkleine "
         "Spannungen vergrößert dargestellt werden.");
    text(d("YOFFSETINPROZENT"),
         "Der Offset der abgebildeten Signale in Prozent.\nGrößere Werte schieben die Kurven "
         "in der Grafik\nnach unten.");
    text(d("EINZELBILD"),
         "Im Einzelbildmodus wird die grafische Darstellung der\nSignale am Ende des "
         "Bildschirms angehalten. Um einen\nneuen Durchgang zu starten, muss die "
         "Meßwerterfassung\naus- und wieder eingeschaltet werden (Knopf 'Eingänge\nabfragen')");
    text(d("BILDSPEICHERN"),
         "Speichert die in der Grafik dargestellten\nDiagramme als Textdatei.\nNur im "
         "Einzelbildmodus verfügbar.");
    text(d("VERZOEGERTZEICHNEN"),
         "Wenn 'Verzögerte Anzeige' aktiv ist, werden die Meßwerte nicht\nsofort in den "
         "Grafikbilschirm geschrieben, sondern erst dann,\nwenn genug Messungen gemacht wurden, "
         "um den ganzen Bildschirm\nzu füllen.\nNachteil: Bei langsamer Abtastung sind die "
         "Messwerte nicht sofort\nin der Grafik sichtbar, sondern werden erst (je nach "
         "Einstellugnen\nevtl. um eine lange Zeit) verzögert ausgegeben.\nVorteil: Bei "
         "schneller Abtastung kann das Abtast-Zeitraster genauer\neingehalten werden - "
         "insbesondere im Triggerzeitpunkt bei der Verwen-\ndung von negativer "
         "Triggerverzögerung.");
    text(d("TRIGGER"), "Öffnet das Fenster mit\nden Triggereinstellungen.");
    text(QStringLiteral("TRIGGERPNL_OK"), "Schließt das Fenster.");
    text(QStringLiteral("TRIGGERPNL_QUELLE"),
         "Schaltet die Triggerfunktion ein/aus und bestimmt,\nauf welchen Kanal getriggert "
         "werden soll.");
    text(QStringLiteral("TRIGGERPNL_FLANKE"),
         "Bestimmt, ob auf eine negative oder eine\npositive Flanke getriggert werden soll.");
    text(QStringLiteral("TRIGGERPNL_SCHWELLE"), "Die Triggerschwelle in Prozent.");
    text(QStringLiteral("TRIGGERPNL_DELAY"),
         "Stellt die Triggerverzögerung ein.\nPositive Werte: Triggerzeitpunkt wird nach "
         "links\nverschoben (nach außerhalb der Grafik).\nNegative Werte: Triggerzeitpunkt wird "
         "nach rechts\nverschoben.");
}

}  // namespace plv7::gui
