#include "deutsch.h"

#include <utility>

namespace zorcli {

namespace {

constexpr std::pair<const char*, const char*> LABELS[] = {
    {"Usage", "Aufruf"},         {"OPTIONS", "OPTIONEN"},    {"SUBCOMMAND", "BEFEHL"},
    {"SUBCOMMANDS", "BEFEHLE"},  {"Positionals", "Argumente"}, {"REQUIRED", "PFLICHT"},
    {"TEXT", "WERT"},            {"INT", "ZAHL"},            {"Needs", "braucht"},
    {"Excludes", "schließt aus"},
};

// Longer phrases first, so a shorter one never cuts into a longer one.
constexpr std::pair<const char*, const char*> PHRASEN[] = {
    {"The following arguments were not expected: ", "Unerwartete Angaben: "},
    {"The following argument was not expected: ", "Unerwartete Angabe: "},
    {"A subcommand is required", "Ein Befehl fehlt (zor --help listet sie)"},
    {"Could not convert: ", "Nicht umwandelbar: "},
    {"Expected exactly ", "Erwartet genau "},
    {"Expected at least ", "Erwartet mindestens "},
    {" arguments to ", " Angaben zu "},
    {" is required", " fehlt"},
    {" not in ", " nicht in "},
    {"Run with --help for more information.", "Mehr mit --help."},
};

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
    for (const auto& [englisch, deutsch] : PHRASEN) {
        const std::string alt = englisch;
        for (auto pos = text.find(alt); pos != std::string::npos; pos = text.find(alt, pos)) {
            text.replace(pos, alt.size(), deutsch);
            pos += std::string(deutsch).size();
        }
    }
    return text;
}

}  // namespace zorcli
