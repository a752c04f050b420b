// Construction of the main window: the form, its wiring, validators and first editors.
#include "ui/vorlan.h"

#include "app/appidentity.h"
#include "ui_vorlan.h"

#include <QCheckBox>
#include <QDebug>
#include <QDoubleValidator>
#include <QIntValidator>
#include <QKeySequence>
#include <QLineEdit>
#include <QShortcut>

Vorlan::Vorlan(QWidget* parent) : QMainWindow(parent), ui(new Ui::Vorlan)
{
    windowTitleText = QStringLiteral("Vorlan ") +
                      QString::fromLatin1(AppIdentity::version).prepend(QLatin1Char('v'));
    qDebug().noquote() << "Starting" << windowTitleText;

    ui->setupUi(this);
    setWindowTitle(windowTitleText);

    connect(ui->actionNew, &QAction::triggered, this, &Vorlan::menuNewClicked);
    connect(ui->actionOpen, &QAction::triggered, this, &Vorlan::menuOpenClicked);
    connect(ui->actionSave, &QAction::triggered, this, &Vorlan::menuSaveClicked);
    connect(ui->actionAbout, &QAction::triggered, this, &Vorlan::menuAboutClicked);
    connect(ui->actionUpdate, &QAction::triggered, this, &Vorlan::menuUpdateClicked);
    connect(ui->actionConfiguration, &QAction::triggered, this, &Vorlan::menuConfigurationClicked);
    connect(ui->buttonGConstant, &QPushButton::clicked, this, &Vorlan::menuConfigurationClicked);

    connectHeaderEdits();

    for (QLineEdit* edit :
         {ui->lineEditCategory, ui->lineEditMaxGrossWeight, ui->lineEditConfString,
          ui->lineEditPrepend, ui->lineEditAppend, ui->lineEditReclassUpGvw,
          ui->lineEditReclassUpTo, ui->lineEditReclassDownGvw, ui->lineEditReclassDownTo,
          ui->lineEditTotalDistanceConstraint, ui->lineEditTotalWeightConstraint, ui->lineEditAlias,
          ui->lineEditOverrideClass, ui->lineEditOverrideGroups})
        connect(edit, &QLineEdit::textEdited, this, &Vorlan::textChanged);

    // Validators follow the window's locale, not the machine's, so a decimal point is what
    // every real-number field accepts, as its status tip says.
    auto* realValidator = new QDoubleValidator(this);
    realValidator->setLocale(locale());
    for (QLineEdit* edit :
         {ui->lineEditGroupMaxDist, ui->lineEditMinAxleSpacing, ui->lineEditMinAvgAxleWeight,
          ui->lineEditMaxAxleDist, ui->lineEditMinAxleDist, ui->lineEditMaxGrossWeight,
          ui->lineEditAddConstraint, ui->lineEditPrepend, ui->lineEditAppend,
          ui->lineEditReclassUpGvw, ui->lineEditReclassUpTo, ui->lineEditReclassDownGvw,
          ui->lineEditReclassDownTo})
        edit->setValidator(realValidator);
    auto* intValidator = new QIntValidator(this);
    intValidator->setLocale(locale());
    for (QLineEdit* edit :
         {ui->lineEditUnclassified, ui->lineEditUncategorised, ui->lineEditSubclass,
          ui->lineEditCopy, ui->lineEditCategory, ui->lineEditOverrideClass,
          ui->lineEditOverrideGroups, ui->lineEditAlias})
        edit->setValidator(intValidator);
    auto* axleCountValidator = new QIntValidator(2, 20, this);
    axleCountValidator->setLocale(locale());
    ui->lineEditNumOfAxles->setValidator(axleCountValidator);

    // Shown once a constraint kind is chosen.
    ui->lineEditAddConstraint->hide();
    ui->lineEditAddLowerConstraint->hide();
    ui->lineEditAddUpperConstraint->hide();

    clearSubclassPanel();

    for (const QKeySequence& key : {QKeySequence(Qt::Key_Up), QKeySequence(Qt::ALT + Qt::Key_Left)})
        connect(new QShortcut(key, this), &QShortcut::activated, this,
                &Vorlan::selectPreviousSubclass);
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Down), QKeySequence(Qt::ALT + Qt::Key_Right)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &Vorlan::selectNextSubclass);

    // Axle 1 has no gap before it, so its editors exist from the start; later axles get theirs
    // when an axle count first needs them.
    auto* weightEdit = new QLineEdit(this);
    setupAxleEdit(weightEdit, true, axleWeightStatusTip, QStringLiteral("MaxAxleWeightEdit1"));
    ui->frameMaxAxleWeightsEdits->layout()->addWidget(weightEdit);
    weightEdit->hide();
    QCheckBox* box = createAxleBox(1);
    ui->frameMaxAxleWeightsBoxes->layout()->addWidget(box);
    box->hide();
    auto* tyreEdit = new QLineEdit(this);
    setupAxleEdit(tyreEdit, false, tyreTypeStatusTip, QStringLiteral("TyreType1"));
    ui->frameTyreTypes->layout()->addWidget(tyreEdit);
    tyreEdit->hide();

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
