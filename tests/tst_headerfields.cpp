// Colours, tool tips and stored values of the header fields and of the per-axle fields as the
// user types into them.
#include "app/appidentity.h"
#include "tests/windowdriver.h"
#include "ui/vorlan.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <memory>

using namespace WindowDriver;

namespace {

const char* const higher = "Value must be higher than corresponding min distance and between "
                           "min and max distances in header.";
const char* const lower = "Value must be lower than corresponding max distance and between min "
                          "and max distances in header.";

} // namespace

class TestHeaderFields : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup() { window.reset(); }

    void typingIntoHeader_data();
    void typingIntoHeader();
    void headerLimitRecoloursShownCells_data();
    void headerLimitRecoloursShownCells();
    void typingIntoAxleFields_data();
    void typingIntoAxleFields();

private:
    QLineEdit* edit(const QString& name) const { return window->findChild<QLineEdit*>(name); }
    bool listedInvalid(const char* item) const
    {
        return window->findChild<QComboBox*>(QStringLiteral("comboBoxInvalid"))
                   ->findText(QLatin1String(item)) >= 0;
    }

    std::unique_ptr<Vorlan> window;
};

void TestHeaderFields::initTestCase()
{
    applyApplicationIdentity();
    initEmbeddedResources();
}

void TestHeaderFields::init()
{
    window = std::make_unique<Vorlan>();
    window->openConfiguration(QStringLiteral(VORLAN_EXAMPLES "/motorway-site.conf"));
}

void TestHeaderFields::typingIntoHeader_data()
{
    // Column names must outlive the table, so they are literals.
    for (const char* column : {"field", "typed", "colour", "toolTip", "key", "stored"})
        QTest::addColumn<QString>(column);
    // Fields without a check keep their colour and tool tip; the others lose a stale tool tip
    // once they are valid.
    const QList<std::array<const char*, 6>> rows = {
        {"lineEditCountry", "it", "lime", "", "country_code", "IT"},
        {"lineEditCountry", "XQ", "red", "Enter a two letter ISO code.", "country_code", "XQ"},
        {"lineEditGroupMaxDist", "2.5", "lime", "", "group_max_distance__m", "2.5"},
        {"lineEditGroupMaxDist", "0", "red", "", "group_max_distance__m", ""},
        {"lineEditMinAxleDist", "16", "red", "", "min_axle_distance__m", "16"},
        {"lineEditMaxAxleDist", "20", "lime", "", "max_axle_distance__m", "20"},
        {"lineEditMaxAxleDist", "8", "yellow", "Value is lower than some subclasses.",
         "max_axle_distance__m", "8"},
        {"lineEditMaxAxleDist", "0.8", "yellow", "Value is lower than some subclasses.",
         "max_axle_distance__m", "0.8"},
        {"lineEditMaxAxleDist", "0.5", "red", "Value must be higher than min axle distance.",
         "max_axle_distance__m", "0.5"},
        {"lineEditUnclassified", "150", "lime", "", "unclassified_vehicle_subclass", "150"},
        {"lineEditUnclassified", "12", "red", "", "unclassified_vehicle_subclass", "12"},
        {"lineEditUncategorised", "3", "red", "", "uncategorised_vehicle_category", "3"},
        {"lineEditVersion", "v2", "lime", "stale", "classification_version", "v2"},
        {"lineEditMinAxleSpacing", "4", "lime", "stale", "min_2axle_truck_spacing__m", "4"},
        {"lineEditMinAvgAxleWeight", "1", "lime", "stale", "min_avg_axle_weight__kN", "9.80665"},
    };
    for (const auto& row : rows) {
        QTestData& data = QTest::addRow("%s %s", row[0], row[1]);
        for (const char* value : row)
            data << QString::fromLatin1(value);
    }
}

void TestHeaderFields::typingIntoHeader()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, colour);
    QFETCH(QString, toolTip);
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QLineEdit* header = edit(field);
    header->setToolTip(QStringLiteral("stale"));
    retype(header, typed);
    QCOMPARE(background(header), colour);
    QCOMPARE(header->toolTip(), toolTip);
    QCOMPARE(window->configuration().header().value(key), stored);
}

void TestHeaderFields::headerLimitRecoloursShownCells_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("minCell");
    QTest::addColumn<QString>("maxCell");
    // Subclass 11, shown first, has one gap of 2.2 m to 3.2 m.
    QTest::newRow("min above the cell") << "lineEditMinAxleDist"
                                        << "2.5"
                                        << "red"
                                        << "lime";
    QTest::newRow("min below the cell") << "lineEditMinAxleDist"
                                        << "2"
                                        << "lime"
                                        << "lime";
    QTest::newRow("min above both") << "lineEditMinAxleDist"
                                    << "3.5"
                                    << "red"
                                    << "red";
    QTest::newRow("max below the cell") << "lineEditMaxAxleDist"
                                        << "3"
                                        << "lime"
                                        << "red";
    QTest::newRow("max below both") << "lineEditMaxAxleDist"
                                    << "2"
                                    << "red"
                                    << "red";
    QTest::newRow("max above") << "lineEditMaxAxleDist"
                               << "16"
                               << "lime"
                               << "lime";
}

void TestHeaderFields::headerLimitRecoloursShownCells()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, minCell);
    QFETCH(QString, maxCell);
    QLineEdit* min = edit(QStringLiteral("MinAxleDist1"));
    QLineEdit* max = edit(QStringLiteral("MaxAxleDist1"));
    retype(edit(field), typed);
    QCOMPARE(background(min), minCell);
    QCOMPARE(background(max), maxCell);
    QCOMPARE(min->toolTip(), minCell == "red" ? QString::fromLatin1(lower) : QString());
    QCOMPARE(max->toolTip(), maxCell == "red" ? QString::fromLatin1(higher) : QString());
    QCOMPARE(listedInvalid("subclass_11"), minCell == "red" || maxCell == "red");
    auto* invalid = window->findChild<QComboBox*>(QStringLiteral("comboBoxInvalid"));
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("labelInvalid"))->text(),
             invalid->count() > 0 ? QStringLiteral("Invalid subclasses:")
                                  : QStringLiteral("Subclasses are valid."));
    QCOMPARE(invalid->isHidden(), invalid->count() == 0);
}

void TestHeaderFields::typingIntoAxleFields_data()
{
    for (const char* column : {"field", "typed", "colour", "toolTip", "partner", "partnerColour",
                               "written", "sumLabel", "sum"})
        QTest::addColumn<QString>(column);
    // Subclass 12: gaps 2.2-3.2 and 2.5-6 m, weights 12.3, 12.3 and 9.8 kN, tyres 1, 1, 1.
    const QList<std::array<const char*, 9>> rows = {
        {"MaxAxleDist2", "1", "red", higher, "MinAxleDist2", "red", "max_axle_distance__m=3.2,1\n",
         "labelSumMaxAxleDist", "4.20"},
        {"MaxAxleDist2", "7", "lime", "", "MinAxleDist2", "lime", "max_axle_distance__m=3.2,7\n",
         "labelSumMaxAxleDist", "10.20"},
        {"MaxAxleDist1", "16", "red", higher, "MinAxleDist1", "lime", "max_axle_distance__m=16,6\n",
         "labelSumMaxAxleDist", "22.00"},
        {"MinAxleDist1", "0.5", "red", lower, "MaxAxleDist1", "lime",
         "min_axle_distance__m=0.5,2.5\n", "labelSumMinAxleDist", "3.00"},
        {"MinAxleDist2", "6.5", "red", lower, "MaxAxleDist2", "red",
         "min_axle_distance__m=2.2,6.5\n", "labelSumMinAxleDist", "8.70"},
        {"MinAxleDist1", "", "red", lower, "MaxAxleDist1", "lime", "min_axle_distance__m=,2.5\n",
         "labelSumMinAxleDist", "2.50"},
        {"MaxAxleWeightEdit3", "1.5", "lime", "", "", "",
         "max_axle_weight__kN=1,12.3;2,12.3;3,14.71\n", "labelSumMaxAxleWeights", "4.01"},
        {"MaxAxleWeightEdit1", "", "red", "", "", "", "max_axle_weight__kN=1,;2,12.3;3,9.8\n",
         "labelSumMaxAxleWeights", "2.25"},
        {"TyreType3", "5", "red", "Valid types are between 1 and 4", "", "", "tyre_type=1,1,5\n",
         "labelSumMaxAxleWeights", "3.51"},
        {"TyreType2", "4", "lime", "", "", "", "tyre_type=1,4,1\n", "labelSumMaxAxleWeights",
         "3.51"},
    };
    for (const auto& row : rows) {
        QTestData& data = QTest::addRow("%s %s", row[0], row[1]);
        for (const char* value : row)
            data << QString::fromLatin1(value);
    }
}

void TestHeaderFields::typingIntoAxleFields()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, colour);
    QFETCH(QString, toolTip);
    QFETCH(QString, partner);
    QFETCH(QString, partnerColour);
    QFETCH(QString, written);
    QFETCH(QString, sumLabel);
    QFETCH(QString, sum);
    auto* subclasses = window->findChild<QComboBox*>(QStringLiteral("comboBoxSubclasses"));
    subclasses->setCurrentIndex(subclasses->findText(QStringLiteral("subclass_12")));
    QLineEdit* cell = edit(field);
    retype(cell, typed);
    QCOMPARE(background(cell), colour);
    QCOMPARE(cell->toolTip(), toolTip);
    if (!partner.isEmpty())
        QCOMPARE(background(edit(partner)), partnerColour);
    QCOMPARE(window->findChild<QLabel*>(sumLabel)->text(), sum);
    // What Save would write is what was typed, in file units.
    const Subclass& subclass = window->configuration().get_subclass(12);
    QVERIFY2(subclass.section_text().contains(written), qPrintable(subclass.section_text()));
    QCOMPARE(listedInvalid("subclass_12"), colour == "red" || partnerColour == "red");
}

QTEST_MAIN(TestHeaderFields)
#include "tst_headerfields.moc"
