// The file-job dialogs: controls and start values, browse buttons, the entry checks in
// their order with their messages, one run each against the command-line tool, and the
// side-by-side view after a corruption.

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "app/context/befehle.h"
#include "app/jobs/bsc_dialog.h"
#include "app/jobs/ffofab_dialog.h"
#include "app/jobs/gemc_verfaelschen_dialog.h"
#include "app/jobs/muster_dialog.h"
#include "app/jobs/vergleich_dialog.h"
#include "app/media/dateiansicht.h"
#include "support/gui_hilfen.h"
#include "support/testdateien.h"
#include "support/testrahmen.h"

using namespace zor::app;

namespace {

QByteArray muster(int n) {
    QByteArray b(n, '\0');
    for (int i = 0; i < n; ++i) b[i] = static_cast<char>(i * 29 + 7);
    return b;
}

}  // namespace

class JobDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestRahmen> r_;
    std::unique_ptr<QTemporaryDir> dir_;

    QString datei(const QString& name, const QByteArray& b) { return schreibeDatei(*dir_, name, b); }
    QString pfad(const QString& name) const { return dir_->filePath(name); }
    // Types the entries and presses Ok; false when the dialog stayed open.
    bool okMit(Jobdialog& d, const QList<std::pair<int, QString>>& eintraege) {
        d.show();
        for (const auto& [id, text] : eintraege) d.findChild<QLineEdit*>(QStringLiteral("id_%1").arg(id))->setText(text);
        d.findChild<QPushButton*>("id_131")->click();
        warteAufJob(r_->f);
        return !d.isVisible();
    }
    std::unique_ptr<Jobdialog> dialogFuer(int dialog) {
        switch (dialog) {
        case 14: return std::make_unique<BscDialog>(r_->f);
        case 15: return std::make_unique<GeMcVerfaelschenDialog>(r_->f, Zweizustand::GE);
        case 16: return std::make_unique<GeMcVerfaelschenDialog>(r_->f, Zweizustand::MC);
        case 17: return std::make_unique<MusterDialog>(r_->f);
        case 18: return std::make_unique<VergleichDialog>(r_->f);
        default: return std::make_unique<FfoFabDialog>(r_->f);
        }
    }
    static QByteArray zor(const QStringList& argumente) {
        QProcess p;
        p.start(QStringLiteral(ZOR_PROGRAMM), argumente);
        p.waitForFinished(30000);
        return p.exitCode() == 0 ? QByteArray() : p.readAllStandardError();
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        r_ = std::make_unique<TestRahmen>();
    }
    void cleanup() { r_.reset(); }

    void startwerte() {
        BscDialog bsc(r_->f);
        QCOMPARE((QStringList{bsc.text(162), bsc.text(163), bsc.text(26), bsc.text(164), bsc.text(165), bsc.text(166)}),
                 (QStringList{"", "", "0", "1234", "0.001", "1"}));
        GeMcVerfaelschenDialog ge(r_->f, Zweizustand::GE), mc(r_->f, Zweizustand::MC);
        const QList<int> ids{1002, 1007, 1008, 1009, 1010, 26, 1011};
        QStringList werteGe, werteMc;
        for (int id : ids) werteGe << ge.text(id), werteMc << mc.text(id);
        QCOMPARE(werteGe, (QStringList{"3457", "0.1", "0.01", "0.01", "0.4", "0", "1"}));
        QCOMPARE(werteMc, (QStringList{"3457", "0.1", "0.01", "0.1", "0.4", "0", "1"}));
    }

    void durchsuchen_data() {
        QTest::addColumn<int>("dialog");
        QTest::addColumn<int>("knopf");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("satz");  // the filter set, by its name
        QTest::addColumn<bool>("speichern");
        QTest::addColumn<int>("feld");
        QTest::newRow("bsc-ein") << 14 << 121 << "Eingabedatei (Öffnen)"
                                 << "Dateien" << false << 162;
        QTest::newRow("ge-ein") << 15 << 121 << "Öffnen"
                                << "Dateien" << false << 1000;
        QTest::newRow("mc-aus") << 16 << 151 << "Speichern unter"
                                << "Dateien" << true << 1001;
        QTest::newRow("muster-folge") << 17 << 171 << "FFO/FAB Datei (Öffnen)"
                                      << "FFO/FAB" << false << 4109;
        QTest::newRow("vergleich-2") << 18 << 171 << "Eingabedatei_2 (Öffnen)"
                                     << "Dateien" << false << 4114;
        QTest::newRow("vergleich-aus") << 18 << 151 << "Ausgabedatei (Speichern unter...)"
                                       << "Vergleichsdateien" << true << 4115;
        QTest::newRow("ffofab-aus") << 19 << 151 << "Ausgabedatei (Speichern unter...)"
                                    << "FFO/FAB" << true << 4120;
    }
    void durchsuchen() {
        QFETCH(int, dialog);
        QFETCH(int, knopf);
        QFETCH(QString, titel);
        QFETCH(QString, satz);
        QFETCH(bool, speichern);
        QFETCH(int, feld);
        const auto d = dialogFuer(dialog);
        r_->dateiwahl.antworten << QStringLiteral("/x/gewaehlt");
        d->findChild<QPushButton*>(QStringLiteral("id_%1").arg(knopf))->click();
        QCOMPARE(r_->dateiwahl.anfragen.size(), 1);
        const Dateianfrage a = r_->dateiwahl.anfragen.first();
        QCOMPARE(a.titel, titel);
        QCOMPARE(QString::fromUtf8(a.satz->name), satz);
        QCOMPARE(a.speichern, speichern);
        QCOMPARE(d->text(feld), QStringLiteral("/x/gewaehlt"));
        d->findChild<QPushButton*>(QStringLiteral("id_%1").arg(knopf))->click();  // cancelled: the edit keeps its name
        QCOMPARE(d->text(feld), QStringLiteral("/x/gewaehlt"));
    }

    // A job that refuses or fails (same file as input and output, an input that cannot be
    // read) shows why and leaves the dialog open with every entry; "ein" and "fehlt" stand
    // for an existing and a missing file.
    void ablehnungBehaeltEintraege_data() {
        QTest::addColumn<int>("dialog");
        QTest::addColumn<QStringList>("eintraege");  // "id=wert"
        QTest::newRow("bsc-gleiche-datei") << 14 << QStringList{"162=ein", "163=ein"};
        QTest::newRow("ge-gleiche-datei") << 15 << QStringList{"1000=ein", "1001=ein"};
        QTest::newRow("mc-eingabe-fehlt") << 16 << QStringList{"1000=fehlt", "1001=aus"};
        QTest::newRow("muster-folge-fehlt") << 17 << QStringList{"4110=ein", "4109=fehlt", "4108=aus"};
        QTest::newRow("vergleich-eingabe-fehlt") << 18 << QStringList{"4113=fehlt", "4114=ein", "4115=aus"};
        QTest::newRow("ffofab-eingabe-fehlt") << 19 << QStringList{"4121=fehlt", "4120=aus"};
    }
    void ablehnungBehaeltEintraege() {
        QFETCH(int, dialog);
        QFETCH(QStringList, eintraege);
        datei("ein", muster(5000));
        const auto d = dialogFuer(dialog);
        QList<std::pair<int, QString>> felder;
        for (const QString& e : eintraege) felder.append({e.section('=', 0, 0).toInt(), pfad(e.section('=', 1))});
        QVERIFY2(!okMit(*d, felder), "the dialog stays open");
        QVERIFY(!r_->meldungen().isEmpty());
        for (const auto& [id, text] : felder) QCOMPARE(d->text(id), text);
        QVERIFY(!QFile::exists(pfad("aus")));
    }

    // A refusal shows the core's message in the dialog's style; a failed open its reason line.
    void bscAblehnungUndLesefehler() {
        const QString leer = datei("leer", {});
        BscDialog d(r_->f);
        QVERIFY(!okMit(d, {{162, leer}, {163, pfad("o")}, {26, "x"}, {164, "0"}}));
        QVERIFY(!okMit(d, {{162, pfad("fehlt")}, {26, "1"}}));
        QCOMPARE(r_->meldungen(), (QStringList{"Falsche Eingabe bei geschützten Bytes!",
                                               "Fehler beim Öffnen der Datei_1 " + pfad("fehlt") +
                                                   " ...\nDie Datei oder das Verzeichnis existiert nicht."}));
        QCOMPARE(r_->meldung.gezeigt.first().titel, QStringLiteral("MM_ZOR"));
        for (const auto& m : r_->meldung.gezeigt) QCOMPARE(m.symbol, zor::Symbol::Stopp);
        QVERIFY(!QFile::exists(pfad("o")));
    }

    void hinweise612Und613() {
        const QString zehn = datei("zehn", muster(10));
        BscDialog d(r_->f);
        beantworteModal("id_612", "id_4");
        QVERIFY2(!okMit(d, {{162, zehn}, {163, pfad("o")}, {164, "10000"}}), "retry keeps the dialog");
        beantworteModal("id_613", "id_2");
        QVERIFY2(okMit(d, {{164, "12"}, {165, "0,001"}}), "cancel closes it");
        QCOMPARE(d.result(), 0);
        QVERIFY(r_->meldungen().isEmpty());
        QVERIFY(!QFile::exists(pfad("o")));

        GeMcVerfaelschenDialog ge(r_->f, Zweizustand::GE);
        beantworteModal("id_613", "id_4");
        QVERIFY2(!okMit(ge, {{1000, zehn}, {1001, pfad("o")}, {1008, "0"}}), "GE refuses a transition of 0");
        GeMcVerfaelschenDialog mc(r_->f, Zweizustand::MC);
        QVERIFY2(okMit(mc, {{1000, zehn}, {1001, pfad("mc")}, {1007, "0"}, {1008, "0"}}), "MC accepts it");
        QVERIFY(QFile::exists(pfad("mc")));
    }

    // One row per notice of the two-state dialogs (the number rules are the core's): retry
    // keeps the dialog and writes nothing.
    void zweizustandFelder_data() {
        QTest::addColumn<bool>("mc");
        QTest::addColumn<int>("feld");
        QTest::addColumn<QString>("wert");
        QTest::addColumn<QString>("hinweis");
        QTest::newRow("ge-startwert") << false << 1002 << "0" << "id_612";
        QTest::newRow("mc-bad") << true << 1010 << "0,4" << "id_613";
    }
    void zweizustandFelder() {
        QFETCH(bool, mc);
        QFETCH(int, feld);
        QFETCH(QString, wert);
        QFETCH(QString, hinweis);
        GeMcVerfaelschenDialog d(r_->f, mc ? Zweizustand::MC : Zweizustand::GE);
        beantworteModal(hinweis, "id_4");
        QVERIFY(!okMit(d, {{1000, datei("e", muster(10))}, {1001, pfad("o")}, {feld, wert}}));
        QVERIFY(!QFile::exists(pfad("o")));
        QVERIFY(r_->meldungen().isEmpty());
    }

    // Each job writes byte for byte what `zor` writes for the same entries.
    void laeufeGleichDemKommandozeilenwerkzeug() {
        const QString ein = datei("ein.bmp", muster(5000));
        // Runs the dialog into pfad(name) and zor into pfad("zor-" + name), the output last.
        const auto wieZor = [&](Jobdialog&& d, const QList<std::pair<int, QString>>& felder,
                                const QStringList& argumente, const QString& name) {
            QVERIFY(okMit(d, felder));
            QCOMPARE(zor(argumente + QStringList{pfad("zor-" + name)}), QByteArray());
            QCOMPARE(liesDatei(pfad(name)), liesDatei(pfad("zor-" + name)));
        };
        wieZor(BscDialog(r_->f), {{162, ein}, {163, pfad("bsc")}, {26, "54"}, {164, "77"}, {165, "0.01"}},
               {"corrupt", "bsc", "--p", "0.01", "--seed", "77", "--protect", "54", ein}, "bsc");
        QVERIFY(liesDatei(pfad("bsc")) != muster(5000));
        QCOMPARE(r_->meldung.gezeigt.first().titel, QStringLiteral("Multimedia ZOR"));
        QVERIFY(r_->meldungen().first().startsWith("FehlerAnzahl: "));
        QCOMPARE(r_->meldungen().last(), QStringLiteral("Ergebnis anzeigen?"));

        wieZor(GeMcVerfaelschenDialog(r_->f, Zweizustand::GE),
               {{1000, ein}, {1001, pfad("ge")}, {1009, "0.05"}, {26, "3"}},
               {"corrupt", "ge", "--good", "0.05", "--protect", "3", ein}, "ge");
        wieZor(GeMcVerfaelschenDialog(r_->f, Zweizustand::GE),
               {{1000, ein}, {1001, pfad("ge16")}, {1009, "0.05"}, {26, "3"}, {1011, "16"}},
               {"corrupt", "ge", "--good", "0.05", "--protect", "3", "--interleave", "16", ein}, "ge16");
        QVERIFY(liesDatei(pfad("ge16")) != liesDatei(pfad("ge")));
        wieZor(GeMcVerfaelschenDialog(r_->f, Zweizustand::MC), {{1000, ein}, {1001, pfad("mc")}, {1002, "99"}},
               {"corrupt", "mc", "--seed", "99", ein}, "mc");
        wieZor(VergleichDialog(r_->f), {{4113, ein}, {4114, pfad("bsc")}, {4115, pfad("a.vgl")}},
               {"compare", ein, pfad("bsc")}, "a.vgl");
        wieZor(FfoFabDialog(r_->f), {{4121, pfad("a.vgl")}, {4120, pfad("a.FAB")}}, {"derive", pfad("a.vgl")}, "a.FAB");
        QVERIFY(r_->meldungen().last().endsWith("erfolgreich erstellt!"));
        wieZor(MusterDialog(r_->f), {{4110, ein}, {4109, pfad("a.FAB")}, {4108, pfad("m")}},
               {"corrupt", "pattern", ein, pfad("a.FAB")}, "m");
        QVERIFY2(liesDatei(pfad("m")) == liesDatei(pfad("bsc")), "the derived pattern reproduces the corruption");
    }

    // With the box checked the number is ignored and the job runs as `--protect auto`.
    void kopfAutomatischWieKommandozeile() {
        QByteArray bild = QByteArray("BM") + QByteArray(8, '\0') + QByteArray("\x36\0\0\0\x28\0\0\0", 8) + muster(3000);
        const QString ein = datei("bild.bmp", bild);
        BscDialog bsc(r_->f);
        bsc.findChild<QCheckBox*>("kopfAutomatisch")->setChecked(true);
        QVERIFY(!bsc.findChild<QLineEdit*>("id_26")->isEnabled());
        QVERIFY(okMit(bsc, {{162, ein}, {163, pfad("bsc")}, {26, "kein Wert"}, {165, "0.5"}}));
        QCOMPARE(zor({"corrupt", "bsc", "--p", "0.5", "--protect", "auto", ein, pfad("bsc.zor")}), QByteArray());
        QCOMPARE(liesDatei(pfad("bsc")), liesDatei(pfad("bsc.zor")));
        QCOMPARE(liesDatei(pfad("bsc")).left(54), bild.left(54));
        QVERIFY(liesDatei(pfad("bsc")).mid(54) != bild.mid(54));
        QVERIFY(r_->meldungen().first().startsWith("Kopf geschützt: 54 Bytes (BMP-Bild"));
    }

    void fehlermeldungenDerJobs() {
        VergleichDialog vgl(r_->f);
        QVERIFY(!okMit(vgl, {{4113, datei("a", "12")}, {4114, datei("b", "123")}, {4115, pfad("v.vgl")}}));
        QCOMPARE(r_->meldungen(), QStringList{"Dateien sind nicht gleich groß\nDas Vergleichen wird abgebrochen!"});
        QVERIFY(!QFile::exists(pfad("v.vgl")));
        MusterDialog m(r_->f);
        QVERIFY(!okMit(m, {{4110, datei("e", "1")}, {4109, datei("kurz.FFO", "0101")}, {4108, pfad("o")}}));
        QCOMPARE(r_->meldungen().last(), pfad("kurz.FFO") + " ist zu klein!");
        QVERIFY2(!r_->meldungen().contains("Ergebnis anzeigen?"), "a failed job offers nothing to show");
    }

    void ergebnisNebeneinander() {
        r_->f.show();
        QByteArray b = muster(4096);
        const QString ein = datei("bild.bmp", b);
        r_->meldung.antworten << Antwort::Ok << Antwort::Ja;  // summary, then the offer
        BscDialog d(r_->f);
        QVERIFY(okMit(d, {{162, ein}, {163, pfad("kopie.bmp")}, {165, "0.0005"}, {26, "1000"}}));
        const auto docs = r_->f.dokumente();
        QCOMPARE(docs.size(), 2);
        const QByteArray kopie = liesDatei(pfad("kopie.bmp"));
        int erster = 0;
        while (erster < b.size() && b[erster] == kopie[erster]) ++erster;
        QVERIFY(erster >= 1000 && erster < b.size());
        for (MdiDokument* m : docs) {
            auto* h = qobject_cast<Dateiansicht*>(m);
            QCOMPARE(h->ansicht(), zor::Ansicht::Hex);
            QCOMPARE(h->rollen().VScrollPos, std::min<std::uint64_t>(erster / 16, h->rollen().VScrollMax));
        }
        QVERIFY(docs[0]->parentWidget()->geometry().right() < docs[1]->parentWidget()->geometry().left());
        QVERIFY(speichereBild(&r_->f, "nebeneinander"));
    }

    void befehleOeffnenIhreDialoge() {
        for (int befehl : {CMD_VERF_BSC, CMD_VERF_GE, CMD_VERF_MC, CMD_VERF_FFO_FAB, CMD_VERGLEICHSDATEI,
                           CMD_FFO_FAB_AUS_VGL}) {
            const int id = QMap<int, int>{{281, 14}, {280, 15}, {279, 16}, {283, 17}, {4112, 18}, {4122, 19}}[befehl];
            beantworteModal(QStringLiteral("id_%1").arg(id), "id_2", QStringLiteral("dialog_%1").arg(id));
            r_->f.mainframe_OnCommand(befehl);
        }
        QVERIFY(r_->meldungen().isEmpty());
    }
};

QTEST_MAIN(JobDialogTest)
#include "jobs_dialog_test.moc"
