#pragma once
// Message boxes: text, caption, icon and buttons in, the user's answer out. The program
// uses QtMeldungsdienst; tests use a recording fake with scripted answers.

#include <QString>

#include "core/util/ergebnis.h"

class QWidget;

namespace zor::app {

enum class Knoepfe { Ok, JaNein, WiederholenAbbrechen, OkAbbrechen };
enum class Antwort { Ok, Ja, Nein, Wiederholen, Abbrechen };

class Meldungsdienst {
public:
    virtual ~Meldungsdienst() = default;
    virtual Antwort zeige(const QString& text, const QString& titel, Symbol symbol = Symbol::Keins,
                          Knoepfe knoepfe = Knoepfe::Ok) = 0;
};

// Shows a message the core returned (text, caption, icon) with an OK button.
Antwort zeige(Meldungsdienst& dienst, const zor::Meldung& meldung);

class QtMeldungsdienst final : public Meldungsdienst {
public:
    explicit QtMeldungsdienst(QWidget* eltern = nullptr) : eltern_(eltern) {}
    void setzeEltern(QWidget* eltern) { eltern_ = eltern; }
    Antwort zeige(const QString& text, const QString& titel, Symbol symbol, Knoepfe knoepfe) override;

private:
    QWidget* eltern_;
};

}  // namespace zor::app
