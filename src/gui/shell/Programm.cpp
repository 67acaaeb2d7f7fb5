#include "shell/Programm.h"

#include "base/ORV_errorV3ibox.h"
#include "com/ComPanel.h"
#include "common/ConnectionPicture.h"
#include "common/ErrorIndicator.h"
#include "direkt/DirektPanel.h"
#include "hilfe/Dialoge.h"
#include "hilfe/Direkthilfe.h"
#include "ini/IniStore.h"
#include "kennlinien/KennlinienPanel.h"
#include "konfig/KonfigPanel.h"
#include "konfig/Konfiguration.h"
#include "kurven/KurvenPanel.h"
#include "shell/Fenster.h"
#include "shell/InfoPanel.h"
#include "shell/MainPanel.h"
#include "shell/PlaceholderPanel.h"

namespace plv7::gui {
namespace {

constexpr QSize kDesignedSize(1100, 760);

// The windows with a section in the settings file, in the order they read it.
QList<Panel*> settingsPanels() {
    return {gKonfigpanel, gCompanel, gDirektpanel};
}

QList<Panel*> childPanels() {
    return {gCompanel, gKonfigpanel, gDirektpanel, gKurvenpanel, gKennlinienpanel};
}

}  // namespace

int ReadIni(const QString& path) {
    IniStore store;
    // A missing file cannot be opened either: both are a failed read for the operator.
    if (store.readFile(path.toStdString()) != IniStore::ReadResult::Ok)
        return settings::kEinstellungenLesenFehler;
    for (Panel* panel : settingsPanels()) {
        if (panel) panel->readIni(store);
    }
    return 0;
}

int WriteIni(const QString& path) {
    IniStore store;
    for (Panel* panel : settingsPanels()) {
        if (panel) panel->writeIni(store);
    }
    return store.writeFile(path.toStdString()) ? 0 : settings::kEinstellungenSchreibenFehler;
}

Programm::Programm(ProgrammOptionen optionen) : optionen_(std::move(optionen)) {
    setSerialPortFactory(makeSerialPortFactory(optionen_.simLine));
    setMessageBoxPresenter([](const std::string& title, const std::string& text) {
        dialoge().message(QString::fromStdString(title), QString::fromStdString(text));
    });
}

Programm::~Programm() {
    closeAllPorts();
    delete gMainpanel;  // owns every window inside it
    gMainpanel = nullptr;
    gCompanel = gKonfigpanel = gDirektpanel = gKurvenpanel = gKennlinienpanel = nullptr;
    delete gInfopanel;
    gInfopanel = nullptr;
    setMessageBoxPresenter(nullptr);
    setSerialPortFactory(nullptr);
    Direkthilfe::instance().reset();
}

int Programm::starten() {
    // Without readable settings the scaling starts from the defaults, never from a record
    // left over from an earlier start in the same process.
    KonfigurationStandardwerte();
    gMainpanel = new MainPanel;
    Direkthilfe::instance().setMainWindow(gMainpanel);
    gCompanel = new ComPanel;
    gKonfigpanel = new KonfigPanel;
    auto* direktpanel = new DirektPanel;
    gDirektpanel = direktpanel;
    auto* kurvenpanel = new KurvenPanel;
    gKurvenpanel = kurvenpanel;
    auto* kennlinienpanel = new KennlinienPanel;
    gKennlinienpanel = kennlinienpanel;
    gInfopanel = new InfoPanel;
    for (Panel* panel : childPanels()) gMainpanel->addPanel(panel);

    if (const int read = ReadIni(optionen_.iniPath); read != 0) ORV_Fehlerpopup(read);
    direktpanel->DirektpanelInit();
    if (const int kurven = kurvenpanel->KurvenpanelInit(); kurven != 0) ORV_Fehlerpopup(kurven);
    if (const int init = kennlinienpanel->KennlinienpanelInit(); init != 0) ORV_Fehlerpopup(init);
    CompanelInit();

    gMainpanel->resize(kDesignedSize);
    gMainpanel->panelgroesseAendern(true);
    gMainpanel->show();
    ZeigeChildpanel(gDirektpanel);
    gestartet_ = true;
    return 0;
}

void Programm::beenden() {
    if (!gestartet_) return;
    gestartet_ = false;
    if (const int written = WriteIni(optionen_.iniPath); written != 0) ORV_Fehlerpopup(written);
    CompanelClear();
    if (auto* kurvenpanel = qobject_cast<KurvenPanel*>(gKurvenpanel))
        kurvenpanel->KurvenpanelClear();
    if (auto* kennlinienpanel = qobject_cast<KennlinienPanel*>(gKennlinienpanel))
        kennlinienpanel->KennlinienpanelClear();
    closeAllPorts();
}

}  // namespace plv7::gui
