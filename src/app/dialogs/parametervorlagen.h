#pragma once
// The layouts of the parameter dialogs (BSC 89, GE 96, MC 91, and the three-state
// model): their edits with ids, labels and array indices, frames, options and picture.

#include <vector>

#include "app/dialogs/modellbild.h"
#include "core/models/zor_state.h"

namespace zor::app {

enum ParameterId : int {
    DLG_BSC = 89,
    DLG_MC = 91,
    DLG_SW = 93,
    DLG_GE = 96,
    ID_THEORETISCH = 300,
    ID_FEHLERFOLGE = 301,
    ID_FEHLERABSTAND = 302,
    ID_DURCHLAEUFE = 304,
    ID_STARTWERT = 305,
    ID_P = 306,
    ID_GOOD_FROM_BAD = 309,
    ID_BAD_FROM_GOOD = 310,
    ID_GOOD = 311,
    ID_BAD = 312,
    ID_GEMC = 315,
    ID_PZ1 = 331,
    ID_PZ2 = 332,
    ID_PZ3 = 333,
    ID_FEHLER_Z1 = 334,
    ID_FEHLER_Z2 = 335,
    ID_FEHLER_Z3 = 336,
};

// The frame an edit sits in; Keiner: directly in the dialog.
enum class Rahmen { Keiner, Uebergaenge, Zustaende, Fehler };

struct Eingabefeld {
    int id;
    const char* beschriftung;
    int index;  // in the model's parameter array
    Rahmen rahmen;
};

struct Parametervorlage {
    Modellart art;
    int dialogId;
    const char* modellname;  // in the title "Parametersatz n: <modellname>"
    std::vector<Eingabefeld> felder;
    bool mitFehlerabstand;   // radio 302 (BSC)
    bool mitMcAusgabe;       // check box 315 (GE)
    Bildvorlage bild;
};

// The layout of a model's dialog; BSC for any kind without one.
const Parametervorlage& parametervorlage(Modellart art);

// The caption of a frame.
const char* rahmenTitel(Rahmen r);

}  // namespace zor::app
