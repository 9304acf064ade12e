// Sequence files from the program: saving a set's sequence and feeding a set from the
// file give the same curves; refusals of saving and loading; both conversions, the
// multimedia one byte for byte as the command-line tool's.

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "app/context/befehle.h"
#include "app/context/folgedatei.h"
#include "app/shell/menue.h"
#include "app/shell/statusleiste.h"
#include "core/io/ausgabedatei.h"
#include "core/models/kurven_ermitteln.h"
#include "core/util/format.h"
#include "support/gui_hilfen.h"
#include "support/modal_skript.h"
#include "support/testdateien.h"
#include "support/testrahmen.h"
#include "support/zor_modus_test.h"

using namespace zor::app;

namespace {

std::vector<zor::STRUCT_PUNKT> fav(const zor::ZorState& s, int satz) {
    zor::KeinFortschritt still;
    return zor::FAV_Satz(zor::satzparameter(s, satz), s.FAV_defbereich, still).kurve;
}

std::vector<zor::STRUCT_PUNKT> fkf(const zor::ZorState& s, int satz) {
    zor::KeinFortschritt still;
    return zor::FKF_Satz(zor::satzparameter(s, satz), s.FKF_defbereich, 0, still).kurve;
}

bool gleich(const std::vector<zor::STRUCT_PUNKT>& a, const std::vector<zor::STRUCT_PUNKT>& b) {
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].x != b[i].x || a[i].y != b[i].y) return false;
    return a.size() == b.size();
}

}  // namespace

class FolgenTest : public ZorModusTest {
    Q_OBJECT

    QTemporaryDir dir_;
    QString pfad(const QString& name) const { return dir_.filePath(name); }
    QString status() const { return f_->statusleiste()->feldText(0); }

private slots:
    // Every model, both formats: set 2 fed from set 1's saved sequence has set 1's curves
    // where the format holds the whole simulated sequence. An FFO ends at bit N, so a
    // gap model's last gap (counted by its FAV) is cut; a FAB has no trailing correct
    // bits, so correlations differ; the three-state model saves from its stationary
    // start state, not from the simulations' first draw.
    void speichernUndLaden_data() {
        QTest::addColumn<int>("modell");
        QTest::addColumn<int>("simfabs");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<bool>("favGleich");
        QTest::addColumn<bool>("fkfGleich");
        struct Zeile {
            const char* name;
            int modell, simfabs;
            bool ffoFav, ffoFkf, fabFav;
        };
        const Zeile zeilen[] = {{"BSC Fehlerfolge", zor::BSC1, 0, true, true, true},
                                {"BSC Fehlerabstand", zor::BSC1, 1, true, true, true},
                                {"GE", zor::GE1, 0, true, true, true},
                                {"MC", zor::MC1, 0, false, true, true},
                                {"SW", zor::SW1, 0, false, false, false}};
        for (const Zeile& z : zeilen) {
            QTest::addRow("%s FFO", z.name) << z.modell << z.simfabs << "folge.FFO" << z.ffoFav << z.ffoFkf;
            QTest::addRow("%s FAB", z.name) << z.modell << z.simfabs << "folge.FAB" << z.fabFav << false;
        }
    }
    void speichernUndLaden() {
        QFETCH(int, modell);
        QFETCH(int, simfabs);
        QFETCH(QString, datei);
        QFETCH(bool, favGleich);
        QFETCH(bool, fkfGleich);
        s().Modell.M1 = static_cast<std::int16_t>(modell);
        s().BSC_simfabs1 = simfabs;
        s().BSCWert1[zor::bsc::p] = 0.05f;
        r_->dateiwahl.antworten = {pfad(datei), pfad(datei)};
        f_->mainframe_OnCommand(CMD_SPEICHERN_SATZ1);
        warteAufJob(*f_);
        QCOMPARE(status(), "Geschrieben: " + pfad(datei));  // a success says so without a box
        f_->mainframe_OnCommand(CMD_SATZ2_DATEI);
        QVERIFY2(r_->meldung.gezeigt.isEmpty(), qPrintable(r_->meldungen().join('\n')));
        QCOMPARE(r_->dateiwahl.anfragen[0].titel, QStringLiteral("Multimedia und Zorwerk"));
        QCOMPARE(r_->dateiwahl.anfragen[0].satz, &SATZ_FFO_FAB);
        QVERIFY(r_->dateiwahl.anfragen[0].speichern && !r_->dateiwahl.anfragen[1].speichern);
        QCOMPARE(int(s().Modell.M2), int(zor::DATEI2));
        QCOMPARE(s().Datei2.datei, datei.endsWith("FFO") ? 1 : 0);
        QVERIFY(zor().hatHaken(520) && !zor().hatHaken(521));
        // A file-fed set has no sequence to save; printing waits for an open document.
        QVERIFY(zor().istGrau(501) && zor().istGrau(503));
        if (datei.endsWith("FFO")) QCOMPARE(liesDatei(pfad(datei)).size(), 10000);
        if (favGleich) QVERIFY(gleich(fav(s(), 0), fav(s(), 1)));
        if (fkfGleich) QVERIFY(gleich(fkf(s(), 0), fkf(s(), 1)));
    }

    // Both commands wait for up-to-date documents, with notice 611 and nothing else.
    void erstAktualisieren_data() {
        QTest::addColumn<int>("befehl");
        QTest::newRow("speichern") << 500;
        QTest::newRow("laden") << 520;
        QTest::newRow("konvertieren") << 502;
    }
    void erstAktualisieren() {
        QFETCH(int, befehl);
        s().Fenster.aktualisiert = 0;
        ModalSkript skript;
        skript.dann([](QWidget* d) { d->findChild<QAbstractButton*>("id_131")->click(); });
        f_->mainframe_OnCommand(befehl);
        QCOMPARE(skript.gesehen, QStringList{"id_611"});
        QVERIFY(r_->dateiwahl.anfragen.isEmpty());
    }

    void ladenAbgelehnt_data() {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QByteArray>("inhalt");  // empty and no file: missing
        QTest::addColumn<QStringList>("meldungen");
        QTest::newRow("leer") << "leer.FFO" << QByteArray("") << QStringList{"Dateilänge == 0\n%1"};
        QTest::newRow("Textdatei") << "data.txt" << QByteArray("01")
                                   << QStringList{"Kein gültiger Dateiname!", "kein gültiger Dateiname"};
        QTest::newRow("fehlt") << "fehlt.FAB" << QByteArray() << QStringList{"Datei kann nicht gelesen werden!"};
    }
    void ladenAbgelehnt() {
        QFETCH(QString, datei);
        QFETCH(QByteArray, inhalt);
        QFETCH(QStringList, meldungen);
        if (!inhalt.isNull()) schreibeDatei(dir_, datei, inhalt);
        r_->dateiwahl.antworten = {pfad(datei)};
        f_->mainframe_OnCommand(CMD_SATZ1_DATEI);
        for (QString& m : meldungen) m.replace(QStringLiteral("%1"), pfad(datei));
        QCOMPARE(r_->meldungen(), meldungen);
        QCOMPARE(int(s().Modell.M1), int(zor::BSC1));
        QVERIFY(zor().hatHaken(507) && !zor().hatHaken(512));
    }

    // A save that cannot be written says so and leaves no file behind.
    void speichernFehlgeschlagen() {
        const QString ziel = pfad("fehlt/folge.FFO");
        r_->dateiwahl.antworten = {ziel};
        f_->mainframe_OnCommand(CMD_SPEICHERN_SATZ1);
        warteAufJob(*f_);
        // The core's reason line comes along.
        QCOMPARE(r_->meldungen(),
                 QStringList{"Datei kann nicht geschrieben werden!\nDie Datei oder das Verzeichnis existiert nicht."});
        QCOMPARE(r_->meldung.gezeigt[0].symbol, zor::Symbol::Ausrufezeichen);
        QVERIFY(!QFile::exists(ziel));
        QVERIFY(!status().startsWith("Geschrieben"));
        r_->dateiwahl.antworten = {pfad("folge.txt")};
        f_->mainframe_OnCommand(CMD_SPEICHERN_SATZ1);
        warteAufJob(*f_);
        QCOMPARE(r_->meldungen().last(), QStringLiteral("Kein gültiger Dateiname!"));
        QVERIFY(!QFile::exists(pfad("folge.txt")));
    }

    // The file a set reads is an input: saving the other set into it is refused and the
    // file stays as it was.
    void speichernInGeleseneDateiVerweigert() {
        const QString ziel = schreibeDatei(dir_, "geteilt.FFO", "0001");
        r_->dateiwahl.antworten = {ziel, ziel};
        s().Modell.M2 = zor::GE2;
        f_->mainframe_OnCommand(CMD_SATZ1_DATEI);
        s().Fenster.null = 0;
        s().Fenster.aktualisiert = 1;
        f_->mainframe_OnCommand(CMD_SPEICHERN_SATZ2);
        warteAufJob(*f_);
        QCOMPARE(r_->meldungen(),
                 QStringList{QString::fromStdString(zor::format(zor::TEXT_GLEICHE_DATEI, qPrintable(ziel), qPrintable(ziel)))});
        QCOMPARE(liesDatei(ziel), QByteArray("0001"));
        QCOMPARE(s().Datei1.laenge, 4);
    }

    // The multimedia conversion writes what "zor convert" writes, and says so.
    void konvertierenWieZor() {
        QByteArray ffo("0101");
        for (int i = 0; i < 3000; ++i) ffo += (i * 7919 % 13 == 0) ? '1' : '0';
        ffo += "\r\n";  // an editor's line end, read by both as no part of the sequence
        QTemporaryDir andere;
        schreibeDatei(dir_, "muster.ffo", ffo);
        schreibeDatei(andere, "muster.ffo", ffo);
        r_->dateiwahl.antworten = {pfad("muster.ffo")};
        f_->mainframe_OnCommand(CMD_KONVERTIEREN);
        warteAufJob(*f_);
        QCOMPARE(r_->dateiwahl.anfragen[0].titel, QStringLiteral("FFO<=>FAB (konvertieren)"));
        QCOMPARE(r_->meldung.gezeigt.size(), 2);  // the sequence ends in correct bits the FAB cannot keep
        QVERIFY(r_->meldungen()[0].endsWith("Das Schreiben war erfolgreich!"));
        QVERIFY(r_->meldungen()[1].contains("fehlerfreien Bits nach dem letzten Fehler"));

        QProcess zor;
        zor.start(QStringLiteral(ZOR_BINARY), {QStringLiteral("convert"), andere.filePath("muster.ffo")});
        QVERIFY(zor.waitForFinished(10000));
        QCOMPARE(zor.exitCode(), 0);
        const QByteArray fab = liesDatei(pfad("muster.FAB"));
        QVERIFY(QFile::exists(pfad("muster.FAB")) && !fab.isEmpty());
        QCOMPARE(fab, liesDatei(andere.filePath("muster.FAB")));

        // An existing output is replaced only after the question Konvertieren asks too.
        schreibeDatei(dir_, "muster.FAB", "alt");
        r_->dateiwahl.antworten = {pfad("muster.ffo")};
        r_->meldung.antworten = {Antwort::Nein};
        f_->mainframe_OnCommand(CMD_KONVERTIEREN);
        warteAufJob(*f_);
        QVERIFY(r_->meldungen().last().endsWith("\nDie Datei existiert bereits!\nDatei überschreiben?"));
        QCOMPARE(liesDatei(pfad("muster.FAB")), QByteArray("alt"));

        // Cancelled file choice: the conversion says it has no file.
        f_->mainframe_OnCommand(CMD_KONVERTIEREN);
        warteAufJob(*f_);
        QCOMPARE(r_->meldungen().last(), QStringLiteral("Fehler beim Öffnen der Datei!"));
    }

    // The channel-model conversion: its own output name, the question before replacing
    // an output, no success message, and no output onto the file a set reads.
    void konvertierenImZorwerk() {
        schreibeDatei(dir_, "data.ffo", "0101\r\n");
        schreibeDatei(dir_, "data.fAB", "alt");
        r_->dateiwahl.antworten = {pfad("data.ffo"), pfad("data.ffo")};
        r_->meldung.antworten = {Antwort::Nein};
        f_->mainframe_OnCommand(CMD_KONVERTIEREN_ZOR);
        warteAufJob(*f_);
        QCOMPARE(r_->meldung.gezeigt.size(), 1);
        QVERIFY(r_->meldungen()[0].endsWith("\nDie Datei existiert bereits!\nDatei überschreiben?"));
        QCOMPARE(r_->meldung.gezeigt[0].knoepfe, Knoepfe::JaNein);
        QCOMPARE(liesDatei(pfad("data.fAB")), QByteArray("alt"));

        r_->meldung.antworten = {Antwort::Ja};
        f_->mainframe_OnCommand(CMD_KONVERTIEREN_ZOR);
        warteAufJob(*f_);
        QCOMPARE(r_->meldung.gezeigt.size(), 2);  // the question only
        const QByteArray erwartet("\x02\0\0\0\x02\0\0\0", 8);  // the final line end is not read
        QCOMPARE(liesDatei(pfad("data.fAB")), erwartet);
        QCOMPARE(status(), "Geschrieben: " + pfad("data.fAB"));

        // An output that set 2 reads is refused like the input itself.
        s().Modell.M2 = zor::DATEI2;
        s().Datei2.szFileName = pfad("data.fAB").toStdString();
        r_->dateiwahl.antworten = {pfad("data.ffo")};
        f_->mainframe_OnCommand(CMD_KONVERTIEREN_ZOR);
        QVERIFY(r_->meldungen().last().startsWith("Die Ausgabedatei " + pfad("data.fAB") + " ist dieselbe Datei"));
        QCOMPARE(liesDatei(pfad("data.fAB")), erwartet);
    }
};

QTEST_MAIN(FolgenTest)
#include "folgen_test.moc"
