#include "core/seqfiles/folge_speichern.h"

#include "core/models/fehlerquellen.h"
#include "core/io/dateijob.h"
#include "core/io/dateityp.h"
#include "core/seqfiles/dateiquelle.h"
#include "core/io/formate.h"
#include "core/util/systemfehler.h"

#include <array>

namespace zor {

namespace {

// FFO: exactly n characters, progress about 100 times.
template <class Quelle>
bool ffoSchreiben(Quelle& q, std::uint64_t n, Ausgabedatei& aus, Fortschritt& f) {
    std::array<char, 65000> block{};
    std::size_t pos = 0;
    Schritte schritte = Schritte::prozent(n);
    for (std::uint64_t i = 0; i < n; ++i) {
        schritte.bis(i + 1, f);
        block[pos++] = q.bit() ? FFO_FEHLER : FFO_KORREKT;
        if (pos == block.size()) {
            if (!aus.schreiben(block.data(), pos)) return false;
            pos = 0;
        }
    }
    return aus.schreiben(block.data(), pos);
}

// FAB from a bit-by-bit procedure: n bits are generated, every error gives a record.
template <class Quelle>
bool fabAusBits(Quelle& q, std::uint64_t n, Ausgabedatei& aus) {
    std::uint64_t r = n;  // bits not yet generated, counted from the last error
    std::uint64_t c = 1;
    if (r == 0) return true;
    for (;;) {
        if (q.bit()) {
            if (!SpeichernAbstand(aus, static_cast<std::int32_t>(c))) return false;
            if (c >= r) return true;
            r -= c;
            c = 1;
        } else {
            if (c >= r) return true;
            ++c;
        }
    }
}

// FAB of BSC by gaps. Set 1 also writes an error that falls on bit N itself.
bool fabBscAbstaende(const float* wert, std::uint64_t n, int satz, Ausgabedatei& aus) {
    BscAbstandQuelle q(wert);
    // rest: bits after the last written error up to bit N; the gap g ends within it.
    auto g = static_cast<std::uint64_t>(q.naechster().g);
    for (std::uint64_t rest = n; satz == 0 ? g <= rest : g < rest; g = static_cast<std::uint64_t>(q.naechster().g)) {
        if (!SpeichernAbstand(aus, static_cast<std::int32_t>(g))) return false;
        rest -= g;
    }
    return true;
}

// FAB of MC and SW: the last record may reach beyond bit N, so the file covers N bits.
template <class Quelle>
bool fabAusAbstaenden(Quelle& q, std::uint64_t n, Ausgabedatei& aus) {
    std::uint64_t r = n;
    while (r > 0) {
        const auto g = static_cast<std::uint64_t>(q.naechster().g);
        if (!SpeichernAbstand(aus, static_cast<std::int32_t>(g))) return false;
        r -= g < r ? g : r;
    }
    return true;
}

bool fabSchreiben(const ZorState& s, int satz, std::uint64_t n, Ausgabedatei& aus) {
    switch (modellart(modellVon(s, satz))) {
    case Modellart::BSC:
        if (bscSimfabsVon(s, satz) != 0) return fabBscAbstaende(bscWerte(s, satz).data(), n, satz, aus);
        {
            BscBitQuelle q(bscWerte(s, satz).data());
            return fabAusBits(q, n, aus);
        }
    case Modellart::GE: {
        GeBitQuelle q(geWerte(s, satz).data());
        return fabAusBits(q, n, aus);
    }
    case Modellart::MC: {
        McAbstandQuelle q(mcWerte(s, satz).data());
        return fabAusAbstaenden(q, n, aus);
    }
    case Modellart::SW: {
        SwAbstandQuelle q(swWerte(s, satz).data(), SwStart::Startzustand);
        return fabAusAbstaenden(q, n, aus);
    }
    default:
        return true;  // nothing to generate: an empty file
    }
}

}  // namespace

Ergebnis SaveFolge(const ZorState& s, int satz, int typ, const std::string& datei, Fortschritt& fortschritt) {
    const Eingaben eingaben = satzDateien(s);
    if (auto nein = ausgabeVerweigert(datei, eingaben)) return Ergebnis::Fehler(std::move(*nein), TITEL_PROGRAMM, Symbol::Stopp);
    const std::uint64_t n = durchlaeufe(s, satz);
    // An FFO's size is known before the first bit: one character per bit. A FAB's depends
    // on the errors drawn, so it is not guessed.
    const bool erzeugt = mitBitQuelle(s, satz, SwStart::Startzustand, [](auto&) {});
    if (typ == TYP_FFO && erzeugt)
        if (auto nein = platzVerweigern(datei, n)) return Ergebnis::Fehler(nein->meldungen.front().text, TITEL_PROGRAMM, Symbol::Stopp);
    Ausgabedatei aus(datei, eingaben);
    if (!aus.ok()) return Ergebnis::Fehler(mitGrund(TEXT_NICHT_GESCHRIEBEN, aus.fehlernummer()));

    bool geschrieben = true;
    if (typ == TYP_FFO) {
        fortschritt.start(datei, TEXT_WIRD_ERZEUGT);
        mitBitQuelle(s, satz, SwStart::Startzustand,
                     [&](auto& q) { geschrieben = ffoSchreiben(q, n, aus, fortschritt); });
        fortschritt.end();
    } else {
        geschrieben = fabSchreiben(s, satz, n, aus);
    }
    if (!geschrieben || !aus.abschliessen()) return Ergebnis::Fehler(mitGrund(TEXT_NICHT_GESCHRIEBEN, aus.fehlernummer()));
    return Ergebnis::Erfolg();
}

}  // namespace zor
