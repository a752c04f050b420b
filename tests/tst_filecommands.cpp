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
    // Opens a file, or closes the window, as a user would: "Open", "New" or "Exit" from the menus,
    // the second file of the recent list, a file dropped onto a field, or a path given "by name".
    void reach(const QString& way, const QString& path)
    {
        if (way == "by name")
            QVERIFY(!window->openConfiguration(path));
        else if (way == "dropped")
            QVERIFY(drop(edit("lineEditAlias"), {path}));
        else if (way == "recent")
            widget<QMenu>("menuRecentFiles")->actions().value(1)->trigger();
        else
            widget<QAction>("action" + way)->trigger();
        QTest::qWait(50); // a drop is opened once it is over
    }
    bool picturesEmpty() const
    {
        const QList<QGraphicsScene*> scenes = windowScenes(window.get());
        return std::all_of(scenes.begin(), scenes.end(),
                           [](auto* scene) { return !scene || scene->items().isEmpty(); });
    }

private slots:
    void init()
    {
        newWindow();
        window->show();
    }

    void manageSubclasses_data()
    {
        // Steps, then the subclasses listed, those listed invalid, the category shown, the
        // duplicates found and the colour of the copy target.
        const std::initializer_list<QStringList> rows = {
            {"new", "lineEditSubclass 30;buttonSubclass", "1 21 30", "21 30", "140", "", "white"},
            {"existing number typed with a zero", "lineEditSubclass 01;buttonSubclass", "1 21",
             "21", "4", "", "white"},
            {"delete last invalid", "lineEditSubclass 21;buttonSubclass", "1", "", "4", "",
             "white"},
            {"delete all", "lineEditSubclass 1;buttonSubclass;buttonSubclass", "", "", "", "",
             "white"},
            {"copy invalid", "lineEditSubclass 21;lineEditCopy 25;buttonCopy", "1 21 25", "21 25",
             "", "21 = 25", "white"},
            {"copy invalid below it", "lineEditSubclass 21;lineEditCopy 5;buttonCopy", "1 21 5",
             "5 21", "", "5 = 21", "white"},
            {"copy to a number created since it was typed",
             "lineEditCopy 30;lineEditSubclass 30;buttonSubclass;lineEditSubclass 1;buttonCopy",
             "1 21 30", "21 30", "4", "", "red"},
            {"copy target taken", "lineEditCopy 021;buttonCopy", "1 21", "21", "4", "", "red"},
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
        const QString save = "actionSaveAs", one = sectionText(1, truckBody);
        const QString twins = one + sectionText(7, truckBody);
        const QString other = sectionText(2, QString(truckBody).replace("=4\n", "=5\n"));
        QString edited = sectionText(1, truckBody).replace("176.5", "196.133");
        edited.replace("112.8", "117.68").replace("=6.5", "=7");
        const QString edits = "lineEditMaxGrossWeight 20;MaxAxleWeightEdit2 12;MaxAxleDist1 7";
        const QString saveAs = "Save as|Configuration (*.conf)";
        const QString incomplete = "Vital information missing in one or more subclasses!|"
                                   "Missing data found in subclass 12\n";
        // Twelve subclasses with a tyre type of 5, after one without a category and a weight: every
        // failing field of the first ten, then a count ("..." parts the text expected).
        QString many = one + sectionText(2, QString(noCategory).replace("2,112.8", "2,"));
        for (int n = 3; n < 15; ++n)
            many += sectionText(n, QString(truckBody)
                                       .replace("1,2\n", "1,5\n")
                                       .replace("=4", "=1" + QString::number(n)));
        const QString reasons = incomplete.section('|', 0, 0) +
                                "|subclass 2\nPlease make sure all of the following fields are "
                                "valid:\nsubclass 2: max. axle weight of axle 2 is empty\nsubclass "
                                "2: category is empty\nsubclass 3: tyre type of axle 2 is 5...\n"
                                "subclass 11: tyre type...\nand 3 more subclass(es)";
        const QString lost = "Value would be lost|section [classes], line 2 reads back "
                             "differently: classification_version=2024,rev b\n";
        const QString question = "Duplicate subclasses found!|continue saving? 1 = 7";
        const QString notSaved = saveAs + "#Configuration not saved|could not be written to %1/";
        const std::initializer_list<QStringList> rows = {
            {"save edited", save, one + other, edits, "", "", saveAs, siteHeader + edited + other},
            {"incomplete subclass", save, one + sectionText(12, noCategory), "", "", "", incomplete,
             previous},
            {"every failing field", save, many, "", "", "", reasons, previous},
            {"invalid header", save, one, "lineEditCountry XX", "", "", "Header invalid!|",
             previous},
            {"value that reads back differently", save, one, "lineEditVersion 2024,rev b", "", "",
             lost, previous},
            {"duplicates, no", save, twins, "", "No", "", question, previous},
            {"duplicates, yes", save, twins, "", "Yes", "", question + '#' + saveAs,
             siteHeader + twins},
            {"missing folder", save, one, "", "", "missing",
             notSaved + "missing/site1.conf:\nNo such file or directory\n", previous},
            // The edits typed into the header are not saved into in.conf.
            {"new, empty country", "actionNew", one, "lineEditCountry", "Discard", "",
             "Save changes?|in.conf has changes#Could not save configuration|", previous},
            // A zero in a converted field stands for no value.
            {"new", "actionNew", one, "lineEditMinAvgAxleWeight 0", "Discard", "",
             "Save changes?|#" + saveAs, siteHeader},
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
                    QVERIFY(!box->parentWidget());
                    QCOMPARE(box->icon(), box->windowTitle() == "Save changes?"
                                              ? QMessageBox::Question
                                              : QMessageBox::Warning);
                    press(box, button);
                    return;
                }
                chooseFile(modal, dir.filePath(write == "missing" ? "missing/site1" : "site1"));
            });

        QCOMPARE(shown.size(), dialogs.size());
        for (int i = 0; i < shown.size(); ++i) {
            const QString expected = QString(dialogs[i]).replace("%1", dir.path());
            QVERIFY2(shown[i].startsWith(expected.section('|', 0, 0) + '|'), qPrintable(shown[i]));
            for (const QString& part : expected.section('|', 1).split("..."))
                QVERIFY2(shown[i].contains(part), qPrintable(shown[i]));
        }
        QCOMPARE(readFile(path), written);
        QCOMPARE(QDir(dir.path()).entryList({"site1*"}), QStringList{"site1.conf"});
        // Once written, the file is the configuration's, unmodified; until then, nothing changed.
        const bool saved = written != previous;
        QCOMPARE(window->windowTitle(),
                 "Vorlan v3.4.3 " + (saved ? path : dir.filePath("in.conf")) + "[*]");
        QCOMPARE(window->isWindowModified(), !saved && !cell("steps").isEmpty());
        if (action != "actionNew")
            return;
        QCOMPARE(window->configuration().subclass_count(), saved ? 0 : 1);
        if (!saved)
            return;

        // The window shows none of the subclasses the configuration no longer holds, and the
        // first subclass of the new one gets the whole panel, axle 1 included.
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
                     [&](QWidget* modal) {
                         press(modal, "Discard");
                         chooseFile(modal, dir.filePath("new"));
                     });
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

        // Each entry tells why it is listed, in the list and in its open list.
        QHelpEvent tip(QEvent::ToolTip, QPoint(1, 1), invalid->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(invalid, &tip);
        QCOMPARE(invalid->toolTip(), "subclass 43: tyre type of axle 4 is 7, must be 1 to 4");
        invalid->showPopup();
        const QPoint first = invalid->view()->visualRect(invalid->model()->index(0, 0)).center();
        QHelpEvent itemTip(QEvent::ToolTip, first, invalid->view()->mapToGlobal(first));
        QApplication::sendEvent(invalid->view()->viewport(), &itemTip);
        QCOMPARE(invalid->itemData(0, Qt::ToolTipRole).toString(),
                 "subclass 21: category is empty");
        invalid->hidePopup();
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

        // Nothing typed is dropped in silence: while the number names no subclass, the subclass's
        // fields take no input and no number stands as the one shown.
        QCOMPARE(edit("lineEditAlias")->isEnabled(), exists);
        QCOMPARE(widget<QLabel>("labelSubclassLarge")->text(), exists ? selected.mid(9) : "");
        retype(edit("lineEditAlias"), "9");
        QCOMPARE(window->configuration().get_subclass(selected.mid(9).toUInt()).get_alias(),
                 exists ? "9" : "");
        // Named again, the subclass shown before included, its fields take input and show it.
        retype(edit("lineEditSubclass"), "5");
        QVERIFY(edit("MaxAxleWeightEdit1")->isEnabled());
        QCOMPARE(edit("MaxAxleWeightEdit1")->text(), "7.10");
    }

    void fileNotReadWhole_data()
    {
        // What reading left out (a read stopped at a broken line, or a key line the editor does not
        // keep), the save, the answer to "Save anyway?" (none: the box is closed), and whether the
        // file is written.
        addRows({"loss", "save", "answer", "written"},
                {{"stopped, over it, no", "stopped", "actionSave", "", "no"},
                 {"stopped, over it, yes", "stopped", "actionSave", "Yes", "yes"},
                 {"stopped, elsewhere", "stopped", "actionSaveAs", "", "no"},
                 {"dropped key, over it, no", "dropped", "actionSave", "", "no"},
                 {"dropped key, over it, yes", "dropped", "actionSave", "Yes", "yes"}});
    }
    void fileNotReadWhole()
    {
        // 7 lines of the header and 10 of subclass 1, then: line 20 broken, or line 19 a key the
        // editor has no place for.
        const bool stopped = cell("loss") == "stopped";
        QFile::remove(dir.filePath("elsewhere.conf"));
        const QString text =
            siteHeader + sectionText(1, truckBody) +
            (stopped ? "[subclass_2]\ncategory=4\nnumber_of_axles 2\n\n" + sectionText(3, truckBody)
                     : sectionText(3, "note=lane 1 only\n" +
                                          QString(truckBody).replace("category=4", "category=5")));
        const QString lost = stopped ? "line 20:\nnumber_of_axles 2\n" : "line 19: note";
        const QString path = writeFile(dir, "partly.conf", text);
        const QStringList warnings = answerModals([&] { window->openConfiguration(path); });
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings[0].contains(lost), qPrintable(warnings[0]));
        // Shown as far as it was read.
        const QStringList shown = stopped ? QStringList{"1"} : QStringList{"1", "3"};
        QCOMPARE(listedNumbers(widget<QComboBox>("comboBoxSubclasses")), shown);

        const auto save = [&](const QString& action) {
            return answerModals([&] { widget<QAction>(action)->trigger(); },
                                [&](QWidget* modal) {
                                    press(modal, cell("answer"));
                                    chooseFile(modal, dir.filePath("elsewhere.conf"));
                                });
        };
        const QStringList asked = save(cell("save"));
        const bool over = cell("save") == "actionSave";
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked[0].startsWith(over ? "Save anyway?|" : "Save as|") &&
                     (!over || asked[0].contains(lost)),
                 qPrintable(asked[0]));
        QCOMPARE(readFile(path) != text, cell("written") == "yes");
        QCOMPARE(QFile::exists(dir.filePath("elsewhere.conf")), !over);
        // Once written over, or saved elsewhere, there is nothing left to lose.
        QCOMPARE(save("actionSave").size(), cell("answer").isEmpty() && over ? 1 : 0);
    }

    void leavingTheConfiguration_data()
    {
        // How the configuration would be left, the file reached (in.conf/x.conf: through a file),
        // the answer to "Save changes?" (none: the box is closed, which cancels), and the reason
        // given when the file cannot be opened.
        for (const char* column : {"way", "file", "answer", "reason"})
            QTest::addColumn<QString>(column);
        for (const char* way : {"Exit", "Open", "New", "recent", "dropped"})
            for (const char* answer : {"Save", "Discard", ""})
                QTest::addRow("%s, %s", way, *answer ? answer : "closed")
                    << way << "other.conf" << answer << "";
        const QString missing = "No such file or directory";
        QTest::newRow("missing, by name") << "by name"
                                          << "missing.conf"
                                          << "Discard" << missing;
        QTest::newRow("missing, dropped") << "dropped"
                                          << "missing.conf"
                                          << "Discard" << missing;
        QTest::newRow("missing, recent") << "recent"
                                         << "missing.conf"
                                         << "Discard" << missing;
        QTest::newRow("folder, dropped") << "dropped"
                                         << "folder"
                                         << "Discard"
                                         << "directory";
        QTest::newRow("not a folder, Open") << "Open"
                                            << "in.conf/x.conf"
                                            << "Discard"
                                            << "Not a directory";
    }
    void leavingTheConfiguration()
    {
        QFETCH(QString, way);
        QFETCH(QString, answer);
        QFETCH(QString, reason);
        const QString path = dir.filePath(cell("file")), fresh = dir.filePath("new.conf");
        QDir(dir.path()).mkdir("folder");
        // Second on the recent list; a missing file is gone only after it was opened.
        const bool gone = cell("file") == "missing.conf";
        window->openConfiguration(writeFile(dir, gone ? "missing.conf" : "other.conf",
                                            siteHeader + sectionText(2, truckBody)));
        QFile::remove(dir.filePath("missing.conf"));
        open(siteHeader + sectionText(1, truckBody));
        const QString in = dir.filePath("in.conf");
        perform(window.get(), {"lineEditAlias 7"});

        const QStringList shown = answerModals([&] { reach(way, path); },
                                               [&](QWidget* modal) {
                                                   press(modal, answer);
                                                   chooseFile(modal, way == "New" ? fresh : path);
                                               });
        // Asked first, unless the file is known not to open; saved without a dialog; then,
        // unless cancelled, the file dialog of Open or New, or why the file does not open.
        const bool opens = reason.isEmpty(), goesOn = opens && !answer.isEmpty();
        QCOMPARE(shown.first() ==
                     "Save changes?|" + in + " has changes that are not saved. Save them first?",
                 opens || way == "Open");
        if (opens)
            QCOMPARE(shown.size(), goesOn && (way == "Open" || way == "New") ? 2 : 1);
        else
            QVERIFY2(shown.last().startsWith("Cannot open configuration|" + path) &&
                         shown.last().contains(reason),
                     qPrintable(shown.last()));
        QCOMPARE(readFile(in).contains("\nalias=7\n"), answer == "Save");
        if (way == "Exit") {
            QCOMPARE(window->isVisible(), !goesOn);
            return;
        }
        QCOMPARE(window->windowTitle(),
                 "Vorlan v3.4.3 " + (goesOn ? (way == "New" ? fresh : path) : in) + "[*]");
        QCOMPARE(window->isWindowModified(), !goesOn);
        QCOMPARE(window->configuration().has_subclass(1), !goesOn);
        // A file that is gone leaves the recent list when chosen or dropped.
        const int listed = widget<QMenu>("menuRecentFiles")->actions().size() - 2;
        QCOMPARE(listed, gone && way != "by name" ? 1 : 2 + (way == "New" && goesOn));
    }

    void recentFiles()
    {
        const auto entries = [&] {
            QStringList texts;
            for (const QAction* entry : widget<QMenu>("menuRecentFiles")->actions())
                texts << entry->text();
            return texts;
        };
        // Twelve files opened or saved one after the other: the last ten, newest first.
        QStringList expected;
        for (int i = 1; i <= 12; ++i) {
            const QString path = writeFile(dir, QString("f%1.conf").arg(i), siteHeader);
            if (i == 12) {
                answerModals([&] { widget<QAction>("actionSaveAs")->trigger(); },
                             [&](QWidget* modal) { chooseFile(modal, path); });
            } else {
                window->openConfiguration(path);
            }
            if (i > 2)
                expected.prepend(path);
        }
        for (int i = 0; i < expected.size(); ++i)
            expected[i].prepend(i < 9 ? QString("&%1 ").arg(i + 1) : QString("10 "));
        QCOMPARE(entries(), expected + QStringList({"", "Clear List"}));

        // Opened again, a file comes first.
        window->openConfiguration(dir.filePath("f5.conf"));
        QVERIFY(entries()[0].endsWith("/f5.conf") && entries()[1].endsWith("/f12.conf"));

        widget<QMenu>("menuRecentFiles")->actions().last()->trigger();
        QCOMPARE(entries(), QStringList({"", "Clear List"}));
        QVERIFY(!widget<QMenu>("menuRecentFiles")->menuAction()->isEnabled());
    }

    void settingsKeptForTheNextWindow()
    {
        QDir(dir.path()).mkdir("site");
        const QString path = writeFile(dir, "site/a.conf", siteHeader);
        answerModals([&] { widget<QAction>("actionOpen")->trigger(); },
                     [&](QWidget* dialog) { chooseFile(dialog, path); });
        window->resize(1010, 720);
        QVERIFY(window->close());

        Vorlan next;
        QCOMPARE(next.width(), 1010);
        QString folder;
        answerModals([&] { next.findChild<QAction*>("actionOpen")->trigger(); },
                     [&](QWidget* dialog) {
                         folder = qobject_cast<QFileDialog*>(dialog)->directory().path();
                     });
        QCOMPARE(folder, dir.filePath("site"));
    }

    void subclassWithoutAxlesShowsNothingOfAnother()
    {
        const QString constrained = truckBody + "reclassify_up_to_subclass=3\n"
                                                "awsl_0=58.8,71;176.5,41\nadsl_1=1+2:3.2,6.5\n";
        window->openConfiguration(writeFile(
            dir, "axles.conf",
            siteHeader + sectionText(1, constrained) +
                sectionText(2,
                            "category=4\nnumber_of_axles=2000000000\nmax_axle_weight__kN=1,50\n") +
                sectionText(3, truckBody)));
        QVERIFY(!picturesEmpty());
        retype(edit("lineEditSubclass"), "2");
        const QStringList hidden = {"MaxAxleDist1 hidden", "adslConstraint0 hidden"};
        QCOMPARE(onScreen(window.get(), hidden), hidden);
        for (const char* name : {"MaxAxleWeightEdit1", "lineEditReclassUpTo",
                                 "lineEditTotalWeightConstraint", "labelSumMaxAxleWeights"})
            QVERIFY2(widget<QWidget>(name)->property("text").toString().isEmpty(), name);
        QVERIFY(picturesEmpty());
        // A header limit typed judges no more than the twenty axles that can be shown.
        retype(edit("lineEditMaxAxleDist"), "5");
        QCOMPARE(widget<QComboBox>("comboBoxInvalid")->count(), 3);

        // Given a valid count, axle 1 shows what the record holds for it.
        retype(edit("lineEditNumOfAxles"), "2");
        QCOMPARE(edit("MaxAxleWeightEdit1")->text(), "5.10");
    }

    void headerOnlyFileShowsNothingOfThePreviousOne()
    {
        open(readFile(VORLAN_EXAMPLES "/motorway-site.conf").replace("=9.80665", "=10"));
        QString header = siteHeader;
        header.replace("country", "min_avg_axle_weight__kN=4.9\ncountry");
        window->openConfiguration(writeFile(dir, "header.conf", header));
        QCOMPARE(widget<QComboBox>("comboBoxSubclasses")->count(), 0);
        // Only the number field stays, for the first subclass of this configuration. Weights are
        // shown with the standard g, the file having none, never with the g of the file before.
        const QStringList empty =
            QString(
                "groupBoxSubclass=;lineEditSubclass= red;labelSubclassLarge=;frameMiddle hidden;"
                "frameSubclassBottom hidden;groupBoxReclassify hidden;"
                "lineEditMinAvgAxleWeight=0.50 lime;buttonGConstant=9.80665")
                .split(';');
        QCOMPARE(onScreen(window.get(), empty), empty);
        for (const char* name : {"lineEditReclassUpTo", "lineEditNumOfAxles"})
            QVERIFY2(edit(name)->text().isEmpty(), name);
        QVERIFY(picturesEmpty());
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
