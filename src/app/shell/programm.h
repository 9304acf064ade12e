#pragma once
// Start-up of the desktop program: single instance, frame, event loop.

namespace zor::app {

// Runs the program; returns its exit code. A second start brings the running
// program to the front and ends after "Fehler in WinMain" with 0.
int zorwerkMain(int argc, char** argv);

}  // namespace zor::app
