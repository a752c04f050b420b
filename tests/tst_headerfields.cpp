// Colours, tool tips and stored values of the header fields and of the per-axle fields as the
// user types into them; the per-axle editors follow the axle count, and always show what the
// subclass record holds.
#include "tests/windowdriver.h"

using namespace WindowDriver;

namespace {

const char* const higher = "Value must be higher than corresponding min distance and between "
                           "min and max distances in header.";
const char* const lower = "Value must be lower than corresponding max distance and between min "
                          "and max distances in header.";

} // namespace

class TestHeaderFields : public QObject, Fixture
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
private slots:
    void init()
    {
        window = std::make_unique<Vorlan>();
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
};

QTEST_MAIN(TestHeaderFields)
#include "tst_headerfields.moc"
