#include "hilfe/Dialoge.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "hilfe/HelpPopup.h"

namespace plv7::gui {
namespace {

class QtDialoge : public Dialoge {
public:
    void message(const QString& title, const QString& text) override {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
        box.exec();
    }

    int question(const QString& title, const QString& text, const QStringList& buttons,
                 int defaultButton, int cancelButton) override {
        QMessageBox box(QMessageBox::Question, title, text);
        QList<QPushButton*> pushButtons;
        for (const QString& label : buttons) {
            pushButtons.append(box.addButton(label, QMessageBox::ActionRole));
        }
        if (defaultButton >= 0 && defaultButton < pushButtons.size()) {
            box.setDefaultButton(pushButtons[defaultButton]);
        }
        if (cancelButton >= 0 && cancelButton < pushButtons.size()) {
            box.setEscapeButton(pushButtons[cancelButton]);
        }
        box.exec();
        const int pressed = pushButtons.indexOf(static_cast<QPushButton*>(box.clickedButton()));
        return pressed >= 0 ? pressed : cancelButton;
    }

    FileAnswer file(const FileRequest& request) override {
        const std::unique_ptr<QFileDialog> dialog = makeFileDialog(request);
        if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
            return {FileAnswer::Result::Cancelled, {}};
        }
        QString path = dialog->selectedFiles().constFirst();
        if (!request.filters.isEmpty()) {
            const int filter =
                static_cast<int>(request.filters.indexOf(dialog->selectedNameFilter()));
            return {FileAnswer::Result::Chosen, path, std::max(filter, 0)};
        }
        // The extension is restricted to the pattern's, as the operator expects from the filter.
        const QString extension =
            request.pattern.startsWith(QLatin1String("*.")) ? request.pattern.mid(1) : QString();
        if (request.save && !extension.isEmpty() &&
            !path.endsWith(extension, Qt::CaseInsensitive)) {
            path += extension;
        }
        return {FileAnswer::Result::Chosen, path};
    }

    void help(const QString& text, QWidget* mainWindow, const QPoint& position) override {
        showHelpPopup(text, mainWindow, position);
    }

    void showModal(QDialog& window) override { window.exec(); }
};

std::unique_ptr<Dialoge>& instance() {
    static std::unique_ptr<Dialoge> current;
    return current;
}

}  // namespace

Dialoge& dialoge() {
    if (!instance()) instance() = makeQtDialoge();
    return *instance();
}

void setDialoge(std::unique_ptr<Dialoge> replacement) {
    instance() = std::move(replacement);
}

std::unique_ptr<Dialoge> makeQtDialoge() {
    return std::make_unique<QtDialoge>();
}

std::unique_ptr<QFileDialog> makeFileDialog(const Dialoge::FileRequest& request) {
    auto dialog = std::make_unique<QFileDialog>(nullptr, request.title, request.defaultDirectory);
    dialog->setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.filters.isEmpty()) {
        dialog->setNameFilters(request.filters);
    } else if (!request.pattern.isEmpty()) {
        dialog->setNameFilter(QStringLiteral("%1 (%1)").arg(request.pattern));
    }
    dialog->setOption(QFileDialog::DontConfirmOverwrite, request.extend);
    return dialog;
}

}  // namespace plv7::gui
