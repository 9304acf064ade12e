// The desktop program.
#include "app/shell/programm.h"

int main(int argc, char** argv) { return zor::app::zorwerkMain(argc, argv); }
