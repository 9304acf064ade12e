#pragma once
// "Aus netem-Zeile...": a line of the Linux network emulator pasted in and read by the
// core. A refused line shows the core's reason and the dialog stays with the text.

#include <QDialog>

#include <optional>

#include "core/models/netem.h"

class QLabel;
class QLineEdit;

namespace zor::app {

enum NetemId : int {
    DLG_NETEM = 4310,
    ID_NETEM_ZEILE = 4311,
    ID_NETEM_MELDUNG = 4312,
};

class NetemDialog : public QDialog {
public:
    NetemDialog(int satz, QWidget* eltern = nullptr);
    // The model read when the dialog was confirmed.
    const std::optional<NetemModell>& modell() const { return modell_; }

private:
    void bestaetigen();
    void meldungZeigen(const QString& text);

    QLineEdit* zeile_;
    QLabel* unterstuetzt_;
    QLabel* meldung_;
    std::optional<NetemModell> modell_;
};

}  // namespace zor::app
