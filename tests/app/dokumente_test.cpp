// The error-sequence and parameter documents in the frame: opening and closing with
// their menu states, the arrangement, painting, export, the clipboard and printing.

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "app/context/befehle.h"
#include "app/documents/dokumentarten.h"
#include "app/documents/ff_dokument.h"
#include "app/shell/menue.h"
#include "app/shell/werkzeugleiste.h"
#include "core/documents/ff_inhalt.h"
#include "core/models/vorgaben.h"
#include "core/seqfiles/dateiquelle.h"
#include "core/util/format.h"
#include "support/gui_hilfen.h"
#include "support/testdateien.h"
#include "support/testrahmen.h"
#include "support/zor_modus_test.h"

using namespace zor::app;

class DokumenteTest : public ZorModusTest {
    Q_OBJECT

    QTemporaryDir tmp_;

    // Is the pop-up of the channel-model menu holding this command enabled?
    bool popupAktiv(int id) {
        QAction* a = zor().aktionen(id).value(0);
        auto* m = a ? qobject_cast<QMenu*>(a->parent()) : nullptr;
        return m && m->menuAction()->isEnabled();
    }

private slots:
    void init() {
        r_ = std::make_unique<TestRahmen>();
        f_ = &r_->f;
        zeigen();
        f_->mainframe_OnCommand(CMD_ZORWERK);
        QCoreApplication::processEvents();
    }

    void oeffnenUndSchliessenSetzenDieMenues() {
        QVERIFY(!popupAktiv(CMD_SCHLIESSEN_ALLE) && zor().istGrau(CMD_EXPORTIEREN));
        f_->mainframe_OnCommand(CMD_OEFFNEN_FF);
        QVERIFY(r_->meldungen().isEmpty());
        QCOMPARE(s().Fenster.FF, 1);
        QCOMPARE(s().Fenster.init, 1);
        QVERIFY(zor().istGrau(CMD_OEFFNEN_FF) && !f_->werkzeugleiste()->istAktiv(CMD_OEFFNEN_FF));
        // Which commands go grey in which state is the core's table; here only that it is applied.
        QVERIFY(!zor().istGrau(CMD_EXPORTIEREN) && popupAktiv(CMD_KASKADIERT));
        QVERIFY(zor().istGrau(CMD_MULTIMEDIA));
        QCOMPARE(fenster("ff")->geometry(), flaeche());
        // The context menu is the channel-model "Datei" menu, export included.
        QMenu* kontext = f_->kontextPopup(MENU_ZOR);
        bool export_ = false;
        for (QAction* a : kontext->actions()) export_ = export_ || (befehlVon(a) == CMD_EXPORTIEREN && a->isEnabled());
        QVERIFY(export_);

        // PAR joins: PAR left, FF right.
        f_->mainframe_OnCommand(CMD_OEFFNEN_PAR);
        const QRect r = flaeche();
        QCOMPARE(fenster("par")->geometry(), QRect(0, 0, r.width() / 2, r.height()));
        QCOMPARE(fenster("ff")->geometry(), QRect(r.width() / 2, 0, r.width() / 2, r.height()));

        f_->mainframe_OnCommand(CMD_SCHLIESSEN_PAR);
        QCoreApplication::processEvents();
        QCOMPARE(s().Fenster.PAR, 0);
        QCOMPARE(fenster("ff")->geometry(), flaeche());

        zor().grau(CMD_AKTUALISIEREN, false);
        f_->mainframe_OnCommand(CMD_SCHLIESSEN_FF);
        QCoreApplication::processEvents();
        QCOMPARE(s().Fenster.aktuell, 0);
        QCOMPARE(s().Fenster.null, 1);
        QVERIFY(zor().istGrau(CMD_AKTUALISIEREN) && !popupAktiv(CMD_KASKADIERT));
        QVERIFY(!zor().istGrau(CMD_MULTIMEDIA));
        QVERIFY(r_->meldungen().isEmpty());
    }

    // "Alle" opens the missing ones and tiles every document of the table: inside the
    // area, none over another, FF in the top left corner.
    void alleOeffnenGekachelt() {
        f_->mainframe_OnCommand(CMD_OEFFNEN_PAR);
        f_->mainframe_OnCommand(CMD_OEFFNEN_ALLE);
        QVERIFY(r_->meldungen().isEmpty());
        const QRect r = flaeche();
        QList<QRect> kacheln;
        for (const ModellDokumentart* a : modellDokumentarten()) {
            QMdiSubWindow* w = fenster(qPrintable(a->fenster.name));
            QVERIFY2(w, qPrintable(a->fenster.name));
            QVERIFY(r.contains(w->geometry()));
            for (const QRect& k : kacheln) QVERIFY(!k.intersects(w->geometry()));
            kacheln << w->geometry();
        }
        QCOMPARE(fenster("ff")->geometry().topLeft(), QPoint(0, 0));
        QCOMPARE(s().Fenster.neu, static_cast<int>(modellDokumentarten().size()));
        // The curves compute in the background; while they do, closing waits like all input.
        QVERIFY(warteAufJob(*f_));
        QVERIFY(speichereBild(f_, QStringLiteral("dokumente_alle_1280x800")));
        f_->mainframe_OnCommand(CMD_SCHLIESSEN_ALLE);
        QCoreApplication::processEvents();
        QVERIFY(f_->mdi()->subWindowList().isEmpty());
        QCOMPARE(s().Fenster.aktuell, 0);
        QCOMPARE(s().Fenster.neu, 0);
    }

    // The four channel-model documents in each arrangement on a 1600 x 1000 screen: each
    // inside the area at a usable size, the tiled ones side by side without overlap.
    void vierDokumenteAngeordnet_data() {
        QTest::addColumn<int>("befehl");
        QTest::addColumn<bool>("gekachelt");
        QTest::newRow("nebeneinander") << int(CMD_NEBENEINANDER) << true;
        QTest::newRow("untereinander") << int(CMD_UNTEREINANDER) << true;
        QTest::newRow("ueberlappend") << int(CMD_KASKADIERT) << false;
    }
    void vierDokumenteAngeordnet() {
        QFETCH(int, befehl);
        QFETCH(bool, gekachelt);
        const qreal dpr = qApp->devicePixelRatio();
        zeigen((QSizeF(1600, 1000) / dpr).toSize());
        // Both sets drawn, as a class compares them: GE beside MC.
        zor::vorgabeSetzen(s(), 0, *zor::vorgabe("ge1"));
        zor::vorgabeSetzen(s(), 1, *zor::vorgabe("mc2"));
        for (int id : {CMD_OEFFNEN_FF, CMD_OEFFNEN_FKF, CMD_OEFFNEN_FAV, CMD_OEFFNEN_PAR}) f_->mainframe_OnCommand(id);
        QVERIFY(warteAufJob(*f_));
        f_->mainframe_OnCommand(befehl);
        QVERIFY(warteAufJob(*f_));
        const QRect r = flaeche();
        QList<QRect> gesehen;
        for (const char* n : {"ff", "fkf", "fav", "par"}) {
            const QMdiSubWindow* w = fenster(n);
            QVERIFY2(w && r.contains(w->geometry()), n);
            QVERIFY2(w->width() >= r.width() / 4 - 1 && w->height() >= r.height() / 4 - 1, n);
            if (gekachelt)
                for (const QRect& k : gesehen) QVERIFY2(!k.intersects(w->geometry()), n);
            gesehen << w->geometry();
        }
        QVERIFY(speichereBild(f_, QStringLiteral("vier_%1_%2").arg(QTest::currentDataTag()).arg(qRound(dpr * 100))));
    }

    void minimiertesWirdBeimSchliessenGekachelt() {
        f_->mainframe_OnCommand(CMD_OEFFNEN_FF);
        f_->mainframe_OnCommand(CMD_OEFFNEN_PAR);
        fenster("ff")->showMinimized();
        // Closing PAR while FF is minimised lets the area tile, which leaves icons as they
        // are; moving FF to its recorded region would have restored it.
        f_->mainframe_OnCommand(CMD_SCHLIESSEN_PAR);
        QCoreApplication::processEvents();
        QVERIFY(fenster("ff")->isMinimized());
        QCOMPARE(s().FF.ort, 'm');
    }

    // A paint while the documents are out of date brings them up to date first; an
    // inactive set leaves the page blank.
    void malenAktualisiertZuerst() {
        f_->mainframe_OnCommand(CMD_OEFFNEN_FF);
        s().Fenster.aktualisiert = 0;
        zor().grau(CMD_AKTUALISIEREN, false);
        QVERIFY(!nurWeiss(fenster("ff")->widget()->grab().toImage()));
        QCOMPARE(s().Fenster.aktualisiert, 1);
        QVERIFY(zor().istGrau(CMD_AKTUALISIEREN));
        f_->mainframe_OnCommand(CMD_SATZ1_INAKTIV);
        QVERIFY(nurWeiss(fenster("ff")->widget()->grab().toImage()));
    }

    void dateisaetze() {
        QByteArray fab;
        for (qint32 g : {5, 1, 12, 3, 1, 1, 40, 7, 2}) fab.append(reinterpret_cast<const char*>(&g), 4);
        QCOMPARE(zor::Load(s(), 0, schreibeDatei(tmp_, "muster.FAB", fab).toStdString()).art, zor::LadenErgebnis::Art::Erfolg);
        f_->mainframe_OnCommand(CMD_OEFFNEN_FF);
        fenster("ff")->resize(640, 300);
        QVERIFY(speichereBild(fenster("ff"), QStringLiteral("dokument_ff_fab")));
        f_->mainframe_OnCommand(CMD_OEFFNEN_PAR);
        fenster("par")->resize(640, 300);
        QVERIFY(speichereBild(fenster("par"), QStringLiteral("dokument_par_datei")));
        QVERIFY(r_->meldungen().isEmpty());
        // The file vanishes: one message, not one per repaint.
        QFile::remove(tmp_.filePath("muster.FAB"));
        auto* ff = fenster("ff")->widget();
        ff->grab();
        ff->grab();
        QTRY_COMPARE(r_->meldungen(), QStringList{zor::TEXT_NICHT_GELESEN});
        ff->grab();
        QCoreApplication::processEvents();
        QCOMPARE(r_->meldungen().size(), 1);
    }

    void exportierenAlsTextUndBild() {
        f_->mainframe_OnCommand(CMD_OEFFNEN_FF);
        auto* ff = qobject_cast<FFDokument*>(fenster("ff")->widget());
        fenster("ff")->resize(500, 300);
        const QString text = tmp_.filePath("ff.txt"), svg = tmp_.filePath("ff.svg"), png = tmp_.filePath("ff.png");
        r_->dateiwahl.antworten = {text, svg, png};
        f_->mainframe_OnCommand(CMD_EXPORTIEREN);
        warteAufJob(*f_);
        QCOMPARE(liesDatei(text).toStdString(), ff->alsText());
        QVERIFY(ff->alsText().find("Fehlerhäufigkeit:") != std::string::npos);
        QCOMPARE(r_->dateiwahl.anfragen.last().satz, &SATZ_EXPORT_BILD_TEXT);

        beantworteModal(QStringLiteral("exportgroesse"), QStringLiteral("ok"), QStringLiteral("export_groesse"));
        f_->mainframe_OnCommand(CMD_EXPORTIEREN);
        warteAufJob(*f_);
        QSvgRenderer gelesen(svg);
        QVERIFY(gelesen.isValid());
        QCOMPARE(gelesen.viewBox().size(), ff->size());
        beantworteModal(QStringLiteral("exportgroesse"), QStringLiteral("ok"));
        f_->mainframe_OnCommand(CMD_EXPORTIEREN);
        warteAufJob(*f_);
        QCOMPARE(QImage(png).size(), ff->size());
        QVERIFY(r_->meldungen().isEmpty());

        // Cancelling the size leaves no file; a picture needs a picture format.
        r_->dateiwahl.antworten = {tmp_.filePath("nie.png"), tmp_.filePath("falsch.bmp")};
        beantworteModal(QStringLiteral("exportgroesse"), QStringLiteral("abbrechen"));
        f_->mainframe_OnCommand(CMD_EXPORTIEREN);
        warteAufJob(*f_);
        QVERIFY(!QFile::exists(tmp_.filePath("nie.png")));
        f_->mainframe_OnCommand(CMD_EXPORTIEREN);
        warteAufJob(*f_);
        QCOMPARE(r_->meldungen(), QStringList{"Exportieren ist als PNG, SVG, PDF oder Text möglich."});
    }

    void exportierenUnschreibbarMeldet() {
        f_->mainframe_OnCommand(CMD_OEFFNEN_PAR);
        r_->dateiwahl.antworten = {tmp_.filePath("fehlt/par.pdf")};
        beantworteModal(QStringLiteral("exportgroesse"), QStringLiteral("ok"));
        f_->mainframe_OnCommand(CMD_EXPORTIEREN);
        warteAufJob(*f_);
        QCOMPARE(r_->dateiwahl.anfragen.last().satz, &SATZ_EXPORT_BILD);
        QCOMPARE(r_->meldungen().size(), 1);
        QVERIFY(r_->meldungen()[0].contains("kann nicht geschrieben werden"));
    }

    // A set's file is an input: an export through a link to it is refused, the file stays.
    void exportierenNieInDieDateiEinesSatzes() {
        const QString satz1 = schreibeDatei(tmp_, "satz1.FFO", "0101");
        QVERIFY(QFile::link(satz1, tmp_.filePath("bild.png")));
        s().Fenster.aktualisiert = 1;
        QCOMPARE(zor::Load(s(), 0, satz1.toStdString()).art, zor::LadenErgebnis::Art::Erfolg);
        f_->mainframe_OnCommand(CMD_OEFFNEN_PAR);
        r_->dateiwahl.antworten = {tmp_.filePath("bild.png")};
        beantworteModal(QStringLiteral("exportgroesse"), QStringLiteral("ok"));
        f_->mainframe_OnCommand(CMD_EXPORTIEREN);
        QCOMPARE(r_->meldungen(), QStringList{QString::fromStdString(zor::format(
                                      zor::TEXT_GLEICHE_DATEI, qPrintable(tmp_.filePath("bild.png")), qPrintable(satz1)))});
        QCOMPARE(liesDatei(satz1), QByteArray("0101"));
    }

    void kopierenLegtEinBildAb() {
        f_->mainframe_OnCommand(CMD_OEFFNEN_PAR);
        QWidget* par = fenster("par")->widget();
        QApplication::clipboard()->clear();
        QTest::keyClick(par, Qt::Key_C, Qt::ControlModifier);
        warteAufJob(*f_);
        const QImage bild = QApplication::clipboard()->image();
        QCOMPARE(bild.size(), par->size());
        QVERIFY(!nurWeiss(bild));
    }

    // The real parameter document refuses printing (the frame's refusal is tested with
    // a stand-in elsewhere).
    void druckenPARVerweigert() {
        f_->mainframe_OnCommand(CMD_OEFFNEN_PAR);
        f_->mainframe_OnCommand(CMD_DRUCKEN);
        QCOMPARE(r_->meldungen(), QStringList{QStringLiteral("Parameterfenster kann nicht ausgedruckt werden!")});
        QVERIFY(r_->dateiwahl.anfragen.isEmpty());
    }
};

QTEST_MAIN(DokumenteTest)
#include "dokumente_test.moc"
