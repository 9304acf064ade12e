#pragma once
// Choosing the other open window a window is paired with (hex and bin views compared,
// bitmap windows linked).

#include <QList>

namespace zor::app {

class Kontext;
class MdiDokument;

// Among `kandidaten`: the only one, else the one the user picks by its title. nullptr when
// there is none (after the note `keinerText`, an id of the string table) or on Cancel.
MdiDokument* partnerWaehlen(Kontext& kontext, const MdiDokument& selbst, const QList<MdiDokument*>& kandidaten,
                            int keinerText);

}  // namespace zor::app
