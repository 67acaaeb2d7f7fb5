#include "konfig/KonfigFelder.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QValidator>
#include <algorithm>
#include <cmath>

#include "base/NumberText.h"
#include "ini/IniText.h"

namespace plv7::gui {
namespace {

// Fixed notation gets unreadable long before a double runs out of range.
constexpr double kGrenzeFesteSchreibweise = 1e12;

// What may stand in the field while the operator is still typing a number.
const QRegularExpression& teilEingabe() {
    static const QRegularExpression muster(
        QStringLiteral(R"(^[+-]?\d*([.,]\d*)?([eE][+-]?\d*)?$)"));
    return muster;
}

bool einheitTauglich(QChar c) {
    const char16_t code = c.unicode();
    return code >= 0x20 && code <= 0xFF && !(code >= 0x7F && code <= 0x9F);
}

class Latin1Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        const QString vorher = input.left(pos);
        input = EinheitTauglich(input);
        pos = static_cast<int>(EinheitTauglich(vorher).size());
        return Acceptable;
    }
};

}  // namespace

ZahlFeld::ZahlFeld(const QString& objectName, int decimals, double step, QWidget* parent)
    : QAbstractSpinBox(parent), decimals_(decimals), step_(step) {
    setObjectName(objectName);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAccelerated(true);
    connect(lineEdit(), &QLineEdit::textEdited, this, &ZahlFeld::textBearbeitet);
    connect(this, &QAbstractSpinBox::editingFinished, this, &ZahlFeld::bearbeitungBeendet);
    zeigen();
}

QString ZahlFeld::anzeigeText(double value, int decimals) {
    if (!std::isfinite(value)) return {};
    std::string text = std::abs(value) < kGrenzeFesteSchreibweise ? formatFixed(value, decimals)
                                                                  : ini::formatDouble(value);
    // A value that rounds to zero is shown without its sign ("-0.0" reads as an error).
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return QString::fromStdString(text);
}

std::optional<double> ZahlFeld::eingabeWert(const QString& text) {
    QString zahl = text.trimmed();
    zahl.replace(QLatin1Char(','), QLatin1Char('.'));
    return parseDouble(zahl.toStdString());
}

void ZahlFeld::setValue(double value) {
    value_ = value;
    zeigen();
    emit wertGeaendert();
}

void ZahlFeld::setLimits(double lowest, double highest) {
    lowest_ = lowest;
    highest_ = highest;
}

bool ZahlFeld::imBereich(double value) const {
    return (!lowest_ || value >= *lowest_) && (!highest_ || value <= *highest_);
}

void ZahlFeld::zeigen() {
    shown_ = anzeigeText(value_, decimals_);
    lineEdit()->setText(shown_);
}

void ZahlFeld::textBearbeitet(const QString& text) {
    // Back at what was shown: the exact value behind it stays.
    if (text == shown_) return;
    const auto wert = eingabeWert(text);
    if (!wert || !imBereich(*wert)) return;
    value_ = *wert;
    emit wertGeaendert();
}

void ZahlFeld::bearbeitungBeendet() {
    // An unfinished or empty entry falls back to the value, which is shown rounded again.
    const QString text = lineEdit()->text();
    if (text == shown_) return;
    const auto wert = eingabeWert(text);
    if (wert && imBereich(*wert)) value_ = *wert;
    zeigen();
    emit wertGeaendert();
}

QValidator::State ZahlFeld::validate(QString& input, int&) const {
    if (!teilEingabe().match(input).hasMatch()) return QValidator::Invalid;
    const auto wert = eingabeWert(input);
    if (!wert) return QValidator::Intermediate;
    if (imBereich(*wert)) return QValidator::Acceptable;
    // A number with an exponent may still come into range; one without it will not.
    const bool exponent = input.contains(QLatin1Char('e'), Qt::CaseInsensitive);
    const bool vorzeichen = input.startsWith(QLatin1Char('-'));
    if (vorzeichen && lowest_ && *lowest_ >= 0) return QValidator::Invalid;
    return exponent ? QValidator::Intermediate : QValidator::Invalid;
}

void ZahlFeld::stepBy(int steps) {
    double wert = std::isfinite(value_) ? value_ + steps * step_ : lowest_.value_or(0.0);
    // Steps land on the grid of the shown decimals, not on 0.30000000000000004; the limits
    // come after, so full scale (4.095) stays reachable.
    const double raster = std::pow(10.0, decimals_);
    if (std::abs(wert) < kGrenzeFesteSchreibweise) wert = std::round(wert * raster) / raster;
    if (lowest_) wert = std::max(wert, *lowest_);
    if (highest_) wert = std::min(wert, *highest_);
    setValue(wert);
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled ZahlFeld::stepEnabled() const {
    if (isReadOnly()) return StepNone;
    StepEnabled erlaubt = StepNone;
    if (!std::isfinite(value_) || !highest_ || value_ < *highest_) erlaubt |= StepUpEnabled;
    if (!std::isfinite(value_) || !lowest_ || value_ > *lowest_) erlaubt |= StepDownEnabled;
    return erlaubt;
}

QSize ZahlFeld::sizeHint() const {
    ensurePolished();
    // Room for a sign, six digits and the decimals, plus the arrows.
    const QString muster = QStringLiteral("-000000.") + QString(decimals_, QLatin1Char('0'));
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QSize inhalt(fontMetrics().horizontalAdvance(muster) + 8,
                       lineEdit()->sizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, inhalt, this);
}

EinheitFeld::EinheitFeld(const QString& objectName, QWidget* parent) : QLineEdit(parent) {
    setObjectName(objectName);
    setMaxLength(8);
    setValidator(new Latin1Validator(this));
}

QSize EinheitFeld::sizeHint() const {
    QSize groesse = QLineEdit::sizeHint();
    groesse.setWidth(fontMetrics().horizontalAdvance(QStringLiteral("mBar abs")) + 16);
    return groesse;
}

QString EinheitTauglich(const QString& text) {
    QString ergebnis;
    ergebnis.reserve(text.size());
    for (const QChar c : text) {
        if (einheitTauglich(c)) ergebnis += c;
    }
    return ergebnis;
}

QString EinheitAlsText(const Konfiguration::Einheit& einheit) {
    const std::string_view text = EinheitText(einheit);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

void EinheitAusText(Konfiguration::Einheit& einheit, const QString& text) {
    const QByteArray bytes = EinheitTauglich(text).left(8).toLatin1();
    EinheitSetzen(einheit,
                  std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace plv7::gui
