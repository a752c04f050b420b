#include "ui/windowmemory.h"

#include <QEvent>
#include <QMainWindow>
#include <QSettings>

namespace {

const char geometryKey[] = "window/geometry";
const char stateKey[] = "window/state";
// Raised when the docks change so much that an older state would misplace them.
constexpr int stateVersion = 1;

} // namespace

WindowMemory::WindowMemory(QMainWindow& window) : QObject(&window), window(window)
{
    const QSettings settings;
    window.restoreGeometry(settings.value(QLatin1String(geometryKey)).toByteArray());
    window.restoreState(settings.value(QLatin1String(stateKey)).toByteArray(), stateVersion);
    window.installEventFilter(this);
}

bool WindowMemory::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window && event->type() == QEvent::Close) {
        QSettings settings;
        settings.setValue(QLatin1String(geometryKey), window.saveGeometry());
        settings.setValue(QLatin1String(stateKey), window.saveState(stateVersion));
    }
    return QObject::eventFilter(watched, event);
}
