#pragma once
// The help commands: each opens the page of its help file in the one help window.

#include "app/kontext/befehlsmodul.h"

namespace zor::app {

class Hilfefenster;

class HilfeModul : public Befehlsmodul {
public:
    explicit HilfeModul(Kontext& kontext);

private:
    void hilfe(int id);
    Hilfefenster* fenster_ = nullptr;  // owned by the frame window, made on first use
};

}  // namespace zor::app
