// zor derive VGL OUT: FFO or FAB of a comparison file, chosen by OUT's name.
#include "befehle.h"
#include "job_meldungen.h"
#include "terminal_fortschritt.h"

#include "core/seqfiles/vergleich.h"

#include <memory>

namespace zorcli {

Ausfuehrung deriveEinrichten(CLI::App& sub) {
    struct Optionen {
        std::string vergleich, aus;
    };
    auto o = std::make_shared<Optionen>();
    sub.add_option("VGL", o->vergleich, "Vergleichsdatei")->required();
    sub.add_option("OUT", o->aus, "Ausgabedatei: FFO, wenn der Name .FFO oder .ffo enthält, sonst FAB")->required();
    return [o]() {
        TerminalFortschritt f;
        return jobMelden(zor::FfoOderFabErstellen(o->vergleich, o->aus, f));
    };
}

}  // namespace zorcli
