#include "app/platform/ressourcen.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void ladeAlle() {
    Q_INIT_RESOURCE(icons);
    Q_INIT_RESOURCE(sounds);
    Q_INIT_RESOURCE(help);
    Q_INIT_RESOURCE(plt);
}

namespace zor::app {

void ladeRessourcen() {
    static const bool geladen = (ladeAlle(), true);
    (void)geladen;
}

}  // namespace zor::app
