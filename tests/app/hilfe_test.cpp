// The help: every help command opens its page, every link and picture of the pages
// resolves, the search finds pages, and the window remembers its size and place.

#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include <memory>
#include <tuple>

#include "app/kontext/befehle.h"
#include "app/platform/hilfefenster.h"
#include "support/gui_hilfen.h"
#include "support/testrahmen.h"

using namespace zor::app;

namespace {

QString anker(const QUrl& url) { return url.fragment(); }

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
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, einstellungen_.path());
    }

    // Every help command of every menu shows its page, at the context where it has one.
    void jederHilfebefehlOeffnetSeineSeite() {
        const std::tuple<int, const char*, const char*> befehle[] = {
            {CMD_SKRIPTUM, "VOZAD", ""},           {CMD_HILFE_F1, "VOZAD", ""},
            {CMD_HILFE_UEBER_HILFE, "hilfe", ""},  {CMD_UEBER, "about", ""},
            {CMD_UEBER_PROGRAMM, "about", ""},     {CMD_HILFE, "revid", ""},
            {CMD_THEORIE, "revid_the_neu", ""},    {CMD_VORBEREITUNG, "kan_vor", ""},
            {CMD_DURCHFUEHRUNG, "kan_dur", ""},    {CMD_INFO_ABTEILUNG, "kan_inf", "k273"},
            {CMD_INFO_LEHRSOFTWARE, "kan_inf", "k275"}};
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

    // For looking at: the script's first page and the theory's formulas.
    void bilder() {
        Hilfefenster h;
        h.resize(760, 620);
        QVERIFY(h.zeige(QStringLiteral("VOZAD.hlp")));
        QVERIFY(QTest::qWaitForWindowExposed(&h));
        QVERIFY(speichereBild(&h, QStringLiteral("hilfe_skriptum")));
        QVERIFY(h.zeige(QStringLiteral("revid_the_neu.hlp")));
        h.browser()->scrollToAnchor(QStringLiteral("ge"));
        QVERIFY(speichereBild(&h, QStringLiteral("hilfe_theorie")));
        QVERIFY(h.zeige(QStringLiteral("kan_dur.hlp")));
        QVERIFY(speichereBild(&h, QStringLiteral("hilfe_durchfuehrung")));
    }
};

QTEST_MAIN(HilfeTest)
#include "hilfe_test.moc"
