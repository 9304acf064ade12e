#pragma once
// A feature module: the object that serves a group of commands (a window, a dialog, a
// job). The frame makes one per module description and calls the handlers the
// description names (context/beschreibung.h).

namespace zor::app {

class Kontext;

class Befehlsmodul {
public:
    explicit Befehlsmodul(Kontext& kontext) : kontext_(kontext) {}
    virtual ~Befehlsmodul() = default;
    Befehlsmodul(const Befehlsmodul&) = delete;
    Befehlsmodul& operator=(const Befehlsmodul&) = delete;

protected:
    Kontext& kontext() const { return kontext_; }

private:
    Kontext& kontext_;
};

}  // namespace zor::app
