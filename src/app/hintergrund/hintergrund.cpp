#include "app/hintergrund/hintergrund.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include "app/hintergrund/jobanzeige.h"
#include "app/platform/anwendung.h"

#include <new>

namespace zor::app {

// The worker's Fortschritt: start/step go to the display as queued calls on the GUI
// thread, each for its own job only; abgebrochen() reads the flag the display's cancel
// sets.
class Hintergrund::Weiterleitung final : public Fortschritt {
public:
    Weiterleitung(Hintergrund& h, Jobanzeige& a, unsigned nummer) : h_(h), a_(a), nummer_(nummer) {}
    void start(const std::string& label, const std::string& status) override {
        senden([label, status](Jobanzeige& a) { a.start(label, status); });
    }
    void step(int k) override {
        senden([k](Jobanzeige& a) { a.step(k); });
    }
    // The display stays until the whole job ends: a job of two sets starts twice.
    void end() override {}
    bool abgebrochen() const override { return abgebrochen_.load(std::memory_order_relaxed); }
    void abbrechen() { abgebrochen_ = true; }

private:
    template <class F>
    void senden(F&& f) {
        // Captures no pointer to this object: the call may arrive after it has gone.
        QMetaObject::invokeMethod(
            &h_,
            [h = &h_, a = &a_, n = nummer_, f = std::forward<F>(f)] {
                if (h->nummer_ == n && h->thread_) f(*a);
            },
            Qt::QueuedConnection);
    }
    Hintergrund& h_;
    Jobanzeige& a_;
    const unsigned nummer_;
    std::atomic<bool> abgebrochen_{false};
};

Hintergrund::Hintergrund(Jobanzeige& anzeige, QObject* eltern) : QObject(eltern), standard_(anzeige) {}

Hintergrund::~Hintergrund() {
    if (!thread_) return;
    weiterleitung_->abbrechen();
    thread_->wait();
    delete thread_;
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
}

bool Hintergrund::starten(QObject* ziel, const Jobtitel& titel, std::function<void(Fortschritt&)> arbeit,
                          std::function<void(bool)> fertig) {
    if (thread_) return false;
    anzeige_ = titel.anzeige ? titel.anzeige : &standard_;
    weiterleitung_ = std::make_unique<Weiterleitung>(*this, *anzeige_, ++nummer_);
    ziel_ = ziel;
    mitZiel_ = ziel != nullptr;
    fertig_ = std::move(fertig);
    speichermangel_ = false;
    // An exception leaving a thread would end the program: memory running out ends the job.
    thread_ = QThread::create([this, arbeit = std::move(arbeit), f = weiterleitung_.get()] {
        try {
            arbeit(*f);
        } catch (const std::bad_alloc&) {
            speichermangel_ = true;
            f->abbrechen();
        }
    });
    connect(thread_, &QThread::finished, this, &Hintergrund::fertigGeworden);
    anzeige_->jobBeginnt(titel.titel, titel.status, [this] { abbrechen(); });
    qApp->installEventFilter(this);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    thread_->start();
    return true;
}

void Hintergrund::abbrechen() {
    if (thread_) weiterleitung_->abbrechen();
}

void Hintergrund::danach(QObject* ziel, std::function<void()> danach) {
    if (!thread_) {
        danach();
        return;
    }
    // The connection goes with ziel; a continuation that started the next job makes
    // this wait for that one too.
    auto verbindung = std::make_shared<QMetaObject::Connection>();
    *verbindung = connect(this, &Hintergrund::beendet, ziel ? ziel : this,
                          [this, ziel, verbindung, danach = std::move(danach)]() mutable {
                              QObject::disconnect(*verbindung);
                              this->danach(ziel, std::move(danach));
                          });
}

void Hintergrund::fertigGeworden() {
    thread_->wait();
    thread_->deleteLater();
    thread_ = nullptr;
    QApplication::restoreOverrideCursor();
    qApp->removeEventFilter(this);
    anzeige_->jobEndet();
    auto fertig = std::move(fertig_);
    fertig_ = nullptr;
    const bool abgebrochen = weiterleitung_->abgebrochen();
    if (fertig && (!mitZiel_ || ziel_)) fertig(abgebrochen);
    if (speichermangel_) Anwendung::speichermangelMelden();
    emit beendet();
}

namespace {

bool istEingabe(QEvent::Type t) {
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

}  // namespace

// While a job runs, input reaches its display only: a command could otherwise start a
// second job or change what this one works on. Paints and timers go on.
bool Hintergrund::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (!thread_ || !istEingabe(ereignis->type())) return false;
    // Escape cancels wherever the keyboard is, also before the display appears.
    if (ereignis->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Escape)
        abbrechen();
    QWidget* fenster = anzeige_->anzeigefenster();
    if (auto* w = qobject_cast<QWidget*>(objekt); w && fenster && (w == fenster || fenster->isAncestorOf(w)))
        return false;
    if (auto* w = qobject_cast<QWindow*>(objekt); w && fenster && w == fenster->windowHandle()) return false;
    ereignis->ignore();
    return true;
}

}  // namespace zor::app
