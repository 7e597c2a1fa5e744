#include "StammOrte.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <array>
#include <filesystem>

#include "Settings.h"

namespace lx {

namespace {

std::filesystem::path pfad(const QString& ordner)
{
    return std::filesystem::path(ordner.toStdString());
}

std::string waehle(const QString& programmOrdner, QStandardPaths::StandardLocation ausweich)
{
    const std::array<std::filesystem::path, 2> kandidaten = {pfad(programmOrdner),
                                                             pfad(QStandardPaths::writableLocation(ausweich))};
    return chooseWritableFolder(kandidaten,
                                [](const std::filesystem::path& ordner) {
                                    return kannDateiAnlegen(QString::fromStdString(ordner.string()));
                                })
        .string();
}

}  // namespace

bool kannDateiAnlegen(const QString& ordner)
{
    if (ordner.isEmpty() || !QDir().mkpath(ordner)) return false;
    QTemporaryFile probe(ordner + QStringLiteral("/.lx-probe-XXXXXX"));
    return probe.open();
}

StammOrte waehleStammOrte(const QString& programmOrdner)
{
    const std::string einstellungen = waehle(programmOrdner, QStandardPaths::AppConfigLocation);
    return {(std::filesystem::path(einstellungen) / std::string(kSettingsFileName)).string(),
            waehle(programmOrdner, QStandardPaths::AppDataLocation)};
}

}  // namespace lx
