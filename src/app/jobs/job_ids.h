#pragma once
// The dialog and control ids of the file-job dialogs (their object names are "id_<n>"),
// and the filter sets of their file choosers.

#include "app/platform/dateiwahl.h"

namespace zor::app {

enum JobId : int {
    DLG_VERF_BSC = 14,
    DLG_VERF_GE = 15,
    DLG_VERF_MC = 16,
    DLG_VERF_MUSTER = 17,
    DLG_VERGLEICH = 18,
    DLG_ABLEITEN = 19,
    // The browse buttons beside the file edits.
    ID_OEFFNEN_KNOPF = 121,
    ID_ZWEITE_DATEI_KNOPF = 171,
    ID_SPEICHERN_KNOPF = 151,
    // How many leading bytes stay untouched (the corruption dialogs).
    ID_GESCHUETZT = 26,
    ID_BSC_EINGABE = 162,
    ID_BSC_AUSGABE = 163,
    ID_BSC_STARTWERT = 164,
    ID_BSC_P = 165,
    ID_BSC_TIEFE = 166,  // ours: the interleaver depth
    ID_GEMC_EINGABE = 1000,
    ID_GEMC_AUSGABE = 1001,
    ID_GEMC_STARTWERT = 1002,
    ID_GEMC_GOOD_VON_BAD = 1007,
    ID_GEMC_BAD_VON_GOOD = 1008,
    ID_GEMC_GOOD = 1009,
    ID_GEMC_BAD = 1010,
    ID_GEMC_TIEFE = 1011,  // ours: the interleaver depth
    ID_MAR_BILD = 303,
    ID_MUSTER_AUSGABE = 4108,
    ID_MUSTER_FOLGE = 4109,
    ID_MUSTER_EINGABE = 4110,
    ID_VGL_ERSTE = 4113,
    ID_VGL_ZWEITE = 4114,
    ID_VGL_AUSGABE = 4115,
    ID_ABLEITEN_AUSGABE = 4120,
    ID_ABLEITEN_VGL = 4121,
};

// Any file to corrupt or compare, and the corrupted copy.
inline const Filtersatz SATZ_DATEIEN{
    "Dateien",
    {"Bitmaps (*.BMP)", "Alle Dateien (*)"},
    {"Bitmaps (*.BMP)", "All files (*)", "GIF files (*.GIF)", "AVI files (*.AVI)", "WAVE files (*.WAV)"}};
inline const Filtersatz SATZ_VERGLEICH{"Vergleichsdateien", {"Vergleich (*.VGL)"}};

}  // namespace zor::app
