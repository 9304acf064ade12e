// The printed page: where its parts lie, printing into a PDF where no printer exists
// (one page with the header, parameter and diagram texts), cancelling, the refusals,
// the page preview and the headless renderer.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

#include "app/documents/druck_modul.h"
#include "app/documents/druckauftrag.h"
#include "app/plot/druckseite.h"
#include "app/plot/vorlagen.h"
#include "core/models/zor_state.h"
#include "support/gui_hilfen.h"
#include "support/modal_skript.h"
#include "support/test_dokument.h"
#include "support/testdateien.h"
#include "support/zor_modus_test.h"

using namespace zor;
using namespace zor::app;

namespace {

// Letter paper at 100 pixels per inch: small enough to scan, large enough for text.
const QSize SEITE(850, 1100);

// Bounding box of the pixels that are not white.
QRect tinte(const QImage& bild) {
    QRect r;
    for (int y = 0; y < bild.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
        for (int x = 0; x < bild.width(); ++x)
            if (qGray(zeile[x]) < 250) r |= QRect(x, y, 1, 1);
    }
    return r;
}

// Bounding box of the pixels where two pictures differ.
QRect unterschied(const QImage& a, const QImage& b) {
    QRect r;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) r |= QRect(x, y, 1, 1);
    return r;
}

// The page painted on white; a larger canvas shows what runs past the page's edges.
QImage malen(const std::function<void(QPainter&)>& f, QSize leinwand = SEITE) {
    QImage bild(leinwand, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    f(p);
    return bild;
}

// Set 1 BSC simulated, set 2 GE theory: two parameter pictures and two curves.
ZorState zweiSaetze() {
    ZorState s = startZustand();
    s.Modell.M2 = GE2;
    s.Modell.inaktiv = 0;
    return s;
}

// The text pdftotext finds, or nothing when the tool is not installed.
std::optional<QString> pdfText(const QString& pfad) {
    const QString werkzeug = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (werkzeug.isEmpty()) return std::nullopt;
    QProcess p;
    p.start(werkzeug, {pfad, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

#define PDF_TEXT(var, pfad)                                                              \
    const auto var##_ = pdfText(pfad);                                                   \
    if (!var##_) QSKIP("pdftotext fehlt (Paket poppler-utils): PDF-Text nicht geprüft"); \
    const QString& var = *var##_;

// The page of a header selector: 'a' FF, 'b' FKF, 'c' FAV.
const Druckart& druck(int kopf) { return kopf == 'a' ? DRUCK_FF : kopf == 'b' ? DRUCK_FKF : DRUCK_FAV; }

}  // namespace

class DruckenTest : public ZorModusTest {
    Q_OBJECT

    QTemporaryDir tmp_;

    // Opens a printable document of the kind: the real FF window, else a stand-in.
    void oeffne(const Druckart& art) {
        if (&art == &DRUCK_FF) {
            f_->mainframe_OnCommand(CMD_OEFFNEN_FF);
            return;
        }
        f_->mdi_Create(new TestDokument(*f_, &art == &DRUCK_FKF ? 'K' : 'V'));
    }

private slots:
    // --- the page's layout -------------------------------------------------------------

    void kopfUndParameterbilderObenImRahmen() {
        const auto q = eingebauteVorlagen();
        ZorState mit = zweiSaetze(), ohne = zweiSaetze();
        ohne.Modell.inaktiv = 1;
        int vorlagenFehler = 0;
        const QImage kopf =
            malen([&](QPainter& p) { vorlagenFehler += PAR_Print(p, SEITE, ohne, q, DRUCK_FAV).vorlagenFehler; });
        const QImage beide =
            malen([&](QPainter& p) { vorlagenFehler += PAR_Print(p, SEITE, mit, q, DRUCK_FAV).vorlagenFehler; });
        QCOMPARE(vorlagenFehler, 0);
        const QRect k = tinte(kopf), bilder = unterschied(kopf, beide);
        QVERIFY(!k.isEmpty() && !bilder.isEmpty());
        QVERIFY2(k.bottom() < int(0.083 * SEITE.height()), qPrintable(QString::number(k.bottom())));
        QVERIFY(k.left() >= int(0.1 * SEITE.width()) - 1 && k.right() <= int(0.9 * SEITE.width()));
        const QRect rahmen = druckParameterRechteck(SEITE);
        QVERIFY2(rahmen.adjusted(-1, -1, 1, 1).contains(bilder), qPrintable(QStringLiteral("%1,%2 %3x%4")
                 .arg(bilder.x()).arg(bilder.y()).arg(bilder.width()).arg(bilder.height())));
        // Two sets side by side use both halves of the frame.
        QVERIFY(bilder.left() < rahmen.center().x() - 100 && bilder.right() > rahmen.center().x() + 100);
    }

    void fehlerfolgeInDerUnterenHaelfte() {
        ZorState s = zweiSaetze();
        bool gemeldet = true;
        const QImage bild = malen([&](QPainter& p) { gemeldet = !FF_Print(p, SEITE, s).meldungen.empty(); });
        QVERIFY(!gemeldet);
        const QRect r = tinte(bild);
        QVERIFY(!r.isEmpty());
        QVERIFY2(r.top() >= SEITE.height() / 2, qPrintable(QString::number(r.top())));
        QVERIFY(r.bottom() < SEITE.height());
        QVERIFY(r.left() >= int(0.1 * SEITE.width()) - 1 && r.right() <= int(0.95 * SEITE.width()));
        // The grid fills its rectangle: rows reach down to the last quarter of the page.
        QVERIFY(r.bottom() > SEITE.height() * 3 / 4);
    }

    void kurvenUnterDenParameterbildern_data() {
        QTest::addColumn<int>("art");
        QTest::newRow("FKF") << int('b');
        QTest::newRow("FAV") << int('c');
    }
    // The diagram lies below the parameter pictures, spans most of the page's width, and
    // the abscissa's numbers under the axis stay on the page (not cut off at its foot).
    void kurvenUnterDenParameterbildern() {
        QFETCH(int, art);
        ZorState s = zweiSaetze();
        KeinFortschritt still;
        QVERIFY(druckKurvenErmitteln(s, druck(art), still));
        const auto q = eingebauteVorlagen();
        int vorlagenFehler = -1;
        const QImage bild =
            malen([&](QPainter& p) { vorlagenFehler = druck(art).diagramm(p, SEITE, s, q).vorlagenFehler; },
                  SEITE + QSize(0, 300));
        QCOMPARE(vorlagenFehler, 0);
        const QRect r = tinte(bild);
        QVERIFY(!r.isEmpty());
        QVERIFY2(r.top() > druckParameterRechteck(SEITE).bottom(), qPrintable(QString::number(r.top())));
        QVERIFY2(r.bottom() < SEITE.height() && r.bottom() > SEITE.height() * 9 / 10,
                 qPrintable(QString::number(r.bottom())));
        QVERIFY(r.left() < SEITE.width() / 4 && r.right() > SEITE.width() * 3 / 4);
    }

    // The diagrams' grids run on past the page's edge: the page stops them as paper does.
    void nichtsAusserhalbDerSeite() {
        ZorState s = zweiSaetze();
        KeinFortschritt still;
        QVERIFY(druckKurvenErmitteln(s, DRUCK_FAV, still));
        const auto q = eingebauteVorlagen();
        int vorlagenFehler = -1;
        const QImage bild =
            malen([&](QPainter& p) { vorlagenFehler = druckseiteMalen(p, SEITE, s, q, DRUCK_FAV).vorlagenFehler; },
                  SEITE + QSize(300, 300));
        QCOMPARE(vorlagenFehler, 0);
        QCOMPARE(tinte(bild), QRect(QPoint(0, 0), SEITE));
    }

    // --- printing into a PDF ----------------------------------------------------------

    // One page with the header, the diagram's texts and the parameter pictures; a shown
    // measurement cursor goes on paper with its readout, a hidden one does not; without
    // parameter sets the page keeps only its header.
    void eineSeiteAlsPdf_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<bool>("cursor");
        QTest::addColumn<bool>("saetze");
        QTest::addColumn<QStringList>("enthalten");
        QTest::addColumn<QStringList>("fehlt");
        // (pdftotext keeps the "fi" ligature, hence the short stem.)
        QTest::newRow("FF") << int('a') << false << true << QStringList{"Fehlerfolge", "Fehlerhäu", "Parametersatz 1"}
                            << QStringList{};
        QTest::newRow("FKF mit Cursor") << int('b') << true << true
                                        << QStringList{"Fehlerkorrelationsfunktion",
                                                       "R(k) = P(f(i) = 1 und f(i + k) = 1)", "Parametersatz 1",
                                                       "Abszisse:"}
                                        << QStringList{};
        QTest::newRow("FAV mit Cursor") << int('c') << true << true << QStringList{"Abszisse:"} << QStringList{};
        QTest::newRow("FAV ohne Cursor") << int('c') << false << true
                                         << QStringList{"Fehlerabstandsverteilung", "Abstand zum vorigen Fehler in Bit",
                                                        "Parametersatz 1"}
                                         << QStringList{"Abszisse:"};
        QTest::newRow("FF ohne Parametersaetze")
            << int('a') << false << false << QStringList{} << QStringList{"Parametersatz", "Fehlerhäu"};
    }
    void eineSeiteAlsPdf() {
        QFETCH(int, art);
        QFETCH(bool, cursor);
        QFETCH(bool, saetze);
        QFETCH(QStringList, enthalten);
        QFETCH(QStringList, fehlt);
        (art == 'b' ? s().Cursor.FKF : s().Cursor.FAV) = cursor ? 1 : 0;
        s().FAV_xpos = s().FKF_xpos = 3;
        if (!saetze) {
            s().Modell.M1 = INAKTIV;
            s().Modell.inaktiv = 1;
        }
        oeffne(druck(art));
        const QString ziel = tmp_.filePath(QStringLiteral("seite.pdf"));
        r_->dateiwahl.antworten << ziel;
        f_->mainframe_OnCommand(CMD_DRUCKEN);
        warteAufJob(*f_);
        QVERIFY2(r_->meldungen().isEmpty(), qPrintable(r_->meldungen().join('\n')));
        QCOMPARE(r_->dateiwahl.anfragen.size(), 1);
        QVERIFY(r_->dateiwahl.anfragen[0].speichern);
        QCOMPARE(r_->dateiwahl.anfragen[0].satz, &SATZ_PDF);
        QVERIFY(liesDatei(ziel).startsWith("%PDF"));
        PDF_TEXT(text, ziel);
        QCOMPARE(text.count(QLatin1Char('\f')), 1);  // one page
        for (const QString& t : enthalten + QStringList{"Zorwerk und Multimedia"})
            QVERIFY2(text.contains(t), qPrintable(t + " fehlt in:\n" + text));
        for (const QString& t : fehlt) QVERIFY2(!text.contains(t), qPrintable(t + " steht in:\n" + text));
    }

    // --- refusals, cancelling, failures -------------------------------------------------

    void parameterfensterWirdNichtGedruckt() {
        f_->mdi_Create(new TestDokument(*f_));
        f_->mainframe_OnCommand(CMD_DRUCKEN);
        warteAufJob(*f_);
        QCOMPARE(r_->meldungen(), QStringList{QString::fromUtf8(TEXT_NICHT_DRUCKBAR)});
        QCOMPARE(r_->meldung.gezeigt[0].symbol, Symbol::Ausrufezeichen);
        QVERIFY(r_->dateiwahl.anfragen.isEmpty());
        // The preview refuses it the same way.
        f_->mainframe_OnCommand(CMD_SEITENANSICHT);
        warteAufJob(*f_);
        QCOMPARE(r_->meldungen().size(), 2);
        QCOMPARE(r_->meldungen()[1], QString::fromUtf8(TEXT_NICHT_DRUCKBAR));
    }

    void dateiwahlAbgebrochenDruecktNichts() {
        oeffne(DRUCK_FF);
        f_->mainframe_OnCommand(CMD_DRUCKEN);  // the scripted chooser answers "cancel"
        warteAufJob(*f_);
        QCOMPARE(r_->dateiwahl.anfragen.size(), 1);
        QCOMPARE(r_->dateiwahl.anfragen[0].vorschlag, QStringLiteral("Fehlerfolge"));
        QVERIFY(r_->meldungen().isEmpty());
    }

    void abbrechenMeldetFehlerUndLaesstDieDateiStehen_data() {
        QTest::addColumn<bool>("vorhanden");
        QTest::newRow("neue Datei") << false;
        QTest::newRow("vorhandene Datei") << true;
    }
    void abbrechenMeldetFehlerUndLaesstDieDateiStehen() {
        QTemporaryDir tmp;  // its own: the test counts the files in it
        QFETCH(bool, vorhanden);
        oeffne(DRUCK_FAV);
        const QString ziel = tmp.filePath(QStringLiteral("abbruch.pdf"));
        if (vorhanden) schreibeDatei(tmp, QStringLiteral("abbruch.pdf"), "alt");
        r_->dateiwahl.antworten << ziel;
        // Cancelled as the dialog appears, before the page can be done.
        BeimZeigen abbrechen(QStringLiteral("id_%1").arg(DLG_DRUCKABBRUCH), [&](QWidget* d) {
            if (!vorhanden) speichereBild(d->grab().toImage(), QStringLiteral("drucken_abbruchdialog"));
            d->findChild<QPushButton*>(QStringLiteral("id_2"))->click();
        });
        f_->mainframe_OnCommand(CMD_DRUCKEN);
        QVERIFY(warteAufJob(*f_));
        QVERIFY(abbrechen.gezeigt);
        QCOMPARE(r_->meldungen(), QStringList{QString::fromUtf8(TEXT_DRUCKFEHLER)});
        QCOMPARE(r_->meldung.gezeigt[0].titel, QStringLiteral("Multimedia und Zorwerk"));
        QCOMPARE(liesDatei(ziel), vorhanden ? QByteArray("alt") : QByteArray("<fehlt>"));
        QCOMPARE(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden).size(), vorhanden ? 1 : 0);
        // The dialog is gone and the frame takes input again.
        QVERIFY(!QApplication::activeModalWidget());
    }

    void druckerOhneAuftragMeldetFehler() {
        oeffne(DRUCK_FF);
        const Druckersuche vorher = setzeDruckersuche([] { return QStringLiteral("zor-test-gibt-es-nicht"); });
        f_->mainframe_OnCommand(CMD_DRUCKEN);
        warteAufJob(*f_);
        setzeDruckersuche(vorher);
        QCOMPARE(r_->meldungen(), QStringList{QString::fromUtf8(TEXT_DRUCKFEHLER)});
        QVERIFY(r_->dateiwahl.anfragen.isEmpty());
    }

    void eingabedateiWirdNichtUeberschrieben() {
        const QString folge = schreibeDatei(tmp_, QStringLiteral("quelle.FFO"), "0100100001");
        s().Modell.M1 = DATEI1;
        s().Datei1 = {1, 10, folge.toStdString()};
        oeffne(DRUCK_FF);
        r_->dateiwahl.antworten << folge;
        f_->mainframe_OnCommand(CMD_DRUCKEN);
        warteAufJob(*f_);
        QCOMPARE(liesDatei(folge), QByteArray("0100100001"));
        QCOMPARE(r_->meldungen().size(), 1);
        QVERIFY(r_->meldungen()[0].contains(QStringLiteral("dieselbe Datei")));
    }

    // --- the page preview --------------------------------------------------------------

    void seitenansicht_data() {
        QTest::addColumn<int>("art");
        QTest::newRow("FF") << int('a');
        QTest::newRow("FKF") << int('b');
        QTest::newRow("FAV") << int('c');
    }
    void seitenansicht() {
        QFETCH(int, art);
        s().Modell.M2 = MC2;
        oeffne(druck(art));
        int seiten = -1;
        ModalSkript skript;
        skript.dann([&](QWidget* d) {
            auto* v = d->findChild<QPrintPreviewWidget*>();
            seiten = v ? v->pageCount() : -1;
            speichereBild(d, QStringLiteral("drucken_seitenansicht_%1").arg(QTest::currentDataTag()));
            d->findChild<QPushButton*>(QStringLiteral("schliessen"))->click();
        });
        f_->mainframe_OnCommand(CMD_SEITENANSICHT);
        warteAufJob(*f_);
        QCOMPARE(skript.gesehen, QStringList{QStringLiteral("seitenansicht")});
        QCOMPARE(seiten, 1);
        QVERIFY(r_->dateiwahl.anfragen.isEmpty() && r_->meldungen().isEmpty());
    }

    // Like export, the preview is there while a channel-model document is open.
    void seitenansichtMitDenDokumenten() {
        QVERIFY(zor().istGrau(CMD_SEITENANSICHT));
        f_->mainframe_OnCommand(CMD_OEFFNEN_FF);
        QVERIFY(!zor().istGrau(CMD_SEITENANSICHT));
        f_->mainframe_OnCommand(CMD_SCHLIESSEN_FF);
        QVERIFY(zor().istGrau(CMD_SEITENANSICHT));
    }

    void ausDerSeitenansichtDrucken() {
        oeffne(DRUCK_FF);
        const QString ziel = tmp_.filePath(QStringLiteral("vorschau.pdf"));
        r_->dateiwahl.antworten << ziel;
        ModalSkript skript;
        skript.dann([](QWidget* d) { d->findChild<QPushButton*>(QStringLiteral("drucken"))->click(); });
        f_->mainframe_OnCommand(CMD_SEITENANSICHT);
        warteAufJob(*f_);
        QCOMPARE(r_->dateiwahl.anfragen.size(), 1);
        QVERIFY(liesDatei(ziel).startsWith("%PDF"));
    }

    // --- the headless renderer ------------------------------------------------------------

    void rendererSchreibtDieDruckseite() {
        const QString ziel = tmp_.filePath(QStringLiteral("render.pdf"));
        QProcess p;
        p.start(QStringLiteral(ZOR_RENDER), {QStringLiteral("--dokument"), QStringLiteral("druck-fkf"),
                                             QStringLiteral("--satz2"), QStringLiteral("ge2"), ziel});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        PDF_TEXT(text, ziel);
        QCOMPARE(text.count(QLatin1Char('\f')), 1);
        QVERIFY(text.contains(QStringLiteral("Fehlerkorrelationsfunktion")) && text.contains(QStringLiteral("Parametersatz 2")));
    }
};

QTEST_MAIN(DruckenTest)
#include "drucken_test.moc"
