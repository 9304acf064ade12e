// zorwerk-render's command line: every bad argument exits 2 with one German line, every
// failed drawing exits 1 and leaves no output, and nothing English reaches the user.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

#include "support/testdateien.h"

namespace {

struct Lauf {
    int status = -1;
    QString fehler;
};

Lauf rendern(const QStringList& argumente, const QString& ordner) {
    QProcess p;
    p.setWorkingDirectory(ordner);
    p.start(QStringLiteral(ZOR_RENDER), argumente);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
}

// Words of English diagnostics (Qt's parser and platform notes); none may reach the user.
const QRegularExpression ENGLISCH(
    QStringLiteral(R"(\b(Usage|Unknown|Displays|Missing|missing|expected|invalid|Could|default\w*|not set|Error|Warning)\b)"));

}  // namespace

class RenderAufrufTest : public QObject {
    Q_OBJECT
    QTemporaryDir tmp_;

    void faelle() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldung");  // a part of the German line
    }

private slots:
    void initTestCase() {
        QVERIFY(tmp_.isValid());
        schreibeDatei(tmp_, "zwei.FFO", "2");
        schreibeDatei(tmp_, "null.FFO", "0000");
        schreibeDatei(tmp_, "kurz.zorversuch", "zorversuch=1\n[satz1]\nmodell=bsc\n");
        // Set 1 in theory, so its curve is known in closed form: P(a >= k) = (1 - p)^(k - 1).
        schreibeDatei(tmp_, "bsc.zorversuch",
                      "zorversuch=1\n[satz1]\nmodell=bsc\nsimulation=0\nbsc.p=0.05\n[satz2]\nmodell=inaktiv\n"
                      "[fav]\nlinear=1\npunkte=30\nak=0\n[ende]\n");
        QDir(tmp_.path()).mkdir("kaputt");
        for (const char* name : {"FKF.PLT", "FAV.PLT", "GE_PAR.PLT", "BSC_PAR.PLT", "DRUCKEN.PLT"})
            schreibeDatei(tmp_, QStringLiteral("kaputt/") + name, "qq kaputt\n");
    }

    void falscheAngabe_data() {
        faelle();
        const auto fall = [](const char* name, QStringList a, const char* m) { QTest::newRow(name) << a << 2 << QString(m); };
        fall("unbekannte_option", {"--bogus", "FKF.PLT", "x.png"}, "Unbekannte Option: --bogus");
        fall("kurze_option", {"-x", "FKF.PLT", "x.png"}, "Unbekannte Option: -x");
        fall("wert_fehlt", {"--dokument", "fav", "x.png", "--cursor"}, "--cursor fehlt ihr Wert");
        fall("schalter_mit_wert", {"--dokument", "fav", "--ak=1", "x.png"}, "--ak nimmt keinen Wert");
        fall("cursor_keine_zahl", {"--dokument", "fav", "--cursor", "abc", "x.png"}, "--cursor: „abc“");
        fall("cursor_zu_gross", {"--dokument", "fav", "--cursor", "50", "x.png"}, "--cursor: 50");
        fall("werte_keine_zahlen", {"--werte", "a,b", "FKF.PLT", "x.png"}, "--werte: „a“");
        fall("werte_leerer_eintrag", {"--werte", "1,,2", "FKF.PLT", "x.png"}, "--werte");
        fall("textfarbe", {"--textfarbe", "zz", "FKF.PLT", "x.png"}, "--textfarbe: „zz“");
        fall("text_zwei_zeichen", {"--text", "ab", "FKF.PLT", "x.png"}, "--text");
        fall("anordnung", {"--anordnung", "blah", "FKF.PLT", "x.png"}, "--anordnung: „blah“");
        fall("groesse_null", {"--groesse", "0x10", "FKF.PLT", "x.png"}, "--groesse");
        fall("groesse_form", {"--groesse", "900", "FKF.PLT", "x.png"}, "--groesse");
        fall("groesse_zu_viele_pixel", {"--dokument", "ff", "--groesse", "10000x10000", "x.png"}, "ist zu groß");
        fall("punkte", {"--dokument", "fkf", "--punkte", "101", "x.png"}, "--punkte");
        fall("achse", {"--dokument", "fav", "--ordinate", "quer", "x.png"}, "--ordinate: „quer“");
        fall("vorgabe", {"--dokument", "fav", "--satz1", "ge9", "x.png"}, "Unbekannte Vorgabe „ge9“");
        fall("dokument", {"--dokument", "xyz", "x.png"}, "Unbekanntes Dokument „xyz“");
        fall("cursor_bei_ff", {"--dokument", "ff", "--cursor", "3", "x.png"}, "--cursor gilt nicht für ff");
        fall("ak_bei_fkf", {"--dokument", "fkf", "--ak", "x.png"}, "--ak gilt nicht für fkf");
        fall("werte_bei_dokument", {"--dokument", "fav", "--werte", "1", "x.png"}, "--werte gilt nicht für fav");
        fall("satz_bei_vorlage", {"--satz1", "ge1", "FKF.PLT", "x.png"}, "--satz1 gilt nicht für eine Vorlage");
        fall("groesse_bei_druck", {"--dokument", "druck-ff", "--groesse", "9x9", "x.pdf"}, "--groesse gilt nicht für druck-ff");
        fall("alle_und_dokument", {"--alle", "d", "--dokument", "ff"}, "schließen einander aus");
        fall("endung_fav", {"--dokument", "fav", "fav.txt"}, ".png, .svg, .pdf oder .csv");
        fall("endung_druck", {"--dokument", "druck-fav", "x.png"}, "druck-fav wird als .pdf");
        fall("endung_vorlage", {"FKF.PLT", "x.csv"}, "eine Vorlage wird als .png");
        fall("schutz_null", {"--dokument", "buendel", "--schutz", "0", "x.png"}, "--schutz: „0“");
        fall("merkmal", {"--dokument", "buendel", "--merkmal", "breite", "x.png"}, "--merkmal: „breite“");
        fall("block_zu_gross", {"--dokument", "bloecke", "--block", "10001", "x.png"}, "--block: „10001“");
        fall("tiefe_bei_buendel", {"--dokument", "buendel", "--tiefe", "2", "x.png"}, "--tiefe gilt nicht für buendel");
        fall("endung_bloecke", {"--dokument", "bloecke", "x.txt"}, "bloecke wird als .png, .svg, .pdf oder .csv");
        fall("ohne_argumente", {}, "Falsche Zahl der Argumente");
        fall("zu_viele", {"--dokument", "ff", "a.png", "b.png"}, "erhalten 2");
        fall("anpassung_ohne_datei", {"--dokument", "anpassung", "x.png"}, "--datei DATEI");
        fall("datei_bei_fav", {"--dokument", "fav", "--datei", "zwei.FFO", "x.png"}, "--datei gilt nicht für fav");
        fall("endung_anpassung", {"--dokument", "anpassung", "--datei", "zwei.FFO", "fav.txt"}, ".png, .svg, .pdf oder .csv");
        fall("legende_ort", {"--dokument", "fav", "--legende", "links", "x.png"}, "--legende: „links“");
        fall("legende_bei_druck", {"--dokument", "druck-fkf", "--legende", "oben", "x.pdf"},
             "--legende gilt nicht für druck-fkf");
        fall("name_bei_fav", {"--dokument", "fav", "--name", "X", "x.png"}, "--name gilt nicht für fav");
        fall("endung_protokoll", {"--dokument", "protokoll", "x.png"}, "protokoll wird als .pdf");
        fall("versuch_unvollstaendig", {"--dokument", "fav", "--versuch", "kurz.zorversuch", "x.png"}, "unvollständig");
        fall("versuch_fehlt", {"--dokument", "protokoll", "--versuch", "nichts.zorversuch", "x.pdf"},
             "nichts.zorversuch");
        fall("versuch_bei_vorlage", {"--versuch", "bsc.zorversuch", "FKF.PLT", "x.png"},
             "--versuch gilt nicht für eine Vorlage");
    }
    void falscheAngabe() { pruefen(); }

    void misslungeneZeichnung_data() {
        faelle();
        const auto fall = [](const char* name, QStringList a, const char* m) { QTest::newRow(name) << a << 1 << QString(m); };
        fall("ffo_mit_zwei", {"--dokument", "fav", "--datei1", "zwei.FFO", "x.png"}, "zwei.FFO");
        fall("ffo_mit_zwei_csv", {"--dokument", "fkf", "--datei1", "zwei.FFO", "x.csv"}, "zwei.FFO");
        fall("anpassung_ohne_fehler", {"--dokument", "anpassung", "--datei", "null.FFO", "x.csv"}, "keinen einzigen Fehler");
        fall("vorlage_kaputt", {"--start", "kaputt", "FKF.PLT", "x.png"}, "Fehlerhafte Plotdatei!");
        fall("fkf_vorlage_kaputt", {"--dokument", "fkf", "--satz1", "ge1", "--start", "kaputt", "x.png"}, "Fehlerhafte Plotdatei!");
        fall("par_vorlage_kaputt", {"--dokument", "par", "--start", "kaputt", "x.svg"}, "Fehlerhafte Plotdatei!");
        fall("bloecke_ffo_mit_zwei", {"--dokument", "bloecke", "--datei1", "zwei.FFO", "x.csv"}, "zwei.FFO");
        fall("druck_vorlage_kaputt", {"--dokument", "druck-fav", "--start", "kaputt", "x.pdf"}, "Fehlerhafte Plotdatei!");
        fall("protokoll_vorlage_kaputt", {"--dokument", "protokoll", "--start", "kaputt", "x.pdf"},
             "Fehlerhafte Plotdatei!");
        fall("protokoll_ffo_mit_zwei", {"--dokument", "protokoll", "--datei1", "zwei.FFO", "x.pdf"}, "zwei.FFO");
    }
    void misslungeneZeichnung() { pruefen(); }

    // The burst and block drawings: each option reaches the picture's CSV heading.
    void buendelUndBloecke_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("kopf");
        QTest::newRow("bursts_gap") << QStringList{"--dokument", "buendel", "--satz1", "ge1", "--merkmal", "abstand", "--schutz", "3"}
                                    << "k,Satz 1";
        QTest::newRow("blocks_interleaved") << QStringList{"--dokument", "bloecke", "--satz1", "ge1", "--satz2", "aus", "--tiefe", "4", "--rest"}
                                           << "n,Satz 1 exakt,Satz 1 gezählt,Satz 1 exakt verschachtelt";
    }
    void buendelUndBloecke() {
        QFETCH(QStringList, argumente);
        QFETCH(QString, kopf);
        for (const char* name : {"b.csv", "b.png"}) {
            const Lauf l = rendern(argumente + QStringList{name}, tmp_.path());
            QCOMPARE(l.status, 0);
            QVERIFY2(l.fehler.isEmpty(), qPrintable(l.fehler));
        }
        QFile csv(tmp_.filePath("b.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QString erste = QString::fromUtf8(csv.readLine()).trimmed();
        QVERIFY2(erste.startsWith(kopf), qPrintable(erste));
        QVERIFY(!QImage(tmp_.filePath("b.png")).isNull());
    }

    // The experiment gives both sets and the FAV options; options named beside it win.
    void versuchMitOptionen_data() {
        QTest::addColumn<QStringList>("dazu");
        QTest::addColumn<bool>("ak");
        QTest::addColumn<bool>("satz2");
        QTest::newRow("nur_versuch") << QStringList{} << false << false;
        QTest::newRow("ak_gewinnt") << QStringList{"--ak"} << true << false;
        QTest::newRow("satz2_gewinnt") << QStringList{"--satz2", "bsc1"} << false << true;
    }
    void versuchMitOptionen() {
        QFETCH(QStringList, dazu);
        QFETCH(bool, ak);
        QFETCH(bool, satz2);
        const Lauf l = rendern(
            QStringList{"--dokument", "fav", "--versuch", "bsc.zorversuch"} + dazu + QStringList{"v.csv"}, tmp_.path());
        QCOMPARE(l.status, 0);
        QVERIFY2(l.fehler.isEmpty(), qPrintable(l.fehler));
        const QStringList zeilen = QString::fromUtf8(liesDatei(tmp_.filePath("v.csv"))).trimmed().split('\n');
        QCOMPARE(zeilen.size(), 31);
        // The last point of p(a=k) repeats the one before it; the rows before it are exact.
        for (const QString& z : zeilen.mid(1, 29)) {
            const QStringList f = z.split(',');
            QCOMPARE(f.size(), 3);
            const int k = f[0].toInt();
            const double erwartet = (ak ? 0.05 : 1.0) * std::pow(0.95, k - 1);
            QVERIFY2(std::abs(f[1].toDouble() - erwartet) < 1e-5 * erwartet, qPrintable(z));
            QCOMPARE(f[2].isEmpty(), !satz2);
        }
    }

    void hilfeIstDeutsch() {
        QProcess p;
        p.start(QStringLiteral(ZOR_RENDER), {"--help"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        const QString text = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        QVERIFY2(text.startsWith("Aufruf: zorwerk-render"), qPrintable(text));
        QVERIFY2(!ENGLISCH.match(text).hasMatch(), qPrintable(text));
    }

private:
    void pruefen() {
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        QFETCH(QString, meldung);
        const Lauf l = rendern(argumente, tmp_.path());
        QCOMPARE(l.status, status);
        QVERIFY2(l.fehler.contains(meldung), qPrintable(l.fehler));
        QVERIFY2(!ENGLISCH.match(l.fehler).hasMatch(), qPrintable(l.fehler));
        for (const char* name : {"x.png", "x.csv", "x.svg", "x.pdf", "fav.txt"})
            QVERIFY2(!QFile::exists(tmp_.filePath(name)), name);
    }
};

QTEST_GUILESS_MAIN(RenderAufrufTest)
#include "render_aufruf_test.moc"
