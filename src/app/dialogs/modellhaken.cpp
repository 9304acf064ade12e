#include "app/dialogs/modellhaken.h"

#include "app/kontext/befehle.h"
#include "app/kontext/kontext.h"

namespace zor::app {

void Para_unchecked(Kontext& kontext, int satz) {
    for (int id : SATZBEFEHLE[satz].modelle) kontext.setzeHaken(id, false);
}

void modellHaken(Kontext& kontext, int satz, int id) {
    Para_unchecked(kontext, satz);
    kontext.setzeHaken(id, true);
}

}  // namespace zor::app
