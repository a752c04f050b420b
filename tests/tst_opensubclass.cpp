// Opening a configuration and selecting its subclasses: what the window shows afterwards.
#include "tests/windowdriver.h"

using namespace WindowDriver;

class TestOpenSubclass : public QObject, Fixture
{
    Q_OBJECT

    QString current() const { return widget<QComboBox>("comboBoxSubclasses")->currentText(); }
    bool picturesEmpty() const
    {
        const QList<QGraphicsScene*> scenes = windowScenes(window.get());
        return std::all_of(scenes.begin(), scenes.end(),
                           [](auto* scene) { return !scene || scene->items().isEmpty(); });
    }

private slots:
    void init() { window = std::make_unique<Vorlan>(); }

    void openFromMenuAndStepThrough()
    {
        const QString path = VORLAN_EXAMPLES "/motorway-site.conf";
        const QStringList dialogs =
            answerModals([&] { widget<QAction>("actionOpen")->trigger(); },
                         [&](QWidget* dialog) { chooseFile(dialog, path); });
        QCOMPARE(dialogs, QStringList{"Open file|Configuration (*.conf)"});
        QCOMPARE(listedNumbers(widget<QComboBox>("comboBoxSubclasses")).join(' '),
                 "11 12 13 21 22 31 32 41 42 43 44 51 52 53 54 61 62 63 71");
        // Rows past the first subclass's axles are made only when a subclass needs them.
        const QStringList first =
            QString(
                "lineEditVersion=2024-03-18 motorway A1 km 112 lanes 1-2 lime;"
                "lineEditCountry=SI lime;lineEditGroupMaxDist=2.20 lime;lineEditPrepend=0.80 lime;"
                "lineEditMinAvgAxleWeight=0.50 lime;lineEditMaxAxleDist=15.00 lime;"
                "lineEditMinAxleDist=0.80 lime;lineEditSubclass=11 lime;lineEditCategory=1 lime;"
                "lineEditConfString=C2 lime;lineEditNumOfAxles=2 lime;TyreType1=1 lime;"
                "lineEditMaxGrossWeight=2.55 lime;lineEditReclassUpGvw=2.45 lime;"
                "lineEditReclassUpTo=21 lime;MaxAxleDist1=3.20 lime;MinAxleDist1=2.20 lime;"
                "MaxAxleWeightEdit1=1.25 lime;lineEditUnclassified=140 lime;MaxAxleDist2 missing;"
                "labelSubclassLarge=11;labelSumMaxAxleWeights=2.51;labelSumMaxAxleDist=3.20;"
                "comboBoxInvalid hidden;"
                "labelInvalid=Subclasses are valid.")
                .split(';');
        QCOMPARE(onScreen(window.get(), first), first);

        // Down steps through every subclass, each showing its own per-axle values; the other
        // keys step too, and stop at both ends of the list.
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto* list = widget<QComboBox>("comboBoxSubclasses");
        QStringList steps = QString("Up=0 Alt+Right=1 Alt+Left=0").split(' ');
        for (int step = 1; step < list->count(); ++step)
            steps << QStringLiteral("Down=%1").arg(step);
        steps << QString("Down=18 Alt+Left=17 Alt+Right=18 Up=17").split(' ');
        for (const QString& step : steps) {
            const int key = QKeySequence(step.section('=', 0, 0))[0];
            QTest::keyClick(edit("lineEditVersion"), Qt::Key(key & ~Qt::KeyboardModifierMask),
                            Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
            QVERIFY2(list->currentIndex() == step.section('=', 1).toInt(), qPrintable(step));
            const QString number = listedNumbers(list)[list->currentIndex()];
            QCOMPARE(edit("lineEditSubclass")->text(), number);
            const Subclass& shown = window->configuration().get_subclass(number.toUInt());
            QStringList tyres;
            for (int axle = 1; axle <= shown.get_number_of_axles().toInt(); ++axle)
                tyres << QStringLiteral("TyreType%1=").arg(axle) + shown.get_tyre_types()[axle - 1];
            tyres.sort();
            QCOMPARE(shownEdits(window.get(), "TyreType"), tyres);
        }
    }

    void invalidSubclassesListed()
    {
        QString text = readFile(VORLAN_EXAMPLES "/motorway-site.conf");
        text.replace("axle_configuration=V2\ncategory=2\n", "axle_configuration=V2\n");
        text.replace("tyre_type=1,1,2,2\n", "tyre_type=1,1,2,7\n");
        window->openConfiguration(writeFile(dir, "invalid.conf", text));
        auto* invalid = widget<QComboBox>("comboBoxInvalid");
        QCOMPARE(listedNumbers(invalid), QStringList({"21", "43"}));
        QCOMPARE(onScreen(window.get(), {"labelInvalid", "comboBoxInvalid"}),
                 QStringList({"labelInvalid=Invalid subclasses:", "comboBoxInvalid="}));

        QTest::keyClick(invalid, Qt::Key_End);
        QCOMPARE(current(), "subclass_43");
        QCOMPARE(onScreen(window.get(), {"TyreType4"}), QStringList{"TyreType4=7 red"});
    }

    void selectByTypingNumber_data()
    {
        // What is typed after 5, the subclass then selected and the number's colour.
        addRows({"typed", "selected", "colour"}, {{"1 then 12", "12", "subclass_12", "lime"},
                                                  {"1 then 13", "13", "subclass_1", "red"},
                                                  {"3", "3", "subclass_5", "red"},
                                                  {"leading zero", "05", "subclass_5", "red"}});
    }
    void selectByTypingNumber()
    {
        QFETCH(QString, selected);
        const bool exists = cell("colour") == "lime";
        open(siteHeader + sectionText(1, truckBody) + sectionText(5, truckBody) +
             sectionText(12, truckBody));
        retype(edit("lineEditSubclass"), "5");
        retype(edit("lineEditSubclass"), cell("typed"));
        QCOMPARE(current(), selected);
        QTEST(background(edit("lineEditSubclass")), "colour");
        QCOMPARE(widget<QPushButton>("buttonSubclass")->text(), exists ? "Delete" : "New");

        // An edit reaches the model only while the number names a subclass.
        retype(edit("lineEditAlias"), "9");
        QCOMPARE(window->configuration().get_subclass(selected.mid(9).toUInt()).get_alias(),
                 exists ? "9" : "");
    }

    void partlyReadFileWarns()
    {
        // Line 20 is broken: 7 of the header, 9 of subclass 1, a blank, 3 of subclass 2.
        const QString path = writeFile(dir, "partly.conf",
                                       siteHeader + sectionText(1, truckBody) +
                                           "[subclass_2]\ncategory=4\nnumber_of_axles 2\n\n" +
                                           sectionText(3, truckBody));
        const QStringList warnings = answerModals([&] { window->openConfiguration(path); });
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings[0].contains("line 20:\nnumber_of_axles 2\n") &&
                     warnings[0].contains("not loaded"),
                 qPrintable(warnings[0]));
        // Shown as far as it was read.
        QCOMPARE(listedNumbers(widget<QComboBox>("comboBoxSubclasses")), QStringList{"1"});
        QCOMPARE(edit("lineEditSubclass")->text(), "1");
    }

    void subclassWithoutAxlesShowsNothingOfAnother()
    {
        const QString constrained = truckBody + "reclassify_up_to_subclass=3\n"
                                                "awsl_0=58.8,71;176.5,41\nadsl_1=1+2:3.2,6.5\n";
        window->openConfiguration(writeFile(
            dir, "axles.conf",
            siteHeader + sectionText(1, constrained) +
                sectionText(2, "category=4\nnumber_of_axles=1\nmax_axle_weight__kN=1,50\n") +
                sectionText(3, truckBody)));
        QVERIFY(!picturesEmpty());
        retype(edit("lineEditSubclass"), "2");
        const QStringList hidden = {"MaxAxleDist1 hidden", "adslConstraint0 hidden"};
        QCOMPARE(onScreen(window.get(), hidden), hidden);
        for (const char* name :
             {"MaxAxleWeightEdit1", "lineEditReclassUpTo", "lineEditTotalWeightConstraint"})
            QVERIFY2(edit(name)->text().isEmpty(), name);
        QVERIFY(picturesEmpty());

        // Given a valid count, axle 1 shows what the record holds for it.
        retype(edit("lineEditNumOfAxles"), "2");
        QCOMPARE(edit("MaxAxleWeightEdit1")->text(), "5.10");
    }

    void headerOnlyFileShowsNothingOfThePreviousOne()
    {
        window->openConfiguration(VORLAN_EXAMPLES "/motorway-site.conf");
        QString header = siteHeader;
        header.replace("country",
                       "g_acceleration_constant=10\nmin_avg_axle_weight__kN=4.9\ncountry");
        window->openConfiguration(writeFile(dir, "header.conf", header));
        QCOMPARE(widget<QComboBox>("comboBoxSubclasses")->count(), 0);
        // Only the number field stays, for the first subclass of this configuration. Weights are
        // shown with the file's own g.
        const QStringList empty =
            QString("groupBoxSubclass=;lineEditSubclass= red;frameMiddle hidden;"
                    "frameSubclassBottom hidden;groupBoxReclassify hidden;"
                    "lineEditMinAvgAxleWeight=0.49 lime")
                .split(';');
        QCOMPARE(onScreen(window.get(), empty), empty);
        for (const char* name : {"lineEditReclassUpTo", "lineEditNumOfAxles"})
            QVERIFY2(edit(name)->text().isEmpty(), name);
        QVERIFY(picturesEmpty());
    }
};

QTEST_MAIN(TestOpenSubclass)
#include "tst_opensubclass.moc"
