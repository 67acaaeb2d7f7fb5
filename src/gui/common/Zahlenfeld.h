#pragma once

#include <QAbstractSpinBox>
#include <optional>

#include "base/Eingabegrenzen.h"

namespace plv7::gui {

// The numeric field of every window. It takes the whole number the operator types and only
// then holds it to its range (eingabeBegrenzen): 12 typed where 10 is the most commits 10,
// never the 1 that a spin box would keep after refusing the second key. A number is
// committed with Enter, on leaving the field, or by stepping; with keyboard tracking on, the
// value follows the text while it is typed, held to the range as well.
//
// Values set by the program are kept exactly as they are, also outside the range and with
// more decimals than shown (1.25 from a file in a one-decimal field stays 1.25 until the
// operator edits it). Numbers are shown with a dot and so that they fit the field; the
// operator may type a dot or a comma. A value that is not finite shows as an empty field.
class Zahlenfeld : public QAbstractSpinBox {
    Q_OBJECT

public:
    Zahlenfeld(const QString& objectName, int decimals, double step, QWidget* parent = nullptr);

    double value() const { return value_; }
    // The value of a whole-number field.
    int ganzzahl() const;
    // Emits valueChanged when the value changes.
    void setValue(double value);

    void setRange(double lowest, double highest);
    double minimum() const { return bereich_.untergrenze; }
    double maximum() const { return bereich_.obergrenze; }
    const Eingabebereich& bereich() const { return bereich_; }
    // Whole numbers only: a typed fraction is rounded.
    void setGanzzahlig(bool ganzzahlig);

    int decimals() const { return decimals_; }
    void setDecimals(int decimals);
    void setSingleStep(double step) { step_ = step; }

    // The text shown for a value with the given number of decimals.
    static QString anzeigeText(double value, int decimals);
    // A number as the operator typed it (dot or comma), or nullopt.
    static std::optional<double> eingabeWert(const QString& text);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // The value changed, or the operator committed a typed number (even the same one), so
    // that the window applies its rule to it again.
    void valueChanged(double value);

protected:
    StepEnabled stepEnabled() const override;
    // Undo and redo keys belong to the window: its edits are what the operator takes back,
    // not the digits typed here.
    bool event(QEvent* event) override;

private:
    void zeigen();
    void uebernehmen(double value);
    void textBearbeitet(const QString& text);
    void bearbeitungBeendet();

    double value_ = 0.0;
    int decimals_;
    double step_;
    Eingabebereich bereich_;
    QString shown_;
};

}  // namespace plv7::gui
