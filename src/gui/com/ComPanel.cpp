#include "com/ComPanel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <string>

#include "PortMap.h"
#include "com/ComPort.h"
#include "com/GeraeteAuswahl.h"
#include "com/PortBeschriftung.h"
#include "common/ConnectionPicture.h"
#include "common/EingabeSperre.h"
#include "common/ErrorIndicator.h"
#include "common/Lamp.h"
#include "common/StatusLamps.h"
#include "hilfe/Dialoge.h"
#include "hilfe/Direkthilfe.h"
#include "ini/IniStore.h"
#include "link/ComSettings.h"
#include "base/Fehlercodes.h"
#include "link/PortDeviceSettings.h"
#include "link/Rahmenformat.h"
#include "link/Scan.h"
#include "link/plv7Funktionen.h"
#include "shell/Fenster.h"
#include "shell/Programmaktionen.h"

namespace plv7::gui {
namespace {

ComPanel* sgComPanel = nullptr;

constexpr QColor kGefundenGruen(0x00, 0xCC, 0x00);
constexpr QColor kFremdRot(0xFF, 0x00, 0x00);

// The poll reads two short answers; a missing box must not hold the window for long, so it
// waits less per byte than the commands do, and after a failure it asks less often.
constexpr double kAbfrageTimeout = 0.2;
constexpr int kAbfrageTakt = 2000;
constexpr int kAbfrageTaktNachFehler = 10000;
constexpr int kErsteAbfrage = 100;

constexpr char kAdressen[] = "123456789abcdef&";

void selectData(QComboBox* box, const QVariant& value) {
    const int index = box->findData(value);
    box->setCurrentIndex(index >= 0 ? index : 0);
}

}  // namespace

ComPanel::ComPanel(QWidget* parent)
    : Panel(QStringLiteral("COMPNL"), QStringLiteral("COM-Schnittstellen Einstellung"), parent) {
    sgComPanel = this;
    ComHilfetexteEintragen();
    baueMenues();

    auto* heading = new QLabel(title(), this);
    QFont headingFont = heading->font();
    headingFont.setPointSize(headingFont.pointSize() + 4);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    auto* help = new QToolButton(this);
    help->setObjectName(QStringLiteral("COMPNL_DIREKTHILFE"));
    Direkthilfe::instance().addToggle(help);
    auto* top = new QHBoxLayout;
    top->addWidget(heading);
    top->addStretch(1);
    top->addWidget(new StatusLamps(QStringLiteral("COMPNL"), this));
    top->addSpacing(16);
    top->addWidget(new ConnectionPicture(QStringLiteral("COMPNL_PICTURERING"), this));
    top->addWidget(help, 0, Qt::AlignTop);
    content()->addLayout(top);

    auto* groups = new QHBoxLayout;
    groups->addWidget(baueVerbindung(), 2);
    groups->addWidget(baueScan(), 3);
    content()->addLayout(groups);

    content()->addSpacing(8);
    content()->addWidget(baueMeldungen());
    content()->addStretch(1);

    auto* back = new QPushButton(QStringLiteral("Zurück"), this);
    back->setObjectName(QStringLiteral("COMPNL_ZURUECK"));
    back->setMinimumWidth(120);
    befehlVerbinden(back, &QPushButton::clicked, this, [this] { Combuttons_Callback(); });
    content()->addWidget(back, 0, Qt::AlignLeft);

    ConnectionPicture::setClickHandler([] {
        if (sgComPanel) sgComPanel->ComPicture_Callback();
    });
    connect(&statusTimer_, &QTimer::timeout, this, [this] { StatusAbfragen(); });
    connect(&geraeteTimer_, &QTimer::timeout, this, [this] { GeraeteBeobachten(); });
    geraeteTimer_.start(kGeraeteTakt);
}

ComPanel::~ComPanel() {
    statusTimer_.stop();
    geraeteTimer_.stop();
    ConnectionPicture::setClickHandler(nullptr);
    if (sgComPanel == this) sgComPanel = nullptr;
}

ComPanel* ComPanel::instance() {
    return sgComPanel;
}

void ComPanel::baueMenues() {
    QMenu* datei = menuBar()->addMenu(QStringLiteral("Datei"));
    datei->addAction(Programmaktionen::instance().beenden());

    QMenu* geraet = menuBar()->addMenu(QStringLiteral("PLV-7"));
    QMenu* baudrate = geraet->addMenu(QStringLiteral("Baudrate einstellen"));
    for (long baud : protocol::kDeviceBaudRates) {
        QAction* item = baudrate->addAction(QString::number(baud));
        item->setObjectName(QStringLiteral("BAUD%1").arg(baud));
        befehlVerbinden(item, &QAction::triggered, this,
                        [this, baud] { Menu_Com_Plv7_Baudrate(baud); });
    }
}

QWidget* ComPanel::baueVerbindung() {
    auto* group = new QGroupBox(QStringLiteral("Verbindung"), this);
    geraet_ = new GeraeteAuswahl(group);
    befehlVerbinden(geraet_, &QComboBox::activated, this, [this] { GeraetAuswahl_Callback(); });
    geraetLabel_ = new QLabel(group);
    port_ = new QComboBox(group);
    port_->setObjectName(QStringLiteral("COMPNL_PORT"));
    port_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    port_->addItem(portBeschriftung(kKeinPort, geraet_->geraete()), kKeinPort);
    for (int port = kFirstPort; port <= kLastPort; ++port) {
        port_->addItem(portBeschriftung(port, geraet_->geraete()), port);
    }
    befehlVerbinden(port_, &QComboBox::activated, this, [this] { PortSelect_Callback(); });

    baud_ = new QComboBox(group);
    baud_->setObjectName(QStringLiteral("COMPNL_BAUDRATE"));
    for (long baud : protocol::kDeviceBaudRates) {
        baud_->addItem(QString::number(baud), static_cast<qlonglong>(baud));
    }
    befehlVerbinden(baud_, &QComboBox::activated, this, [this] { Baudrate_Callback(); });

    adresse_ = new QComboBox(group);
    adresse_->setObjectName(QStringLiteral("COMPNL_ADRESSE"));
    for (const char* a = kAdressen; *a; ++a) adresse_->addItem(QString(QChar(*a)), int(*a));

    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->addRow(QStringLiteral("COM-Port"), port_);
    form->addRow(geraetLabel_, geraet_);
    geraetZeigen();
    form->addRow(QStringLiteral("Baudrate"), baud_);
    form->addRow(QStringLiteral("Geräteadresse"), adresse_);
    return group;
}

QWidget* ComPanel::baueScan() {
    auto* group = new QGroupBox(QStringLiteral("Geräte an der Schnittstelle"), this);
    auto* lamps = new QGridLayout;
    lamps->setHorizontalSpacing(14);
    lamps->setVerticalSpacing(2);
    for (int i = 0; i < static_cast<int>(scanLamps_.size()); ++i) {
        auto* lamp = new Lamp(group, kGefundenGruen);
        lamp->setObjectName(QStringLiteral("COMPNL_LED%1").arg(i + 1));
        lamp->setFixedSize(20, 20);
        scanLamps_[i] = lamp;
        lamps->addWidget(new QLabel(QString::number(i + 1), group), 0, i, Qt::AlignHCenter);
        lamps->addWidget(lamp, 1, i, Qt::AlignHCenter);
    }
    scann_ = new QPushButton(QStringLiteral("Scann"), group);
    scann_->setObjectName(QStringLiteral("COMPNL_SCANN"));
    scann_->setMinimumWidth(100);
    befehlVerbinden(scann_, &QPushButton::clicked, this, [this] { Scann_Callback(); });
    auto* scanRow = new QHBoxLayout;
    scanRow->addWidget(new QLabel(QStringLiteral("Adresse"), group), 0, Qt::AlignBottom);
    scanRow->addSpacing(8);
    scanRow->addLayout(lamps);
    scanRow->addStretch(1);
    scanRow->addWidget(scann_, 0, Qt::AlignBottom);

    idString_ = new QLineEdit(group);
    idString_->setObjectName(QStringLiteral("COMPNL_IDSTRING"));
    idString_->setReadOnly(true);
    idLesen_ = new QPushButton(QStringLiteral("ID lesen"), group);
    idLesen_->setObjectName(QStringLiteral("COMPNL_IDLESEN"));
    idLesen_->setMinimumWidth(100);
    befehlVerbinden(idLesen_, &QPushButton::clicked, this, [this] { IDLesen_Callback(); });
    auto* idRow = new QHBoxLayout;
    idRow->addWidget(new QLabel(QStringLiteral("Gerätekennung"), group));
    idRow->addWidget(idString_, 1);
    idRow->addWidget(idLesen_);

    auto* column = new QVBoxLayout(group);
    column->addLayout(scanRow);
    column->addSpacing(6);
    column->addLayout(idRow);
    return group;
}

QWidget* ComPanel::baueMeldungen() {
    auto* group = new QGroupBox(QStringLiteral("Meldungen"), this);
    text_ = new QLineEdit(group);
    text_->setObjectName(QStringLiteral("COMPNL_TEXT"));
    text_->setReadOnly(true);
    text_->setFocusPolicy(Qt::NoFocus);
    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(new QLabel(QStringLiteral("Vorgang"), group));
    statusRow->addWidget(text_, 1);
    auto* column = new QVBoxLayout(group);
    column->addLayout(statusRow);
    column->addWidget(new ErrorIndicator(QStringLiteral("COMPNL"), group));
    return group;
}

void ComPanel::ReadIniCompanel(const IniStore& store) {
    // The mapping first: the remembered port opens on the device it stands for.
    portMap().apply(readPortDevices(store));
    portBeschriftungenAktualisieren();

    const ComSettings settings = readComSettings(store);
    setAdressAuswahl(settings.adresse);
    setBaudAuswahl(settings.baudrate);
    sgLetzterPort = settings.letzterPort;
    setPortAuswahl(settings.port);
    if (portAuswahl() != kKeinPort) geraetePort_ = portAuswahl();
    // A remembered adapter that is missing keeps its mapping: it reports why and is found
    // again once plugged in.
    ComFehlerSetzen(ComPortOeffnen());
    setPortAuswahl(sgComPort);
    PictureRingsAktualisieren();
    geraetZeigen();
}

void ComPanel::WriteIniCompanel(IniStore& store) const {
    ComSettings settings;
    settings.adresse = adressAuswahl();
    settings.baudrate = baudAuswahl();
    settings.letzterPort = sgLetzterPort;
    settings.port = sgComPort;
    writeComSettings(store, settings);

    PortDevices devices;
    for (int port = kFirstPort; port <= kLastPort; ++port) {
        if (portMap().isMapped(port)) devices[port] = portMap().device(port).toStdString();
    }
    writePortDevices(store, devices);
}

void ComPanel::init() {
    text_->clear();
    PictureRingsAktualisieren();
    if (sgComPort == kKeinPort) StatusLamps::showEverywhere(0, 0, false);
    statusTimer_.start(sgComPort == kKeinPort ? kAbfrageTakt : kErsteAbfrage);
}

void ComPanel::clear() {
    statusTimer_.stop();
    ComPortSchliessen();
}

int ComPanel::ComPortOeffnen() {
    const int port = portAuswahl();
    const long baud = baudAuswahl();
    if (port == sgComPort && baud == sgBaudrate) return 0;
    ComPortSchliessen();
    if (port != kKeinPort) {
        if (const int result = ORVPLV7_Open(port, baud); result != 0) {
            sgComPort = kKeinPort;
            return result;
        }
        ORVPLV7_Timeout(port, kLeseTimeout);
        sgLetzterPort = port;
        // The lamps show the box soon after it is connected, not only at the next tick.
        if (statusTimer_.isActive()) statusTimer_.start(kErsteAbfrage);
    }
    sgComPort = port;
    sgBaudrate = baud;
    return 0;
}

void ComPanel::ComPortSchliessen() {
    if (sgComPort == kKeinPort) return;
    ORVPLV7_Close(sgComPort);
    sgComPort = kKeinPort;
    StatusLamps::showEverywhere(0, 0, false);
}

void ComPanel::PictureRingsAktualisieren() {
    ConnectionPicture::showPortEverywhere(sgComPort);
}

void ComPanel::oeffnenUndAnzeigen() {
    const int result = ComPortOeffnen();
    if (result != 0) setPortAuswahl(kKeinPort);
    ComFehlerSetzen(result);
    PictureRingsAktualisieren();
}

void ComPanel::PortSelect_Callback() {
    if (portAuswahl() != kKeinPort) geraetePort_ = portAuswahl();
    oeffnenUndAnzeigen();
    geraetZeigen();
}

void ComPanel::Baudrate_Callback() {
    // Closing first reopens the port even when port and rate are what they were.
    ComPortSchliessen();
    oeffnenUndAnzeigen();
}

void ComPanel::ComPicture_Callback() {
    if (sgComPort == kKeinPort) {
        setPortAuswahl(sgLetzterPort);
        ComFehlerSetzen(ComPortOeffnen());
    } else {
        ComPortSchliessen();
    }
    setPortAuswahl(sgComPort);
    PictureRingsAktualisieren();
    geraetZeigen();
}

void ComPanel::IDLesen_Callback() {
    text_->setText(QStringLiteral("lese ID..."));
    text_->repaint();
    int result = kIdLesenOhnePort;
    if (sgComPort != kKeinPort) {
        idString_->clear();
        std::string id;
        result = ORVPLV7_IDLesen(sgComPort, adressAuswahl(), id);
        if (result == 0) idString_->setText(QString::fromStdString(id));
    }
    ComFehlerSetzen(result);
    text_->clear();
}

void ComPanel::Scann_Callback() {
    if (sgComPort == kKeinPort) {
        ComFehlerSetzen(kScanOhnePort);
        return;
    }
    int fehler = 0;
    {
        const ComLeitungBelegt belegt;
        const EingabeSperre gesperrt;
        fehler = scannen();
    }
    verlorenenPortSchliessen();
    // A reopen at some rate may have failed: show what is open now.
    setPortAuswahl(sgComPort);
    PictureRingsAktualisieren();
    ComFehlerSetzen(fehler);
}

int ComPanel::scannen() {
    idString_->clear();
    int reopenFehler = 0;
    ScanCallbacks callbacks;
    callbacks.openAt = [this, &reopenFehler](long baud) {
        setBaudAuswahl(baud);
        if (const int result = ComPortOeffnen(); result != 0 && reopenFehler == 0) {
            reopenFehler = result;
        }
    };
    callbacks.beforeProbe = [this](char address, long baud) {
        statuszeileZeigen(
            QStringLiteral("Suche nach Gerät %1 mit %2 Baud").arg(QChar(address)).arg(baud));
    };
    callbacks.afterProbe = [this](const ScanProbe& probe) {
        Lamp* lamp = scanLamps_.at(static_cast<std::size_t>(probe.address - '1'));
        if (!probe.answered()) {
            lamp->setOn(false);
        } else if (probe.isPlv7()) {
            lamp->setOnColour(kGefundenGruen);
            lamp->setOn(true);
            setAdressAuswahl(probe.address);
            idString_->setText(QString::fromStdString(probe.id));
        } else {
            lamp->setOnColour(kFremdRot);
            lamp->setOn(true);
        }
    };
    int verloren = 0;
    scanLine(sgComPort, callbacks, &verloren);
    text_->clear();
    return reopenFehler != 0 ? reopenFehler : verloren;
}

void ComPanel::statuszeileZeigen(const QString& text) {
    text_->setText(text);
    EingabeSperre::zeichnen();
}

void ComPanel::Combuttons_Callback() {
    ZeigeChildpanel(gDirektpanel);
}

void ComPanel::Menu_Com_Plv7_Baudrate(long baud) {
    if (sgComPort == kKeinPort) {
        dialoge().message(QStringLiteral("Fehler"), QStringLiteral("Kein COM-Port geöffnet"));
        return;
    }
    const int answer = dialoge().question(
        QStringLiteral("Achtung"),
        QStringLiteral("Die Baudrate des PLV-7 Geräts wird\njetzt auf %1 umgestellt.").arg(baud),
        {QStringLiteral("OK"), QStringLiteral("Abbruch")}, 0, 1);
    if (answer != 0) return;
    ComFehlerSetzen(ORVPLV7_BaudrateSchreiben(sgComPort, adressAuswahl(), baud));
}

void ComPanel::StatusAbfragen() {
    if (sgComPort == kKeinPort) {
        StatusLamps::showEverywhere(0, 0, false);
        return;
    }
    // Sampling and long exchanges own the line; the lamps keep what they show.
    if (acquisitionRunning() || ComLeitungIstBelegt()) return;
    const ComLeitungBelegt belegt;
    const char address = adressAuswahl();
    int status1 = 0;
    int status2 = 0;
    ORVPLV7_Timeout(sgComPort, kAbfrageTimeout);
    int result = ORVPLV7_StatusLesen(sgComPort, address, 1, status1);
    if (result == 0) result = ORVPLV7_StatusLesen(sgComPort, address, 2, status2);
    ORVPLV7_Timeout(sgComPort, kLeseTimeout);
    StatusLamps::showEverywhere(status1, status2, result == 0);
    statusTimer_.start(result == 0 ? kAbfrageTakt : kAbfrageTaktNachFehler);
}

int ComPanel::portAuswahl() const {
    return port_->currentData().toInt();
}

void ComPanel::setPortAuswahl(int port) {
    selectData(port_, port);
}

long ComPanel::baudAuswahl() const {
    return static_cast<long>(baud_->currentData().toLongLong());
}

void ComPanel::setBaudAuswahl(long baud) {
    selectData(baud_, static_cast<qlonglong>(baud));
}

char ComPanel::adressAuswahl() const {
    return static_cast<char>(adresse_->currentData().toInt());
}

void ComPanel::setAdressAuswahl(char address) {
    selectData(adresse_, int(address));
}

void CompanelInit() {
    if (ComPanel* panel = ComPanel::instance()) panel->init();
}

void CompanelClear() {
    if (ComPanel* panel = ComPanel::instance()) panel->clear();
}

}  // namespace plv7::gui
