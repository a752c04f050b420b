// The per-axle editors follow the axle count, and always show what the subclass record holds.
#include "app/appidentity.h"
#include "tests/windowdriver.h"
#include "ui/vorlan.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLayout>
#include <QLineEdit>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

using namespace WindowDriver;

class TestAxleEditors : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void countCreatesRows_data();
    void countCreatesRows();
    void lowerAndRaiseCount();
    void invalidCountChangesNoEditor_data();
    void invalidCountChangesNoEditor();

private:
    template <class T> T* widget(const QString& name) const { return window->findChild<T*>(name); }
    // Object names and texts of the widgets after the caption of a frame, in layout order.
    QStringList frameContents(const QString& frame, bool texts = false) const;
    QStringList shownEdits(const QString& prefix) const;
    void selectSubclass44();

    QTemporaryDir dir;
    std::unique_ptr<Vorlan> window;
};

void TestAxleEditors::initTestCase()
{
    applyApplicationIdentity();
    initEmbeddedResources();
    QVERIFY(dir.isValid());
}

void TestAxleEditors::init()
{
    window = std::make_unique<Vorlan>();
}

void TestAxleEditors::cleanup()
{
    window.reset();
}

QStringList TestAxleEditors::frameContents(const QString& frame, bool texts) const
{
    QStringList contents;
    QLayout* layout = widget<QFrame>(frame)->layout();
    for (int i = 1; i < layout->count(); ++i) {
        QWidget* item = layout->itemAt(i)->widget();
        if (!texts)
            contents << item->objectName();
        else if (auto* box = qobject_cast<QCheckBox*>(item))
            contents << box->text();
    }
    return contents;
}

QStringList TestAxleEditors::shownEdits(const QString& prefix) const
{
    QStringList shown;
    for (QLineEdit* edit : window->findChildren<QLineEdit*>(QRegularExpression("^" + prefix)))
        if (!edit->isHidden())
            shown << edit->objectName() + QLatin1Char('=') + edit->text();
    shown.sort();
    return shown;
}

void TestAxleEditors::selectSubclass44()
{
    window->openConfiguration(QStringLiteral(VORLAN_EXAMPLES "/motorway-site.conf"));
    auto* subclasses = widget<QComboBox>(QStringLiteral("comboBoxSubclasses"));
    subclasses->setCurrentIndex(subclasses->findText(QStringLiteral("subclass_44")));
    QCOMPARE(widget<QLineEdit>(QStringLiteral("lineEditNumOfAxles"))->text(), QStringLiteral("5"));
}

void TestAxleEditors::countCreatesRows_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("boxTexts");
    QTest::newRow("6") << "6" << QStringList({"1 ", "2 ", "3 ", "4 ", "5 ", "6 "});
    QTest::newRow("12") << "12"
                        << QStringList({"1 ", "2 ", "3 ", "4 ", "5 ", "6 ", "7 ", "8 ", "9 ", "10",
                                        "11", "12"});
}

void TestAxleEditors::countCreatesRows()
{
    QFETCH(QString, count);
    QFETCH(QStringList, boxTexts);
    const QString path = writeFile(dir, QStringLiteral("fresh.conf"),
                                   QStringLiteral("[classes]\nmin_axle_distance__m=0.8\n"
                                                  "max_axle_distance__m=15\n\n[subclass_7]\n"));
    window->openConfiguration(path);
    QCOMPARE(widget<QLineEdit>(QStringLiteral("lineEditSubclass"))->text(), QStringLiteral("7"));

    retype(widget<QLineEdit>(QStringLiteral("lineEditNumOfAxles")), count);

    const int axles = count.toInt();
    QStringList maxNames, minNames, weightNames, boxNames, tyreNames;
    for (int k = 1; k < axles; ++k) {
        maxNames << QStringLiteral("MaxAxleDist%1").arg(k);
        minNames << QStringLiteral("MinAxleDist%1").arg(k);
    }
    for (int axle = 1; axle <= axles; ++axle) {
        weightNames << QStringLiteral("MaxAxleWeightEdit%1").arg(axle);
        boxNames << QStringLiteral("MaxAxleWeightBox%1").arg(axle);
        tyreNames << QStringLiteral("TyreType%1").arg(axle);
    }
    QCOMPARE(frameContents(QStringLiteral("frameMaxAxleDists")), maxNames);
    QCOMPARE(frameContents(QStringLiteral("frameMinAxleDists")), minNames);
    QCOMPARE(frameContents(QStringLiteral("frameMaxAxleWeightsEdits")), weightNames);
    QCOMPARE(frameContents(QStringLiteral("frameMaxAxleWeightsBoxes")), boxNames);
    QCOMPARE(frameContents(QStringLiteral("frameMaxAxleWeightsBoxes"), true), boxTexts);
    QCOMPARE(frameContents(QStringLiteral("frameTyreTypes")), tyreNames);

    for (const QString& name : maxNames + minNames + weightNames + tyreNames) {
        auto* edit = widget<QLineEdit>(name);
        QVERIFY2(!edit->isHidden(), qPrintable(name));
        QVERIFY2(edit->text().isEmpty(), qPrintable(name));
        QVERIFY2(background(edit) == QLatin1String("red"), qPrintable(name));
    }
    // Save would write an empty entry for every editor.
    const QString section = window->configuration().get_subclass(7).section_text();
    QVERIFY(section.contains(QStringLiteral("max_axle_distance__m=") +
                             QString(axles - 2, QLatin1Char(',')) + QLatin1Char('\n')));
    QVERIFY(section.contains(QStringLiteral("tyre_type=") + QString(axles - 1, QLatin1Char(',')) +
                             QLatin1Char('\n')));
}

void TestAxleEditors::lowerAndRaiseCount()
{
    selectSubclass44();
    auto* count = widget<QLineEdit>(QStringLiteral("lineEditNumOfAxles"));
    const QList<QLineEdit*> before = window->findChildren<QLineEdit*>();

    retype(count, QStringLiteral("3"));
    QCOMPARE(shownEdits("MaxAxleDist"), QStringList({"MaxAxleDist1=2.10", "MaxAxleDist2=5.40"}));
    QCOMPARE(shownEdits("MinAxleDist"), QStringList({"MinAxleDist1=1.80", "MinAxleDist2=3.50"}));
    QCOMPARE(shownEdits("TyreType"), QStringList({"TyreType1=1", "TyreType2=1", "TyreType3=2"}));
    for (const char* name : {"MaxAxleDist3", "MaxAxleDist4", "MinAxleDist3", "MinAxleDist4",
                             "MaxAxleWeightEdit4", "MaxAxleWeightEdit5", "TyreType4", "TyreType5"})
        QVERIFY2(widget<QLineEdit>(name)->text().isEmpty(), name);
    for (const char* name : {"MaxAxleWeightBox4", "MaxAxleWeightBox5"})
        QVERIFY2(widget<QCheckBox>(name)->isHidden(), name);
    const Subclass& shortened = window->configuration().get_subclass(44);
    QCOMPARE(shortened.get_max_distances(), QStringList({"2.1", "5.4"}));
    QCOMPARE(shortened.get_min_distances(), QStringList({"1.8", "3.5"}));
    QCOMPARE(shortened.get_max_axle_weights(), QStringList({"78.5", "78.5", "88.3"}));
    QCOMPARE(shortened.get_tyre_types(), QStringList({"1", "1", "2"}));

    retype(count, QStringLiteral("5"));
    QCOMPARE(window->findChildren<QLineEdit*>(), before);
    QCOMPARE(shownEdits("MaxAxleDist"), QStringList({"MaxAxleDist1=2.10", "MaxAxleDist2=5.40",
                                                     "MaxAxleDist3=", "MaxAxleDist4="}));
    QCOMPARE(
        shownEdits("MaxAxleWeightEdit"),
        QStringList({"MaxAxleWeightEdit1=8.00", "MaxAxleWeightEdit2=8.00",
                     "MaxAxleWeightEdit3=9.00", "MaxAxleWeightEdit4=", "MaxAxleWeightEdit5="}));
    for (const char* name : {"MaxAxleDist3", "MinAxleDist4", "MaxAxleWeightEdit5", "TyreType4"})
        QVERIFY2(background(widget<QLineEdit>(name)) == QLatin1String("red"), name);
    QVERIFY(!widget<QCheckBox>(QStringLiteral("MaxAxleWeightBox5"))->isHidden());
    // What Save would write is what the editors show: the old values are gone.
    const QString section = window->configuration().get_subclass(44).section_text();
    QVERIFY2(section.contains(QStringLiteral("max_axle_distance__m=2.1,5.4,,\n")),
             qPrintable(section));
    QVERIFY2(section.contains(QStringLiteral("max_axle_weight__kN=1,78.5;2,78.5;3,88.3;4,;5,;")),
             qPrintable(section));
    QVERIFY2(section.contains(QStringLiteral("tyre_type=1,1,2,,\n")), qPrintable(section));
}

void TestAxleEditors::invalidCountChangesNoEditor_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("prepend");
    QTest::newRow("1") << "1" << false;
    QTest::newRow("25") << "2" << true;
    QTest::newRow("empty") << "" << false;
}

void TestAxleEditors::invalidCountChangesNoEditor()
{
    QFETCH(QString, typed);
    QFETCH(bool, prepend);
    selectSubclass44();
    auto* count = widget<QLineEdit>(QStringLiteral("lineEditNumOfAxles"));
    const QList<QLineEdit*> before = window->findChildren<QLineEdit*>();
    const QStringList shown = shownEdits("M") + shownEdits("TyreType");

    if (prepend) {
        // Straight from 5 to 25, so that no valid count is typed on the way.
        count->home(false);
        QTest::keyClicks(count, typed);
    } else {
        retype(count, typed);
    }
    QCOMPARE(background(count), QStringLiteral("red"));
    QCOMPARE(count->toolTip(), QStringLiteral("Value must be between 2 and 20"));
    QCOMPARE(window->findChildren<QLineEdit*>(), before);
    QCOMPARE(shownEdits("M") + shownEdits("TyreType"), shown);
}

QTEST_MAIN(TestAxleEditors)
#include "tst_axleeditors.moc"
