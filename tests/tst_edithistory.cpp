// Undo and redo of every kind of change, the window shown as if the changed subclass had just been
// selected, the undo keys wherever the focus is, and the modified mark.
#include "tests/windowdriver.h"

using namespace WindowDriver;

class TestEditHistory : public QObject, Fixture
{
    Q_OBJECT

    // What the window shows of the configuration: fields, per-axle and constraint edits, both
    // lists, the pictures and the weight factor.
    QString screen() const
    {
        const QStringList names = QString("lineEditSubclass labelSubclassLarge buttonSubclass "
                                          "lineEditCategory lineEditMaxGrossWeight "
                                          "lineEditConfString lineEditNumOfAxles "
                                          "lineEditTotalDistanceConstraint lineEditCountry "
                                          "lineEditMinAxleDist buttonGConstant labelInvalid "
                                          "labelSumMaxAxleWeights labelSumMaxAxleDist")
                                      .split(' ');
        return QStringList{
            onScreen(window.get(), names).join(';'),
            shownEdits(window.get(), "(Max|Min|Tyre|adsl|awsl|default|Constraint)").join(';'),
            listedNumbers(widget<QComboBox>("comboBoxSubclasses")).join(' '),
            listedNumbers(widget<QComboBox>("comboBoxInvalid")).join(' '),
            pictures(window.get()),
            QString::number(window->displayUnits().weightFactor())}
            .join('\n');
    }
    // The screen as showing the current subclass again from its record leaves it.
    QString reshown() const
    {
        window->showSubclass(edit("lineEditSubclass")->text().toUInt());
        return screen();
    }
    QString text() const { return window->configuration().to_text(); }
    void setG(const QString& g)
    {
        answerModals(
            [&] { widget<QAction>("actionConfiguration")->trigger(); },
            [&](QWidget* dialog) {
                retype(dialog->findChild<QLineEdit*>("lineEditG"), g);
                dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            });
    }
    void key(QKeySequence::StandardKey standard, QWidget* focus)
    {
        const int combined = QKeySequence(standard)[0];
        QTest::keyClick(focus, Qt::Key(combined & ~Qt::KeyboardModifierMask),
                        Qt::KeyboardModifiers(combined & Qt::KeyboardModifierMask));
    }

private slots:
    void init()
    {
        newWindow();
        window->show(); // buttons and check boxes take clicks only on screen
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->openConfiguration(QStringLiteral(VORLAN_EXAMPLES "/motorway-site.conf"));
    }

    void undoAndRedo_data()
    {
        // The subclass shown first, the steps (g: through the units dialog), the text of Undo,
        // and the subclass shown once the step is redone.
        addRows(
            {"subclass", "steps", "undo", "redone"},
            {{"keystrokes merge", "12", "lineEditMaxGrossWeight 20", "typing in Max. GVW", "12"},
             {"per-axle", "12", "MaxAxleWeightEdit2 5;MaxAxleWeightEdit2 7",
              "typing in Max. axle weight 2", "12"},
             {"total", "12", "lineEditTotalDistanceConstraint 2.5,9",
              "typing in Total distance constraint", "12"},
             {"constraint cleared", "43", "adslConstraint0 ",
              "clear Combined distance constraint 1", "43"},
             {"constraint added", "51",
              "comboBoxAddConstraint=Distance;lineEditAddLowerConstraint 1.5;"
              "lineEditAddUpperConstraint 3;MaxAxleWeightBox2;MaxAxleWeightBox3;"
              "buttonAddConstraint",
              "add Combined distance constraint 1", "51"},
             {"axle count", "44", "lineEditNumOfAxles 3", "typing in Number of axles", "44"},
             {"created", "12", "lineEditSubclass 30;buttonSubclass", "create subclass 30", "30"},
             {"copied", "12", "lineEditCopy 25;buttonCopy", "copy subclass 12 to 25", "25"},
             {"deleted", "43", "buttonSubclass", "delete subclass 43", "44"},
             {"header limit", "12", "lineEditMinAxleDist 2.5", "typing in Min. axle distance",
              "12"},
             {"g", "12", "g 9.81", "set g to 9.81", "12"}});
    }
    void undoAndRedo()
    {
        retype(edit("lineEditSubclass"), cell("subclass"));
        const QString before = screen(), textBefore = text();
        for (const QString& step : cell("steps").split(';')) {
            if (step.startsWith("g "))
                setG(step.mid(2));
            else
                perform(window.get(), {step});
        }
        const QString textAfter = text();
        QVERIFY(textAfter != textBefore);
        QVERIFY(window->isWindowModified());
        QCOMPARE(widget<QAction>("actionUndo")->text(), "Undo " + cell("undo"));

        // One step back: the configuration and the window as they were.
        widget<QAction>("actionUndo")->trigger();
        QCOMPARE(text(), textBefore);
        QCOMPARE(screen(), before);
        QVERIFY(!window->isWindowModified());
        QVERIFY(!widget<QAction>("actionUndo")->isEnabled());
        QCOMPARE(widget<QAction>("actionRedo")->text(), "Redo " + cell("undo"));

        widget<QAction>("actionRedo")->trigger();
        QCOMPARE(text(), textAfter);
        QTEST(edit("lineEditSubclass")->text(), "redone");
        const QString redone = screen();
        QCOMPARE(redone, reshown());
        QVERIFY(window->isWindowModified());
    }

    void undoKeysAndTheSavedPoint()
    {
        const QString path = writeFile(dir, "in.conf", siteHeader + sectionText(1, truckBody));
        window->openConfiguration(path);
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QSignalSpy changed(window.get(), &Vorlan::configurationChanged);
        QLineEdit* alias = edit("lineEditAlias");
        alias->setFocus();

        // Typing the old value back is a change all the same.
        QTest::keyClicks(alias, "7");
        QTest::keyClick(alias, Qt::Key_Backspace);
        QVERIFY(window->isWindowModified());
        // The field's own undo would bring the 7 back.
        key(QKeySequence::Undo, alias);
        QCOMPARE(alias->text(), "");
        QVERIFY(!window->isWindowModified());
        key(QKeySequence::Redo, alias);
        QVERIFY(window->isWindowModified());

        // Saved, the configuration is unmodified until a step moves away from that point.
        retype(edit("lineEditMaxGrossWeight"), "20");
        QCOMPARE(answerModals([&] { key(QKeySequence::Save, alias); }), QStringList());
        QVERIFY(readFile(path).contains("\nmax_GVW__kN=196.133\n"));
        QVERIFY(!window->isWindowModified());
        key(QKeySequence::Undo, edit("lineEditMaxGrossWeight"));
        QVERIFY(window->isWindowModified());
        QCOMPARE(edit("lineEditMaxGrossWeight")->text(), "18.00");
        key(QKeySequence::Redo, alias);
        QVERIFY(!window->isWindowModified());

        // Another configuration starts a history of its own.
        window->openConfiguration(path);
        QVERIFY(!widget<QAction>("actionUndo")->isEnabled());
        QCOMPARE(changed.count(), 9);
    }
};

QTEST_MAIN(TestEditHistory)
#include "tst_edithistory.moc"
