#include "app/context/menueplatz.h"

#include "app/context/befehle.h"

namespace zor::app {

std::vector<Menueplatz> gemeinsamePopups(int menue, int rang, bool hilfe) {
    std::vector<Menueplatz> l = {
        popup(menue, "", rang, "&Verfälschen"),    block(menue, "&Verfälschen", 10, BLOCK_VERFAELSCHEN),
        popup(menue, "", rang + 10, "&Erstellen"), block(menue, "&Erstellen", 10, BLOCK_ERSTELLEN),
        popup(menue, "", rang + 20, "&Fenster"),   block(menue, "&Fenster", 10, BLOCK_FENSTER),
        popup(menue, "", rang + 30, "&Hilfe"),
    };
    if (hilfe) l.push_back(block(menue, "&Hilfe", 10, BLOCK_HILFE));
    return l;
}

}  // namespace zor::app
