#include "core/models/kurvenquelle_datei.h"

#include "core/models/abstandshistogramm.h"
#include "core/models/fkf.h"
#include "core/models/fkf_packed.h"
#include "core/models/konfidenz.h"
#include "core/io/folgenleser.h"
#include "core/io/dateityp.h"
#include "core/io/formate.h"

#include <cstring>
#include <optional>
#include <span>
#include <string>

namespace zor {

namespace {

using Bytes = std::span<const unsigned char>;

std::uint64_t aufgezeichnet(const STRUCT_DATEI& d) { return d.laenge > 0 ? static_cast<std::uint64_t>(d.laenge) : 0; }

Ergebnis meldung(Lesestand l, const STRUCT_DATEI& d, const char* titel, const FfoLeser* ffo) {
    switch (l) {
    case Lesestand::NichtOffen:
        return Ergebnis::Fehler("Datei kann nicht geöffnet werden!\n\n" + d.szFileName, titel);
    case Lesestand::Kuerzer:
        return Ergebnis::Fehler("Die Datei ist kürzer als beim Auswählen (" + std::to_string(d.laenge) +
                                    " Bytes)!\nBitte wählen Sie die Datei neu aus.\n\n" + d.szFileName,
                                titel);
    case Lesestand::Lesefehler:
        return Ergebnis::Fehler("Fehler beim Lesen der Datei!\n\n" + d.szFileName, titel);
    case Lesestand::Ungueltig:
        return Ergebnis::Fehler(ffo->ungueltigText(d.szFileName), titel);
    case Lesestand::Gut:
        break;
    }
    return Ergebnis::Erfolg();
}

// A FAB source's notes (records below 1, an incomplete last record) as one message.
Ergebnis hinweise(const FabLeser& fab, const STRUCT_DATEI& d, const char* titel) {
    std::string text;
    for (const std::string& t : fabHinweise(fab, d.szFileName)) text += (text.empty() ? "" : "\n") + t;
    if (text.empty()) return Ergebnis::Erfolg();
    return {true, {text, titel, Symbol::Information}};
}

// The characters of the recorded length to f(position of the piece, piece), with the
// progress triggers of a character-by-character loop between the pieces.
template <class F>
Lesestand ffoLesen(FfoLeser& leser, Fortschritt& fs, F&& f) {
    Schritte punkte = Schritte::prozent(leser.zeichen());
    for (Bytes b = leser.naechster(); !b.empty(); b = leser.naechster()) {
        const std::uint64_t anfang = leser.gelesen() - b.size();
        const bool weiter = punkte.ueber(anfang, leser.gelesen(), fs, [&](std::uint64_t von, std::uint64_t bis) {
            f(von, b.subspan(static_cast<std::size_t>(von - anfang), static_cast<std::size_t>(bis - von)));
        });
        if (!weiter) break;
    }
    return leser.stand();
}

// Every gap to f(record index, gap), with about 100 steps over the records.
template <class F>
Lesestand fabLesen(FabLeser& leser, Fortschritt& fs, F&& f) {
    Schritte punkte(leser.eintraege() / 100, 0);
    std::int32_t g;
    for (std::uint64_t i = 0; leser.naechster(g); ++i) {
        punkte.bis(leser.gelesen(), fs);
        if (punkte.abgebrochen()) break;
        f(i, g);
    }
    return leser.stand();
}

// Batches of n items of a file: one without a band. Records of a FAB are batched by
// their index (each stands for one gap); the batches' bits are summed as they are read.
Chargenabstaende dateichargen(int grenze, std::uint64_t n, std::uint64_t mindestens, Konfidenz* k) {
    return Chargenabstaende(grenze, Chargenteilung(n, k ? chargenFuer(n, mindestens) : 1));
}

// Gap counter over FFO characters; a gap goes to the batch of its closing error.
struct FfoAbstaende {
    Chargenabstaende& c;
    long long z = 1;
    void operator()(std::uint64_t pos, Bytes b) {
        c.teilung.stuecke(pos, pos + b.size(), [&](int j, std::uint64_t von, std::uint64_t bis) {
            Abstandshistogramm& h = c.charge[static_cast<std::size_t>(j)];
            for (unsigned char zeichen : b.subspan(static_cast<std::size_t>(von - pos), static_cast<std::size_t>(bis - von))) {
                if (zeichen == FFO_KORREKT) {
                    ++z;
                } else {
                    h.zaehlen(z);
                    z = 1;
                }
            }
        });
    }
};

// FFO characters into the packed correlation, 64 characters to a word where possible.
struct FfoBits {
    Korrelator& kor;
    void operator()(std::uint64_t, Bytes b) {
        std::size_t i = 0;
        for (; i < b.size() && !kor.anWortgrenze(); ++i) kor.bit(b[i] & 1u);
        for (; i + 64 <= b.size(); i += 64) {
            std::uint64_t w = 0;
            for (unsigned j = 0; j < 64; ++j) w |= static_cast<std::uint64_t>(b[i + j] & 1u) << j;
            kor.wort(w);
        }
        for (; i < b.size(); ++i) kor.bit(b[i] & 1u);
    }
};

// The renewal estimate from batch histograms whose sum covers `bits` bits.
void erneuerungAus(const Chargenabstaende& c, std::uint64_t bits, Kurve ptGraph, Konfidenz* k) {
    const Abstandshistogramm h = c.gesamt();
    ptGraph[0] = {0.0f, bits > 0 ? static_cast<float>(static_cast<double>(h.summe) / static_cast<double>(bits)) : 0.0f};
    FKF_RENEWAL(h.summe, h.anzahl, ptGraph);
    if (k) FKF_KonfidenzErneuernd(c, ptGraph, *k);
}

void allgemeinAus(Korrelator& kor, std::uint64_t bits, Kurve ptGraph, Konfidenz* k) {
    FKF_ausZaehlern(kor.zaehler(), bits, ptGraph);
    if (k) FKF_KonfidenzAllgemein(kor, bits, ptGraph, *k);
}

int korrelationsChargen(std::uint64_t positionen, Konfidenz* k) {
    return k ? chargenFuer(positionen, CHARGE_MINDESTBITS) : 1;
}

Lesestand fkfFfo(FfoLeser& leser, Kurve ptGraph, int erneuernd, Fortschritt& fs, Konfidenz* k) {
    const int D = static_cast<int>(ptGraph.size()) - 1;
    const std::uint64_t n = leser.zeichen();
    if (erneuernd) {
        Chargenabstaende c = dateichargen(D, n, CHARGE_MINDESTBITS, k);
        const Lesestand l = ffoLesen(leser, fs, FfoAbstaende{c});
        c.bitsNachTeilung();
        erneuerungAus(c, n, ptGraph, k);
        return l;
    }
    const std::uint64_t positionen = fkfPositionen(n, D);
    Korrelator kor(D, positionen, korrelationsChargen(positionen, k));
    const Lesestand l = ffoLesen(leser, fs, FfoBits{kor});
    allgemeinAus(kor, n, ptGraph, k);
    return l;
}

// Renewal method: every gap but the last is entered; the last one is read and left out.
Lesestand fkfFabErneuernd(FabLeser& leser, Kurve ptGraph, Fortschritt& fs, Konfidenz* k) {
    const std::uint64_t eintraege = leser.eintraege();
    Chargenabstaende c = dateichargen(static_cast<int>(ptGraph.size()) - 1, eintraege > 0 ? eintraege - 1 : 0, 2, k);
    std::int64_t vorher = 0;
    const Lesestand l = fabLesen(leser, fs, [&](std::uint64_t i, std::int32_t g) {
        if (vorher > 0) {
            const auto j = static_cast<std::size_t>(c.teilung.charge(i - 1));
            c.charge[j].zaehlen(vorher);
            c.bits[j] += static_cast<std::uint64_t>(vorher);
        }
        vorher = g;
    });
    erneuerungAus(c, c.alleBits(), ptGraph, k);
    return l;
}

// General method: the gaps expanded into bits. The work is the bits, not the records, so
// their number is counted first and the steps are placed among them; bits past the last
// product taken are skipped.
Lesestand fkfFabAllgemein(FabLeser& leser, const STRUCT_DATEI& d, Kurve ptGraph, Fortschritt& fs, Konfidenz* k) {
    const int D = static_cast<int>(ptGraph.size()) - 1;
    const auto alle = fabBits(d.szFileName, Blockleser::STANDARD_BLOCK, aufgezeichnet(d));
    if (!alle) return Lesestand::Lesefehler;
    const std::uint64_t positionen = fkfPositionen(*alle, D);
    Korrelator kor(D, positionen, korrelationsChargen(positionen, k));
    Schritte punkte = Schritte::prozent(*alle);
    std::uint64_t pos = 0;
    std::int32_t g;
    while (leser.naechster(g)) {
        const std::uint64_t eins = pos + static_cast<std::uint64_t>(g) - 1;
        if (!punkte.ueber(pos, eins + 1, fs,
                          [&](std::uint64_t von, std::uint64_t bis) { kor.nullen(std::min(bis, eins) - von); }))
            break;
        kor.bit(1);
        pos = eins + 1;
    }
    allgemeinAus(kor, pos, ptGraph, k);
    return leser.stand();
}

// The reader of the file's format over its recorded length.
struct Quelle {
    std::optional<FfoLeser> ffo;
    std::optional<FabLeser> fab;
    explicit Quelle(const STRUCT_DATEI& d) {
        if (d.datei == TYP_FFO)
            ffo.emplace(d.szFileName, Blockleser::STANDARD_BLOCK, aufgezeichnet(d));
        else
            fab.emplace(d.szFileName, Blockleser::STANDARD_BLOCK, aufgezeichnet(d));
    }
    Ergebnis nachher(Lesestand l, const STRUCT_DATEI& d, const char* titel) const {
        if (l != Lesestand::Gut) return meldung(l, d, titel, ffo ? &*ffo : nullptr);
        return fab ? hinweise(*fab, d, titel) : Ergebnis::Erfolg();
    }
};

}  // namespace

Ergebnis FAV_DATEI(const STRUCT_DATEI& datei, Kurve ptGraph, Fortschritt& f, Konfidenz* k) {
    const int d = static_cast<int>(ptGraph.size());
    Quelle q(datei);
    const bool ffo = q.ffo.has_value();
    Chargenabstaende c = ffo ? dateichargen(d, q.ffo->zeichen(), CHARGE_MINDESTBITS, k) : dateichargen(d, q.fab->eintraege(), 2, k);
    Lesestand l;
    {
        Fortschrittsrahmen rahmen(f, FAV_TITEL_DATEI, TEXT_WIRD_BERECHNET);
        l = ffo ? ffoLesen(*q.ffo, f, FfoAbstaende{c}) : fabLesen(*q.fab, f, [&](std::uint64_t i, std::int32_t g) {
            const auto j = static_cast<std::size_t>(c.teilung.charge(i));
            c.charge[j].zaehlen(g);
            c.bits[j] += static_cast<std::uint64_t>(std::max<std::int32_t>(g, 1));
        });
    }
    if (ffo) c.bitsNachTeilung();
    if (l == Lesestand::Gut) {
        const Abstandshistogramm h = c.gesamt();
        FAV_Normierung(ptGraph, h.anzahl, h.summe, h.ueberlauf);
        if (k) FAV_Konfidenz(c, ptGraph, *k);
    } else {
        FAV_Leer(ptGraph);
        if (k) *k = {};
    }
    return q.nachher(l, datei, FAV_MELDUNGSTITEL);
}

Ergebnis FKF_DATEI(const STRUCT_DATEI& datei, Kurve ptGraph, int erneuernd, Fortschritt& f, Konfidenz* k) {
    if (k) *k = {};
    const int D = static_cast<int>(ptGraph.size()) - 1;
    Quelle q(datei);
    if (q.ffo && q.ffo->gut() && q.ffo->zeichen() <= static_cast<std::uint64_t>(D)) {
        // Too short for a single product: an empty curve and a word why, not a stale one.
        FKF_Leer(ptGraph);
        return Ergebnis::Fehler("Die Datei ist zu kurz: Für die Fehlerkorrelationsfunktion bis " + std::to_string(D) +
                                    " muss sie mehr als " + std::to_string(D) + " Zeichen enthalten.\n\n" +
                                    datei.szFileName,
                                FKF_MELDUNGSTITEL);
    }
    Lesestand l;
    {
        Fortschrittsrahmen rahmen(f, FKF_TITEL_DATEI, TEXT_WIRD_BERECHNET);
        if (q.ffo)
            l = fkfFfo(*q.ffo, ptGraph, erneuernd, f, k);
        else
            l = erneuernd ? fkfFabErneuernd(*q.fab, ptGraph, f, k) : fkfFabAllgemein(*q.fab, datei, ptGraph, f, k);
    }
    if (l != Lesestand::Gut) {
        FKF_Leer(ptGraph);
        if (k) *k = {};
    }
    return q.nachher(l, datei, FKF_MELDUNGSTITEL);
}

}  // namespace zor
