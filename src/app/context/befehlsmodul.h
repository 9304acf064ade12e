#pragma once
// A feature module: a group of commands (a window, a dialog, a job) with their handlers.
// It registers its commands in its constructor; the frame's dispatcher looks a command up
// in its own table first, then in the modules, then passes it to the active document.

#include <functional>
#include <initializer_list>
#include <vector>

namespace zor::app {

class Kontext;

class Befehlsmodul {
public:
    using Handler = std::function<void(int id)>;
    struct Eintrag {
        int id;
        Handler handler;
    };

    explicit Befehlsmodul(Kontext& kontext) : kontext_(kontext) {}
    virtual ~Befehlsmodul() = default;
    Befehlsmodul(const Befehlsmodul&) = delete;
    Befehlsmodul& operator=(const Befehlsmodul&) = delete;

    const std::vector<Eintrag>& befehle() const { return befehle_; }

protected:
    Kontext& kontext() const { return kontext_; }
    // The handler serves each of these command ids.
    void registriere(std::initializer_list<int> ids, Handler handler) {
        for (int id : ids) befehle_.push_back({id, handler});
    }

private:
    Kontext& kontext_;
    std::vector<Eintrag> befehle_;
};

}  // namespace zor::app
