// The desktop program.
#include "shell/programm.h"

int main(int argc, char** argv) { return zor::app::zorwerkMain(argc, argv); }
