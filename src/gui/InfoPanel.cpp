#include "InfoPanel.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "Dialoge.h"
#include "Fenster.h"
#include "MainPanel.h"

namespace plv7::gui {
namespace {

// A drawing of the box with its four inputs and four outputs.
QPixmap boxPicture() {
    QPixmap picture(160, 90);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x3A, 0x5F, 0x8F));
    p.setPen(QPen(Qt::black, 1.5));
    p.drawRoundedRect(QRectF(20, 10, 120, 70), 6, 6);
    p.setPen(Qt::white);
    QFont bold = p.font();
    bold.setBold(true);
    bold.setPointSize(14);
    p.setFont(bold);
    p.drawText(QRectF(20, 10, 120, 50), Qt::AlignCenter, QStringLiteral("PLV-7"));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(QColor(0xE0, 0xB0, 0x20));
        p.setPen(Qt::black);
        p.drawEllipse(QPointF(40 + i * 26, 66), 5, 5);
    }
    return picture;
}

}  // namespace

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
    picture->setPixmap(boxPicture());
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
