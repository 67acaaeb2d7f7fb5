#include "common/Fortschrittsdialog.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace plv7::gui {

Fortschrittsdialog::Fortschrittsdialog(QWidget* fenster) : fenster_(fenster) {}

Fortschrittsdialog::~Fortschrittsdialog() = default;

void Fortschrittsdialog::beginnen(std::string_view titel) {
    const QString text = QString::fromUtf8(titel.data(), static_cast<qsizetype>(titel.size()));
    dialog_ = std::make_unique<QProgressDialog>(text, QString(), 0, 100, fenster_.data());
    dialog_->setObjectName(QStringLiteral("FORTSCHRITT"));
    dialog_->setWindowTitle(text);
    dialog_->setCancelButton(nullptr);
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setMinimumDuration(0);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->setValue(0);
    dialog_->show();
    QCoreApplication::processEvents();
}

void Fortschrittsdialog::setzen(int prozent) {
    // A modal dialog paints itself and the window behind it on every new value.
    if (dialog_) dialog_->setValue(prozent);
}

void Fortschrittsdialog::beenden() {
    dialog_.reset();
}

}  // namespace plv7::gui
