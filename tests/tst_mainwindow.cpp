// The main window as it comes up: identity, widget tree, validators, menus, shortcuts, About.
#include "app/about.h"
#include "app/appidentity.h"
#include "ui/vorlan.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFile>
#include <QGraphicsView>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QUrlQuery>
#include <QValidator>
#include <QtTest>

#include <memory>

namespace {

// Receives what the window hands to the desktop's browser.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void titleIdentityAndLocale();
    void objectNames_data();
    void objectNames();
    void headerRows_data();
    void headerRows();
    void firstAxleEditors_data();
    void firstAxleEditors();
    void initialVisibility_data();
    void initialVisibility();
    void initialColours_data();
    void initialColours();
    void validators_data();
    void validators();
    void realFieldsTakeADecimalPointWhateverTheSystemLocale();
    void menus_data();
    void menus();
    void helpMenuShowsOnlyAboutAndUpdate();
    void tabOrder();
    void shortcuts_data();
    void shortcuts();
    void aboutVersionLine();
    void aboutShowsIcon();
    void aboutCloses_data();
    void aboutCloses();
    void updateOpensUpdatePage();

private:
    template <class T> T* widget(const QString& name) const { return window->findChild<T*>(name); }

    std::unique_ptr<Vorlan> window;
};

void TestMainWindow::initTestCase()
{
    applyApplicationIdentity();
    initEmbeddedResources();
}

void TestMainWindow::init()
{
    window = std::make_unique<Vorlan>();
}

void TestMainWindow::cleanup()
{
    window.reset();
}

void TestMainWindow::titleIdentityAndLocale()
{
    QTest::ignoreMessage(QtDebugMsg, "Starting Vorlan v3.4.3");
    Vorlan fresh;
    QCOMPARE(fresh.windowTitle(), QStringLiteral("Vorlan v3.4.3"));
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Dravlin d.o.o"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Vorlan"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("3.4.3"));
    QVERIFY(!QCoreApplication::organizationDomain().isEmpty());
    QCOMPARE(fresh.locale(), QLocale(QLocale::English, QLocale::UnitedKingdom));
    QVERIFY(fresh.configuration().header().isEmpty());
    QCOMPARE(fresh.configuration().subclass_count(), 0);
}

void TestMainWindow::objectNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    const QList<QPair<const char*, QStringList>> tree = {
        {"QFrame",
         {"frameTop", "frameSubclassBottom", "frameMiddle", "frameMaxAxleDists",
          "frameMinAxleDists", "frameTyreTypes", "frameMaxAxleWeightsEdits",
          "frameMaxAxleWeightsBoxes", "frameAddConstraint", "frameCombinedWeightConstraints",
          "frameAdsl", "frameAwsl"}},
        {"QWidget", {"centralwidget", "widgetDistanceConstraints", "widgetWeightConstraints"}},
        {"QGroupBox", {"groupBoxHeader", "groupBoxSubclass", "groupBoxReclassify"}},
        {"QLineEdit",
         {"lineEditVersion",
          "lineEditCountry",
          "lineEditGroupMaxDist",
          "lineEditMinAxleSpacing",
          "lineEditMinAvgAxleWeight",
          "lineEditMaxAxleDist",
          "lineEditMinAxleDist",
          "lineEditUnclassified",
          "lineEditUncategorised",
          "lineEditSubclass",
          "lineEditOverrideClass",
          "lineEditOverrideGroups",
          "lineEditCopy",
          "lineEditAlias",
          "lineEditCategory",
          "lineEditNumOfAxles",
          "lineEditPrepend",
          "lineEditMaxGrossWeight",
          "lineEditAppend",
          "lineEditConfString",
          "lineEditReclassUpGvw",
          "lineEditReclassUpTo",
          "lineEditReclassDownGvw",
          "lineEditReclassDownTo",
          "lineEditAddConstraint",
          "lineEditAddLowerConstraint",
          "lineEditAddUpperConstraint",
          "lineEditTotalDistanceConstraint",
          "lineEditTotalWeightConstraint"}},
        {"QLabel",
         {"labelVersion",
          "labelCountry",
          "labelGroupMaxDist",
          "labelMinAxleSpacing",
          "labelMinAvgAxleWeight",
          "labelMinAxleDist",
          "labelMaxAxleDist",
          "labelUnclassified",
          "labelUncategorised",
          "labelGConstant",
          "labelSubclasses",
          "labelSubclassLarge",
          "labelInvalid",
          "labelSubclass",
          "labelOverrideClass",
          "labelOverrideGroups",
          "labelAlias",
          "labelCategory",
          "labelNumOfAxles",
          "labelPrepend",
          "labelMaxGrossWeight",
          "labelAppend",
          "labelConfString",
          "labelReclassUp",
          "labelReclassUpGvw",
          "labelReclassUpTo",
          "labelReclassDown",
          "labelReclassDownGvw",
          "labelReclassDownTo",
          "labelMaxAxleDists",
          "labelSumMaxAxleDist",
          "labelMinAxleDists",
          "labelSumMinAxleDist",
          "labelTyreTypes",
          "labelMaxAxleWeightsEdits",
          "labelSumMaxAxleWeights",
          "labelConstraints",
          "labelCombinedWeightConstraints",
          "labelTotalDistanceConstraint",
          "labelAdsl",
          "labelTotalWeightConstraint",
          "labelAwsl"}},
        {"QPushButton", {"buttonGConstant", "buttonCopy", "buttonSubclass", "buttonAddConstraint"}},
        {"QComboBox", {"comboBoxSubclasses", "comboBoxInvalid", "comboBoxAddConstraint"}},
        {"QGraphicsView", {"graphicsViewMin", "graphicsViewMax"}},
        {"QMenuBar", {"menubar"}},
        {"QMenu", {"menuFile", "menuOptions", "menuHelp"}},
        {"QStatusBar", {"statusBar"}},
        {"QAction",
         {"actionNew", "actionOpen", "actionSave", "actionExit", "actionConfiguration",
          "actionHelp", "actionAbout", "actionUpdate"}},
        {"QVBoxLayout",
         {"verticalLayout_4", "verticalLayout", "verticalLayout_3", "layoutReclassUp",
          "layoutReclassDown", "verticalLayout_2", "layoutMaxAxleWeights", "layoutImages"}},
        {"QGridLayout", {"gridLayout", "gridLayout_2"}},
        {"QHBoxLayout", {"horizontalLayout_7",  "layoutVersion",        "layoutCountry",
                         "layoutGroupMaxDist",  "layoutMinAxleSpacing", "layoutMinAvgAxleWeight",
                         "layoutMinAxleDist",   "layoutMaxAxleDist",    "layoutUnclassified",
                         "layoutUncategorised", "layoutGConstant",      "horizontalLayout_8",
                         "layoutSubclass",      "layoutOverrideClass",  "layoutOverrideGroups",
                         "layoutCopy",          "layoutAlias",          "layoutCategory",
                         "layoutNumOfAxles",    "layoutPrepend",        "layoutMaxGrossWeight",
                         "layoutAppend",        "layoutConfString",     "layoutReclassUpGvv",
                         "layoutReclassUpTo",   "layoutReclassDownGvw", "layoutReclassDownTo",
                         "layoutMaxAxleDists",  "horizontalLayout",     "layoutMinAxleDists",
                         "horizontalLayout_3",  "horizontalLayout_4",   "layoutMaxAxleWeightsInner",
                         "horizontalLayout_2",  "horizontalLayout_6",   "horizontalLayout_5",
                         "layoutConstraints",   "horizontalLayout_12",  "horizontalLayout_11",
                         "horizontalLayout_9",  "horizontalLayout_13"}},
    };
    for (const auto& [kind, names] : tree)
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << name << QString::fromLatin1(kind);
}

void TestMainWindow::objectNames()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    const QList<QObject*> found = window->findChildren<QObject*>(name);
    QCOMPARE(found.size(), 1);
    QCOMPARE(QString::fromLatin1(found.first()->metaObject()->className()), kind);
}

void TestMainWindow::headerRows_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("edit");
    QTest::newRow("version") << "layoutVersion"
                             << "labelVersion"
                             << "Classification version:"
                             << "lineEditVersion";
    QTest::newRow("country") << "layoutCountry"
                             << "labelCountry"
                             << "Country code:"
                             << "lineEditCountry";
    QTest::newRow("group") << "layoutGroupMaxDist"
                           << "labelGroupMaxDist"
                           << "Group max. distance (m):"
                           << "lineEditGroupMaxDist";
    QTest::newRow("spacing") << "layoutMinAxleSpacing"
                             << "labelMinAxleSpacing"
                             << "Min. space between vehicles (m):"
                             << "lineEditMinAxleSpacing";
    QTest::newRow("avg weight") << "layoutMinAvgAxleWeight"
                                << "labelMinAvgAxleWeight"
                                << "Min. avg. axle weight (t):"
                                << "lineEditMinAvgAxleWeight";
    // The two distance rows carry each other's object names; the user sees matching texts.
    QTest::newRow("max distance") << "layoutMinAxleDist"
                                  << "labelMinAxleDist"
                                  << "Max. axle distance (m):"
                                  << "lineEditMaxAxleDist";
    QTest::newRow("min distance") << "layoutMaxAxleDist"
                                  << "labelMaxAxleDist"
                                  << "Min. axle distance (m):"
                                  << "lineEditMinAxleDist";
    QTest::newRow("unclassified") << "layoutUnclassified"
                                  << "labelUnclassified"
                                  << "Unclassified vehicles subclass:"
                                  << "lineEditUnclassified";
    QTest::newRow("uncategorised") << "layoutUncategorised"
                                   << "labelUncategorised"
                                   << "Uncategorised vehicle cat.:"
                                   << "lineEditUncategorised";
    QTest::newRow("g") << "layoutGConstant"
                       << "labelGConstant"
                       << "Gravitational acceleration:"
                       << "buttonGConstant";
}

void TestMainWindow::headerRows()
{
    QFETCH(QString, row);
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(QString, edit);
    auto* layout = window->findChild<QLayout*>(row);
    QVERIFY(layout);
    QCOMPARE(layout->count(), 2);
    QCOMPARE(layout->itemAt(0)->widget()->objectName(), label);
    QCOMPARE(qobject_cast<QLabel*>(layout->itemAt(0)->widget())->text(), text);
    QCOMPARE(layout->itemAt(1)->widget()->objectName(), edit);
    QCOMPARE(layout->parent()->objectName(), QStringLiteral("verticalLayout"));
}

void TestMainWindow::firstAxleEditors_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("statusTip");
    QTest::newRow("weight") << "MaxAxleWeightEdit1"
                            << "frameMaxAxleWeightsEdits"
                            << "Accepts non-negative real values. Use decimal point.";
    QTest::newRow("box") << "MaxAxleWeightBox1"
                         << "frameMaxAxleWeightsBoxes"
                         << "Used for selecting to which axles we want to apply the constraint.";
    QTest::newRow("tyre") << "TyreType1"
                          << "frameTyreTypes"
                          << "Integer value representing tyre type. 1 for single, 2 for double, "
                             "3 for super single and 4 for quadruple.";
}

void TestMainWindow::firstAxleEditors()
{
    QFETCH(QString, name);
    QFETCH(QString, frame);
    QFETCH(QString, statusTip);
    auto* editor = widget<QWidget>(name);
    QVERIFY(editor);
    // Other editors find axle 1 as item 1 of its frame, after the caption.
    QCOMPARE(editor->parentWidget()->objectName(), frame);
    QCOMPARE(editor->parentWidget()->layout()->indexOf(editor), 1);
    QVERIFY(editor->isHidden());
    QCOMPARE(editor->statusTip(), statusTip);
    if (auto* box = qobject_cast<QCheckBox*>(editor))
        QCOMPARE(box->text(), QStringLiteral("1 "));
    else
        QVERIFY(qobject_cast<QLineEdit*>(editor)->validator());
}

void TestMainWindow::initialVisibility_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("header") << "groupBoxHeader" << false;
    QTest::newRow("subclass") << "groupBoxSubclass" << true;
    QTest::newRow("reclassify") << "groupBoxReclassify" << true;
    QTest::newRow("middle") << "frameMiddle" << true;
    QTest::newRow("add value") << "lineEditAddConstraint" << true;
    QTest::newRow("add lower") << "lineEditAddLowerConstraint" << true;
    QTest::newRow("add upper") << "lineEditAddUpperConstraint" << true;
    QTest::newRow("views") << "graphicsViewMin" << false;
    QTest::newRow("help") << "actionHelp" << true;
}

void TestMainWindow::initialVisibility()
{
    QFETCH(QString, name);
    QFETCH(bool, hidden);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    if (auto* action = widget<QAction>(name)) {
        QCOMPARE(!action->isVisible(), hidden);
        return;
    }
    auto* w = widget<QWidget>(name);
    QVERIFY(w);
    QCOMPARE(w->isHidden(), hidden);

    QVERIFY(!widget<QPushButton>("buttonCopy")->isEnabled());
    QVERIFY(!widget<QGraphicsView>("graphicsViewMin")->scene());
    QVERIFY(!widget<QGraphicsView>("graphicsViewMax")->scene());
    QVERIFY(widget<QWidget>("frameMiddle")->sizePolicy().retainSizeWhenHidden());
    QVERIFY(widget<QWidget>("frameSubclassBottom")->sizePolicy().retainSizeWhenHidden());
    QCOMPARE(widget<QComboBox>("comboBoxAddConstraint")->currentIndex(), -1);
}

void TestMainWindow::initialColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour"); // invalid: no colour of its own
    const QColor red(255, 0, 0);
    const QColor lime(0, 255, 0);
    QTest::newRow("version") << "lineEditVersion" << lime;
    QTest::newRow("country") << "lineEditCountry" << red;
    QTest::newRow("group distance") << "lineEditGroupMaxDist" << red;
    QTest::newRow("spacing") << "lineEditMinAxleSpacing" << lime;
    QTest::newRow("avg weight") << "lineEditMinAvgAxleWeight" << lime;
    QTest::newRow("max distance") << "lineEditMaxAxleDist" << lime;
    QTest::newRow("min distance") << "lineEditMinAxleDist" << lime;
    QTest::newRow("unclassified") << "lineEditUnclassified" << red;
    QTest::newRow("uncategorised") << "lineEditUncategorised" << lime;
    QTest::newRow("category") << "lineEditCategory" << QColor();
    QTest::newRow("subclass") << "lineEditSubclass" << QColor();
    QTest::newRow("axle configuration") << "lineEditConfString" << QColor();
}

void TestMainWindow::initialColours()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto* edit = widget<QLineEdit>(name);
    QVERIFY(edit);
    edit->ensurePolished();
    const QColor shown = edit->palette().color(QPalette::Window);
    if (colour.isValid()) {
        QCOMPARE(shown, colour);
    } else {
        QVERIFY(edit->styleSheet().isEmpty());
        QVERIFY(shown != QColor(255, 0, 0) && shown != QColor(0, 255, 0));
    }
}

void TestMainWindow::validators_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("acceptable");
    QTest::newRow("axles 1") << "lineEditNumOfAxles"
                             << "1"
                             << "1" << false;
    QTest::newRow("axles 2") << "lineEditNumOfAxles"
                             << "2"
                             << "2" << true;
    QTest::newRow("axles 20") << "lineEditNumOfAxles"
                              << "20"
                              << "20" << true;
    QTest::newRow("axles 21") << "lineEditNumOfAxles"
                              << "21"
                              << "21" << false;
    QTest::newRow("axles 200") << "lineEditNumOfAxles"
                               << "200"
                               << "20" << true;
    QTest::newRow("country any text") << "lineEditCountry"
                                      << "Slovenia, 1.5"
                                      << "Slovenia, 1.5" << true;
    QTest::newRow("version any text") << "lineEditVersion"
                                      << "2024-05 site"
                                      << "2024-05 site" << true;
    QTest::newRow("conf string") << "lineEditConfString"
                                 << "H2S3"
                                 << "H2S3" << true;
    QTest::newRow("real") << "lineEditGroupMaxDist"
                          << "2.5"
                          << "2.5" << true;
    QTest::newRow("real refuses letters") << "lineEditMaxGrossWeight"
                                          << "ab"
                                          << "" << false;
    QTest::newRow("reclassify target is real") << "lineEditReclassUpTo"
                                               << "1.5"
                                               << "1.5" << true;
    QTest::newRow("int refuses point") << "lineEditUnclassified"
                                       << "1.5"
                                       << "15" << true;
    QTest::newRow("alias is int") << "lineEditAlias"
                                  << "x7"
                                  << "7" << true;
    QTest::newRow("axle weight real") << "MaxAxleWeightEdit1"
                                      << "9.5"
                                      << "9.5" << true;
    QTest::newRow("tyre type int") << "TyreType1"
                                   << "2.5"
                                   << "25" << true;
}

void TestMainWindow::validators()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(bool, acceptable);
    auto* edit = widget<QLineEdit>(name);
    QVERIFY(edit);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), kept);
    QCOMPARE(edit->hasAcceptableInput(), acceptable);
}

void TestMainWindow::realFieldsTakeADecimalPointWhateverTheSystemLocale()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Vorlan german;
    QLocale::setDefault(saved);
    for (const char* name : {"lineEditGroupMaxDist", "MaxAxleWeightEdit1"}) {
        auto* edit = german.findChild<QLineEdit*>(QString::fromLatin1(name));
        QTest::keyClicks(edit, QStringLiteral("2.5"));
        QCOMPARE(edit->text(), QStringLiteral("2.5"));
        QVERIFY2(edit->hasAcceptableInput(), name);
    }
}

void TestMainWindow::menus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("statusTip");
    QTest::newRow("new") << "menuFile" << 0 << "actionNew"
                         << "New"
                         << "Create a new configuration file from data in header.";
    QTest::newRow("open") << "menuFile" << 1 << "actionOpen"
                          << "Open"
                          << "Open an existing configuration file.";
    QTest::newRow("save") << "menuFile" << 2 << "actionSave"
                          << "Save"
                          << "Save current configuration file.";
    QTest::newRow("exit") << "menuFile" << 3 << "actionExit"
                          << "Exit"
                          << "Exit the application.";
    QTest::newRow("configuration") << "menuOptions" << 0 << "actionConfiguration"
                                   << "Configuration"
                                   << "Change display units and update acceleration constant.";
    QTest::newRow("help") << "menuHelp" << 0 << "actionHelp"
                          << "Help"
                          << "";
    QTest::newRow("about") << "menuHelp" << 1 << "actionAbout"
                           << "About"
                           << "";
    QTest::newRow("update") << "menuHelp" << 2 << "actionUpdate"
                            << "Check for Updates"
                            << "";
}

void TestMainWindow::menus()
{
    QFETCH(QString, menu);
    QFETCH(int, position);
    QFETCH(QString, action);
    QFETCH(QString, text);
    QFETCH(QString, statusTip);
    QStringList titles;
    for (QAction* entry : widget<QMenuBar>("menubar")->actions())
        titles << entry->text();
    QCOMPARE(titles, QStringList({"File", "Options", "Help"}));

    const QList<QAction*> actions = widget<QMenu>(menu)->actions();
    QVERIFY(position < actions.size());
    QCOMPARE(actions.at(position)->objectName(), action);
    QCOMPARE(actions.at(position)->text(), text);
    QCOMPARE(actions.at(position)->statusTip(), statusTip);
}

void TestMainWindow::helpMenuShowsOnlyAboutAndUpdate()
{
    QStringList shown;
    for (QAction* action : widget<QMenu>("menuHelp")->actions())
        if (action->isVisible() && action->isEnabled())
            shown << action->text();
    QCOMPARE(shown, QStringList({"About", "Check for Updates"}));
}

void TestMainWindow::tabOrder()
{
    const QStringList order = {
        "lineEditVersion",        "lineEditCountry",          "lineEditGroupMaxDist",
        "lineEditMinAxleSpacing", "lineEditMinAvgAxleWeight", "lineEditMaxAxleDist",
        "lineEditMinAxleDist",    "lineEditUnclassified",     "lineEditUncategorised",
        "comboBoxSubclasses",     "lineEditSubclass",         "buttonCopy",
        "lineEditCopy",           "lineEditCategory",         "lineEditPrepend",
        "lineEditAppend",         "comboBoxInvalid",          "lineEditNumOfAxles",
        "lineEditMaxGrossWeight", "lineEditConfString",       "lineEditReclassUpGvw",
        "lineEditReclassUpTo",    "lineEditReclassDownGvw",   "lineEditReclassDownTo",
        "graphicsViewMin",        "graphicsViewMax"};
    // Walk the focus chain once round and note where each listed widget comes.
    QStringList seen;
    QWidget* start = widget<QWidget>(order.first());
    QWidget* current = start;
    do {
        if (order.contains(current->objectName()))
            seen << current->objectName();
        current = current->nextInFocusChain();
    } while (current != start);
    QCOMPARE(seen, order);
}

void TestMainWindow::shortcuts_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("up") << int(Qt::Key_Up) << int(Qt::NoModifier) << 1 << 0;
    QTest::newRow("up at first") << int(Qt::Key_Up) << int(Qt::NoModifier) << 0 << 0;
    QTest::newRow("alt left") << int(Qt::Key_Left) << int(Qt::AltModifier) << 2 << 1;
    QTest::newRow("down") << int(Qt::Key_Down) << int(Qt::NoModifier) << 1 << 2;
    QTest::newRow("down at last") << int(Qt::Key_Down) << int(Qt::NoModifier) << 2 << 2;
    QTest::newRow("alt right") << int(Qt::Key_Right) << int(Qt::AltModifier) << 0 << 1;
}

void TestMainWindow::shortcuts()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, from);
    QFETCH(int, to);
    QStringList keys;
    for (QShortcut* shortcut : window->findChildren<QShortcut*>())
        keys << shortcut->key().toString();
    keys.sort();
    QCOMPARE(keys, QStringList({"Alt+Left", "Alt+Right", "Down", "Up"}));

    auto* subclasses = widget<QComboBox>("comboBoxSubclasses");
    subclasses->addItems({"subclass_1", "subclass_5", "subclass_12"});
    subclasses->setCurrentIndex(from);
    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(widget<QLineEdit>("lineEditVersion"), Qt::Key(key),
                    Qt::KeyboardModifiers(modifiers));
    QCOMPARE(subclasses->currentIndex(), to);
}

void TestMainWindow::aboutVersionLine()
{
    About about(nullptr, QStringLiteral("3.4.3"));
    QCOMPARE(about.findChild<QLabel*>("labelVersion")->text(),
             QStringLiteral("Vorlan 3.4.3 (x64)"));
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QVERIFY(!(about.windowFlags() & Qt::WindowContextHelpButtonHint));
}

void TestMainWindow::aboutShowsIcon()
{
    About about(nullptr, QStringLiteral("3.4.3"));
    QVERIFY(!about.findChild<QLabel*>("labelIcon")->pixmap(Qt::ReturnByValue).isNull());
}

void TestMainWindow::aboutCloses_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("Escape") << true;
    QTest::newRow("OK") << false;
}

void TestMainWindow::aboutCloses()
{
    QFETCH(bool, byEscape);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QString versionLine;
    bool answered = false;
    QTimer::singleShot(0, this, [&] {
        auto* about = qobject_cast<About*>(QApplication::activeModalWidget());
        if (!about)
            return;
        answered = true;
        versionLine = about->findChild<QLabel*>("labelVersion")->text();
        if (byEscape)
            QTest::keyClick(about, Qt::Key_Escape);
        else
            QTest::mouseClick(about->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
    });
    // Should the dialog not close, do not hang the suite.
    QTimer::singleShot(5000, this, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    widget<QAction>("actionAbout")->trigger();
    QVERIFY(answered);
    QCOMPARE(versionLine, QStringLiteral("Vorlan 3.4.3 (x64)"));
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(window->findChildren<About*>().isEmpty());
    QCOMPARE(window->windowTitle(), QStringLiteral("Vorlan v3.4.3"));
}

void TestMainWindow::updateOpensUpdatePage()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    widget<QAction>("actionUpdate")->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(catcher.urls.size(), 1);
    const QUrl url = catcher.urls.first();
    QCOMPARE(url.scheme(), QStringLiteral("https"));
    QCOMPARE(url.host(), QString::fromLatin1(AppIdentity::updateHost));
    QCOMPARE(url.path(), QStringLiteral("/ls.php"));
    QCOMPARE(url.query(), QStringLiteral("sw=korvat-ce&ch=stable"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
