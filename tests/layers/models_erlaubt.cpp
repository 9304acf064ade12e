// Compiled with the models layer's include paths: its declared layers are visible.
#include "core/io/blockleser.h"
#include "core/models/zor_state.h"
#include "core/util/ergebnis.h"
