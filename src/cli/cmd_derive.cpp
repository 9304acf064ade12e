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
        zor::JobErgebnis e = zor::FfoOderFabErstellen(o->vergleich, o->aus, f);
        // The sequence job has no success message of its own; the tool says the same for both.
        if (e && e.meldungen.empty())
            e.melden(zor::format(zor::TEXT_ABSTAND_ERSTELLT, o->aus.c_str()), zor::TITEL_PROGRAMM, zor::Symbol::Information);
        return jobMelden(e);
    };
}

}  // namespace zorcli
