// zor compare FILE1 FILE2 OUT: the comparison file (byte XOR) of two files of equal length.
#include "befehle.h"
#include "job_meldungen.h"
#include "terminal_fortschritt.h"

#include "core/seqfiles/vergleich.h"

#include <memory>

namespace zorcli {

Ausfuehrung compareEinrichten(CLI::App& sub) {
    struct Optionen {
        std::string datei1, datei2, aus;
    };
    auto o = std::make_shared<Optionen>();
    sub.add_option("FILE1", o->datei1, "1. Datei")->required();
    sub.add_option("FILE2", o->datei2, "2. Datei")->required();
    sub.add_option("OUT", o->aus, "Vergleichsdatei")->required();
    return [o]() {
        TerminalFortschritt f;
        return jobMelden(zor::CompareFile(o->datei1, o->datei2, o->aus, f));
    };
}

}  // namespace zorcli
