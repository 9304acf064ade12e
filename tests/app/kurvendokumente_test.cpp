// The gap-distribution and correlation documents in the frame: opening and closing,
// curves computed once and reported after the paint, the measurement cursor by
// command, key and mouse, the options on a right click, CSV export and the pictures.

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include "app/plot/druckseite.h"

#include "app/documents/dokumentarten.h"
#include "app/documents/kurvendokument.h"
#include "app/platform/meldungsdienst.h"
#include "app/plot/bildausgabe.h"
#include "core/models/fkf.h"
#include "core/models/optionseingabe.h"
#include "core/models/vorgaben.h"
#include "support/dialog_hilfen.h"
#include "support/gui_hilfen.h"
#include "support/modal_skript.h"
#include "support/testdateien.h"
#include "support/zor_modus_test.h"

using namespace zor::app;

namespace {

struct Art {
    const char* name;
    int oeffnen, schliessen, zeigen, loeschen, optionen;
    const char* dialog;
};
const Art FAV{"fav", CMD_OEFFNEN_FAV, CMD_SCHLIESSEN_FAV, CMD_CURSOR_FAV_ZEIGEN, CMD_CURSOR_FAV, CMD_FAV_OPTIONEN,
              "id_95"};
const Art FKF{"fkf", CMD_OEFFNEN_FKF, CMD_SCHLIESSEN_FKF, CMD_CURSOR_FKF_ZEIGEN, CMD_CURSOR_FKF, CMD_FKF_OPTIONEN,
              "id_98"};
const Art& artVon(const QString& name) { return name == "fav" ? FAV : FKF; }

// One row per document kind, for the cases that hold for both.
void beideArten() {
    QTest::addColumn<QString>("art");
    QTest::newRow("FAV") << "fav";
    QTest::newRow("FKF") << "fkf";
}

QStringList zorAusgabe(const QStringList& argumente) {
    QProcess p;
    p.start(QStringLiteral(ZOR_PROGRAMM), argumente);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

// The renderer's exit code (-1 when it crashed or still runs); its error output into fehler.
int rendern(const QStringList& argumente, QByteArray* fehler = nullptr) {
    QProcess p;
    p.start(QStringLiteral(ZOR_RENDER), argumente);
    const bool fertig = p.waitForFinished(60000);
    if (fehler) *fehler = p.readAllStandardError();
    return fertig && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QStringList zeilen(const QString& pfad) { return QString::fromUtf8(liesDatei(pfad)).split('\n', Qt::SkipEmptyParts); }

}  // namespace

class KurvendokumenteTest : public ZorModusTest {
    Q_OBJECT

    QTemporaryDir tmp_;

    void vorgabe(int satz, const char* name) { zor::vorgabeSetzen(s(), satz, *zor::vorgabe(name)); }
    // Set 1 GE theory, set 2 MC simulated: two distinct curves quickly.
    void zweiSaetze() {
        vorgabe(0, "ge1");
        s().Modell.sim1 = 0;
        vorgabe(1, "mc2");
        s().Modell.inaktiv = 0;
    }
    // Opens the document and waits until its curves are computed and painted.
    KurvenDokument* oeffnen(const Art& a, QSize groesse = {640, 440}) {
        if (!f_->isVisible()) zeigen();
        f_->mainframe_OnCommand(a.oeffnen);
        QMdiSubWindow* w = fenster(a.name);
        if (!w) return nullptr;
        w->resize(groesse);
        auto* d = qobject_cast<KurvenDokument*>(w->widget());
        return fertig(d) ? d : nullptr;
    }
    // Waits until the document's stale curves are computed and painted.
    static bool fertig(KurvenDokument* d) {
        const bool ok = QTest::qWaitFor([d] { return !d->veraltet(); }, 20000);
        QCoreApplication::processEvents();
        return ok;
    }
    // What the screen shows of the document: the frame's backing store, partial repaints
    // included (grab() would paint the whole document afresh).
    QImage aufDemSchirm(QWidget* d) {
        const QImage ganz = f_->screen()->grabWindow(f_->winId()).toImage();
        return ganz.copy(QRect(d->mapTo(f_, QPoint(0, 0)), d->size()));
    }
    int geraetX(KurvenDokument* d, int logischX) { return qRound(d->abbildung().geraet({logischX, 0}).x); }
    void maus(QWidget* d, int x) {
        QMouseEvent e(QEvent::MouseMove, QPointF(x, d->height() / 2), d->mapToGlobal(QPointF(x, d->height() / 2)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(d, &e);
    }

private slots:
    void oeffnenUndSchliessen_data() {
        QTest::addColumn<QString>("art");
        QTest::addColumn<int>("schliessen");
        QTest::newRow("FAV 263") << "fav" << int(CMD_SCHLIESSEN_FAV);
        QTest::newRow("FAV 4035") << "fav" << int(CMD_SCHLIESSEN);
        QTest::newRow("FKF 262") << "fkf" << int(CMD_SCHLIESSEN_FKF);
        QTest::newRow("FKF 260") << "fkf" << int(CMD_SCHLIESSEN_ALLE);
    }
    // Open and close by their commands; closing also removes a shown cursor.
    void oeffnenUndSchliessen() {
        QFETCH(QString, art);
        QFETCH(int, schliessen);
        const Art& a = artVon(art);
        zeigen();
        KurvenDokument* d = oeffnen(a);
        QVERIFY(d && r_->meldungen().isEmpty());
        QCOMPARE(art == "fav" ? s().Fenster.FAV : s().Fenster.FKF, 1);
        QVERIFY(zor().istGrau(a.oeffnen) && !zor().istGrau(a.schliessen));
        QCOMPARE(d->druckbar()->druckart().kopf, art == "fav" ? 'c' : 'b');
        f_->mainframe_OnCommand(a.zeigen);
        QCOMPARE(art == "fav" ? s().Cursor.FAV : s().Cursor.FKF, 1);
        QCOMPARE(f_->focusWidget(), d);  // the keys go there while the frame is active
        QTest::keyClick(d, Qt::Key_End);
        f_->mainframe_OnCommand(schliessen);
        QCoreApplication::processEvents();
        QVERIFY(!fenster(a.name));
        QCOMPARE(s().Fenster.FAV + s().Fenster.FKF, 0);
        QCOMPARE(s().Cursor.FAV + s().Cursor.FKF + s().FAV_xpos + s().FKF_xpos, 0);
        QVERIFY(!zor().istGrau(a.oeffnen));
    }

    // Both sets made inactive: the cursors go (also that of the document not active) and
    // only the background is painted; active again, the diagrams return.
    void inaktivNurHintergrund() {
        zweiSaetze();
        oeffnen(FAV)->befehl(FAV.zeigen);
        oeffnen(FKF)->befehl(FKF.zeigen);
        f_->mainframe_OnCommand(CMD_SATZ1_INAKTIV);
        f_->mainframe_OnCommand(CMD_SATZ2_INAKTIV);
        QCOMPARE(s().Modell.inaktiv, 1);
        QCOMPARE(s().Cursor.FAV + s().Cursor.FKF, 0);
        for (const char* n : {"fav", "fkf"}) {
            auto* d = qobject_cast<KurvenDokument*>(fenster(n)->widget());
            QVERIFY(fertig(d));
            QVERIFY(nurWeiss(d->grab().toImage()));
            QCOMPARE(d->gezeichnet(), zor::Gezeichnet{});
        }
        zweiSaetze();
        s().FAV.ermittelt1 = s().FAV.ermittelt2 = 0;
        auto* fav = qobject_cast<KurvenDokument*>(fenster("fav")->widget());
        fav->update();
        QVERIFY(fertig(fav));
        QVERIFY(!nurWeiss(fav->grab().toImage()));
        QCOMPARE(fav->gezeichnet(), (zor::Gezeichnet{1, 1}));
    }

    // A repaint with valid curves computes nothing; invalidating one set recomputes it.
    void nurUngueltigesWirdBerechnet_data() { beideArten(); }
    void nurUngueltigesWirdBerechnet() {
        QFETCH(QString, art);
        zweiSaetze();
        KurvenDokument* d = oeffnen(artVon(art));
        auto& kurve1 = art == "fav" ? s().ptFAV1[3] : s().ptFKF1[3];
        auto& kurve2 = art == "fav" ? s().ptFAV2[3] : s().ptFKF2[3];
        zor::STRUCT_TOCHTER& t = art == "fav" ? s().FAV : s().FKF;
        const float richtig1 = kurve1.y;
        kurve1.y = kurve2.y = 0.25f;  // marks: a computation would overwrite them
        d->repaint();
        d->grab();
        QCOMPARE(kurve1.y, 0.25f);
        t.ermittelt1 = 0;
        d->update();
        QVERIFY(fertig(d));
        QCOMPARE(kurve1.y, richtig1);
        QCOMPARE(kurve2.y, 0.25f);
    }

    // A simulation shows the progress window; the computing time and the method warnings
    // follow the paint in one box, once; 407 to 409 show a warning on its own.
    void berichteNachDemMalen() {
        vorgabe(0, "ge1");
        vorgabe(1, "mc2");
        s().Modell.inaktiv = 0;
        s().FKF_uhr = 1;
        s().FKF_erneuernd = 1;
        oeffnen(FKF);
        QTRY_COMPARE(r_->meldung.gezeigt.size(), 1);
        const GezeigteMeldung g = r_->meldung.gezeigt[0];
        QVERIFY2(g.text.startsWith("Parametersatz1:\t") && g.text.contains("\n\nParametersatz2:\t"),
                 qPrintable(g.text));
        QVERIFY(g.text.endsWith(QStringLiteral("\n\n%1\n\n%2").arg(zor::FKF_WARNUNG_GE, zor::FKF_WARNUNG_MC)));
        QCOMPARE(g.titel, QStringLiteral("Rechenzeit FKF (aus FAV ermittelt)"));
        auto* fortschritt = f_->findChild<QWidget*>(QStringLiteral("id_%1").arg(DLG_FORTSCHRITT));
        QVERIFY(fortschritt && !fortschritt->isVisible());
        QCOMPARE(anzeige(fortschritt, ID_DATEI), QString::fromUtf8(zor::FKF_TITEL_GE));

        fenster("fkf")->widget()->repaint();
        QCoreApplication::processEvents();
        QCOMPARE(r_->meldung.gezeigt.size(), 1);
        for (int id : {CMD_FKF_WARNUNG_GE, CMD_FKF_WARNUNG_DATEI, CMD_FKF_WARNUNG_MC}) f_->mainframe_OnCommand(id);
        QCOMPARE(r_->meldungen().mid(1),
                 (QStringList{zor::FKF_WARNUNG_GE, zor::FKF_WARNUNG_DATEI, zor::FKF_WARNUNG_MC}));
    }

    void favRechenzeit() {
        s().FAV_uhr = 1;
        oeffnen(FAV);
        QTRY_COMPARE(r_->meldung.gezeigt.size(), 1);
        QCOMPARE(r_->meldung.gezeigt[0].titel, QStringLiteral("Rechenzeit Fehlerabstandsverteilung"));
    }

    // A refresh of both curve documents gives one box with both computing times and the
    // method warning, shown once the second has its curves.
    void einBerichtNachDemAktualisieren() {
        vorgabe(0, "ge1");
        s().Modell.inaktiv = 0;
        s().FKF_erneuernd = 1;
        QVERIFY(oeffnen(FAV) && oeffnen(FKF));
        QTest::qWait(50);
        r_->meldung.gezeigt.clear();
        s().FAV_uhr = s().FKF_uhr = 1;
        s().FAV.ermittelt1 = s().FAV.ermittelt2 = s().FKF.ermittelt1 = s().FKF.ermittelt2 = 0;
        fenster("fav")->widget()->update();
        fenster("fkf")->widget()->update();
        QTRY_COMPARE(r_->meldung.gezeigt.size(), 1);
        QTest::qWait(200);
        QCOMPARE(r_->meldung.gezeigt.size(), 1);
        const QString text = r_->meldung.gezeigt[0].text;
        QVERIFY2(text.count(QStringLiteral("Parametersatz1:")) == 2, qPrintable(text));
        QVERIFY2(text.count(QString::fromUtf8(zor::FKF_WARNUNG_GE)) == 1, qPrintable(text));
    }

    // The cursor comes by itself when its option is set; on FAV only for a linear abscissa.
    void automatischerCursor() {
        s().Cursor.FAVon = s().Cursor.FKFon = 1;
        s().FAV_abszisse = 0;
        oeffnen(FAV);
        oeffnen(FKF);
        QCOMPARE(s().Cursor.FAV, 0);
        QCOMPARE(s().Cursor.FKF, 1);
        s().FAV_abszisse = 1;
        fenster("fav")->widget()->grab();
        QCOMPARE(s().Cursor.FAV, 1);
    }

    // The keys reach the cursor rule (its cases are the core's); a hidden cursor stays.
    void tasten_data() {
        QTest::addColumn<QString>("art");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("ziel");
        QTest::newRow("FKF PageDown last of equal minima") << "fkf" << 0 << int(Qt::Key_PageDown) << 49;
        QTest::newRow("FAV Right stops at d-1") << "fav" << 49 << int(Qt::Key_Right) << 49;
        QTest::newRow("FAV Left") << "fav" << 10 << int(Qt::Key_Left) << 9;
    }
    void tasten() {
        QFETCH(QString, art);
        QFETCH(int, start);
        QFETCH(int, taste);
        QFETCH(int, ziel);
        s().Modell.sim1 = 0;
        KurvenDokument* d = oeffnen(artVon(art));
        int& xpos = art == "fav" ? s().FAV_xpos : s().FKF_xpos;
        xpos = start;
        QTest::keyClick(d, Qt::Key(taste));
        QCOMPARE(xpos, start);  // a hidden cursor stays
        d->befehl(artVon(art).zeigen);
        QTest::keyClick(d, Qt::Key(taste));
        QCOMPARE(xpos, ziel);
    }

    // The first move after a resize only re-arms; then the mouse picks the point under it
    // and nothing outside the curve.
    void maus_data() { beideArten(); }
    void maus() {
        QFETCH(QString, art);
        const bool fav = art == "fav";
        KurvenDokument* d = oeffnen(artVon(art));
        d->befehl(artVon(art).zeigen);
        int& xpos = fav ? s().FAV_xpos : s().FKF_xpos;
        const int schritt = fav ? s().FAV_xnorm : s().FKF_xnorm;
        const int links = fav ? s().FAV_xnorm - 7500 : -7500;
        const auto mitte = [&](int i) { return geraetX(d, links + i * schritt + schritt / 2); };
        fenster(art.toLatin1())->resize(700, 460);
        maus(d, mitte(7));
        QCOMPARE(xpos, 0);
        maus(d, mitte(7));
        QCOMPARE(xpos, 7);
        maus(d, mitte(30));
        QCOMPARE(xpos, 30);
        maus(d, geraetX(d, links - schritt));
        QCOMPARE(xpos, 30);
        maus(d, d->width() - 1);
        QVERIFY(xpos <= (fav ? 49 : 50));
    }

    // After a move the screen shows exactly a fresh painting: nothing stays at the old place.
    void alteStelleWirdFrei_data() { beideArten(); }
    void alteStelleWirdFrei() {
        QFETCH(QString, art);
        zeigen();
        zweiSaetze();
        KurvenDokument* d = oeffnen(artVon(art));
        d->befehl(artVon(art).zeigen);
        QTest::keyClick(d, Qt::Key_End);
        QCoreApplication::processEvents();
        const int alt = art == "fav" ? s().FAV_xpos : s().FKF_xpos;
        const int schritt = art == "fav" ? s().FAV_xnorm : s().FKF_xnorm;
        const int x = geraetX(d, (art == "fav" ? s().FAV_xnorm - 7500 : -7500) + alt * schritt);
        const QImage vorher = aufDemSchirm(d);
        QTest::keyClick(d, Qt::Key_Home);
        QCoreApplication::processEvents();
        const QImage nachher = aufDemSchirm(d);
        d->repaint();
        QCOMPARE(nachher, aufDemSchirm(d));
        // The thin line may fall on the pixel beside the rounded one.
        int geaendert = 0;
        for (int y = 0; y < d->height(); ++y)
            geaendert += vorher.copy(x - 1, y, 3, 1) != nachher.copy(x - 1, y, 3, 1);
        QVERIFY(geaendert > d->height() / 3);
    }

    void rechtsklickOeffnetOptionen_data() { beideArten(); }
    // Options dialog cancelled: cursor back to 0 and, switched off, removed.
    void rechtsklickOeffnetOptionen() {
        QFETCH(QString, art);
        const Art& a = artVon(art);
        KurvenDokument* d = oeffnen(a);
        d->befehl(a.zeigen);
        QTest::keyClick(d, Qt::Key_End);
        ModalSkript skript;
        skript.dann([](QWidget* dlg) { klick(dlg, ID_ABBRECHEN); });
        QTest::mouseClick(d, Qt::RightButton, {}, QPoint(50, 50));
        QCOMPARE(skript.gesehen, QStringList{a.dialog});
        QCOMPARE(s().Cursor.FAV + s().Cursor.FKF + s().FAV_xpos + s().FKF_xpos, 0);
    }

    // The exported CSV holds what `zor` computes for each set.
    void csvWieZor_data() {
        QTest::addColumn<QString>("art");
        QTest::addColumn<bool>("ak");
        QTest::addColumn<QStringList>("optionen");
        QTest::newRow("FAV P(a>=k)") << "fav" << false << QStringList{"fav", "--points", "50"};
        QTest::newRow("FAV p(a=k)") << "fav" << true << QStringList{"fav", "--points", "50", "--ak"};
        QTest::newRow("FKF renewal") << "fkf" << false
                                     << QStringList{"fkf", "--lags", "50", "--method", "renewal"};
    }
    void csvWieZor() {
        QFETCH(QString, art);
        QFETCH(bool, ak);
        QFETCH(QStringList, optionen);
        vorgabe(0, "ge1");
        vorgabe(1, "sw2");
        s().Modell.AB = ak;
        s().FKF_erneuernd = 1;
        oeffnen(artVon(art));
        const QString pfad = tmp_.filePath(art + ".csv");
        r_->dateiwahl.antworten = {pfad};
        f_->mainframe_OnCommand(CMD_EXPORTIEREN);
        warteAufJob(*f_);
        QCOMPARE(r_->dateiwahl.anfragen.last().satz, &SATZ_EXPORT_BILD_CSV);
        const QStringList zeilen = ::zeilen(pfad);
        const QStringList satz1 = zorAusgabe(optionen + QStringList{"--preset", "ge1"});
        const QStringList satz2 = zorAusgabe(optionen + QStringList{"--preset", "sw2"});
        QCOMPARE(zeilen.value(0), QStringLiteral("k,Satz 1,Satz 2"));
        QCOMPARE(zeilen.size(), satz1.size() + 1);
        QVERIFY(satz1.size() >= 50);
        for (int i = 0; i < satz1.size(); ++i)
            QCOMPARE(zeilen[i + 1], satz1[i] + ',' + satz2[i].section(',', 1));

        // The clipboard carries the same text beside the picture.
        QWidget* d = fenster(art.toLatin1())->widget();
        QTest::keyClick(d, Qt::Key_C, Qt::ControlModifier);
        warteAufJob(*f_);
        const QMimeData* m = QApplication::clipboard()->mimeData();
        QVERIFY(m->hasImage());
        QCOMPARE(m->text().split('\n', Qt::SkipEmptyParts), zeilen);
        // Text is the error sequence's export, not the curves'. (GE with the renewal method
        // has warned already.)
        r_->meldung.gezeigt.clear();
        r_->dateiwahl.antworten = {tmp_.filePath(art + ".txt")};
        f_->mainframe_OnCommand(CMD_EXPORTIEREN);
        warteAufJob(*f_);
        QCOMPARE(r_->meldungen(), QStringList{"Exportieren ist als PNG, SVG, PDF oder CSV möglich."});
        QVERIFY(!QFile::exists(tmp_.filePath(art + ".txt")));
    }

    // The renderer paints what the window paints, and writes the window's CSV.
    void renderer() {
        const QString png = tmp_.filePath("fav.png"), csv = tmp_.filePath("fkf.csv");
        QCOMPARE(rendern({"--dokument", "fav", "--satz1", "ge1", "--satz2", "mc2", "--abszisse", "log", "--ordinate",
                          "lin", "--ak", "--cursor", "5", "--groesse", "700x450", png}),
                 0);
        zweiSaetze();
        s().Modell.sim1 = 1;
        auto o = zor::favOptionen(s());
        o.abszisse = 0;
        o.ordinate = 1;
        o.AB = 1;
        QCOMPARE(zor::favOptionenAnwenden(s(), o), zor::Optionsfehler::Keiner);
        KurvenDokument* d = oeffnen(FAV);
        d->befehl(FAV.zeigen);
        s().FAV_xpos = 5;
        const QImage fenster = zor::bildVon({700, 450}, [d](QPainter& p) { d->zeichnen(p, {700, 450}); });
        QCOMPARE(QImage(png).convertToFormat(fenster.format()), fenster);

        QCOMPARE(rendern({"--dokument", "fkf", "--satz1", "ge1", "--satz2", "aus", "--punkte", "40", csv}), 0);
        const QStringList zor = zorAusgabe({"fkf", "--preset", "ge1", "--lags", "40"});
        QCOMPARE(zeilen(csv).mid(1), [&] {
            QStringList l;
            for (const QString& z : zor) l << z + ',';
            return l;
        }());
    }

    // The renderer's outputs go through the program's one output helper: never onto a
    // set's input (not through a link either), never a FIFO read, and a template drawn
    // onto a full disk leaves the existing picture whole.
    void rendererSchadetKeinerDatei() {
        const QString satz = schreibeDatei(tmp_, "in.FFO", "0100"), link = tmp_.filePath("link.png");
        QVERIFY(QFile::link(satz, link));
        QCOMPARE(rendern({"--dokument", "fav", "--datei1", satz, link}), 1);
        QCOMPARE(liesDatei(satz), QByteArray("0100"));
        // A pipe as a set's file is refused at once, in zor's words, and never opened.
        QCOMPARE(::mkfifo(QFile::encodeName(tmp_.filePath("pipe.FFO")).constData(), 0600), 0);
        QByteArray fehler;
        QCOMPARE(rendern({"--dokument", "fav", "--datei1", tmp_.filePath("pipe.FFO"), tmp_.filePath("p.png")}, &fehler),
                 2);
        QVERIFY2(QString::fromUtf8(fehler).contains(QStringLiteral("Das ist keine reguläre Datei.")),
                 fehler.constData());
        QVERIFY(!QFile::exists(tmp_.filePath("p.png")));

        const QString alt = schreibeDatei(tmp_, "vorlage.png", "alt");
        QProcess p;
        p.setChildProcessModifier([] {
            const rlimit grenze{2048, 2048};
            ::setrlimit(RLIMIT_FSIZE, &grenze);
        });
        p.start(QStringLiteral(ZOR_RENDER), {QStringLiteral("FKF.PLT"), alt});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
        QVERIFY2(p.readAllStandardError().contains("Die Datei ist zu groß."), "the reason of the failed write");
        QCOMPARE(liesDatei(alt), QByteArray("alt"));
        QCOMPARE(QDir(tmp_.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".zor-")), QStringList{});
    }

    void bilder_data() {
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("abszisse");
        QTest::addColumn<int>("ordinate");
        QTest::addColumn<int>("ak");
        QTest::addColumn<int>("cursor");  // -1: none
        QTest::addColumn<QString>("saetze");  // set 1 theory, set 2 simulated; "bsc": both BSC, simulated
        QTest::addColumn<int>("band");
        QTest::newRow("fav_log_ak") << "fav"
                                    << "log" << 1 << 1 << -1 << "ge1/mc2" << 0;
        QTest::newRow("fav_band") << "fav" << "50" << 0 << 0 << 5 << "ge1/ge1" << 1;
        QTest::newRow("fkf_band_cursor") << "fkf"
                                         << "50" << 1 << 0 << 4 << "ge1/ge1" << 1;
        QTest::newRow("fkf_bsc") << "fkf" << "50" << 1 << 0 << -1 << "bsc" << 1;
    }
    void bilder() {
        QFETCH(QString, art);
        QFETCH(QString, abszisse);
        QFETCH(int, ordinate);
        QFETCH(int, ak);
        QFETCH(int, cursor);
        QFETCH(QString, saetze);
        QFETCH(int, band);
        zeigen();
        const bool bsc = saetze == "bsc";
        if (bsc) {
            vorgabe(0, "bsc1");
            vorgabe(1, "bsc2");
        } else {
            const QStringList namen = saetze.split('/');
            vorgabe(0, qPrintable(namen[0]));
            s().Modell.sim1 = 0;
            vorgabe(1, qPrintable(namen[1]));
        }
        const bool fav = art == "fav";
        if (fav) {
            auto o = zor::favOptionen(s());
            o.abszisse = abszisse != "log";
            if (o.abszisse) o.texte.abszisse = abszisse.toStdString();
            o.ordinate = ordinate;
            o.AB = ak;
            o.band = band;
            QCOMPARE(zor::favOptionenAnwenden(s(), o), zor::Optionsfehler::Keiner);
        } else {
            auto o = zor::fkfOptionen(s());
            o.texte.abszisse = abszisse.toStdString();
            o.ordinate = ordinate;
            o.band = band;
            QCOMPARE(zor::fkfOptionenAnwenden(s(), o), zor::Optionsfehler::Keiner);
        }
        KurvenDokument* d = oeffnen(artVon(art), {760, 520});
        if (cursor >= 0) {
            d->befehl(artVon(art).zeigen);
            (fav ? s().FAV_xpos : s().FKF_xpos) = cursor;
        }
        QCOMPARE(d->gezeichnet(), (zor::Gezeichnet{1, 1}));
        // A memoryless channel has no decaying correlation, however its noise falls.
        if (!fav) QVERIFY(bsc ? s().DK1 == 0 && s().DK2 == 0 : s().DK1 > 0 && s().DK2 > 0);
        QVERIFY(speichereBild(d, QStringLiteral("kurven_") + QTest::currentDataTag()));
        QVERIFY(r_->meldungen().isEmpty());
    }
};

QTEST_MAIN(KurvendokumenteTest)
#include "kurvendokumente_test.moc"
