#pragma once

#include <QPointer>
#include <memory>

#include "base/Fortschritt.h"
#include "com/ComPort.h"

class QProgressDialog;
class QWidget;

namespace plv7::gui {

// The modal progress dialog of a transfer with the box, without a cancel button. While it
// lives the serial line counts as busy, so that no other window talks to the box in between.
class Fortschrittsdialog : public Fortschritt {
public:
    // `fenster` is the dialog's parent; it may go before the transfer ends.
    explicit Fortschrittsdialog(QWidget* fenster);
    ~Fortschrittsdialog() override;

    void beginnen(std::string_view titel) override;
    void setzen(int prozent) override;
    void beenden() override;

private:
    ComLeitungBelegt belegt_;
    QPointer<QWidget> fenster_;
    std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace plv7::gui
