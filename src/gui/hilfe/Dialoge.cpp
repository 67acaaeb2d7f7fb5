#include "hilfe/Dialoge.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QTreeView>
#include <algorithm>

#include "hilfe/HelpPopup.h"

namespace plv7::gui {
namespace {

constexpr int kDateidialogBreite = 760;
constexpr int kDateidialogHoehe = 460;
constexpr int kOrteBreite = 130;

const QLocale& deutsch() {
    static const QLocale sprache(QLocale::German, QLocale::Germany);
    return sprache;
}

// The file list with German dates and sizes: the file system model writes them in the
// system's locale, which on an English system gives "8 Dec" beside German dialog texts.
class DeutscheDateiliste : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* dateien = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !dateien) return QIdentityProxyModel::data(index, role);
        const QModelIndex quelle = mapToSource(index);
        if (index.column() == kGroesse && !dateien->isDir(quelle))
            return deutsch().formattedDataSize(dateien->size(quelle));
        if (index.column() == kDatum)
            return deutsch().toString(dateien->lastModified(quelle), QLocale::ShortFormat);
        return QIdentityProxyModel::data(index, role);
    }

private:
    // The columns of the file system model.
    static constexpr int kGroesse = 1;
    static constexpr int kDatum = 3;
};

class QtDialoge : public Dialoge {
public:
    void message(const QString& title, const QString& text) override {
        const std::unique_ptr<QMessageBox> box = makeMessageBox(title, text, false);
        box->setStandardButtons(QMessageBox::Ok);
        box->exec();
    }

    int question(const QString& title, const QString& text, const QStringList& buttons,
                 int defaultButton, int cancelButton) override {
        const std::unique_ptr<QMessageBox> box = makeMessageBox(title, text, true);
        QList<QPushButton*> pushButtons;
        for (const QString& label : buttons) {
            pushButtons.append(box->addButton(label, QMessageBox::ActionRole));
        }
        if (defaultButton >= 0 && defaultButton < pushButtons.size()) {
            box->setDefaultButton(pushButtons[defaultButton]);
        }
        if (cancelButton >= 0 && cancelButton < pushButtons.size()) {
            box->setEscapeButton(pushButtons[cancelButton]);
        }
        box->exec();
        const int pressed = pushButtons.indexOf(static_cast<QPushButton*>(box->clickedButton()));
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

std::unique_ptr<QMessageBox> makeMessageBox(const QString& title, const QString& text, bool frage) {
    auto box = std::make_unique<QMessageBox>(frage ? QMessageBox::Question : QMessageBox::NoIcon,
                                             title, text);
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        umlautRaumGeben(label);
    return box;
}

std::unique_ptr<QFileDialog> makeFileDialog(const Dialoge::FileRequest& request) {
    auto dialog = std::make_unique<QFileDialog>(nullptr, request.title, request.defaultDirectory);
    // Qt's own dialog, so that it speaks German on every desktop and its columns can be set.
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    dialog->setViewMode(QFileDialog::Detail);
    dialog->setProxyModel(new DeutscheDateiliste(dialog.get()));
    dialog->resize(kDateidialogBreite, kDateidialogHoehe);
    // The places on the left keep their names whole ("Computer").
    if (auto* teiler = dialog->findChild<QSplitter*>(QStringLiteral("splitter")))
        teiler->setSizes({kOrteBreite, kDateidialogBreite - kOrteBreite});
    if (auto* liste = dialog->findChild<QTreeView*>(QStringLiteral("treeView"))) {
        // Name takes what is left; type and date are never cut ("Verzeichnis", a whole date).
        QHeaderView* kopf = liste->header();
        kopf->setStretchLastSection(false);
        kopf->setSectionResizeMode(QHeaderView::ResizeToContents);
        kopf->setSectionResizeMode(0, QHeaderView::Stretch);
    }
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
