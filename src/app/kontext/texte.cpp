#include "app/kontext/texte.h"

#include <unordered_map>

namespace zor::app {
namespace {

const std::unordered_map<int, const char*>& tabelle() {
    static const std::unordered_map<int, const char*> t = {
        // Window classes and titles.
        {1333, "Frame Window"},
        {1200, "Zorwerk und Multimedia"},
        {4066, "Multimedia und Zorwerk"},
        {1202, "Hex window"},
        {1203, "Bin Window"},
        {86, "Bitmap Window"},
        {83, "Graphic Class"},
        {203, "Hex Class"},
        {277, "Bin Class"},
        {201, "Bitmap Class"},
        {205, "Graphic Window"},
        {149, "Fehlerfolge"},
        {148, "Fehlerkorrelationsfunktion"},
        {159, "Fehlerabstandsverteilung"},
        {144, "Parameter"},
        {141, "Fehlerfolge"},
        {137, "Fehlerkorrelationsfunktion"},
        {126, "Fehlerabstandsverteilung"},
        {143, "Parameter"},
        {122, "New Video Class"},
        {112, "New Video Class"},
        // Messages.
        {352, "Datei kann nicht geöffnet werden"},
        // Command hints and tooltips.
        {1, "Zeigt das Skriptum an"},
        {2, "Hilfe über Microsoft Hilfesystem"},
        {228, "Einstellungen für das FAV-Dokument!"},
        {229, "Einstellungen für FKF-Dokument!"},
        {238, "Beendet die Anwendung! "},
        {250, "Die neuen Einstellungen auf Dokumente übertragen (aktualisieren)!"},
        {253, "Öffnet alle 4 ZOR-Dokumente!"},
        {254, "Erstellt ein Fehlerfolge-Dokument!"},
        {255, "Erstellt ein Fehlerkorrelationsfunktion-Dokument!"},
        {256, "Erstellt ein Fehlerabstandsverteilung-Dokument!"},
        {257, "Erstellt ein Parameter-Dokument!"},
        {279, "Verfälschung einer Datei nach MC-Modell"},
        {280, "Verfälschung einer Datei nach GE-Modell"},
        {281, "Verfälschung einer Datei nach BSC-Modell"},
        {283, "Verfälschung einer Datei durch eine Fehlerfolge- bzw. Fehlerabstand-Datei"},
        {500, "Speichert Parameterwahl_1 als Fehlerfolge bzw. Fehlerabstand!"},
        {501, "Speichert Parameterwahl_2 als Fehlerfolge bzw. Fehlerabstand!"},
        {502, "Konvertiert Fehlerfolge nach Fehlerabstand und umgekehrt!"},
        {503, "Druckt das aktive Dokument!"},
        {507, "BSC-Modell!"},
        {508, "GE-Modell!"},
        {509, "MC-Modell!"},
        {510, "SW-Modell (Dreizustandsmodell)!"},
        {515, "BSC-Modell!"},
        {516, "GE-Modell!"},
        {517, "MC-Modell!"},
        {518, "SW-Modell (Dreizustandsmodell)!"},
        {526, "Online-Hilfe über Zor-Pim! "},
        {527, "Zorwerk und Multimedia: Lehrprogramm zu Fehlermodellen digitaler Kanäle"},
        {4035, "Schließt das aktive Dokument!"},
        {4036, "Erstellt ein neues Bin-Dokument!"},
        {4037, "Speichert das aktive Dokument als Fehlerfolge!"},
        {4038, "Speichert das aktive Dokument als Fehlerabstand!"},
        {4039, "Erstellt ein neues Bitmap Dokument!"},
        {4040, "Speichert das aktive Dokument!"},
        {4045, "Kopiert den ausgewählten Abschnitt in die Zwischenablage!"},
        {4046, "Erstellt ein neues Dokument mit dem Inhalt der Zwischenablage!"},
        {4047, "Zeigt das Bild neben einem zweiten gleich großen und markiert, wo sie sich unterscheiden!"},
        {4049, "Stellt die dokumente kaskadiert dar!"},
        {4050, "Stellt die Dokumente nebeneinander dar!"},
        {4051, "Stellt die Dokumente untereinander dar!"},
        {4052, "Ordnet die minimierten Dokumente ein!"},
        {4053, "Schließt alle Dokumente!"},
        {4055, "Erstellt ein neues Hex-Dokument!"},
        {4056, "Erstellt ein neues Bin-Dokument!"},
        {4057, "Erstellt ein neues Bitmap-Dokument!"},
        {4058, "Erstellt neue Multimedia-Dokumente!"},
        {4059, "Erstellt ZOR-Dokumente!"},
        {4062, "Informationen über das Programm!"},
        {4106, "Anwendungs-hilfe!"},
        {4112, "Erstellt eine Vergleichsdatei!"},
        {4122, "Erstellt Fehlerfolge bzw. Fehlerabstand aus Vergleichsdatei!"},
        {4128, "Konvertiert eine FFO-Datei nach FAB-Datei und umgekehrt!"},
        {4153, "Erstellt ein Popupfenster zur Wiedergabe einer Videodatei!"},
        {4154, "Ermöglicht die Wiedergabe aller MCI-Dateien!"},
        {4155, "Aufnahme und Wiedergabe einer Wave-Datei!"},
        {4200, "Speichert das aktive Dokument als Bild oder Text!"},
        {4201, "Zeigt die Zeile mit dem eingegebenen Offset an!"},
        {4202, "Zeigt die gedruckte Seite des aktiven Dokuments an!"},
        {4203, "Kopiert Beispieldateien (Bitmaps, Wave, MIDI, AVI) in einen Ordner!"},
    };
    return t;
}

}  // namespace

QString text(int id) {
    const auto& t = tabelle();
    auto it = t.find(id);
    return it == t.end() ? QString() : QString::fromUtf8(it->second);
}

QString menuHinweis(int id) { return text(id).left(127); }

QString tooltip(int id) { return text(id).left(63); }

}  // namespace zor::app
