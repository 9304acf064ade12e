// The hex and bin documents: opening, lines, red marking, scrolling, the save buttons'
// states, saving bits, and files beyond 4 GiB.

#include <cstdlib>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QInputDialog>
#include <QTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>
#include <filesystem>
#include <memory>
#include <tuple>

#include "app/context/befehle.h"
#include "app/media/dateiansicht.h"
#include "app/media/dateitypen.h"
#include "app/media/medienfilter.h"
#include "app/media/paar_ids.h"
#include "app/shell/werkzeugleiste.h"
#include "support/gui_hilfen.h"
#include "support/testdateien.h"
#include "support/testrahmen.h"

using namespace zor::app;
using zor::Ansicht;

namespace {

// Pure red pixels in a band of rows of the picture.
int rotePixel(const QImage& bild, int y0, int y1) {
    int n = 0;
    for (int y = std::max(0, y0); y < std::min(bild.height(), y1); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            // Anti-aliased red on white keeps g == b below r; black text keeps r == g == b.
            const QRgb c = bild.pixel(x, y);
            n += qRed(c) > qGreen(c) + 40 && std::abs(qGreen(c) - qBlue(c)) <= 12;
        }
    return n;
}

}  // namespace

class AnsichtTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestRahmen> r_;
    Hauptfenster* f_ = nullptr;
    std::unique_ptr<QTemporaryDir> dir_;

    QString datei(const QString& name, const QByteArray& b) { return schreibeDatei(*dir_, name, b); }
    Dateiansicht* oeffne(int befehl, const QString& pfad) {
        r_->dateiwahl.antworten << pfad;
        f_->mainframe_OnCommand(befehl);
        return qobject_cast<Dateiansicht*>(f_->aktivesDokument());
    }
    bool knoepfeAktiv() const {
        return f_->werkzeugleiste()->istAktiv(CMD_SPEICHERN_FFO) && f_->werkzeugleiste()->istAktiv(CMD_SPEICHERN_FAB) &&
               f_->istAktiv(CMD_SPEICHERN_FFO);
    }
    QByteArray gespeichert(int befehl, const QString& quelle, const QString& ziel) {
        oeffne(CMD_BIN, quelle);
        r_->dateiwahl.antworten << ziel;
        f_->mainframe_OnCommand(befehl);
        warteAufJob(*f_);
        return liesDatei(ziel);
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        r_ = std::make_unique<TestRahmen>();
        f_ = &r_->f;
        f_->resize(1000, 700);
        f_->show();
        QVERIFY(QTest::qWaitForWindowExposed(f_));
        f_->mainframe_OnCommand(CMD_MULTIMEDIA);
    }
    void cleanup() {
        r_.reset();
        verarbeiteLoeschungen();
    }

    void titelUndZeilen() {
        Dateiansicht* leer = oeffne(CMD_HEX, datei("leer", {}));
        QVERIFY(leer);
        QCOMPARE(r_->dateiwahl.anfragen.last().satz, &SATZ_ALLE_DATEIEN);
        QCOMPARE(leer->windowTitle(), QStringLiteral("Hex (%1) 0 Bytes").arg(dir_->filePath("leer")));
        QCOMPARE(leer->sichtbareZeilen(), QStringList{QStringLiteral("00000|") + QString(48, ' ') + "|||" + QString(96, ' ')});

        Dateiansicht* hex = oeffne(CMD_HEX_OEFFNEN, datei("17", QByteArray(17, 'A')));
        QCOMPARE(hex->rollen().ZeilenAnzahl, 3u);
        const QStringList z = hex->sichtbareZeilen();
        QCOMPARE(z.size(), 3);
        QVERIFY(z[0].startsWith("00000||41|41") && z[1].startsWith("00010||41   ") && z[2].startsWith("00020|   "));

        Dateiansicht* bin = oeffne(CMD_BIN, datei("9", QByteArray(9, '\x01')));
        QCOMPARE(bin->ansicht(), Ansicht::Bin);
        QCOMPARE(bin->windowTitle(), QStringLiteral("Binär (%1) 9 Bytes").arg(dir_->filePath("9")));
        QCOMPARE(bin->sichtbareZeilen().size(), 3);
        QVERIFY(r_->meldungen().isEmpty());
    }

    // A missing file, and a FIFO (which would block a plain open for good), give an
    // empty document after the message; an alarm ends the test if the view blocks.
    void fehlendeDateiOderFifoGibtLeeresDokument() {
        QCOMPARE(::mkfifo(QFile::encodeName(dir_->filePath("pipe")).constData(), 0600), 0);
        ::alarm(20);
        for (const char* name : {"gibt-es-nicht", "pipe"}) {
            r_->meldung.gezeigt.clear();
            Dateiansicht* d = oeffne(CMD_BIN, dir_->filePath(name));
            QVERIFY(d);
            QCOMPARE(r_->meldungen(), QStringList{"hFile = (HANDLE)-1"});
            QCOMPARE(r_->meldung.gezeigt.first().titel, QStringLiteral("MmCreateFile"));
            QVERIFY(d->sichtbareZeilen().isEmpty());
        }
        ::alarm(0);
    }

    void roteMarkierungNurBeiUnterschieden() {
        QByteArray vgl(64, '\0');
        vgl[20] = '\x01';  // line 1 of the hex view, line 2 of the bin view
        for (int befehl : {CMD_HEX, CMD_BIN}) {
            Dateiansicht* d = oeffne(befehl, datei("v.vgl", vgl));
            d->parentWidget()->resize(900, 300);
            QCoreApplication::processEvents();
            auto* flaeche = d->findChild<QWidget*>("zeilen");
            const QImage bild = flaeche->grab().toImage();
            const int cy = d->rollen().cy * bild.height() / flaeche->height();
            const int zeile = befehl == CMD_HEX ? 1 : 2;
            QVERIFY2(rotePixel(bild, zeile * cy, (zeile + 1) * cy) > 0, "the difference is red");
            QCOMPARE(rotePixel(bild, 0, zeile * cy) + rotePixel(bild, (zeile + 1) * cy, bild.height()), 0);
        }
    }

    void speicherKnoepfeFolgenDemAktivenDokument() {
        QVERIFY(!knoepfeAktiv());
        const QString p = datei("x", "abc");
        Dateiansicht* bin1 = oeffne(CMD_BIN, p);
        QVERIFY(knoepfeAktiv());
        Dateiansicht* bin2 = oeffne(CMD_BIN, p);
        QVERIFY(knoepfeAktiv());
        oeffne(CMD_HEX, p);
        QVERIFY(!knoepfeAktiv());
        f_->aktiviere(bin1);
        QVERIFY(knoepfeAktiv());
        bin1->befehl(CMD_SCHLIESSEN);
        verarbeiteLoeschungen();
        f_->aktiviere(bin2);
        QVERIFY2(knoepfeAktiv(), "the other bin document keeps the buttons");
        bin2->befehl(CMD_SCHLIESSEN);
        verarbeiteLoeschungen();
        QVERIFY(!knoepfeAktiv());
    }

    void bitsSpeichern() {
        QCOMPARE(gespeichert(CMD_SPEICHERN_FFO, datei("leer", {}), dir_->filePath("leer.FFO")), QByteArray());
        QCOMPARE(gespeichert(CMD_SPEICHERN_FAB, datei("leer", {}), dir_->filePath("leer.FAB")), QByteArray());
        QCOMPARE(r_->dateiwahl.anfragen.last().titel, QStringLiteral("Speichern als Fehlerabstand"));
        QCOMPARE(r_->dateiwahl.anfragen.last().satz, &SATZ_FAB_SPEICHERN);

        const QByteArray eins("\x01\x00\x00\x00", 4);
        QCOMPARE(gespeichert(CMD_SPEICHERN_FAB, datei("ff", QByteArray(3, '\xFF')), dir_->filePath("ff.FAB")),
                 eins.repeated(24));
        QCOMPARE(gespeichert(CMD_SPEICHERN_FFO, datei("2c", "\x2C"), dir_->filePath("2c.FFO")), QByteArray("00101100"));
        QVERIFY(r_->meldungen().isEmpty());

        // Saving over the shown file itself is refused and leaves it whole.
        const QString p = datei("selbst", "\x2C");
        QCOMPARE(gespeichert(CMD_SPEICHERN_FAB, p, p), QByteArray("\x2C"));
        QCOMPARE(r_->meldungen().size(), 1);
        QVERIFY(r_->meldungen().first().contains("dieselbe Datei"));
    }

    void geschrumpfteDateiZeigtLeereZeilen() {
        const QString p = datei("s", QByteArray(40, 'z'));
        Dateiansicht* d = oeffne(CMD_HEX, p);
        std::filesystem::resize_file(p.toStdString(), 10);
        const QStringList z = d->sichtbareZeilen();
        QCOMPARE(z.size(), 4);
        QVERIFY(z[0].startsWith("00000||7A") && z[0].contains("|7A   "));
        QVERIFY(z[1].startsWith("00010|   ") && z[2].startsWith("00020|   "));
        QFile::remove(p);
        QVERIFY(d->sichtbareZeilen()[0].startsWith("00000|   "));
        f_->grab();  // painting a vanished file must not fail
    }

    void gehtZuOffset() {
        QCOMPARE(leseOffset("1F0"), std::optional<std::uint64_t>(0x1F0));
        QCOMPARE(leseOffset(" 0x13ffffff0 "), std::optional<std::uint64_t>(0x13FFFFFF0));
        for (const char* falsch : {"", "0x", "-5", "12g", "1 2", "12345678901234567"})
            QVERIFY2(!leseOffset(falsch), falsch);
        Dateiansicht* d = oeffne(CMD_HEX, datei("g", QByteArray(4096, 'g')));
        for (const char* eingabe : {"105", "zehn"}) {
            QTimer::singleShot(50, [eingabe] {
                if (auto* frage = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
                    frage->setTextValue(eingabe);
                    frage->accept();
                }
            });
            f_->mainframe_OnCommand(CMD_GEHE_ZU_OFFSET);
        }
        QCOMPARE(d->rollen().VScrollPos, 0x10u);
        QCOMPARE(r_->meldungen(), QStringList{"„zehn“ ist kein gültiger Offset!"});
        d->geheZuOffset(1u << 30);
        QCOMPARE(d->rollen().VScrollPos, d->rollen().VScrollMax);
    }

    // Find forwards and backwards from the last match; a bit pattern at an odd bit offset.
    void suchtUndWiederholt() {
        QByteArray b(8192, '\0');
        b.replace(0x1230, 4, "RIFF");
        b.replace(0x1800, 4, "RIFF");
        b[0x1f00] = '\x07';  // 0000 0111: "111" starts at bit 8 * 0x1f00 + 5
        Dateiansicht* d = oeffne(CMD_HEX, datei("s", b));
        using zor::Suchrichtung;
        const zor::Suchmuster riff = zor::textMuster("RIFF");
        const std::tuple<zor::Suchmuster, Suchrichtung, std::uint64_t> schritte[] = {
            {std::get<zor::Suchmuster>(zor::hexMuster("52 49 46 46")), Suchrichtung::Vorwaerts, 8 * 0x1230},
            {riff, Suchrichtung::Vorwaerts, 8 * 0x1800},
            {riff, Suchrichtung::Rueckwaerts, 8 * 0x1230},
            {std::get<zor::Suchmuster>(zor::bitMuster("111")), Suchrichtung::Vorwaerts, 8 * 0x1f00 + 5}};
        for (const auto& [muster, richtung, stelle] : schritte) {
            d->suchen(muster, richtung);
            QVERIFY(warteAufJob(*f_));
            QCOMPARE(d->fundstelle(), std::optional<std::uint64_t>(stelle));
            // The line of the match (16 bytes of 8 bits) comes to the top where it can.
            QCOMPARE(d->rollen().VScrollPos, std::min<std::uint64_t>(stelle / 128, d->rollen().VScrollMax));
        }
        d->suchen(zor::textMuster("fehlt"), zor::Suchrichtung::Vorwaerts);
        QVERIFY(warteAufJob(*f_));
        QCOMPARE(r_->meldungen(), QStringList{"Das Suchmuster wurde nicht gefunden."});
    }

    // A file and its copy side by side: counted, framed, and F8 / Shift+F8 walk the
    // differences in both views; a single view has no counterpart to compare with.
    void nebeneinanderUnterschiede() {
        QByteArray a(8192, '\0'), b = a;
        b[0x100] = '\x01';
        b[0x1800] = '\xff';
        b[0x1fff] = '\x03';
        unsigned long long bits = 0, bytes = 0;
        for (int i = 0; i < a.size(); ++i) {
            const auto x = static_cast<unsigned char>(a[i] ^ b[i]);
            bytes += x != 0;
            for (int k = 0; k < 8; ++k) bits += (x >> k) & 1;
        }
        f_->zeigeNebeneinander(datei("a", a), datei("b", b));
        const auto docs = f_->dokumente();
        QCOMPARE(docs.size(), 2);
        auto* links = qobject_cast<Dateiansicht*>(docs[0]);
        auto* rechts = qobject_cast<Dateiansicht*>(docs[1]);
        QCOMPARE(links->gegenstueck(), rechts);
        QTRY_VERIFY(rechts->unterschiede().has_value());
        QCOMPARE(rechts->unterschiede()->bytes, bytes);
        QCOMPARE(rechts->unterschiede()->bits, bits);
        QVERIFY(links->windowTitle().endsWith(QStringLiteral("%1 Bytes und %2 Bits verschieden").arg(bytes).arg(bits)));
        QCOMPARE(links->rollen().VScrollPos, 0x10u);

        auto schritt = [&](int befehl, std::uint64_t zeile) {
            f_->mainframe_OnCommand(befehl);
            QVERIFY(warteAufJob(*f_));
            // The last lines cannot scroll to the top.
            QCOMPARE(links->rollen().VScrollPos, std::min(zeile, links->rollen().VScrollMax));
            QCOMPARE(rechts->rollen().VScrollPos, std::min(zeile, rechts->rollen().VScrollMax));
        };
        schritt(CMD_NAECHSTER_UNTERSCHIED, 0x180);
        // Only the changed byte's line is framed.
        QCoreApplication::processEvents();
        const QImage bild = rechts->findChild<QWidget*>("zeilen")->grab().toImage();
        const int cy = rechts->rollen().cy * bild.height() / rechts->findChild<QWidget*>("zeilen")->height();
        auto blau = [&](int y0, int y1) {
            int n = 0;
            for (int y = y0; y < std::min(y1, bild.height()); ++y)
                for (int x = 0; x < bild.width(); ++x) n += qBlue(bild.pixel(x, y)) > 180 && qRed(bild.pixel(x, y)) < 80;
            return n;
        };
        QVERIFY(blau(0, cy) > 0);
        QCOMPARE(blau(cy + 1, bild.height()), 0);
        QVERIFY(speichereBild(f_, "hex_nebeneinander"));
        schritt(CMD_NAECHSTER_UNTERSCHIED, 0x1ff);
        QCOMPARE(rechts->unterschiedsstelle(), std::optional<std::uint64_t>(0x1fff));
        QVERIFY(r_->meldungen().isEmpty());
        f_->mainframe_OnCommand(CMD_NAECHSTER_UNTERSCHIED);
        QVERIFY(warteAufJob(*f_));
        QCOMPARE(r_->meldungen(), QStringList{"Kein weiterer Unterschied."});
        QTest::keyClick(rechts, Qt::Key_F8, Qt::ShiftModifier);
        QVERIFY(warteAufJob(*f_));
        QCOMPARE(links->rollen().VScrollPos, 0x180u);

        r_->meldung.gezeigt.clear();
        oeffne(CMD_HEX, datei("allein", a));
        f_->mainframe_OnCommand(CMD_NAECHSTER_UNTERSCHIED);
        QCOMPARE(r_->meldungen().size(), 1);
        QVERIFY(r_->meldungen().first().startsWith("Dieses Dokument hat kein Gegenstück"));
    }

    // Two hex windows opened by hand are paired by "Vergleichen mit": the only other view
    // directly, one of several chosen from a list; pairing anew ends the earlier pair, and
    // a view alone has nothing to pair with.
    void vonHandGepaarteHexAnsichten() {
        QByteArray a(4096, '\x11'), b = a, c = a;
        b[0x200] = '\x13';
        c[0x50] = '\x00';
        c[0x51] = '\x00';
        Dateiansicht* da = oeffne(CMD_HEX, datei("a", a));
        f_->mainframe_OnCommand(CMD_ANSICHT_VERGLEICHEN);
        QCOMPARE(r_->meldungen().size(), 1);
        QVERIFY(r_->meldungen().first().startsWith("Zum Vergleichen ist ein zweites Hex- oder Bin-Fenster nötig"));
        QVERIFY(!da->gegenstueck());

        Dateiansicht* db = oeffne(CMD_HEX, datei("b", b));
        f_->mainframe_OnCommand(CMD_ANSICHT_VERGLEICHEN);
        QCOMPARE(db->gegenstueck(), da);
        QCOMPARE(da->gegenstueck(), db);
        QTRY_VERIFY(da->unterschiede().has_value());
        QCOMPARE(da->unterschiede()->bytes, 1u);
        QCOMPARE(da->unterschiede()->bits, 1u);
        f_->mainframe_OnCommand(CMD_NAECHSTER_UNTERSCHIED);
        QVERIFY(warteAufJob(*f_));
        QCOMPARE(da->rollen().VScrollPos, 0x20u);
        QCOMPARE(db->unterschiedsstelle(), std::optional<std::uint64_t>(0x200));

        Dateiansicht* dc = oeffne(CMD_HEX, datei("c", c));
        QStringList angeboten;
        QTimer::singleShot(50, [&angeboten, da] {
            auto* frage = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (!frage) return;
            angeboten = frage->comboBoxItems();
            frage->setTextValue(angeboten.filter(da->titel()).value(0));
            frage->accept();
        });
        f_->mainframe_OnCommand(CMD_ANSICHT_VERGLEICHEN);
        QCOMPARE(angeboten.size(), 2);
        QCOMPARE(dc->gegenstueck(), da);
        QCOMPARE(da->gegenstueck(), dc);
        QVERIFY(!db->gegenstueck());
        QCOMPARE(db->windowTitle(), db->titel());
        QTRY_VERIFY(dc->unterschiede().has_value());
        QCOMPARE(dc->unterschiede()->bytes, 2u);
        QCOMPARE(dc->unterschiede()->bits, 4u);
        QTest::keyClick(dc, Qt::Key_F8);
        QVERIFY(warteAufJob(*f_));
        QCOMPARE(da->unterschiedsstelle(), std::optional<std::uint64_t>(0x50));
        QCOMPARE(r_->meldungen().size(), 1);
    }

    // Paired bin views frame the changed bits themselves: one flipped bit gets a frame one
    // character wide, a byte whose bits all changed one over its eight bits.
    void gepaarteBinAnsichtenRahmenBits() {
        QByteArray a(4096, '\x0f'), b = a;
        b[0x21] = static_cast<char>(a[0x21] ^ 0x10);
        b[0x30] = static_cast<char>(a[0x30] ^ 0xff);
        Dateiansicht* da = oeffne(CMD_BIN, datei("a", a));
        Dateiansicht* db = oeffne(CMD_BIN, datei("b", b));
        f_->mainframe_OnCommand(CMD_ANSICHT_VERGLEICHEN);
        QCOMPARE(db->gegenstueck(), da);
        QTRY_VERIFY(db->unterschiede().has_value());
        QCOMPARE(db->unterschiede()->bytes, 2u);
        QCOMPARE(db->unterschiede()->bits, 9u);
        // The blue frames of the top row: how far they reach across, in characters.
        auto rahmenBreite = [&] {
            QWidget* flaeche = db->findChild<QWidget*>("zeilen");
            flaeche->repaint();
            const QImage bild = flaeche->grab().toImage();
            const qreal skala = qreal(bild.height()) / flaeche->height();
            int links = bild.width(), rechts = -1;
            for (int y = 0; y < int(db->rollen().cy * skala); ++y)
                for (int x = 0; x < bild.width(); ++x)
                    if (qBlue(bild.pixel(x, y)) > 180 && qRed(bild.pixel(x, y)) < 80) {
                        links = std::min(links, x);
                        rechts = std::max(rechts, x);
                    }
            return rechts < 0 ? 0.0 : (rechts - links + 1) / (db->rollen().cx * skala);
        };
        QCOMPARE(rahmenBreite(), 0.0);
        f_->mainframe_OnCommand(CMD_NAECHSTER_UNTERSCHIED);
        QVERIFY(warteAufJob(*f_));
        QCOMPARE(da->rollen().VScrollPos, 0x4u);
        QCOMPARE(db->rollen().VScrollPos, 0x4u);
        const double bit = rahmenBreite();
        QVERIFY2(bit > 0.5 && bit < 2.5, qPrintable(QString::number(bit)));
        QVERIFY(speichereBild(f_, "bin_gepaart"));
        QTest::keyClick(db, Qt::Key_F8);
        QVERIFY(warteAufJob(*f_));
        QCOMPARE(db->unterschiedsstelle(), std::optional<std::uint64_t>(0x30));
        const double byte = rahmenBreite();
        QVERIFY2(byte > 7.5 && byte < 9.5, qPrintable(QString::number(byte)));
        QTest::keyClick(da, Qt::Key_F8, Qt::ShiftModifier);
        QVERIFY(warteAufJob(*f_));
        QCOMPARE(db->rollen().VScrollPos, 0x4u);
        QVERIFY(r_->meldungen().isEmpty());
    }

    // Files given on the command line: bits, hex, a picture, and a "picture" that is none.
    void dateienImPassendenFenster() {
        oeffneDateien(*f_, {datei("f.ffo", "\x01"), datei("v.VGL", "\x02"), QStringLiteral(ZOR_TESTDATEN "/bmp/indexed_4bit.bmp"),
                            datei("kaputt.bmp", "kein Bild")});
        QStringList arten;
        for (MdiDokument* d : f_->dokumente()) {
            const auto* a = qobject_cast<Dateiansicht*>(d);
            arten << (a ? (a->ansicht() == Ansicht::Bin ? "bin" : "hex") : d->metaObject()->className());
        }
        QCOMPARE(arten, (QStringList{"bin", "hex", "zor::app::Bitmapdokument", "hex"}));
    }

    // A sparse file beyond 4 GiB: the ends and the middle are reachable through the bar.
    void grosseDatei() {
        const QString p = datei("gross", {});
        const std::uint64_t gross = std::uint64_t{5} << 30;
        std::filesystem::resize_file(p.toStdString(), gross);
        for (int befehl : {CMD_HEX, CMD_BIN}) {
            Dateiansicht* d = oeffne(befehl, p);
            const std::uint64_t b = befehl == CMD_HEX ? 16 : 8;
            QCOMPARE(d->rollen().ZeilenAnzahl, gross / b + 1);
            d->rolle(Rollanfrage::Ende, true);
            const QStringList z = d->sichtbareZeilen();
            QVERIFY(z.last().startsWith(QString::number(gross, 16).toUpper() + "|"));
            QVERIFY(z.last().mid(10).trimmed().startsWith("|") || z.last().mid(10).trimmed().isEmpty());
            auto* balken = d->findChild<QScrollBar*>("vscroll");
            QCOMPARE(balken->value(), balken->maximum());
            balken->triggerAction(QAbstractSlider::SliderToMinimum);
            QCOMPARE(d->rollen().VScrollPos, 0u);
            balken->setSliderPosition(balken->maximum() / 2);
            balken->triggerAction(QAbstractSlider::SliderMove);
            const double mitte = static_cast<double>(d->rollen().VScrollPos) / static_cast<double>(d->rollen().VScrollMax);
            QVERIFY2(std::abs(mitte - 0.5) < 1e-6, qPrintable(QString::number(mitte)));
            d->grab();
        }
    }
};

class RollTest : public QObject {
    Q_OBJECT

    static Rollzustand zustand(std::uint64_t zeilen, int hoehe) {
        Rollzustand r;
        r.ZeilenAnzahl = zeilen;
        r.maxwidth = 73;
        r.cx = 8;
        r.cy = 16;
        r.cynl = 16;
        r.groesse(400, hoehe);
        return r;
    }

private slots:
    void tabelleUndKlemmen() {
        Rollzustand r = zustand(100, 158);  // 158 px: rounded up to 10 rows
        QCOMPARE(r.yClient, 160);
        QCOMPARE(r.ZeilenPerFenster, 10);
        QCOMPARE(r.VScrollMax, 91u);
        QCOMPARE(r.HScrollMax, 73 - 50);
        QCOMPARE(r.vSchritt(Rollanfrage::ZeileZurueck), 0);
        QCOMPARE(r.vSchritt(Rollanfrage::SeiteVor), 10);
        QCOMPARE(r.vSchritt(Rollanfrage::Ende), 91);
        QCOMPARE(r.vSchritt(Rollanfrage::Ziehen, 500), 91);
        QCOMPARE(r.vSchritt(Rollanfrage::Sonstige), 0);
        QVERIFY(!r.vRollen(0));
        r.vRollen(r.vSchritt(Rollanfrage::Ende));
        QCOMPARE(r.vSchritt(Rollanfrage::SeiteVor), 0);
        QCOMPARE(r.vSchritt(Rollanfrage::ZeileVor), 0);
        QCOMPARE(r.vSchritt(Rollanfrage::SeiteZurueck), -10);
        QCOMPARE(r.vSchritt(Rollanfrage::Anfang), -91);
        QCOMPARE(r.hSchritt(Rollanfrage::SeiteVor), 8);
        QCOMPARE(r.hSchritt(Rollanfrage::Ziehen, 100), 23);
        QCOMPARE(r.hSchritt(Rollanfrage::Anfang), 0);
        r.hRollen(20);
        QCOMPARE(r.hSchritt(Rollanfrage::SeiteVor), 3);
        // Widening the window pulls the positions back into the smaller ranges.
        r.groesse(2000, 5000);
        QCOMPARE(r.VScrollPos, 0u);
        QCOMPARE(r.HScrollPos, 0);
    }

    void seiteMindestensEineZeile() {
        Rollzustand r = zustand(100, 0);
        r.yClient = 8;  // shorter than a line
        r.setupScroll();
        QCOMPARE(r.vSchritt(Rollanfrage::SeiteVor), 1);
        QCOMPARE(r.ZeilenPerFenster, 0);
    }

    void balkenSkaliertUeberGrosseDateien() {
        Rollzustand klein = zustand(1000, 160);
        klein.zeigeZeile(500);
        QCOMPARE(klein.balkenWert(), 500);
        QCOMPARE(klein.zeileAusBalken(klein.balkenMax()), klein.VScrollMax);

        Rollzustand r = zustand((std::uint64_t{64} << 30) / 8 + 1, 1200);
        QVERIFY(r.VScrollMax > std::uint64_t{1} << 31);
        QCOMPARE(r.zeileAusBalken(r.balkenMax()), r.VScrollMax);
        QCOMPARE(r.zeileAusBalken(0), 0u);
        r.zeigeZeile(r.VScrollMax / 3);
        const std::uint64_t zurueck = r.zeileAusBalken(r.balkenWert());
        QVERIFY(zurueck <= r.VScrollPos && r.VScrollPos - zurueck <= r.VScrollMax / r.balkenMax() + 1);
        r.vRollen(r.vSchritt(Rollanfrage::ZeileVor));
        QCOMPARE(r.VScrollPos, r.VScrollMax / 3 + 1);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int fehler = 0;
    {
        AnsichtTest t;
        fehler |= QTest::qExec(&t, argc, argv);
    }
    RollTest r;
    fehler |= QTest::qExec(&r, argc, argv);
    return fehler;
}

#include "medien_ansicht_test.moc"
