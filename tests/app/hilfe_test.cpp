// The help: every help command opens its page, every link and picture of the pages
// resolves, the search finds pages, the window remembers its size and place, and F1
// opens the page of the dialog or document it is pressed in.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QDialog>
#include <QRegularExpression>
#include <QDir>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include <memory>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

#include "app/context/befehle.h"
#include "app/context/mdi_dokument.h"
#include "app/help/kontexthilfe.h"
#include "app/media/medienfilter.h"
#include "app/platform/dateiwahl.h"
#include "app/platform/hilfefenster.h"
#include "support/dialog_hilfen.h"
#include "support/gui_hilfen.h"
#include "support/modal_skript.h"
#include "support/testrahmen.h"

using namespace zor::app;

namespace {

QString anker(const QUrl& url) { return url.fragment(); }

// The one help window of the program, wherever it hangs at the moment.
Hilfefenster* hilfefenster() {
    for (QWidget* w : QApplication::allWidgets())
        if (auto* h = qobject_cast<Hilfefenster*>(w)) return h;
    return nullptr;
}

struct F1Ergebnis {
    QString seite;            // the page shown while the dialog was open
    bool amDialog = false;    // the help window hung on the dialog, so it was not blocked
};

// Opens the dialog by its command, presses F1 in its focus widget, notes the page and
// closes the dialog again.
F1Ergebnis f1ImDialog(TestRahmen& r, int befehl) {
    F1Ergebnis e;
    ModalSkript skript;
    skript.dann([&e](QWidget* d) {
        QWidget* ziel = d->focusWidget() ? d->focusWidget() : d;
        QTest::keyClick(ziel, Qt::Key_F1);
        if (Hilfefenster* h = hilfefenster()) {
            e.seite = h->source().path();
            e.amDialog = h->parentWidget() == d && h->isVisible();
        }
        static_cast<QDialog*>(d)->reject();
    });
    r.f.mainframe_OnCommand(befehl);
    return e;
}

// The anchors a page defines by name= or id=.
QStringList ankerVon(const QString& html) {
    static const QRegularExpression re(QStringLiteral("(?:name|id)=\"([^\"]+)\""));
    QStringList l;
    for (auto it = re.globalMatch(html); it.hasNext();) l << it.next().captured(1);
    return l;
}

}  // namespace

class HilfeTest : public QObject {
    Q_OBJECT
    QTemporaryDir einstellungen_;

private slots:
    void initTestCase() {
        // Settings of these tests never reach the user's own.
        QVERIFY(einstellungen_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(einstellungen_.path()));
    }

    // Every help command of every menu shows its page, at the context where it has one.
    void jederHilfebefehlOeffnetSeineSeite() {
        const std::tuple<int, const char*, const char*> befehle[] = {
            {CMD_SKRIPTUM, "VOZAD", ""},           {CMD_HILFE_F1, "VOZAD", ""},
            {CMD_HILFE_UEBER_HILFE, "hilfe", ""},  {CMD_UEBER, "about", ""},
            {CMD_UEBER_PROGRAMM, "about", ""},     {CMD_HILFE, "revid", ""},
            {CMD_THEORIE, "revid_the_neu", ""},    {CMD_VORBEREITUNG, "kan_vor", ""},
            {CMD_DURCHFUEHRUNG, "kan_dur", ""},    {CMD_INFO_ABTEILUNG, "kan_inf", "k273"},
            {CMD_INFO_LEHRSOFTWARE, "kan_inf", "k275"}, {CMD_INFO_PROGRAMM, "about", ""},
            {CMD_DOK_HILFE_INHALT, "inhalt", ""},   {CMD_DOK_HILFE_SUCHEN, "mm_hexbin", ""}};
        TestRahmen r;
        for (const auto& [id, seite, ziel] : befehle) {
            r.f.mainframe_OnCommand(id);
            auto* h = r.f.findChild<Hilfefenster*>();
            QVERIFY(h && h->isVisible());
            QCOMPARE(h->source().path(), QStringLiteral("/help/%1.html").arg(seite));
            QCOMPARE(anker(h->source()), QString::fromLatin1(ziel));
            QVERIFY2(h->toPlainText().size() > 300, seite);
            QVERIFY(h->windowTitle().startsWith(QStringLiteral("Hilfe – ")));
        }
        QVERIFY(r.meldungen().isEmpty());
    }

    // Links between pages, anchors, style sheets and pictures all exist in the resources.
    void alleVerweiseFuehrenZuEtwas() {
        static const QRegularExpression verweis(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
        int geprueft = 0;
        for (const QString& seite : alleHilfeseiten()) {
            const QString html = hilfeHtml(seite);
            QVERIFY2(html.contains(QStringLiteral("<title>")), qPrintable(seite));
            for (auto it = verweis.globalMatch(html); it.hasNext();) {
                const QUrl url(it.next().captured(1));
                if (!url.scheme().isEmpty()) continue;  // external, opened by the desktop
                const QString ziel = url.path().isEmpty() ? seite : QStringLiteral(":/help/") + url.path();
                QVERIFY2(QFile::exists(ziel), qPrintable(seite + " → " + url.toString()));
                if (url.hasFragment())
                    QVERIFY2(ankerVon(hilfeHtml(ziel)).contains(url.fragment()),
                             qPrintable(seite + " → " + url.toString()));
                ++geprueft;
            }
        }
        QVERIFY(geprueft > 100);
    }

    // The about page names the version and licences; placeholders never show.
    void ueberSeiteNenntFassungUndLizenzen() {
        Hilfefenster h;
        QVERIFY(h.zeige(QStringLiteral("about.hlp")));
        const QString text = h.toPlainText();
        QVERIFY(!text.contains(QStringLiteral("{{")));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("Fassung \\d+\\.\\d+"))));
        QVERIFY(text.contains(QStringLiteral("Qt %1").arg(QString::fromLatin1(qVersion()))));
        for (const char* wort : {"MIT-Lizenz", "LGPL", "CLI11", "GoogleTest", "GStreamer", "BSD"})
            QVERIFY2(text.contains(QLatin1String(wort)), wort);
    }

    // Every word must occur; hits are listed as links and marked on the page opened.
    void sucheUeberAlleSeiten() {
        const auto treffer = sucheInHilfe(QStringLiteral("korrelationsdauer"));
        QStringList seiten;
        for (const auto& t : treffer) seiten << t.seite;
        QVERIFY(seiten.contains(QStringLiteral(":/help/VOZAD.html")));
        QVERIFY(seiten.contains(QStringLiteral(":/help/revid_the_neu.html")));
        QVERIFY(!seiten.contains(QStringLiteral(":/help/about.html")));
        QVERIFY(sucheInHilfe(QStringLiteral("Korrelationsdauer Kuchen")).isEmpty());
        QVERIFY(sucheInHilfe(QStringLiteral("   ")).isEmpty());

        Hilfefenster h;
        h.show();
        QCOMPARE(h.suche(QStringLiteral("Bündel")), static_cast<int>(sucheInHilfe(QStringLiteral("Bündel")).size()));
        QVERIFY(h.toPlainText().contains(QStringLiteral("Skriptum")));
        QVERIFY(speichereBild(&h, QStringLiteral("hilfe_suche")));
        h.browser()->setSource(QUrl(QStringLiteral("qrc:/help/VOZAD.html")));
        QVERIFY(h.browser()->extraSelections().size() >= 3);
        QCOMPARE(h.suche(QStringLiteral("xyzzy")), 0);
        QVERIFY(h.toPlainText().contains(QStringLiteral("Keine Seite")));
    }

    // Size and reading position survive the window; a different book starts at the top.
    void merktSichGroesseUndSeite() {
        int position = 0;
        {
            Hilfefenster h;
            QVERIFY(h.zeige(QStringLiteral("VOZAD.hlp")));
            h.resize(700, 520);
            QVERIFY(QTest::qWaitForWindowExposed(&h));
            QScrollBar* s = h.browser()->verticalScrollBar();
            QVERIFY(s->maximum() > 0);
            s->setValue(s->maximum() / 2);
            position = s->value();
        }
        Hilfefenster neu;
        QCOMPARE(neu.size(), QSize(700, 520));
        QVERIFY(neu.zeige(QStringLiteral("VOZAD.hlp")));
        QCOMPARE(neu.browser()->verticalScrollBar()->value(), position);
        QVERIFY(neu.zeige(QStringLiteral("kan_dur.hlp")));
        QCOMPARE(neu.browser()->verticalScrollBar()->value(), 0);
        QVERIFY(neu.zeige(QStringLiteral("VOZAD.hlp")));
        QCOMPARE(neu.browser()->verticalScrollBar()->value(), 0);
    }

    // Stored settings are hostile input: an absurd size is bounded by the screen, and a
    // FIFO in place of the file is left alone instead of blocking the window for good.
    void feindlicheEinstellungen() {
        const QString datei = einstellungen_.filePath(QStringLiteral("zorwerk/hilfe.conf"));
        QVERIFY(QDir().mkpath(QFileInfo(datei).path()));
        {
            QSettings s(datei, QSettings::IniFormat);
            s.setValue(QStringLiteral("groesse"), QSize(100000, 100000));
        }
        {
            Hilfefenster h;
            QVERIFY(h.size().width() <= h.screen()->availableGeometry().width());
            QVERIFY(h.size().height() <= h.screen()->availableGeometry().height());
        }
        QVERIFY(QFile::remove(datei));
        QCOMPARE(::mkfifo(QFile::encodeName(datei).constData(), 0600), 0);
        ::alarm(20);  // a window that blocks ends the test instead of hanging it
        {
            Hilfefenster h;
            QVERIFY(h.zeige(QStringLiteral("VOZAD.hlp")));
        }
        ::alarm(0);
        QVERIFY(QFileInfo(datei).isFile() == false && QFileInfo::exists(datei));
        QVERIFY(QFile::remove(datei));
    }

    // F1 in a dialog (the page preview is one too) shows its page on a help window the
    // dialog does not block; when the dialog closes the window goes back to the frame and
    // stays open.
    void f1ImDialogZeigtSeineSeite() {
        TestRahmen r;
        r.f.show();
        const auto pruefe = [&r](int befehl, const char* seite) {
            const F1Ergebnis e = f1ImDialog(r, befehl);
            QCOMPARE(e.seite, QStringLiteral("/help/%1.html").arg(QLatin1String(seite)));
            QVERIFY2(e.amDialog, seite);
        };
        r.f.mainframe_OnCommand(CMD_ZORWERK);
        pruefe(CMD_SATZ1_BSC, "dlg_bsc");
        Hilfefenster* h = hilfefenster();
        QVERIFY(h && h->isVisible());
        QCOMPARE(h->parentWidget(), &r.f);
        pruefe(CMD_FKF_OPTIONEN, "opt_fkf");
        r.f.mainframe_OnCommand(CMD_OEFFNEN_FF);
        pruefe(CMD_SEITENANSICHT, "drucken");
        r.f.mainframe_OnCommand(CMD_SCHLIESSEN_FF);
        r.f.mainframe_OnCommand(CMD_MULTIMEDIA);
        pruefe(CMD_VERF_BSC, "verf_bsc");
        QVERIFY(r.meldungen().isEmpty());
    }

    // A notice over a dialog has no page of its own: F1 there explains the dialog below.
    void f1InHinweisZeigtDenDialogDarunter() {
        TestRahmen r;
        r.f.show();
        r.f.mainframe_OnCommand(CMD_ZORWERK);
        QString seite;
        ModalSkript skript;
        skript.dann([](QWidget* d) {
            tippen(d, 309, QStringLiteral("0,5"));  // comma: refused, notice 613 follows
            klick(d, ID_BESTAETIGEN);
        });
        skript.dann([&seite](QWidget* hinweis) {
            QTest::keyClick(hinweis, Qt::Key_F1);
            if (Hilfefenster* h = hilfefenster()) seite = h->source().path();
            static_cast<QDialog*>(hinweis)->reject();
        });
        r.f.mainframe_OnCommand(CMD_SATZ1_GE);
        QCOMPARE(skript.gesehen, (QStringList{QStringLiteral("id_96"), QStringLiteral("id_613")}));
        QCOMPARE(seite, QStringLiteral("/help/dlg_ge.html"));
    }

    // F1 explains the active document; without one it keeps opening the script in the start
    // menu and opens the program help in a mode.
    void f1ImRahmen() {
        TestRahmen r;
        r.f.show();
        QVERIFY(QTest::qWaitForWindowActive(&r.f));
        QTest::keyClick(&r.f, Qt::Key_F1);
        QVERIFY(hilfefenster());
        QCOMPARE(hilfefenster()->source().path(), QStringLiteral("/help/VOZAD.html"));
        r.f.mainframe_OnCommand(CMD_ZORWERK);
        QTest::keyClick(&r.f, Qt::Key_F1);
        QCOMPARE(hilfefenster()->source().path(), QStringLiteral("/help/revid.html"));
        r.f.mainframe_OnCommand(CMD_OEFFNEN_PAR);
        QVERIFY(r.f.aktivesDokument());
        r.f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&r.f));
        QWidget* fokus = QApplication::focusWidget();
        if (!fokus) fokus = r.f.aktivesDokument();
        QTest::keyClick(fokus, Qt::Key_F1);
        QCOMPARE(hilfefenster()->source().path(), QStringLiteral("/help/zor_par.html"));
    }

    // F1 in a file chooser the frame opened (one without a parent, as the program makes
    // them before its frame exists) opens the program help.
    void f1InDerDateiwahl() {
        TestRahmen r;
        r.f.show();
        QtDateiwahl wahl;
        QString seite;
        ModalSkript skript;
        skript.dann([&seite](QWidget* d) {
            QTest::keyClick(d->focusWidget() ? d->focusWidget() : d, Qt::Key_F1);
            if (Hilfefenster* h = hilfefenster()) seite = h->source().path();
            static_cast<QDialog*>(d)->reject();
        });
        QVERIFY(!wahl.GetFileNameInFWK(QStringLiteral("Öffnen"), {}, SATZ_ALLE_DATEIEN));
        QCOMPARE(seite, QStringLiteral("/help/revid.html"));
    }

    // "Hilfe -> Beispieldateien..." of the multimedia menu writes the teaching set into the
    // chosen folder; Qt's own bitmap reader sees the same picture in both bitmaps. A folder
    // that holds them already is replaced only when the user says yes.
    void beispieldateienInDenGewaehltenOrdner() {
        TestRahmen r;
        r.f.mainframe_OnCommand(CMD_MULTIMEDIA);
        bool imMenue = false;
        for (const QAction* a : r.f.findChildren<QAction*>())
            imMenue |= a->text() == QStringLiteral("&Beispieldateien...") && a->isEnabled();
        QVERIFY(imMenue);
        QTemporaryDir tmp;
        const QString ordner = tmp.filePath(QStringLiteral("versuch"));
        r.dateiwahl.antworten << ordner;
        r.f.mainframe_OnCommand(CMD_BEISPIELDATEIEN);
        QCOMPARE(r.dateiwahl.anfragen.size(), 1);
        QCOMPARE(r.meldungen(), QStringList{QStringLiteral("Die Beispieldateien stehen im Ordner %1.").arg(ordner)});
        const QImage b24(ordner + QStringLiteral("/bild24.bmp")), b8(ordner + QStringLiteral("/bild8.bmp"));
        QCOMPARE(b24.size(), QSize(320, 240));
        QCOMPARE(b8.convertToFormat(QImage::Format_RGB32), b24.convertToFormat(QImage::Format_RGB32));

        QFile eigen(ordner + QStringLiteral("/ton.wav"));
        QVERIFY(eigen.open(QIODevice::WriteOnly) && eigen.write("eigen") == 5);
        eigen.close();
        for (const Antwort antwort : {Antwort::Nein, Antwort::Ja}) {
            r.meldung.gezeigt.clear();
            r.dateiwahl.antworten << ordner;
            r.meldung.antworten << antwort;
            r.f.mainframe_OnCommand(CMD_BEISPIELDATEIEN);
            QVERIFY(r.meldungen().value(0).contains(QStringLiteral("Sollen diese Dateien ersetzt werden?")));
            QCOMPARE(r.meldung.gezeigt.value(0).knoepfe, Knoepfe::JaNein);
            QCOMPARE(QFileInfo(eigen).size() == 5, antwort == Antwort::Nein);
        }
        // Cancelled in the folder chooser: nothing happens.
        r.meldung.gezeigt.clear();
        r.f.mainframe_OnCommand(CMD_BEISPIELDATEIEN);
        QVERIFY(r.meldungen().isEmpty());
    }
};

QTEST_MAIN(HilfeTest)
#include "hilfe_test.moc"
