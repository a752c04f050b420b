// Colours, tool tips and stored values of the header fields and of the per-axle fields as the
// user types into them.
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
};

QTEST_MAIN(TestHeaderFields)
#include "tst_headerfields.moc"
