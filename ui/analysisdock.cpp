#include "ui/analysisdock.h"

#include "model/conf.h"
#include "ui/problemslist.h"
#include "ui/spacingchart.h"
#include "ui/spacingchartmodel.h"
#include "ui/vehiclesview.h"
#include "ui/windowtext.h"

#include <QAction>
#include <QFileDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>

AnalysisDock::AnalysisDock(const Conf& conf, const LimitVerdicts& verdicts,
                           const DisplayUnits& units, QWidget* parent)
    : QDockWidget(windowText("Analysis"), parent), conf(conf), verdicts(verdicts), units(units)
{
    setObjectName(QStringLiteral("dockAnalysis"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);

    loadAction = new QAction(windowText("Load Measured Vehicles…"), this);
    loadAction->setObjectName(QStringLiteral("actionLoadVehicles"));
    loadAction->setStatusTip(
        windowText("Read a file of measured vehicles and run them through the table."));
    connect(loadAction, &QAction::triggered, this, &AnalysisDock::loadVehicles);

    problems = new ProblemsList(this);
    vehicles = new VehiclesView(loadAction, this);
    chart = new SpacingChart(units, this);
    auto* chartArea = new QScrollArea(this);
    chartArea->setWidget(chart);
    chartArea->setWidgetResizable(true);
    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabsAnalysis"));
    tabs->insertTab(problemsTab, problems, windowText("Problems"));
    tabs->insertTab(vehiclesTab, vehicles, windowText("Vehicles"));
    tabs->insertTab(chartTab, chartArea, windowText("Spacing chart"));
    setWidget(tabs);

    connect(problems, &ProblemsList::subclassChosen, this, &AnalysisDock::subclassChosen);
    connect(vehicles, &VehiclesView::subclassChosen, this, &AnalysisDock::subclassChosen);
    connect(chart, &SpacingChart::subclassChosen, this, &AnalysisDock::subclassChosen);
    refreshTimer.setSingleShot(true);
    refreshTimer.setInterval(refreshDelayMs);
    connect(&refreshTimer, &QTimer::timeout, this, &AnalysisDock::refreshShown);
    connect(tabs, &QTabWidget::currentChanged, this, &AnalysisDock::refreshShown);
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible)
            refreshShown();
    });
}

void AnalysisDock::addMenuEntries(QMenuBar* bar, QMenu* before, QMenu* file, QAction* beforeInFile)
{
    file->insertAction(beforeInFile, loadAction);
    file->insertSeparator(beforeInFile);
    auto* view = new QMenu(windowText("&View"), bar);
    view->setObjectName(QStringLiteral("menuView"));
    QAction* toggle = toggleViewAction();
    toggle->setObjectName(QStringLiteral("actionShowAnalysis"));
    toggle->setStatusTip(windowText("Show or hide the problems, the measured vehicles and the "
                                    "spacing chart."));
    view->addAction(toggle);
    bar->insertMenu(before->menuAction(), view);
}

void AnalysisDock::placeOnFirstRun(QMainWindow& window)
{
    const QScreen* screen = window.screen();
    const int room = screen ? screen->availableGeometry().width() - window.width() : 0;
    // Narrower than this the problem lines are cut to a few words.
    const int least = fontMetrics().averageCharWidth() * 40;
    if (room < least) {
        hide();
        return;
    }
    const int width = qMin(sizeHint().width(), room);
    window.resize(window.width() + width, window.height());
    // The main window lays its docks out only once it is shown.
    QTimer::singleShot(0, &window, [this, &window, width] {
        window.resizeDocks({this}, {width}, Qt::Horizontal);
    });
}

bool AnalysisDock::refreshPending() const
{
    return refreshTimer.isActive() || (isVisible() && stale.at(tabs->currentIndex()));
}

void AnalysisDock::refreshNow()
{
    refreshTimer.stop();
    refreshShown();
}

void AnalysisDock::markOutOfDate()
{
    stale.fill(true);
    refreshTimer.start();
}

void AnalysisDock::showCurrentSubclass(quint32 number)
{
    if (!conf.has_subclass(number) || current == number)
        return;
    current = number;
    const Subclass& subclass = conf.get_subclass(number);
    const int axles =
        subclass.is_number_of_axles_valid() ? subclass.get_number_of_axles().toInt() : 0;
    if (!stale.at(chartTab) && axles > 0 && axles == chart->model().axles) {
        chart->setCurrent(number);
        return;
    }
    stale[chartTab] = true;
    if (tabs->currentIndex() == chartTab && !refreshTimer.isActive())
        refreshTimer.start();
}

void AnalysisDock::refreshShown()
{
    const int tab = tabs->currentIndex();
    if (!isVisible() || !stale.at(tab))
        return;
    stale[tab] = false;
    switch (tab) {
    case problemsTab: {
        const int found = problems->rebuild(conf, verdicts, units);
        tabs->setTabText(problemsTab, found > 0 ? windowText("Problems (%1)").arg(found)
                                                : windowText("Problems"));
        break;
    }
    case vehiclesTab:
        vehicles->reclassify(conf);
        break;
    case chartTab:
        chart->setModel(SpacingChartModel::build(conf, current, vehicles->sample()));
        break;
    }
}

void AnalysisDock::loadVehicles()
{
    const QString path =
        QFileDialog::getOpenFileName(this, windowText("Load Measured Vehicles"), QString(),
                                     windowText("Measured vehicles (*.csv *.txt);;All files (*)"));
    if (path.isEmpty() || !vehicles->load(path, conf))
        return;
    // The vehicles are counted; the chart draws them once it is in view.
    stale[vehiclesTab] = false;
    stale[chartTab] = true;
    show();
    raise();
    tabs->setCurrentIndex(vehiclesTab);
}
