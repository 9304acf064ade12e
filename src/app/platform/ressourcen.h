#pragma once
// Registers the program's compiled resources (icons, sounds, help, plot templates). They live in a static
// library, where the linker would otherwise drop their initialisers.

namespace zor::app {

void ladeRessourcen();

}  // namespace zor::app
