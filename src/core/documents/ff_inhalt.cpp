#include "core/documents/ff_inhalt.h"

#include <array>

#include "core/documents/ff_datei.h"
#include "core/models/fehlerquellen.h"
#include "core/plot/plotzahlen.h"
#include "core/seqfiles/dateiquelle.h"
#include "core/util/format.h"

namespace zor {
namespace {

Bitzustand farbklasse(Modellart art, int zustand) {
    switch (art) {
    case Modellart::GE:
    case Modellart::MC: return zustand == GOOD ? Bitzustand::Gut : Bitzustand::Schlecht;
    case Modellart::SW: return zustand == 1 ? Bitzustand::Gut : zustand == 2 ? Bitzustand::Z2 : Bitzustand::Z3;
    default: return Bitzustand::Ohne;
    }
}

std::string haeufigkeit(long fehler, long n) {
    if (n == 0) return "Fehlerhäufigkeit: – (0 Bits)";
    return format("Fehlerhäufigkeit: %.4f (%ld von %ld Bits)", static_cast<double>(fehler) / static_cast<double>(n),
                  fehler, n);
}

// A simulated set's block: the bits of its generation procedure, coloured by state.
void generieren(const ZorState& s, FFBlock& b, long anzahl, FFInhalt& inhalt) {
    const Modellart art = modellart(modellVon(s, b.satz));
    std::array<long, 4> proZustand{};  // GOOD/Z1, BAD, Z2, Z3 by colour class
    long fehler = 0;
    b.bits.reserve(static_cast<std::size_t>(anzahl));
    b.zustaende.reserve(static_cast<std::size_t>(anzahl));
    mitBitQuelle(s, b.satz, SwStart::Zustand, [&](auto& q) {
        for (long k = 0; k < anzahl; ++k) {
            const int bit = q.bit();
            const Bitzustand z = farbklasse(art, q.zustand());
            fehler += bit;
            b.bits.push_back(bit ? '1' : '0');
            b.zustaende.push_back(z);
            if (z != Bitzustand::Ohne) ++proZustand[static_cast<std::size_t>(z) - 1];
        }
    });
    const bool zustandszeile = art == Modellart::GE || art == Modellart::MC || art == Modellart::SW;
    inhalt.zeilentexte.push_back({b.zEnde, haeufigkeit(fehler, anzahl), -1, zustandszeile});
    if (art == Modellart::SW)
        inhalt.zeilentexte.push_back(
            {b.zEnde + 1, format("Z1: %ld   Z2: %ld   Z3: %ld", proZustand[0], proZustand[2], proZustand[3]), -1,
             true});
    else if (zustandszeile)
        inhalt.zeilentexte.push_back(
            {b.zEnde + 1, format("Zustand 'G': %ld   Zustand 'B': %ld", proZustand[0], proZustand[1]), -1, true});
}

// A file-fed set's block: the file's first characters or its gaps as bits.
void ausDatei(const ZorState& s, FFBlock& b, long anzahl, FFInhalt& inhalt) {
    std::string grund;
    const auto folge = FF_DateiFolge(dateiVon(s, b.satz), anzahl, &grund);
    if (!folge) {
        inhalt.meldungen.push_back(
            {grund.empty() ? TEXT_NICHT_GELESEN : grund, TITEL_PROGRAMM, Symbol::Ausrufezeichen});
        return;
    }
    long fehler = 0;
    for (char c : *folge) fehler += c == '1';
    b.bits = *folge;
    b.zustaende.assign(b.bits.size(), Bitzustand::Ohne);
    inhalt.zeilentexte.push_back({b.zEnde, haeufigkeit(fehler, static_cast<long>(b.bits.size())), -1, false});
}

void block(const ZorState& s, int satz, int z0, int zEnde, FFInhalt& inhalt) {
    if (simVon(s, satz) == 0) {
        inhalt.zeilentexte.push_back({zEnde, FF_THEORIE_TEXT, satz, false});
        return;
    }
    FFBlock b{satz, z0, zEnde, {}, {}};
    const long anzahl = static_cast<long>(zEnde - z0) * inhalt.layout.smax;
    if (modellart(modellVon(s, satz)) == Modellart::Datei)
        ausDatei(s, b, anzahl, inhalt);
    else
        generieren(s, b, anzahl, inhalt);
    inhalt.bloecke.push_back(std::move(b));
}

void marken(const FFLayout& l, bool beide, FFInhalt& inhalt) {
    const int zeilen = beide ? l.zmax / 2 : l.zmax;
    for (int i = 0; i < zeilen; ++i) {
        const std::string t = gcvtForm(static_cast<double>(i + 1) * l.smax, 5);
        inhalt.marken.emplace_back(i, t);
        if (beide) inhalt.marken.emplace_back(l.L1 + l.zmax / 2 + i, t);
    }
}

}  // namespace

int FF_Reserve(const ZorState& s, int satz) {
    switch (modellart(modellVon(s, satz))) {
    case Modellart::Inaktiv: return 0;
    case Modellart::BSC:
    case Modellart::Datei: return 2;
    default: return simVon(s, satz) == 0 ? 2 : 3;
    }
}

FFLayout FF_Layout(const ZorState& s, int breite, int hoehe, int w, int h) {
    FFLayout l;
    l.w = w;
    l.h = h;
    l.L1 = FF_Reserve(s, 0);
    l.L2 = FF_Reserve(s, 1);
    if (w <= 0 || h <= 0 || breite <= 0 || hoehe <= 0) return l;
    // The quantities are 16-bit; a window never reaches their limit.
    l.smax = static_cast<std::int16_t>(((breite / w) - 5) / 10 * 10);
    l.zmax = static_cast<std::int16_t>(hoehe / h - l.L1 - l.L2);
    if (s.Modell.M1 != 0 && s.Modell.M2 != 0) {
        if (l.zmax % 2 != 0) --l.zmax;
        if (l.zmax < 2) l.zmax = 0;
    }
    if (l.smax <= 0 || l.zmax <= 0) {
        l.smax = l.zmax = 0;
        return l;
    }
    l.abstand = (breite - 5 * w) / l.smax;
    return l;
}

FFInhalt FF_Erzeugen(const ZorState& s, const FFLayout& layout) {
    FFInhalt inhalt;
    inhalt.layout = layout;
    if (layout.zmax == 0) return inhalt;
    const bool beide = s.Modell.M1 != 0 && s.Modell.M2 != 0;
    marken(layout, beide, inhalt);
    const int z = layout.zmax;
    if (beide) {
        block(s, 0, 0, z / 2, inhalt);
        block(s, 1, layout.L1 + z / 2, layout.L1 + z, inhalt);
    } else if (s.Modell.M1 != 0 || s.Modell.M2 != 0) {
        block(s, s.Modell.M1 != 0 ? 0 : 1, 0, z, inhalt);
    }
    return inhalt;
}

std::string FF_Text(const FFInhalt& inhalt) {
    const FFLayout& l = inhalt.layout;
    if (l.zmax == 0) return {};
    const int zeilen = l.zmax + l.L1 + l.L2;
    std::vector<std::string> z(static_cast<std::size_t>(zeilen));
    for (const FFBlock& b : inhalt.bloecke)
        for (std::size_t i = 0; i < b.bits.size(); i += static_cast<std::size_t>(l.smax))
            z[static_cast<std::size_t>(b.z0) + i / static_cast<std::size_t>(l.smax)] = b.bits.substr(i, l.smax);
    for (const auto& [zeile, marke] : inhalt.marken) {
        auto& t = z[static_cast<std::size_t>(zeile)];
        t.resize(static_cast<std::size_t>(l.smax), ' ');
        t += ' ' + marke;
    }
    for (const FFZeilentext& t : inhalt.zeilentexte)
        if (t.zeile >= 0 && t.zeile < zeilen) z[static_cast<std::size_t>(t.zeile)] = t.text;
    std::string text;
    for (int s = 0; s < l.smax; ++s) text += static_cast<char>('0' + (s + 1) % 10);
    text += '\n';
    for (const auto& zeile : z) text += zeile + '\n';
    while (text.size() >= 2 && text[text.size() - 1] == '\n' && text[text.size() - 2] == '\n') text.pop_back();
    return text;
}

}  // namespace zor
