#include "app/shell/module.h"

#include "app/documents/dokumente_modul.h"
#include "app/documents/druck_modul.h"
#include "app/dialogs/folge_speichern_laden.h"
#include "app/dialogs/modellwahl_modul.h"
#include "app/dialogs/optionen_modul.h"
#include "app/jobs/konvertieren_dialog.h"
#include "app/help/hilfe_modul.h"
#include "app/jobs/job_modul.h"
#include "app/media/grafik_modul.h"
#include "app/media/hexbin_modul.h"
#include "app/media/bitmap_modul.h"
#include "app/media/midi_modul.h"
#include "app/media/medien_modul.h"

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
    &neu<DokumenteModul>,
    &neu<DruckModul>,
    &neu<ModellwahlModul>,
    &neu<OptionenModul>,
    &neu<FolgenModul>,
    &neu<KonvertierenModul>,
    &neu<HexBinModul>,
    &neu<JobModul>,
    &neu<BitmapModul>,
    &neu<MidiModul>,
    &neu<MedienModul>,
};
// clang-format on

}  // namespace

std::vector<std::unique_ptr<Befehlsmodul>> erzeugeModule(Kontext& kontext) {
    std::vector<std::unique_ptr<Befehlsmodul>> module;
    for (Fabrik f : MODULE) module.push_back(f(kontext));
    return module;
}

}  // namespace zor::app
