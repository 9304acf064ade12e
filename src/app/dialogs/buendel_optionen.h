#pragma once
// Dialog 97 "Optionen für Fenster Bündel und Blöcke": which diagram, the guard band g,
// block length n, the largest error count M, the correctable errors t, the interleaver
// depth d and the axes. The rules are core/documents/buendel_einstellungen.h.

#include <array>

#include "app/dialogs/optionsdialog.h"
#include "core/documents/buendel_einstellungen.h"

namespace zor::app {

class BuendelOptionendialog : public Optionsdialog {
    Q_OBJECT
public:
    BuendelOptionendialog(Kontext& kontext, Buendeleinstellungen& einstellungen, QWidget* eltern = nullptr);

protected:
    std::string anwendenMitText() override;
    void freigeben() override;

private:
    Buendelbild bild() const;

    Buendeleinstellungen& einstellungen_;
    QButtonGroup* bild_;
    QLineEdit *schutz_, *n_, *M_, *t_, *tiefe_;
    QCheckBox *pk_, *xLog_, *yLog_, *cursor_;
};

}  // namespace zor::app
