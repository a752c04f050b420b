// The File menu's Open, New and Save, and creating, copying, deleting and selecting subclasses,
// driven as a user: what the window shows afterwards and what reaches the file.
#include "tests/windowdriver.h"

using namespace WindowDriver;

class TestFileCommands : public QObject, Fixture
{
    Q_OBJECT

    const QString noCategory = QString(truckBody).remove("category=4\n");
    const QString previous = siteHeader + "[subclass_9]\n";

    QString current() const { return widget<QComboBox>("comboBoxSubclasses")->currentText(); }
    bool picturesEmpty() const
    {
        const QList<QGraphicsScene*> scenes = windowScenes(window.get());
        return std::all_of(scenes.begin(), scenes.end(),
                           [](auto* scene) { return !scene || scene->items().isEmpty(); });
    }

private slots:
    void init()
    {
        window = std::make_unique<Vorlan>();
        window->show();
    }

    void manageSubclasses_data()
    {
        // Steps, then the subclasses listed, those listed invalid, the category shown, the
        // duplicates found and the colour of the copy target.
        const std::initializer_list<QStringList> rows = {
            {"new", "lineEditSubclass 30;buttonSubclass", "1 21 30", "21 30", "140", "", ""},
            {"existing number typed with a zero", "lineEditSubclass 01;buttonSubclass", "1 21",
             "21", "4", "", ""},
            {"delete last invalid", "lineEditSubclass 21;buttonSubclass", "1", "", "4", "", ""},
            {"delete all", "lineEditSubclass 1;buttonSubclass;buttonSubclass", "", "", "", "", ""},
            {"copy invalid", "lineEditSubclass 21;lineEditCopy 25;buttonCopy", "1 21 25", "21 25",
             "", "21 = 25", "red"},
            {"copy invalid below it", "lineEditSubclass 21;lineEditCopy 5;buttonCopy", "1 21 5",
             "5 21", "", "5 = 21", "red"},
            {"copy to a number created since it was typed",
             "lineEditCopy 30;lineEditSubclass 30;buttonSubclass;lineEditSubclass 1;buttonCopy",
             "1 21 30", "21 30", "4", "", "red"},
            {"copy target taken", "lineEditCopy 021;buttonCopy", "1 21", "21", "4", "", "red"},
            {"copy target with a sign", "lineEditCopy -5;buttonCopy", "1 21", "21", "4", "", "red"},
            {"copy target emptied", "lineEditCopy 7;lineEditCopy", "1 21", "21", "4", "", "white"},
        };
        addRows({"steps", "listed", "invalid", "category", "twins", "copy"}, rows);
    }
    void manageSubclasses()
    {
        QFETCH(QString, listed);
        QFETCH(QString, invalid);
        QFETCH(QString, copy);
        open(siteHeader + sectionText(1, truckBody) + sectionText(21, noCategory));
        perform(window.get(), cell("steps").split(';'));

        QCOMPARE(listedNumbers(widget<QComboBox>("comboBoxSubclasses")).join(' '), listed);
        QCOMPARE(window->configuration().subclass_count(), listed.count(' ') + !listed.isEmpty());
        QCOMPARE(listedNumbers(widget<QComboBox>("comboBoxInvalid")).join(' '), invalid);
        QCOMPARE(widget<QLabel>("labelInvalid")->text(),
                 invalid.isEmpty() ? "Subclasses are valid." : "Invalid subclasses:");
        QCOMPARE(widget<QComboBox>("comboBoxInvalid")->isHidden(), invalid.isEmpty());
        // The panel shows the current subclass, or none once none is left.
        const QString current = widget<QComboBox>("comboBoxSubclasses")->currentText().mid(9);
        QCOMPARE(widget<QLineEdit>("lineEditSubclass")->text(), current);
        QCOMPARE(widget<QPushButton>("buttonSubclass")->text(),
                 current.isEmpty() ? "New" : "Delete");
        QTEST(widget<QLineEdit>("lineEditCategory")->text(), "category");
        QTEST(window->configuration().find_duplicate_subclasses(), "twins");
        QCOMPARE(background(widget<QLineEdit>("lineEditCopy")), copy);
        QCOMPARE(widget<QPushButton>("buttonCopy")->isEnabled(), copy == "lime");
    }

    void newAndSave_data()
    {
        // The button clicked in a message box, which is otherwise closed; where the write goes
        // ("missing": into no folder); "title|part of the text" of each dialog shown, joined by
        // '#'; what site1.conf holds afterwards.
        const QString save = "actionSave", one = sectionText(1, truckBody);
        const QString twins = one + sectionText(7, truckBody);
        const QString other = sectionText(2, QString(truckBody).replace("=4\n", "=5\n"));
        QString edited = sectionText(1, truckBody).replace("176.5", "196.133");
        edited.replace("112.8", "117.68").replace("=6.5", "=7");
        const QString edits = "lineEditMaxGrossWeight 20;MaxAxleWeightEdit2 12;MaxAxleDist1 7";
        const QString saveAs = "Save as|Configuration (*.conf)";
        const QString incomplete = "Vital information missing in one or more subclasses!|"
                                   "Missing data found in subclass 12\n";
        const QString lost = "Value would be lost|section [classes], line 2 reads back "
                             "differently: classification_version=2024,rev b\n";
        const QString question = "Duplicate subclasses found!|continue saving? 1 = 7";
        const QString notSaved = saveAs + "#Configuration not saved|could not be written to %1/";
        const std::initializer_list<QStringList> rows = {
            {"save edited", save, one + other, edits, "", "", saveAs, siteHeader + edited + other},
            {"incomplete subclass", save, one + sectionText(12, noCategory), "", "", "", incomplete,
             previous},
            {"invalid header", save, one, "lineEditCountry XX", "", "", "Header invalid!|",
             previous},
            {"value that reads back differently", save, one, "lineEditVersion 2024,rev b", "", "",
             lost, previous},
            {"duplicates, no", save, twins, "", "No", "", question, previous},
            {"duplicates, yes", save, twins, "", "Yes", "", question + '#' + saveAs,
             siteHeader + twins},
            {"missing folder", save, one, "", "", "missing",
             notSaved + "missing/site1.conf:\nNo such file or directory\n", previous},
            {"new, empty country", "actionNew", one, "lineEditCountry", "", "",
             "Could not save configuration|", previous},
            // A zero in a converted field stands for no value.
            {"new", "actionNew", one, "lineEditMinAvgAxleWeight 0", "", "", saveAs, siteHeader},
        };
        addRows({"action", "subclasses", "steps", "button", "write", "dialogs", "written"}, rows);
    }
    void newAndSave()
    {
        QFETCH(QString, action);
        QFETCH(QString, button);
        QFETCH(QString, write);
        QFETCH(QString, written);
        const QStringList dialogs = cell("dialogs").split('#');
        const QString path = writeFile(dir, "site1.conf", previous);
        open(siteHeader + cell("subclasses"));
        perform(window.get(), cell("steps").split(';', Qt::SkipEmptyParts));

        const QStringList shown = answerModals(
            [&] { widget<QAction>(action)->trigger(); },
            [&](QWidget* modal) {
                if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                    QVERIFY(!box->parentWidget() && box->icon() == QMessageBox::Warning);
                    if (!button.isEmpty())
                        box->button(button == "Yes" ? QMessageBox::Yes : QMessageBox::No)->click();
                    return;
                }
                chooseFile(modal, dir.filePath(write == "missing" ? "missing/site1" : "site1"));
            });

        QCOMPARE(shown.size(), dialogs.size());
        for (int i = 0; i < shown.size(); ++i) {
            const QString expected = QString(dialogs[i]).replace("%1", dir.path());
            QVERIFY2(shown[i].startsWith(expected.section('|', 0, 0) + '|') &&
                         shown[i].contains(expected.section('|', 1)),
                     qPrintable(shown[i]));
        }
        QCOMPARE(readFile(path), written);
        QCOMPARE(QDir(dir.path()).entryList({"site1*"}), QStringList{"site1.conf"});
        const bool created = action == "actionNew" && written != previous;
        QCOMPARE(window->windowTitle(),
                 "Vorlan v3.4.3 " + (created ? path : dir.filePath("in.conf")));
        if (action == "actionSave")
            return;

        // Refused or not, the window shows none of the subclasses the configuration no longer
        // holds, and the first subclass of the new one gets the whole panel, axle 1 included.
        QCOMPARE(widget<QComboBox>("comboBoxSubclasses")->count(), 0);
        QCOMPARE(onScreen(window.get(), {"lineEditSubclass", "frameSubclassBottom"}),
                 QStringList({"lineEditSubclass= red", "frameSubclassBottom hidden"}));
        perform(window.get(), {"lineEditSubclass 5", "buttonSubclass", "lineEditNumOfAxles 2"});
        QCOMPARE(window->configuration().get_subclass_numbers(), QList<quint32>{5});
        for (const char* name :
             {"frameSubclassBottom", "frameMiddle", "MaxAxleWeightEdit1", "TyreType1"})
            QVERIFY2(widget<QWidget>(name)->isVisible(), name);
    }

    // Tonnes shown with the g of the file opened: New keeps that g, and weights are stored by it.
    void newKeepsTheGOfTonnes()
    {
        open(QString(siteHeader).replace("country", "g_acceleration_constant=9.81\ncountry"));
        perform(window.get(), {"lineEditMinAvgAxleWeight 2"});
        answerModals([&] { widget<QAction>("actionNew")->trigger(); },
                     [&](QWidget* modal) { chooseFile(modal, dir.filePath("new")); });
        const QString written = readFile(dir.filePath("new.conf"));
        QVERIFY2(written.contains("\ng_acceleration_constant=9.81\n") &&
                     written.contains("\nmin_avg_axle_weight__kN=19.62\n"),
                 qPrintable(written));
    }

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
            QString("lineEditCountry=SI lime;lineEditMinAvgAxleWeight=0.50 lime;"
                    "lineEditSubclass=11 lime;labelSubclassLarge=11;lineEditConfString=C2 lime;"
                    "lineEditMaxGrossWeight=2.55 lime;lineEditReclassUpTo=21 lime;"
                    "MaxAxleDist1=3.20 lime;MaxAxleWeightEdit1=1.25 lime;MaxAxleDist2 missing;"
                    "labelSumMaxAxleWeights=2.51;comboBoxInvalid hidden")
                .split(';');
        QCOMPARE(onScreen(window.get(), first), first);

        // Down steps through every subclass, each showing its own per-axle values; the other
        // keys step too, and stop at both ends of the list.
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

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
