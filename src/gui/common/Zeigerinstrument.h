#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace plv7::gui {

// An analog pointer instrument: a round scale over the channel's range with the unit below
// the pivot and the value as a number. A falling range (lo above hi) runs the scale from
// lo on the left to hi on the right as well.
class Zeigerinstrument : public QWidget {
    Q_OBJECT

public:
    explicit Zeigerinstrument(QWidget* parent = nullptr);

    void setBereich(double lo, double hi);
    void setNachkommastellen(int stellen);
    void setEinheit(const QString& einheit);
    void setWert(double wert);

    double lo() const { return lo_; }
    double hi() const { return hi_; }
    int nachkommastellen() const { return stellen_; }
    QString einheit() const { return einheit_; }
    double wert() const { return wert_; }
    // The number as shown.
    QString wertText() const;
    // False for a range without extent, such as a channel with two equal voltages: the dial
    // then shows no numbers but says that its scale cannot be read.
    bool skalaBrauchbar() const;

    QSize sizeHint() const override { return {170, 140}; }
    QSize minimumSizeHint() const override { return {120, 100}; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Where the dial sits in the widget.
    struct Geometrie {
        QRectF flaeche;
        double radius = 0.0;
        QPointF mitte;
        double zeile = 0.0;
    };
    Geometrie geometrie() const;
    QPointF punkt(const Geometrie& g, double anteil, double r) const;
    // Pointer position 0..1 over the scale, held at the ends.
    double anteil(double wert) const;
    // The parts that do not move with the value, drawn once into a picture: a sampling tick
    // every few milliseconds then only repaints pointer and number.
    void zeichneSkala(QPainter& p, const Geometrie& g) const;
    void skalaVerwerfen();

    double lo_ = 0.0;
    double hi_ = 10.0;
    int stellen_ = 3;
    QString einheit_ = QStringLiteral("V");
    double wert_ = 0.0;
    QPixmap skala_;
};

}  // namespace plv7::gui
