// The constraint panel alone on the bare form: the edits it shows of a record, which constraint
// each edit is, and what the Add row makes of the ticked axles.
#include "tests/formfixture.h"
#include "ui/constraintpanel.h"
#include "ui/framecells.h"

using namespace WindowDriver;

namespace {

// Constraints written "kind=value", separated by blanks.
Subclass constrained(const QString& constraints)
{
    Subclass s;
    for (const QString& entry : constraints.split(' ', Qt::SkipEmptyParts)) {
        const QString kind = entry.section('=', 0, 0), value = entry.section('=', 1);
        if (kind == "adsl_0")
            s.set_adsl_0(value);
        else
            s.set_constraint(value, -1, kind);
    }
    return s;
}

} // namespace

class TestConstraintPanel : public QObject, FormFixture
{
    Q_OBJECT

    std::unique_ptr<ConstraintPanel> panel;

    // "name=text" of each constraint edit in layout order, "name-" when hidden.
    QString edits() const
    {
        QStringList seen;
        for (QFrame* frame : {form.frameCombinedWeightConstraints, form.frameAdsl, form.frameAwsl})
            for (int i = 0; i < FrameCells::count(frame); ++i) {
                const QWidget* edit = FrameCells::at(frame, i);
                seen << edit->objectName() +
                            (edit->isHidden() ? "-" : '=' + edit->property("text").toString());
            }
        return seen.join(' ');
    }

private slots:
    void init()
    {
        setUpForm();
        panel = std::make_unique<ConstraintPanel>(form, units, wire());
    }

    void showAndAdd_data()
    {
        // Records shown one after the other (separated by '|'), then a constraint added to the
        // last; the edits afterwards and how many were ever made.
        addRows(
            {"shown", "added", "edits", "made"},
            {{"one of each", "default=1+2,98.0665 adsl=2+3:1.5,3 awsl=1+2:98.0665,3;196.133,5", "",
              "defaultConstraint0=1+2,10.00 adslConstraint0=2+3:1.5,3.0 "
              "awslConstraint0=1+2:10.0,3;20.0,5",
              "3"},
             {"fewer, then more", "adsl=1+2:1,2 adsl=2+3:1,2 adsl=3+4:1,2|adsl=1+2:1,2", "",
              "adslConstraint0=1+2:1.0,2.0 adslConstraint1- adslConstraint2-", "3"},
             // An edit hidden by a subclass with fewer constraints is used again.
             {"added into a hidden edit", "adsl=1+2:1,2 adsl=2+3:1,2|adsl=1+2:1,2", "adsl=3+4:2,4",
              "adslConstraint0=1+2:1.0,2.0 adslConstraint1=3+4:2.0,4.0", "2"},
             {"added past the edits", "awsl=1+2:9.80665,3;19.6133,5", "awsl=2+3:bad",
              "awslConstraint0=1+2:1.0,3;2.0,5 Constraint2=2+3:bad", "2"}});
    }
    void showAndAdd()
    {
        Subclass shown;
        for (const QString& constraints : cell("shown").split('|')) {
            shown = constrained(constraints);
            panel->show(shown);
        }
        if (!cell("added").isEmpty()) {
            const QString kind = cell("added").section('=', 0, 0);
            shown.set_constraint(cell("added").section('=', 1), -1, kind);
            panel->showAdded(shown, kind);
        }
        QTEST(edits(), "edits");
        QTEST(QString::number(wired), "made");
    }

    void entryOf_data()
    {
        addRows({"editor", "entry"}, {{"defaultConstraint0", "default 0"},
                                      {"adslConstraint2", "adsl 2"},
                                      {"awslConstraint1", "awsl 1"},
                                      {"lineEditTotalDistanceConstraint", "adsl_0 0"},
                                      {"lineEditTotalWeightConstraint", "awsl_0 0"},
                                      {"labelAdsl", ""},
                                      {"lineEditAddConstraint", ""}});
    }
    void entryOf()
    {
        panel->show(constrained("default=1+2,1 adsl=1+2:1,2 adsl=1+2:1,2 adsl=1+2:1,2 "
                                "awsl=1+2:1,2;3,4 awsl=1+2:1,2;3,4"));
        const auto found = panel->entryOf(window->findChild<QObject*>(cell("editor")));
        QTEST(found ? found->kind + ' ' + QString::number(found->index) : QString(), "entry");
    }

    void closeGapAndRedisplay()
    {
        Subclass s = constrained("adsl_0=2.5,18.75 adsl=1+2:1,2 adsl=2+3:1,2 adsl=3+4:1,x");
        panel->show(s);
        s.delete_constraint(1, "adsl");
        panel->closeGap(s, {"adsl", 1});
        QCOMPARE(edits(), "adslConstraint0=1+2:1.0,2.0 adslConstraint1=3+4:1,x adslConstraint2-");
        QCOMPARE(background(edit("adslConstraint1")), "red");

        // In feet every shown constraint and caption changes, and is shown valid.
        units.setUnits(0, 1, DisplayUnits::standardGravity);
        panel->redisplayUnits(&s);
        QCOMPARE(shown("lineEditTotalDistanceConstraint adslConstraint0 labelAdsl"),
                 "lineEditTotalDistanceConstraint=8.2,61.5 lime adslConstraint0=1+2:3.3,6.6 lime "
                 "labelAdsl=Combined axle distance constraints (ft):");
    }

    void newConstraint_data()
    {
        const QString boxes = "Make sure you have at least two checkboxes";
        const QString reals = "must contain a constraint (float).";
        const QString classes = "must contain constraint (float) and class (int)";
        // The kind's place in the list, the ticked axles, what the Add row holds (value, lower,
        // upper), and the constraint made or the refusal's text.
        addRows({"kind", "ticked", "typed", "made"},
                {{"0", "1 3", "10,,", "default 1+3,98.0665"},
                 {"0", "2 3", "x,,", "default 2+3,x"},
                 {"1", "2 3", ",1.5,3", "adsl 2+3:1.5,3"},
                 {"2", "1 2 5", ",0,3,1,5", "awsl 1+2+5:0,3;9.80665,5"},
                 {"1", "2", ",1.5,3", boxes},
                 {"-1", "1 2", ",,", boxes},
                 {"1", "2 3", ",1.5,x", reals},
                 {"2", "2 3", ",10,20,5", classes}});
    }
    void newConstraint()
    {
        form.comboBoxAddConstraint->setCurrentIndex(cell("kind").toInt());
        panel->showChosenKind();
        const QStringList typed = cell("typed").split(',');
        // Weights with classes are typed with commas of their own.
        form.lineEditAddConstraint->setText(typed.value(0));
        form.lineEditAddLowerConstraint->setText(typed.mid(1, typed.size() == 5 ? 2 : 1).join(','));
        form.lineEditAddUpperConstraint->setText(typed.mid(typed.size() == 5 ? 3 : 2).join(','));
        QList<int> ticked;
        for (const QString& axle : cell("ticked").split(' '))
            ticked << axle.toInt();
        QString made;
        const QStringList refusals = answerModals([&] {
            if (const auto constraint = panel->newConstraint(ticked))
                made = constraint->kind + ' ' + constraint->value;
        });
        QCOMPARE(made.isEmpty() ? refusals.size() : 0, made.isEmpty() ? 1 : 0);
        const QString shown = made.isEmpty() ? refusals.value(0) : made;
        QVERIFY2(shown.startsWith(made.isEmpty() ? "Cannot add a new constraint|" : "") &&
                     shown.contains(cell("made")),
                 qPrintable(shown));
        // The edits the kind does not use are hidden and empty.
        const bool bounds = cell("kind").toInt() > 0;
        QCOMPARE(form.lineEditAddConstraint->isHidden(), bounds);
        QCOMPARE(form.lineEditAddUpperConstraint->isHidden(), !bounds);
    }
};

QTEST_MAIN(TestConstraintPanel)
#include "tst_constraintpanel.moc"
