#pragma once
// Preview pictures of the templates for developers and tests: each scene paints one
// or more templates in the mapping their caller sets up (document window, parameter
// picture, dialog model picture), the printed pages, the curve diagrams with sample curves.

#include <QImage>
#include <QPainter>
#include <QString>
#include <functional>
#include <vector>

#include "core/models/zor_state.h"
#include "core/plot/abbildung.h"
#include "core/plot/plotag.h"

namespace zor {

struct Szene {
    QString name;   // file name without extension
    QSize groesse;  // pixels
    // Paints the scene; returns the number of templates that did not draw completely.
    std::function<int(QPainter&, const Vorlagenquelle&)> malen;
};

// Draws one template on a white image of the given size in the given mapping; returns
// plotag's result through ergebnis.
QImage vorlageMalen(const Vorlagenquelle& quelle, const std::string& name, std::span<const float> werte,
                    int textfarbe, char text, const Abbildung& abbildung, QSize groesse, int* ergebnis);

// Mappings of the callers, for a picture of the given size (the page header's is in
// druckseite.h).
Abbildung parAbbildungEinzeln(QSize groesse);
Abbildung marAbbildung(QSize groesse);

// Every template with every selector its callers pass, with the start values of the
// state, plus the FKF and FAV diagrams in every axis mode with sample curves.
std::vector<Szene> alleSzenen(const ZorState& s);

// A white image with the scene painted on it; fehler receives malen's result.
QImage szeneMalen(const Szene& szene, const Vorlagenquelle& quelle, int* fehler);

}  // namespace zor
