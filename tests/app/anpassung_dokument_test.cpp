// The model-fit document in the frame: a file fitted in the background shows the four
// models, a fitted model goes into a set, refusals and a cancel leave the window as it
// was, and the renderer paints what the window paints.

#include <QApplication>
#include <QClipboard>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <set>

#include "app/documents/anpassung_dokument.h"
#include "app/shell/fortschrittsfenster.h"
#include "app/hintergrund/hintergrund.h"
#include "app/plot/bildausgabe.h"
#include "app/context/befehle.h"
#include "core/documents/anpassung_tabelle.h"
#include "core/io/ausgabedatei.h"
#include "core/util/format.h"
#include "core/models/satzparameter.h"
#include "core/models/vorgaben.h"
#include "support/dialog_hilfen.h"
#include "support/gui_hilfen.h"
#include "support/testdateien.h"
#include "support/zor_modus_test.h"

using namespace zor::app;

namespace {

// Bursts in quiet stretches, as a two-state channel makes them: enough errors and gaps
// for every model, small enough to fit in a moment. A fixed generator keeps it stable.
QByteArray buendelfolge(int bits) {
    QByteArray f(bits, '0');
    std::uint32_t z = 12345;
    const auto zufall = [&z] {
        z = z * 1664525u + 1013904223u;
        return (z >> 8) / 16777216.0;
    };
    bool schlecht = false;
    for (char& c : f) {
        schlecht = schlecht ? zufall() > 0.1 : zufall() < 0.01;
        if (zufall() < (schlecht ? 0.4 : 0.005)) c = '1';
    }
    return f;
}

}  // namespace

class AnpassungDokumentTest : public ZorModusTest {
    Q_OBJECT
    QTemporaryDir tmp_;

    AnpassungDokument* oeffnen() {
        zeigen();
        f_->mainframe_OnCommand(CMD_OEFFNEN_ANPASSUNG);
        QMdiSubWindow* w = fenster("anpassung");
        return w ? qobject_cast<AnpassungDokument*>(w->widget()) : nullptr;
    }
    void klick(AnpassungDokument* d, int id) {
        auto* k = d->findChild<QToolButton*>(QStringLiteral("id_%1").arg(id));
        QVERIFY2(k, qPrintable(QString::number(id)));
        k->click();
    }
    // The file chosen through the window's own button, fitted to the end.
    void dateiAnpassen(AnpassungDokument* d, const QString& pfad) {
        r_->dateiwahl.antworten = {pfad};
        klick(d, ID_ANPASSUNG_DATEI);
        QVERIFY(warteAufJob(*f_));
    }
    QTableWidget* tabelle(AnpassungDokument* d) {
        return d->findChild<QTableWidget*>(QStringLiteral("id_%1").arg(ID_ANPASSUNG_TABELLE));
    }
    QStringList spalte(AnpassungDokument* d, int s) {
        QStringList l;
        for (int r = 0; r < tabelle(d)->rowCount(); ++r) l << tabelle(d)->item(r, s)->text();
        return l;
    }

private slots:
    void initTestCase() { QVERIFY(tmp_.isValid()); }

    void zeigtDieVierModelleUndUebernimmtEins() {
        AnpassungDokument* d = oeffnen();
        QVERIFY(d);
        const QString datei = schreibeDatei(tmp_, "buendel.FFO", buendelfolge(60000));
        dateiAnpassen(d, datei);
        QVERIFY2(r_->meldungen().isEmpty(), qPrintable(r_->meldungen().join('\n')));
        QCOMPARE(r_->dateiwahl.anfragen.value(0).satz, &SATZ_FOLGEN);
        QCOMPARE(tabelle(d)->rowCount(), 4);
        QCOMPARE(d->anpassung().bits, 60000u);
        // One row per model, each named once (an equivalence note may follow the name).
        std::set<QString> modelle;
        for (const QString& m : spalte(d, 1)) modelle.insert(m.section(' ', 0, 0));
        QCOMPARE(modelle, (std::set<QString>{"BSC", "GE", "MC", "SW"}));
        speichereBild(fenster("anpassung"), skaliert(QStringLiteral("anpassung")));
        // Ctrl+C in the table copies the whole table, not the cell.
        tabelle(d)->setFocus();
        QTest::keyClick(tabelle(d), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text().toStdString(), zor::Anpassung_Csv(d->anpassung()));

        // The GE row goes into set 2, simulated, with its fitted values.
        const auto& m = d->anpassung().modelle;
        const auto ge = std::find_if(m.begin(), m.end(), [](const auto& x) { return x.art == zor::Modellart::GE; });
        QVERIFY(ge != m.end());
        tabelle(d)->selectRow(static_cast<int>(ge - m.begin()));
        klick(d, ID_ANPASSUNG_IN_SATZ2);
        QCOMPARE(zor::modellVon(s(), 1), zor::modellId(zor::Modellart::GE, 1));
        const zor::Satzparameter satz2 = zor::satzparameter(s(), 1);
        QVERIFY(satz2.sim);
        for (const int i : {zor::gemc::Bad_From_Good, zor::gemc::Good_From_Bad, zor::gemc::Good, zor::gemc::Bad})
            QCOMPARE(zor::geWerte(s(), 1)[static_cast<std::size_t>(i)], ge->werte[static_cast<std::size_t>(i)]);
        QCOMPARE(s().Fenster.aktualisiert, 0);

        // The renderer paints the same overlay from the same file.
        const QString png = tmp_.filePath("anpassung.png");
        QCOMPARE(QProcess::execute(QStringLiteral(ZOR_RENDER),
                                   {"--dokument", "anpassung", "--datei", datei, "--groesse", "640x400", png}),
                 0);
        const QImage fenster = zor::bildVon({640, 400}, [d](QPainter& p) { d->zeichnen(p, {640, 400}); });
        QCOMPARE(QImage(png).convertToFormat(fenster.format()), fenster);

        // The export never replaces the fitted file, not even through a link.
        const QByteArray vorher = liesDatei(datei);
        QVERIFY(QFile::link(datei, tmp_.filePath("tabelle.csv")));
        r_->dateiwahl.antworten = {tmp_.filePath("tabelle.csv")};
        const auto vor = r_->meldungen().size();
        f_->mainframe_OnCommand(CMD_EXPORTIEREN);
        warteAufJob(*f_);
        QCOMPARE(r_->meldungen().mid(vor), QStringList{QString::fromStdString(zor::format(
                                      zor::TEXT_GLEICHE_DATEI, qPrintable(tmp_.filePath("tabelle.csv")), qPrintable(datei)))});
        QCOMPARE(liesDatei(datei), vorher);
    }

    void abgelehnteFolgeLaesstDasFensterStehen_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("falsche Zeichen") << QByteArray("0102") << QString();
        QTest::newRow("leer") << QByteArray() << QString();
        QTest::newRow("ohne Fehler") << QByteArray(500, '0') << QString::fromUtf8(zor::TEXT_KEIN_FEHLER);
        QTest::newRow("nur Fehler") << QByteArray(500, '1') << QString::fromUtf8(zor::TEXT_NUR_FEHLER);
    }
    void abgelehnteFolgeLaesstDasFensterStehen() {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, meldung);
        AnpassungDokument* d = oeffnen();
        dateiAnpassen(d, schreibeDatei(tmp_, "gut.FFO", buendelfolge(20000)));
        const QStringList vorher = spalte(d, 5);
        dateiAnpassen(d, schreibeDatei(tmp_, "schlecht.FFO", inhalt));
        QCOMPARE(r_->meldungen().size(), 1);
        if (!meldung.isEmpty()) QCOMPARE(r_->meldungen().front(), meldung);
        QCOMPARE(spalte(d, 5), vorher);
        QCOMPARE(d->anpassung().bits, 20000u);
    }

    void abbrechenLaesstDasFensterStehen() {
        AnpassungDokument* d = oeffnen();
        dateiAnpassen(d, schreibeDatei(tmp_, "klein.FFO", buendelfolge(20000)));
        const QStringList vorher = spalte(d, 5);
        // Set 1 simulated over far more bits than a test waits for.
        zor::vorgabeSetzen(s(), 0, *zor::vorgabe("ge1"));
        zor::durchlaeufeSetzen(s(), zor::Modellart::GE, 0, 10'000'000'000ULL);
        klick(d, ID_ANPASSUNG_SATZ1);
        QTRY_VERIFY(f_->hintergrund().laeuft());
        QTest::qWait(300);
        f_->MakeProgress().findChild<QPushButton*>(QStringLiteral("id_%1").arg(ID_ABBRECHEN))->click();
        QVERIFY(warteAufJob(*f_, 10000));
        QVERIFY(r_->meldungen().isEmpty());
        QCOMPARE(spalte(d, 5), vorher);
        QCOMPARE(d->anpassung().bits, 20000u);
    }
};

QTEST_MAIN(AnpassungDokumentTest)
#include "anpassung_dokument_test.moc"
