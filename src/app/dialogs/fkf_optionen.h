#pragma once
// Dialog 98 "Optionen für Fenster Fehlerkorrelationsfunktion".

#include "app/dialogs/optionsdialog.h"

namespace zor::app {

class FkfOptionendialog : public Optionsdialog {
    Q_OBJECT
public:
    FkfOptionendialog(Kontext& kontext, QWidget* eltern = nullptr);

protected:
    Optionsfehler anwenden() override;
    void freigeben() override;

private:
    QCheckBox* cursor_;
    QCheckBox* uhr_;
    QCheckBox* band_;
    QButtonGroup* methode_;
};

}  // namespace zor::app
