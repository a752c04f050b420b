// Adding, changing and removing combined constraints and the two totals, as a user does.
#include "tests/windowdriver.h"

using namespace WindowDriver;

class TestConstraintEditor : public QObject, Fixture
{
    Q_OBJECT

    // The line edits of a kind, in layout order; a total ("adsl_0", "awsl_0") has one.
    QList<QLineEdit*> edits(const QString& kind) const
    {
        if (kind.endsWith("_0"))
            return {edit(kind == "adsl_0" ? "lineEditTotalDistanceConstraint"
                                          : "lineEditTotalWeightConstraint")};
        const QString frame = kind == "adsl" ? "frameAdsl" : kind == "awsl" ? "frameAwsl" : "";
        return widget<QFrame>(frame.isEmpty() ? "frameCombinedWeightConstraints" : frame)
            ->findChildren<QLineEdit*>();
    }
    // "shown | held": the texts of a kind's line edits ("-" when hidden), and the record's values.
    QString constraints(int subclass, const QString& kind) const
    {
        const Subclass& s = window->configuration().get_subclass(subclass);
        QStringList shown, held;
        for (QLineEdit* edit : edits(kind))
            shown << (edit->isHidden() ? "-" : edit->text());
        if (kind.endsWith("_0"))
            held << (kind == "adsl_0" ? s.get_adsl_0() : s.get_awsl_0());
        for (int i = 0; i < s.get_constraint_count(kind); ++i)
            held << s.get_constraint(i, kind);
        return shown.join(' ') + " | " + held.join(' ');
    }
    void select(int n) { retype(edit("lineEditSubclass"), QString::number(n)); }
    // Chooses the kind, types into the add edits it shows, ticks the axles and presses Add;
    // returns "title|text" of the message shown, empty when none was.
    QString add(const QString& kind, const QString& axles, const QString& typed)
    {
        widget<QComboBox>("comboBoxAddConstraint")
            ->setCurrentIndex(QStringList{"default", "adsl", "awsl"}.indexOf(kind));
        QStringList texts = typed.split(' ', Qt::SkipEmptyParts);
        for (QLineEdit* edit : window->findChildren<QLineEdit*>(QRegularExpression("^lineEditAdd")))
            if (!edit->isHidden() && !texts.isEmpty())
                retype(edit, texts.takeFirst());
        for (const QString& axle : axles.split('+'))
            QTest::mouseClick(widget<QCheckBox>("MaxAxleWeightBox" + axle), Qt::LeftButton);
        return answerModals([&] {
                   QTest::mouseClick(widget<QPushButton>("buttonAddConstraint"), Qt::LeftButton);
               })
            .join('\n');
    }

private slots:
    void init()
    {
        window = std::make_unique<Vorlan>();
        window->show(); // check boxes take clicks only when laid out on screen
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->openConfiguration(VORLAN_EXAMPLES "/motorway-site.conf");
    }

    void addOrType_data()
    {
        // "add" over the ticked axles, or "type" into the kind's first line edit; then what is
        // typed, and the constraints() of the kind and the colour, or the refusal's message.
        const QString boxes = "Make sure you have at least two checkboxes selected and there is "
                              "a viable value in the adjacent field.";
        const QString reals = "Upper and lower text boxes must contain a constraint (float).";
        const QString classes = "Upper and lower text boxes must contain constraint (float) and "
                                "class (int) separated with a comma.";
        // Tonnes and metres are shown; the file holds kN and m.
        const std::initializer_list<QStringList> rows = {
            {"original", "51", "add 1+3", "default", "10", "1+3,10.00 | 1+3,98.0665", "lime"},
            // A sign alone is no weight: it must not become a valid limit of 0.
            {"original sign", "51", "add 2+3", "default", "-", "2+3,0.00 | 2+3,-", "red"},
            {"distance", "51", "add 2+3", "adsl", "1.5 3", "2+3:1.5,3.0 | 2+3:1.5,3", "lime"},
            {"weight", "51", "add 1+2", "awsl", "0,3 1,5", "1+2:0.0,3;1.0,5 | 1+2:0,3;9.80665,5",
             "lime"},
            {"one box", "51", "add 2", "adsl", "1.5 3", boxes, ""},
            {"no kind", "51", "add 1+2", "", "", boxes, ""},
            {"distance not a number", "51", "add 2+3", "adsl", "1.5 x", reals, ""},
            {"weight without class", "51", "add 2+3", "awsl", "10 20,5", classes, ""},
            {"total distance", "51", "type", "adsl_0", "2.50,18.750", "2.50,18.750 | 2.5,18.75",
             "lime"},
            {"total distance half", "51", "type", "adsl_0", "2.5", "2.5 | 2.5", "red"},
            {"total weight", "51", "type", "awsl_0", "10,3;45,5", "10,3;45,5 | 98.0665,3;441.299,5",
             "lime"},
            {"total weight half", "51", "type", "awsl_0", "10,3", "10,3 | 10,3", "red"},
            {"total weight cleared", "41", "type", "awsl_0", "", " | ", "lime"},
            {"limit not a number", "42", "type", "default", "2+3,x", "2+3,x | 2+3,x", "red"},
            {"weight typed", "44", "type", "awsl", "3+4+5:10,44;27,46",
             "3+4+5:10,44;27,46 | 3+4+5:98.0665,44;264.78,46", "lime"},
        };
        addRows({"subclass", "action", "kind", "typed", "result", "colour"}, rows);
    }
    void addOrType()
    {
        QFETCH(QString, action);
        QFETCH(QString, kind);
        QFETCH(QString, result);
        QFETCH(QString, colour);
        const int subclass = cell("subclass").toInt();
        select(subclass);
        QString message;
        if (action == "type")
            retype(edits(kind).value(0), cell("typed"));
        else
            message = add(kind, action.mid(4), cell("typed"));
        QCOMPARE(message, colour.isEmpty() ? "Cannot add a new constraint|" + result : "");
        QCOMPARE(constraints(subclass, kind), colour.isEmpty() ? " | " : result);
        if (colour.isEmpty())
            return;
        QCOMPARE(background(edits(kind).value(0)), colour);
        for (QCheckBox* box : window->findChildren<QCheckBox*>())
            QVERIFY(!box->isChecked());
        // The list of invalid subclasses agrees with the colour.
        QCOMPARE(widget<QComboBox>("comboBoxInvalid")->count(), colour == "red" ? 1 : 0);
    }

    void reuseThenClearEdits()
    {
        select(43);
        QCOMPARE(add("adsl", "2+3", "1.5 3"), "");
        // Subclass 52 has one: the two surplus line edits go, and its Add brings one back.
        select(52);
        QCOMPARE(constraints(52, "adsl"), "3+4:1.3,1.9 - - | 3+4:1.3,1.9");
        QCOMPARE(add("adsl", "1+2", "2 4"), "");
        QCOMPARE(constraints(52, "adsl"), "3+4:1.3,1.9 1+2:2.0,4.0 - | 3+4:1.3,1.9 1+2:2,4");
        // Clearing the second of three closes the gap.
        select(43);
        retype(edits("adsl").value(1), "");
        QCOMPARE(constraints(43, "adsl"), "1+2:1.7,2.1 2+3:1.5,3.0 - | 1+2:1.7,2.1 2+3:1.5,3");
    }
};

QTEST_MAIN(TestConstraintEditor)
#include "tst_constrainteditor.moc"
