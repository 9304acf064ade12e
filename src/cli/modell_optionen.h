#pragma once
// The MODEL options shared by the subcommands that work on a parameter set:
// --model bsc|ge|mc|sw|file with the model's parameters, --preset NAME, or --netem LINE
// (a loss model of the Linux network emulator), each with [--seed S] [--n N]. Missing
// parameters default to the start values of set 1.

#include "befehle.h"
#include "core/models/eingaberegeln.h"
#include "core/models/satzparameter.h"

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

namespace zorcli {

struct ModellOptionen {
    std::string model;
    std::string preset;
    bool gaps = false;
    std::optional<std::string> p, pgb, pbg, good, bad, pz1, pz2, pz3, e1, e2, e3, file, seed, n;
    std::optional<std::string> netem;
    std::optional<std::string> versuch;
    int versuchssatz = 1;
};

// Adds the options to a subcommand; `o` must outlive the parse.
void modellOptionenHinzufuegen(CLI::App& sub, ModellOptionen& o);

// A refused input: the German message for stderr and the exit code.
struct Ablehnung {
    std::string text;
    int code = FALSCHE_EINGABE;
};

// The chosen model's parameters as set `satz` (0 or 1), simulated unless `theorie`;
// or the refusal of the options.
struct Satzwahl {
    zor::Satzparameter satz;
    std::optional<Ablehnung> ablehnung;
};
// `kurve`: a curve command, where an experiment's choice of the formula counts.
Satzwahl satzAusOptionen(const ModellOptionen& o, int satz, bool theorie, bool kurve = false);

// "Eingabefehler bei OPTION ("TEXT"): rule", the text left out when null.
std::string eingabefehler(const std::string& option, const std::string* text, zor::Eingaberegel regel);

// Prints the refusal and returns its exit code.
int ablehnen(const Ablehnung& a);

// The curves' abscissa D (--points, --lags), or nothing after printing the refusal.
std::optional<int> abszisseLesen(const std::string& text);

}  // namespace zorcli
