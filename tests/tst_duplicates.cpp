// The duplicate search against the plain comparison of every pair, on random configurations
// made to hit the rule's corners (tst_confgen compares them on generated sites).
#include "model/conf.h"

#include <QtTest>

#include <random>

namespace {

// Equal values under different keys count as equal, so values land under random keys.
using Setter = void (Subclass::*)(const QString&);
const Setter setters[] = {&Subclass::set_alias,       &Subclass::set_category,
                          &Subclass::set_max_GVW__kN, &Subclass::set_prepend__m,
                          &Subclass::set_append__m,   &Subclass::set_override_class,
                          &Subclass::set_adsl_0,      &Subclass::set_number_of_axles};

struct Corners
{
    int subclasses;   // at most
    int texts;        // that values and list entries are drawn from
    int longest_list; // per-axle entries
    double copy_share;
};

// Values and list entries come from a few texts, so that equal values, empty lists, list
// prefixes and copies near and far all come up.
Conf random_configuration(std::uint32_t seed, const Corners& corners)
{
    std::mt19937 engine(seed);
    const auto below = [&engine](int n) { return int(engine() % std::uint32_t(n)); };
    const auto text = [&] { return QString::number(below(corners.texts)); };
    const auto list = [&] {
        QStringList entries;
        for (int i = 0, n = below(corners.longest_list + 1); i < n; ++i)
            entries << text();
        return entries;
    };

    Conf conf;
    QVector<Subclass> made;
    quint32 number = below(3);
    for (int i = 0, count = 2 + below(corners.subclasses - 1); i < count; ++i) {
        number += 1 + below(4);
        Subclass s;
        if (!made.isEmpty() && below(1000) < corners.copy_share * 1000) {
            s = made.at(below(made.size()));
            // A prefix of a list still matches it.
            QStringList weights = s.get_max_axle_weights();
            if (!weights.isEmpty() && below(2))
                weights.removeLast();
            s.set_max_axle_weights(weights);
        } else {
            for (int k = 0, n = below(4); k < n; ++k)
                (s.*setters[below(int(std::size(setters)))])(text());
            s.set_max_axle_weights(list());
            s.set_min_distances(list());
            s.set_max_distances(list());
            s.set_tyre_types(list());
            // Constraints take no part in the comparison; they must not keep a pair apart.
            if (below(3) == 0)
                s.set_constraint(text(), -1, QStringLiteral("adsl"));
        }
        s.set_number(number);
        made.append(s);
        conf.insert_subclass(number, s);
    }
    return conf;
}

// A pair found equal although its lists differ: only the prefix rule made it equal.
bool lists_differ(const Conf& conf, const QString& pair)
{
    const Subclass& a = conf.get_subclass(pair.section(" = ", 0, 0).toUInt());
    const Subclass& b = conf.get_subclass(pair.section(" = ", 1, 1).toUInt());
    return a.get_max_axle_weights() != b.get_max_axle_weights() ||
           a.get_min_distances() != b.get_min_distances() ||
           a.get_max_distances() != b.get_max_distances() ||
           a.get_tyre_types() != b.get_tyre_types();
}

} // namespace

Q_DECLARE_METATYPE(Corners)

class TestDuplicates : public QObject
{
    Q_OBJECT

private slots:
    void sameAsPairwise_data();
    void sameAsPairwise();
};

void TestDuplicates::sameAsPairwise_data()
{
    QTest::addColumn<Corners>("corners");
    QTest::newRow("tiny alphabet") << Corners{12, 2, 2, 0.0};
    QTest::newRow("empty and short lists") << Corners{20, 3, 1, 0.1};
    QTest::newRow("copies near and far") << Corners{60, 6, 4, 0.15};
    // Mostly distinct records: the answer hangs on the few copies.
    QTest::newRow("rare copies among many") << Corners{150, 40, 5, 0.02};
}

void TestDuplicates::sameAsPairwise()
{
    QFETCH(Corners, corners);
    int found = 0, none = 0, by_prefix = 0;
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        const Conf conf = random_configuration(seed, corners);
        const QString expected = conf.find_duplicate_subclasses_pairwise();
        QCOMPARE(conf.find_duplicate_subclasses(), expected);
        if (expected.isEmpty()) {
            ++none;
        } else {
            ++found;
            by_prefix += lists_differ(conf, expected);
        }
    }
    // Otherwise the comparison above proves little.
    QVERIFY2(found > 20 && none > 20,
             qPrintable(QStringLiteral("%1 found, %2 without").arg(found).arg(none)));
    QVERIFY(by_prefix > 10);
}

QTEST_GUILESS_MAIN(TestDuplicates)
#include "tst_duplicates.moc"
