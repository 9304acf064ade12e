#include "app/context/texte.h"

#include <unordered_map>

namespace zor::app {
namespace {

const std::unordered_map<int, const char*>& tabelle() {
    static const std::unordered_map<int, const char*> t = {
        {1200, "Zorwerk und Multimedia"},
        {4066, "Multimedia und Zorwerk"},
        {112, "Video - Keine Datei"},
        {352, "Datei kann nicht geöffnet werden"},
        {TEXT_LAEUFT_BEREITS,
         "Fehler in WinMain\nZorwerk läuft bereits; das laufende Programm ist jetzt im Vordergrund."},
        {TEXT_PARTNER_FRAGE, "Mit welchem Fenster?"},
        {TEXT_KEINE_ANDERE_DATEIANSICHT,
         "Zum Vergleichen ist ein zweites Hex- oder Bin-Fenster nötig: Öffnen Sie die andere Datei zuerst."},
        {TEXT_KEIN_GLEICH_GROSSES_BILD,
         "Zum Koppeln ist ein zweites Bitmap-Fenster mit einem gleich großen Bild nötig: Öffnen Sie es zuerst."},
        {TEXT_LETZTER_VERSUCH_FRAGE, "Den Versuch der letzten Sitzung wiederherstellen?"},
    };
    return t;
}

}  // namespace

QString text(int id) {
    const auto& t = tabelle();
    auto it = t.find(id);
    return it == t.end() ? QString() : QString::fromUtf8(it->second);
}

}  // namespace zor::app
