#pragma once
// A colour as the state stores it: red, green and blue as plain integers.

namespace zor {

struct farben {
    int rot = 0, gruen = 0, blau = 0;
};

}  // namespace zor
