// The subclass list and the invalid list alone on the bare form.
#include "tests/formfixture.h"
#include "ui/subclasslists.h"

using namespace WindowDriver;

class TestSubclassLists : public QObject, FormFixture
{
    Q_OBJECT

    std::unique_ptr<SubclassLists> lists;

    // The current subclass, then the invalid ones, or "valid" when the list is hidden.
    QString state() const
    {
        const bool shown = !form.comboBoxInvalid->isHidden();
        return form.comboBoxSubclasses->currentText().mid(9) + " | " +
               (shown ? listedNumbers(form.comboBoxInvalid).join(' ') : "valid") + " | " +
               form.labelInvalid->text();
    }

private slots:
    void init()
    {
        setUpForm();
        lists = std::make_unique<SubclassLists>(form);
        lists->fill({3, 12, 40});
        lists->refreshInvalid({12, 40});
    }

    void steps_data()
    {
        // Steps taken on lists of 3, 12 and 40 with 12 and 40 invalid; then what they show.
        const QString some = "Invalid subclasses:", none = "Subclasses are valid.";
        addRows({"steps", "shown", "announced"},
                {{"as filled", "", "3 | 12 40 | " + some, "0"},
                 {"past the start", "previous", "3 | 12 40 | " + some, "0"},
                 {"past the end", "next next next", "40 | 12 40 | " + some, "2"},
                 {"invalid in order", "invalid 20 invalid 1", "3 | 1 12 20 40 | " + some, "0"},
                 {"valid again", "valid 12 valid 40 valid 7", "3 | valid | " + none, "0"},
                 {"removed", "next remove", "40 | 40 | " + some, "2"},
                 {"all removed", "remove remove remove", " | valid | " + none, "3"},
                 {"appended", "append 7 last", "7 | 12 40 | " + some, "1"},
                 {"selected", "select 40 select 40", "40 | 12 40 | " + some, "1"},
                 {"quietly", "quietly 12", "12 | 12 40 | " + some, "0"},
                 {"not listed", "select 9", "3 | 12 40 | " + some, "0"}});
    }
    void steps()
    {
        QSignalSpy announced(form.comboBoxSubclasses,
                             QOverload<int>::of(&QComboBox::currentIndexChanged));
        QStringList steps = cell("steps").split(' ', Qt::SkipEmptyParts);
        while (!steps.isEmpty()) {
            const QString step = steps.takeFirst();
            if (step == "previous")
                lists->selectPrevious();
            else if (step == "next")
                lists->selectNext();
            else if (step == "remove")
                lists->removeCurrent();
            else if (step == "last")
                lists->selectLast();
            else {
                const quint32 number = steps.takeFirst().toUInt();
                if (step == "invalid" || step == "valid")
                    lists->updateInvalidEntry(number, step == "valid");
                else if (step == "append")
                    lists->append(number);
                else
                    QCOMPARE(lists->select(number, step != "quietly"), number != 9);
            }
        }
        QTEST(state(), "shown");
        QTEST(QString::number(announced.count()), "announced");
    }

    void numberOf_data()
    {
        addRows({"text", "number"}, {{"subclass_12", "12"},
                                     {"subclass_0", "0"},
                                     {"subclass_", ""},
                                     {"12", ""},
                                     {"subclass_x", ""}});
    }
    void numberOf()
    {
        const auto number = SubclassLists::numberOf(cell("text"));
        QTEST(number ? QString::number(*number) : QString(), "number");
        if (number)
            QTEST(SubclassLists::itemText(*number), "text");
    }
};

QTEST_MAIN(TestSubclassLists)
#include "tst_subclasslists.moc"
