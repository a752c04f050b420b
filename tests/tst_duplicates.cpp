// The duplicate search against the plain comparison of every pair, on random configurations
// made to hit the rule's corners and on generated site configurations.
#include "confgenerator.h"
#include "model/conf.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <random>

namespace {

// Setters that store a scalar value; equal values under different keys must count as equal.
using Setter = void (Subclass::*)(const QString&);
const Setter setters[] = {&Subclass::set_alias,       &Subclass::set_category,
                          &Subclass::set_max_GVW__kN, &Subclass::set_prepend__m,
                          &Subclass::set_append__m,   &Subclass::set_override_class,
                          &Subclass::set_adsl_0,      &Subclass::set_number_of_axles};

struct Shape
{
    int max_subclasses = 10;
    int values = 2;        // distinct texts a value or list entry is drawn from
    int max_scalars = 3;   // scalar keys set on a record
    int max_list = 3;      // entries of each per-axle list
    double copy_share = 0; // records copied from an earlier one, then maybe changed a little
};

class Maker
{
public:
    Maker(std::uint32_t seed, const Shape& shape) : engine(seed), shape(shape) {}

    Conf configuration()
    {
        Conf conf;
        QVector<Subclass> made;
        quint32 number = below(3);
        for (int i = 0, count = 2 + below(shape.max_subclasses - 1); i < count; ++i) {
            number += 1 + below(4);
            Subclass s;
            if (!made.isEmpty() && chance(shape.copy_share)) {
                // From anywhere earlier: neighbours and records far apart.
                s = made.at(below(made.size()));
                if (chance(0.5))
                    shorten_a_list(s);
            } else {
                s = record();
            }
            s.set_number(number);
            made.append(s);
            conf.insert_subclass(number, s);
        }
        return conf;
    }

private:
    int below(int n) { return int(engine() % std::uint32_t(n)); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(engine) < p; }
    QString text() { return QString::number(below(shape.values)); }

    QStringList list()
    {
        QStringList entries;
        for (int i = 0, n = below(shape.max_list + 1); i < n; ++i)
            entries << text();
        return entries;
    }

    Subclass record()
    {
        Subclass s;
        for (int i = 0, n = below(shape.max_scalars + 1); i < n; ++i)
            (s.*setters[below(int(std::size(setters)))])(text());
        s.set_max_axle_weights(list());
        s.set_min_distances(list());
        s.set_max_distances(list());
        s.set_tyre_types(list());
        // Constraints take no part in the comparison; they must not keep a pair apart.
        if (chance(0.3))
            s.set_constraint(text(), -1, QStringLiteral("adsl"));
        return s;
    }

    // A prefix of a list still matches it.
    void shorten_a_list(Subclass& s)
    {
        QStringList weights = s.get_max_axle_weights();
        if (!weights.isEmpty())
            weights.removeLast();
        s.set_max_axle_weights(weights);
    }

    std::mt19937 engine;
    Shape shape;
};

// The pair that compares equal while its lists differ: only the prefix rule made it equal.
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

Q_DECLARE_METATYPE(Shape)

class TestDuplicates : public QObject
{
    Q_OBJECT

private slots:
    void sameAsPairwise_data();
    void sameAsPairwise();
    void generatedConfigurations();
};

void TestDuplicates::sameAsPairwise_data()
{
    QTest::addColumn<Shape>("shape");
    // Few texts: equal values under different keys, empty lists and prefixes all the time.
    QTest::newRow("tiny alphabet") << Shape{12, 2, 3, 2, 0.0};
    QTest::newRow("empty and short lists") << Shape{20, 3, 2, 1, 0.1};
    QTest::newRow("copies near and far") << Shape{60, 6, 4, 4, 0.15};
    // Mostly distinct records: the answer hangs on the few copies.
    QTest::newRow("rare copies among many") << Shape{150, 40, 5, 5, 0.02};
}

void TestDuplicates::sameAsPairwise()
{
    QFETCH(Shape, shape);
    int found = 0, none = 0, by_prefix = 0;
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        const Conf conf = Maker(seed, shape).configuration();
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

void TestDuplicates::generatedConfigurations()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        for (double share : {0.0, 0.02, 0.2}) {
            const QString path =
                QStringLiteral("%1/%2-%3.conf").arg(dir.path()).arg(seed).arg(share);
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(Conf::file_codec()->fromUnicode(generate_configuration({600, seed, share})));
            file.close();
            const Conf conf(path);
            QCOMPARE(conf.subclass_count(), 600);
            const QString expected = conf.find_duplicate_subclasses_pairwise();
            QCOMPARE(conf.find_duplicate_subclasses(), expected);
            QCOMPARE(expected.isEmpty(), share == 0.0);
        }
    }
}

QTEST_GUILESS_MAIN(TestDuplicates)
#include "tst_duplicates.moc"
