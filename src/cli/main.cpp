#include "befehle.h"
#include "deutsch.h"
#include "job_meldungen.h"

#include "core/io/signale.h"
#include "core/util/systemfehler.h"

#include <iostream>
#include <new>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool istBefehl(std::string_view name) {
    for (const zorcli::Befehl& b : zorcli::BEFEHLE)
        if (name == b.name) return true;
    return false;
}

// The unknown command a failed parse started with ("bogus", "corrupt bogus"); empty if none.
std::string unbekannterBefehl(const CLI::App& app, int argc, char** argv) {
    if (argc < 2 || argv[1][0] == '-') return {};
    if (!istBefehl(argv[1])) return argv[1];
    for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; })) {
        if (sub->get_name() != argv[1] || sub->get_require_subcommand_min() == 0) continue;
        if (argc < 3 || argv[2][0] == '-') return {};
        for (const CLI::App* teil : sub->get_subcommands([](const CLI::App*) { return true; }))
            if (teil->get_name() == argv[2]) return {};
        return std::string(argv[1]) + " " + argv[2];
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    zor::temporaereDateienBeiSignalEntfernen();
    CLI::App app{"zor: Kanalfehlermodelle und Dateiverfälschung von Zorwerk und Multimedia"};
    app.require_subcommand(1);
    zorcli::deutscheHilfe(app);
    app.set_version_flag("--version", std::string("zor ") + ZOR_FASSUNG, "Fassung zeigen und beenden");
    std::vector<std::pair<CLI::App*, zorcli::Ausfuehrung>> befehle;
    for (const auto& b : zorcli::BEFEHLE) {
        CLI::App* sub = zorcli::unterbefehl(app, b.name, b.beschreibung);
        befehle.emplace_back(sub, b.einrichten(*sub));
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        if (const std::string name = unbekannterBefehl(app, argc, argv); !name.empty()) {
            std::cerr << "zor: Unbekannter Befehl: " << name << " (zor --help listet sie)\n";
            return zorcli::FALSCHE_EINGABE;
        }
        std::cerr << "zor: " << zorcli::deutscheFehlermeldung(e) << "\n";
        return zorcli::FALSCHE_EINGABE;
    }
    for (auto& [sub, ausfuehren] : befehle) {
        if (!sub->parsed()) continue;
        // An allocation that fails ends the command with a message, not with an abort.
        try {
            return zorcli::ausgabeGeprueft(ausfuehren());
        } catch (const std::bad_alloc&) {
            std::cerr << zor::TEXT_SPEICHERMANGEL << "\n";
            return zorcli::FEHLGESCHLAGEN;
        }
    }
    return zorcli::FALSCHE_EINGABE;
}
