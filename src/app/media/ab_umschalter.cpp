#include "app/media/ab_umschalter.h"

namespace zor::app {

void AbUmschalter::setze(const QString& a, const QString& b) {
    a_ = a;
    b_ = b;
    hoertB_ = false;
}

Fehlertext AbUmschalter::umschalten(qint64 pos) {
    if (!bereit()) return std::nullopt;
    const bool spielte = spieler_.zustand() == Spielzustand::Spielt;
    const QString& ziel = hoertB_ ? a_ : b_;
    if (Fehlertext f = spieler_.oeffne(ziel)) {
        if (spieler_.zustand() == Spielzustand::Geschlossen && !spieler_.oeffne(aktuell())) spieler_.springe(pos);
        return f;
    }
    hoertB_ = !hoertB_;
    spieler_.springe(pos);
    return spielte ? spieler_.spiele() : std::nullopt;
}

}  // namespace zor::app
