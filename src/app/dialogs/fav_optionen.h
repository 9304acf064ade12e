#pragma once
// Dialog 95 "Optionen für Fenster Fehlerabstandsverteilung".

#include "app/dialogs/optionsdialog.h"

namespace zor::app {

class FavOptionendialog : public Optionsdialog {
    Q_OBJECT
public:
    FavOptionendialog(Kontext& kontext, QWidget* eltern = nullptr);

protected:
    Optionsfehler anwenden() override;
    void freigeben() override;

private:
    void abszisseWaehlen(int id);

    QCheckBox* cursor_;
    QCheckBox* uhr_;
    QCheckBox* ab_;
    QCheckBox* band_;
    QButtonGroup* abszisseArt_;
};

}  // namespace zor::app
