#include "app/shell/module.h"

#include "app/hilfe/hilfe_modul.h"
#include "app/media/grafik_modul.h"

namespace zor::app {

namespace {

template <class M>
std::unique_ptr<Befehlsmodul> neu(Kontext& k) {
    return std::make_unique<M>(k);
}

using Fabrik = std::unique_ptr<Befehlsmodul> (*)(Kontext&);

// clang-format off
const Fabrik MODULE[] = {
    &neu<HilfeModul>,
    &neu<GrafikModul>,
};
// clang-format on

}  // namespace

std::vector<std::unique_ptr<Befehlsmodul>> erzeugeModule(Kontext& kontext) {
    std::vector<std::unique_ptr<Befehlsmodul>> module;
    for (Fabrik f : MODULE) module.push_back(f(kontext));
    return module;
}

}  // namespace zor::app
