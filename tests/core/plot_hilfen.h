#pragma once
// Shared helpers of the plot tests: draw a template on a recording canvas.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/plot/aufzeichnende_leinwand.h"
#include "core/plot/plotag.h"

// A document maximised on a common screen: text measured as there, where the readout,
// the labels and the axes keep their design places.
inline zor::AufzeichnendeLeinwand bildschirmLeinwand() {
    zor::AufzeichnendeLeinwand dc;
    dc.setzeGeraet(zor::Abbildung::fenstereigenschaften(1600, 1000));
    return dc;
}

struct Zeichnung {
    zor::AufzeichnendeLeinwand dc;
    int ergebnis = -1;

    std::vector<zor::Zeichenaufruf> nur(zor::Zeichenaufruf::Art art) const { return dc.nur(art); }
    bool fehlerGemeldet() const {
        for (const auto& a : dc.nur(zor::Zeichenaufruf::Art::Text))
            if (a.text == zor::TEXT_FEHLERHAFTE_PLOTDATEI) return true;
        return false;
    }
};

inline Zeichnung zeichne(std::string_view vorlage, std::span<const float> werte = {}, int textfarbe = 0,
                         char text = 'a') {
    Zeichnung z;
    z.ergebnis = zor::plotag(z.dc, vorlage, werte, textfarbe, text);
    return z;
}

inline std::vector<zor::LPunkt> pkte(std::initializer_list<zor::LPunkt> p) { return p; }
