// Compiled with the models layer's include paths: sequence files sit above models, so
// this include must fail to compile.
#include "core/seqfiles/folge_speichern.h"
