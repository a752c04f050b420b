// Creating, copying and deleting subclasses, and the File menu's New and Save, driven as a user.
#include "tests/windowdriver.h"

#include <sys/resource.h>

#include <csignal>

using namespace WindowDriver;

namespace {

const QString noCategory = QString(truckBody).remove("category=4\n");
const QString previous = siteHeader + "[subclass_9]\n";

} // namespace

class TestFileCommands : public QObject, Fixture
{
    Q_OBJECT

private slots:
    // A file over the size limit then fails to grow, as on a full disk.
    void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); }
    void init()
    {
        window = std::make_unique<Vorlan>();
        window->show();
    }

    void manageSubclasses_data()
    {
        // Steps, then the subclasses listed, those listed invalid, the category shown, the
        // duplicates found and the colour of the copy target.
        const std::initializer_list<QStringList> rows = {
            {"new", "lineEditSubclass 30;buttonSubclass", "1 21 30", "21 30", "140", "", ""},
            {"existing number typed with a zero", "lineEditSubclass 01;buttonSubclass", "1 21",
             "21", "4", "", ""},
            {"delete last invalid", "lineEditSubclass 21;buttonSubclass", "1", "", "4", "", ""},
            {"delete all", "lineEditSubclass 1;buttonSubclass;buttonSubclass", "", "", "", "", ""},
            {"copy invalid", "lineEditSubclass 21;lineEditCopy 25;buttonCopy", "1 21 25", "21 25",
             "", "21 = 25", "red"},
            {"copy invalid below it", "lineEditSubclass 21;lineEditCopy 5;buttonCopy", "1 21 5",
             "5 21", "", "5 = 21", "red"},
            {"copy to a number created since it was typed",
             "lineEditCopy 30;lineEditSubclass 30;buttonSubclass;lineEditSubclass 1;buttonCopy",
             "1 21 30", "21 30", "4", "", "red"},
            {"copy target taken", "lineEditCopy 021;buttonCopy", "1 21", "21", "4", "", "red"},
            {"copy target with a sign", "lineEditCopy -5;buttonCopy", "1 21", "21", "4", "", "red"},
            {"copy target emptied", "lineEditCopy 7;lineEditCopy", "1 21", "21", "4", "", "white"},
        };
        addRows({"steps", "listed", "invalid", "category", "twins", "copy"}, rows);
    }
    void manageSubclasses()
    {
        QFETCH(QString, listed);
        QFETCH(QString, invalid);
        QFETCH(QString, copy);
        open(siteHeader + sectionText(1, truckBody) + sectionText(21, noCategory));
        perform(window.get(), cell("steps").split(';'));

        QCOMPARE(listedNumbers(widget<QComboBox>("comboBoxSubclasses")).join(' '), listed);
        QCOMPARE(window->configuration().subclass_count(), listed.count(' ') + !listed.isEmpty());
        QCOMPARE(listedNumbers(widget<QComboBox>("comboBoxInvalid")).join(' '), invalid);
        QCOMPARE(widget<QLabel>("labelInvalid")->text(),
                 invalid.isEmpty() ? "Subclasses are valid." : "Invalid subclasses:");
        QCOMPARE(widget<QComboBox>("comboBoxInvalid")->isHidden(), invalid.isEmpty());
        // The panel shows the current subclass, or none once none is left.
        const QString current = widget<QComboBox>("comboBoxSubclasses")->currentText().mid(9);
        QCOMPARE(widget<QLineEdit>("lineEditSubclass")->text(), current);
        QCOMPARE(widget<QPushButton>("buttonSubclass")->text(),
                 current.isEmpty() ? "New" : "Delete");
        QTEST(widget<QLineEdit>("lineEditCategory")->text(), "category");
        QTEST(window->configuration().find_duplicate_subclasses(), "twins");
        QCOMPARE(background(widget<QLineEdit>("lineEditCopy")), copy);
        QCOMPARE(widget<QPushButton>("buttonCopy")->isEnabled(), copy == "lime");
    }

    void newAndSave_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("subclasses");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("button");    // clicked in a message box, which is otherwise closed
        QTest::addColumn<QString>("write"); // "missing": into no folder; "full": onto a full disk
        QTest::addColumn<QStringList>("dialogs"); // "title|part of the text"
        QTest::addColumn<QString>("written");     // what site1.conf holds afterwards

        using L = QStringList;
        const QString save = "actionSave", one = sectionText(1, truckBody);
        const QString twins = one + sectionText(7, truckBody);
        const QString other = sectionText(2, QString(truckBody).replace("=4\n", "=5\n"));
        QString edited = sectionText(1, truckBody).replace("176.5", "196.133");
        edited.replace("112.8", "117.68").replace("=6.5", "=7");
        const QString edits = "lineEditMaxGrossWeight 20;MaxAxleWeightEdit2 12;MaxAxleDist1 7";
        const QString saveAs = "Save as|Configuration (*.conf)";
        const QString incomplete = "Vital information missing in one or more subclasses!|"
                                   "Missing data found in subclass 12\n";
        const QString lost = "Value would be lost|section [classes], line 2 reads back "
                             "differently: classification_version=2024,rev b\n";
        const QString question = "Duplicate subclasses found!|continue saving? 1 = 7";
        const QString notSaved = "Configuration not saved|could not be written to %1/";
        const int yes = QMessageBox::Yes, no = QMessageBox::No;
        QTest::newRow("save edited")
            << save << one + other << edits << 0 << "" << L{saveAs} << siteHeader + edited + other;
        QTest::newRow("incomplete subclass") << save << one + sectionText(12, noCategory) << "" << 0
                                             << "" << L{incomplete} << previous;
        QTest::newRow("invalid header")
            << save << one << "lineEditCountry XX" << 0 << "" << L{"Header invalid!|"} << previous;
        QTest::newRow("value that reads back differently")
            << save << one << "lineEditVersion 2024,rev b" << 0 << "" << L{lost} << previous;
        QTest::newRow("duplicates, no")
            << save << twins << "" << no << "" << L{question} << previous;
        QTest::newRow("duplicates, yes")
            << save << twins << "" << yes << "" << L{question, saveAs} << siteHeader + twins;
        QTest::newRow("missing folder")
            << save << one << "" << 0 << "missing"
            << L{saveAs, notSaved + "missing/site1.conf:\nNo such file or directory\n"} << previous;
        QTest::newRow("disk full")
            << save << one << "" << 0 << "full"
            << L{saveAs, notSaved + "site1.conf:\nFile too large\n"} << previous;
        QTest::newRow("new, empty country") << "actionNew" << one << "lineEditCountry" << 0 << ""
                                            << L{"Could not save configuration|"} << previous;
        // A zero in a converted field stands for no value.
        QTest::newRow("new") << "actionNew" << one << "lineEditMinAvgAxleWeight 0" << 0 << ""
                             << L{saveAs} << siteHeader;
    }
    void newAndSave()
    {
        QFETCH(QString, action);
        QFETCH(int, button);
        QFETCH(QString, write);
        QFETCH(QStringList, dialogs);
        QFETCH(QString, written);
        const QString path = writeFile(dir, "site1.conf", previous);
        open(siteHeader + cell("subclasses"));
        perform(window.get(), cell("steps").split(';', Qt::SkipEmptyParts));

        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const QStringList shown = answerModals(
            [&] { widget<QAction>(action)->trigger(); },
            [&](QWidget* modal) {
                if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                    QVERIFY(!box->parentWidget() && box->icon() == QMessageBox::Warning);
                    if (button)
                        box->button(QMessageBox::StandardButton(button))->click();
                    return;
                }
                // Only the write that follows the dialog meets the limit.
                rlimit limited = old;
                if (write == "full")
                    limited.rlim_cur = 40;
                setrlimit(RLIMIT_FSIZE, &limited);
                chooseFile(modal, dir.filePath(write == "missing" ? "missing/site1" : "site1"));
            });
        setrlimit(RLIMIT_FSIZE, &old);

        QCOMPARE(shown.size(), dialogs.size());
        for (int i = 0; i < shown.size(); ++i) {
            const QString expected = QString(dialogs[i]).replace("%1", dir.path());
            QVERIFY2(shown[i].startsWith(expected.section('|', 0, 0) + '|') &&
                         shown[i].contains(expected.section('|', 1)),
                     qPrintable(shown[i]));
        }
        QCOMPARE(readFile(path), written);
        QCOMPARE(QDir(dir.path()).entryList({"site1*"}), QStringList{"site1.conf"});
        const bool created = action == "actionNew" && written != previous;
        QCOMPARE(window->windowTitle(),
                 "Vorlan v3.4.3 " + (created ? path : dir.filePath("in.conf")));
        if (action == "actionSave")
            return;

        // Refused or not, the window shows none of the subclasses the configuration no longer
        // holds, and the first subclass of the new one gets the whole panel, axle 1 included.
        QCOMPARE(widget<QComboBox>("comboBoxSubclasses")->count(), 0);
        QCOMPARE(onScreen(window.get(), {"lineEditSubclass", "frameSubclassBottom"}),
                 QStringList({"lineEditSubclass= red", "frameSubclassBottom hidden"}));
        perform(window.get(), {"lineEditSubclass 5", "buttonSubclass", "lineEditNumOfAxles 2"});
        QCOMPARE(window->configuration().get_subclass_numbers(), QList<quint32>{5});
        for (const char* name :
             {"frameSubclassBottom", "frameMiddle", "MaxAxleWeightEdit1", "TyreType1"})
            QVERIFY2(widget<QWidget>(name)->isVisible(), name);
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
