#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <memory>
#include <utility>

class QDialog;
class QFileDialog;
class QMessageBox;
class QWidget;

namespace plv7::gui {

// Every pop-up of the program goes through this seam, so each window can be driven in tests
// without a modal dialog blocking them.
class Dialoge {
public:
    struct FileRequest {
        FileRequest() = default;
        FileRequest(QString title_, QString pattern_, bool save_ = true,
                    QString defaultDirectory_ = {})
            : title(std::move(title_)),
              pattern(std::move(pattern_)),
              save(save_),
              defaultDirectory(std::move(defaultDirectory_)) {}

        QString title;
        QString pattern;  // "*.txt"
        bool save = true;
        QString defaultDirectory;
        // The chosen file is extended, not replaced: an existing one is chosen without the
        // question whether to replace it.
        bool extend = false;
        // Alternatives such as "PNG-Bild (*.png)" in place of the pattern. The name is then
        // returned as typed, and the caller adds the chosen filter's suffix where it wants one.
        QStringList filters;
    };
    struct FileAnswer {
        enum class Result { Chosen, Cancelled, Failed };
        FileAnswer() = default;
        FileAnswer(Result result_, QString path_, int filter_ = 0)
            : result(result_), path(std::move(path_)), filter(filter_) {}

        Result result = Result::Cancelled;
        QString path;
        int filter = 0;  // index of the chosen filter of FileRequest::filters
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
// The file dialog the seam shows for a request, set up but not yet shown: wide enough for
// every column, with German dates and sizes whatever the system's locale.
std::unique_ptr<QFileDialog> makeFileDialog(const Dialoge::FileRequest& request);
// The message box of message() and question(), without buttons yet.
std::unique_ptr<QMessageBox> makeMessageBox(const QString& title, const QString& text, bool frage);

}  // namespace plv7::gui
