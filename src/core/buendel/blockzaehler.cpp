#include "core/buendel/blockzaehler.h"

#include <algorithm>

namespace zor {

Blockzaehler::Blockzaehler(std::uint64_t n, int M, std::uint64_t tiefe)
    : v_(std::max<std::uint64_t>(tiefe, 1), std::max<std::uint64_t>(n, 1)),
      tiefe_(v_.tiefe()),
      anzahl_(static_cast<std::size_t>(std::max(M, 0)) + 2),
      zaehler_(static_cast<std::size_t>(v_.tiefe())) {}

void Blockzaehler::abschliessen() {
    const std::uint64_t letzt = anzahl_.size() - 1;
    for (std::uint64_t& z : zaehler_) {
        ++anzahl_[static_cast<std::size_t>(std::min(z, letzt))];
        z = 0;
    }
    bloecke_ += zaehler_.size();
}

// Frames between the current one and the next error's hold only correct blocks.
void Blockzaehler::wechseln(std::uint64_t rahmen) {
    abschliessen();
    const std::uint64_t leer = (rahmen - aktuell_ - 1) * v_.tiefe();
    anzahl_[0] += leer;
    bloecke_ += leer;
    aktuell_ = rahmen;
    anfang_ = rahmen * v_.rahmen();
}

void Blockzaehler::ende(std::uint64_t bits) {
    const std::uint64_t volle = bits / v_.rahmen();
    if (aktuell_ < volle) {
        wechseln(volle);
    } else {
        std::fill(zaehler_.begin(), zaehler_.end(), 0);  // errors of the incomplete last frame
    }
    aktuell_ = volle;
    anfang_ = volle * v_.rahmen();
}

std::vector<double> Blockzaehler::anteile() const {
    std::vector<double> p(anzahl_.size());
    if (bloecke_ == 0) return p;
    for (std::size_t m = 0; m < p.size(); ++m) p[m] = static_cast<double>(anzahl_[m]) / static_cast<double>(bloecke_);
    return p;
}

Restfehlerzaehler::Restfehlerzaehler(std::span<const std::uint64_t> laengen, int t, std::uint64_t tiefe) {
    zaehler_.reserve(laengen.size());
    for (const std::uint64_t n : laengen) zaehler_.emplace_back(n, t, tiefe);
}

std::vector<double> Restfehlerzaehler::kurve() const {
    std::vector<double> r;
    for (const Blockzaehler& z : zaehler_) r.push_back(z.anteile().back());
    return r;
}

}  // namespace zor
