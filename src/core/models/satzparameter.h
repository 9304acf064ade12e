#pragma once
// One parameter set as a value: everything a curve, a sequence or a saved file of that set
// depends on, copied out of the state. Computations take it instead of the whole state,
// so they can run anywhere (a worker thread, the command-line tool) and a caller can tell
// whether a result still belongs to the set as it is now (compare the records).

#include "core/models/zor_state.h"

#include <array>
#include <cstdint>

namespace zor {

struct Satzparameter {
    Modellart art = Modellart::Inaktiv;
    int satz = 0;         // 0 = set 1, 1 = set 2 (the BSC gap saving ends differently)
    int sim = 1;          // 1 simulated, 0 theoretical (a file is always counted)
    int BSC_simfabs = 0;  // BSC: 0 bit by bit, 1 by gaps
    // The model's parameter array (BSCWert, GEWert, MCWert or SWWert); BSC uses the first 3.
    std::array<float, 8> Wert{};
    std::uint64_t Durchlaeufe = 0;  // exact N; 0 for inactive and file sets
    STRUCT_DATEI Datei;             // the file source (Datei1/Datei2) of a file set

    bool operator==(const Satzparameter&) const = default;
};

// Set `satz`'s record as the state holds it now.
Satzparameter satzparameter(const ZorState& s, int satz);

// The start values of a model as set `vorlage` has them at start (InitVar), for set `satz`.
Satzparameter startparameter(Modellart art, int vorlage, int satz);

// Writes the record back as set `satz`'s model and parameters (the model id, simulation
// flag, array, exact N or file); curve caches and flags are the caller's.
void satzparameterSetzen(ZorState& s, int satz, const Satzparameter& p);

}  // namespace zor
