// zor hex FILE | zor bin FILE: the lines of the hex and bin views for the whole file.
#include "befehle.h"
#include "job_meldungen.h"

#include "core/media/zeilen.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>

namespace zorcli {

namespace {

// The views pad their last lines to the full width; the tool prints lines without
// trailing blanks. Every chunk ends with a line end.
bool ohneEndleerzeichen(std::string_view text) {
    for (std::size_t anfang = 0; anfang < text.size();) {
        const std::size_t ende = std::min(text.find('\n', anfang), text.size());
        std::size_t inhalt = ende;
        while (inhalt > anfang && text[inhalt - 1] == ' ') --inhalt;
        if (std::fwrite(text.data() + anfang, 1, inhalt - anfang, stdout) != inhalt - anfang) return false;
        if (ende < text.size() && std::fputc('\n', stdout) == EOF) return false;
        anfang = ende + 1;
    }
    return true;
}

Ausfuehrung ansichtEinrichten(CLI::App& sub, zor::Ansicht art) {
    auto datei = std::make_shared<std::string>();
    sub.add_option("FILE", *datei, "Beliebige Datei")->required();
    return [datei, art]() {
        const auto e = zor::alleZeilen(art, *datei, ohneEndleerzeichen);
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
