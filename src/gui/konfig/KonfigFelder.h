#pragma once

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <optional>

#include "konfig/Konfiguration.h"

namespace plv7::gui {

// A number field that shows its value rounded to a number of decimals but keeps the value
// exactly: a value from a file or the settings (1.25 in a one-decimal field) is taken back
// unchanged unless the operator edits it. Numbers are shown with a dot; the operator may type
// a dot or a comma. A value that is not finite is shown as an empty field.
class ZahlFeld : public QAbstractSpinBox {
    Q_OBJECT

public:
    ZahlFeld(const QString& objectName, int decimals, double step, QWidget* parent = nullptr);

    double value() const { return value_; }
    void setValue(double value);

    // What the operator may type or step to; values set by the program are kept as they are.
    void setLimits(double lowest, double highest);

    // The text shown for a value with the given number of decimals.
    static QString anzeigeText(double value, int decimals);
    // A number as the operator typed it (dot or comma), or nullopt.
    static std::optional<double> eingabeWert(const QString& text);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void wertGeaendert();

protected:
    StepEnabled stepEnabled() const override;

private:
    void zeigen();
    void textBearbeitet(const QString& text);
    void bearbeitungBeendet();
    bool imBereich(double value) const;

    double value_ = 0.0;
    int decimals_;
    double step_;
    std::optional<double> lowest_;
    std::optional<double> highest_;
    QString shown_;
};

// A unit text field: at most 8 characters, and only characters the record's 8-bit unit text
// can carry (Latin-1, no control characters); others are dropped as they are typed or pasted.
class EinheitFeld : public QLineEdit {
public:
    explicit EinheitFeld(const QString& objectName, QWidget* parent = nullptr);
    QSize sizeHint() const override;
};

// A unit text of the record as text, byte by byte as Latin-1 (a 'µ' is one byte).
QString EinheitAlsText(const Konfiguration::Einheit& einheit);
// Stores a text as unit text: characters Latin-1 cannot carry and control characters are left
// out, the rest cut to 8 bytes.
void EinheitAusText(Konfiguration::Einheit& einheit, const QString& text);
// The text without the characters a unit text cannot carry.
QString EinheitTauglich(const QString& text);

}  // namespace plv7::gui
