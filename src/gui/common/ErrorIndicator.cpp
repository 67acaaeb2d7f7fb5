#include "common/ErrorIndicator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <cstdlib>

#include "base/Fehlergrund.h"
#include "base/ORV_errorV3ibox.h"
#include "common/Lamp.h"

namespace plv7::gui {
ErrorIndicator::ErrorIndicator(const QString& panelPrefix, QWidget* parent)
    : QWidget(parent),
      lamp_(new Lamp(this, QColor(0xFF, 0x00, 0x00))),
      text_(new QLineEdit(this)),
      number_(new QLineEdit(this)) {
    lamp_->setObjectName(panelPrefix + QStringLiteral("_FEHLERLED"));
    text_->setObjectName(panelPrefix + QStringLiteral("_FEHLERSTRING"));
    number_->setObjectName(panelPrefix + QStringLiteral("_FEHLERNR"));
    text_->setReadOnly(true);
    text_->setFocusPolicy(Qt::NoFocus);
    number_->setReadOnly(true);
    number_->setFocusPolicy(Qt::NoFocus);
    number_->setAlignment(Qt::AlignRight);
    number_->setMaximumWidth(90);
    number_->setText(QStringLiteral("0"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Fehler"), this));
    layout->addWidget(lamp_);
    layout->addWidget(text_, 1);
    layout->addWidget(number_);
}

void ErrorIndicator::show(int code) {
    lamp_->setOn(code != 0);
    // Multi-line texts show on one line in the field, the system's reason after the code's
    // text; the tool tip holds it all where the field is too short.
    QString text;
    if (code != 0) {
        text = QString::fromUtf8(ORV_Fehlermeldung(code)).replace('\n', ' ');
        if (const std::string grund = fehlergrund(code); !grund.empty()) {
            text += QStringLiteral(": ") + QString::fromStdString(grund);
        }
    }
    text_->setText(text);
    text_->setCursorPosition(0);
    text_->setToolTip(text_->text());
    number_->setText(QString::number(std::llabs(static_cast<long long>(code))));
}

bool ErrorIndicator::lampOn() const {
    return lamp_->isOn();
}
QString ErrorIndicator::text() const {
    return text_->text();
}
QString ErrorIndicator::number() const {
    return number_->text();
}

void ComFehlerSetzen(int code) {
    for (ErrorIndicator* indicator : ErrorIndicator::alle()) {
        indicator->show(code);
    }
}

}  // namespace plv7::gui
