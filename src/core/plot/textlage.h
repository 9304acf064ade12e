#pragma once
// Where a text lands on a canvas, so labels can be kept apart and inside the window.

#include <string_view>
#include <vector>

#include "core/plot/canvas.h"

namespace zor {

// The logical area of every diagram window (documents, pictures of the parameter window).
inline constexpr LRechteck DIAGRAMMFENSTER{-10000, 10000, 10000, -10000};

// The box a text covers when drawn at anker with the selected font and alignment
// (oben > unten, y up).
LRechteck textkasten(Canvas& dc, LPunkt anker, std::string_view text);

// True when the two boxes share more than an edge.
bool ueberlappen(const LRechteck& a, const LRechteck& b);

// True when the box lies wholly inside the area.
bool innerhalb(const LRechteck& kasten, const LRechteck& bereich);

// The anchor moved as little as possible so the text's box lies inside the area; a text
// wider or taller than the area keeps its left or top edge on the area's.
LPunkt insFenster(Canvas& dc, LPunkt anker, std::string_view text, const LRechteck& bereich = DIAGRAMMFENSTER);

// The boxes already taken by labels; a label that would touch one is left out.
class Textbelegung {
public:
    bool frei(const LRechteck& kasten) const;
    void belegen(const LRechteck& kasten) { belegt_.push_back(kasten); }

private:
    std::vector<LRechteck> belegt_;
};

}  // namespace zor
