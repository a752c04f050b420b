// Adding, changing and removing combined constraints and the two totals, as a user does.
#include "app/appidentity.h"
#include "tests/windowdriver.h"
#include "ui/vorlan.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

using namespace WindowDriver;

// Add on subclass 51, then the value stored, shown and its colour, or the refusal's message.
struct AddCase
{
    QString kind, axles;
    QStringList typed;
    QString result, shown, colour;
};
// Typing into the first line edit of a kind, or into a total ("adsl_0", "awsl_0").
struct EditCase
{
    int subclass;
    QString kind, typed, value, colour;
};
Q_DECLARE_METATYPE(AddCase)
Q_DECLARE_METATYPE(EditCase)

class TestConstraintEditor : public QObject
{
    Q_OBJECT

    const QMap<QString, QString> frames{{"default", "frameCombinedWeightConstraints"},
                                        {"adsl", "frameAdsl"},
                                        {"awsl", "frameAwsl"}};
    std::unique_ptr<Vorlan> window;

    template <class T> T* widget(const QString& name) const { return window->findChild<T*>(name); }
    QList<QLineEdit*> edits(const QString& kind) const
    {
        return widget<QFrame>(frames[kind])->findChildren<QLineEdit*>(); // in layout order
    }
    QStringList shownTexts(const QString& kind) const
    {
        QStringList texts;
        for (QLineEdit* edit : edits(kind))
            texts << (edit->isHidden() ? QStringLiteral("(hidden)") : edit->text());
        return texts;
    }
    QStringList stored(int subclass, const QString& kind) const
    {
        const Subclass& s = window->configuration().get_subclass(subclass);
        if (kind.endsWith("_0"))
            return {kind == "adsl_0" ? s.get_adsl_0() : s.get_awsl_0()};
        QStringList values;
        for (int i = 0; i < s.get_constraint_count(kind); ++i)
            values << s.get_constraint(i, kind);
        return values;
    }
    void select(int n) { retype(widget<QLineEdit>("lineEditSubclass"), QString::number(n)); }
    // Chooses the kind, types into the add edits it shows, ticks the axles and presses Add;
    // returns the title and text of the message shown, empty when none was.
    QString add(const QString& kind, const QString& axles, QStringList typed)
    {
        widget<QComboBox>("comboBoxAddConstraint")
            ->setCurrentIndex(QStringList{"default", "adsl", "awsl"}.indexOf(kind));
        for (QLineEdit* edit : window->findChildren<QLineEdit*>(QRegularExpression("^lineEditAdd")))
            if (!edit->isHidden() && !typed.isEmpty())
                retype(edit, typed.takeFirst());
        for (const QString& axle : axles.split('+'))
            QTest::mouseClick(widget<QCheckBox>("MaxAxleWeightBox" + axle), Qt::LeftButton);
        QString message;
        QObject scope; // a box that never comes leaves no answer waiting for a later one
        QTimer::singleShot(0, &scope, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                message = box->windowTitle() + ": " + box->text();
                message += box->icon() == QMessageBox::Information ? "" : " (wrong icon)";
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            }
        });
        QTest::mouseClick(widget<QPushButton>("buttonAddConstraint"), Qt::LeftButton);
        return message;
    }

private slots:
    void initTestCase() { initEmbeddedResources(); }
    void init()
    {
        window = std::make_unique<Vorlan>();
        window->show(); // check boxes take clicks only when laid out on screen
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->openConfiguration(QStringLiteral(VORLAN_EXAMPLES "/motorway-site.conf"));
    }
    void cleanup() { window.reset(); }

    void addConstraint_data()
    {
        QTest::addColumn<AddCase>("add");
        const QString boxes = "Make sure you have at least two checkboxes selected and there is "
                              "a viable value in the adjacent field.";
        const QString reals = "Upper and lower text boxes must contain a constraint (float).";
        const QString classes = "Upper and lower text boxes must contain constraint (float) and "
                                "class (int) separated with a comma.";
        // Tonnes and metres are shown; the file holds kN and m.
        const QList<QPair<const char*, AddCase>> rows = {
            {"original", {"default", "1+3", {"10"}, "1+3,98.0665", "1+3,10.00", "lime"}},
            // A sign alone is no weight: it must not become a valid limit of 0.
            {"original sign", {"default", "2+3", {"-"}, "2+3,-", "2+3,0.00", "red"}},
            {"distance", {"adsl", "2+3", {"1.5", "3"}, "2+3:1.5,3", "2+3:1.5,3.0", "lime"}},
            {"weight",
             {"awsl", "1+2", {"0,3", "1,5"}, "1+2:0,3;9.80665,5", "1+2:0.0,3;1.0,5", "lime"}},
            {"one box", {"adsl", "2", {"1.5", "3"}, boxes, "", ""}},
            {"no kind", {"", "1+2", {}, boxes, "", ""}},
            {"distance not a number", {"adsl", "2+3", {"1.5", "x"}, reals, "", ""}},
            {"weight without class", {"awsl", "2+3", {"10", "20,5"}, classes, "", ""}},
        };
        for (const auto& row : rows)
            QTest::newRow(row.first) << row.second;
    }
    void addConstraint()
    {
        QFETCH(AddCase, add);
        select(51);
        const QString message = this->add(add.kind, add.axles, add.typed);
        const bool added = !add.shown.isEmpty();
        QCOMPARE(message, added ? QString() : "Cannot add a new constraint: " + add.result);
        for (const QString& kind : frames.keys()) {
            const bool here = added && kind == add.kind;
            QCOMPARE(stored(51, kind), here ? QStringList{add.result} : QStringList());
            QCOMPARE(shownTexts(kind), here ? QStringList{add.shown} : QStringList());
        }
        if (!added)
            return;
        QCOMPARE(background(edits(add.kind).value(0)), add.colour);
        for (QCheckBox* box : window->findChildren<QCheckBox*>())
            QVERIFY(!box->isChecked());
        QCOMPARE(widget<QLineEdit>("lineEditAddUpperConstraint")->text(), add.typed.value(1));
        // The list of invalid subclasses agrees with the colour.
        QCOMPARE(widget<QComboBox>("comboBoxInvalid")->count(), add.colour == "red" ? 1 : 0);
    }

    void reuseThenClearEdits()
    {
        select(43);
        QCOMPARE(add("adsl", "2+3", {"1.5", "3"}), QString());
        // Subclass 52 has one: the two surplus line edits go, and its Add brings one back.
        select(52);
        QCOMPARE(shownTexts("adsl"), QStringList({"3+4:1.3,1.9", "(hidden)", "(hidden)"}));
        QCOMPARE(add("adsl", "1+2", {"2", "4"}), QString());
        QCOMPARE(stored(52, "adsl"), QStringList({"3+4:1.3,1.9", "1+2:2,4"}));
        QCOMPARE(shownTexts("adsl"), QStringList({"3+4:1.3,1.9", "1+2:2.0,4.0", "(hidden)"}));
        select(43);
        retype(edits("adsl").value(1), QString());
        QCOMPARE(stored(43, "adsl"), QStringList({"1+2:1.7,2.1", "2+3:1.5,3"}));
        QCOMPARE(shownTexts("adsl"), QStringList({"1+2:1.7,2.1", "2+3:1.5,3.0", "(hidden)"}));
    }

    void editConstraint_data()
    {
        QTest::addColumn<EditCase>("edit");
        const QList<QPair<const char*, EditCase>> rows = {
            {"total distance", {51, "adsl_0", "2.50,18.750", "2.5,18.75", "lime"}},
            {"total distance half", {51, "adsl_0", "2.5", "2.5", "red"}},
            {"total weight", {51, "awsl_0", "10,3;45,5", "98.0665,3;441.299,5", "lime"}},
            {"total weight cleared", {41, "awsl_0", "", "", "lime"}},
            {"limit not a number", {42, "default", "2+3,x", "2+3,x", "red"}},
            {"weight", {44, "awsl", "3+4+5:10,44;27,46", "3+4+5:98.0665,44;264.78,46", "lime"}},
        };
        for (const auto& row : rows)
            QTest::newRow(row.first) << row.second;
    }
    void editConstraint()
    {
        QFETCH(EditCase, edit);
        select(edit.subclass);
        QLineEdit* field =
            edit.kind == "adsl_0"   ? widget<QLineEdit>("lineEditTotalDistanceConstraint")
            : edit.kind == "awsl_0" ? widget<QLineEdit>("lineEditTotalWeightConstraint")
                                    : edits(edit.kind).value(0);
        retype(field, edit.typed);
        QCOMPARE(stored(edit.subclass, edit.kind).value(0), edit.value);
        QCOMPARE(background(field), edit.colour);
        QCOMPARE(field->toolTip().isEmpty(), edit.colour == "lime");
        QCOMPARE(widget<QComboBox>("comboBoxInvalid")->count(), edit.colour == "red" ? 1 : 0);
    }
};

QTEST_MAIN(TestConstraintEditor)
#include "tst_constrainteditor.moc"
