// zor netem MODEL: the loss model of the Linux network emulator for a BSC or GE set.
#include "befehle.h"
#include "modell_optionen.h"

#include "core/models/netem.h"

#include <iostream>
#include <memory>

namespace zorcli {

Ausfuehrung netemEinrichten(CLI::App& sub) {
    auto o = std::make_shared<ModellOptionen>();
    modellOptionenHinzufuegen(sub, *o);

    return [o]() {
        const auto wahl = satzAusOptionen(*o, 0, true);
        if (wahl.ablehnung) return ablehnen(*wahl.ablehnung);
        const auto zeile = zor::netemZeile(wahl.satz);
        if (!zeile) {
            std::cerr << zor::TEXT_NETEM_NUR_BSC_GE << '\n';
            return FALSCHE_EINGABE;
        }
        std::cout << *zeile << '\n';
        return ERFOLG;
    };
}

}  // namespace zorcli
