#pragma once

#include <QString>
#include <cstddef>

class QComboBox;
class QDialog;
class QGridLayout;
class QLabel;
class QWidget;

namespace plv7::gui {

// What "Kurve erzeugen" and "Aufzeichnung übernehmen" share: rows of a label, a control and
// its unit, a result line that says what OK would give, and OK and "Abbrechen" below.
class Dialogformular {
public:
    // `name` is the dialog's object name; the result line and OK take it as their prefix.
    Dialogformular(QDialog* dialog, const QString& name);

    void reihe(const QString& text, QWidget* feld, QWidget* einheit = nullptr);
    void reihe(const QString& text, QWidget* feld, const QString& einheit);
    // A line over the whole width (the file name).
    void zeile(const QString& text);
    QLabel* ergebnis() const { return ergebnis_; }
    // Puts rows, result line and buttons into the dialog; once, after the last row.
    void abschliessen();

private:
    QDialog* dialog_;
    QString name_;
    QGridLayout* raster_;
    QLabel* ergebnis_;
    int zeilen_ = 0;
};

// "Punkte: 12   Zeitbasis: 10ms   Speicherbedarf: 1234 Bytes (3.8 %)".
QString ergebnisZeile(std::size_t punkte, int zeitbasis, long bytes);
// The time-base list: "automatisch", then the six, with their codes as data.
void zeitbasenEintragen(QComboBox* liste);

}  // namespace plv7::gui
