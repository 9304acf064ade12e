#pragma once
// CLI11 speaks English; the tool speaks German like the rest of the program.

#include <CLI/CLI.hpp>

#include <string>

namespace zorcli {

// German labels, group names and help flag; call before adding subcommands, which inherit them.
void deutscheHilfe(CLI::App& app);

// A subcommand listed under "Befehle", its help flag under "Optionen".
CLI::App* unterbefehl(CLI::App& eltern, const char* name, const char* beschreibung);

// The parse error's message in German: CLI11's fixed English patterns translated, names and
// values kept; an unknown message becomes a general German line.
std::string deutscheFehlermeldung(const CLI::ParseError& e);

}  // namespace zorcli
