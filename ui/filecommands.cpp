// The configuration's file: Save and Save As with their checks, the question before unsaved
// changes are lost, the recent files, dropped files and the title.
#include "ui/filecommands.h"

#include "app/appidentity.h"
#include "model/conf.h"
#include "ui/edithistory.h"
#include "ui/reasontexts.h"
#include "ui/storedsettings.h"
#include "ui/windowtext.h"
#include "ui_vorlan.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QMimeData>
#include <QStringList>
#include <QTimer>

#include <algorithm>

namespace {

// The file commands' messages stand alone, without a parent window, and wait for an answer. A
// question's default and escape button is the one that changes nothing.
int ask(QMessageBox::Icon icon, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton safe = QMessageBox::NoButton)
{
    QMessageBox box(icon, title, text, buttons);
    if (safe != QMessageBox::NoButton) {
        box.setDefaultButton(safe);
        box.setEscapeButton(safe);
    }
    return box.exec();
}

int warn(const QString& title, const QString& text,
         QMessageBox::StandardButtons buttons = QMessageBox::Ok)
{
    return ask(QMessageBox::Warning, title, text, buttons,
               buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::NoButton);
}

QString shownPath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// A value that would read back differently is lost on the next Open, so it is not saved.
bool readsBackAsWritten(const Conf& conf)
{
    const QString problem = conf.round_trip_problem();
    if (problem.isEmpty())
        return true;
    warn(windowText("Value would be lost"),
         windowText("A value would not read back as it is written, so saving would lose it:\n%1"
                    "\n\nPlease change that value and save again.")
             .arg(problem));
    return false;
}

bool writeConfiguration(const Conf& conf, const QString& path)
{
    QString reason;
    if (conf.write_to_file(path, &reason))
        return true;
    qWarning().noquote() << "Could not write" << path + QStringLiteral(":") << reason;
    warn(windowText("Configuration not saved"),
         windowText("The configuration could not be written to %1:\n%2\n\nA file already "
                    "there is left as it was.")
             .arg(shownPath(path), reason));
    return false;
}

// The one configuration file, or folder, that a drag carries; empty for anything else.
QString droppedConfiguration(const QMimeData* data)
{
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return QString();
    const QString path = urls.first().toLocalFile();
    // A folder is taken only to say that it cannot be opened.
    const bool taken =
        path.endsWith(QLatin1String(".conf"), Qt::CaseInsensitive) || QFileInfo(path).isDir();
    return taken ? path : QString();
}

// What reading the configuration's file left out, in words; empty when it was read whole.
QString readLossesText(const Conf& conf)
{
    QStringList parts;
    if (conf.stopped_at_line() > 0)
        parts << windowText("Reading stopped at line %1:\n%2\n\nThat section and the ones after "
                            "it were not loaded.")
                     .arg(QString::number(conf.stopped_at_line()), conf.stopped_line_text());
    const QVector<DroppedKey>& dropped = conf.dropped_keys();
    if (!dropped.isEmpty()) {
        // The first few name the lines; the rest are counted.
        const int named = std::min(int(dropped.size()), 5);
        QStringList lines;
        for (int i = 0; i < named; ++i)
            lines << windowText("line %1: %2")
                         .arg(QString::number(dropped.at(i).line), dropped.at(i).key);
        if (dropped.size() > named)
            lines << windowText("and %1 more").arg(QString::number(dropped.size() - named));
        parts << windowText("%1 key line(s) of subclass sections are not kept by the editor:\n%2")
                     .arg(QString::number(dropped.size()), lines.join(QLatin1Char('\n')));
    }
    return parts.join(QStringLiteral("\n\n"));
}

} // namespace

FileCommands::FileCommands(QMainWindow& window, Ui::Vorlan& form, const Conf& conf,
                           EditHistory& history, std::function<bool(const QString&)> open)
    : window(window), conf(conf), history(history), openFile(std::move(open)),
      recent(new RecentFiles(form.menuRecentFiles))
{
    form.actionOpen->setShortcuts(QKeySequence::Open);
    form.actionSave->setShortcuts(QKeySequence::Save);
    // Desktops that bind no key to Save As get the one most others use.
    const QList<QKeySequence> saveAs = QKeySequence::keyBindings(QKeySequence::SaveAs);
    form.actionSaveAs->setShortcuts(
        saveAs.isEmpty() ? QList<QKeySequence>{QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_S)}
                         : saveAs);
    connect(form.actionOpen, &QAction::triggered, this, &FileCommands::open);
    connect(form.actionSave, &QAction::triggered, this, &FileCommands::save);
    connect(form.actionSaveAs, &QAction::triggered, this, &FileCommands::saveAs);
    connect(recent, &RecentFiles::chosen, this, &FileCommands::openNamed);
    window.setAcceptDrops(true);
    qApp->installEventFilter(this);
    showTitle();
}

bool FileCommands::canOpen(const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        return true;
    warn(windowText("Cannot open configuration"),
         windowText("%1 cannot be opened:\n%2").arg(shownPath(path), file.errorString()));
    return false;
}

bool FileCommands::mayDiscardEdits()
{
    if (!history.isModified())
        return true;
    const QString text =
        path.isEmpty()
            ? windowText("The new configuration has changes that are not saved. Save them first?")
            : windowText("%1 has changes that are not saved. Save them first?")
                  .arg(shownPath(path));
    switch (ask(QMessageBox::Question, windowText("Save changes?"), text,
                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                QMessageBox::Cancel)) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void FileCommands::open()
{
    if (!mayDiscardEdits())
        return;
    const QString chosen =
        QFileDialog::getOpenFileName(&window, windowText("Open file"), StoredSettings::lastFolder(),
                                     windowText("Configuration (*.conf)"));
    if (chosen.isEmpty())
        return;
    StoredSettings::setLastFolder(QFileInfo(chosen).absolutePath());
    openFile(chosen);
}

void FileCommands::openNamed(const QString& named)
{
    // Told first that the file is gone, the user is not asked to save for nothing.
    if (!canOpen(named)) {
        if (!QFileInfo::exists(named))
            recent->remove(named);
        return;
    }
    if (mayDiscardEdits())
        openFile(named);
}

bool FileCommands::save()
{
    if (path.isEmpty())
        return saveAs();
    return passesSaveChecks() && writeTo(path);
}

bool FileCommands::saveAs()
{
    if (!passesSaveChecks())
        return false;
    const QString target = askSaveFileName(path.isEmpty() ? StoredSettings::lastFolder() : path);
    return !target.isEmpty() && writeTo(target);
}

QString FileCommands::writeNew(const Conf& fresh)
{
    if (fresh.validate_for_saving().outcome != Conf::SaveOutcome::save_ok) {
        warn(windowText("Could not save configuration"),
             windowText("Please make sure required (red) fields are filled before creating a new "
                        "configuration."));
        return QString();
    }
    if (!readsBackAsWritten(fresh))
        return QString();
    const QString target = askSaveFileName(StoredSettings::lastFolder());
    return !target.isEmpty() && writeConfiguration(fresh, target) ? target : QString();
}

void FileCommands::began(const QString& opened)
{
    path = opened;
    history.restart();
    recent->add(path);
    showTitle();
    const QString losses = readLossesText(conf);
    lossyFile = losses.isEmpty() ? QString() : path;
    if (!losses.isEmpty())
        warn(windowText("Configuration read only in part"),
             losses +
                 windowText("\n\nSaving this configuration would leave them out of the file."));
}

bool FileCommands::passesSaveChecks() const
{
    const QString duplicates = conf.find_duplicate_subclasses();
    if (!duplicates.isEmpty() &&
        warn(windowText("Duplicate subclasses found!"),
             windowText("At least one duplicated subclass found. Do you wish to continue saving?") +
                 QLatin1Char(' ') + duplicates,
             QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return false;

    const Conf::SaveCheck check = conf.validate_for_saving();
    switch (check.outcome) {
    case Conf::SaveOutcome::subclass_incomplete:
        warn(windowText("Vital information missing in one or more subclasses!"),
             incompleteSubclassesText(conf));
        return false;
    case Conf::SaveOutcome::header_invalid:
        warn(windowText("Header invalid!"),
             windowText("Please make sure all required fields are filled and valid."));
        return false;
    case Conf::SaveOutcome::save_ok:
        break;
    }
    return readsBackAsWritten(conf);
}

bool FileCommands::writeTo(const QString& target)
{
    // Only the file that was not read whole loses what was left out; another file loses nothing.
    const bool overLossyFile = !lossyFile.isEmpty() && QFileInfo(target) == QFileInfo(lossyFile);
    if (overLossyFile &&
        warn(windowText("Save anyway?"),
             windowText("%1 was not read whole. ").arg(shownPath(lossyFile)) +
                 readLossesText(conf) + windowText("\n\nSaving over it loses them. Save anyway?"),
             QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return false;
    if (!writeConfiguration(conf, target))
        return false;
    if (overLossyFile)
        lossyFile.clear();
    path = target;
    history.markSaved();
    recent->add(path);
    showTitle();
    return true;
}

QString FileCommands::askSaveFileName(const QString& startAt)
{
    QFileDialog dialog(&window, windowText("Save as"), startAt,
                       windowText("Configuration (*.conf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("conf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString chosen = dialog.selectedFiles().constFirst();
    StoredSettings::setLastFolder(QFileInfo(chosen).absolutePath());
    return chosen;
}

void FileCommands::showTitle()
{
    const QString title =
        QStringLiteral("Vorlan ") + QString::fromLatin1(AppIdentity::version).prepend('v');
    window.setWindowTitle(title + (path.isEmpty() ? QString() : QLatin1Char(' ') + path) +
                          QStringLiteral("[*]"));
}

bool FileCommands::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Close:
        if (watched != &window)
            return false;
        if (!mayDiscardEdits()) {
            event->ignore();
            return true;
        }
        StoredSettings::setWindowGeometry(window.saveGeometry());
        StoredSettings::setWindowState(window.saveState(StoredSettings::windowStateVersion));
        return false;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        // Also over the line edits, which would take the file's name as text.
        const auto* widget = qobject_cast<QWidget*>(watched);
        auto* drop = static_cast<QDropEvent*>(event);
        const QString dropped = widget && widget->window() == &window
                                    ? droppedConfiguration(drop->mimeData())
                                    : QString();
        if (dropped.isEmpty())
            return false;
        drop->acceptProposedAction();
        // Not within the drop: the drag's source waits until it is handled, and the window may
        // ask questions first.
        if (event->type() == QEvent::Drop)
            QTimer::singleShot(0, this, [this, dropped] { openNamed(dropped); });
        return true;
    }
    default:
        return false;
    }
}
