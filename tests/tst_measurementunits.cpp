// The units dialog on its own, and opened from the window.
#include "app/appidentity.h"
#include "tests/windowdriver.h"
#include "ui/vorlan.h"
#include "units/measurementunits.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <memory>

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

class TestMeasurementUnits : public QObject
{
    Q_OBJECT

    void click(const char* name) { dialog->findChild<QAbstractButton*>(name)->click(); }

    std::unique_ptr<MeasurementUnits> dialog; // opened with pounds and metres
    QLineEdit* g = nullptr;
    QPushButton* ok = nullptr;

private slots:
    void initTestCase()
    {
        applyApplicationIdentity();
        initEmbeddedResources();
    }
    void init()
    {
        dialog = std::make_unique<MeasurementUnits>(nullptr, 1, 0, 9.80665f);
        g = dialog->findChild<QLineEdit*>("lineEditG");
        ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    }
    void cleanup() { dialog.reset(); }

    void initialState_data()
    {
        QTest::addColumn<int>("weight");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("checked"); // and the g text
        QTest::newRow("t, ft") << 0 << 1 << "radioButtonFeet radioButtonTons 9.810000";
        QTest::newRow("lb, m") << 1 << 0 << "radioButtonMeters radioButtonPounds ";
        QTest::newRow("kN, in") << 2 << 2 << "radioButtonInches radioButtonKN ";
    }

    void initialState()
    {
        QFETCH(int, weight);
        QFETCH(int, length);
        MeasurementUnits fresh(nullptr, weight, length, 9.81f);
        QTEST(checkedButtons(&fresh), "checked");
    }

    void switchingUnitsThenCancelAndOk()
    {
        QSignalSpy sent(dialog.get(), &MeasurementUnits::sendUnits);
        click("radioButtonTons");
        QVERIFY(g->isEnabled());
        QCOMPARE(g->text(), QStringLiteral("9.806650"));
        // A typed g survives a detour through another unit.
        WindowDriver::retype(g, "9.81");
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
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("usable");
        QTest::newRow("zero") << "0" << false;
        QTest::newRow("negative") << "-1" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("beyond a float") << "1e39" << false;
        QTest::newRow("positive") << "9.81" << true;
    }

    void unusableGWithTonnes()
    {
        QFETCH(QString, typed);
        QFETCH(bool, usable);
        QSignalSpy sent(dialog.get(), &MeasurementUnits::sendUnits);
        click("radioButtonTons");
        WindowDriver::retype(g, typed);
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
        Vorlan window;
        for (const char* opener : {"actionConfiguration", "buttonGConstant"}) {
            QString state;
            QTimer::singleShot(0, this, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                if (qobject_cast<MeasurementUnits*>(modal) && modal->parentWidget() == &window) {
                    modal->findChild<QAbstractButton*>("radioButtonTons")->click();
                    state = checkedButtons(modal);
                    modal->findChild<QAbstractButton*>("radioButtonPounds")->click();
                    modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
                }
                if (modal)
                    modal->close(); // should OK have failed to
            });
            if (auto* action = window.findChild<QAction*>(opener))
                action->trigger();
            else
                window.findChild<QAbstractButton*>(opener)->click();
            QVERIFY2(state == "radioButtonMeters radioButtonTons 9.806650", opener);
            QCOMPARE(window.displayUnits().weightUnit(), quint8(1));
        }
    }
};

QTEST_MAIN(TestMeasurementUnits)
#include "tst_measurementunits.moc"
