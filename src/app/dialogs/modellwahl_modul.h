#pragma once
// The model choice of both parameter sets: the parameter dialogs of the direct choices,
// "wie Parametersatz", and "inaktiv".

#include "app/context/beschreibung.h"
#include "core/models/zor_state.h"

namespace zor::app {

class ModellwahlModul : public Befehlsmodul {
public:
    explicit ModellwahlModul(Kontext& kontext);
    static const Modul& beschreibung();

    // Runs the dialog of a model for Modell.dialog_init/dialog_exit; on confirmation the
    // target set takes the model (check mark, model id, printing enabled), and a GE set
    // shows its MC equivalent when asked. 0 when stored, -1 when cancelled.
    int Eingabe(Modellart art);

private:
    void modellDialog(int id);
    void wieParametersatz(int id);
    void inaktiv(int id);
};

}  // namespace zor::app
