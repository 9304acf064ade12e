#include "app/plot/bildausgabe.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "core/io/ausgabedatei.h"
#include "core/util/systemfehler.h"

#include <optional>

namespace zor {
namespace {

// Pictures keep the window's pixels: 96 per inch, as on screen at 100 %.
constexpr int AUFLOESUNG = 96;

Ergebnis nichtGeschrieben(const QString& pfad, int grund = 0) {
    return Ergebnis::Fehler(mitGrund(QStringLiteral("Die Datei %1 kann nicht geschrieben werden!").arg(pfad).toStdString(), grund),
                            TITEL_PROGRAMM, Symbol::Ausrufezeichen);
}

// The refusal of a target comes before anything is painted.
std::optional<Ergebnis> verweigert(const QString& pfad, const Eingaben& geschuetzt) {
    if (auto nein = ausgabeVerweigert(QFile::encodeName(pfad).toStdString(), geschuetzt))
        return Ergebnis::Fehler(std::move(*nein), TITEL_PROGRAMM, Symbol::Ausrufezeichen);
    return std::nullopt;
}

Ergebnis schreiben(const QString& pfad, const char* daten, std::size_t n, const Eingaben& geschuetzt) {
    Ausgabedatei aus(QFile::encodeName(pfad).toStdString(), geschuetzt);
    if (aus.ok() && aus.schreiben(daten, n) && aus.abschliessen()) return Ergebnis::Erfolg();
    return nichtGeschrieben(pfad, aus.fehlernummer());
}

void weissMalen(QPainter& p, QSize g, const Malen& malen) {
    p.fillRect(QRect(QPoint(0, 0), g), Qt::white);
    malen(p);
}

QByteArray svg(QSize g, const Malen& malen) {
    QBuffer puffer;
    QSvgGenerator gen;
    gen.setOutputDevice(&puffer);
    gen.setSize(g);
    gen.setViewBox(QRect(QPoint(0, 0), g));
    gen.setResolution(AUFLOESUNG);
    QPainter p(&gen);
    weissMalen(p, g, malen);
    p.end();
    return puffer.data();
}

QByteArray pdf(QSize g, const Malen& malen) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter w(&puffer);
    w.setResolution(AUFLOESUNG);
    w.setPageMargins(QMarginsF(0, 0, 0, 0));
    w.setPageSize(QPageSize(QSizeF(g.width() * 72.0 / AUFLOESUNG, g.height() * 72.0 / AUFLOESUNG), QPageSize::Point));
    QPainter p(&w);
    // The page may round up by a point; paint in the requested pixels.
    weissMalen(p, g, malen);
    p.end();
    return puffer.data();
}

}  // namespace

Bildformat formatVon(const QString& pfad) {
    const QString e = QFileInfo(pfad).suffix().toLower();
    if (e == QLatin1String("png")) return Bildformat::PNG;
    if (e == QLatin1String("svg")) return Bildformat::SVG;
    if (e == QLatin1String("pdf")) return Bildformat::PDF;
    if (e == QLatin1String("txt")) return Bildformat::Text;
    if (e == QLatin1String("csv")) return Bildformat::CSV;
    return Bildformat::Unbekannt;
}

std::optional<std::string> groesseVerweigert(QSize g) {
    if (g.width() <= BILD_KANTE_MAX && g.height() <= BILD_KANTE_MAX) return std::nullopt;
    return QString::fromUtf8(TEXT_BILD_ZU_GROSS).arg(g.width()).arg(g.height()).arg(BILD_KANTE_MAX).toStdString();
}

QImage bildVon(QSize g, const Malen& malen) {
    QImage bild(g, QImage::Format_RGB32);
    QPainter p(&bild);
    weissMalen(p, g, malen);
    return bild;
}

Ergebnis bildSpeichern(const QString& pfad, QSize g, const Malen& malen, const Eingaben& geschuetzt) {
    if (auto nein = verweigert(pfad, geschuetzt)) return *nein;
    if (const auto zuGross = groesseVerweigert(g)) return Ergebnis::Fehler(*zuGross, TITEL_PROGRAMM, Symbol::Ausrufezeichen);
    QByteArray daten;
    switch (formatVon(pfad)) {
    case Bildformat::PNG: {
        QBuffer puffer(&daten);
        puffer.open(QIODevice::WriteOnly);
        if (!bildVon(g, malen).save(&puffer, "PNG")) daten.clear();
        break;
    }
    case Bildformat::SVG: daten = svg(g, malen); break;
    case Bildformat::PDF: daten = pdf(g, malen); break;
    default:
        return Ergebnis::Fehler("Als Bild sind nur PNG-, SVG- und PDF-Dateien möglich.", TITEL_PROGRAMM,
                                Symbol::Ausrufezeichen);
    }
    if (daten.isEmpty()) return nichtGeschrieben(pfad);
    return schreiben(pfad, daten.constData(), static_cast<std::size_t>(daten.size()), geschuetzt);
}

Ergebnis bildSpeichern(const QString& pfad, const QImage& bild, const Eingaben& geschuetzt) {
    if (auto nein = verweigert(pfad, geschuetzt)) return *nein;
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    if (bild.isNull() || !bild.save(&puffer, QFileInfo(pfad).suffix().toLower().toLatin1().constData())) return nichtGeschrieben(pfad);
    return schreiben(pfad, daten.constData(), static_cast<std::size_t>(daten.size()), geschuetzt);
}

Ergebnis textSpeichern(const QString& pfad, const std::string& text, const Eingaben& geschuetzt) {
    if (auto nein = verweigert(pfad, geschuetzt)) return *nein;
    return schreiben(pfad, text.data(), text.size(), geschuetzt);
}

void druckseiteEinrichten(QPagedPaintDevice& seite) {
    seite.setPageSize(QPageSize(QPageSize::A4));
    seite.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

Druckergebnis pdfAlsDaten(QByteArray& daten, const QString& titel, const std::function<bool(QPdfWriter&)>& schreiben) {
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    std::optional<bool> fertig;
    {
        QPdfWriter pdf(&puffer);
        pdf.setResolution(DRUCK_AUFLOESUNG);
        pdf.setTitle(titel);
        pdf.setCreator(QString::fromUtf8(TITEL_PROGRAMM));
        druckseiteEinrichten(pdf);
        fertig = schreiben(pdf);
    }
    if (!*fertig) return Druckergebnis::Abgebrochen;
    return daten.isEmpty() ? Druckergebnis::Fehler : Druckergebnis::Gedruckt;
}

Druckergebnis druckseiteAlsPdf(QByteArray& daten, const Seitenmaler& malen) {
    bool geraet = true;  // the painter began and ended on the writer
    const Druckergebnis e = pdfAlsDaten(daten, QString::fromUtf8(DRUCK_DOKUMENTNAME), [&](QPdfWriter& pdf) {
        QPainter p;
        if (!p.begin(&pdf)) return geraet = false;
        const bool fertig = malen(p, QSize(pdf.width(), pdf.height()));
        geraet = p.end();
        return geraet && fertig;
    });
    return geraet ? e : Druckergebnis::Fehler;
}

Ergebnis druckseiteSchreiben(const QString& pfad, const QByteArray& daten, const Eingaben& geschuetzt) {
    return schreiben(pfad, daten.constData(), static_cast<std::size_t>(daten.size()), geschuetzt);
}

Druckergebnis druckseiteSpeichern(const QString& pfad, const Seitenmaler& malen, const Eingaben& geschuetzt,
                                  std::string* grund) {
    QByteArray daten;
    const Druckergebnis e = druckseiteAlsPdf(daten, malen);
    if (e != Druckergebnis::Gedruckt) return e;
    Ergebnis r = druckseiteSchreiben(pfad, daten, geschuetzt);
    if (r.ok) return Druckergebnis::Gedruckt;
    if (grund) *grund = std::move(r.meldung.text);
    return Druckergebnis::Fehler;
}

}  // namespace zor
