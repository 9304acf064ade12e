#include "befehle.h"
#include "deutsch.h"
#include "job_meldungen.h"

#include "core/io/signale.h"

#include <iostream>
#include <vector>

int main(int argc, char** argv) {
    zor::temporaereDateienBeiSignalEntfernen();
    CLI::App app{"zor: Kanalfehlermodelle und Dateiverfälschung von Zorwerk und Multimedia"};
    app.require_subcommand(1);
    zorcli::deutscheHilfe(app);
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
    } catch (const CLI::ParseError& e) {
        std::cerr << "zor: " << zorcli::deutscheFehlermeldung(e) << "\n";
        return zorcli::FALSCHE_EINGABE;
    }
    for (auto& [sub, ausfuehren] : befehle)
        if (sub->parsed()) return zorcli::ausgabeGeprueft(ausfuehren());
    return zorcli::FALSCHE_EINGABE;
}
