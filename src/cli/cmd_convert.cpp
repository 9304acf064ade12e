// zor convert FILE: FFO <-> FAB, the file's type by the multimedia name rule.
#include "befehle.h"
#include "job_meldungen.h"
#include "terminal_fortschritt.h"

#include "core/seqfiles/konvertieren.h"

#include <memory>

namespace zorcli {

Ausfuehrung convertEinrichten(CLI::App& sub) {
    auto datei = std::make_shared<std::string>();
    sub.add_option("FILE", *datei, "FFO- oder FAB-Datei (FFO, wenn der Name .FFO oder .ffo enthält)")->required();
    return [datei]() {
        TerminalFortschritt f;
        return jobMelden(zor::SelectConvertFunction(*datei, f));
    };
}

}  // namespace zorcli
