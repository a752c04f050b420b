// The units dialog on its own, and opened from the window.
#include "tests/windowdriver.h"
#include "units/measurementunits.h"

namespace {

QVariantList units(unsigned char weight, unsigned char length, float g)
{
    return {QVariant::fromValue(weight), QVariant::fromValue(length), QVariant(g)};
}

QString checkedButtons(const QWidget* dialog)
{
    QStringList names;
    for (const QRadioButton* radio : dialog->findChildren<QRadioButton*>())
        if (radio->isChecked())
            names << radio->objectName();
    names.sort();
    return names.join(' ') + ' ' + dialog->findChild<QLineEdit*>("lineEditG")->text();
}

} // namespace

using namespace WindowDriver;

class TestMeasurementUnits : public QObject, Fixture
{
    Q_OBJECT

    void click(const char* name) { dialog->findChild<QAbstractButton*>(name)->click(); }

    std::unique_ptr<MeasurementUnits> dialog; // opened with pounds and metres
    QLineEdit* g = nullptr;
    QPushButton* ok = nullptr;

private slots:
    void init()
    {
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
        window = std::make_unique<Vorlan>();
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
    }
};

QTEST_MAIN(TestMeasurementUnits)
#include "tst_measurementunits.moc"
