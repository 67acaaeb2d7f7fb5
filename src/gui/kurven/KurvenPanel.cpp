// The curve window: its mouse tools on the large graph, the full redraw and its life cycle.
#include <qcustomplot.h>

#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <cmath>

#include "common/Zahlenfeld.h"
#include "hilfe/Dialoge.h"
#include "konfig/KonfigUmrechnung.h"
#include "konfig/Konfiguration.h"
#include "kurven/KurvenAblage.h"
#include "kurven/KurvenBearbeitung.h"
#include "kurven/KurvenDialoge.h"
#include "kurven/KurvenPanel.h"
#include "kurven/KurvenWerkzeuge.h"
#include "kurven/Zeitbasis.h"

namespace plv7::gui {

using namespace plv7::kurven;

namespace {

QString einheitDerKurve(int kurve) {
    const std::string_view e = EinheitText(gKonfig.outeinheit[static_cast<std::size_t>(kurve)]);
    return QString::fromLatin1(e.data(), static_cast<qsizetype>(e.size()));
}

}  // namespace

Kurvenmodell& KurvenPanel::modell() {
    return kurvenAblage().modell();
}

int KurvenPanel::abbruchWeilNichtGespeichert() {
    return AbbruchWeilKurvenNichtGespeichert();
}

void KurvenPanel::titelZeigen() {
    const QString titel = kurvenAblage().fenstertitel();
    setWindowTitle(titel);
    titel_->setText(titel_->fontMetrics().elidedText(titel, Qt::ElideMiddle, 262));
    titel_->setToolTip(titel);
}

int KurvenPanel::KurvenpanelInit() {
    titelZeigen();
    kurvenWahl_[static_cast<std::size_t>(modell().aktuelleKurve)]->setChecked(true);
    darstellung_[static_cast<std::size_t>(modell().darstellung) - 1]->setChecked(true);
    kommentarvorschauZeigen();
    Kurvenpanel_SkaliereYAchse();
    KurvenNeuZeichnen();
    return 0;
}

bool KurvenPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grafik_ && event->type() == QEvent::Resize && graph_) {
        QTimer::singleShot(0, this, [this] { KurvenNeuZeichnen(); });
    }
    return Panel::eventFilter(watched, event);
}

void KurvenPanel::KurvenpanelClear() {
    grafik_->clearItems();
    grafikKlein_->clearItems();
    grafik_->clearGraphs();
    grafikKlein_->clearGraphs();
    graph_.reset();
}

void KurvenPanel::Kurvenpanel_SkaliereYAchse() {
    const int c = modell().aktuelleKurve;
    const auto& e = modell().einstellungen[static_cast<std::size_t>(c)];
    ruhezustandText_->setText(QStringLiteral("Ruhezustand [%1]").arg(einheitDerKurve(c)));
    steuerelementeSchreiben_ = true;
    yZoomMin_->setValue(::AusgangCodeInEinheit(c, e.yMin));
    yZoomMax_->setValue(::AusgangCodeInEinheit(c, e.yMax));
    ruhezustand_->setValue(::AusgangCodeInEinheit(c, e.ruhewert));
    steuerelementeSchreiben_ = false;
}

void KurvenPanel::KurvenNeuZeichnen() {
    if (!graph_) return;
    KurvenGraph::Hintergrund h;
    for (std::size_t k = 0; k < hintergrund_.size(); ++k)
        h.zeigen[k] = hintergrund_[k]->isChecked();
    h.zeitbasisMarken = werkzeug_ == Werkzeug::ZeitbasisZeigen;
    graph_->neuZeichnen(modell(), h);

    const double anzeige = SpeicherbedarfAnzeige(modell().Speicherbedarf());
    // The shown value carries its rounding (+0.05) already: one decimal, cut.
    speicherbedarf_->setText(QString::number(std::floor(anzeige * 10.0) / 10.0, 'f', 1));
    speicherbedarf_->setStyleSheet(SpeicherbedarfZuGross(anzeige)
                                       ? QStringLiteral("background: #FF0000;")
                                       : QStringLiteral("background: #C0C0C0;"));
    const auto& e = modell().einstellungen[static_cast<std::size_t>(modell().aktuelleKurve)];
    steuerelementeSchreiben_ = true;
    zyklen_->setValue(e.zyklen);
    ruhezustand_->setValue(::AusgangCodeInEinheit(modell().aktuelleKurve, e.ruhewert));
    steuerelementeSchreiben_ = false;
    undoDimmen();
    rollbalkenAktualisieren();
}

std::int32_t KurvenPanel::rasterY(double y) const {
    const Kurvenmodell& m = kurvenAblage().modell();
    return RasterY(m.aktuelleKurve,
                   m.einstellungen[static_cast<std::size_t>(m.aktuelleKurve)].yRaster, y);
}

int KurvenPanel::zeitbasisRing() const {
    return zeitbasis_->currentData().toInt();
}

void KurvenPanel::fehler(const std::string& text) {
    if (!text.empty()) dialoge().message(QStringLiteral("Fehler"), QString::fromStdString(text));
}

void KurvenPanel::positionZeigen(double x, double y) {
    const Zeitangabe z = ZeitZerlegen(x);
    const std::int64_t teile[] = {z.stunden, z.minuten, z.sekunden, z.millisekunden};
    for (std::size_t i = 0; i < 4; ++i) zeitfelder_[i]->setText(QString::number(teile[i]));
    wertanzeige_->setText(
        QString::number(::AusgangCodeInEinheit(modell().aktuelleKurve, y), 'f', 3));
}

void KurvenPanel::Graph_Callback(QPointF pixel, bool loslassen) {
    const QPointF p = graph_->koordinaten(pixel);
    Kurvenmodell& m = modell();
    const auto naechster = [&] {
        return NaechsterPunkt(m.aktuell().punkte, p.x(), p.y(), m.fenster, graph_->plotBreite(),
                              graph_->plotHoehe());
    };
    switch (werkzeug_) {
        case Werkzeug::Markieren:
            if (loslassen) {
                MarkierungLoslassen(m.markierung, p.x());
            } else {
                MarkierungZiehen(m.markierung, p.x());
            }
            graph_->markierungZeichnen(m.markierung);
            break;
        case Werkzeug::Zeichnen:
            if (!loslassen) {
                zeichnenVorschau(p);
                break;
            }
            fehler(PunktAnhaengen(m, zeitbasisRing(), p.x(), rasterY(p.y())));
            KurvenNeuZeichnen();
            break;
        case Werkzeug::Verschieben:
            if (neueVerschiebung_) {
                verschiebenIndex_ = naechster();
                neueVerschiebung_ = false;
            }
            if (!loslassen) {
                verschiebenVorschau(p);
                break;
            }
            neueVerschiebung_ = true;
            fehler(PunktVerschieben(m, verschiebenIndex_, p.x(), rasterY(p.y())));
            KurvenNeuZeichnen();
            break;
        case Werkzeug::Punktkoordinaten:
            if (loslassen) {
                dialogIndex_ = naechster();
                punktdialogOeffnen(pixel);
            }
            break;
        case Werkzeug::ZeitbasisZeigen:
            if (!loslassen) {
                const std::size_t i = m.SegmentBeiZeit(p.x());
                zeitbasisIndikator_->setCurrentIndex(m.aktuell().punkte[i].zeitbasis - 1);
                positionZeigen(p.x(), p.y());
            }
            break;
        case Werkzeug::PunktAufloesen:
            if (loslassen) {
                fehler(PunktAufloesen(m, naechster()));
                KurvenNeuZeichnen();
            }
            break;
        case Werkzeug::GeradeTeilen:
            if (loslassen) {
                fehler(GeradeTeilen(m, p.x()));
                KurvenNeuZeichnen();
            }
            break;
        case Werkzeug::Zeitbasis:
            if (!loslassen) zeitbasisMenueOeffnen(pixel);
            break;
        case Werkzeug::LaengeAendern:
            if (loslassen) geradendialogOeffnen(pixel);
            break;
    }
}

void KurvenPanel::zeichnenVorschau(QPointF p) {
    const auto& punkte = modell().aktuell().punkte;
    const Punktlage v =
        ZeichnenVorschau(punkte, zeitbasisRing(), p.x(), rasterY(std::floor(p.y() + 0.5)));
    positionZeigen(v.x, v.y);
    const double start = static_cast<double>(PunktStartzeit(punkte, punkte.size() - 1));
    graph_->vorschau({QPointF(start, punkte.back().wert), QPointF(v.x, v.y)}, QPointF(v.x, v.y));
}

void KurvenPanel::verschiebenVorschau(QPointF p) {
    const auto& punkte = modell().aktuell().punkte;
    const std::size_t i = std::min(verschiebenIndex_, punkte.size() - 1);
    const std::size_t vor = i == 0 ? 0 : i - 1;
    const std::size_t nach = std::min(i + 1, punkte.size() - 1);
    const QPointF neu(VerschiebenX(punkte, i, p.x()), rasterY(p.y()));
    positionZeigen(neu.x(), neu.y());
    QVector<QPointF> linie;
    if (i != 0)
        linie.append(QPointF(static_cast<double>(PunktStartzeit(punkte, vor)), punkte[vor].wert));
    linie.append(neu);
    if (i + 1 != punkte.size()) {
        linie.append(QPointF(static_cast<double>(PunktStartzeit(punkte, nach)), punkte[nach].wert));
    }
    graph_->vorschau(linie, neu);
}

void KurvenPanel::zeitbasisMenueOeffnen(QPointF pixel) {
    if (zeitbasisMenue_ && zeitbasisMenue_->isVisible()) return;
    zeitbasisX_ = graph_->koordinaten(pixel).x();
    if (!zeitbasisMenue_) {
        zeitbasisMenue_ = new QMenu(QStringLiteral("Zeitbasis"), this);
        zeitbasisMenue_->setObjectName(QStringLiteral("KURVENPNL_ZEITBASISMENUE"));
        for (int code = kErsteZeitbasis; code <= kLetzteZeitbasis; ++code) {
            QAction* a =
                zeitbasisMenue_->addAction(QString::fromLatin1(ZeitbasisName(code).data()));
            a->setCheckable(true);
            a->setData(code);
        }
        connect(zeitbasisMenue_, &QMenu::triggered, this, [this](QAction* a) {
            fehler(ZeitbasisAendern(modell(), zeitbasisX_, a->data().toInt()));
            KurvenNeuZeichnen();
        });
    }
    const auto& punkte = modell().aktuell().punkte;
    const int aktuell = punkte[SegmentBeiZeit(punkte, zeitbasisX_)].zeitbasis;
    for (QAction* a : zeitbasisMenue_->actions()) a->setChecked(a->data().toInt() == aktuell);
    gedrueckt_ = false;  // the menu takes the mouse from here
    zeitbasisMenue_->popup(grafik_->mapToGlobal(pixel.toPoint() - QPoint(40, 0)));
}

void KurvenPanel::punktdialogOeffnen(QPointF pixel) {
    const auto& punkte = modell().aktuell().punkte;
    const std::size_t i = dialogIndex_;
    const double start = static_cast<double>(PunktStartzeit(punkte, i));
    graph_->punktMarkieren(QPointF(start, punkte[i].wert));
    const int c = modell().aktuelleKurve;
    punktdialog_->setzen(static_cast<int>(i) + 1, PunktStartzeit(punkte, i),
                         ::AusgangCodeInEinheit(c, punkte[i].wert), einheitDerKurve(c));
    punktdialog_->move(grafik_->mapToGlobal(pixel.toPoint() + QPoint(0, 20)));
    punktdialog_->open();
}

void KurvenPanel::punktdialogUebernehmen() {
    fehler(
        PunktKoordinatenSetzen(modell(), dialogIndex_, punktdialog_->zeit(), punktdialog_->wert()));
    KurvenNeuZeichnen();
}

void KurvenPanel::geradendialogOeffnen(QPointF pixel) {
    const auto& punkte = modell().aktuell().punkte;
    const double x = graph_->koordinaten(pixel).x();
    const std::size_t i = SegmentBeiZeit(punkte, x);
    if (i + 1 >= punkte.size()) return;
    dialogIndex_ = i;
    const std::int64_t von = PunktStartzeit(punkte, i);
    const std::int64_t bis = PunktStartzeit(punkte, i + 1);
    graph_->hervorheben(QPointF(static_cast<double>(von), punkte[i].wert),
                        QPointF(static_cast<double>(bis), punkte[i + 1].wert));
    geradendialog_->setzen(static_cast<int>(i) + 1, bis - von);
    geradendialog_->move(grafik_->mapToGlobal(pixel.toPoint() + QPoint(0, 20)));
    geradendialog_->open();
}

void KurvenPanel::geradendialogUebernehmen() {
    fehler(GeradenlaengeAendern(modell(), dialogIndex_, geradendialog_->dauer()));
    KurvenNeuZeichnen();
}

void KurvenPanel::modellZeigen() {
    titelZeigen();
    kommentarvorschauZeigen();
    Kurvenpanel_SkaliereYAchse();
    KurvenNeuZeichnen();
}

}  // namespace plv7::gui
