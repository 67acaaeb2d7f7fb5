#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace plv7::gui {

class Zahlenfeld;

// "Punkt %d" (KEPUNKTPNL): the coordinates of one point in user units. There is only OK;
// the window checks what was typed after the dialog closes.
class Punktdialog : public QDialog {
public:
    explicit Punktdialog(QWidget* parent);

    void fuellen(int nummer, double x, double y, const QString& xEinheit, const QString& yEinheit);
    double x() const;
    double y() const;

private:
    QLabel* xText_;
    QLabel* yText_;
    Zahlenfeld* x_;
    Zahlenfeld* y_;
};

// "Kommentar" (KOMM1PNL): the comment in a text box that takes at most 999 bytes.
class Kommentardialog : public QDialog {
public:
    explicit Kommentardialog(QWidget* parent);

    void setText(const QString& text);
    QString text() const;

private:
    void begrenzen();

    QPlainTextEdit* text_;
};

}  // namespace plv7::gui
