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

// What feeding a consumer with the set's sequence brought.
struct Zaehlung {
    bool ok = true;
    bool gezaehlt = false;  // there was a sequence and all of it was counted
    bool abgebrochen = false;
    std::vector<Meldung> meldungen;  // a failure first
};

// Feeds v with the set's sequence: its simulation, or its file through the file's reader.
template <class V>
Zaehlung sequenzZaehlen(const Satzparameter& p, V& v, Fortschritt& f) {
    Zaehlung z;
    if (p.art != Modellart::Datei) {
        if (p.sim == 0 || p.art == Modellart::Inaktiv) return z;
        z.abgebrochen = simulationFehler(p, v, f).abgebrochen;
        z.gezaehlt = !z.abgebrochen;
        return z;
    }
    const STRUCT_DATEI& d = p.Datei;
    std::optional<FfoLeser> ffo;
    std::optional<FabLeser> fab;
    Lesung l;
    if (d.datei == TYP_FFO) {
        ffo.emplace(d.szFileName, Blockleser::STANDARD_BLOCK, aufgezeichnet(d));
        l = ffoFehlerLesen(*ffo, v, f);
    } else {
        fab.emplace(d.szFileName, Blockleser::STANDARD_BLOCK, aufgezeichnet(d));
        l = fabFehlerLesen(*fab, v, f);
    }
    z.abgebrochen = l.abgebrochen;
    if (l.abgebrochen) return z;
    if (l.stand != Lesestand::Gut) {
        z.ok = false;
        z.meldungen.push_back({lesestandText(l.stand, d.szFileName, aufgezeichnet(d), ffo ? &*ffo : nullptr),
                               BUENDEL_MELDUNGSTITEL, Symbol::Ausrufezeichen});
        return z;
    }
    z.gezaehlt = true;
    if (fab)
        for (const std::string& t : fabHinweise(*fab, d.szFileName))
            z.meldungen.push_back({t, BUENDEL_MELDUNGSTITEL, Symbol::Information});
    return z;
}

std::uint32_t msSeit(std::chrono::steady_clock::time_point start) {
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
}

Blockkurven exakteKurven(const Kanalkette& k, const BlockOptionen& o, const std::vector<std::uint64_t>& laengen) {
    return {blockverteilung(k, o.n, o.M), restfehlerkurve(k, laengen, o.t), 0};
}

}  // namespace

Buendelbericht buendelErmitteln(const Satzparameter& p, const BuendelOptionen& o, Fortschritt& f) {
    const auto start = std::chrono::steady_clock::now();
    Buendelbericht b;
    const bool simuliert = p.art != Modellart::Datei;
    Buendelzaehler z(o.schutz, o.punkte, simuliert ? p.Durchlaeufe : 0, simuliert ? o.chargen : 0);
    Zaehlung zaehlung;
    {
        Fortschrittsrahmen rahmen(f, BUENDEL_FORTSCHRITT, TEXT_WIRD_BERECHNET);
        zaehlung = sequenzZaehlen(p, z, f);
    }
    b.ok = zaehlung.ok;
    b.meldungen = std::move(zaehlung.meldungen);
    b.abgebrochen = zaehlung.abgebrochen;
    b.gezaehlt = zaehlung.gezaehlt;
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

Blockbericht bloeckeErmitteln(const Satzparameter& p, const BlockOptionen& o, Fortschritt& f) {
    const auto start = std::chrono::steady_clock::now();
    Blockbericht b;
    b.laengen = blocklaengen(o.nMax, o.punkte);
    const bool verschachtelt = o.tiefe > 1;
    if (const auto k = kanalkette(p)) {
        b.exakt = exakteKurven(*k, o, b.laengen);
        if (verschachtelt) b.exaktVerschachtelt = exakteKurven(zor::verschachtelt(*k, o.tiefe), o, b.laengen);
    }
    Blockzaehler n(o.n, o.M), nv(o.n, o.M, o.tiefe);
    Restfehlerzaehler r(b.laengen, o.t), rv(b.laengen, o.t, o.tiefe);
    Zaehlung zaehlung;
    {
        Fortschrittsrahmen rahmen(f, BLOCK_FORTSCHRITT, TEXT_WIRD_BERECHNET);
        if (verschachtelt) {
            auto alle = gemeinsam(n, r, nv, rv);
            zaehlung = sequenzZaehlen(p, alle, f);
        } else {
            auto beide = gemeinsam(n, r);
            zaehlung = sequenzZaehlen(p, beide, f);
        }
    }
    b.ok = zaehlung.ok;
    b.meldungen = std::move(zaehlung.meldungen);
    b.abgebrochen = zaehlung.abgebrochen;
    if (zaehlung.gezaehlt) {
        b.gezaehlt = Blockkurven{n.anteile(), r.kurve(), n.bloecke()};
        if (verschachtelt) b.gezaehltVerschachtelt = Blockkurven{nv.anteile(), rv.kurve(), nv.bloecke()};
    }
    b.ms = msSeit(start);
    return b;
}

}  // namespace zor
