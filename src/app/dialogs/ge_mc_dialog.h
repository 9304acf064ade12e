#pragma once
// Result dialog 610 "GE->MC": a confirmed GE set beside its equivalent McCullough model,
// the mean error probability and the correlation duration.

#include <QDialog>

#include "core/models/umrechnung.h"

namespace zor::app {

enum GeMcId : int {
    DLG_GE_MC = 610,
    ID_GE_BAD_FROM_GOOD = 4131,
    ID_MC_GOOD_FROM_BAD = 4132,
    ID_MC_BAD_FROM_GOOD = 4133,
    ID_MC_BAD = 4134,
    ID_MC_GOOD = 4135,
    ID_GE_GOOD_FROM_BAD = 4136,
    ID_GE_BAD = 4137,
    ID_GE_GOOD = 4138,
    ID_KORRELATION = 4139,
    ID_MITTEL = 4140,
    ID_KEIN_MC = 4145,
};

class GeMcDialog : public QDialog {
    Q_OBJECT
public:
    GeMcDialog(const GE_TO_MC_STRUCT& r, QWidget* eltern = nullptr);
};

// Umrechnung: computes the equivalent model of a GE parameter array and shows it modally.
void Umrechnung(QWidget* eltern, const float* Wert);

}  // namespace zor::app
