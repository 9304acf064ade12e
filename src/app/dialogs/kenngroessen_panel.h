#pragma once
// The panel "Kenngrößen" of the parameter dialogs: the derived quantities of the entries
// as typed, recomputed on every change. An entry the dialog would refuse shows "–" and
// the core's short note instead of a message box.

#include <QGroupBox>

#include <map>
#include <optional>
#include <span>
#include <string>

#include "core/models/kenngroessen.h"

class QFormLayout;
class QLabel;

namespace zor::app {

class KenngroessenPanel : public QGroupBox {
public:
    // D: the highest lag of the theory curve whose correlation duration is shown.
    KenngroessenPanel(Modellart art, int D, QWidget* eltern = nullptr);

    // texte: one per index of the model's parameter array, as the dialog holds them.
    void zeigen(std::span<const std::string> texte);
    // The quantities last shown; nothing while an entry is unusable.
    const std::optional<Kenngroessen>& kenngroessen() const { return aktuell_; }

private:
    Modellart art_;
    int D_;
    QFormLayout* form_;
    QLabel* hinweis_;
    std::map<std::string, QLabel*> werte_;  // by the line's key
    std::optional<Kenngroessen> aktuell_;
};

// The object name of the value label of a line ("kenn_Fehlerwahrscheinlichkeit").
QString kennwertName(const std::string& schluessel);

}  // namespace zor::app
