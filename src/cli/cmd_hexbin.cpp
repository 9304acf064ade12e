// zor hex FILE | zor bin FILE: the lines of the hex and bin views for the whole file.
#include "befehle.h"
#include "job_meldungen.h"

#include "core/media/zeilen.h"

#include <cstdio>
#include <iostream>
#include <memory>

namespace zorcli {

namespace {

Ausfuehrung ansichtEinrichten(CLI::App& sub, zor::Ansicht art) {
    auto datei = std::make_shared<std::string>();
    sub.add_option("FILE", *datei, "Beliebige Datei")->required();
    return [datei, art]() {
        const auto e = zor::alleZeilen(art, *datei, [](std::string_view text) {
            return std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
        });
        if (!e) {
            std::cerr << (e.meldung.text.empty() ? TEXT_STANDARDAUSGABE : e.meldung.text) << "\n";
            return FEHLGESCHLAGEN;
        }
        return ERFOLG;
    };
}

}  // namespace

Ausfuehrung hexEinrichten(CLI::App& sub) { return ansichtEinrichten(sub, zor::Ansicht::Hex); }
Ausfuehrung binEinrichten(CLI::App& sub) { return ansichtEinrichten(sub, zor::Ansicht::Bin); }

}  // namespace zorcli
