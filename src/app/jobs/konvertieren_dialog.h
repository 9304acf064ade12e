#pragma once
// FFO <-> FAB conversion from the program: "Konvertieren..." of the channel-model menu
// (502, the output named by swapping the last two letters, existing outputs asked about,
// sets reading the output refreshed) and of the multimedia menu (4128, the multimedia
// name rule and a success message).

#include "app/context/beschreibung.h"

namespace zor::app {

class KonvertierenModul : public Befehlsmodul {
public:
    explicit KonvertierenModul(Kontext& kontext);
    static const Modul& beschreibung();

    void Konvertieren();
    void SelectConvertFunction();

private:
    void kanalmodell(int) { Konvertieren(); }
    void multimedia(int) { SelectConvertFunction(); }
};

}  // namespace zor::app
