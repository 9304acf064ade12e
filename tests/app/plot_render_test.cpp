// The QPainter canvas and the shipped templates rendered offscreen: every scene draws
// completely and is saved for a look; text is upright and sized by the y scale only;
// the inverting line undoes itself; dotted and wide pens come out as asked.

#include <QImage>
#include <QPainter>
#include <QtTest>

#include "app/plot/qpainter_canvas.h"
#include "app/plot/vorlagen.h"
#include "app/plot/vorschau.h"
#include "support/gui_hilfen.h"

using namespace zor;

namespace {

QImage weiss(QSize g) {
    QImage bild(g, QImage::Format_RGB32);
    bild.fill(Qt::white);
    return bild;
}

bool dunkel(QRgb p) { return qGray(p) < 128; }

// Bounding box of the dark pixels.
QRect tinte(const QImage& bild) {
    QRect r;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (dunkel(bild.pixel(x, y))) r |= QRect(x, y, 1, 1);
    return r;
}

int dunkleInZeile(const QImage& bild, int y, const QRect& bereich) {
    int n = 0;
    for (int x = bereich.left(); x <= bereich.right(); ++x) n += dunkel(bild.pixel(x, y));
    return n;
}

// A mapping with the given pixels per logical unit, y upwards, origin in the centre.
Abbildung abbildung(QSize g, double sx, double sy) {
    Abbildung a;
    a.fensterX = a.fensterY = 10000;
    a.viewportX = sx * 10000;
    a.viewportY = -sy * 10000;
    a.ursprungX = g.width() / 2.0;
    a.ursprungY = g.height() / 2.0;
    return a;
}

QImage textBild(const char* text, double sx, double sy, int hoehe) {
    QImage bild = weiss(QSize(400, 300));
    QPainter p(&bild);
    QPainterCanvas dc(p, abbildung(bild.size(), sx, sy));
    dc.setzeSchrift({Schriftfamilie::Swiss, hoehe});
    dc.text({0, 0}, text);
    return bild;
}

}  // namespace

class PlotRenderTest : public QObject {
    Q_OBJECT

private slots:
    void alleVorlagenUndDiagramme() {
        const auto quelle = eingebauteVorlagen();
        for (const auto& szene : alleSzenen(startZustand())) {
            int fehler = -1;
            const QImage bild = szeneMalen(szene, quelle, &fehler);
            QVERIFY2(fehler == 0 && !tinte(bild).isEmpty(), qPrintable(szene.name));
            QVERIFY(speichereBild(bild, "plot_" + szene.name));
        }
    }

    void fehlendeVorlageMeldetFehler() {
        int ergebnis = -1;
        const QImage bild = vorlageMalen(eingebauteVorlagen(), "GIBTESNICHT.PLT", {}, 0, 'a',
                                         Abbildung::fenstereigenschaften(400, 300), QSize(400, 300), &ergebnis);
        QCOMPARE(ergebnis, 0);
        QVERIFY(tinte(bild).intersects(QRect(150, 130, 100, 30)));  // the notice, in the middle
    }

    void textStehtAufrecht() {
        // y grows upwards in the mapping; an "L" must still have its foot at the bottom.
        const QImage bild = textBild("L", 0.05, 0.05, 2000);
        const QRect r = tinte(bild);
        QVERIFY(r.height() > 40);
        QVERIFY(dunkleInZeile(bild, r.bottom() - 1, r) > 2 * dunkleInZeile(bild, r.top() + 1, r));
    }

    void schriftgroesseNurNachYSkala() {
        const QRect schmal = tinte(textBild("HHH", 0.02, 0.05, 1500));
        const QRect breit = tinte(textBild("HHH", 0.08, 0.05, 1500));
        QVERIFY(qAbs(schmal.width() - breit.width()) <= 1 && qAbs(schmal.height() - breit.height()) <= 1);
        const QRect hoeher = tinte(textBild("HHH", 0.05, 0.1, 1500));
        QVERIFY(hoeher.height() >= 2 * schmal.height() - 2);

        // The line height in pixels is the logical height times the y scale.
        QImage bild = weiss(QSize(100, 100));
        QPainter p(&bild);
        QPainterCanvas dc(p, abbildung(bild.size(), 0.02, 0.04));
        dc.setzeSchrift({Schriftfamilie::Swiss, 1000});
        const Textmass m = dc.textmass("Hg");
        QVERIFY2(m.hoehe >= 900 && m.hoehe <= 1100, qPrintable(QString::number(m.hoehe)));
        QVERIFY(dc.oberlaenge() > 500 && dc.oberlaenge() < m.hoehe);
    }

    void symbolschriftZeigtGriechisch() {
        // Symbol-font records arrive as Unicode; the face chosen for them must have the
        // Greek letters and signs the templates use.
        const QFont schrift = QPainterCanvas::qtSchrift({Schriftfamilie::Symbol, 2000}, abbildung(QSize(400, 300), 0.03, 0.03));
        const QFontMetrics m(schrift);
        for (const char32_t c : {U'α', U'Δ', U'π', U'≥', U'Σ'}) QVERIFY(m.inFontUcs4(c));
        QVERIFY(!tinte(textBild("≥", 0.03, 0.03, 2000)).isEmpty());
    }

    void invertierteLinieHebtSichAuf() {
        QImage bild = szeneMalen(alleSzenen(startZustand()).front(), eingebauteVorlagen(), nullptr);
        const QImage vorher = bild;
        QPainter p(&bild);
        QPainterCanvas dc(p, Abbildung::fenstereigenschaften(bild.width(), bild.height()));
        dc.invertierteLinie({-2000, -8000}, {-2000, 5500});
        QVERIFY(bild != vorher);
        dc.invertierteLinie({-2000, -8000}, {-2000, 5500});
        p.end();
        QCOMPARE(bild, vorher);
    }

    void gepunkteterUndBreiterStift() {
        QImage bild = weiss(QSize(400, 200));
        QPainter p(&bild);
        QPainterCanvas dc(p, abbildung(bild.size(), 0.02, 0.02));
        dc.setzeStift({0, SCHWARZ, Strichart::Gepunktet});
        dc.linie({-9000, 2500}, {9000, 2500});
        dc.setzeStift({250, SCHWARZ});
        dc.linie({-9000, -2500}, {9000, -2500});
        p.end();
        const QRect ganz(0, 0, bild.width(), bild.height());
        int punkte = 0;  // the darkest row around the dotted line
        for (int y = 40; y < 60; ++y) punkte = std::max(punkte, dunkleInZeile(bild, y, ganz));
        QVERIFY2(punkte > 60 && punkte < 300, qPrintable(QString::number(punkte)));  // gaps, but a line
        int breite = 0;
        for (int y = 100; y < 200; ++y) breite += dunkel(bild.pixel(200, y));
        QVERIFY2(breite >= 4 && breite <= 6, qPrintable(QString::number(breite)));  // 250 x 0.02 = 5 px
    }
};

QTEST_MAIN(PlotRenderTest)
#include "plot_render_test.moc"
