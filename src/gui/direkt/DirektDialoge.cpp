#include "direkt/DirektDialoge.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "common/Zahlenfeld.h"
#include "hilfe/Direkthilfe.h"

namespace plv7::gui {
namespace {

QPushButton* okKnopf(QDialog* dialog, const QString& name) {
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setObjectName(name);
    ok->setDefault(true);
    ok->setMinimumWidth(90);
    befehlVerbinden(ok, &QPushButton::clicked, dialog, [dialog] { dialog->hide(); });
    return ok;
}

void okUnten(QVBoxLayout* layout, QPushButton* ok) {
    auto* zeile = new QHBoxLayout;
    zeile->addStretch(1);
    zeile->addWidget(ok);
    zeile->addStretch(1);
    layout->addLayout(zeile);
}

}  // namespace

Fehlerstatistik::Fehlerstatistik(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FEHLERPNL"));
    setWindowTitle(QStringLiteral("Fehlerstatistik"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("Messungen, bei denen das gewünschte Zeitraster nicht\neingehalten werden "
                       "konnte."),
        this));
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    fehler_ = feld(QStringLiteral("FEHLERPNL_FEHLERGESAMMT"));
    messungen_ = feld(QStringLiteral("FEHLERPNL_MESSUNGENGESAMMT"));
    prozent_ = feld(QStringLiteral("FEHLERPNL_FEHLERPROZENT"));
    geringster_ = feld(QStringLiteral("FEHLERPNL_FEHLERMIN"));
    groesster_ = feld(QStringLiteral("FEHLERPNL_FEHLERMAX"));
    durchschnitt_ = feld(QStringLiteral("FEHLERPNL_FEHLERDURCHSCHNITT"));
    letzter_ = feld(QStringLiteral("FEHLERPNL_LETZTEABWEICHUNG"));
    form->addRow(QStringLiteral("Fehler gesamt"), fehler_);
    form->addRow(QStringLiteral("Messungen gesamt"), messungen_);
    form->addRow(QStringLiteral("Fehlerhafte in %"), prozent_);
    form->addRow(QStringLiteral("geringster Fehler in ms"), geringster_);
    form->addRow(QStringLiteral("größter Fehler in ms"), groesster_);
    form->addRow(QStringLiteral("Durchschnitt aller Fehler in ms"), durchschnitt_);
    form->addRow(QStringLiteral("letzter Fehler in ms"), letzter_);
    layout->addLayout(form);
    okUnten(layout, okKnopf(this, QStringLiteral("FEHLERPNL_OK")));
    zeige(direkt::Zeitstatistik{}.anzeigeText());
}

QLineEdit* Fehlerstatistik::feld(const QString& name) {
    auto* f = new QLineEdit(this);
    f->setObjectName(name);
    f->setReadOnly(true);
    f->setFocusPolicy(Qt::NoFocus);
    f->setAlignment(Qt::AlignRight);
    f->setMinimumWidth(110);
    return f;
}

void Fehlerstatistik::zeige(const direkt::Zeitstatistik::AnzeigeText& text) {
    fehler_->setText(QString::fromStdString(text.fehler));
    messungen_->setText(QString::fromStdString(text.messungen));
    prozent_->setText(QString::fromStdString(text.fehlerProzent));
    geringster_->setText(QString::fromStdString(text.geringsterMs));
    groesster_->setText(QString::fromStdString(text.groessterMs));
    durchschnitt_->setText(QString::fromStdString(text.durchschnittMs));
    letzter_->setText(QString::fromStdString(text.letzteMs));
}

Triggerdialog::Triggerdialog(QWidget* parent)
    : QDialog(parent),
      quelle_(new QComboBox(this)),
      flanke_(new QComboBox(this)),
      schwelle_(new Zahlenfeld(QStringLiteral("TRIGGERPNL_SCHWELLE"), 1, 1.0, this)),
      delay_(new Zahlenfeld(QStringLiteral("TRIGGERPNL_DELAY"), 0, 1.0, this)) {
    setObjectName(QStringLiteral("TRIGGERPNL"));
    setWindowTitle(QStringLiteral("Trigger"));
    setModal(false);
    setLocale(QLocale::c());

    quelle_->setObjectName(QStringLiteral("TRIGGERPNL_QUELLE"));
    for (int k = 1; k <= 4; ++k) quelle_->addItem(QStringLiteral("Kanal %1").arg(k), k);
    quelle_->addItem(QStringLiteral("Aus"), 0);
    flanke_->setObjectName(QStringLiteral("TRIGGERPNL_FLANKE"));
    flanke_->addItem(QStringLiteral("positiv"), 1);
    flanke_->addItem(QStringLiteral("negativ"), -1);
    schwelle_->setRange(0.0, 100.0);
    schwelle_->setValue(50.0);
    delay_->setGanzzahlig(true);
    delay_->setRange(-11, 11);
    delay_->setValue(0);
    setEinstellung({});

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Quelle"), quelle_);
    form->addRow(QStringLiteral("Flanke"), flanke_);
    form->addRow(QStringLiteral("Schwelle in %"), schwelle_);
    form->addRow(QStringLiteral("Verzögerung"), delay_);
    layout->addLayout(form);
    okUnten(layout, okKnopf(this, QStringLiteral("TRIGGERPNL_OK")));

    const auto melde = [this](bool neustart) {
        if (geaendert) geaendert(neustart);
    };
    connect(quelle_, &QComboBox::activated, this, [melde] { melde(true); });
    connect(delay_, &Zahlenfeld::valueChanged, this, [melde] { melde(true); });
    connect(flanke_, &QComboBox::activated, this, [melde] { melde(false); });
    connect(schwelle_, &Zahlenfeld::valueChanged, this, [melde] { melde(false); });
}

direkt::Triggereinstellung Triggerdialog::einstellung() const {
    direkt::Triggereinstellung e;
    e.quelle = quelle_->currentData().toInt();
    e.flanke = flanke_->currentData().toInt();
    e.schwelle = schwelle_->value();
    e.verzoegerung = delay_->ganzzahl();
    return e;
}

void Triggerdialog::setEinstellung(const direkt::Triggereinstellung& e) {
    const QSignalBlocker b1(quelle_), b2(flanke_), b3(schwelle_), b4(delay_);
    quelle_->setCurrentIndex(std::max(0, quelle_->findData(e.quelle)));
    flanke_->setCurrentIndex(std::max(0, flanke_->findData(e.flanke)));
    schwelle_->setValue(e.schwelle);
    delay_->setValue(e.verzoegerung);
}

}  // namespace plv7::gui
