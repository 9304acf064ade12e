#include "core/plot/plotag.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/plot/achse.h"
#include "core/plot/plotzahlen.h"
#include "core/plot/symbolschrift.h"
#include "core/plot/textlage.h"
#include "core/plot/vorlagenleser.h"

namespace zor {
namespace {

struct Kontext {
    Canvas& dc;
    Vorlagenleser& leser;
    std::span<const float> zahlenwert;
    int textfarbe;
    char text;
    Textregel regel;
    Textbelegung belegt;
    std::vector<std::pair<LRechteck, int>> zeilen;  // boxes of drawn t records, baseline
};

using Ausfuehrung = bool (*)(Kontext&, const Felder&);

Farbe farbeAusFeldern(const Felder& f, std::size_t ab) {
    return farbeAus(f[ab].ganz, f[ab + 1].ganz, f[ab + 2].ganz);
}

Ausrichtung ausrichtungVon(char c) {
    return c == 'l' ? Ausrichtung::Links : c == 'r' ? Ausrichtung::Rechts : Ausrichtung::Mitte;
}

// Texts are anchored on their baseline, 0.4 ascent below y, so y runs through the
// middle of the letters.
void textMittig(Canvas& dc, int x, int y, std::string_view s) {
    dc.text({x, kappen(y - 0.4 * dc.oberlaenge())}, s);
}

Achsendaten achsendaten(const Felder& f, bool mitSkalen) {
    Achsendaten d{f[0].ganz, f[1].ganz, f[2].ganz, f[3].ganz, f[4].ganz, f[5].ganz, f[6].ganz};
    if (mitSkalen) {
        d.xskala = f[7].ganz;
        d.a = f[8].zeichen;
        d.yskala = f[9].ganz;
        d.b = f[10].zeichen;
        d.xwert = f[11].reell;
        d.ywert = f[12].reell;
    }
    return d;
}

bool achsenkreuz(Kontext& k, const Felder& f) {
    const Achsendaten d = achsendaten(f, true);
    Achse(k.dc, d);
    Achsenbeschriftung(k.dc, d);
    return true;
}

bool achseOhneBeschriftung(Kontext& k, const Felder& f) {
    Achse(k.dc, achsendaten(f, false));
    return true;
}

bool textfarbe(Kontext& k, const Felder& f) {
    k.dc.setzeTextfarbe(farbeAusFeldern(f, k.textfarbe == 0 ? 0 : 3));
    return true;
}

bool hintergrund(Kontext& k, const Felder& f) {
    k.dc.setzeTexthintergrund(farbeAusFeldern(f, 0));
    return true;
}

bool dreieck(Kontext& k, const Felder& f) {
    Dreieck(k.dc, f[0].ganz, f[1].ganz, f[2].reell, f[3].reell, f[4].reell);
    return true;
}

bool ellipse(Kontext& k, const Felder& f) {
    k.dc.ellipse({f[0].ganz, f[1].ganz, f[2].ganz, f[3].ganz});
    return true;
}

bool stift(Kontext& k, const Felder& f) {
    k.dc.setzeStift({std::max(f[0].ganz, 0), farbeAusFeldern(f, 1)});
    return true;
}

bool pinsel(Kontext& k, const Felder& f) {
    k.dc.setzePinsel(farbeAusFeldern(f, 0));
    return true;
}

bool kommentar(Kontext&, const Felder&) { return true; }

bool linie(Kontext& k, const Felder& f) {
    k.dc.linie({f[0].ganz, f[1].ganz}, {f[2].ganz, f[3].ganz});
    return true;
}

bool pfeil(Kontext& k, const Felder& f) {
    Pfeil(k.dc, f[0].ganz, f[1].ganz, f[2].reell, f[3].reell, f[4].ganz, f[5].ganz);
    return true;
}

bool rechteck(Kontext& k, const Felder& f) {
    k.dc.rechteck({f[0].ganz, f[1].ganz, f[2].ganz, f[3].ganz});
    return true;
}

// A symbol with a raised (marke 0) or lowered (marke 1) second text.
bool hochTief(Kontext& k, const Felder& f) {
    const int x = f[0].ganz, y = f[1].ganz, marke = f[5].ganz;
    k.dc.setzeAusrichtung(ausrichtungVon(f[4].zeichen));
    k.dc.setzeSchrift({Schriftfamilie::Swiss, schrifthoehe(f[2].ganz)});
    textMittig(k.dc, x, y, f[6].wort);
    const Textmass m = k.dc.textmass(f[6].wort);
    k.dc.setzeSchrift({Schriftfamilie::Swiss, schrifthoehe(f[3].ganz)});
    if (marke == 0)
        k.dc.text({kappen(x + 1.3 * m.breite), kappen(y + 0.2 * m.hoehe)}, f[7].wort);
    else if (marke == 1)
        k.dc.text({kappen(static_cast<double>(x) + m.breite), kappen(y - 0.6 * m.hoehe)}, f[7].wort);
    return true;
}

// Where a t record goes under Textregel::Zeilen; nothing when it is left out. Short
// windows give text more height than the template's rows have, so a heading and the
// line below it would overlap; wide ones have room beside it.
std::optional<LPunkt> zeilenplatz(Kontext& k, LPunkt anker, std::string_view s) {
    LRechteck kasten = textkasten(k.dc, anker, s);
    if (k.belegt.frei(kasten)) return anker;
    if (k.dc.ausrichtung() != Ausrichtung::Links) return std::nullopt;
    const auto beruehrt = [&](const LRechteck& b) {
        return std::find_if(k.zeilen.begin(), k.zeilen.end(), [&](const auto& z) { return ueberlappen(z.first, b); });
    };
    // Onto the line of the first text it touches, right of every text on the way.
    const auto erster = beruehrt(kasten);
    const int luecke = k.dc.textmass("0").breite;
    anker = {kappen(static_cast<double>(erster->first.rechts) + luecke), erster->second};
    for (std::size_t n = 0; n < k.zeilen.size(); ++n) {
        const auto im = beruehrt(textkasten(k.dc, anker, s));
        if (im == k.zeilen.end()) break;
        anker.x = kappen(static_cast<double>(im->first.rechts) + luecke);
    }
    kasten = textkasten(k.dc, anker, s);
    if (!k.belegt.frei(kasten) || !innerhalb(kasten, DIAGRAMMFENSTER)) return std::nullopt;
    return anker;
}

// Conditional text of several words, optionally followed by a parameter value.
bool bedingterText(Kontext& k, const Felder& f) {
    const char selektor = f[4].zeichen;
    const int marke = f[5].ganz, index = f[6].ganz, leerzeichen = f[7].ganz;
    std::string s(f[8].wort);
    for (int n = 0; n < leerzeichen; ++n) {
        const auto wort = k.leser.wort();
        if (!wort) return false;
        s += ' ';
        s += *wort;
    }
    if (selektor != k.text && selektor != '@') return true;
    if (marke != 0 && !k.zahlenwert.empty()) {
        if (index < 0 || static_cast<std::size_t>(index) >= k.zahlenwert.size()) return false;
        s += ' ';
        s += gcvtForm(k.zahlenwert[static_cast<std::size_t>(index)], 7);
    }
    k.dc.setzeAusrichtung(ausrichtungVon(f[3].zeichen));
    k.dc.setzeSchrift({Schriftfamilie::Swiss, schrifthoehe(f[2].ganz)});
    if (k.regel == Textregel::WieVorlage) {
        textMittig(k.dc, f[0].ganz, f[1].ganz, s);
        return true;
    }
    if (const auto anker = zeilenplatz(k, {f[0].ganz, kappen(f[1].ganz - 0.4 * k.dc.oberlaenge())}, s)) {
        k.dc.text(*anker, s);
        const LRechteck kasten = textkasten(k.dc, *anker, s);
        k.belegt.belegen(kasten);
        k.zeilen.emplace_back(kasten, anker->y);
    }
    return true;
}

bool symboltext(Kontext& k, const Felder& f) {
    k.dc.setzeAusrichtung(ausrichtungVon(f[3].zeichen));
    k.dc.setzeSchrift({Schriftfamilie::Symbol, schrifthoehe(f[2].ganz)});
    textMittig(k.dc, f[0].ganz, f[1].ganz, symbolNachUnicode(f[4].wort));
    return true;
}

// Polyline: the first point, then point groups each followed by one character; '#'
// ends the record. A record running into the end of the text is faulty.
bool zug(Kontext& k, const Felder& f) {
    std::vector<LPunkt> punkte{{f[0].ganz, f[1].ganz}};
    auto trenner = k.leser.zeichen();
    Felder punkt;
    while (trenner && *trenner != '#') {
        if (!k.leser.lesen("d,d", punkt)) return false;
        punkte.push_back({punkt[0].ganz, punkt[1].ganz});
        trenner = k.leser.zeichen();
    }
    if (!trenner) return false;
    k.dc.polylinie(punkte);
    return true;
}

struct Satzart {
    char tag;
    const char* format;
    Ausfuehrung ausfuehren;
};

constexpr std::array<Satzart, 16> SATZARTEN = {{
    {'a', "d,d,d,d,d,d,d,d,c,d,c,f,f", achsenkreuz},
    {'b', "d,d,d d,d,d", textfarbe},
    {'c', "d,d,d", hintergrund},
    {'d', "d,d,f,f,f", dreieck},
    {'e', "d,d,d,d", ellipse},
    {'f', "d,d,d,d", stift},
    {'h', "d,d,d", pinsel},
    {'k', "s", kommentar},
    {'l', "d,d,d,d", linie},
    {'p', "d,d,f,f,d,d", pfeil},
    {'r', "d,d,d,d", rechteck},
    {'s', "d,d,d,d,c,d,s s", hochTief},
    {'t', "d,d,d,c,c,d,d,d,s", bedingterText},
    {'u', "d,d,d,d,d,d,d", achseOhneBeschriftung},
    {'y', "d,d,d,c,s", symboltext},
    {'z', "d,d", zug},
}};

const Satzart* satzart(char tag) {
    for (const auto& s : SATZARTEN)
        if (s.tag == tag) return &s;
    return nullptr;
}

bool alleSaetze(Kontext& k) {
    Felder felder;
    while (const auto tag = k.leser.wort()) {
        const Satzart* art = satzart(tag->front());
        if (!art || !k.leser.lesen(art->format, felder) || !art->ausfuehren(k, felder)) return false;
    }
    return true;
}

void fehlermeldung(Canvas& dc) {
    dc.setzeAusrichtung(Ausrichtung::Mitte);
    dc.text({0, 0}, TEXT_FEHLERHAFTE_PLOTDATEI);
}

}  // namespace

int plotag(Canvas& dc, std::string_view vorlage, std::span<const float> zahlenwert, int textfarbe, char text,
           Textregel regel) {
    const Stift stiftVorher = dc.stift();
    const Farbe pinselVorher = dc.pinsel();
    const Schrift schriftVorher = dc.schrift();
    dc.setzeStift({10, SCHWARZ});
    dc.setzePinsel(WEISS);
    dc.setzeSchrift({Schriftfamilie::Swiss, schriftVorher.hoehe});

    Vorlagenleser leser(vorlage);
    Kontext k{dc, leser, zahlenwert, textfarbe, text, regel, {}, {}};
    const bool ganz = alleSaetze(k);

    dc.setzeStift(stiftVorher);
    dc.setzePinsel(pinselVorher);
    dc.setzeSchrift(schriftVorher);
    if (!ganz) fehlermeldung(dc);
    return ganz ? 1 : 0;
}

int plotag(Canvas& dc, const Vorlagenquelle& quelle, std::string_view Filename, std::span<const float> zahlenwert,
           int textfarbe, char text, Textregel regel) {
    const auto vorlage = quelle ? quelle(Filename) : std::nullopt;
    if (!vorlage) {
        fehlermeldung(dc);
        return 0;
    }
    return plotag(dc, *vorlage, zahlenwert, textfarbe, text, regel);
}

}  // namespace zor
