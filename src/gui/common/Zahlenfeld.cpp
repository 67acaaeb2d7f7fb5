#include "common/Zahlenfeld.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <algorithm>
#include <cmath>

#include "base/NumberText.h"
#include "base/Zahlanzeige.h"

namespace plv7::gui {
namespace {

// What may stand in the field while the operator is still typing a number.
const QRegularExpression& teilEingabe() {
    static const QRegularExpression muster(
        QStringLiteral(R"(^[+-]?\d*([.,]\d*)?([eE][+-]?\d*)?$)"));
    return muster;
}

// Room for a sign, six digits, the point and the decimals.
int feldZeichen(int decimals) {
    return 8 + decimals;
}

}  // namespace

Zahlenfeld::Zahlenfeld(const QString& objectName, int decimals, double step, QWidget* parent)
    : QAbstractSpinBox(parent), decimals_(decimals), step_(step) {
    setObjectName(objectName);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAccelerated(true);
    setKeyboardTracking(false);
    connect(lineEdit(), &QLineEdit::textEdited, this, &Zahlenfeld::textBearbeitet);
    connect(this, &QAbstractSpinBox::editingFinished, this, &Zahlenfeld::bearbeitungBeendet);
    zeigen();
}

QString Zahlenfeld::anzeigeText(double value, int decimals) {
    if (!std::isfinite(value)) return {};
    return QString::fromStdString(zahlFuerAnzeige(value, decimals, feldZeichen(decimals)));
}

std::optional<double> Zahlenfeld::eingabeWert(const QString& text) {
    QString zahl = text.trimmed();
    zahl.replace(QLatin1Char(','), QLatin1Char('.'));
    return parseDouble(zahl.toStdString());
}

int Zahlenfeld::ganzzahl() const {
    return std::isfinite(value_) ? static_cast<int>(std::lround(value_)) : 0;
}

void Zahlenfeld::setValue(double value) {
    const bool geaendert = value != value_ && !(std::isnan(value) && std::isnan(value_));
    value_ = value;
    zeigen();
    if (geaendert) emit valueChanged(value_);
}

void Zahlenfeld::setRange(double lowest, double highest) {
    bereich_.untergrenze = lowest;
    bereich_.obergrenze = highest;
}

void Zahlenfeld::setGanzzahlig(bool ganzzahlig) {
    bereich_.ganzzahlig = ganzzahlig;
}

void Zahlenfeld::setDecimals(int decimals) {
    if (decimals == decimals_) return;
    decimals_ = decimals;
    zeigen();
    updateGeometry();
}

void Zahlenfeld::zeigen() {
    shown_ = anzeigeText(value_, decimals_);
    lineEdit()->setText(shown_);
}

void Zahlenfeld::uebernehmen(double value) {
    const double alt = value_;
    value_ = value;
    if (value_ != alt) emit valueChanged(value_);
}

void Zahlenfeld::textBearbeitet(const QString& text) {
    if (!keyboardTracking()) return;
    // Back at what was shown: the exact value behind it stays.
    if (text == shown_) return;
    if (const auto wert = eingabeWert(text)) uebernehmen(eingabeBegrenzen(*wert, bereich_));
}

void Zahlenfeld::bearbeitungBeendet() {
    const QString text = lineEdit()->text();
    if (text == shown_) return;
    // An unfinished or empty entry falls back to the value, which is shown again.
    const auto wert = eingabeWert(text);
    const double neu = wert ? eingabeBegrenzen(*wert, bereich_) : value_;
    shown_ = anzeigeText(neu, decimals_);
    lineEdit()->setText(shown_);
    // A typed number is a commit even when the value stays: 150 typed into an output already
    // at its range's end of 120 is pulled back to a limit lowered since.
    value_ = neu;
    emit valueChanged(value_);
}

QValidator::State Zahlenfeld::validate(QString& input, int&) const {
    // Only what cannot become a number is refused; the range applies when it is committed.
    if (!teilEingabe().match(input).hasMatch()) return QValidator::Invalid;
    return eingabeWert(input) ? QValidator::Acceptable : QValidator::Intermediate;
}

void Zahlenfeld::fixup(QString& input) const {
    // Enter on an unfinished number ("-", "1e") commits the value shown before.
    if (!eingabeWert(input)) input = shown_;
}

void Zahlenfeld::stepBy(int steps) {
    double wert = std::isfinite(value_) ? value_ + steps * step_
                                        : (std::isfinite(minimum()) ? minimum() : 0.0);
    // Steps land on the grid of the shown decimals, not on 0.30000000000000004; the range
    // comes after, so full scale (4.095) stays reachable.
    const double raster = std::pow(10.0, decimals_);
    const double gerastert = std::round(wert * raster) / raster;
    if (std::isfinite(gerastert)) wert = gerastert;
    setValue(eingabeBegrenzen(wert, bereich_));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled Zahlenfeld::stepEnabled() const {
    if (isReadOnly()) return StepNone;
    StepEnabled erlaubt = StepNone;
    if (!std::isfinite(value_) || value_ < maximum()) erlaubt |= StepUpEnabled;
    if (!std::isfinite(value_) || value_ > minimum()) erlaubt |= StepDownEnabled;
    return erlaubt;
}

bool Zahlenfeld::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* taste = static_cast<QKeyEvent*>(event);
        if (taste->matches(QKeySequence::Undo) || taste->matches(QKeySequence::Redo) ||
            taste->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y)) {
            // Not claimed: the window's shortcut gets the key.
            event->ignore();
            return true;
        }
    }
    return QAbstractSpinBox::event(event);
}

QSize Zahlenfeld::sizeHint() const {
    ensurePolished();
    const QString muster = QStringLiteral("-000000.") + QString(decimals_, QLatin1Char('0'));
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QSize inhalt(fontMetrics().horizontalAdvance(muster) + 8,
                       lineEdit()->sizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, inhalt, this);
}

}  // namespace plv7::gui
