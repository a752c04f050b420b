#include "model/subclass.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

// A complete, valid three-axle truck.
Subclass truck()
{
    Subclass s;
    s.set_number(21);
    s.set_min_distances({"3.2", "1.3"});
    s.set_max_distances({"4.5", "1.4"});
    s.set_tyre_types({"1", "2", "2"});
    s.set_max_axle_weights({"71", "98.1", "98.1"});
    s.set_number_of_axles("3");
    s.set_axle_configuration("H3");
    s.set_category("3");
    s.set_max_GVW__kN("255");
    return s;
}

} // namespace

class TestSubclass : public QObject
{
    Q_OBJECT

private slots:
    void numberOfAxles_data();
    void numberOfAxles();
    void padding_data();
    void padding();
    void axleConfiguration_data();
    void axleConfiguration();
    void canDraw_data();
    void canDraw();
    void entriesOutsideTheLists();
    void weightAndTyre_data();
    void weightAndTyre();
    void distances_data();
    void distances();
    void parseMaxAxleWeights_data();
    void parseMaxAxleWeights();
    void constraintGrammar_data();
    void constraintGrammar();
    void constraintLists();
    void subclassValid_data();
    void subclassValid();
};

void TestSubclass::numberOfAxles_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("valid");
    QTest::newRow("2") << "2" << true;
    QTest::newRow("20") << "20" << true;
    QTest::newRow("1") << "1" << false;
    QTest::newRow("21") << "21" << false;
    QTest::newRow("2.0 is no integer") << "2.0" << false;
    QTest::newRow("2.5") << "2.5" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letters") << "three" << false;
    QTest::newRow("negative") << "-4" << false;
    QTest::newRow("huge") << "2000000000" << false;
    QTest::newRow("beyond 32 bits") << "4294967298" << false;
}

void TestSubclass::numberOfAxles()
{
    QFETCH(QString, value);
    QFETCH(bool, valid);
    Subclass s;
    s.set_number_of_axles(value);
    QCOMPARE(s.get_number_of_axles(), value);
    QCOMPARE(s.is_number_of_axles_valid(), valid);
}

void TestSubclass::padding_data()
{
    QTest::addColumn<QStringList>("counts"); // set one after the other
    QTest::addColumn<int>("gaps");
    QTest::addColumn<int>("axles");
    QTest::newRow("5 on empty lists") << QStringList{"5"} << 5 << 6;
    QTest::newRow("then 3 shortens nothing") << QStringList{"5", "3"} << 5 << 6;
    QTest::newRow("2 then 4") << QStringList{"2", "4"} << 4 << 5;
    QTest::newRow("20") << QStringList{"20"} << 20 << 21;
    QTest::newRow("21 pads as 20") << QStringList{"21"} << 20 << 21;
    QTest::newRow("absurd count") << QStringList{"2000000000"} << 20 << 21;
    QTest::newRow("negative") << QStringList{"-7"} << 0 << 0;
    QTest::newRow("empty still pads one spare") << QStringList{""} << 0 << 1;
}

void TestSubclass::padding()
{
    QFETCH(QStringList, counts);
    QFETCH(int, gaps);
    QFETCH(int, axles);
    Subclass s;
    for (const QString& count : counts)
        s.set_number_of_axles(count);
    QCOMPARE(s.min_distance_count(), gaps);
    QCOMPARE(s.max_distance_count(), gaps);
    QCOMPARE(s.max_axle_weight_count(), axles);
    QCOMPARE(s.tyre_type_count(), axles);
}

void TestSubclass::axleConfiguration_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("axles");
    QTest::addColumn<bool>("valid");
    QTest::newRow("h2t2 with 4") << "h2t2"
                                 << "4" << true;
    QTest::newRow("h2t2 with 3") << "h2t2"
                                 << "3" << false;
    QTest::newRow("placeholder") << "H2T2D1S2"
                                 << "7" << true;
    QTest::newRow("A10T10") << "A10T10"
                            << "20" << true;
    QTest::newRow("letter without count") << "A2T"
                                          << "2" << false;
    QTest::newRow("letter outside the list") << "X2"
                                             << "2" << false;
    QTest::newRow("count first") << "2A"
                                 << "2" << false;
    QTest::newRow("blank inside") << "H2 T2"
                                  << "4" << false;
    QTest::newRow("towed unit first") << "T2"
                                      << "2" << false;
    QTest::newRow("leading zero counts") << "C02"
                                         << "2" << true;
    QTest::newRow("empty") << ""
                           << "0" << false;
    QTest::newRow("count beyond 32 bits") << "H4294967298"
                                          << "2" << false;
}

void TestSubclass::axleConfiguration()
{
    QFETCH(QString, typed);
    QFETCH(QString, axles);
    QFETCH(bool, valid);
    Subclass s;
    s.set_axle_configuration(typed);
    s.set_number_of_axles(axles);
    QCOMPARE(s.get_axle_configuration(), typed.toUpper());
    QCOMPARE(s.is_axle_configuration_valid(), valid);
}

void TestSubclass::canDraw_data()
{
    QTest::addColumn<QString>("axles");
    QTest::addColumn<QStringList>("mins");
    QTest::addColumn<QStringList>("maxs");
    QTest::addColumn<bool>("drawable");
    QTest::newRow("two axles") << "2" << QStringList{"2.5"} << QStringList{"6"} << true;
    QTest::newRow("zero minimum") << "2" << QStringList{"0"} << QStringList{"6"} << false;
    QTest::newRow("empty maximum") << "3" << QStringList{"1", "1"} << QStringList{"2", ""} << false;
    QTest::newRow("spare entry not looked at")
        << "2" << QStringList{"1", "0"} << QStringList{"2", ""} << true;
    QTest::newRow("one axle") << "1" << QStringList{} << QStringList{} << false;
    QTest::newRow("21 axles") << "21" << QStringList(QVector<QString>(20, "1").toList())
                              << QStringList(QVector<QString>(20, "2").toList()) << false;
    QTest::newRow("absurd count") << "2000000000" << QStringList{"1"} << QStringList{"2"} << false;
}

void TestSubclass::canDraw()
{
    QFETCH(QString, axles);
    QFETCH(QStringList, mins);
    QFETCH(QStringList, maxs);
    QFETCH(bool, drawable);
    Subclass s;
    s.set_min_distances(mins);
    s.set_max_distances(maxs);
    s.set_number_of_axles(axles);
    QCOMPARE(s.can_draw(), drawable);
}

void TestSubclass::entriesOutsideTheLists()
{
    Subclass s;
    s.set_max_axle_weights({"80", "120", "7"});
    s.set_min_distances({"1"});
    s.set_max_distances({"2"});
    s.set_tyre_types({"1", "2"});

    // Reading past the end gives the empty text and a warning instead of a crash.
    const QRegularExpression warning("nonexisten[td] index\\s+(5|-1)\\s+in array of size");
    for (int i = 0; i < 4; ++i)
        QTest::ignoreMessage(QtWarningMsg, warning);
    QCOMPARE(s.get_max_axle_weight_at_index(5), QString());
    QCOMPARE(s.get_min_distance_at_index(-1), QString());
    QCOMPARE(s.get_max_distance_at_index(5), QString());
    QCOMPARE(s.get_tyre_type_at_index(5), QString());
    QCOMPARE(s.get_tyre_type_at_index(1), QString("2"));

    // Setting past the end, or before the start, appends.
    s.set_max_axle_weight_at_index("90", 7);
    s.set_max_axle_weight_at_index("100", -3);
    s.set_max_axle_weight_at_index("71", 0);
    QCOMPARE(s.get_max_axle_weights(), (QStringList{"71", "120", "7", "90", "100"}));

    s.remove_last_tyre_type();
    s.remove_last_tyre_type();
    s.remove_last_tyre_type();
    QCOMPARE(s.tyre_type_count(), 0);
}

void TestSubclass::weightAndTyre_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("weightValid");
    QTest::addColumn<bool>("tyreValid");
    QTest::newRow("1") << "1" << true << true;
    QTest::newRow("4") << "4" << true << true;
    QTest::newRow("5") << "5" << true << false;
    QTest::newRow("0") << "0" << false << false;
    QTest::newRow("2.5") << "2.5" << true << false;
    QTest::newRow("0.1") << "0.1" << true << false;
    QTest::newRow("negative") << "-3" << false << false;
    QTest::newRow("empty") << "" << false << false;
}

void TestSubclass::weightAndTyre()
{
    QFETCH(QString, value);
    QFETCH(bool, weightValid);
    QFETCH(bool, tyreValid);
    Subclass s;
    s.set_max_axle_weights({"90", value});
    s.set_tyre_types({"1", value});
    QCOMPARE(s.is_max_axle_weight_valid(1), weightValid);
    QCOMPARE(s.is_tyre_type_valid(1), tyreValid);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("is_max_axle_weight_valid: .* 2 .* 2"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("is_tyre_type_valid: .* 2 .* 2"));
    QVERIFY(!s.is_max_axle_weight_valid(2));
    QVERIFY(!s.is_tyre_type_valid(2));
}

void TestSubclass::distances_data()
{
    QTest::addColumn<QStringList>("mins");
    QTest::addColumn<QStringList>("maxs");
    QTest::addColumn<QString>("headerMin");
    QTest::addColumn<QString>("headerMax");
    QTest::addColumn<bool>("minValid");
    QTest::addColumn<bool>("maxValid");
    const QStringList m{"1.2"};
    QTest::newRow("equal gap") << m << QStringList{"1.2"} << "0.5"
                               << "15" << true << true;
    QTest::newRow("min above max") << QStringList{"1.3"} << QStringList{"1.2"} << "0.5"
                                   << "15" << false << false;
    QTest::newRow("max at header max") << m << QStringList{"15"} << "0.5"
                                       << "15" << true << true;
    QTest::newRow("max above header max") << m << QStringList{"15.1"} << "0.5"
                                          << "15" << true << false;
    QTest::newRow("equal in single precision") << m << QStringList{"15.0000001"} << "0.5"
                                               << "15" << true << true;
    QTest::newRow("min below header min") << QStringList{"0.4"} << QStringList{"3"} << "0.5"
                                          << "15" << false << true;
    QTest::newRow("min at header min") << QStringList{"0.5"} << QStringList{"3"} << "0.5"
                                       << "15" << true << true;
    QTest::newRow("min above header max") << QStringList{"16"} << QStringList{"17"} << "0.5"
                                          << "15" << false << false;
    QTest::newRow("max below header min") << QStringList{"0.2"} << QStringList{"0.3"} << "0.5"
                                          << "15" << false << false;
    QTest::newRow("empty gap, empty header min") << QStringList{""} << QStringList{""} << ""
                                                 << "15" << true << true;
    QTest::newRow("empty gap, header min set") << QStringList{""} << QStringList{""} << "0.5"
                                               << "15" << false << false;
    QTest::newRow("empty header max") << m << QStringList{"2"} << "0.5"
                                      << "" << false << false;
    QTest::newRow("not a number") << m << QStringList{"nan"} << "0.5"
                                  << "15" << false << false;
    QTest::newRow("lists of different length") << QStringList{"1", "1"} << QStringList{"2"} << "0.5"
                                               << "15" << true << false;
}

void TestSubclass::distances()
{
    QFETCH(QStringList, mins);
    QFETCH(QStringList, maxs);
    QFETCH(QString, headerMin);
    QFETCH(QString, headerMax);
    QFETCH(bool, minValid);
    QFETCH(bool, maxValid);
    Subclass s;
    s.set_min_distances(mins);
    s.set_max_distances(maxs);
    if (mins.size() != maxs.size())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^is_max_distance_valid: "));
    QCOMPARE(s.is_min_distance_valid(0, headerMin, headerMax), minValid);
    QCOMPARE(s.is_max_distance_valid(0, headerMin, headerMax), maxValid);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^is_min_distance_valid: "));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^is_max_distance_valid: "));
    QVERIFY(!s.is_min_distance_valid(mins.size(), headerMin, headerMax));
    QVERIFY(!s.is_max_distance_valid(mins.size(), headerMin, headerMax));
}

void TestSubclass::parseMaxAxleWeights_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("weights");
    QTest::addColumn<QStringList>("limits");
    QTest::addColumn<QString>("warning");
    QTest::newRow("two axles") << "1,50;2,60.5" << QStringList{"50", "60.5"} << QStringList{} << "";
    QTest::newRow("with a limit") << "1,61.8;2,98.1;3,98.1;2+3,176.6"
                                  << QStringList{"61.8", "98.1", "98.1"} << QStringList{"2+3,176.6"}
                                  << "";
    QTest::newRow("limits first") << "1+2,190.;1,80;2,120" << QStringList{"80", "120"}
                                  << QStringList{"1+2,190."} << "";
    QTest::newRow("commas only")
        << "1,50,2,60" << QStringList{"50"} << QStringList{}
        << "Expected two values for axle weight, got  (\"\", \"2\", \"60\")";
    QTest::newRow("stop also drops limits")
        << "1,50,2,60;1+2,100" << QStringList{"50"} << QStringList{} << "Expected two values";
    QTest::newRow("axle numbers are not used")
        << "2,60;1,50" << QStringList{"60", "50"} << QStringList{} << "";
    QTest::newRow("limit over axles 10 and 11")
        << "9,100;10,100;11,100;10+11,200" << QStringList{"100", "100", "100"}
        << QStringList{"10+11,200"} << "";
    QTest::newRow("limit over axles 12 to 14")
        << "1,70;12+13+14,240.5" << QStringList{"70"} << QStringList{"12+13+14,240.5"} << "";
    QTest::newRow("exponent cut") << "1,1e+06" << QStringList{"1"} << QStringList{} << "";
    QTest::newRow("empty") << "" << QStringList{} << QStringList{}
                           << "Received empty weights string for class  21";
}

void TestSubclass::parseMaxAxleWeights()
{
    QFETCH(QString, text);
    QFETCH(QStringList, weights);
    QFETCH(QStringList, limits);
    QFETCH(QString, warning);
    Subclass s;
    s.set_number(21);
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(warning)));
    s.parse_max_axle_weights(text);
    QCOMPARE(s.get_max_axle_weights(), weights);
    QStringList got;
    for (int i = 0; i < s.get_constraint_count("default"); ++i)
        got << s.get_constraint(i, "default");
    QCOMPARE(got, limits);
}

void TestSubclass::constraintGrammar_data()
{
    QTest::addColumn<QString>("kind"); // a list kind, or adsl_0 / awsl_0 for the totals
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("limit") << "default"
                           << "1+2,150" << true;
    QTest::newRow("limit with point") << "default"
                                      << "1+2,150." << true;
    QTest::newRow("limit decimals") << "default"
                                    << "2+3,176.6" << true;
    QTest::newRow("limit one axle") << "default"
                                    << "1,150" << false;
    QTest::newRow("limit no integer part") << "default"
                                           << "1+2,.5" << false;
    QTest::newRow("adsl single axle") << "adsl"
                                      << "3:1,2" << true;
    QTest::newRow("adsl two axles") << "adsl"
                                    << "1+2:2.5,4.8" << true;
    QTest::newRow("adsl axles 9 and 10") << "adsl"
                                         << "9+10:1.2,1.9" << true;
    QTest::newRow("adsl without max") << "adsl"
                                      << "1+2:1.5" << false;
    QTest::newRow("adsl trailing comma") << "adsl"
                                         << "1+2:1.5,3.0," << false;
    QTest::newRow("adsl trailing point") << "adsl"
                                         << "1+2:1.,3" << false;
    QTest::newRow("awsl") << "awsl"
                          << "1+2:10,3;20,5" << true;
    QTest::newRow("awsl decimals") << "awsl"
                                   << "2+3:98.1,12;176.6,14" << true;
    QTest::newRow("awsl class not integer") << "awsl"
                                            << "1+2:10,3.5;20,5" << false;
    QTest::newRow("awsl without axles") << "awsl"
                                        << "10,3;20,5" << false;
    QTest::newRow("adsl_0") << "adsl_0"
                            << "2.5,18.75" << true;
    QTest::newRow("adsl_0 empty") << "adsl_0"
                                  << "" << true;
    QTest::newRow("adsl_0 alone") << "adsl_0"
                                  << "2.5" << false;
    QTest::newRow("adsl_0 with axles") << "adsl_0"
                                       << "1+2:2.5,3" << false;
    QTest::newRow("awsl_0") << "awsl_0"
                            << "98.1,12;441.5,14" << true;
    QTest::newRow("awsl_0 empty") << "awsl_0"
                                  << "" << true;
    QTest::newRow("awsl_0 half") << "awsl_0"
                                 << "10,3" << false;
}

void TestSubclass::constraintGrammar()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    Subclass s;
    if (kind == "adsl_0") {
        s.set_adsl_0(text);
        QCOMPARE(s.is_adsl_0_valid(), valid);
    } else if (kind == "awsl_0") {
        s.set_awsl_0(text);
        QCOMPARE(s.is_awsl_0_valid(), valid);
    } else {
        s.set_constraint(text, -1, kind);
        QCOMPARE(s.get_constraint_count(kind), 1);
        QCOMPARE(s.is_constraint_valid(0, kind), valid);
    }
}

void TestSubclass::constraintLists()
{
    Subclass s;
    for (const char* text : {"1+2:1,2", "2+3:1,2", "3+4:1,2"})
        s.set_constraint(text, -1, "adsl");
    s.set_constraint("1+2,100", -1, "default");
    QCOMPARE(s.get_constraint_count("adsl"), 3);
    QCOMPARE(s.get_constraint_count("default"), 1);
    QCOMPARE(s.get_constraint_count("awsl"), 0);
    QCOMPARE(s.get_constraint_count("other"), 0);

    s.set_constraint("2+3:1.5,2", 1, "adsl");
    QCOMPARE(s.get_constraint(1, "adsl"), QString("2+3:1.5,2"));
    s.set_constraint("ignored", 0, "other");
    QCOMPARE(s.get_constraint(0, "other"), QString());

    s.delete_constraint(0, "adsl");
    QCOMPARE(s.get_constraint(0, "adsl"), QString("2+3:1.5,2"));
    QCOMPARE(s.get_constraint(1, "adsl"), QString("3+4:1,2"));

    QTest::ignoreMessage(QtWarningMsg,
                         "Combined constraints size is smaller than index we tried to delete!");
    s.delete_constraint(2, "adsl");
    QCOMPARE(s.get_constraint_count("adsl"), 2);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("Constraint at index\\s+2\\s+does not exist for size"));
    QVERIFY(!s.is_constraint_valid(2, "adsl"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^get_constraint: .* 2 "));
    QCOMPARE(s.get_constraint(2, "adsl"), QString());
    QVERIFY(!s.is_constraint_valid(0, "other"));
}

void TestSubclass::subclassValid_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("valid");
    QTest::newRow("as built") << ""
                              << "" << true;
    QTest::newRow("gap below header min") << "min0"
                                          << "0.3" << false;
    QTest::newRow("gap above header max") << "max1"
                                          << "12.5" << false;
    QTest::newRow("empty weight") << "weight2"
                                  << "" << false;
    QTest::newRow("tyre 5") << "tyre0"
                            << "5" << false;
    QTest::newRow("bad limit") << "default"
                               << "1,150" << false;
    QTest::newRow("bad adsl") << "adsl"
                              << "1+2:1.5" << false;
    QTest::newRow("good awsl") << "awsl"
                               << "1+2:10,3;20,5" << true;
    QTest::newRow("no category") << "category"
                                 << "" << false;
    QTest::newRow("category 0") << "category"
                                << "0" << true;
    QTest::newRow("no GVW") << "gvw"
                            << "" << false;
    QTest::newRow("configuration mismatch") << "configuration"
                                            << "H2" << false;
    QTest::newRow("bad adsl_0") << "adsl_0"
                                << "2.5" << false;
    QTest::newRow("bad awsl_0") << "awsl_0"
                                << "10,3" << false;
    QTest::newRow("reclassification takes no part") << "reclassify"
                                                    << "999" << true;
    QTest::newRow("one axle") << "axles"
                              << "1" << false;
    QTest::newRow("absurd count") << "axles"
                                  << "2000000000" << false;
}

void TestSubclass::subclassValid()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(bool, valid);
    Subclass s = truck();
    if (field.startsWith("min"))
        s.set_min_distance_at_index(value, field.mid(3).toInt());
    else if (field.startsWith("max"))
        s.set_max_distance_at_index(value, field.mid(3).toInt());
    else if (field.startsWith("weight"))
        s.set_max_axle_weight_at_index(value, field.mid(6).toInt());
    else if (field.startsWith("tyre"))
        s.set_tyre_type_at_index(value, field.mid(4).toInt());
    else if (field == "default" || field == "adsl" || field == "awsl")
        s.set_constraint(value, -1, field);
    else if (field == "category")
        s.set_category(value);
    else if (field == "gvw")
        s.set_max_GVW__kN(value);
    else if (field == "configuration")
        s.set_axle_configuration(value);
    else if (field == "adsl_0")
        s.set_adsl_0(value);
    else if (field == "awsl_0")
        s.set_awsl_0(value);
    else if (field == "reclassify")
        s.set_reclassify_up_to_subclass(value);
    else if (field == "axles")
        s.set_number_of_axles(value);
    QCOMPARE(s.is_subclass_valid("0.5", "12"), valid);
}

QTEST_GUILESS_MAIN(TestSubclass)
#include "tst_subclass.moc"
