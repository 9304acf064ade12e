// Paper for the lab: a help page printed as an A4 PDF with its heading and pictures, the
// protocol of both sets from zorwerk-render and from the menu with its pages, both sets'
// parameters and the diagrams' legends, and the legend choice of the export dialog.

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QToolButton>

#include <optional>

#include "app/context/befehle.h"
#include "app/documents/anpassung_dokument.h"
#include "app/documents/buendel_dokument.h"
#include "app/documents/modelldokument.h"
#include "app/documents/protokoll_modul.h"
#include "app/platform/hilfefenster.h"
#include "support/gui_hilfen.h"
#include "support/testrahmen.h"

using namespace zor::app;

namespace {

// The text pdftotext finds (pages end in a form feed), or nothing without the tool.
std::optional<QString> pdfText(const QString& pfad) {
    const QString werkzeug = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (werkzeug.isEmpty()) return std::nullopt;
    QProcess p;
    p.start(werkzeug, {QStringLiteral("-layout"), pfad, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

#define PDF_TEXT(var, pfad)                                                              \
    const auto var##_ = pdfText(pfad);                                                   \
    if (!var##_) QSKIP("pdftotext fehlt (Paket poppler-utils): PDF-Text nicht geprüft"); \
    const QString& var = *var##_;

qsizetype seiten(const QString& text) { return text.count(QLatin1Char('\f')); }

// pdftotext -layout may break a long line or pad it; compare with blanks collapsed.
bool enthaelt(const QString& text, const QString& teil) { return text.simplified().contains(teil.simplified()); }

Hilfefenster* hilfefenster() {
    for (QWidget* w : QApplication::allWidgets())
        if (auto* h = qobject_cast<Hilfefenster*>(w)) return h;
    return nullptr;
}

// The first page of a PDF as a picture at 50 dpi, or a null image without pdftoppm.
QImage ersteSeite(const QString& pdf, const QString& name) {
    const QString werkzeug = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (werkzeug.isEmpty()) return {};
    QProcess p;
    p.start(werkzeug, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-f"),
                       QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), pdf, name});
    p.waitForFinished(30000);
    return QImage(name + QStringLiteral("-1.png"));
}

}  // namespace

class ProtokollTest : public QObject {
    Q_OBJECT

private slots:
    void hilfeseiteAlsPdf_data() {
        QTest::addColumn<int>("befehl");
        QTest::addColumn<QString>("ueberschrift");
        QTest::newRow("vorbereitung") << int(CMD_VORBEREITUNG) << QStringLiteral("Vorbereitung");
        QTest::newRow("durchfuehrung") << int(CMD_DURCHFUEHRUNG) << QStringLiteral("Durchführung");
    }
    void hilfeseiteAlsPdf() {
        QFETCH(int, befehl);
        QFETCH(QString, ueberschrift);
        TestRahmen r;
        r.f.mainframe_OnCommand(CMD_ZORWERK);
        r.f.mainframe_OnCommand(befehl);
        Hilfefenster* h = hilfefenster();
        QVERIFY(h);
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("seite.pdf"));
        // "Drucken…" without a printer asks for the PDF file as well.
        for (const char* knopf : {"hilfe_pdf", "hilfe_drucken"}) {
            QFile::remove(pfad);
            r.dateiwahl.antworten << pfad;
            auto* k = h->findChild<QToolButton*>(QString::fromLatin1(knopf));
            QVERIFY(k);
            k->click();
            QVERIFY2(QFile::exists(pfad), knopf);
        }
        QVERIFY(r.meldungen().isEmpty());
        PDF_TEXT(text, pfad);
        QVERIFY(seiten(text) >= 1);
        QVERIFY2(text.contains(ueberschrift), qPrintable(text.left(300)));
        // The page's pictures come along and fit the page: ink somewhere, white margins.
        const QImage bild = ersteSeite(pfad, dir.filePath(QStringLiteral("seite")));
        if (bild.isNull()) return;
        speichereBild(bild, QStringLiteral("hilfe_pdf_") + QTest::currentDataTag());
        QCOMPARE(bild.width() < bild.height(), true);  // portrait A4
        for (int y = 0; y < bild.height(); ++y) QCOMPARE(bild.pixel(bild.width() - 3, y), qRgb(255, 255, 255));
    }

    // A window's picture (680 pixels) is wider than A4's text width: it is scaled to fit,
    // keeping its proportions; a narrower one keeps its size.
    void druckfassungPasstBilderEin() {
        TestRahmen r;
        r.f.mainframe_OnCommand(CMD_ZORWERK);
        r.f.mainframe_OnCommand(CMD_VORBEREITUNG);
        Hilfefenster* h = hilfefenster();
        QVERIFY(h);
        QVERIFY(h->zeige(QStringLiteral("zor_fav.hlp")));
        for (const qreal breite : {500.0, 2000.0}) {
            const auto d = h->druckfassung(breite);
            int bilder = 0;
            for (QTextBlock b = d->begin(); b.isValid(); b = b.next())
                for (auto it = b.begin(); !it.atEnd(); ++it) {
                    if (!it.fragment().charFormat().isImageFormat()) continue;
                    const QTextImageFormat f = it.fragment().charFormat().toImageFormat();
                    ++bilder;
                    if (breite < 680) {
                        QCOMPARE(f.width(), breite);
                        QCOMPARE(qRound(f.height()), qRound(480 * breite / 680));
                    } else {
                        QVERIFY(f.width() <= 0 || f.width() == 680);
                    }
                }
            QVERIFY(bilder >= 1);
        }
    }

    // The export dialog offers the legend's place and remembers the last choice; "keine"
    // gives the window's picture, a legend changes only its corner.
    void exportMitLegende() {
        TestRahmen r;
        r.f.mainframe_OnCommand(CMD_ZORWERK);
        r.f.mainframe_OnCommand(CMD_OEFFNEN_FAV);
        QVERIFY(warteAufJob(r.f));
        auto* d = qobject_cast<ModellDokument*>(r.f.aktivesDokument());
        QVERIFY(d);
        QTemporaryDir dir;
        const QString mit = dir.filePath(QStringLiteral("mit.png")), ohne = dir.filePath(QStringLiteral("ohne.png"));
        r.dateiwahl.antworten = {mit, ohne, dir.filePath(QStringLiteral("nie.png"))};
        QString angeboten[3];
        for (int i = 0; i < 3; ++i) {
            BeimZeigen wahl(QStringLiteral("exportgroesse"), [&, i](QWidget* w) {
                // A picture of common size, whatever the window's.
                w->findChild<QSpinBox*>(QStringLiteral("breite"))->setValue(720);
                w->findChild<QSpinBox*>(QStringLiteral("hoehe"))->setValue(480);
                auto* c = w->findChild<QComboBox*>(QStringLiteral("legende"));
                angeboten[i] = c ? c->currentText() : QString();
                if (c && i == 1) c->setCurrentText(QStringLiteral("keine"));
            });
            beantworteModal(QStringLiteral("exportgroesse"), QString::fromLatin1(i == 2 ? "abbrechen" : "ok"),
                            i == 0 ? QStringLiteral("export_legende") : QString());
            r.f.mainframe_OnCommand(CMD_EXPORTIEREN);
            QVERIFY(warteAufJob(r.f));
            QVERIFY(wahl.gezeigt);
        }
        QCOMPARE(angeboten[0], QStringLiteral("oben rechts"));
        QCOMPARE(angeboten[2], QStringLiteral("keine"));
        const QSize g(720, 480);
        const QImage fenster =
            zor::bildVon(g, [d, g](QPainter& p) { d->zeichnen(p, g); }).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(QImage(ohne).convertToFormat(QImage::Format_RGB32), fenster);
        const QImage legende = QImage(mit).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(legende.size(), fenster.size());
        QRect anders;
        for (int y = 0; y < fenster.height(); ++y)
            for (int x = 0; x < fenster.width(); ++x)
                if (legende.pixel(x, y) != fenster.pixel(x, y)) anders |= QRect(x, y, 1, 1);
        QVERIFY(!anders.isEmpty());
        speichereBild(legende, QStringLiteral("export_mit_legende"));
        QVERIFY2(anders.left() > fenster.width() / 3 && anders.bottom() < fenster.height() / 2,
                 qPrintable(QStringLiteral("%1,%2 %3x%4 in %5x%6")
                                .arg(anders.x())
                                .arg(anders.y())
                                .arg(anders.width())
                                .arg(anders.height())
                                .arg(fenster.width())
                                .arg(fenster.height())));
    }

    void protokollAusDemRenderer() {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("protokoll.pdf"));
        QProcess p;
        QElapsedTimer uhr;
        uhr.start();
        p.start(QStringLiteral(ZOR_RENDER),
                {QStringLiteral("--dokument"), QStringLiteral("protokoll"), QStringLiteral("--satz1"),
                 QStringLiteral("ge1"), QStringLiteral("--satz2"), QStringLiteral("bsc2"), QStringLiteral("--name"),
                 QStringLiteral("Erika Mustermann"), pfad});
        QVERIFY(p.waitForFinished(60000));
        qInfo("Protokoll in %lld ms", static_cast<long long>(uhr.elapsed()));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY2(p.readAllStandardError().isEmpty(), "keine Meldungen");
        PDF_TEXT(text, pfad);
        QCOMPARE(seiten(text), qsizetype(zor::PROTOKOLL_SEITEN));
        for (const char* t : {"Versuchsprotokoll", "Name: Erika Mustermann", "Parametersatz 1", "Parametersatz 2",
                              "p(G|B) = 0.", "Fehlerwahrscheinlichkeit p = ", "mittlere Fehlerwahrscheinlichkeit",
                              "Satz 1: Gilbert-Elliott, Simulation, N =", "Satz 2: BSC, Simulation, N =",
                              "Fehlerabstandsverteilung P(a ≥ k)", "Fehlerkorrelationsfunktion", "D_k ="})
            QVERIFY2(enthaelt(text, QString::fromUtf8(t)), t);
    }

    // From the menu: the dialog's name goes onto the first page; the work runs in the
    // background and the file appears once it is done.
    void protokollAusDemMenue() {
        TestRahmen r;
        r.f.mainframe_OnCommand(CMD_ZORWERK);
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("menue.pdf"));
        r.dateiwahl.antworten << pfad;
        BeimZeigen name(QStringLiteral("protokoll"), [](QWidget* d) {
            d->findChild<QLineEdit*>(QStringLiteral("protokoll_name"))->setText(QStringLiteral("Max Muster"));
        });
        beantworteModal(QStringLiteral("protokoll"), QStringLiteral("ok"), QStringLiteral("protokoll_dialog"));
        r.f.mainframe_OnCommand(CMD_PROTOKOLL_PDF);
        QVERIFY(warteAufJob(r.f));
        QVERIFY(name.gezeigt);
        QVERIFY(QFile::exists(pfad));
        PDF_TEXT(text, pfad);
        QCOMPARE(seiten(text), qsizetype(zor::PROTOKOLL_SEITEN));
        QVERIFY(enthaelt(text, QStringLiteral("Name: Max Muster")));
        QVERIFY(enthaelt(text, QStringLiteral("Satz 1: BSC")));
        QVERIFY(!text.contains(QStringLiteral("Bündel und Blöcke")));
    }

    // With the document "Bündel und Blöcke" open its picture gets a page of its own.
    // Open burst and fit documents each add their page; a fit adds its table.
    void protokollMitBuendelnUndAnpassung() {
        TestRahmen r;
        r.f.mainframe_OnCommand(CMD_ZORWERK);
        r.f.mainframe_OnCommand(CMD_OEFFNEN_BUENDEL);
        QVERIFY(warteAufJob(r.f));
        r.f.mainframe_OnCommand(CMD_OEFFNEN_ANPASSUNG);
        AnpassungDokument* anpassung = r.f.findChild<AnpassungDokument*>();
        QVERIFY(anpassung);
        anpassung->satzAnpassen(0);
        QVERIFY(warteAufJob(r.f, 20000));
        QVERIFY(anpassung->anpassung().ok);
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("buendel.pdf"));
        r.dateiwahl.antworten << pfad;
        beantworteModal(QStringLiteral("protokoll"), QStringLiteral("ok"));
        r.f.mainframe_OnCommand(CMD_PROTOKOLL_PDF);
        QVERIFY(warteAufJob(r.f));
        QVERIFY2(r.meldungen().isEmpty(), qPrintable(r.meldungen().join('\n')));
        PDF_TEXT(text, pfad);
        QCOMPARE(seiten(text), qsizetype(zor::PROTOKOLL_SEITEN + 2));
        QVERIFY(text.contains(QStringLiteral("Bündel und Blöcke")));
        QVERIFY(text.contains(QStringLiteral("Modellanpassung")));
        QVERIFY(text.contains(QStringLiteral("BIC")));
    }
};

QTEST_MAIN(ProtokollTest)
#include "protokoll_test.moc"
