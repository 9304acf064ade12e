#pragma once
// File choosers with the filter sets of the windows that use them. The program uses QtDateiwahl; tests
// script the answers.

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QWidget;

namespace zor::app {

enum class Richtung { Oeffnen, Speichern };

// The filters of a file chooser for opening and for saving, in Qt's "Text (*.EXT)" form;
// the first is preselected. Each window defines the sets its choosers use.
struct Filtersatz {
    const char* name;  // names the set in tests
    std::vector<const char*> oeffnen = {};
    std::vector<const char*> speichern = {};  // empty: the same as for opening
    bool bildformate = false;                 // opening also offers every image format Qt reads
};

QStringList filterListe(const Filtersatz& satz, Richtung r);

// The extension appended to a name typed without one: that of the set's first filter.
QString vorgabeEndung(const Filtersatz& satz, Richtung r);

class Dateiwahl {
public:
    virtual ~Dateiwahl() = default;
    // The chosen full path, or nothing on cancel. vorschlag is the proposed name.
    virtual std::optional<QString> GetFileNameInFWK(const QString& titel, const QString& vorschlag,
                                                    const Filtersatz& satz) = 0;
    // filter, when given, receives the filter the user chose (its text as in the set).
    virtual std::optional<QString> GetFileNameOutFWK(const QString& titel, const QString& vorschlag,
                                                     const Filtersatz& satz, QString* filter = nullptr) = 0;
    // A folder (existing, or made in the chooser); nothing on cancel. Choosers that are
    // never asked for one need not offer it.
    virtual std::optional<QString> ordnerWaehlen(const QString& /*titel*/, const QString& /*vorschlag*/) {
        return std::nullopt;
    }
};

class QtDateiwahl final : public Dateiwahl {
public:
    explicit QtDateiwahl(QWidget* eltern = nullptr) : eltern_(eltern) {}
    // The window a chooser belongs to when no modal dialog is open (the frame).
    void setzeEltern(QWidget* eltern) { eltern_ = eltern; }
    std::optional<QString> GetFileNameInFWK(const QString& titel, const QString& vorschlag,
                                            const Filtersatz& satz) override;
    std::optional<QString> GetFileNameOutFWK(const QString& titel, const QString& vorschlag, const Filtersatz& satz,
                                             QString* filter = nullptr) override;
    std::optional<QString> ordnerWaehlen(const QString& titel, const QString& vorschlag) override;

private:
    std::optional<QString> waehle(const QString& titel, const QString& vorschlag, const Filtersatz& satz, Richtung r,
                                  QString* filter = nullptr);
    QWidget* eltern_;
};

}  // namespace zor::app
