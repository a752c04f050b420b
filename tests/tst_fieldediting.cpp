// What typing into the window does to the configuration: every subclass field stores its value in
// file units in the current subclass and is judged, the axle count keeps the record's lists in
// step, a header limit re-judges the distances shown, and constraints are added, changed and
// removed. How each panel shows and judges is tested with the panel.
#include "tests/windowdriver.h"

using namespace WindowDriver;

class TestFieldEditing : public QObject, Fixture
{
    Q_OBJECT

    bool listedInvalid(int number) const
    {
        return listedNumbers(widget<QComboBox>("comboBoxInvalid"))
            .contains(QString::number(number));
    }
    // The per-axle lines Save would write for a subclass.
    QString axleLines(quint32 number) const
    {
        const QString text = window->configuration().get_subclass(number).section_text();
        return text.split('\n').filter(QRegExp("^(max_axle|min_axle|tyre)")).join(' ');
    }
    // The constraint edits of a kind: "shown | held", the texts of the line edits ("-" when
    // hidden) and the record's values.
    QString constraints(int subclass, const QString& kind) const
    {
        const Subclass& s = window->configuration().get_subclass(subclass);
        QStringList shown, held;
        for (QLineEdit* edit : edits(kind))
            shown << (edit->isHidden() ? "-" : edit->text());
        for (int i = 0; i < s.get_constraint_count(kind); ++i)
            held << s.get_constraint(i, kind);
        return shown.join(' ') + " | " + held.join(' ');
    }
    QList<QLineEdit*> edits(const QString& kind) const
    {
        const QString frame = kind == "adsl" ? "frameAdsl" : kind == "awsl" ? "frameAwsl" : "";
        return widget<QFrame>(frame.isEmpty() ? "frameCombinedWeightConstraints" : frame)
            ->findChildren<QLineEdit*>();
    }
    void select(int n) { retype(edit("lineEditSubclass"), QString::number(n)); }

private slots:
    void init()
    {
        newWindow();
        window->show(); // check boxes take clicks only when laid out on screen
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->openConfiguration(QStringLiteral(VORLAN_EXAMPLES "/motorway-site.conf"));
    }

    void typingIntoSubclassFields_data()
    {
        // Subclass 12, a car with a trailer, 3 axles: the field, what is typed ("|" and the text
        // the field shows once the focus has left it, when keystrokes are refused), its colour
        // (fields without a check stay as shown), and a part of what Save would write. Weights
        // are in tonnes, lengths in metres.
        addRows({"field", "typed", "colour", "written"},
                {{"lineEditOverrideClass", "3", "lime", "\noverride_class=3\n"},
                 {"lineEditOverrideGroups", "2", "lime", "\noverride_groups=2\n"},
                 {"lineEditAlias", "9", "lime", "\nalias=9\n"},
                 {"lineEditCategory", "", "red", "axle_configuration=C2T1\nmax_GVW"},
                 {"lineEditMaxGrossWeight", "10", "lime", "\nmax_GVW__kN=98.0665\n"},
                 {"lineEditConfString", "h2t1", "lime", "\naxle_configuration=H2T1\n"},
                 {"lineEditConfString", "H2", "red", "\naxle_configuration=H2\n"},
                 {"lineEditPrepend", "1.5", "lime", "\nprepend__m=1.5\n"},
                 {"lineEditAppend", "2", "lime", "\nappend__m=2\n"},
                 {"lineEditReclassUpGvw", "3", "lime", "\nupper_GVW_limit__kN=29.42\n"},
                 {"same axle count", "lineEditReclassUpTo", "32", "lime", "_up_to_subclass=32\n"},
                 {"missing target", "lineEditReclassUpTo", "99", "red", "_up_to_subclass=99\n"},
                 {"other axle count", "lineEditReclassDownTo", "13", "red", "_subclass=13\n"},
                 {"zero target", "lineEditReclassDownTo", "0", "red", "_down_to_subclass=0\n"},
                 {"lineEditReclassDownGvw", "1", "lime", "\nlower_GVW_limit__kN=9.80665\n"},
                 {"MaxAxleDist2", "1", "red", "\nmax_axle_distance__m=3.2,1\n"},
                 {"MinAxleDist1", "0.5", "red", "\nmin_axle_distance__m=0.5,2.5\n"},
                 {"MaxAxleWeightEdit3", "1.5", "lime", ";3,14.71\n"},
                 {"MaxAxleWeightEdit1", "", "red", "\nmax_axle_weight__kN=1,;2,12.3;"},
                 {"TyreType3", "5", "red", "\ntyre_type=1,1,5\n"},
                 {"lineEditTotalDistanceConstraint", "2.50,18.750", "lime", "\nadsl_0=2.5,18.75\n"},
                 {"lineEditTotalWeightConstraint", "10,3", "red", "\nawsl_0=10,3\n"},
                 // Only what the field stores as typed can be typed; what a float cannot hold is
                 // stored, and shown invalid, as infinite.
                 {"comma", "lineEditMaxGrossWeight", "2,6|26", "lime", "\nmax_GVW__kN=254.973\n"},
                 {"group separator", "lineEditAlias", "123,4|1234", "lime", "\nalias=1234\n"},
                 {"sign", "lineEditCategory", "-3|3", "lime", "\ncategory=3\n"},
                 {"inf", "MaxAxleDist1", "inf|3.20", "lime", "\nmax_axle_distance__m=3.2,6\n"},
                 {"nan", "lineEditPrepend", "nan|", "lime", "\nnumber_of_axles=3\ntyre_type="},
                 {"overflow", "lineEditReclassUpGvw", QString(50, '1'), "red", "_kN=inf\n"},
                 {"axle count", "lineEditNumOfAxles", "21", "red", "\nnumber_of_axles=21\n"},
                 {"tyre type", "TyreType1", "2.5|25", "red", "\ntyre_type=25,1,1\n"}});
    }
    void typingIntoSubclassFields()
    {
        QFETCH(QString, field);
        QFETCH(QString, colour);
        select(12);
        const QString before = pictures(window.get());
        QLineEdit* typedInto = edit(field);
        QApplication::setActiveWindow(window.get());
        typedInto->setFocus();
        const QString typed = cell("typed").section('|', 0, 0);
        retype(typedInto, typed);
        edit("lineEditVersion")->setFocus();
        QCOMPARE(typedInto->text(), cell("typed").section('|', -1));
        QCOMPARE(background(typedInto), colour);
        // Not by colour alone: an invalid value is marked inside its field.
        QCOMPARE(warningMark(typedInto).isEmpty(), colour != "red");
        const QString written = window->configuration().get_subclass(12).section_text();
        QVERIFY2(written.contains(cell("written")), qPrintable(written));
        // The list of invalid subclasses agrees with the record at once; reclassification targets
        // take no part in a subclass's validity.
        QCOMPARE(listedInvalid(12), colour == "red" && !field.endsWith("To"));
        // A new axle configuration changes the vehicle drawn.
        if (field == "lineEditConfString")
            QVERIFY(pictures(window.get()) != before);

        // Edits go nowhere while the number field names no subclass.
        retype(edit("lineEditSubclass"), "012");
        retype(typedInto, "4");
        QCOMPARE(window->configuration().get_subclass(12).section_text(), written);
    }

    void headerLimitJudgesShownCells_data()
    {
        // Subclass 11, shown first, has one gap of 2.2 m to 3.2 m, judged by its whole rule after
        // each limit typed; the colour of the limit typed last follows. Subclass 12 reaches 6 m.
        addRows({"typed", "cells", "own"},
                {{"lineEditMinAxleDist 2.5", "red lime", "lime"},
                 {"lineEditMaxAxleDist 3", "lime red", "yellow"},
                 {"lineEditMaxAxleDist 2", "red red", "yellow"},
                 {"lineEditMaxAxleDist 0.5", "red red", "red"},
                 {"lineEditMinAxleDist 2.5;lineEditMaxAxleDist 5", "red lime", "yellow"}});
    }
    void headerLimitJudgesShownCells()
    {
        const QStringList steps = cell("typed").split(';');
        perform(window.get(), steps);
        const QString cells =
            background(edit("MinAxleDist1")) + ' ' + background(edit("MaxAxleDist1"));
        QTEST(cells, "cells");
        QTEST(background(edit(steps.last().section(' ', 0, 0))), "own");
        QCOMPARE(listedInvalid(11), cells.contains("red"));
    }

    void tabOrderWalksTheRows()
    {
        // Subclass 44, five axles, from its last own field on: row by row, left to right.
        const QString expected =
            "MaxAxleDist1 MaxAxleDist2 MaxAxleDist3 MaxAxleDist4 MinAxleDist1 MinAxleDist2 "
            "MinAxleDist3 MinAxleDist4 TyreType1 TyreType2 TyreType3 TyreType4 TyreType5 "
            "MaxAxleWeightEdit1 MaxAxleWeightEdit2 MaxAxleWeightEdit3 MaxAxleWeightEdit4 "
            "MaxAxleWeightEdit5 MaxAxleWeightBox1 MaxAxleWeightBox2 MaxAxleWeightBox3 "
            "MaxAxleWeightBox4 MaxAxleWeightBox5 comboBoxAddConstraint buttonAddConstraint "
            "defaultConstraint0 lineEditTotalDistanceConstraint lineEditTotalWeightConstraint "
            "awslConstraint0 graphicsViewMin";
        select(44);
        QApplication::setActiveWindow(window.get());
        edit("lineEditReclassDownTo")->setFocus();
        QStringList walked;
        while (walked.size() < expected.count(' ') + 1) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(walked.join(' '), expected);
    }

    void axleCount_data()
    {
        // Counts typed one after the other into subclass 44 (5 axles), "^" typing before the count
        // shown; then its per-axle lines as Save would write them, and the count's colour.
        addRows({"counts", "lines", "colour"},
                {{"3",
                  "tyre_type=1,1,2 max_axle_weight__kN=1,78.5;2,78.5;3,88.3;3+4+5,264.8 "
                  "max_axle_distance__m=2.1,5.4 min_axle_distance__m=1.8,3.5",
                  "lime"},
                 // What a lower count dropped does not come back.
                 {"4 5",
                  "tyre_type=1,1,2,2, max_axle_weight__kN=1,78.5;2,78.5;3,88.3;4,88.3;5,;"
                  "3+4+5,264.8 max_axle_distance__m=2.1,5.4,1.5, min_axle_distance__m=1.8,3.5,1.3,",
                  "lime"},
                 {"^2", "", "red"},
                 {"1", "", "red"}});
    }
    void axleCount()
    {
        select(44);
        QLineEdit* count = edit("lineEditNumOfAxles");
        const QStringList shown = shownEdits(window.get(), "(M|TyreType)");
        for (const QString& typed : cell("counts").split(' ')) {
            // Straight from one count to the next, so that no other count is typed on the way.
            if (typed.startsWith('^'))
                count->home(false);
            else
                count->selectAll();
            QTest::keyClicks(count, QString(typed).remove('^'));
        }
        if (!cell("lines").isEmpty())
            QTEST(axleLines(44), "lines");
        QTEST(background(count), "colour");
        // None of these leaves subclass 44 valid, and the invalid list says so at once.
        QVERIFY(listedInvalid(44));
        // A count that is not valid leaves the editors as they were.
        if (cell("colour") == "red")
            QCOMPARE(shownEdits(window.get(), "(M|TyreType)"), shown);
    }

    void constraints_data()
    {
        // "add" over the ticked axles, or "type" into the kind's edit of that index; then what is
        // typed, and the constraints() of the kind afterwards. Tonnes and metres are shown.
        addRows({"subclass", "action", "kind", "typed", "result"},
                {{"original", "51", "add 1+3", "default", "10", "1+3,10.00 | 1+3,98.0665"},
                 {"distance", "51", "add 2+3", "adsl", "1.5 3", "2+3:1.5,3.0 | 2+3:1.5,3"},
                 {"refused", "51", "add 2", "adsl", "1.5 3", " | "},
                 {"limit not a number", "42", "type 0", "default", "2+3,x", "2+3,x | 2+3,x"},
                 {"weight typed", "44", "type 0", "awsl", "3+4+5:10,44;27,46",
                  "3+4+5:10,44;27,46 | 3+4+5:98.0665,44;264.78,46"},
                 // Emptied, the second of three goes, and the third moves up.
                 {"cleared", "43", "type 1", "adsl", "", "1+2:1.7,2.1 - | 1+2:1.7,2.1"}});
    }
    void constraints()
    {
        QFETCH(QString, action);
        QFETCH(QString, kind);
        const int subclass = cell("subclass").toInt();
        select(subclass);
        QStringList typed = cell("typed").split(' ', Qt::SkipEmptyParts);
        if (action.startsWith("type")) {
            retype(edits(kind).value(action.section(' ', 1).toInt()), typed.value(0));
        } else {
            widget<QComboBox>("comboBoxAddConstraint")
                ->setCurrentIndex(QStringList{"default", "adsl", "awsl"}.indexOf(kind));
            for (QLineEdit* edit :
                 window->findChildren<QLineEdit*>(QRegularExpression("^lineEditAdd")))
                if (!edit->isHidden() && !typed.isEmpty())
                    retype(edit, typed.takeFirst());
            for (const QString& axle : action.mid(4).split('+'))
                QTest::mouseClick(widget<QCheckBox>("MaxAxleWeightBox" + axle), Qt::LeftButton);
            answerModals([&] {
                QTest::mouseClick(widget<QPushButton>("buttonAddConstraint"), Qt::LeftButton);
            });
            // Added or refused, no axle stays ticked only when added.
            const bool added = !cell("result").startsWith(" |");
            for (QCheckBox* box : window->findChildren<QCheckBox*>())
                QVERIFY(!box->isChecked() || !added);
        }
        QTEST(constraints(subclass, kind), "result");
        // A red constraint makes the subclass invalid, and the list says so at once.
        QLineEdit* first = edits(kind).value(0);
        QCOMPARE(listedInvalid(subclass),
                 first && !first->isHidden() && background(first) == "red");
    }
};

QTEST_MAIN(TestFieldEditing)
#include "tst_fieldediting.moc"
