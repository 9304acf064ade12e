#include "plot/vorlagen.h"

#include <QFile>

#include "plot/vorlagenquelle.h"

// The templates live in a static library; without an explicit reference the linker
// would drop their resource initialiser.
static void vorlagenRessourceLaden() { Q_INIT_RESOURCE(plt); }

namespace zor {

Vorlagenquelle eingebauteVorlagen() {
    static const bool geladen = (vorlagenRessourceLaden(), true);
    (void)geladen;
    return [](std::string_view name) -> std::optional<std::string> {
        QFile datei(QStringLiteral(":/plt/") + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        if (!datei.open(QIODevice::ReadOnly)) return std::nullopt;
        return datei.readAll().toStdString();
    };
}

Vorlagenquelle programmVorlagen(const QString& startverzeichnis) {
    return vorlagenquelle(startverzeichnis.toStdString(), eingebauteVorlagen());
}

}  // namespace zor
