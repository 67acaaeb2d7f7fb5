#include "shell/InfoPanel.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "hilfe/Dialoge.h"
#include "shell/Fenster.h"
#include "shell/Geraetebild.h"
#include "shell/MainPanel.h"

namespace plv7::gui {
InfoPanel::InfoPanel(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("INFOPNL"));
    setWindowTitle(QStringLiteral("Info"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("PLV7-RS232-B-Steuerung"), this);
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() + 4);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    auto* picture = new QLabel(this);
    picture->setPixmap(geraetebild());
    picture->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(kProgrammVersion, this);
    version->setObjectName(QStringLiteral("INFOPNL_VERSION"));
    auto* datum = new QLabel(kProgrammDatum, this);
    datum->setObjectName(QStringLiteral("INFOPNL_DATUM"));
    auto* about = new QLabel(
        QStringLiteral("Steuerprogramm für die PLV-7:\nvier analoge Eingänge, vier analoge "
                       "Ausgänge,\nKurvengenerator und Kennlinienregler über RS-232."),
        this);
    about->setAlignment(Qt::AlignCenter);
    auto* lizenz = new QLabel(kProgrammLizenz, this);
    lizenz->setObjectName(QStringLiteral("INFOPNL_LIZENZ"));
    lizenz->setAlignment(Qt::AlignCenter);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("INFOPNL_OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(title);
    layout->addWidget(picture);
    for (QLabel* label : {version, datum}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    layout->addWidget(about);
    layout->addWidget(lizenz);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    setFixedSize(sizeHint().expandedTo(QSize(340, 0)));
}

void ZeigeInfopanel() {
    if (!gInfopanel) return;
    if (gMainpanel) {
        gInfopanel->move(gMainpanel->geometry().center() - gInfopanel->rect().center());
    }
    dialoge().showModal(*gInfopanel);
}

}  // namespace plv7::gui
