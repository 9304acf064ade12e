#include "befehle.h"
#include "deutsch.h"
#include "job_meldungen.h"

#include "core/io/signale.h"

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool istBefehl(std::string_view name) {
    for (const zorcli::Befehl& b : zorcli::BEFEHLE)
        if (name == b.name) return true;
    return false;
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
        if (argc > 1 && argv[1][0] != '-' && !istBefehl(argv[1])) {
            std::cerr << "zor: Unbekannter Befehl: " << argv[1] << " (zor --help listet sie)\n";
            return zorcli::FALSCHE_EINGABE;
        }
        std::cerr << "zor: " << zorcli::deutscheFehlermeldung(e) << "\n";
        return zorcli::FALSCHE_EINGABE;
    }
    for (auto& [sub, ausfuehren] : befehle)
        if (sub->parsed()) return zorcli::ausgabeGeprueft(ausfuehren());
    return zorcli::FALSCHE_EINGABE;
}
