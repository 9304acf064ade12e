#include "app/plot/protokoll.h"

#include <QDateTime>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPdfWriter>

#include "app/platform/hilfeseiten.h"
#include "app/plot/dokumentbilder.h"
#include "core/documents/anpassung_malen.h"
#include "core/documents/anpassung_tabelle.h"
#include "core/documents/buendel_einstellungen.h"
#include "core/documents/ff_inhalt.h"
#include "core/documents/protokoll.h"
#include "core/plot/aufzeichnende_leinwand.h"

namespace zor {
namespace {

// Writes lines top down on one page; a line that does not fit is left out, so a long
// excerpt ends at the page's foot instead of running over it.
class Zeilen {
public:
    // Black whatever the page's previous painting left in the pen.
    Zeilen(QPainter& p, QSize seite) : p_(p), seite_(seite) { p_.setPen(Qt::black); }

    void schrift(qreal punkte, bool fett = false, bool fest = false) {
        QFont f(fest ? QStringLiteral("Monospace") : QStringLiteral("Sans Serif"));
        f.setStyleHint(fest ? QFont::TypeWriter : QFont::SansSerif);
        f.setPointSizeF(punkte);
        f.setBold(fett);
        p_.setFont(f);
    }
    bool zeile(const QString& text) {
        const QFontMetrics m(p_.font(), p_.device());
        if (y_ + m.height() > seite_.height()) return false;
        y_ += m.ascent();
        p_.drawText(QPoint(einzug_, y_), text);
        y_ += m.descent() + m.leading();
        return true;
    }
    // A line wider than the page goes on in further lines, broken between words.
    bool umbrochen(const QString& text) {
        const QFontMetrics m(p_.font(), p_.device());
        QString zeile;
        for (const QString& wort : text.split(' ')) {
            const QString laenger = zeile.isEmpty() ? wort : zeile + ' ' + wort;
            if (!zeile.isEmpty() && m.horizontalAdvance(laenger) > seite_.width() - einzug_) {
                if (!this->zeile(zeile)) return false;
                zeile = wort;
            } else {
                zeile = laenger;
            }
        }
        return this->zeile(zeile);
    }
    void abstand(qreal anteil = 0.5) { y_ += static_cast<int>(QFontMetrics(p_.font(), p_.device()).height() * anteil); }
    void einziehen(int px) { einzug_ = px; }
    int y() const { return y_; }

private:
    QPainter& p_;
    QSize seite_;
    int y_ = 0, einzug_ = 0;
};

QString q(const std::string& s) { return QString::fromStdString(s); }

void abschnitt(Zeilen& z, const Protokollabschnitt& a) {
    z.schrift(11, true);
    z.zeile(q(a.titel));
    z.schrift(9.5);
    for (const std::string& l : a.zeilen) z.zeile(q(l));
    z.abstand();
}

void textseite(QPainter& p, QSize seite, const ZorState& s, const Protokollangaben& a) {
    Zeilen z(p, seite);
    z.schrift(16, true);
    z.zeile(QString::fromUtf8(PROTOKOLL_TITEL));
    z.abstand(0.3);
    z.schrift(10);
    z.zeile(QStringLiteral("Datum und Uhrzeit: %1").arg(a.zeitpunkt));
    z.zeile(QStringLiteral("Programmfassung: %1").arg(a.fassung));
    z.zeile(QStringLiteral("Name: %1").arg(a.name.isEmpty() ? QStringLiteral("—") : a.name));
    if (!a.notizen.isEmpty()) {
        z.zeile(QStringLiteral("Notizen:"));
        for (const QString& l : a.notizen.split('\n')) z.zeile(QStringLiteral("    ") + l);
    }
    z.abstand();
    abschnitt(z, protokollSatz(s, 0));
    abschnitt(z, protokollSatz(s, 1));
    abschnitt(z, protokollDauern(s));
}

// Both diagrams, one above the other, in the printed page's colours.
int diagrammseite(QPainter& p, QSize seite, ZorState& s, const Vorlagenquelle& quelle) {
    const int h = seite.height() / 2;
    kurvenBildMalen(p, QRect(0, 0, seite.width(), h), s, quelle, true, LEGENDE_DRUCK, 1);
    kurvenBildMalen(p, QRect(0, h, seite.width(), h), s, quelle, false, LEGENDE_DRUCK, 1);
    // The same painting on a recording canvas tells whether the templates drew completely.
    AufzeichnendeLeinwand probe;
    FAV_Paint(probe, s, quelle, 1);
    FKF_Paint(probe, s, quelle, 1);
    int fehler = 0;
    for (const auto& t : probe.texte())
        if (t == TEXT_FEHLERHAFTE_PLOTDATEI) ++fehler;
    return fehler;
}

// The error sequence as the document lays it out in a window of common size, as text.
std::vector<Meldung> folgenseite(QPainter& p, QSize seite, const ZorState& s) {
    QImage messen(1, 1, QImage::Format_RGB32);
    QPainter maler(&messen);
    const FFInhalt inhalt = ffInhalt(maler, QSize(900, 600), s);
    Zeilen z(p, seite);
    z.schrift(11, true);
    z.zeile(QStringLiteral("Fehlerfolge (Ausschnitt)"));
    z.schrift(7, false, true);
    for (const QString& l : q(FF_Text(inhalt)).split('\n'))
        if (!z.zeile(l)) break;
    return inhalt.meldungen;
}

// The bursts or blocks as the document shows them, computed here from the sets.
std::vector<Meldung> buendelseite(QPainter& p, QSize seite, const ZorState& s, const Buendeleinstellungen& e) {
    KeinFortschritt still;
    const Buendeldaten d = buendelBerechnen(buendelAuftrag(s, e), still);
    Zeilen z(p, seite);
    z.schrift(11, true);
    z.zeile(QStringLiteral("Bündel und Blöcke"));
    if (d.ok)
        papierdiagramm(p, QRect(0, z.y(), seite.width(), seite.height() / 2),
                       [&](Canvas& dc) { buendelMalen(dc, s, e, d, 1); });
    return d.meldungen;
}

// The model fit as `zor fit` prints it, with the fitted gap distributions below.
void anpassungsseite(QPainter& p, QSize seite, const Anpassung& a, const Vorlagenquelle& quelle) {
    Zeilen z(p, seite);
    z.schrift(11, true);
    z.zeile(QStringLiteral("Modellanpassung"));
    z.schrift(7, false, true);
    for (const QString& l : q(anpassungText(a)).split('\n'))
        if (!z.umbrochen(l)) break;
    z.abstand();
    const int oben = z.y();
    if (oben < seite.height() / 2)
        papierdiagramm(p, QRect(0, oben, seite.width(), seite.height() - oben),
                       [&](Canvas& dc) { Anpassung_Paint(dc, a, Anpassungsansicht{}, quelle); });
}

}  // namespace

Protokollangaben protokollangaben(const QString& name, const QString& notizen) {
    return {name,
            notizen,
            QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm")),
            app::programmfassung(),
            {},
            {}};
}

int protokollSeiten(const Protokollangaben& a) {
    return PROTOKOLL_SEITEN + (a.buendel ? 1 : 0) + (a.anpassung ? 1 : 0);
}

Kurvenbericht protokollKurvenErmitteln(ZorState& s, Fortschritt& f) {
    Kurvenbericht b = druckKurvenErmitteln(s, DRUCK_FAV, f);
    if (!b) return b;
    Kurvenbericht k = druckKurvenErmitteln(s, DRUCK_FKF, f);
    k.meldungen.insert(k.meldungen.begin(), b.meldungen.begin(), b.meldungen.end());
    return k;
}

Druckergebnis protokollAlsPdf(QByteArray& daten, ZorState& s, const Vorlagenquelle& q, const Protokollangaben& a,
                              Druckbericht& bericht) {
    return pdfAlsDaten(daten, QString::fromUtf8(PROTOKOLL_TITEL), [&](QPdfWriter& pdf) {
        QPainter p;
        if (!p.begin(&pdf)) return false;
        const QSize seite(pdf.width(), pdf.height());
        textseite(p, seite, s, a);
        pdf.newPage();
        bericht.vorlagenFehler += diagrammseite(p, seite, s, q);
        pdf.newPage();
        for (Meldung& m : folgenseite(p, seite, s)) bericht.meldungen.push_back(std::move(m));
        if (a.buendel) {
            pdf.newPage();
            for (Meldung& m : buendelseite(p, seite, s, *a.buendel)) bericht.meldungen.push_back(std::move(m));
        }
        if (a.anpassung) {
            pdf.newPage();
            anpassungsseite(p, seite, *a.anpassung, q);
        }
        return p.end() && bericht.vorlagenFehler == 0;
    });
}

}  // namespace zor
