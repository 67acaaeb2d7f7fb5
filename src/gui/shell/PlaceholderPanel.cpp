#include "shell/PlaceholderPanel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "hilfe/Direkthilfe.h"
#include "shell/Fenster.h"

namespace plv7::gui {

PlaceholderPanel::PlaceholderPanel(const QString& objectName, const QString& title, QWidget* parent)
    : Panel(objectName, title, parent) {
    auto* heading = new QLabel(title, this);
    QFont font = heading->font();
    font.setPointSize(font.pointSize() + 4);
    font.setBold(true);
    heading->setFont(font);
    auto* note = new QLabel(
        QStringLiteral("Dieses Fenster ist in dieser Version noch nicht verfügbar."), this);
    auto* back = new QPushButton(QStringLiteral("Zurück"), this);
    back->setObjectName(objectName + QStringLiteral("_ZURUECK"));
    befehlVerbinden(back, &QPushButton::clicked, this, [] { ZeigeChildpanel(nullptr); });
    content()->addWidget(heading);
    content()->addWidget(note);
    content()->addWidget(back, 0, Qt::AlignLeft);
    content()->addStretch(1);
}

}  // namespace plv7::gui
