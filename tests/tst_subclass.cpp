#include "model/subclass.h"

#include <QRegularExpression>
#include <QtTest>

#include <functional>
#include <random>

class TestSubclass : public QObject
{
    Q_OBJECT

private slots:
    void singleValueRules_data();
    void singleValueRules();
    void padding_data();
    void padding();
    void distances_data();
    void distances();
    void parseMaxAxleWeights_data();
    void parseMaxAxleWeights();
    void entriesOutsideTheLists();
    void textList();
    void listsHandedOutStayCurrent();
};

void TestSubclass::singleValueRules_data()
{
    QTest::addColumn<QString>("field"); // a scalar, the first axle's entry, a constraint kind
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("valid");
    // Per field: the values it accepts, then those it refuses.
    const std::tuple<const char*, QStringList, QStringList> rows[] = {
        {"axles", {"2", "20"}, {"1", "21", "2.5", "", "2000000000", "4294967298"}},
        // With 20 axles; typed in lower case, stored in upper case.
        {"configuration", {"h10t10", "H10T5D3S2"}, {"H10T9", "A10T", "X20", "T20", "H4294967316"}},
        {"weight", {"0.1"}, {"0", "-3", ""}},
        {"tyre", {"1", "4"}, {"0", "5", "2.5"}},
        {"default", {"1+2,150."}, {"1,150", "1+2,.5"}},
        {"adsl", {"3:1,2", "9+10:1.2,1.9"}, {"1+2:1.5", "1+2:1.5,3.0,", "1+2:1.,3"}},
        {"awsl", {"2+3:98.1,12;176.6,14"}, {"1+2:10,3.5;20,5", "10,3;20,5"}},
        {"adsl_0", {"2.5,18.75", ""}, {"2.5"}},
        {"awsl_0", {"98.1,12;441.5,14", ""}, {"10,3"}},
    };
    for (const auto& [field, accepted, refused] : rows) {
        for (const QString& value : accepted)
            QTest::addRow("%s %s", field, qPrintable(value)) << QString(field) << value << true;
        for (const QString& value : refused)
            QTest::addRow("%s %s", field, qPrintable(value)) << QString(field) << value << false;
    }
}

void TestSubclass::singleValueRules()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(bool, valid);
    Subclass s;
    s.set_number_of_axles(field == "axles" ? value : "20");
    s.set_axle_configuration(value);
    s.set_adsl_0(field == "adsl_0" ? value : "");
    s.set_awsl_0(field == "awsl_0" ? value : "");
    s.set_max_axle_weight_at_index(value, 0);
    s.set_tyre_type_at_index(value, 0);
    s.set_constraint(value, -1, field);
    const bool verdict = field == "axles"           ? s.is_number_of_axles_valid()
                         : field == "configuration" ? s.is_axle_configuration_valid()
                         : field == "weight"        ? s.is_max_axle_weight_valid(0)
                         : field == "tyre"          ? s.is_tyre_type_valid(0)
                         : field == "adsl_0"        ? s.is_adsl_0_valid()
                         : field == "awsl_0"        ? s.is_awsl_0_valid()
                                                    : s.is_constraint_valid(0, field);
    QCOMPARE(verdict, valid);
}

void TestSubclass::padding_data()
{
    QTest::addColumn<QStringList>("counts"); // set one after the other
    QTest::addColumn<QString>("sizes");      // of the min and max distance, weight and tyre lists
    // One spare entry for the editors; never shortened; never past what 20 axles use.
    QTest::newRow("5 then 3") << QStringList{"5", "3"} << "5 5 6 6";
    QTest::newRow("20") << QStringList{"20"} << "20 20 21 21";
    QTest::newRow("absurd count") << QStringList{"2000000000"} << "20 20 21 21";
}

void TestSubclass::padding()
{
    QFETCH(QStringList, counts);
    QFETCH(QString, sizes);
    Subclass s;
    for (const QString& count : counts)
        s.set_number_of_axles(count);
    QCOMPARE(QString("%1 %2 %3 %4")
                 .arg(s.min_distance_count())
                 .arg(s.max_distance_count())
                 .arg(s.max_axle_weight_count())
                 .arg(s.tyre_type_count()),
             sizes);
}

void TestSubclass::distances_data()
{
    QTest::addColumn<QString>("mins");
    QTest::addColumn<QString>("maxs");
    QTest::addColumn<QString>("headerMin");
    QTest::addColumn<bool>("minValid");
    QTest::addColumn<bool>("maxValid");
    // The first gap against the header limits, all in single precision: 15.0000001 is 15.
    const std::tuple<const char*, const char*, const char*, bool, bool> rows[] = {
        {"1.2", "1.2", "0.5", true, true},        {"1.3", "1.2", "0.5", false, false},
        {"15", "15", "0.5", true, true},          {"1.2", "15.1", "0.5", true, false},
        {"1.2", "15.0000001", "0.5", true, true}, {"0.4", "3", "0.5", false, true},
        {"0.5", "3", "0.5", true, true},          {"16", "17", "0.5", false, false},
        {"0.2", "0.3", "0.5", false, false},      {"", "", "", true, true},
        {"1.2", "nan", "0.5", false, false},      {"1,1", "2", "0.5", true, false},
    };
    for (const auto& [mins, maxs, headerMin, minValid, maxValid] : rows)
        QTest::addRow("%s to %s, header %s to 15", mins, maxs, headerMin)
            << QString(mins) << QString(maxs) << QString(headerMin) << minValid << maxValid;
}

void TestSubclass::distances()
{
    QFETCH(QString, mins);
    QFETCH(QString, maxs);
    QFETCH(QString, headerMin);
    const QString headerMax = "15";
    QFETCH(bool, minValid);
    QFETCH(bool, maxValid);
    Subclass s;
    s.set_min_distances(mins.split(','));
    s.set_max_distances(maxs.split(','));
    QCOMPARE(s.is_min_distance_valid(0, headerMin, headerMax), minValid);
    QCOMPARE(s.is_max_distance_valid(0, headerMin, headerMax), maxValid);
}

void TestSubclass::parseMaxAxleWeights_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("weights");
    QTest::addColumn<QString>("limits");
    // Weights are taken in the order they stand; the axle numbers are not used.
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"1,61.8;2,98.1;3,98.1;2+3,176.6", "61.8,98.1,98.1", "2+3,176.6"},
        {"1+2,190.;2,120;1,80", "120,80", "1+2,190."},
        {"9,100;10,100;11,100;10+11,200", "100,100,100", "10+11,200"},
        {"1,50,2,60", "50", ""},
        {"1,50,2,60;1+2,100", "50", ""},
        {"", "", ""},
    };
    for (const auto& [text, weights, limits] : rows)
        QTest::addRow("%s", text) << QString(text) << QString(weights) << QString(limits);
}

void TestSubclass::parseMaxAxleWeights()
{
    QFETCH(QString, text);
    QFETCH(QString, weights);
    QFETCH(QString, limits);
    Subclass s;
    s.parse_max_axle_weights(text);
    QCOMPARE(s.get_max_axle_weights(), weights.split(',', Qt::SkipEmptyParts));
    QStringList got;
    for (int i = 0; i < s.get_constraint_count("default"); ++i)
        got << s.get_constraint(i, "default");
    QCOMPARE(got.join(';'), limits);
}

void TestSubclass::entriesOutsideTheLists()
{
    Subclass s;
    s.set_max_axle_weights({"80", "120", "7"});
    s.set_min_distances({"1"});
    s.set_max_distances({"2"});
    s.set_tyre_types({"1", "2"});

    // Reading past either end gives the empty text.
    QCOMPARE(s.get_max_axle_weight_at_index(3), QString());
    QCOMPARE(s.get_min_distance_at_index(-1), QString());
    QCOMPARE(s.get_tyre_type_at_index(2), QString());

    // Setting past the end, or before the start, appends.
    s.set_max_axle_weight_at_index("90", 7);
    s.set_max_axle_weight_at_index("100", -3);
    s.set_max_axle_weight_at_index("71", 0);
    QCOMPARE(s.get_max_axle_weights(), (QStringList{"71", "120", "7", "90", "100"}));
    for (int i = 0; i < 3; ++i)
        s.remove_last_tyre_type();
    QCOMPARE(s.tyre_type_count(), 0);

    // Constraints: an unknown kind holds none; an index the list does not hold appends.
    for (const char* text : {"1+2:1,2", "2+3:1,2", "3+4:1,2"})
        s.set_constraint(text, -1, "adsl");
    s.set_constraint("ignored", -1, "other");
    QCOMPARE(s.get_constraint_count("other"), 0);
    s.set_constraint("2+3:1.5,2", 1, "adsl");
    s.set_constraint("4+5:1,2", 7, "adsl");
    s.delete_constraint(0, "adsl");
    QCOMPARE(s.get_constraint(0, "adsl"), QString("2+3:1.5,2"));

    // Past the end: nothing is deleted, nothing is valid, nothing is read.
    s.delete_constraint(3, "adsl");
    QCOMPARE(s.get_constraint_count("adsl"), 3);
    QVERIFY(!s.is_constraint_valid(3, "adsl"));
    QCOMPARE(s.get_constraint(3, "adsl"), QString());
}

void TestSubclass::textList()
{
    // Random edits of a list and of a QStringList: texts empty, short, long enough for a length of
    // two and three bytes, and beyond Latin-1, which turns the whole list to UTF-16; lists long
    // enough to be indexed.
    const QString pieces[] = {"",
                              "1",
                              "12.5",
                              "\u00e9",
                              ",",
                              "\u0161",
                              "\U0001F600",
                              QString(130, 'x'),
                              QString(17000, 'y')};
    std::mt19937 random(1);
    const auto below = [&random](int n) { return int(random() % std::uint32_t(n)); };
    for (int round = 0; round < 100; ++round) {
        QStringList model;
        for (int n = below(60); n > 0; --n)
            model << pieces[below(5)];
        TextList list = TextList::from_list(model);
        for (int step = 0; step < 25; ++step) {
            const QString text = pieces[below(9)] + pieces[below(5)];
            const int at = model.isEmpty() ? 0 : below(model.size());
            switch (model.isEmpty() ? below(2) * 4 : below(6)) {
            case 0:
                list.append(text);
                model.append(text);
                break;
            case 1:
                list.set(at, text);
                model[at] = text;
                break;
            case 2:
                list.remove_at(at);
                model.removeAt(at);
                break;
            case 3:
                list.remove_last();
                model.removeLast();
                break;
            case 4:
                model = text.split(',');
                list = TextList::from_list(model);
                break;
            default:
                list.append_empty(2);
                model << QString() << QString();
            }
            QCOMPARE(list.size(), model.size());
            QCOMPARE(list.to_list(), model);
            QCOMPARE(list, TextList::from_list(model));
            // Against an entry of the same list, and of a list that may be stored otherwise.
            const int other = model.isEmpty() ? 0 : below(model.size());
            const TextList alone = TextList::from_list({model.value(other)});
            for (int i = 0; i < model.size(); ++i) {
                const bool equal = model.at(i) == model.at(other);
                QCOMPARE(list.at(i), model.at(i));
                QCOMPARE(list.entry_equals(i, list, other), equal);
                QCOMPARE(list.entry_equals(i, alone, 0), equal);
                if (equal)
                    QCOMPARE(list.entry_hash(i), alone.entry_hash(0));
            }
        }
    }
}

void TestSubclass::listsHandedOutStayCurrent()
{
    // The window holds on to the lists and the map it was handed: every change shows in them.
    Subclass s = Subclass::from_section({{"number_of_axles", "2"}, {"alias", "a"}});
    const QStringList& weights = s.get_max_axle_weights();
    const QStringList& mins = s.get_min_distances();
    const QStringList& maxs = s.get_max_distances();
    const QStringList& tyres = s.get_tyre_types();
    const Subclass::Section& scalars = s.scalar_values();
    Subclass other;
    other.set_category("7");
    const std::function<void()> changes[] = {
        [&] { s.set_max_axle_weight_at_index("90", 0); },
        [&] { s.set_min_distance_at_index("1.2", 0); },
        [&] { s.set_max_distance_at_index("2.4", 5); },
        [&] { s.set_tyre_type_at_index("2", 1); },
        [&] { s.remove_last_max_axle_weight(); },
        [&] { s.remove_last_min_distance(); },
        [&] { s.remove_last_max_distance(); },
        [&] { s.remove_last_tyre_type(); },
        [&] { s.set_number_of_axles("4"); },
        [&] { s.set_alias("b"); },
        [&] { s.set_adsl_0("1,2"); },
        [&] { s.parse_max_axle_weights("1,5;2,6"); },
        [&] {
            s.set_max_axle_weights({"1", "2"});
        },
        [&] { s.set_min_distances({"3"}); },
        [&] { s.set_max_distances({"4"}); },
        [&] { s.set_tyre_types({"1"}); },
        [&] { s = other; },
    };
    for (const auto& change : changes) {
        change();
        QCOMPARE(weights, s.max_axle_weight_texts().to_list());
        QCOMPARE(mins, s.min_distance_texts().to_list());
        QCOMPARE(maxs, s.max_distance_texts().to_list());
        QCOMPARE(tyres, s.tyre_type_texts().to_list());
        QCOMPARE(scalars, Subclass(s).scalar_values());
    }
}

QTEST_GUILESS_MAIN(TestSubclass)
#include "tst_subclass.moc"
