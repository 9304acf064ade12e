#pragma once
// Platform services for benchmarks that drive the frame: every message is answered with
// OK and every file chooser is cancelled, so nothing waits for a user.

#include <optional>

#include "app/platform/dateiwahl.h"
#include "app/platform/meldungsdienst.h"

class Still final : public zor::app::Meldungsdienst {
public:
    zor::app::Antwort zeige(const QString&, const QString&, zor::Symbol, zor::app::Knoepfe) override {
        return zor::app::Antwort::Ok;
    }
};

class KeineWahl final : public zor::app::Dateiwahl {
public:
    std::optional<QString> GetFileNameInFWK(const QString&, const QString&, int) override { return {}; }
    std::optional<QString> GetFileNameOutFWK(const QString&, const QString&, int) override { return {}; }
};
