#include "core/seqfiles/folge_speichern.h"

#include "core/models/fehlerquellen.h"
#include "core/io/dateityp.h"
#include "core/io/formate.h"

#include <array>

namespace zor {

namespace {

// FFO: exactly n characters, progress about 100 times.
template <class Quelle>
bool ffoSchreiben(Quelle& q, long n, Ausgabedatei& aus, Fortschritt& f) {
    std::array<char, 65000> block{};
    std::size_t pos = 0;
    Schritte schritte = Schritte::prozent(static_cast<std::uint64_t>(n));
    for (long i = 0; i < n; ++i) {
        schritte.bis(static_cast<std::uint64_t>(i) + 1, f);
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
bool fabAusBits(Quelle& q, long n, Ausgabedatei& aus) {
    long r = n;
    long c = 1;
    if (r <= 0) return true;
    for (;;) {
        if (q.bit()) {
            if (!SpeichernAbstand(aus, static_cast<std::int32_t>(c))) return false;
            r -= c;
            c = 1;
            if (r <= 0) return true;
        } else {
            if (c >= r) return true;
            ++c;
        }
    }
}

// FAB of BSC by gaps. Set 1 also writes an error that falls on bit N itself.
bool fabBscAbstaende(const float* wert, long n, int satz, Ausgabedatei& aus) {
    BscAbstandQuelle q(wert);
    long g = q.naechster().g;
    long r = n - g;
    while (satz == 0 ? r >= 0 : r > 0) {
        if (!SpeichernAbstand(aus, static_cast<std::int32_t>(g))) return false;
        g = q.naechster().g;
        r -= g;
    }
    return true;
}

// FAB of MC and SW: the last record may reach beyond bit N, so the file covers N bits.
template <class Quelle>
bool fabAusAbstaenden(Quelle& q, long n, Ausgabedatei& aus) {
    long r = n;
    while (r > 0) {
        const long g = q.naechster().g;
        if (!SpeichernAbstand(aus, static_cast<std::int32_t>(g))) return false;
        r -= g;
    }
    return true;
}

bool fabSchreiben(const ZorState& s, int satz, long n, Ausgabedatei& aus) {
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
    Ausgabedatei aus(datei);
    if (!aus.ok()) return Ergebnis::Fehler(TEXT_NICHT_GESCHRIEBEN);
    const long n = durchlaeufe(s, satz);

    bool geschrieben = true;
    if (typ == TYP_FFO) {
        fortschritt.start(datei, TEXT_WIRD_ERZEUGT);
        mitBitQuelle(s, satz, SwStart::Startzustand,
                     [&](auto& q) { geschrieben = ffoSchreiben(q, n, aus, fortschritt); });
        fortschritt.end();
    } else {
        geschrieben = fabSchreiben(s, satz, n, aus);
    }
    if (!geschrieben || !aus.abschliessen()) return Ergebnis::Fehler(TEXT_NICHT_GESCHRIEBEN);
    return Ergebnis::Erfolg();
}

}  // namespace zor
