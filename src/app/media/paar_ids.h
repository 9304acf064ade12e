#pragma once
// The commands that pair a multimedia window with another open one.

namespace zor::app {

enum PaarBefehl : int {
    // Hex or bin view: compare with another open hex or bin view.
    CMD_ANSICHT_VERGLEICHEN = 4230,
    // Bitmap window: zoom and scroll together with another of an equally sized picture.
    CMD_ANSICHTEN_KOPPELN = 4231,
};

}  // namespace zor::app
