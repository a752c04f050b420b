#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <utility>

// What the editor remembers between runs, kept with QSettings under the application's
// organisation and name.
namespace StoredSettings {

QByteArray windowGeometry();
void setWindowGeometry(const QByteArray& geometry);
// The weight and the length code chosen in the units dialog; tonnes and metres until then.
std::pair<quint8, quint8> unitCodes();
void setUnitCodes(quint8 weight, quint8 length);
// The folder of the file last chosen in a file dialog.
QString lastFolder();
void setLastFolder(const QString& folder);
// The files last opened or saved, newest first.
QStringList recentFiles();
void setRecentFiles(const QStringList& paths);

} // namespace StoredSettings
