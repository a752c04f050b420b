// The units dialog on its own and opened from the window, and what a change of units does to the
// window: every value re-shown in the new units, and what is typed afterwards still reaching the
// configuration in kilonewtons and metres.
#include "tests/windowdriver.h"
#include "units/measurementunits.h"

using namespace WindowDriver;

// Values chosen to come out round in pounds and inches; a sum counts each entry as rounded to two
// decimals of its file unit.
const char* const confText =
    "[classes]\ngroup_max_distance__m=2.54\nmax_axle_distance__m=15\nmin_axle_distance__m=1.3\n"
    "min_2axle_truck_spacing__m=3.5\nmin_avg_axle_weight__kN=4.4482215\n\n[subclass_13]\n"
    "adsl_1=2+3:2.54,5.08\nawsl_1=1+2:4.4482215,4;8.896443,5\naxle_configuration=C2T1\n"
    "category=1\nmax_GVW__kN=44.482215\nnumber_of_axles=3\nprepend__m=0.254\ntyre_type=1,1,7\n"
    "upper_GVW_limit__kN=22.2411075\nmax_axle_distance__m=2.54,5.08\n"
    "min_axle_distance__m=1.27,2.54\n"
    "max_axle_weight__kN=1,8.896443;2,13.3446645;3,4.4482215;2+3,17.792886\n";

class TestMeasurementUnits : public QObject, Fixture
{
    Q_OBJECT

    static QVariantList units(unsigned char weight, unsigned char length, float g)
    {
        return {QVariant::fromValue(weight), QVariant::fromValue(length), QVariant(g)};
    }

    static QString checkedButtons(const QWidget* dialog)
    {
        QStringList names;
        for (const QRadioButton* radio : dialog->findChildren<QRadioButton*>())
            if (radio->isChecked())
                names << radio->objectName();
        names.sort();
        return names.join(' ') + ' ' + dialog->findChild<QLineEdit*>("lineEditG")->text();
    }

    void click(const char* name) { dialog->findChild<QAbstractButton*>(name)->click(); }

    std::unique_ptr<MeasurementUnits> dialog; // opened with pounds and metres
    QLineEdit* g = nullptr;
    QPushButton* ok = nullptr;

    // As the units dialog's OK sends them: "weight,length,g".
    bool receiveUnits(const QString& choice)
    {
        const QStringList parts = choice.split(',');
        return QMetaObject::invokeMethod(
            window.get(), "receiveUnits", Q_ARG(unsigned char, parts.at(0).toUShort()),
            Q_ARG(unsigned char, parts.at(1).toUShort()), Q_ARG(float, parts.at(2).toFloat()));
    }

private slots:
    void init()
    {
        newWindow();
        open(confText); // showing subclass 13
        dialog = std::make_unique<MeasurementUnits>(nullptr, 1, 0, 9.80665f);
        g = dialog->findChild<QLineEdit*>("lineEditG");
        ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    }

    void initialState_data()
    {
        // The weight and length units given, then the buttons checked and the g shown.
        addRows({"weight", "length", "checked"},
                {{"t, ft", "0", "1", "radioButtonFeet radioButtonTons 9.810000"},
                 {"lb, m", "1", "0", "radioButtonMeters radioButtonPounds "},
                 {"kN, in", "2", "2", "radioButtonInches radioButtonKN "}});
    }
    void initialState()
    {
        MeasurementUnits fresh(nullptr, cell("weight").toInt(), cell("length").toInt(), 9.81f);
        QTEST(checkedButtons(&fresh), "checked");
    }

    void switchingUnitsThenCancelAndOk()
    {
        QSignalSpy sent(dialog.get(), &MeasurementUnits::sendUnits);
        click("radioButtonTons");
        QVERIFY(g->isEnabled());
        QCOMPARE(g->text(), QStringLiteral("9.806650"));
        // A typed g survives a detour through another unit.
        retype(g, "9.81");
        click("radioButtonKN");
        QVERIFY(!g->isEnabled() && g->text().isEmpty());
        click("radioButtonTons");
        QCOMPARE(g->text(), QStringLiteral("9.810000"));
        click("radioButtonKN");
        click("radioButtonInches");
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        QCOMPARE(sent.count(), 0);
        ok->click();
        QCOMPARE(QList<QVariantList>(sent), QList<QVariantList>({units(2, 2, 0.0f)}));
    }

    // Tonnes are kilonewtons divided by g, so with Tons chosen only a positive g will do.
    void unusableGWithTonnes_data()
    {
        addRows({"typed", "usable"}, {{"zero", "0", ""},
                                      {"negative", "-1", ""},
                                      {"empty", "", ""},
                                      {"beyond a float", "1e39", ""},
                                      {"positive", "9.81", "yes"}});
    }
    void unusableGWithTonnes()
    {
        const bool usable = !cell("usable").isEmpty();
        QSignalSpy sent(dialog.get(), &MeasurementUnits::sendUnits);
        click("radioButtonTons");
        retype(g, cell("typed"));
        QCOMPARE(ok->isEnabled(), usable);
        QCOMPARE(g->styleSheet().contains("red"), !usable);
        ok->click();
        QCOMPARE(QList<QVariantList>(sent),
                 usable ? QList<QVariantList>({units(0, 0, 9.81f)}) : QList<QVariantList>());
        // Pounds need no g, so the same field is fine for them.
        click("radioButtonPounds");
        QVERIFY(ok->isEnabled() && g->styleSheet().isEmpty());
    }

    // With Tons chosen the dialog shows the window's g, or the standard one when the window shows
    // other units. The first opening leaves the window in pounds.
    void windowOpensDialogFromMenuAndButton()
    {
        for (const char* opener : {"actionConfiguration", "buttonGConstant"}) {
            QString state;
            answerModals(
                [&] {
                    QMetaObject::invokeMethod(window->findChild<QObject*>(opener),
                                              opener[0] == 'a' ? "trigger" : "click");
                },
                [&](QWidget* modal) {
                    if (!qobject_cast<MeasurementUnits*>(modal) ||
                        modal->parentWidget() != window.get())
                        return;
                    modal->findChild<QAbstractButton*>("radioButtonTons")->click();
                    state = checkedButtons(modal);
                    modal->findChild<QAbstractButton*>("radioButtonPounds")->click();
                    modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
                });
            QVERIFY2(state == "radioButtonMeters radioButtonTons 9.806650", opener);
            QCOMPARE(window->displayUnits().weightUnit(), quint8(1));
        }
        // The units chosen are those of the next window too, whatever it opens.
        Vorlan next;
        QCOMPARE(next.displayUnits().weightUnit(), quint8(1));
        QCOMPARE(next.findChild<QLabel*>("labelMaxGrossWeight")->text(), "Max. GVW (lb):");
    }

    void valuesShownInNewUnits_data()
    {
        // The weight,length,g of each accepted dialog, separated by ';'; then objectName=text, with
        // the colour of an edit, or, for what no widget shows, headerKey=value, separated by '|'.
        // The shown subclass's first min. distance is below the header's and its third tyre type
        // is 7.
        const std::initializer_list<QStringList> rows = {
            // What the window shows itself, and a value of each panel; the g is shown in any unit.
            {"pounds, inches", "1,2,0",
             "buttonGConstant=9.80665|g_acceleration_constant=|labelPrepend=Prepend (in):|"
             "lineEditPrepend=10.00 lime|lineEditReclassUpGvw=5000.00 lime|"
             "lineEditMinAvgAxleWeight=1000.00 lime|MaxAxleWeightEdit3=1000.00 lime|"
             "MinAxleDist1=50.00 red|TyreType3=7 red|labelSumMaxAxleDist=300.00|"
             "adslConstraint0=2+3:100.0,200.0 lime"},
            {"tonnes with g 9.81", "1,0,0;0,0,9.81",
             "buttonGConstant=9.81|g_acceleration_constant=9.81|labelMaxGrossWeight=Max. GVW "
             "(t):|MaxAxleWeightEdit2=1.36 lime|MinAxleDist1=1.27 red|labelSumMaxAxleWeights=2.72"},
            {"g 0 refused, 9.81 kept", "0,0,9.81;0,0,0",
             "buttonGConstant=9.81|g_acceleration_constant=9.81|labelSumMaxAxleWeights=2.72"},
            {"back to the standard g", "0,0,9.81;0,0,9.80665",
             "buttonGConstant=9.80665|g_acceleration_constant=9.80665"},
        };
        addRows({"received", "shown"}, rows);
    }

    void valuesShownInNewUnits()
    {
        const QStringList expectations = cell("shown").split('|');
        // The checked edits start white, so that each colour comes from judging it again.
        for (const QString& expected : expectations)
            if (auto* edit = window->findChild<QLineEdit*>(expected.section('=', 0, 0)))
                edit->setStyleSheet(QStringLiteral("QLineEdit {background-color: white}"));
        for (const QString& choice : cell("received").split(';'))
            QVERIFY(receiveUnits(choice));
        for (const QString& expected : expectations) {
            const QString name = expected.section('=', 0, 0);
            auto* widget = window->findChild<QWidget*>(name);
            QString text = widget ? widget->property("text").toString()
                                  : window->configuration().header().value(name);
            if (auto* edit = qobject_cast<QLineEdit*>(widget))
                text += ' ' + background(edit);
            QCOMPARE(name + '=' + text, expected);
        }
    }

    // Pounds and feet on screen, kilonewtons and metres in the file.
    void typedValuesStoredInFileUnits()
    {
        QVERIFY(receiveUnits(QStringLiteral("1,1,0")));
        for (const auto& [field, typed, stored] :
             {std::tuple{"lineEditPrepend", "10", "\nprepend__m=3.048\n"},
              {"MaxAxleDist1", "10", "\nmax_axle_distance__m=3.048,5.08\n"},
              {"MaxAxleWeightEdit1", "1000", "\nmax_axle_weight__kN=1,4.44822;"}}) {
            retype(edit(field), typed);
            QVERIFY2(window->configuration().to_text().contains(stored), field);
        }
    }
};

QTEST_MAIN(TestMeasurementUnits)
#include "tst_measurementunits.moc"
