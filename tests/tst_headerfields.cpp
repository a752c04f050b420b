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

class TestHeaderFields : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void typingIntoHeader_data();
    void typingIntoHeader();
    void headerLimitRecoloursShownCells_data();
    void headerLimitRecoloursShownCells();
    void typingIntoAxleFields_data();
    void typingIntoAxleFields();

private:
    QLineEdit* edit(const QString& name) const { return window->findChild<QLineEdit*>(name); }
    void select(const QString& item) const;

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

void TestHeaderFields::cleanup()
{
    window.reset();
}

void TestHeaderFields::select(const QString& item) const
{
    auto* subclasses = window->findChild<QComboBox*>(QStringLiteral("comboBoxSubclasses"));
    subclasses->setCurrentIndex(subclasses->findText(item));
}

void TestHeaderFields::typingIntoHeader_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");

    const QString countryTip = QStringLiteral("Enter a two letter ISO code.");
    QTest::newRow("country known") << "lineEditCountry"
                                   << "it"
                                   << "lime"
                                   << ""
                                   << "country_code"
                                   << "IT";
    QTest::newRow("country unknown") << "lineEditCountry"
                                     << "XQ"
                                     << "red" << countryTip << "country_code"
                                     << "XQ";
    QTest::newRow("group distance") << "lineEditGroupMaxDist"
                                    << "2.5"
                                    << "lime"
                                    << ""
                                    << "group_max_distance__m"
                                    << "2.5";
    QTest::newRow("group distance zero") << "lineEditGroupMaxDist"
                                         << "0"
                                         << "red"
                                         << ""
                                         << "group_max_distance__m"
                                         << "";
    QTest::newRow("min distance above max") << "lineEditMinAxleDist"
                                            << "16"
                                            << "red"
                                            << ""
                                            << "min_axle_distance__m"
                                            << "16";
    QTest::newRow("max distance") << "lineEditMaxAxleDist"
                                  << "20"
                                  << "lime"
                                  << ""
                                  << "max_axle_distance__m"
                                  << "20";
    QTest::newRow("max distance below a subclass") << "lineEditMaxAxleDist"
                                                   << "8"
                                                   << "yellow"
                                                   << "Value is lower than some subclasses."
                                                   << "max_axle_distance__m"
                                                   << "8";
    QTest::newRow("max distance equal to min") << "lineEditMaxAxleDist"
                                               << "0.8"
                                               << "yellow"
                                               << "Value is lower than some subclasses."
                                               << "max_axle_distance__m"
                                               << "0.8";
    QTest::newRow("max distance below min") << "lineEditMaxAxleDist"
                                            << "0.5"
                                            << "red"
                                            << "Value must be higher than min axle distance."
                                            << "max_axle_distance__m"
                                            << "0.5";
    QTest::newRow("unclassified free") << "lineEditUnclassified"
                                       << "150"
                                       << "lime"
                                       << ""
                                       << "unclassified_vehicle_subclass"
                                       << "150";
    QTest::newRow("unclassified used") << "lineEditUnclassified"
                                       << "12"
                                       << "red"
                                       << ""
                                       << "unclassified_vehicle_subclass"
                                       << "12";
    QTest::newRow("uncategorised low") << "lineEditUncategorised"
                                       << "3"
                                       << "red"
                                       << ""
                                       << "uncategorised_vehicle_category"
                                       << "3";
    QTest::newRow("version stored as typed") << "lineEditVersion"
                                             << "v2"
                                             << "lime"
                                             << "stale"
                                             << "classification_version"
                                             << "v2";
    QTest::newRow("vehicle spacing") << "lineEditMinAxleSpacing"
                                     << "4"
                                     << "lime"
                                     << "stale"
                                     << "min_2axle_truck_spacing__m"
                                     << "4";
    QTest::newRow("average weight in tonnes") << "lineEditMinAvgAxleWeight"
                                              << "1"
                                              << "lime"
                                              << "stale"
                                              << "min_avg_axle_weight__kN"
                                              << "9.80665";
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
    // A tool tip left over from an earlier state must go once the field is valid.
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
    QTest::addColumn<bool>("listedInvalid");

    // Subclass 11 has one gap: 2.2 m to 3.2 m.
    QTest::newRow("min above the cell") << "lineEditMinAxleDist"
                                        << "2.5"
                                        << "red"
                                        << "lime" << true;
    QTest::newRow("min below the cell") << "lineEditMinAxleDist"
                                        << "2"
                                        << "lime"
                                        << "lime" << false;
    QTest::newRow("min above both") << "lineEditMinAxleDist"
                                    << "3.5"
                                    << "red"
                                    << "red" << true;
    QTest::newRow("max below the cell") << "lineEditMaxAxleDist"
                                        << "3"
                                        << "lime"
                                        << "red" << true;
    QTest::newRow("max below both") << "lineEditMaxAxleDist"
                                    << "2"
                                    << "red"
                                    << "red" << true;
    QTest::newRow("max above") << "lineEditMaxAxleDist"
                               << "16"
                               << "lime"
                               << "lime" << false;
}

void TestHeaderFields::headerLimitRecoloursShownCells()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, minCell);
    QFETCH(QString, maxCell);
    QFETCH(bool, listedInvalid);
    QLineEdit* min = edit(QStringLiteral("MinAxleDist1"));
    QLineEdit* max = edit(QStringLiteral("MaxAxleDist1"));
    QCOMPARE(min->text(), QStringLiteral("2.20"));
    QCOMPARE(max->text(), QStringLiteral("3.20"));

    retype(edit(field), typed);
    QCOMPARE(background(min), minCell);
    QCOMPARE(background(max), maxCell);
    if (minCell == QLatin1String("red"))
        QVERIFY(min->toolTip().startsWith(QStringLiteral("Value must be lower")));
    if (maxCell == QLatin1String("red"))
        QVERIFY(max->toolTip().startsWith(QStringLiteral("Value must be higher")));
    auto* invalid = window->findChild<QComboBox*>(QStringLiteral("comboBoxInvalid"));
    QCOMPARE(invalid->findText(QStringLiteral("subclass_11")) >= 0, listedInvalid);
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("labelInvalid"))->text(),
             invalid->count() > 0 ? QStringLiteral("Invalid subclasses:")
                                  : QStringLiteral("Subclasses are valid."));
}

void TestHeaderFields::typingIntoAxleFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("partner");
    QTest::addColumn<QString>("partnerColour");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("sumLabel");
    QTest::addColumn<QString>("sum");

    // Subclass 12, C2T1: gaps 2.2-3.2 and 2.5-6, weights 12.3, 12.3, 9.8 kN, tyres 1, 1, 1.
    const QString higher = QStringLiteral("Value must be higher than corresponding min distance "
                                          "and between min and max distances in header.");
    const QString lower = QStringLiteral("Value must be lower than corresponding max distance "
                                         "and between min and max distances in header.");
    QTest::newRow("max below its min") << "MaxAxleDist2"
                                       << "1"
                                       << "red" << higher << "MinAxleDist2"
                                       << "red"
                                       << "max_axle_distance__m=3.2,1\n"
                                       << "labelSumMaxAxleDist"
                                       << "4.20";
    QTest::newRow("max fits") << "MaxAxleDist2"
                              << "7"
                              << "lime"
                              << ""
                              << "MinAxleDist2"
                              << "lime"
                              << "max_axle_distance__m=3.2,7\n"
                              << "labelSumMaxAxleDist"
                              << "10.20";
    QTest::newRow("max above header") << "MaxAxleDist1"
                                      << "16"
                                      << "red" << higher << "MinAxleDist1"
                                      << "lime"
                                      << "max_axle_distance__m=16,6\n"
                                      << "labelSumMaxAxleDist"
                                      << "22.00";
    QTest::newRow("min below header") << "MinAxleDist1"
                                      << "0.5"
                                      << "red" << lower << "MaxAxleDist1"
                                      << "lime"
                                      << "min_axle_distance__m=0.5,2.5\n"
                                      << "labelSumMinAxleDist"
                                      << "3.00";
    QTest::newRow("min above its max") << "MinAxleDist2"
                                       << "6.5"
                                       << "red" << lower << "MaxAxleDist2"
                                       << "red"
                                       << "min_axle_distance__m=2.2,6.5\n"
                                       << "labelSumMinAxleDist"
                                       << "8.70";
    QTest::newRow("min cleared") << "MinAxleDist1"
                                 << ""
                                 << "red" << lower << "MaxAxleDist1"
                                 << "lime"
                                 << "min_axle_distance__m=,2.5\n"
                                 << "labelSumMinAxleDist"
                                 << "2.50";
    QTest::newRow("weight in tonnes") << "MaxAxleWeightEdit3"
                                      << "1.5"
                                      << "lime"
                                      << ""
                                      << ""
                                      << ""
                                      << "max_axle_weight__kN=1,12.3;2,12.3;3,14.71\n"
                                      << "labelSumMaxAxleWeights"
                                      << "4.01";
    QTest::newRow("weight cleared") << "MaxAxleWeightEdit1"
                                    << ""
                                    << "red"
                                    << ""
                                    << ""
                                    << ""
                                    << "max_axle_weight__kN=1,;2,12.3;3,9.8\n"
                                    << "labelSumMaxAxleWeights"
                                    << "2.25";
    QTest::newRow("tyre out of range") << "TyreType3"
                                       << "5"
                                       << "red"
                                       << "Valid types are between 1 and 4"
                                       << ""
                                       << ""
                                       << "tyre_type=1,1,5\n"
                                       << ""
                                       << "";
    QTest::newRow("tyre") << "TyreType2"
                          << "4"
                          << "lime"
                          << ""
                          << ""
                          << ""
                          << "tyre_type=1,4,1\n"
                          << ""
                          << "";
}

void TestHeaderFields::typingIntoAxleFields()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, colour);
    QFETCH(QString, toolTip);
    QFETCH(QString, partner);
    QFETCH(QString, partnerColour);
    QFETCH(QString, section);
    QFETCH(QString, sumLabel);
    QFETCH(QString, sum);
    select(QStringLiteral("subclass_12"));
    QLineEdit* cell = edit(field);
    QVERIFY(!cell->isHidden());
    retype(cell, typed);
    QCOMPARE(background(cell), colour);
    QCOMPARE(cell->toolTip(), toolTip);
    if (!partner.isEmpty())
        QCOMPARE(background(edit(partner)), partnerColour);
    if (!sumLabel.isEmpty())
        QCOMPARE(window->findChild<QLabel*>(sumLabel)->text(), sum);
    const Subclass& subclass = window->configuration().get_subclass(12);
    QVERIFY2(subclass.section_text().contains(section), qPrintable(subclass.section_text()));
    const bool valid = subclass.is_subclass_valid(QStringLiteral("0.8"), QStringLiteral("15"));
    auto* invalid = window->findChild<QComboBox*>(QStringLiteral("comboBoxInvalid"));
    QCOMPARE(invalid->findText(QStringLiteral("subclass_12")) < 0, valid);
}

QTEST_MAIN(TestHeaderFields)
#include "tst_headerfields.moc"
