// The header panel alone on the bare form: what a typed value stores, in file units, and how
// each field is judged and shown.
#include "tests/formfixture.h"

using namespace WindowDriver;
using Field = HeaderPanel::Field;

class TestHeaderPanel : public QObject, FormFixture
{
    Q_OBJECT

    std::unique_ptr<HeaderPanel> header;
    Conf conf;
    QStringList stored; // "field value" of each edited()

private slots:
    void init()
    {
        setUpForm();
        units.setUnits(1, 1, 0); // pounds and feet
        header = std::make_unique<HeaderPanel>(form, units);
        conf = Conf(VORLAN_EXAMPLES "/motorway-site.conf"); // subclasses reach 6 m
        stored.clear();
        // As the window does: store, then judge.
        connect(header.get(), &HeaderPanel::edited, [this](Field field, const QString& value) {
            stored << QString::number(int(field)) + ' ' + value;
            HeaderPanel::store(conf, field, value);
            header->judge(conf, field);
        });
    }

    void typing_data()
    {
        // In pounds and feet: the field typed into, the text, then what it stores (the field's
        // number and the value, in kN or m), its colour and tool tip. Fields without a check keep
        // the colour the form gave them. An exponent still being typed stores no value; a
        // country code takes two letters A to Z, as upper-cased "ß" would read as "SS".
        const char* finite = "Value must be a finite number.";
        addRows({"field", "typed", "stored", "colour", "toolTip"},
                {{"lineEditVersion", "2024,b", "0 2024,b", "lime", ""},
                 {"lineEditCountry", "XQ", "1 XQ", "red", "Enter a two letter ISO code."},
                 {"lineEditCountry", "it", "1 it", "lime", ""},
                 {"lineEditGroupMaxDist", "10", "2 3.048", "lime", ""},
                 {"lineEditGroupMaxDist", "0", "2 ", "red", ""},
                 {"lineEditMinAxleSpacing", "10", "3 3.048", "lime", ""},
                 {"lineEditMinAxleSpacing", "1e39", "3 inf", "red", finite},
                 {"lineEditMinAxleSpacing", "2e", "3 ", "red", "Not a complete number."},
                 {"lineEditCountry", "Sßi", "1 Si", "lime", ""},
                 {"lineEditMinAvgAxleWeight", "1000", "4 4.44822", "lime", ""},
                 {"lineEditMaxAxleDist", "60", "5 18.288", "lime", ""},
                 {"lineEditMaxAxleDist", "10", "5 3.048", "yellow",
                  "Value is lower than some subclasses."},
                 {"lineEditMaxAxleDist", "1", "5 0.3048", "red",
                  "Value must be higher than min axle distance."},
                 {"lineEditMinAxleDist", "1", "6 0.3048", "lime", ""},
                 {"lineEditMinAxleDist", "60", "6 18.288", "red", ""},
                 {"lineEditUnclassified", "12", "7 12", "red", ""},
                 {"lineEditUncategorised", "6", "8 6", "lime", ""}});
    }
    void typing()
    {
        QLineEdit* typedInto = edit(cell("field"));
        retype(typedInto, cell("typed"));
        // Each keystroke taken is stored; a refused one is not.
        QCOMPARE(stored.size(), typedInto->text().size());
        QTEST(stored.constLast(), "stored");
        QTEST(background(typedInto), "colour");
        QTEST(typedInto->toolTip(), "toolTip");
        // New takes the same values from the fields.
        Conf written;
        header->writeTo(written);
        QVERIFY(QStringList(written.header().values())
                    .join('|')
                    .contains(cell("stored").section(' ', 1), Qt::CaseInsensitive));
    }

    void showAndRedisplay()
    {
        conf.set_country_code("XX");
        conf.set_max_axle_distance__m("5");
        header->show(conf, conf.highest_max_distance());
        QCOMPARE(
            onScreen(window.get(), {"buttonGConstant", "lineEditCountry", "lineEditMinAxleDist",
                                    "lineEditMaxAxleDist", "lineEditMinAvgAxleWeight"}),
            QStringList({"buttonGConstant=9.80665", "lineEditCountry=XX red",
                         "lineEditMinAxleDist=2.62 lime", "lineEditMaxAxleDist=16.40 yellow",
                         "lineEditMinAvgAxleWeight=1101.56 lime"}));

        units.setUnits(2, 2, 0);
        header->redisplayUnits(conf, conf.highest_max_distance());
        QCOMPARE(shown("labelMinAvgAxleWeight lineEditMinAvgAxleWeight lineEditMaxAxleDist"),
                 "labelMinAvgAxleWeight=Min. avg. axle weight (kN): lineEditMinAvgAxleWeight=4.90 "
                 "lime lineEditMaxAxleDist=196.85 yellow");
    }
};

QTEST_MAIN(TestHeaderPanel)
#include "tst_headerpanel.moc"
