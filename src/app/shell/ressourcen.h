#pragma once
// Registers the shell's compiled resources (icons, sounds, help). They live in a static
// library, where the linker would otherwise drop their initialisers.

namespace zor::app {

void ladeRessourcen();

}  // namespace zor::app
