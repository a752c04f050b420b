// The units dialog on its own, and opened from the window.
#include "app/appidentity.h"
#include "ui/vorlan.h"
#include "units/measurementunits.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

QVariantList units(unsigned char weight, unsigned char length, float g)
{
    return {QVariant::fromValue(weight), QVariant::fromValue(length), QVariant(g)};
}

// On the round indicator: a short label leaves the middle of a wide radio button dead.
void click(QRadioButton* radio)
{
    QStyleOptionButton option;
    option.initFrom(radio);
    const QRect indicator =
        radio->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, radio);
    QTest::mouseClick(radio, Qt::LeftButton, Qt::NoModifier, indicator.center());
}

void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
}

} // namespace

class TestMeasurementUnits : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void initialState_data();
    void initialState();
    void gFieldFollowsWeightUnit();
    void okSendsTheChoice_data();
    void okSendsTheChoice();
    void cancelSendsNothing_data();
    void cancelSendsNothing();
    void unusableGWithTonnes_data();
    void unusableGWithTonnes();
    void windowOpensDialog_data();
    void windowOpensDialog();

private:
    // Shown, so that clicks land on laid-out buttons; null if it never shows.
    static std::unique_ptr<MeasurementUnits> open(unsigned char weight, unsigned char length)
    {
        auto dialog = std::make_unique<MeasurementUnits>(nullptr, weight, length, 9.80665f);
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get()))
            dialog.reset();
        return dialog;
    }
    static QRadioButton* radio(QWidget* dialog, const QString& name)
    {
        return dialog->findChild<QRadioButton*>(name);
    }
    static QLineEdit* gEdit(QWidget* dialog) { return dialog->findChild<QLineEdit*>("lineEditG"); }
    static QPushButton* button(QWidget* dialog, QDialogButtonBox::StandardButton which)
    {
        return dialog->findChild<QDialogButtonBox*>("buttonBox")->button(which);
    }
};

void TestMeasurementUnits::initTestCase()
{
    applyApplicationIdentity();
    initEmbeddedResources();
}

void TestMeasurementUnits::initialState_data()
{
    QTest::addColumn<int>("weight");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("gText");
    QTest::newRow("tonnes, feet") << 0 << 1 << "radioButtonFeet radioButtonTons"
                                  << "9.810000";
    QTest::newRow("pounds, metres") << 1 << 0 << "radioButtonMeters radioButtonPounds"
                                    << "";
    QTest::newRow("kilonewtons, inches") << 2 << 2 << "radioButtonInches radioButtonKN"
                                         << "";
}

void TestMeasurementUnits::initialState()
{
    QFETCH(int, weight);
    QFETCH(int, length);
    QFETCH(QString, checked);
    QFETCH(QString, gText);
    MeasurementUnits dialog(nullptr, weight, length, 9.81f);
    QStringList checkedNames;
    for (QRadioButton* button : dialog.findChildren<QRadioButton*>())
        if (button->isChecked())
            checkedNames << button->objectName();
    checkedNames.sort();
    QCOMPARE(checkedNames.join(' '), checked);
    QCOMPARE(gEdit(&dialog)->text(), gText);
    QCOMPARE(gEdit(&dialog)->isEnabled(), weight == 0);
    QVERIFY(button(&dialog, QDialogButtonBox::Ok)->isEnabled());
}

void TestMeasurementUnits::gFieldFollowsWeightUnit()
{
    auto dialog = open(1, 0);
    QVERIFY(dialog);
    QLineEdit* edit = gEdit(dialog.get());
    click(radio(dialog.get(), "radioButtonTons"));
    QVERIFY(edit->isEnabled());
    QCOMPARE(edit->text(), QStringLiteral("9.806650"));

    // A typed g survives a detour through another unit.
    edit->selectAll();
    QTest::keyClicks(edit, "9.81");
    click(radio(dialog.get(), "radioButtonKN"));
    QVERIFY(!edit->isEnabled());
    QVERIFY(edit->text().isEmpty());
    click(radio(dialog.get(), "radioButtonTons"));
    QCOMPARE(edit->text(), QStringLiteral("9.810000"));
}

void TestMeasurementUnits::okSendsTheChoice_data()
{
    QTest::addColumn<QString>("weightButton");
    QTest::addColumn<QString>("lengthButton");
    QTest::addColumn<int>("weight");
    QTest::addColumn<int>("length");
    QTest::newRow("kilonewtons, inches") << "radioButtonKN"
                                         << "radioButtonInches" << 2 << 2;
    QTest::newRow("pounds, inches") << "radioButtonPounds"
                                    << "radioButtonInches" << 1 << 2;
}

void TestMeasurementUnits::okSendsTheChoice()
{
    QFETCH(QString, weightButton);
    QFETCH(QString, lengthButton);
    QFETCH(int, weight);
    QFETCH(int, length);
    auto dialog = open(0, 0);
    QVERIFY(dialog);
    QSignalSpy sent(dialog.get(), &MeasurementUnits::sendUnits);
    click(radio(dialog.get(), weightButton));
    click(radio(dialog.get(), lengthButton));
    click(button(dialog.get(), QDialogButtonBox::Ok));
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sent.first(), units(weight, length, 0.0f));
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
}

void TestMeasurementUnits::cancelSendsNothing_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Escape") << true;
}

void TestMeasurementUnits::cancelSendsNothing()
{
    QFETCH(bool, byEscape);
    auto dialog = open(0, 0);
    QVERIFY(dialog);
    QSignalSpy sent(dialog.get(), &MeasurementUnits::sendUnits);
    click(radio(dialog.get(), "radioButtonPounds"));
    if (byEscape)
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
    else
        click(button(dialog.get(), QDialogButtonBox::Cancel));
    QCOMPARE(sent.count(), 0);
    QVERIFY(!dialog->isVisible());
}

void TestMeasurementUnits::unusableGWithTonnes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("usable");
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("negative") << "-1" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("beyond a float") << "1e39" << false;
    QTest::newRow("group separator") << "1,000.5" << false;
    QTest::newRow("positive") << "9.81" << true;
}

void TestMeasurementUnits::unusableGWithTonnes()
{
    QFETCH(QString, typed);
    QFETCH(bool, usable);
    auto dialog = open(0, 0);
    QVERIFY(dialog);
    QSignalSpy sent(dialog.get(), &MeasurementUnits::sendUnits);
    QLineEdit* edit = gEdit(dialog.get());
    QPushButton* ok = button(dialog.get(), QDialogButtonBox::Ok);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), typed);
    QCOMPARE(ok->isEnabled(), usable);
    QCOMPARE(edit->styleSheet(),
             usable ? QString() : QStringLiteral("QLineEdit {background-color: red}"));

    // Return presses OK, unless OK is disabled.
    QTest::keyClick(edit, Qt::Key_Return);
    if (usable) {
        QCOMPARE(sent.count(), 1);
        QCOMPARE(sent.first(), units(0, 0, 9.81f));
        return;
    }
    QCOMPARE(sent.count(), 0);
    // Pounds need no g, so the emptied field is fine for them.
    click(radio(dialog.get(), "radioButtonPounds"));
    QVERIFY(ok->isEnabled());
    QVERIFY(edit->styleSheet().isEmpty());
    click(radio(dialog.get(), "radioButtonTons"));
    QVERIFY(!ok->isEnabled());
}

void TestMeasurementUnits::windowOpensDialog_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("Options > Configuration") << true;
    QTest::newRow("acceleration button") << false;
}

void TestMeasurementUnits::windowOpensDialog()
{
    QFETCH(bool, fromMenu);
    Vorlan window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* dialogParent = nullptr;
    QString state;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<MeasurementUnits*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialogParent = dialog->parentWidget();
        state = QStringList{QString::number(dialog->isModal()),
                            QString::number(radio(dialog, "radioButtonTons")->isChecked()),
                            QString::number(radio(dialog, "radioButtonMeters")->isChecked()),
                            gEdit(dialog)->text()}
                    .join(' ');
        click(button(dialog, QDialogButtonBox::Cancel));
    });
    // Should the dialog not close, do not hang the suite.
    QTimer::singleShot(5000, this, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    if (fromMenu)
        window.findChild<QAction*>("actionConfiguration")->trigger();
    else
        click(window.findChild<QPushButton*>("buttonGConstant"));
    QCOMPARE(dialogParent, &window);
    QCOMPARE(state, QStringLiteral("1 1 1 9.806650"));
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestMeasurementUnits)
#include "tst_measurementunits.moc"
