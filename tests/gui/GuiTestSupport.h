#pragma once

// What every GUI test needs: the dialog seam scripted, and the whole program started on a
// simulated box inside the test process, with its settings in a temporary folder.
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>

#include "Line.h"
#include "PortMap.h"
#include "SerialDeviceList.h"
#include "hilfe/Dialoge.h"
#include "ini/IniStore.h"
#include "kennlinien/KennlinienPanel.h"
#include "kurven/KurvenPanel.h"
#include "shell/Fenster.h"
#include "shell/MainPanel.h"
#include "shell/Programm.h"

namespace plv7::gui::test {

// Records every pop-up and answers with what the test scripted (cancel by default).
class ScriptedDialoge : public Dialoge {
public:
    struct Shown {
        QString kind;  // "message", "question", "file", "help", "modal"
        QString title;
        QString text;
    };

    QList<Shown> shown;
    QList<FileRequest> fileRequests;
    std::deque<int> questionAnswers;
    std::deque<FileAnswer> fileAnswers;
    // Plays the operator in a modal window of the program before it closes.
    std::function<void(QDialog&)> onModal;

    void message(const QString& title, const QString& text) override {
        shown.append({QStringLiteral("message"), title, text});
    }
    int question(const QString& title, const QString& text, const QStringList&, int,
                 int cancelButton) override {
        shown.append({QStringLiteral("question"), title, text});
        if (questionAnswers.empty()) return cancelButton;
        const int answer = questionAnswers.front();
        questionAnswers.pop_front();
        return answer;
    }
    FileAnswer file(const FileRequest& request) override {
        shown.append({QStringLiteral("file"), request.title, request.pattern});
        fileRequests.append(request);
        if (fileAnswers.empty()) return {FileAnswer::Result::Cancelled, {}};
        FileAnswer answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
    void help(const QString& text, QWidget*, const QPoint&) override {
        shown.append({QStringLiteral("help"), {}, text});
    }
    void showModal(QDialog& window) override {
        shown.append({QStringLiteral("modal"), window.windowTitle(), {}});
        if (onModal) onModal(window);
    }

    int count(const QString& kind) const {
        int n = 0;
        for (const Shown& s : shown) n += s.kind == kind ? 1 : 0;
        return n;
    }
    QString lastText(const QString& kind) const {
        for (auto it = shown.rbegin(); it != shown.rend(); ++it) {
            if (it->kind == kind) return it->text;
        }
        return {};
    }
    QString lastTitle(const QString& kind) const {
        for (auto it = shown.rbegin(); it != shown.rend(); ++it) {
            if (it->kind == kind) return it->title;
        }
        return {};
    }
};

// The PC's serial devices as a test plugs them in and out.
class ScriptedSerialDevices : public SerialDeviceList {
public:
    std::vector<SerialDevice> list;
    std::vector<SerialDevice> devices() const override { return list; }
};

// A command of a window's menus by its object name, the program-wide ones ("BEENDEN", "INFO",
// "DIREKTHILFE") included.
inline QAction* menuAktion(const QWidget* window, const QString& name) {
    for (const QMenu* menu : window->findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (action->objectName() == name) return action;
        }
    }
    return nullptr;
}

// Types text over a field's content key by key, as the operator does, and presses Enter.
inline void tippen(QWidget* feld, const QString& text) {
    if (auto* zahl = qobject_cast<QAbstractSpinBox*>(feld)) zahl->selectAll();
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QTest::keyClick(feld, Qt::Key_Return);
}

// The program on a simulated box at port 1 (one PLV-7 at address '1', 9600 baud).
class ProgramFixture {
public:
    ProgramFixture() : line(std::make_shared<sim::Line>()) {
        line->addBox('1');
        auto scripted = std::make_unique<ScriptedDialoge>();
        dialogs = scripted.get();
        setDialoge(std::move(scripted));
        portMap() = PortMap();
        portMap().setDevice(1, PortMap::kSimulated);
        setSerialDeviceList(devices);
    }
    ~ProgramFixture() {
        program.reset();
        setDialoge(nullptr);
        portMap() = PortMap();
        setSerialDeviceList(nullptr);
    }

    QString iniPath() const { return folder.filePath(QStringLiteral("plv7rs232bSteuerung.ini")); }

    // Writes a settings file the program reads at start.
    void writeSettings(const IniStore& store) const { store.writeFile(iniPath().toStdString()); }
    // Settings that start the program connected to the simulated box on port 1.
    void writeConnectedSettings(long baud = 9600) const {
        IniStore store;
        store.putInt("com", "port", 1);
        store.putInt("com", "lport", 1);
        store.putInt("com", "baud", baud);
        writeSettings(store);
    }

    int start() {
        ProgrammOptionen optionen;
        optionen.iniPath = iniPath();
        optionen.simLine = line;
        program = std::make_unique<Programm>(optionen);
        return program->starten();
    }
    void finish() { program->beenden(); }

    template <typename T = QWidget>
    T* find(const QString& name) const {
        return gMainpanel ? gMainpanel->findChild<T*>(name) : nullptr;
    }

    QTemporaryDir folder;
    std::shared_ptr<sim::Line> line;
    // No adapters until a test plugs some in: the windows never depend on the test machine.
    std::shared_ptr<ScriptedSerialDevices> devices = std::make_shared<ScriptedSerialDevices>();
    ScriptedDialoge* dialogs = nullptr;
    std::unique_ptr<Programm> program;
};

// The started program's editor windows.
inline KurvenPanel& kurvenfenster() {
    return *static_cast<KurvenPanel*>(gKurvenpanel);
}
inline KennlinienPanel& kennlinienfenster() {
    return *static_cast<KennlinienPanel*>(gKennlinienpanel);
}

// The file dialog's answer when the operator picks `pfad`.
inline Dialoge::FileAnswer gewaehlt(const QString& pfad) {
    return {Dialoge::FileAnswer::Result::Chosen, pfad};
}

}  // namespace plv7::gui::test
