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
            if (schritte.abgebrochen() || !aus.schreiben(block.data(), pos)) return false;
            pos = 0;
        }
    }
    return aus.schreiben(block.data(), pos);
}

// FAB from a bit-by-bit procedure: n bits are generated, every error gives a record.
template <class Quelle>
bool fabAusBits(Quelle& q, std::uint64_t n, Ausgabedatei& aus, const Fortschritt& f) {
    std::uint64_t r = n;  // bits not yet generated, counted from the last error
    std::uint64_t c = 1;
    if (r == 0) return true;
    Abbruchfrage abbruch(f, 1u << 20);
    for (;;) {
        if (abbruch.jetzt()) return false;
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
bool fabBscAbstaende(const float* wert, std::uint64_t n, int satz, Ausgabedatei& aus, const Fortschritt& f) {
    BscAbstandQuelle q(wert);
    Abbruchfrage abbruch(f);
    // rest: bits after the last written error up to bit N; the gap g ends within it.
    auto g = static_cast<std::uint64_t>(q.naechster().g);
    const bool mitLetztem = satz == 0;
    for (std::uint64_t rest = n; mitLetztem ? g <= rest : g < rest; g = static_cast<std::uint64_t>(q.naechster().g)) {
        if (abbruch.jetzt() || !SpeichernAbstand(aus, static_cast<std::int32_t>(g))) return false;
        rest -= g;
    }
    return true;
}

// FAB of MC and SW: the last record may reach beyond bit N, so the file covers N bits.
template <class Quelle>
bool fabAusAbstaenden(Quelle& q, std::uint64_t n, Ausgabedatei& aus, const Fortschritt& f) {
    std::uint64_t r = n;
    Abbruchfrage abbruch(f);
    while (r > 0) {
        const auto g = static_cast<std::uint64_t>(q.naechster().g);
        if (abbruch.jetzt() || !SpeichernAbstand(aus, static_cast<std::int32_t>(g))) return false;
        r -= g < r ? g : r;
    }
    return true;
}

bool fabSchreiben(const Satzparameter& p, std::uint64_t n, Ausgabedatei& aus, const Fortschritt& f) {
    switch (p.art) {
    case Modellart::BSC:
        if (p.BSC_simfabs != 0) return fabBscAbstaende(p.Wert.data(), n, p.satz, aus, f);
        {
            BscBitQuelle q(p.Wert.data());
            return fabAusBits(q, n, aus, f);
        }
    case Modellart::GE: {
        GeBitQuelle q(p.Wert.data());
        return fabAusBits(q, n, aus, f);
    }
    case Modellart::MC: {
        McAbstandQuelle q(p.Wert.data());
        return fabAusAbstaenden(q, n, aus, f);
    }
    case Modellart::SW: {
        SwAbstandQuelle q(p.Wert.data(), SwStart::Startzustand);
        return fabAusAbstaenden(q, n, aus, f);
    }
    default:
        return true;  // nothing to generate: an empty file
    }
}

}  // namespace

Ergebnis SaveFolge(const Satzparameter& p, int typ, const std::string& datei, Fortschritt& fortschritt,
                   const Eingaben& geschuetzt) {
    if (auto nein = ausgabeVerweigert(datei, geschuetzt)) return Ergebnis::Fehler(std::move(*nein), TITEL_PROGRAMM, Symbol::Stopp);
    const std::uint64_t n = p.Durchlaeufe;
    // An FFO's size is known before the first bit: one character per bit. A FAB's depends
    // on the errors drawn, so it is not guessed.
    const bool erzeugt = mitBitQuelle(p, SwStart::Startzustand, [](auto&) {});
    if (typ == TYP_FFO && erzeugt)
        if (auto nein = platzVerweigern(datei, n)) return Ergebnis::Fehler(nein->meldungen.front().text, TITEL_PROGRAMM, Symbol::Stopp);
    Ausgabedatei aus(datei, geschuetzt);
    if (!aus.ok()) return Ergebnis::Fehler(mitGrund(TEXT_NICHT_GESCHRIEBEN, aus.fehlernummer()));

    bool geschrieben = true;
    if (typ == TYP_FFO) {
        fortschritt.start(datei, TEXT_WIRD_ERZEUGT);
        mitBitQuelle(p, SwStart::Startzustand,
                     [&](auto& q) { geschrieben = ffoSchreiben(q, n, aus, fortschritt); });
        fortschritt.end();
    } else {
        geschrieben = fabSchreiben(p, n, aus, fortschritt);
    }
    // A cancelled save leaves no file and says nothing: the user asked for it.
    if (fortschritt.abgebrochen()) return Ergebnis{false, {}};
    if (!geschrieben || !aus.abschliessen()) return Ergebnis::Fehler(mitGrund(TEXT_NICHT_GESCHRIEBEN, aus.fehlernummer()));
    return Ergebnis::Erfolg();
}

Ergebnis SaveFolge(const ZorState& s, int satz, int typ, const std::string& datei, Fortschritt& fortschritt) {
    return SaveFolge(satzparameter(s, satz), typ, datei, fortschritt, satzDateien(s));
}

}  // namespace zor
