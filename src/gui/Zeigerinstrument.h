#pragma once

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

    QSize sizeHint() const override { return {170, 140}; }
    QSize minimumSizeHint() const override { return {120, 100}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    // Pointer position 0..1 over the scale, held at the ends.
    double anteil(double wert) const;

    double lo_ = 0.0;
    double hi_ = 10.0;
    int stellen_ = 3;
    QString einheit_ = QStringLiteral("V");
    double wert_ = 0.0;
};

}  // namespace plv7::gui
