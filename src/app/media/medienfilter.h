#pragma once
// The file choosers' filter sets of the multimedia windows.

#include "app/platform/dateiwahl.h"

namespace zor::app {

// Any file to show in a hex or bin view.
inline const Filtersatz SATZ_ALLE_DATEIEN{
    "alle Dateien",
    {"Alle Dateien (*)", "Bitmaps (*.bmp)", "Wave Dateien (*.wav)", "Video Dateien (*.avi)",
     "Vergleichsdateien (*.vgl)", "Fehlerabstand (*.fab)", "Fehlerfolge (*.ffo)"}};
// A bin view's bits saved as a sequence.
inline const Filtersatz SATZ_FFO_SPEICHERN{"FFO speichern", {"FFO files (*.FFO)"}};
inline const Filtersatz SATZ_FAB_SPEICHERN{"FAB speichern", {"FAB files (*.FAB)"}};
// Bitmap documents: any image Qt reads to open, bitmaps to save.
inline const Filtersatz SATZ_BILDER{
    "Bilder", {"Bitmaps (*.bmp *.BMP *.dib *.DIB)", "Alle Dateien (*)"}, {"Bitmaps (*.BMP)", "Alle Dateien (*)"}, true};
inline const Filtersatz SATZ_MIDI{"MIDI", {"MID files (*.MID *.mid)"}};
inline const Filtersatz SATZ_VIDEO{"Video", {"Video Dateien (*.AVI)"}};
inline const Filtersatz SATZ_WAVE{"Wave", {"Wave Dateien (*.WAV)"}};
inline const Filtersatz SATZ_MEDIEN{
    "Medien",
    {"Mediendateien (*.wav *.avi *.mp3 *.ogg *.oga *.opus *.flac *.mpg *.mpeg *.mp4 *.mkv *.webm *.mov)",
     "Alle Dateien (*)"}};

}  // namespace zor::app
