#include "shell/MainPanel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/ConnectionPicture.h"
#include "common/StatusLamps.h"
#include "hilfe/Direkthilfe.h"
#include "shell/Fenster.h"
#include "shell/Geraetebild.h"
#include "shell/InfoPanel.h"
#include "shell/Panel.h"
#include "shell/Programmaktionen.h"

namespace plv7::gui {

MainPanel* gMainpanel = nullptr;
Panel* gCompanel = nullptr;
Panel* gKonfigpanel = nullptr;
Panel* gDirektpanel = nullptr;
Panel* gKurvenpanel = nullptr;
Panel* gKennlinienpanel = nullptr;
InfoPanel* gInfopanel = nullptr;

namespace {

enum MainButton { kCom, kKonfig, kDirekt, kKurven, kKennlinie, kInfo, kEnde };

struct ButtonInfo {
    const char* name;
    const char* label;
    const char* help;
};

constexpr ButtonInfo kButtons[] = {
    {"MAINPANEL_COM", "COM-Einstellung",
     "Öffnen, Schließen und Einstellen der\nSeriellen Schnittstelle, an der das\nPLV-7 Gerät "
     "angeschlossen ist."},
    {"MAINPANEL_KONFIG", "Konfiguration",
     "Konfiguration der PLV-7 Ein-/Ausgänge:\nDie PLV-7 besitzt jeweils vier 0 bis 10 Volt\nEin- "
     "und Ausgänge. Jeder dieser Ein-/Ausgänge\nkann auf eine beliebige andere Einheit "
     "skaliert\nwerden."},
    {"MAINPANEL_DIREKT", "Direkte Ein-/Ausgabe",
     "Direktes Lesen/Schreiben der Ein-/Ausgänge:\nHier können die Ausgänge der PLV-7 direkt "
     "gesetzt,\nund die Eingänge abgefragt werden. Die Eingänge\nkönnen in einem Diagramm "
     "dargestellt und als Text-\ndatei gespeichert werden."},
    {"MAINPANEL_KURVEN", "Kurvengenerator",
     "Die PLV-7 kann vier unabhängige Kurven ausgeben.\nHier können die Kurvenformen erstellt "
     "und in die\nPLV-7 übertragen werden."},
    {"MAINPANEL_KENNLINIE", "Kennlinienregler",
     "Hier können Kennlinien erstellt und in die PLV-7 über-\ntragen werden.\nBei der "
     "Kennlinienregelung wird abhängig von einem\nEingangssignal aufgrund einer beliebigen "
     "Kennlinie\nein Ausgangssignal erzeugt.\nDie PLV-7 kann bis zu 10 Kennlinien speichern. "
     "Die\nAuswahl der Kennlinie erfolgt über eine Analogspannung."},
    {"MAINPANEL_INFO", "Info", nullptr},
    {"MAINPANEL_ENDE", "Beenden", nullptr},
};

Panel* panelOfButton(int index) {
    switch (index) {
        case kCom:
            return gCompanel;
        case kKonfig:
            return gKonfigpanel;
        case kDirekt:
            return gDirektpanel;
        case kKurven:
            return gKurvenpanel;
        case kKennlinie:
            return gKennlinienpanel;
        default:
            return nullptr;
    }
}

}  // namespace

MainPanel::MainPanel(QWidget* parent) : QWidget(parent), stack_(new QStackedWidget(this)) {
    setObjectName(QStringLiteral("MAINPANEL"));
    setWindowTitle(QStringLiteral("PLV7-RS232-B-Steuerung"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(stack_);
    stack_->addWidget(baueStartseite());
    for (const ButtonInfo& info : kButtons) {
        if (info.help)
            Direkthilfe::instance().addText(QLatin1String(info.name), QString::fromUtf8(info.help));
    }
}

QWidget* MainPanel::baueStartseite() {
    auto* page = new QWidget(this);
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(24, 16, 24, 24);

    // Top right: direct help, connection and the box's status, as on every window.
    auto* top = new QHBoxLayout;
    top->addStretch(1);
    top->addWidget(new StatusLamps(QStringLiteral("MAINPANEL"), page));
    top->addSpacing(16);
    top->addWidget(new ConnectionPicture(QStringLiteral("MAINPANEL_PICTURERING"), page));
    auto* help = new QToolButton(page);
    help->setObjectName(QStringLiteral("MAINPANEL_DIREKTHILFE"));
    Direkthilfe::instance().addToggle(help);
    top->addWidget(help, 0, Qt::AlignTop);
    outer->addLayout(top);
    outer->addStretch(1);

    // In the middle: the box and, beside it, the seven buttons.
    auto* middle = new QHBoxLayout;
    middle->addStretch(1);
    auto* left = new QVBoxLayout;
    auto* title = new QLabel(QStringLiteral("PLV7-RS232-B-Steuerung"), page);
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() + 6);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    auto* picture = new QLabel(page);
    picture->setPixmap(geraetebild(2.0));
    picture->setAlignment(Qt::AlignCenter);
    left->addWidget(title);
    left->addWidget(picture);
    middle->addLayout(left);
    middle->addSpacing(48);
    auto* column = new QVBoxLayout;
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
        auto* button = new QPushButton(QString::fromUtf8(kButtons[i].label), page);
        button->setObjectName(QLatin1String(kButtons[i].name));
        button->setMinimumSize(240, 38);
        befehlVerbinden(button, &QPushButton::clicked, this, [this, i] { onMainButton(i); });
        buttons_[i] = button;
        column->addWidget(button);
        // Info and Beenden stand apart from the windows.
        if (i == kKennlinie) column->addSpacing(16);
    }
    middle->addLayout(column);
    middle->addStretch(1);
    outer->addLayout(middle);
    outer->addStretch(2);
    return page;
}

void MainPanel::addPanel(Panel* panel) {
    stack_->addWidget(panel);
}

void MainPanel::onMainButton(int index) {
    switch (index) {
        case kInfo:
            Programmaktionen::instance().info()->trigger();
            break;
        case kEnde:
            Programmaktionen::instance().beenden()->trigger();
            break;
        default:
            FensterWechseln(panelOfButton(index));
            break;
    }
}

void MainPanel::zeigeChildpanel(Panel* panel) {
    if (childpanel_) {
        childpanel_ = nullptr;
        stack_->setCurrentIndex(0);
        hauptbuttonsDimmen(false);
    }
    if (!panel) return;
    hauptbuttonsDimmen(true);
    stack_->setCurrentWidget(panel);
    childpanel_ = panel;
}

void MainPanel::hauptbuttonsDimmen(bool dimmed) {
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
        const Panel* target = panelOfButton(i);
        buttons_[i]->setEnabled(!dimmed && (!target || target->verfuegbar()));
    }
}

void MainPanel::panelgroesseAendern(bool init) {
    const PanelSize current{width(), height()};
    if (init) {
        designed_ = current;
        setMinimumSize(current.width, current.height);
        return;
    }
    const PanelSize target = PanelgroesseBerechnen(designed_, current);
    if (target == current) return;
    enforcing_ = true;
    resize(target.width, target.height);
    enforcing_ = false;
}

int MainPanel::programmende() {
    for (Panel* panel : {gKurvenpanel, gKennlinienpanel, gDirektpanel}) {
        if (!panel) continue;
        if (const int cancel = panel->abbruchWeilNichtGespeichert(); cancel != 0) return cancel;
    }
    ended_ = true;
    QApplication::quit();
    return 0;
}

void MainPanel::closeEvent(QCloseEvent* event) {
    if (ended_ || programmende() == 0) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!enforcing_ && designed_.width > 0) panelgroesseAendern(false);
}

void ZeigeChildpanel(Panel* panel) {
    if (gMainpanel) gMainpanel->zeigeChildpanel(panel);
}

int ProgrammendeFallsAllesGespeichert() {
    return gMainpanel ? gMainpanel->programmende() : 0;
}

}  // namespace plv7::gui
