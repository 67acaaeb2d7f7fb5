#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <memory>

class QDialog;
class QWidget;

namespace plv7::gui {

// Every pop-up of the program goes through this seam, so each window can be driven in tests
// without a modal dialog blocking them.
class Dialoge {
public:
    struct FileRequest {
        QString title;
        QString pattern;  // "*.txt"
        bool save = true;
        QString defaultDirectory;
    };
    struct FileAnswer {
        enum class Result { Chosen, Cancelled, Failed };
        Result result = Result::Cancelled;
        QString path;
    };

    virtual ~Dialoge() = default;

    // A modal message box with one OK button.
    virtual void message(const QString& title, const QString& text) = 0;
    // A modal question with up to three buttons; the index of the button pressed (the cancel
    // button's index when the box is closed otherwise).
    virtual int question(const QString& title, const QString& text, const QStringList& buttons,
                         int defaultButton, int cancelButton) = 0;
    virtual FileAnswer file(const FileRequest& request) = 0;
    // The direct-help pop-up at a position in the main window's coordinates; returns when the
    // operator has clicked it away.
    virtual void help(const QString& text, QWidget* mainWindow, const QPoint& position) = 0;
    // One of the program's own modal windows (the info window), until it is closed.
    virtual void showModal(QDialog& window) = 0;
};

// The program-wide seam; the real Qt dialogs unless a test installed its own.
Dialoge& dialoge();
void setDialoge(std::unique_ptr<Dialoge> replacement);

// The seam with QMessageBox, QFileDialog and the help pop-up.
std::unique_ptr<Dialoge> makeQtDialoge();

}  // namespace plv7::gui
