#include "app/shell/module.h"

#include "app/dialogs/folge_speichern_laden.h"
#include "app/dialogs/modellwahl_modul.h"
#include "app/dialogs/netem_modul.h"
#include "app/dialogs/optionen_modul.h"
#include "app/documents/dokumente_modul.h"
#include "app/documents/druck_modul.h"
#include "app/documents/protokoll_modul.h"
#include "app/help/hilfe_modul.h"
#include "app/jobs/job_modul.h"
#include "app/jobs/konvertieren_dialog.h"
#include "app/media/bitmap_modul.h"
#include "app/media/grafik_modul.h"
#include "app/media/hexbin_modul.h"
#include "app/media/medien_modul.h"
#include "app/media/midi_modul.h"
#include "app/shell/rahmen_modul.h"
#include "app/shell/versuch_modul.h"

namespace zor::app {

const std::vector<const Modul*>& alleModule() {
    // clang-format off
    static const std::vector<const Modul*> module = {
        &RahmenModul::beschreibung(),
        &HilfeModul::beschreibung(),
        &GrafikModul::beschreibung(),
        &DokumenteModul::beschreibung(),
        &DruckModul::beschreibung(),
        &ProtokollModul::beschreibung(),
        &VersuchModul::beschreibung(),
        &ModellwahlModul::beschreibung(),
        &NetemModul::beschreibung(),
        &OptionenModul::beschreibung(),
        &FolgenModul::beschreibung(),
        &KonvertierenModul::beschreibung(),
        &HexBinModul::beschreibung(),
        &JobModul::beschreibung(),
        &BitmapModul::beschreibung(),
        &MidiModul::beschreibung(),
        &MedienModul::beschreibung(),
    };
    // clang-format on
    return module;
}

}  // namespace zor::app
