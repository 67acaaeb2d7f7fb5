// The standard dialogs of the dialog seam as the operator sees them: the first line of a
// message or help pop-up whole, dots of capital umlauts included; file dialogs wide enough
// for their columns, with German dates and texts whatever the system's locale.
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "hilfe/Dialoge.h"
#include "hilfe/HelpPopup.h"
#include "shell/Uebersetzung.h"

using namespace plv7::gui;

namespace {

// The first row of the label that carries ink: 0 when something is cut at its top edge.
int ersteZeileMitTinte(QLabel* label) {
    const QImage bild = label->grab().toImage();
    const QRgb grund = bild.pixel(bild.width() - 1, bild.height() - 1);
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (bild.pixel(x, y) != grund) return y;
        }
    }
    return -1;
}

}  // namespace

class TestStandarddialoge : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QtTexteDeutsch()); }

    void capitalUmlautsOfTheFirstLineKeepTheirDots_data() {
        QTest::addColumn<QString>("art");
        QTest::newRow("Meldung") << QStringLiteral("meldung");
        QTest::newRow("Frage") << QStringLiteral("frage");
        QTest::newRow("Hilfetext") << QStringLiteral("hilfe");
    }
    void capitalUmlautsOfTheFirstLineKeepTheirDots() {
        QFETCH(QString, art);
        const QString text = QStringLiteral("Überträgt ÖÄÜ\nÖffnen");
        std::unique_ptr<QWidget> fenster;
        QLabel* label = nullptr;
        if (art == QLatin1String("hilfe")) {
            auto popup = makeHelpPopup(text, nullptr);
            label = popup->findChild<QLabel*>();
            fenster = std::move(popup);
        } else {
            auto box = makeMessageBox(QStringLiteral("Fehler"), text, art == "frage");
            label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            fenster = std::move(box);
        }
        QVERIFY(label);
        fenster->show();
        QApplication::processEvents();
        QVERIFY(ersteZeileMitTinte(label) >= 1);
    }

    void fileDialogsShowWholeColumnsAndGermanDates() {
        QTemporaryDir ordner;
        QVERIFY(QDir(ordner.path()).mkpath(QStringLiteral("Verzeichnis")));
        QFile datei(ordner.filePath(QStringLiteral("kurven.plr")));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write(QByteArray(2500, '\0'));
        datei.close();
        const auto dialog = makeFileDialog(
            {QStringLiteral("Kurve laden"), QStringLiteral("*.plr"), false, ordner.path()});
        dialog->show();
        auto* liste = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
        QVERIFY(liste && liste->isVisible());
        QAbstractItemModel* modell = liste->model();
        QTRY_COMPARE(modell->rowCount(liste->rootIndex()), 2);
        QModelIndex zeile;
        for (int i = 0; i < 2; ++i) {
            const QModelIndex name = modell->index(i, 0, liste->rootIndex());
            if (name.data().toString() == QLatin1String("kurven.plr")) zeile = name;
        }
        QVERIFY(zeile.isValid());
        const QLocale deutsch(QLocale::German, QLocale::Germany);
        const QDateTime geaendert = QFileInfo(datei).lastModified();
        QCOMPARE(zeile.siblingAtColumn(3).data().toString(),
                 deutsch.toString(geaendert, QLocale::ShortFormat));
        QCOMPARE(zeile.siblingAtColumn(1).data().toString(), deutsch.formattedDataSize(2500));

        QApplication::processEvents();
        QHeaderView* kopf = liste->header();
        const QAbstractItemView* ansicht = liste;  // the width its contents need
        for (int spalte : {1, 2, 3}) {
            QVERIFY2(kopf->sectionSize(spalte) >= ansicht->sizeHintForColumn(spalte),
                     qPrintable(QStringLiteral("Spalte %1").arg(spalte)));
        }
        QVERIFY(kopf->sectionSize(0) >= ansicht->sizeHintForColumn(0));
        auto* knoepfe = dialog->findChild<QDialogButtonBox*>();
        QVERIFY(knoepfe);
        QCOMPARE(knoepfe->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    }
};

QTEST_MAIN(TestStandarddialoge)
#include "tst_standarddialoge.moc"
