#include "common/Befehlstabelle.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QMenu>
#include <QToolBar>

#include "common/Ressourcen.h"

namespace plv7::gui {

QAction* editorAktion(QObject* besitzer, const QString& objektname, const QString& text,
                      const char* bild, const QString& tipp) {
    auto* a = new QAction(text, besitzer);
    a->setObjectName(objektname);
    if (bild) {
        const QString pfad = ressourcenDatei(QStringLiteral("buttons/%1.png").arg(bild));
        if (!pfad.isEmpty()) a->setIcon(QIcon(pfad));
    }
    a->setToolTip(tipp.isEmpty() ? text : tipp);
    return a;
}

QList<QAction*> befehleAnlegen(QObject* besitzer, const QString& praefix,
                               std::span<const Befehlszeile> zeilen,
                               const std::function<void(QAction*, int wirkung)>& verbinden) {
    QList<QAction*> aktionen;
    for (const Befehlszeile& z : zeilen) {
        QAction* a =
            editorAktion(besitzer, praefix + QLatin1String(z.objekt), QString::fromUtf8(z.text),
                         z.bild, z.tipp ? QString::fromUtf8(z.tipp) : QString());
        if (z.kurz) a->setIconText(QString::fromUtf8(z.kurz));
        if (z.taste != QKeySequence::UnknownKey) a->setShortcut(z.taste);
        if (z.eigeneTaste != 0) a->setShortcut(QKeySequence(z.eigeneTaste));
        aktionen.append(a);
        verbinden(a, z.wirkung);
    }
    return aktionen;
}

void befehleEinordnen(std::span<const Befehlszeile> zeilen, const QList<QAction*>& aktionen,
                      std::span<QMenu* const> menues, QToolBar* leiste) {
    int letztesMenueInLeiste = -1;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const Befehlszeile& z = zeilen[i];
        QAction* a = aktionen[static_cast<qsizetype>(i)];
        QMenu* menue = menues[static_cast<std::size_t>(z.menue)];
        if (z.trennerDavor && !menue->isEmpty()) menue->addSeparator();
        menue->addAction(a);
        if (!z.inWerkzeugleiste) continue;
        const bool trenner = z.trennerDavor || z.menue != letztesMenueInLeiste;
        if (trenner && !leiste->actions().isEmpty()) leiste->addSeparator();
        leiste->addAction(a);
        letztesMenueInLeiste = z.menue;
    }
}

void befehlsgruppe(QObject* besitzer, std::span<QAction* const> aktionen, std::size_t an) {
    auto* gruppe = new QActionGroup(besitzer);
    gruppe->setExclusive(true);
    for (std::size_t i = 0; i < aktionen.size(); ++i) {
        aktionen[i]->setCheckable(true);
        aktionen[i]->setChecked(i == an);
        gruppe->addAction(aktionen[i]);
    }
}

}  // namespace plv7::gui
