#pragma once

#include <QDockWidget>
#include <QTimer>

#include <array>
#include <optional>

class Conf;
class DisplayUnits;
class LimitVerdicts;
class ProblemsList;
class QAction;
class QMenu;
class QMainWindow;
class QMenuBar;
class QTabWidget;
class SpacingChart;
class VehiclesView;

// The "Analysis" dock beside the fields: the problems the analyses find, the measured vehicles
// run through the table, and a chart of the spacing ranges. It reads the window's configuration
// and units and never changes them; it asks for a subclass to be shown through subclassChosen.
//
// The analyses run again once typing pauses: each change restarts a short timer, so a burst of
// keystrokes costs one run, and only the tab in view is brought up to date (the others when
// they come into view), so that typing into a large table never waits for them.
class AnalysisDock : public QDockWidget
{
    Q_OBJECT

public:
    static constexpr int refreshDelayMs = 250;

    // verdicts: every subclass's validity, kept by the window as the configuration changes.
    AnalysisDock(const Conf& conf, const LimitVerdicts& verdicts, const DisplayUnits& units,
                 QWidget* parent = nullptr);

    // "Load Measured Vehicles…" into the file menu before one of its actions, and a View menu
    // with the dock's toggle into the menu bar before one of its menus.
    void addMenuEntries(QMenuBar* bar, QMenu* before, QMenu* file, QAction* beforeInFile);
    // Where the dock comes up on the program's first run: beside the fields, the window widened
    // for it as far as the screen allows, or hidden when the screen leaves it too little room,
    // so that the fields are never squeezed behind a scroll bar before the user asks for it.
    void placeOnFirstRun(QMainWindow& window);

    // How long typing must pause before the analyses run again.
    void setRefreshDelay(int milliseconds) { refreshTimer.setInterval(milliseconds); }
    // Whether the tab in view waits for the analyses to run again.
    bool refreshPending() const;
    // Brings the tab in view up to date now.
    void refreshNow();

public slots:
    // The configuration, or the units it is shown in, changed.
    void markOutOfDate();
    // The subclass the window shows.
    void showCurrentSubclass(quint32 number);

signals:
    void subclassChosen(quint32 number);

private:
    enum Tab
    {
        problemsTab,
        vehiclesTab,
        chartTab,
        tabCount
    };

    void refreshShown();
    void loadVehicles();

    const Conf& conf;
    const LimitVerdicts& verdicts;
    const DisplayUnits& units;
    QTabWidget* tabs;
    ProblemsList* problems;
    VehiclesView* vehicles;
    SpacingChart* chart;
    QAction* loadAction;
    QTimer refreshTimer;
    std::array<bool, tabCount> stale{{true, true, true}};
    std::optional<quint32> current;
};
