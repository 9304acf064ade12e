// zor convert [--force] FILE: FFO <-> FAB, the file's type by the multimedia name rule.
#include "befehle.h"
#include "job_meldungen.h"
#include "terminal_fortschritt.h"

#include "core/io/dateityp.h"
#include "core/seqfiles/konvertieren.h"

#include <filesystem>
#include <iostream>
#include <memory>

namespace zorcli {

Ausfuehrung convertEinrichten(CLI::App& sub) {
    struct Optionen {
        std::string datei;
        bool ersetzen = false;
    };
    auto o = std::make_shared<Optionen>();
    sub.add_option("FILE", o->datei, "FFO- oder FAB-Datei (FFO, wenn der Name .FFO oder .ffo enthält)")->required();
    sub.add_flag("--force", o->ersetzen, "eine vorhandene Ausgabedatei ersetzen");
    return [o]() {
        // The output's name is derived, never typed: like gzip, an existing file there is
        // replaced only when asked for.
        const int ziel = zor::dateitypMultimedia(o->datei) == zor::TYP_FFO ? zor::TYP_FAB : zor::TYP_FFO;
        const std::string ausgabe = zor::konvertierName(o->datei, ziel);
        std::error_code ec;
        if (!o->ersetzen && !o->datei.empty() && std::filesystem::exists(ausgabe, ec)) {
            std::cerr << "Die Ausgabedatei " << ausgabe << " existiert bereits und wird nicht ersetzt"
                      << " (--force ersetzt sie).\n";
            return FALSCHE_EINGABE;
        }
        TerminalFortschritt f;
        return jobMelden(zor::SelectConvertFunction(o->datei, f));
    };
}

}  // namespace zorcli
