#pragma once
// Message boxes: text, caption, icon and buttons in, the user's answer out. The program
// uses QtMeldung; tests use a recording fake with scripted answers.

#include <QString>

class QWidget;

namespace zor::app {

enum class Symbol { Keins, Information, Ausrufezeichen, Fehler, Frage };
enum class Knoepfe { Ok, JaNein, WiederholenAbbrechen, OkAbbrechen };
enum class Antwort { Ok, Ja, Nein, Wiederholen, Abbrechen };

class Meldung {
public:
    virtual ~Meldung() = default;
    virtual Antwort zeige(const QString& text, const QString& titel, Symbol symbol = Symbol::Keins,
                          Knoepfe knoepfe = Knoepfe::Ok) = 0;
};

class QtMeldung final : public Meldung {
public:
    explicit QtMeldung(QWidget* eltern = nullptr) : eltern_(eltern) {}
    void setzeEltern(QWidget* eltern) { eltern_ = eltern; }
    Antwort zeige(const QString& text, const QString& titel, Symbol symbol, Knoepfe knoepfe) override;

private:
    QWidget* eltern_;
};

}  // namespace zor::app
