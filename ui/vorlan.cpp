// Construction of the main window: the form, its panels, wiring and validators.
#include "ui/vorlan.h"

#include "app/appidentity.h"
#include "ui/analysisdock.h"
#include "ui/axlerows.h"
#include "ui/constraintpanel.h"
#include "ui/edithistory.h"
#include "ui/filecommands.h"
#include "ui/numberfields.h"
#include "ui/reasontexts.h"
#include "ui/storedsettings.h"
#include "ui/subclasslists.h"
#include "ui_vorlan.h"

#include <QApplication>
#include <QDebug>
#include <QIcon>
#include <QKeySequence>
#include <QLineEdit>
#include <QShortcut>

Vorlan::Vorlan(QWidget* parent) : QMainWindow(parent), ui(new Ui::Vorlan)
{
    qDebug().noquote() << "Starting Vorlan"
                       << QString::fromLatin1(AppIdentity::version).prepend(QLatin1Char('v'));

    ui->setupUi(this);
    // The application's, so that the dialogs and the message boxes without a parent carry it too.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/res/icon.ico")));

    // Every edit of a subclass field, fixed or made at run time, reaches the one dispatcher.
    const auto wire = [this](QLineEdit* edit) {
        connect(edit, &QLineEdit::textEdited, this, &Vorlan::textChanged);
    };
    header = std::make_unique<HeaderPanel>(*ui, units);
    axleRows = std::make_unique<AxleRows>(*ui, units, wire);
    constraints = std::make_unique<ConstraintPanel>(*ui, units, wire);
    lists = std::make_unique<SubclassLists>(
        *ui, [this](quint32 number) { return invalidSubclassText(conf, number); });

    analysis = new AnalysisDock(conf, verdicts, units, this);
    addDockWidget(Qt::RightDockWidgetArea, analysis);
    analysis->addMenuEntries(menuBar(), ui->menuOptions, ui->menuFile, ui->actionExit);
    connect(this, &Vorlan::configurationChanged, analysis, &AnalysisDock::markOutOfDate);
    connect(analysis, &AnalysisDock::subclassChosen, this, &Vorlan::showSubclass);
    // Later runs bring the window and its dock back as they were left.
    const QByteArray geometry = StoredSettings::windowGeometry();
    if (geometry.isEmpty())
        analysis->placeOnFirstRun(*this);
    restoreState(StoredSettings::windowState(), StoredSettings::windowStateVersion);
    restoreGeometry(geometry);

    history = std::make_unique<EditHistory>(
        *this, ui->actionUndo, ui->actionRedo,
        StepContext{conf, [this](const StepContext::Shown& step) { showStep(step); }});
    connect(history.get(), &EditHistory::changed, this, &Vorlan::configurationChanged);
    file = std::make_unique<FileCommands>(*this, *ui, conf, *history, [this](const QString& path) {
        return openConfiguration(path);
    });

    connect(ui->actionNew, &QAction::triggered, this, &Vorlan::menuNewClicked);
    connect(ui->actionAbout, &QAction::triggered, this, &Vorlan::menuAboutClicked);
    connect(ui->actionUpdate, &QAction::triggered, this, &Vorlan::menuUpdateClicked);
    connect(ui->actionConfiguration, &QAction::triggered, this, &Vorlan::menuConfigurationClicked);
    connect(ui->buttonGConstant, &QPushButton::clicked, this, &Vorlan::menuConfigurationClicked);
    connect(header.get(), &HeaderPanel::edited, this, &Vorlan::storeHeaderValue);
    ui->actionNew->setShortcuts(QKeySequence::New);
    ui->actionExit->setShortcuts(QKeySequence::Quit);

    for (QLineEdit* edit :
         {ui->lineEditCategory, ui->lineEditMaxGrossWeight, ui->lineEditConfString,
          ui->lineEditPrepend, ui->lineEditAppend, ui->lineEditReclassUpGvw,
          ui->lineEditReclassUpTo, ui->lineEditReclassDownGvw, ui->lineEditReclassDownTo,
          ui->lineEditTotalDistanceConstraint, ui->lineEditTotalWeightConstraint, ui->lineEditAlias,
          ui->lineEditOverrideClass, ui->lineEditOverrideGroups})
        wire(edit);

    // Each field as wide as the widest value it shows: weights in pounds, lengths in inches.
    using namespace NumberFields;
    for (QLineEdit* edit : {ui->lineEditMaxGrossWeight, ui->lineEditReclassUpGvw,
                            ui->lineEditReclassDownGvw, ui->lineEditPrepend, ui->lineEditAppend}) {
        acceptReals(edit);
        fitWidth(edit, QStringLiteral("999999.99"));
    }
    // Reclassification targets are subclass numbers.
    for (QLineEdit* edit :
         {ui->lineEditSubclass, ui->lineEditCopy, ui->lineEditCategory, ui->lineEditOverrideClass,
          ui->lineEditOverrideGroups, ui->lineEditAlias, ui->lineEditReclassUpTo,
          ui->lineEditReclassDownTo}) {
        acceptWholeNumbers(edit);
        fitWidth(edit, QStringLiteral("999999"));
    }
    acceptWholeNumbers(ui->lineEditNumOfAxles, 2, Subclass::max_axles);
    fitWidth(ui->lineEditNumOfAxles, QStringLiteral("20"));
    fitWidth(ui->lineEditConfString, QStringLiteral("H2T2D1S2"));

    // Until a configuration is opened or created there is no subclass to show.
    clearSubclassFields();
    ui->groupBoxSubclass->hide();
    ui->groupBoxReclassify->hide();
    ui->frameMiddle->hide();

    for (const QKeySequence& key : {QKeySequence(Qt::Key_Up), QKeySequence(Qt::ALT + Qt::Key_Left)})
        connect(new QShortcut(key, this), &QShortcut::activated, this,
                [this] { lists->selectPrevious(); });
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Down), QKeySequence(Qt::ALT + Qt::Key_Right)})
        connect(new QShortcut(key, this), &QShortcut::activated, this,
                [this] { lists->selectNext(); });

    // The units chosen last time; their g is the standard one until a file brings its own.
    const auto [weight, length] = StoredSettings::unitCodes();
    if (weight != units.weightUnit() || length != units.lengthUnit()) {
        units.setUnits(weight, length, DisplayUnits::standardGravity);
        redisplayUnits();
    }

    // Hiding the subclass fields must not re-flow the rest of the window.
    for (QWidget* widget :
         {static_cast<QWidget*>(ui->frameSubclassBottom), static_cast<QWidget*>(ui->frameMiddle)}) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
}

Vorlan::~Vorlan()
{
    delete ui;
}

Subclass* Vorlan::currentSubclass()
{
    const QString typed = ui->lineEditSubclass->text();
    bool isNumber = false;
    const quint32 number = typed.toUInt(&isNumber);
    if (!isNumber || QString::number(number) != typed || !conf.has_subclass(number))
        return nullptr;
    return &conf.get_subclass(number);
}
