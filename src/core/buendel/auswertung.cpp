#include "core/buendel/auswertung.h"

#include "core/buendel/bloecke.h"
#include "core/buendel/blockzaehler.h"
#include "core/buendel/fehlerstrom.h"
#include "core/buendel/kanalkette.h"
#include "core/io/dateityp.h"

#include <algorithm>
#include <chrono>

namespace zor {

namespace {

std::uint64_t aufgezeichnet(const STRUCT_DATEI& d) { return d.laenge > 0 ? static_cast<std::uint64_t>(d.laenge) : 0; }

// Feeds v with the set's sequence: its simulation, or its file through the file's reader.
// Returns the messages (a failure first); `gezaehlt` says whether there was a sequence.
template <class V>
std::vector<Meldung> sequenzZaehlen(const ZorState& s, int satz, V& v, Fortschritt& f, bool& gezaehlt, bool& ok) {
    std::vector<Meldung> meldungen;
    gezaehlt = false;
    ok = true;
    const Modellart art = modellart(modellVon(s, satz));
    if (art == Modellart::Datei) {
        const STRUCT_DATEI& d = dateiVon(s, satz);
        Lesestand l;
        std::optional<FfoLeser> ffo;
        std::optional<FabLeser> fab;
        if (d.datei == TYP_FFO) {
            ffo.emplace(d.szFileName, Blockleser::STANDARD_BLOCK, aufgezeichnet(d));
            l = ffoFehlerLesen(*ffo, v, f);
        } else {
            fab.emplace(d.szFileName, Blockleser::STANDARD_BLOCK, aufgezeichnet(d));
            l = fabFehlerLesen(*fab, v, f);
        }
        if (l != Lesestand::Gut) {
            ok = false;
            meldungen.push_back({lesestandText(l, d.szFileName, aufgezeichnet(d), ffo ? &*ffo : nullptr),
                                 BUENDEL_MELDUNGSTITEL, Symbol::Ausrufezeichen});
            return meldungen;
        }
        gezaehlt = true;
        if (fab)
            for (const std::string& t : fabHinweise(*fab, d.szFileName))
                meldungen.push_back({t, BUENDEL_MELDUNGSTITEL, Symbol::Information});
        return meldungen;
    }
    if (simVon(s, satz) != 0) gezaehlt = simulationFehler(s, satz, durchlaeufe(s, satz), v, f);
    return meldungen;
}

std::uint32_t msSeit(std::chrono::steady_clock::time_point start) {
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
}

Blockkurven exakteKurven(const Kanalkette& k, const BlockOptionen& o, const std::vector<std::uint64_t>& laengen) {
    return {blockverteilung(k, o.n, o.M), restfehlerkurve(k, laengen, o.t), 0};
}

}  // namespace

Buendelbericht buendelErmitteln(const ZorState& s, int satz, const BuendelOptionen& o, Fortschritt& f) {
    const auto start = std::chrono::steady_clock::now();
    Buendelbericht b;
    const bool simuliert = modellart(modellVon(s, satz)) != Modellart::Datei;
    Buendelzaehler z(o.schutz, o.punkte, simuliert ? durchlaeufe(s, satz) : 0, simuliert ? o.chargen : 0);
    {
        Fortschrittsrahmen rahmen(f, BUENDEL_FORTSCHRITT, TEXT_WIRD_BERECHNET);
        b.meldungen = sequenzZaehlen(s, satz, z, f, b.gezaehlt, b.ok);
    }
    b.simuliert = simuliert && b.gezaehlt;
    if (b.gezaehlt) b.statistik = z.ergebnis();
    b.ms = msSeit(start);
    return b;
}

std::vector<std::uint64_t> blocklaengen(std::uint64_t nMax, int punkte) {
    std::vector<std::uint64_t> n;
    const auto p = static_cast<std::uint64_t>(std::max(punkte, 1));
    for (std::uint64_t i = 1; i <= p; ++i) {
        const std::uint64_t l = (i * nMax + p - 1) / p;
        if (l >= 1 && (n.empty() || l > n.back())) n.push_back(l);
    }
    return n;
}

Blockbericht bloeckeErmitteln(const ZorState& s, int satz, const BlockOptionen& o, Fortschritt& f) {
    const auto start = std::chrono::steady_clock::now();
    Blockbericht b;
    b.laengen = blocklaengen(o.nMax, o.punkte);
    const bool verschachtelt = o.tiefe > 1;
    if (const auto k = kanalkette(s, satz)) {
        b.exakt = exakteKurven(*k, o, b.laengen);
        if (verschachtelt) b.exaktVerschachtelt = exakteKurven(zor::verschachtelt(*k, o.tiefe), o, b.laengen);
    }
    Blockzaehler p(o.n, o.M), pv(o.n, o.M, o.tiefe);
    Restfehlerzaehler r(b.laengen, o.t), rv(b.laengen, o.t, o.tiefe);
    bool gezaehlt = false;
    {
        Fortschrittsrahmen rahmen(f, BLOCK_FORTSCHRITT, TEXT_WIRD_BERECHNET);
        if (verschachtelt) {
            auto alle = gemeinsam(p, r, pv, rv);
            b.meldungen = sequenzZaehlen(s, satz, alle, f, gezaehlt, b.ok);
        } else {
            auto beide = gemeinsam(p, r);
            b.meldungen = sequenzZaehlen(s, satz, beide, f, gezaehlt, b.ok);
        }
    }
    if (gezaehlt) {
        b.gezaehlt = Blockkurven{p.anteile(), r.kurve(), p.bloecke()};
        if (verschachtelt) b.gezaehltVerschachtelt = Blockkurven{pv.anteile(), rv.kurve(), pv.bloecke()};
    }
    b.ms = msSeit(start);
    return b;
}

}  // namespace zor
