#include "core/media/medienfehler.h"

#include <array>
#include <utility>

namespace zor {
namespace {

// GStreamer's messages as the player passes them on, and Qt's picture reader's.
constexpr std::array<std::pair<std::string_view, std::string_view>, 18> BEKANNT{{
    {"Could not determine type of stream", "Die Art des Datenstroms lässt sich nicht bestimmen."},
    {"No valid frames decoded before end of stream", "Bis zum Ende des Datenstroms ließ sich kein gültiges Bild entschlüsseln."},
    {"Could not decode stream", "Der Datenstrom lässt sich nicht entschlüsseln."},
    {"Could not demultiplex stream", "Der Datenstrom lässt sich nicht in seine Spuren zerlegen."},
    {"Internal data stream error", "Interner Fehler im Datenstrom."},
    {"Internal data flow error", "Interner Fehler im Datenstrom."},
    {"Could not open resource for reading", "Die Datei lässt sich nicht zum Lesen öffnen."},
    {"Could not read from resource", "Aus der Datei lässt sich nicht lesen."},
    {"Resource not found", "Die Datei wurde nicht gefunden."},
    {"Your GStreamer installation is missing a plug-in", "Für dieses Format fehlt ein Modul der Medienwiedergabe."},
    {"Cannot play stream of type", "Datenströme dieser Art lassen sich nicht abspielen."},
    {"This appears to be a text file", "Das ist offenbar eine Textdatei."},
    {"Stream doesn't contain enough data", "Der Datenstrom enthält zu wenige Daten."},
    {"The stream is in the wrong format", "Der Datenstrom hat ein falsches Format."},
    {"Failed to allocate required memory", "Der nötige Speicher ist nicht verfügbar."},
    {"Unsupported image format", "Das Bildformat wird nicht unterstützt."},
    {"Unable to read image data", "Die Bilddaten lassen sich nicht lesen."},
    {"File not found", "Die Datei wurde nicht gefunden."},
}};

}  // namespace

std::optional<std::string> bekannterMedienfehler(std::string_view englisch) {
    for (const auto& [original, deutsch] : BEKANNT)
        if (englisch.starts_with(original)) return std::string(deutsch);
    return std::nullopt;
}

std::string medienfehler(std::string_view englisch) {
    if (auto d = bekannterMedienfehler(englisch)) return *d;
    if (englisch.empty()) return "Die Wiedergabe meldet einen unbekannten Fehler.";
    return "Die Wiedergabe meldet einen Fehler (" + std::string(englisch) + ").";
}

std::string bildfehler(std::string_view englisch) { return bekannterMedienfehler(englisch).value_or(std::string(englisch)); }

}  // namespace zor
