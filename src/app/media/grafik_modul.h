#pragma once
// The sample drawing document's command: "Grafik" opens a new one.

#include "app/context/befehlsmodul.h"

namespace zor::app {

class GrafikModul : public Befehlsmodul {
public:
    explicit GrafikModul(Kontext& kontext);

private:
    void grafikNeu(int id);
};

}  // namespace zor::app
