#pragma once
// The check marks of the model items in the "Parameterwahl" menu: one item per set.

namespace zor::app {

class Kontext;

// Clears the check mark of every model item of set 0 (set 1) or 1 (set 2).
void Para_unchecked(Kontext& kontext, int satz);

// Clears the set's marks and checks the item `id`.
void modellHaken(Kontext& kontext, int satz, int id);

}  // namespace zor::app
