#include "deutsch.h"

#include <regex>
#include <utility>

namespace zorcli {

namespace {

constexpr std::pair<const char*, const char*> LABELS[] = {
    {"Usage", "Aufruf"},         {"OPTIONS", "OPTIONEN"},    {"SUBCOMMAND", "BEFEHL"},
    {"SUBCOMMANDS", "BEFEHLE"},  {"Positionals", "Argumente"}, {"REQUIRED", "PFLICHT"},
    {"TEXT", "WERT"},            {"INT", "ZAHL"},            {"Needs", "braucht"},
    {"Excludes", "schließt aus"},
};

// CLI11's messages as whole patterns, the first match wins. Every message CLI11 raises
// while parsing has a row; the captures carry names and values over.
struct Muster {
    const char* englisch;
    const char* deutsch;
};
const Muster MUSTER[] = {
    {R"(The following arguments were not expected: (.*))", "Unerwartete Angaben: $1"},
    {R"(The following argument was not expected: (.*))", "Unerwartete Angabe: $1"},
    {R"(A subcommand is required)", "Ein Befehl fehlt (zor --help listet sie)"},
    {R"(Requires at least (\d+) subcommands)", "Mindestens $1 Befehle nötig"},
    {R"(Could not convert: (.*) = (.*))", "Nicht umwandelbar: $1 = $2"},
    {R"(The value (.*) is not an allowed value for (.*))", "Der Wert $1 ist für $2 nicht erlaubt"},
    {R"((\S+): too many inputs for a flag)", "$1: zu viele Werte für einen Schalter"},
    {R"((\S+): Should be true/false or a number)", "$1: erwartet true, false oder eine Zahl"},
    {R"(Expected exactly (\d+) arguments to (\S+), got (\d+))", "$2 erwartet genau $1 Angaben, erhielt $3"},
    {R"(Expected at least (\d+) arguments to (\S+), got (\d+))", "$2 erwartet mindestens $1 Angaben, erhielt $3"},
    {R"((\S+): At least (\d+) required but received (\d+))", "$1: mindestens $2 nötig, aber $3 angegeben"},
    {R"((\S+): At Most (\d+) required but received (\d+))", "$1: höchstens $2 erlaubt, aber $3 angegeben"},
    {R"((\S+): (\d+) required \S+ missing)", "$1: der Wert fehlt"},
    {R"((\S+) was given a disallowed flag override)", "$1: dieser Wert ist für den Schalter nicht erlaubt"},
    {R"(Exactly 1 option from \[(.*)\] is required and (\d+) were given)",
     "Genau eine Option aus [$1] ist nötig, angegeben waren $2"},
    {R"(Exactly 1 option from \[(.*)\])", "Genau eine Option aus [$1] ist nötig"},
    {R"(At least 1 option from \[(.*)\])", "Mindestens eine Option aus [$1] ist nötig"},
    {R"(Requires at most 1 options be given from \[(.*)\])", "Höchstens eine Option aus [$1] ist erlaubt"},
    {R"(Requires at (least|most) (\d+) options be used and (\d+) ?were given from \[(.*)\])",
     "Falsche Anzahl von Optionen aus [$4]: $3 angegeben"},
    {R"((\S+) requires (\S+))", "$1 braucht $2"},
    {R"((\S+) excludes (\S+))", "$1 schließt $2 aus"},
    {R"((.*) is required)", "$1 fehlt"},
    {R"((\S+) not found)", "$1 nicht gefunden"},
    {R"((\S+): Too many positional arguments with unlimited expected args)", "$1: zu viele Angaben"},
    {R"((\S+): (.*) not in (\{.*\}))", "$1: $2 nicht in $3"},
    {R"((\S+): Value (.*) not in range (.*) to (.*))", "$1: Wert $2 nicht im Bereich $3 bis $4"},
    {R"((\S+): Value (.*) could not be converted.*)", "$1: Wert $2 nicht umwandelbar"},
    {R"((\S+): Failed parsing (.*) as a .*)", "$1: $2 ist keine gültige Zahl"},
    // A validator that could not even read the value names only the option and the value.
    {R"((-\S+|[A-Z]+): ([^ ]*))", "$1: ungültiger Wert $2"},
};

constexpr const char* TEXT_UNBEKANNT = "Ungültiger Aufruf (zor --help zeigt, was möglich ist)";

}  // namespace

void deutscheHilfe(CLI::App& app) {
    app.option_defaults()->group("Optionen");
    app.set_help_flag("-h,--help", "Diese Hilfe zeigen und beenden");
    auto f = app.get_formatter();
    for (const auto& [englisch, deutsch] : LABELS) f->label(englisch, deutsch);
}

CLI::App* unterbefehl(CLI::App& eltern, const char* name, const char* beschreibung) {
    CLI::App* sub = eltern.add_subcommand(name, beschreibung);
    sub->group("Befehle");
    sub->get_help_ptr()->group("Optionen");
    return sub;
}

std::string deutscheFehlermeldung(const CLI::ParseError& e) {
    std::string text = e.what();
    if (const auto ende = text.find(" Run with --help"); ende != std::string::npos) text.resize(ende);
    for (const Muster& m : MUSTER) {
        const std::regex muster(m.englisch);
        if (std::regex_match(text, muster)) return std::regex_replace(text, muster, m.deutsch);
    }
    // Anything else would stay English; a plain German line is better than that.
    return TEXT_UNBEKANNT;
}

}  // namespace zorcli
