#include "ui/storedsettings.h"

#include <QSettings>

namespace {

const QString geometryKey = QStringLiteral("window/geometry");
const QString weightKey = QStringLiteral("units/weight");
const QString lengthKey = QStringLiteral("units/length");
const QString folderKey = QStringLiteral("files/lastFolder");
const QString recentKey = QStringLiteral("files/recent");

} // namespace

namespace StoredSettings {

QByteArray windowGeometry()
{
    return QSettings().value(geometryKey).toByteArray();
}

void setWindowGeometry(const QByteArray& geometry)
{
    QSettings().setValue(geometryKey, geometry);
}

std::pair<quint8, quint8> unitCodes()
{
    // A code the dialog does not offer, written by hand, counts as none.
    const auto code = [](const QSettings& settings, const QString& key) {
        const uint value = settings.value(key).toUInt();
        return quint8(value <= 2 ? value : 0);
    };
    const QSettings settings;
    return {code(settings, weightKey), code(settings, lengthKey)};
}

void setUnitCodes(quint8 weight, quint8 length)
{
    QSettings settings;
    settings.setValue(weightKey, weight);
    settings.setValue(lengthKey, length);
}

QString lastFolder()
{
    return QSettings().value(folderKey).toString();
}

void setLastFolder(const QString& folder)
{
    QSettings().setValue(folderKey, folder);
}

QStringList recentFiles()
{
    return QSettings().value(recentKey).toStringList();
}

void setRecentFiles(const QStringList& paths)
{
    QSettings().setValue(recentKey, paths);
}

} // namespace StoredSettings
