#include "app/shell/startargumente.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace zor::app {

namespace {

enum class Wirkung { Hilfe, Fassung, FuerQt };

struct Argument {
    const char* namen[2];
    int werte;            // how many following arguments belong to it
    Wirkung wirkung;
    const char* hilfe;    // empty: not listed (Qt's options)
};

// clang-format off
constexpr Argument ARGUMENTE[] = {
    {{"--help", "-h"}, 0, Wirkung::Hilfe, "diese Hilfe zeigen und beenden"},
    {{"--version", "-v"}, 0, Wirkung::Fassung, "Fassung zeigen und beenden"},
    // Qt's application options, taken by QApplication itself.
    {{"-platform", nullptr}, 1, Wirkung::FuerQt, ""},
    {{"-platformpluginpath", nullptr}, 1, Wirkung::FuerQt, ""},
    {{"-platformtheme", nullptr}, 1, Wirkung::FuerQt, ""},
    {{"-plugin", nullptr}, 1, Wirkung::FuerQt, ""},
    {{"-display", nullptr}, 1, Wirkung::FuerQt, ""},
    {{"-geometry", nullptr}, 1, Wirkung::FuerQt, ""},
    {{"-qwindowgeometry", nullptr}, 1, Wirkung::FuerQt, ""},
    {{"-qwindowtitle", nullptr}, 1, Wirkung::FuerQt, ""},
    {{"-qwindowicon", nullptr}, 1, Wirkung::FuerQt, ""},
    {{"-style", nullptr}, 1, Wirkung::FuerQt, ""},
    {{"-stylesheet", nullptr}, 1, Wirkung::FuerQt, ""},
    {{"-session", nullptr}, 1, Wirkung::FuerQt, ""},
    {{"-reverse", nullptr}, 0, Wirkung::FuerQt, ""},
    {{"-widgetcount", nullptr}, 0, Wirkung::FuerQt, ""},
};
// clang-format on

const Argument* finden(std::string_view text) {
    for (const Argument& a : ARGUMENTE)
        for (const char* n : a.namen)
            if (n && text == n) return &a;
    // Qt reads "--style" as "-style".
    if (text.starts_with("--"))
        if (const Argument* a = finden(text.substr(1)); a && a->wirkung == Wirkung::FuerQt) return a;
    return nullptr;
}

std::string hilfetext() {
    std::string t =
        "Aufruf: zorwerk [OPTION] [DATEI]...\n\n"
        "Zorwerk und Multimedia: Lehr-Werkbank für Fehlermodelle digitaler Kanäle und ihre\n"
        "Wirkung auf Bilder, Töne und Videos. Ohne Option startet das Fenster; jede DATEI\n"
        "öffnet es im passenden Fenster (Fehlerfolge .ffo und Fehlerabstand .fab binär,\n"
        "Bilder als Bitmap, Vergleichsdatei .vgl und andere Dateien hexadezimal); ein Versuch\n"
        ".zorversuch stellt beide Parametersätze und seine Fenster im Zorwerk wieder her. Läuft\n"
        "das Programm schon, öffnet es die Dateien dort und kommt nach vorn. Ohne DATEI bietet\n"
        "es den Versuch der letzten Sitzung an.\n\n"
        "Optionen:\n";
    for (const Argument& a : ARGUMENTE) {
        if (*a.hilfe == '\0') continue;
        std::string namen = std::string(a.namen[0]) + (a.namen[1] ? std::string(", ") + a.namen[1] : "");
        namen.resize(std::max<std::size_t>(namen.size() + 2, 18), ' ');
        t += "  " + namen + a.hilfe + "\n";
    }
    t += "\nOhne Fenster rechnet das Werkzeug zor dasselbe (zor --help); Kurvenbilder ohne\n"
         "Fenster zeichnet zorwerk-render. Handbuch: man zorwerk.\n";
    return t;
}

}  // namespace

Startargumente startargumenteLesen(int argc, const char* const* argv, const char* fassung) {
    Startargumente s;
    for (int i = 1; i < argc; ++i) {
        const std::string_view text = argv[i];
        if (!text.empty() && text[0] != '-') {
            s.dateien.emplace_back(text);
            continue;
        }
        const Argument* a = finden(text);
        if (!a) {
            s = {false, 2, {},
                 "zorwerk: Unbekanntes Argument \"" + std::string(text) + "\". zorwerk --help zeigt die Optionen.\n"};
            return s;
        }
        if (i + a->werte >= argc) {
            s = {false, 2, {}, "zorwerk: Zu " + std::string(text) + " fehlt ein Wert.\n"};
            return s;
        }
        if (a->namen[0] == std::string_view("-platform")) s.plattformGewaehlt = true;
        i += a->werte;
        switch (a->wirkung) {
        case Wirkung::Hilfe: return {false, 0, hilfetext(), {}};
        case Wirkung::Fassung: return {false, 0, std::string("zorwerk ") + fassung + "\n", {}};
        case Wirkung::FuerQt: break;
        }
    }
    return s;
}

std::string bildschirmFehlt(const Startargumente& s) {
    const auto gesetzt = [](const char* name) {
        const char* v = std::getenv(name);
        return v && *v;
    };
    if (s.plattformGewaehlt || gesetzt("DISPLAY") || gesetzt("WAYLAND_DISPLAY") || gesetzt("QT_QPA_PLATFORM")) return {};
    return "zorwerk: Kein Bildschirm gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).\n"
           "Ohne Bildschirm startet das Fenster mit:  xvfb-run zorwerk\n"
           "Ohne Fenster rechnet das Werkzeug zor dasselbe:  zor --help\n";
}

}  // namespace zor::app
