#pragma once
// The frame's own commands: the mode switches, window arrangement, closing and quitting;
// and the layout of the frame menus and toolbar sets that the modules fill.

#include "app/context/beschreibung.h"

namespace zor::app {

class Hauptfenster;

class RahmenModul : public Befehlsmodul {
public:
    explicit RahmenModul(Kontext& kontext);
    static const Modul& beschreibung();

private:
    void beenden(int id);
    void anordnen(int id);
    void alleSchliessen(int id);
    void multimedia(int id);
    void zorwerk(int id);

    Hauptfenster& rahmen_;
};

}  // namespace zor::app
