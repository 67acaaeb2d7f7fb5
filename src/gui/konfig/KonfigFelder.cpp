#include "konfig/KonfigFelder.h"

#include <QValidator>

namespace plv7::gui {
namespace {

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
        if (EinheitZeichenTauglich(c.unicode())) ergebnis += c;
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
