// zor beispiele [--force] ORDNER: the teaching set of files for the lab.
#include "befehle.h"
#include "job_meldungen.h"

#include "core/beispiele/beispiele.h"

#include <memory>

namespace zorcli {

Ausfuehrung beispieleEinrichten(CLI::App& sub) {
    struct Optionen {
        std::string ordner;
        bool ersetzen = false;
    };
    auto o = std::make_shared<Optionen>();
    sub.add_option("ORDNER", o->ordner, "Zielordner (wird angelegt, wenn er fehlt)")->required();
    sub.add_flag("--force", o->ersetzen, "vorhandene Beispieldateien ersetzen");
    return [o]() {
        const zor::BeispielErgebnis e = zor::beispieleSchreiben(o->ordner, o->ersetzen);
        return jobMelden(e.job, e.ausgaben);
    };
}

}  // namespace zorcli
