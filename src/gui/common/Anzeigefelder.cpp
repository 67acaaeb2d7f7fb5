#include "common/Anzeigefelder.h"

#include <QLabel>
#include <QLineEdit>

#include "common/Zahlenfeld.h"

namespace plv7::gui {

QLineEdit* anzeigefeld(QWidget* parent, const QString& objectName, int mindestbreite) {
    auto* feld = new QLineEdit(parent);
    feld->setObjectName(objectName);
    feld->setReadOnly(true);
    feld->setFocusPolicy(Qt::NoFocus);
    feld->setAlignment(Qt::AlignRight);
    if (mindestbreite > 0) feld->setMinimumWidth(mindestbreite);
    return feld;
}

void speicherbedarfZeigen(QLineEdit* feld, double prozent, bool zuGross) {
    feld->setText(Zahlenfeld::anzeigeText(prozent, 1));
    feld->setStyleSheet(zuGross ? QStringLiteral("background: #FF0000;")
                                : QStringLiteral("background: #C0C0C0;"));
}

QLabel* beschriftung(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace plv7::gui
