#include "core/models/kurvenquelle_datei.h"

#include "core/models/abstandshistogramm.h"
#include "core/models/fkf.h"
#include "core/models/fkf_packed.h"
#include "core/io/blockleser.h"
#include "core/io/dateityp.h"
#include "core/io/formate.h"

#include <cstring>
#include <span>
#include <string>

namespace zor {

namespace {

using Bytes = std::span<const unsigned char>;

enum class Lesen { Gut, NichtOffen, Kuerzer, Fehler };

std::uint64_t aufgezeichnet(const STRUCT_DATEI& d) { return d.laenge > 0 ? static_cast<std::uint64_t>(d.laenge) : 0; }

Ergebnis meldung(Lesen l, const STRUCT_DATEI& d, const char* titel) {
    switch (l) {
    case Lesen::NichtOffen:
        return Ergebnis::Fehler("Datei kann nicht geöffnet werden!\n\n" + d.szFileName, titel);
    case Lesen::Kuerzer:
        return Ergebnis::Fehler("Die Datei ist kürzer als beim Auswählen (" + std::to_string(d.laenge) +
                                    " Bytes)!\nBitte wählen Sie die Datei neu aus.\n\n" + d.szFileName,
                                titel);
    case Lesen::Fehler:
        return Ergebnis::Fehler("Fehler beim Lesen der Datei!\n\n" + d.szFileName, titel);
    case Lesen::Gut:
        break;
    }
    return Ergebnis::Erfolg();
}

// Hands the first `laenge` bytes to f(block, offset), block by block, with the progress
// triggers of `punkte` between the pieces.
template <class F>
Lesen lesen(const STRUCT_DATEI& d, Schritte punkte, Fortschritt& fs, F&& f) {
    Blockleser leser(d.szFileName);
    if (!leser.offen()) return Lesen::NichtOffen;
    std::uint64_t rest = aufgezeichnet(d);
    if (leser.groesse() < rest) return Lesen::Kuerzer;
    std::uint64_t offset = 0;
    while (rest > 0) {
        Bytes block = leser.naechster();
        if (block.empty()) return leser.fehler() ? Lesen::Fehler : Lesen::Kuerzer;
        if (block.size() > rest) block = block.first(static_cast<std::size_t>(rest));
        punkte.ueber(offset, offset + block.size(), fs, [&](std::uint64_t a, std::uint64_t b) {
            f(block.subspan(static_cast<std::size_t>(a - offset), static_cast<std::size_t>(b - a)));
        });
        offset += block.size();
        rest -= block.size();
    }
    return Lesen::Gut;
}

// FFO bytes: '0' is a correct bit, anything else an error.
Lesen ffoLesen(const STRUCT_DATEI& d, Fortschritt& fs, auto proBlock) {
    return lesen(d, Schritte::prozent(aufgezeichnet(d)), fs, proBlock);
}

// FAB records of at least 1, in order; whole records only, across block borders.
template <class F>
Lesen fabLesen(const STRUCT_DATEI& d, Fortschritt& fs, F&& proAbstand) {
    unsigned char rest[FAB_RECORD];
    std::size_t imRest = 0;
    const std::uint64_t n = aufgezeichnet(d);
    const Schritte punkte((n / 100) & ~std::uint64_t{3}, 0);
    return lesen(d, punkte, fs, [&](Bytes b) {
        std::size_t i = 0;
        while (imRest > 0 && i < b.size()) {
            rest[imRest++] = b[i++];
            if (imRest == FAB_RECORD) {
                imRest = 0;
                if (const std::int32_t g = fabWert(rest); g >= 1) proAbstand(g);
            }
        }
        for (; i + FAB_RECORD <= b.size(); i += FAB_RECORD)
            if (const std::int32_t g = fabWert(&b[i]); g >= 1) proAbstand(g);
        for (; i < b.size(); ++i) rest[imRest++] = b[i];
    });
}

// Gap counter over FFO bytes.
struct FfoAbstaende {
    Abstandshistogramm& h;
    long long c = 1;
    void operator()(Bytes b) {
        for (unsigned char z : b) {
            if (z == FFO_KORREKT) {
                ++c;
            } else {
                h.zaehlen(c);
                c = 1;
            }
        }
    }
};

// FFO bytes into the packed correlation, 64 characters to a word where possible.
struct FfoBits {
    Korrelator& kor;
    void operator()(Bytes b) {
        std::size_t i = 0;
        for (; i < b.size() && !kor.anWortgrenze(); ++i) kor.bit(b[i] != FFO_KORREKT);
        for (; i + 64 <= b.size(); i += 64) {
            std::uint64_t w = 0;
            for (unsigned j = 0; j < 64; ++j) w |= static_cast<std::uint64_t>(b[i + j] != FFO_KORREKT) << j;
            kor.wort(w);
        }
        for (; i < b.size(); ++i) kor.bit(b[i] != FFO_KORREKT);
    }
};

Lesen fkfFfo(const STRUCT_DATEI& d, Kurve ptGraph, int erneuernd, Fortschritt& fs) {
    const int D = static_cast<int>(ptGraph.size()) - 1;
    const std::uint64_t n = aufgezeichnet(d);
    if (erneuernd) {
        Abstandshistogramm h(D);
        const Lesen l = ffoLesen(d, fs, FfoAbstaende{h});
        ptGraph[0] = {0.0f, static_cast<float>(static_cast<double>(h.summe) / static_cast<double>(n))};
        FKF_RENEWAL(h.summe, h.anzahl, ptGraph);
        return l;
    }
    Korrelator kor(D, fkfPositionen(n, D));
    const Lesen l = ffoLesen(d, fs, FfoBits{kor});
    FKF_ausZaehlern(kor.zaehler(), n, ptGraph);
    return l;
}

Lesen fkfFab(const STRUCT_DATEI& d, Kurve ptGraph, int erneuernd, Fortschritt& fs) {
    const int D = static_cast<int>(ptGraph.size()) - 1;
    if (erneuernd) {
        // Every gap but the last is entered; the last one is read and left out.
        Abstandshistogramm h(D);
        std::int64_t vorher = 0;
        long long bits = 0;
        const Lesen l = fabLesen(d, fs, [&](std::int32_t g) {
            if (vorher > 0) {
                h.zaehlen(vorher);
                bits += vorher;
            }
            vorher = g;
        });
        ptGraph[0] = {0.0f, bits > 0 ? static_cast<float>(static_cast<double>(h.summe) / static_cast<double>(bits)) : 0.0f};
        FKF_RENEWAL(h.summe, h.anzahl, ptGraph);
        return l;
    }
    Korrelator kor(D);
    const Lesen l = fabLesen(d, fs, [&](std::int32_t g) {
        kor.nullen(static_cast<std::uint64_t>(g) - 1);
        kor.bit(1);
    });
    const std::uint64_t bits = kor.angehaengt();
    FKF_ausZaehlern(kor.zaehler(), bits, ptGraph);
    return l;
}

}  // namespace

Ergebnis FAV_DATEI(const STRUCT_DATEI& datei, Kurve ptGraph, Fortschritt& f) {
    Abstandshistogramm h(static_cast<int>(ptGraph.size()));
    Lesen l;
    {
        Fortschrittsrahmen rahmen(f, FAV_TITEL_DATEI, TEXT_WIRD_BERECHNET);
        if (datei.datei == TYP_FFO)
            l = ffoLesen(datei, f, FfoAbstaende{h});
        else
            l = fabLesen(datei, f, [&](std::int32_t g) { h.zaehlen(g); });
    }
    if (l != Lesen::Gut) {
        FAV_Leer(ptGraph);
        return meldung(l, datei, FAV_MELDUNGSTITEL);
    }
    FAV_Normierung(ptGraph, h.anzahl, h.summe, h.ueberlauf);
    return Ergebnis::Erfolg();
}

Ergebnis FKF_DATEI(const STRUCT_DATEI& datei, Kurve ptGraph, int erneuernd, Fortschritt& f) {
    const int D = static_cast<int>(ptGraph.size()) - 1;
    if (datei.datei == TYP_FFO && aufgezeichnet(datei) <= static_cast<std::uint64_t>(D)) {
        // Too short for a single product: an empty curve and a word why, not a stale one.
        FKF_Leer(ptGraph);
        return Ergebnis::Fehler("Die Datei ist zu kurz: Für die Fehlerkorrelationsfunktion bis " + std::to_string(D) +
                                    " muss sie mehr als " + std::to_string(D) + " Zeichen enthalten.\n\n" +
                                    datei.szFileName,
                                FKF_MELDUNGSTITEL);
    }
    Lesen l;
    {
        Fortschrittsrahmen rahmen(f, FKF_TITEL_DATEI, TEXT_WIRD_BERECHNET);
        l = datei.datei == TYP_FFO ? fkfFfo(datei, ptGraph, erneuernd, f) : fkfFab(datei, ptGraph, erneuernd, f);
    }
    if (l != Lesen::Gut) {
        FKF_Leer(ptGraph);
        return meldung(l, datei, FKF_MELDUNGSTITEL);
    }
    return Ergebnis::Erfolg();
}

}  // namespace zor
