#include "core/buendel/buendel.h"

#include "core/buendel/chargenmittel.h"

#include <algorithm>

namespace zor {

std::vector<double> Verteilung::abWert() const {
    std::vector<double> p(anzahl.size());
    if (werte == 0) return p;
    std::uint64_t ab = ueberlauf;
    for (std::size_t k = anzahl.size(); k-- > 0;) {
        ab += anzahl[k];
        p[k] = static_cast<double>(ab) / static_cast<double>(werte);
    }
    return p;
}

std::vector<double> Verteilung::genau() const {
    std::vector<double> p(anzahl.size());
    if (werte == 0) return p;
    for (std::size_t k = 0; k < anzahl.size(); ++k) p[k] = static_cast<double>(anzahl[k]) / static_cast<double>(werte);
    return p;
}

Buendelzaehler::Buendelzaehler(std::uint64_t schutz, int K, std::uint64_t bits, int chargen) : finder_(schutz) {
    s_.schutz = schutz < 1 ? 1 : schutz;
    s_.laenge = s_.gewicht = s_.abstand = Verteilung(K);
    if (chargen > 1 && bits >= static_cast<std::uint64_t>(chargen)) {
        chargenlaenge_ = bits / static_cast<std::uint64_t>(chargen);
        chargen_.resize(static_cast<std::size_t>(chargen));
    }
}

void Buendelzaehler::eintragen(const Buendel& b, std::uint64_t abstand) {
    s_.laenge.zaehlen(b.laenge);
    s_.gewicht.zaehlen(b.gewicht);
    if (abstand != 0) s_.abstand.zaehlen(abstand);
    if (chargen_.empty()) return;
    const std::uint64_t letzter = b.anfang + b.laenge - 1;
    Charge& c = chargen_[std::min<std::size_t>(static_cast<std::size_t>(letzter / chargenlaenge_), chargen_.size() - 1)];
    ++c.buendel;
    c.laengen += b.laenge;
    c.gewichte += b.gewicht;
    if (abstand != 0) {
        ++c.abstaende;
        c.abstandssumme += abstand;
    }
}

void Buendelzaehler::ende(std::uint64_t bits) {
    finder_.ende([this](const Buendel& b, std::uint64_t abstand) { eintragen(b, abstand); });
    s_.bits = bits;
}

Buendelstatistik Buendelzaehler::ergebnis() const {
    Buendelstatistik s = s_;
    // Each part's own mean; parts without a burst (or a gap) have none and are left out.
    std::vector<double> teile[3];
    for (const Charge& c : chargen_) {
        if (c.buendel) {
            teile[0].push_back(static_cast<double>(c.laengen) / static_cast<double>(c.buendel));
            teile[1].push_back(static_cast<double>(c.gewichte) / static_cast<double>(c.buendel));
        }
        if (c.abstaende) teile[2].push_back(static_cast<double>(c.abstandssumme) / static_cast<double>(c.abstaende));
    }
    for (const Groesse g : GROESSEN) {
        const auto i = static_cast<std::size_t>(g);
        s.mittel[i].wert = s.von(g).mittel();
        if (s.von(g).werte) s.mittel[i].halbbreite = chargenHalbbreite(teile[i]);
    }
    return s;
}

}  // namespace zor
