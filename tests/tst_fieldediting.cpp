// Colours, tool tips and stored values of the header fields and of the per-axle fields as the
// user types into them; the per-axle editors follow the axle count, and always show what the
// subclass record holds; combined constraints and the two totals are added, changed and removed.
#include "tests/windowdriver.h"

using namespace WindowDriver;

class TestFieldEditing : public QObject, Fixture
{
    Q_OBJECT

    bool listedInvalid(const char* item) const
    {
        return widget<QComboBox>("comboBoxInvalid")->findText(item) >= 0;
    }

    // What the widgets after a frame's caption show, in layout order.
    QStringList frameContents(const char* frame) const
    {
        QStringList names;
        QLayout* layout = widget<QFrame>(frame)->layout();
        for (int i = 1; i < layout->count(); ++i)
            names << layout->itemAt(i)->widget()->objectName();
        return onScreen(window.get(), names);
    }
    // The per-axle lines Save would write for a subclass.
    QString axleLines(quint32 number) const
    {
        const QString text = window->configuration().get_subclass(number).section_text();
        return text.split('\n').filter(QRegExp("^(max_axle|min_axle|tyre)")).join(' ');
    }
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
        window->openConfiguration(QStringLiteral(VORLAN_EXAMPLES "/motorway-site.conf"));
    }

    // The header limits are 0.8 m to 15 m; subclasses reach 6 m.
    void typingIntoHeader_data()
    {
        // Fields without a check keep a stale tool tip; checked ones lose it once valid.
        const std::initializer_list<QStringList> rows = {
            {"lineEditCountry", "it", "lime", "", "country_code", "IT"},
            {"lineEditCountry", "XQ", "red", "Enter a two letter ISO code.", "country_code", "XQ"},
            {"lineEditGroupMaxDist", "0", "red", "", "group_max_distance__m", ""},
            {"lineEditMinAxleDist", "16", "red", "", "min_axle_distance__m", "16"},
            {"lineEditMaxAxleDist", "20", "lime", "", "max_axle_distance__m", "20"},
            {"lineEditMaxAxleDist", "0.8", "yellow", "Value is lower than some subclasses.",
             "max_axle_distance__m", "0.8"},
            {"lineEditMaxAxleDist", "0.5", "red", "Value must be higher than min axle distance.",
             "max_axle_distance__m", "0.5"},
            {"lineEditUnclassified", "12", "red", "", "unclassified_vehicle_subclass", "12"},
            {"lineEditUncategorised", "3", "red", "", "uncategorised_vehicle_category", "3"},
            {"lineEditMinAvgAxleWeight", "1", "lime", "stale", "min_avg_axle_weight__kN",
             "9.80665"},
        };
        addRows({"field", "typed", "colour", "toolTip", "key", "stored"}, rows);
    }

    void typingIntoHeader()
    {
        QLineEdit* header = edit(cell("field"));
        header->setToolTip(QStringLiteral("stale"));
        retype(header, cell("typed"));
        QTEST(background(header), "colour");
        QTEST(header->toolTip(), "toolTip");
        QTEST(window->configuration().header().value(cell("key")), "stored");
    }

    void headerLimitRecoloursShownCells_data()
    {
        // Subclass 11, shown first, has one gap of 2.2 m to 3.2 m.
        addRows({"field", "typed", "minCell", "maxCell"},
                {
                    {"lineEditMinAxleDist", "2.5", "red", "lime"},
                    {"lineEditMinAxleDist", "3.5", "red", "red"},
                    {"lineEditMinAxleDist", "2.2", "lime", "lime"}, // limits may equal the cells
                    {"lineEditMaxAxleDist", "3.2", "lime", "lime"},
                    {"lineEditMaxAxleDist", "3", "lime", "red"},
                    {"lineEditMaxAxleDist", "2", "red", "red"},
                });
    }

    void headerLimitRecoloursShownCells()
    {
        QLineEdit* min = edit(QStringLiteral("MinAxleDist1"));
        QLineEdit* max = edit(QStringLiteral("MaxAxleDist1"));
        retype(edit(cell("field")), cell("typed"));
        QTEST(background(min), "minCell");
        QTEST(background(max), "maxCell");
        QCOMPARE(listedInvalid("subclass_11"),
                 background(min) == "red" || background(max) == "red");
    }

    void typingIntoAxleFields_data()
    {
        // Subclass 12: gaps 2.2-3.2 and 2.5-6 m, weights 12.3, 12.3 and 9.8 kN, tyres 1, 1, 1. A
        // gap's two edits are partners; weights and tyres have none and share one sum.
        const char* const tyre = "Valid types are between 1 and 4";
        const char* const higher = "Value must be higher than corresponding min distance and "
                                   "between min and max distances in header.";
        const char* const lower = "Value must be lower than corresponding max distance and "
                                  "between min and max distances in header.";
        const std::initializer_list<QStringList> rows = {
            {"MaxAxleDist2", "1", "red", higher, "red", "max_axle_distance__m=3.2,1\n", "4.20"},
            {"MaxAxleDist1", "16", "red", higher, "lime", "max_axle_distance__m=16,6\n", "22.00"},
            {"MinAxleDist1", "0.5", "red", lower, "lime", "min_axle_distance__m=0.5,2.5\n", "3.00"},
            {"MinAxleDist2", "6.5", "red", lower, "red", "min_axle_distance__m=2.2,6.5\n", "8.70"},
            {"MinAxleDist1", "", "red", lower, "lime", "min_axle_distance__m=,2.5\n", "2.50"},
            {"MaxAxleWeightEdit3", "1.5", "lime", "", "", ";3,14.71\n", "4.01"},
            {"MaxAxleWeightEdit1", "", "red", "", "", "max_axle_weight__kN=1,;", "2.25"},
            {"TyreType3", "5", "red", tyre, "", "tyre_type=1,1,5\n", "3.51"},
            {"TyreType2", "4", "lime", "", "", "tyre_type=1,4,1\n", "3.51"},
        };
        addRows({"field", "typed", "colour", "toolTip", "partnerColour", "written", "sum"}, rows);
    }

    void typingIntoAxleFields()
    {
        QFETCH(QString, field);
        QFETCH(QString, colour);
        QFETCH(QString, partnerColour);
        retype(edit(QStringLiteral("lineEditSubclass")), QStringLiteral("12"));
        QLineEdit* typedInto = edit(field);
        retype(typedInto, cell("typed"));
        QCOMPARE(background(typedInto), colour);
        QTEST(typedInto->toolTip(), "toolTip");
        const QString kind = field.chopped(1); // MaxAxleDist, MinAxleDist, MaxAxleWeightEdit...
        if (kind.endsWith("AxleDist")) {
            const QString partner = (kind.startsWith("Max") ? "Min" : "Max") + field.mid(3);
            QCOMPARE(background(edit(partner)), partnerColour);
        }
        const QString sumLabel =
            kind.endsWith("AxleDist") ? "labelSum" + kind : "labelSumMaxAxleWeights";
        QTEST(widget<QLabel>(sumLabel)->text(), "sum");
        // What Save would write is what was typed, in file units.
        const Subclass& subclass = window->configuration().get_subclass(12);
        QVERIFY2(subclass.section_text().contains(cell("written")),
                 qPrintable(subclass.section_text()));
        QCOMPARE(listedInvalid("subclass_12"), colour == "red" || partnerColour == "red");
    }

    void countCreatesRows()
    {
        const int axles = 12;
        open(siteHeader + "[subclass_7]\n");
        retype(edit("lineEditNumOfAxles"), QString::number(axles));

        const auto rows = [](const char* prefix, int last) {
            QStringList list;
            for (int i = 1; i <= last; ++i)
                list << prefix + QString::number(i) + "= red";
            return list;
        };
        QCOMPARE(frameContents("frameMaxAxleDists"), rows("MaxAxleDist", axles - 1));
        QCOMPARE(frameContents("frameMinAxleDists"), rows("MinAxleDist", axles - 1));
        QCOMPARE(frameContents("frameMaxAxleWeightsEdits"), rows("MaxAxleWeightEdit", axles));
        QCOMPARE(frameContents("frameTyreTypes"), rows("TyreType", axles));
        QCOMPARE(frameContents("frameMaxAxleWeightsBoxes").join('|').remove("MaxAxleWeightBox"),
                 "1=1 |2=2 |3=3 |4=4 |5=5 |6=6 |7=7 |8=8 |9=9 |10=10|11=11|12=12"); // axle=text
        // The record holds an empty entry for every editor, as Save would write it.
        const QString lines = axleLines(7);
        QVERIFY2(lines.startsWith("tyre_type=" + QString(axles - 1, ',') + ' ') &&
                     lines.endsWith(" min_axle_distance__m=" + QString(axles - 2, ',')),
                 qPrintable(lines));
    }

    void lowerAndRaiseCount()
    {
        retype(edit("lineEditSubclass"), "44"); // five axles
        auto* count = edit("lineEditNumOfAxles");
        const QList<QLineEdit*> before = window->findChildren<QLineEdit*>();

        retype(count, "3");
        QCOMPARE(shownEdits(window.get(), "(M|TyreType)"),
                 QString("MaxAxleDist1=2.10 MaxAxleDist2=5.40 "
                         "MaxAxleWeightEdit1=8.00 MaxAxleWeightEdit2=8.00 "
                         "MaxAxleWeightEdit3=9.00 MinAxleDist1=1.80 "
                         "MinAxleDist2=3.50 TyreType1=1 TyreType2=1 TyreType3=2")
                     .split(' '));
        QVERIFY(widget<QCheckBox>("MaxAxleWeightBox4")->isHidden());
        QCOMPARE(axleLines(44),
                 "tyre_type=1,1,2 max_axle_weight__kN=1,78.5;2,78.5;3,88.3;3+4+5,264.8 "
                 "max_axle_distance__m=2.1,5.4 min_axle_distance__m=1.8,3.5");

        // The same editors come back, empty and red, and the record holds nothing more.
        retype(count, "5");
        QCOMPARE(window->findChildren<QLineEdit*>(), before);
        const QStringList back = {"MaxAxleDist3= red", "MinAxleDist4= red", "TyreType4= red"};
        QCOMPARE(onScreen(window.get(), back), back);
        QVERIFY(!widget<QCheckBox>("MaxAxleWeightBox5")->isHidden());
        QCOMPARE(axleLines(44),
                 "tyre_type=1,1,2,, max_axle_weight__kN=1,78.5;2,78.5;3,88.3;4,;5,;3+4+5,264.8 "
                 "max_axle_distance__m=2.1,5.4,, min_axle_distance__m=1.8,3.5,,");
    }

    void invalidCountChangesNoEditor_data()
    {
        // What is typed, and whether before the 5 shown rather than in its place.
        addRows({"typed", "before"}, {{"1", "1", ""}, {"25", "2", "yes"}, {"empty", "", ""}});
    }
    void invalidCountChangesNoEditor()
    {
        QFETCH(QString, typed);
        retype(edit("lineEditSubclass"), "44"); // five axles
        auto* count = edit("lineEditNumOfAxles");
        const QList<QLineEdit*> before = window->findChildren<QLineEdit*>();
        const QStringList shown = shownEdits(window.get(), "(M|TyreType)");
        if (!cell("before").isEmpty()) {
            // Straight from 5 to 25, so that no valid count is typed on the way.
            count->home(false);
            QTest::keyClicks(count, typed);
        } else {
            retype(count, typed);
        }
        QCOMPARE(background(count), "red");
        QCOMPARE(window->findChildren<QLineEdit*>(), before);
        QCOMPARE(shownEdits(window.get(), "(M|TyreType)"), shown);
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

QTEST_MAIN(TestFieldEditing)
#include "tst_fieldediting.moc"
