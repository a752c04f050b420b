// Creating, copying and deleting subclasses, and the File menu's New and Save, driven as a user.
#include "app/appidentity.h"
#include "tests/windowdriver.h"
#include "ui/vorlan.h"

#include <QtTest>
#include <QtWidgets>

#include <sys/resource.h>

#include <csignal>
#include <memory>

using namespace WindowDriver;

namespace {

const QString header = "[classes]\ncountry_code=SI\ngroup_max_distance__m=2\n"
                       "max_axle_distance__m=15\nmin_axle_distance__m=0.8\n"
                       "unclassified_vehicle_subclass=140\n\n";
const QString truck = "axle_configuration=H2\ncategory=4\nmax_GVW__kN=176.5\nnumber_of_axles=2\n"
                      "tyre_type=1,2\nmax_axle_weight__kN=1,69.6;2,112.8\n"
                      "max_axle_distance__m=6.5\nmin_axle_distance__m=3.2\n";
const QString noCategory = QString(truck).remove("category=4\n");
const QString previous = header + "[subclass_9]\n";

QString section(int number, const QString& body)
{
    return QStringLiteral("[subclass_%1]\n").arg(number) + body + QLatin1Char('\n');
}

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

QStringList items(const QComboBox* box)
{
    QStringList numbers;
    for (int i = 0; i < box->count(); ++i)
        numbers << box->itemText(i).replace(QRegExp("^subclass_(\\d+)$"), "\\1");
    return numbers;
}

} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup() { window.reset(); }
    void manageSubclasses_data();
    void manageSubclasses();
    void newAndSave_data();
    void newAndSave();

private:
    template <class T> T* widget(const QString& name) const { return window->findChild<T*>(name); }
    // A step names a line edit and the text to type into it, or a button to click.
    void perform(const QStringList& steps) const;
    void open(const QString& text) { window->openConfiguration(writeFile(dir, "in.conf", text)); }

    QTemporaryDir dir;
    std::unique_ptr<Vorlan> window;
    // Answers each dialog that comes up: a message box with answerButton, a file dialog with
    // fileName (cancelled when empty), after which files may grow only as far as fileSizeLimit
    // lets them, as on a full disk. Notes "title|text" or "caption|filters" of each in shown.
    QTimer answering;
    QPointer<QWidget> answered;
    int answerButton = QMessageBox::Ok;
    QString fileName;
    rlimit fileSizeLimit{};
    QStringList shown;
};

void TestFileCommands::initTestCase()
{
    applyApplicationIdentity();
    initEmbeddedResources();
    QVERIFY(dir.isValid());
    std::signal(SIGXFSZ, SIG_IGN); // a file over the size limit fails to grow, as on a full disk
    answering.setInterval(10);
    connect(&answering, &QTimer::timeout, this, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == answered)
            return;
        answered = modal;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            shown << box->windowTitle() + '|' + box->text();
            QVERIFY(!box->parentWidget() && box->icon() == QMessageBox::Warning);
            answerButton == QMessageBox::NoButton
                ? void(box->close())
                : box->button(QMessageBox::StandardButton(answerButton))->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            shown << dialog->windowTitle() + '|' + dialog->nameFilters().join(';');
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(dir.filePath(fileName));
            setrlimit(RLIMIT_FSIZE, &fileSizeLimit);
            // Accepted as it stands, so that an existing file is not questioned again.
            static_cast<QDialog*>(dialog)->done(fileName.isEmpty() ? QDialog::Rejected
                                                                   : QDialog::Accepted);
        }
    });
}

void TestFileCommands::init()
{
    window = std::make_unique<Vorlan>();
    window->show(); // buttons take clicks only while they are on screen
}

void TestFileCommands::perform(const QStringList& steps) const
{
    for (const QString& step : steps) {
        if (auto* edit = widget<QLineEdit>(step.section(' ', 0, 0)))
            retype(edit, step.section(' ', 1));
        else
            QTest::mouseClick(widget<QPushButton>(step), Qt::LeftButton);
    }
}

void TestFileCommands::manageSubclasses_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("invalid");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("duplicates");
    QTest::addColumn<QString>("copyColour");
    using L = QStringList;
    const L both{"1", "21"}, second{"21"};
    const QString none, truckCategory = "4", red = "red";
    QTest::newRow("new") << L{"lineEditSubclass 30", "buttonSubclass"} << L{"1", "21", "30"}
                         << L{"21", "30"} << "140" << none << none;
    QTest::newRow("new, existing number typed with a zero")
        << L{"lineEditSubclass 01", "buttonSubclass"} << both << second << truckCategory << none
        << none;
    QTest::newRow("delete last invalid") << L{"lineEditSubclass 21", "buttonSubclass"} << L{"1"}
                                         << L{} << truckCategory << none << none;
    QTest::newRow("delete all") << L{"lineEditSubclass 1", "buttonSubclass", "buttonSubclass"}
                                << L{} << L{} << none << none << none;
    QTest::newRow("copy invalid") << L{"lineEditSubclass 21", "lineEditCopy 25", "buttonCopy"}
                                  << L{"1", "21", "25"} << L{"21", "25"} << none << "21 = 25"
                                  << red;
    QTest::newRow("copy to a number created since it was typed")
        << L{"lineEditCopy 30", "lineEditSubclass 30", "buttonSubclass", "lineEditSubclass 1",
             "buttonCopy"}
        << L{"1", "21", "30"} << L{"21", "30"} << truckCategory << none << red;
    QTest::newRow("copy target taken")
        << L{"lineEditCopy 021", "buttonCopy"} << both << second << truckCategory << none << red;
    QTest::newRow("copy target with a sign")
        << L{"lineEditCopy -5", "buttonCopy"} << both << second << truckCategory << none << red;
    QTest::newRow("copy target emptied") << L{"lineEditCopy 7", "lineEditCopy"} << both << second
                                         << truckCategory << none << "white";
}

void TestFileCommands::manageSubclasses()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, invalid);
    QFETCH(QString, category);
    QFETCH(QString, duplicates);
    QFETCH(QString, copyColour);
    open(header + section(1, truck) + section(21, noCategory));
    perform(steps);

    QCOMPARE(items(widget<QComboBox>("comboBoxSubclasses")), listed);
    QCOMPARE(window->configuration().subclass_count(), listed.size());
    QCOMPARE(items(widget<QComboBox>("comboBoxInvalid")), invalid);
    QCOMPARE(widget<QComboBox>("comboBoxInvalid")->isHidden(), invalid.isEmpty());
    QCOMPARE(widget<QLabel>("labelInvalid")->text(),
             invalid.isEmpty() ? "Subclasses are valid." : "Invalid subclasses:");
    // The panel shows the current subclass, or none once none is left.
    const QString current = widget<QComboBox>("comboBoxSubclasses")->currentText().mid(9);
    QCOMPARE(widget<QLineEdit>("lineEditSubclass")->text(), current);
    QCOMPARE(widget<QPushButton>("buttonSubclass")->text(), current.isEmpty() ? "New" : "Delete");
    QCOMPARE(widget<QLineEdit>("lineEditCategory")->text(), category);
    QCOMPARE(window->configuration().find_duplicate_subclasses(), duplicates);
    QCOMPARE(background(widget<QLineEdit>("lineEditCopy")), copyColour);
    QCOMPARE(widget<QPushButton>("buttonCopy")->isEnabled(), copyColour == "lime");
}

void TestFileCommands::newAndSave_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("subclasses");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("sizeLimit"); // 0: none
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("dialogs");
    QTest::addColumn<QString>("written"); // what site1.conf holds afterwards

    using L = QStringList;
    const QString save = "actionSave", one = section(1, truck), twins = one + section(7, truck);
    const QString other = section(2, QString(truck).replace("=4\n", "=5\n")), none;
    const QString edited =
        QString(truck).replace("176.5", "196.133").replace("112.8", "117.68").replace("=6.5", "=7");
    const QString saveAs = "Save as|Configuration (*.conf)";
    const int ok = QMessageBox::Ok, yes = QMessageBox::Yes, no = QMessageBox::No;
    QTest::newRow("save edited") << save << one + other
                                 << L{"lineEditMaxGrossWeight 20", "MaxAxleWeightEdit2 12",
                                      "MaxAxleDist1 7"}
                                 << "site1" << 0 << ok << L{saveAs}
                                 << header + section(1, edited) + other;
    QTest::newRow("incomplete subclass")
        << save << one + section(12, noCategory) << L{} << none << 0 << ok
        << L{"Vital information missing in one or more subclasses!|Missing data found in subclass "
             "12\nPlease make sure all of the following fields are valid:\nCategory\nNumber of "
             "axles\nMax. gross weight\nAxle configuration\nand all fields dependant on number "
             "of axles."}
        << previous;
    QTest::newRow("invalid header")
        << save << one << L{"lineEditCountry XX"} << none << 0 << ok
        << L{"Header invalid!|Please make sure all required fields are filled and valid."}
        << previous;
    QTest::newRow("value that reads back differently")
        << save << one << L{"lineEditVersion 2024,rev b"} << none << 0 << ok
        << L{"Value would be lost|A value would not read back as it is written, so saving would "
             "lose it:\nsection [classes], line 2 reads back differently: "
             "classification_version=2024,rev b\n\nPlease change that value and save again."}
        << previous;
    const QString question = "Duplicate subclasses found!|At least one duplicated subclass "
                             "found. Do you wish to continue saving? 1 = 7";
    QTest::newRow("duplicates, no")
        << save << twins << L{} << none << 0 << no << L{question} << previous;
    QTest::newRow("duplicates, closed") << save << twins << L{} << none << 0
                                        << int(QMessageBox::NoButton) << L{question} << previous;
    QTest::newRow("duplicates, yes")
        << save << twins << L{} << "site1" << 0 << yes << L{question, saveAs} << header + twins;
    const QString notSaved = "Configuration not saved|The configuration could not be written to "
                             "%1/%2.conf:\n%3\n\nA file already there is left as it was.";
    QTest::newRow("missing folder")
        << save << one << L{} << "missing/site1" << 0 << ok
        << L{saveAs, notSaved.arg("%1", "missing/site1", "No such file or directory")} << previous;
    QTest::newRow("disk full") << save << one << L{} << "site1" << 40 << ok
                               << L{saveAs, notSaved.arg("%1", "site1", "File too large")}
                               << previous;
    QTest::newRow("new, empty country")
        << "actionNew" << one << L{"lineEditCountry"} << none << 0 << ok
        << L{"Could not save configuration|Please make sure required (red) fields are filled "
             "before creating a new configuration."}
        << previous;
    // A zero in a converted field stands for no value.
    QTest::newRow("new") << "actionNew" << one << L{"lineEditMinAvgAxleWeight 0"} << "site1" << 0
                         << ok << L{saveAs} << header;
}

void TestFileCommands::newAndSave()
{
    QFETCH(QString, action);
    QFETCH(QString, subclasses);
    QFETCH(QStringList, steps);
    QFETCH(QString, target);
    QFETCH(int, sizeLimit);
    QFETCH(int, button);
    QFETCH(QStringList, dialogs);
    QFETCH(QString, written);
    const QString path = dir.filePath("site1.conf");
    writeFile(dir, "site1.conf", previous);
    open(header + subclasses);
    perform(steps);

    answerButton = button;
    fileName = target;
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    fileSizeLimit = old;
    if (sizeLimit > 0)
        fileSizeLimit.rlim_cur = rlim_t(sizeLimit);
    shown.clear();
    answering.start();
    widget<QAction>(action)->trigger();
    answering.stop();
    setrlimit(RLIMIT_FSIZE, &old);

    QCOMPARE(shown, dialogs.replaceInStrings("%1", dir.path()));
    QCOMPARE(readFile(path), written);
    QCOMPARE(QDir(dir.path()).entryList({"site1*"}), QStringList{"site1.conf"});
    const bool created = action == "actionNew" && written != previous;
    QCOMPARE(window->windowTitle(), "Vorlan v3.4.3 " + (created ? path : dir.filePath("in.conf")));
    if (action == "actionSave")
        return;

    // Refused or not, the window shows none of the subclasses the configuration no longer holds,
    // and the first subclass of the new one gets the whole panel, axle 1 included.
    QCOMPARE(window->configuration().subclass_count(), 0);
    QCOMPARE(widget<QComboBox>("comboBoxSubclasses")->count(), 0);
    QVERIFY(widget<QLineEdit>("lineEditSubclass")->text().isEmpty());
    QVERIFY(widget<QWidget>("frameSubclassBottom")->isHidden());
    perform({"lineEditSubclass 5", "buttonSubclass", "lineEditNumOfAxles 2"});
    QCOMPARE(window->configuration().get_subclass_numbers(), QList<quint32>{5});
    for (const char* name :
         {"frameSubclassBottom", "frameMiddle", "MaxAxleWeightEdit1", "TyreType1"})
        QVERIFY2(widget<QWidget>(name)->isVisible(), name);
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
