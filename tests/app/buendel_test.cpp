// The document "Bündel und Blöcke" and its options dialog 97, wired to the frame: it
// opens from its command, computes both sets in the background, exports its curves, and
// its dialog refuses each kind of bad entry and applies nothing then; its measurement
// cursor follows the keys and a click.

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/context/befehle.h"
#include "app/dialogs/optionsdialog.h"
#include "app/documents/buendel_dokument.h"
#include "core/models/vorgaben.h"
#include "core/plot/abbildung.h"
#include "core/plot/aufzeichnende_leinwand.h"
#include "core/util/format.h"
#include "support/dialog_hilfen.h"
#include "support/gui_hilfen.h"
#include "support/modal_skript.h"
#include "support/testdateien.h"
#include "support/zor_modus_test.h"

using namespace zor::app;

class BuendelTest : public ZorModusTest {
    Q_OBJECT
    QTemporaryDir tmp_;

    // Set 1 GE theoretical, set 2 MC simulated; the settings as at start.
    BuendelDokument* oeffnen() {
        zor::buendelEinstellungen() = {};
        zor::vorgabeSetzen(s(), 0, *zor::vorgabe("ge1"));
        s().Modell.sim1 = 0;
        zor::vorgabeSetzen(s(), 1, *zor::vorgabe("mc2"));
        s().Modell.inaktiv = 0;
        zeigen();
        f_->mainframe_OnCommand(CMD_OEFFNEN_BUENDEL);
        QMdiSubWindow* w = fenster("buendel");
        if (!w) return nullptr;
        w->resize(760, 520);
        auto* d = qobject_cast<BuendelDokument*>(w->widget());
        return QTest::qWaitFor([d] { return !d->veraltet(); }, 60000) ? d : nullptr;
    }

    // The values the window's painting writes last: the cursor's readout.
    QStringList ablesung(BuendelDokument* d) {
        zor::AufzeichnendeLeinwand dc;
        zor::buendelMalen(dc, s(), zor::buendelEinstellungen(), d->daten(), 0);
        const auto t = dc.texte();
        QStringList l;
        for (auto i = t.size() - std::min<std::size_t>(t.size(), 4); i < t.size(); ++i)
            l << QString::fromStdString(t[i]);
        return l;
    }

private slots:
    // Bursts first: the theoretical set has none, the simulated one is counted with its
    // interval; after the dialog chose the residual curve with depth 4 the window computes
    // again and shows both sets exact, interleaved too, and the export writes that CSV.
    void zeigtBeideSaetzeUndFolgtDenOptionen() {
        BuendelDokument* d = oeffnen();
        QVERIFY(d);
        QCoreApplication::processEvents();
        QVERIFY(speichereBild(d, skaliert(QStringLiteral("buendel_laenge"))));
        QVERIFY(d->daten().buendel[0] && !d->daten().buendel[0]->gezaehlt);
        QVERIFY(d->daten().buendel[1] && d->daten().buendel[1]->simuliert);
        QVERIFY(d->daten().buendel[1]->statistik.buendel() > 0);

        ModalSkript skript;
        skript.dann([&](QWidget* dlg) {
            klick(dlg, ID_BUENDEL_LAENGE + 4);
            QVERIFY(!eingabe(dlg, ID_BUENDEL_SCHUTZ)->isEnabled() && eingabe(dlg, ID_BUENDEL_T)->isEnabled());
            tippen(dlg, ID_BUENDEL_T, QStringLiteral("3"));
            tippen(dlg, ID_BUENDEL_TIEFE, QStringLiteral("4"));
            klick(dlg, ID_BUENDEL_CURSOR);  // the picture then shows the readout on a linear n axis
            QVERIFY(speichereBild(dlg, skaliert(QStringLiteral("dialog_97"))));
            klick(dlg, ID_BESTAETIGEN);
        });
        f_->mainframe_OnCommand(CMD_BUENDEL_OPTIONEN);
        QCOMPARE(skript.gesehen, QStringList{"id_97"});
        QVERIFY(d->veraltet());
        QVERIFY(QTest::qWaitFor([d] { return !d->veraltet(); }, 60000));
        QCoreApplication::processEvents();
        QVERIFY(speichereBild(d, skaliert(QStringLiteral("buendel_rest"))));
        const auto& b = d->daten().bloecke;
        QVERIFY(b[0] && b[0]->exakt && b[0]->exaktVerschachtelt && !b[0]->gezaehlt);
        QVERIFY(b[1] && b[1]->gezaehlt && b[1]->gezaehltVerschachtelt);

        const QString csv = tmp_.filePath("rest.csv");
        r_->dateiwahl.antworten = {csv};
        f_->mainframe_OnCommand(CMD_EXPORTIEREN);
        QVERIFY(warteAufJob(*f_));
        const QString text = QString::fromUtf8(liesDatei(csv));
        QVERIFY(text.startsWith("n,Satz 1 exakt,"));
        QCOMPARE(text.toStdString(), d->alsCsv());
        QVERIFY(r_->meldungen().isEmpty());
    }

    // Set 1 has no counted bursts, so its ordinate and the difference read as a dash; set
    // 2's value at the cursor comes straight from its statistic.
    void cursorFolgtTastenUndKlick() {
        BuendelDokument* d = oeffnen();
        QVERIFY(d);
        const auto& e = zor::buendelEinstellungen();
        const auto tail = d->daten().buendel[1]->statistik.laenge.abWert();
        const auto erwartet = [&](int k) {
            return QStringList{QString::number(k), "–",
                               QString::fromStdString(zor::format("%.5g", tail[static_cast<std::size_t>(k - 1)])), "–"};
        };
        ModalSkript an;
        an.dann([&](QWidget* dlg) {
            klick(dlg, ID_BUENDEL_CURSOR);
            klick(dlg, ID_BESTAETIGEN);
        });
        f_->mainframe_OnCommand(CMD_BUENDEL_OPTIONEN);
        QVERIFY(e.cursor);
        QCOMPARE(ablesung(d), erwartet(1));
        QTest::keyClick(d, Qt::Key_Right);
        QTest::keyClick(d, Qt::Key_Right);
        QCOMPARE(e.cursorX, 3.0);
        QCOMPARE(ablesung(d), erwartet(3));
        QTest::keyClick(d, Qt::Key_End);
        QCOMPARE(e.cursorX, static_cast<double>(tail.size()));
        QCoreApplication::processEvents();
        QVERIFY(speichereBild(d, skaliert(QStringLiteral("buendel_cursor_ende"))));
        QTest::keyClick(d, Qt::Key_Home);
        QCOMPARE(e.cursorX, 1.0);
        // A click a little right of k = 5 on the linear axis from 0 to K.
        const double K = e.buendel.punkte;
        const auto abbildung = zor::Abbildung::fenstereigenschaften(d->width(), d->height());
        const double x = abbildung.geraet({static_cast<int>(-7500 + 16000 * 5.2 / K), 0}).x;
        QTest::mouseClick(d, Qt::LeftButton, {}, QPoint(static_cast<int>(x), d->height() / 2));
        QCOMPARE(e.cursorX, 5.0);
        QCOMPARE(ablesung(d), erwartet(5));
        QCoreApplication::processEvents();
        QVERIFY(speichereBild(d, skaliert(QStringLiteral("buendel_cursor"))));
    }

    // One refused entry of each kind: the message names it, retry keeps the dialog as it
    // was, cancel closes it, and nothing of it is applied.
    void fehleingabe_data() {
        QTest::addColumn<int>("bild");
        QTest::addColumn<int>("feld");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::newRow("g null") << 0 << int(ID_BUENDEL_SCHUTZ) << "0" << "Schutzabstand g";
        QTest::newRow("n zu gross") << 3 << int(ID_BUENDEL_N) << "10001" << "Blocklänge n";
        QTest::newRow("M keine Zahl") << 3 << int(ID_BUENDEL_M) << "zehn" << "höchste Fehlerzahl M";
        QTest::newRow("t negativ") << 4 << int(ID_BUENDEL_T) << "-1" << "korrigierbare Fehler t";
        QTest::newRow("d gebrochen") << 4 << int(ID_BUENDEL_TIEFE) << "2.5" << "Verschachtelungstiefe d";
    }
    void fehleingabe() {
        QFETCH(int, bild);
        QFETCH(int, feld);
        QFETCH(QString, text);
        QFETCH(QString, name);
        zor::buendelEinstellungen() = {};
        r_->meldung.antworten = {Antwort::Wiederholen, Antwort::Abbrechen};
        QString nachWiederholen;
        ModalSkript skript;
        skript.dann([&](QWidget* dlg) {
            klick(dlg, ID_BUENDEL_LAENGE + bild);
            klick(dlg, ID_BUENDEL_YLOG);
            tippen(dlg, feld, text);
            klick(dlg, ID_BESTAETIGEN);
            nachWiederholen = eingabe(dlg, feld)->text();
            klick(dlg, ID_BESTAETIGEN);
        });
        f_->mainframe_OnCommand(CMD_BUENDEL_OPTIONEN);
        QCOMPARE(nachWiederholen, text);
        QCOMPARE(r_->meldung.gezeigt.size(), 2);
        const auto& m = r_->meldung.gezeigt.first();
        QVERIFY2(m.text.startsWith("Eingabefehler bei " + name + " (\"" + text + "\")"), qPrintable(m.text));
        QCOMPARE(m.knoepfe, Knoepfe::WiederholenAbbrechen);
        QVERIFY(zor::buendelEinstellungen() == zor::Buendeleinstellungen{});
    }
};

QTEST_MAIN(BuendelTest)
#include "buendel_test.moc"
