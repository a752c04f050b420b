#pragma once

#include "ui/recentfiles.h"

#include <QObject>
#include <QString>

#include <functional>

class Conf;
class EditHistory;
class QMainWindow;

namespace Ui {
class Vorlan;
}

// The window's configuration file: which file it is, the Open, Save and Save As commands, asking
// before unsaved edits would be lost (closing, New, Open, a recent or dropped file), the recent
// files, and the window's title. Opening itself, and New's new configuration, are the window's:
// they change what every panel shows.
class FileCommands : public QObject
{
    Q_OBJECT

public:
    // open is the window's Open once a file is chosen.
    FileCommands(QMainWindow& window, Ui::Vorlan& form, const Conf& conf, EditHistory& history,
                 std::function<bool(const QString&)> open);

    // Whether a file can be read as a configuration; if not, the user is told why.
    static bool canOpen(const QString& path);

    // Asks whether to save a modified configuration first. True when it was saved or the user
    // lets the changes go; false when they cancel, or the save did not happen.
    bool mayDiscardEdits();
    // File › Open: asks about unsaved changes, then for the file.
    void open();
    // A file given by name (recent list, drop): asks about unsaved changes, then opens it.
    void openNamed(const QString& path);
    // Save writes to the configuration's file, and is Save As while it has none.
    bool save();
    bool saveAs();
    // New's checks and dialog for the configuration made of the header; the file written, or the
    // empty text when nothing was.
    QString writeNew(const Conf& fresh);
    // The window now holds the configuration of this file, with a new history.
    void began(const QString& path);

protected:
    // Closing asks about unsaved changes; one configuration file dropped onto the window opens.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool passesSaveChecks() const;
    bool writeTo(const QString& target);
    QString askSaveFileName(const QString& startAt);
    void showTitle();

    QMainWindow& window;
    const Conf& conf;
    EditHistory& history;
    std::function<bool(const QString&)> openFile;
    RecentFiles* recent;
    QString path; // the configuration's file; empty before it has one
    // The file that was not read whole (a read stopped early, key lines left out), until something
    // is saved over it.
    QString lossyFile;
};
