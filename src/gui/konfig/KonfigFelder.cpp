#include "konfig/KonfigFelder.h"

#include <QValidator>

#include "common/Zeichenhinweis.h"

namespace plv7::gui {
namespace {

// Refuses an edit that brings in a character the code page cannot hold, with a hint, and drops
// control characters (a pasted tab) as before.
class EinheitValidator : public QValidator {
public:
    explicit EinheitValidator(QLineEdit* feld) : QValidator(feld), feld_(feld) {}
    State validate(QString& input, int& pos) const override {
        QString entfernt;
        nurDarstellbare(input, entfernt);
        if (!entfernt.isEmpty()) {
            zeichenHinweisZeigen(feld_, entfernt);
            return Invalid;
        }
        const auto tauglich = [](const QString& text) {
            QString ergebnis;
            for (const char32_t zeichen : text.toUcs4())
                if (EinheitZeichenTauglich(zeichen)) ergebnis += QString::fromUcs4(&zeichen, 1);
            return ergebnis;
        };
        pos = static_cast<int>(tauglich(input.left(pos)).size());
        input = tauglich(input);
        return Acceptable;
    }

private:
    QLineEdit* feld_;
};

}  // namespace

EinheitFeld::EinheitFeld(const QString& objectName, QWidget* parent) : QLineEdit(parent) {
    setObjectName(objectName);
    setMaxLength(8);
    setValidator(new EinheitValidator(this));
}

QSize EinheitFeld::sizeHint() const {
    QSize groesse = QLineEdit::sizeHint();
    groesse.setWidth(fontMetrics().horizontalAdvance(QStringLiteral("mBar abs")) + 16);
    return groesse;
}

QString EinheitAlsText(const Konfiguration::Einheit& einheit) {
    return QString::fromStdString(EinheitAlsUtf8(einheit));
}

void EinheitAusText(Konfiguration::Einheit& einheit, const QString& text) {
    EinheitAusUtf8(einheit, text.toStdString());
}

}  // namespace plv7::gui
