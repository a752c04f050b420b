// Opening a configuration and selecting its subclasses: what the window shows afterwards.
#include "app/appidentity.h"
#include "tests/windowdriver.h"
#include "ui/vorlan.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFrame>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using namespace WindowDriver;

namespace {

const char* const header = "[classes]\ncountry_code=SI\ngroup_max_distance__m=2\n"
                           "min_axle_distance__m=0.8\nmax_axle_distance__m=15\n\n";

const char* const truck = "axle_configuration=H2\ncategory=4\nmax_GVW__kN=176.5\n"
                          "number_of_axles=2\ntyre_type=1,2\nmax_axle_weight__kN=1,69.6;2,112.8\n"
                          "max_axle_distance__m=6.5\nmin_axle_distance__m=3.2\n";

} // namespace

class TestOpenSubclass : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup() { window.reset(); }

    void openedExampleFields_data();
    void openedExampleFields();
    void openedExampleLists();
    void invalidSubclassesListed();
    void selectByTypingNumber_data();
    void selectByTypingNumber();
    void partlyReadFileWarns();
    void openFromMenu();
    void subclassWithoutAxlesShowsNothingOfAnother();
    void headerOnlyFileShowsNothingOfThePreviousOne();

private:
    template <class T> T* widget(const QString& name) const { return window->findChild<T*>(name); }
    QLineEdit* edit(const QString& name) const { return widget<QLineEdit>(name); }
    void select(const QString& item) const;
    // Runs action while a modal dialog is expected; answer gets the dialog, if one comes.
    void whileModal(const std::function<void()>& action,
                    const std::function<void(QWidget*)>& answer);

    QTemporaryDir dir;
    std::unique_ptr<Vorlan> window;
};

void TestOpenSubclass::initTestCase()
{
    applyApplicationIdentity();
    initEmbeddedResources();
    QVERIFY(dir.isValid());
}

void TestOpenSubclass::init()
{
    window = std::make_unique<Vorlan>();
}

void TestOpenSubclass::select(const QString& item) const
{
    auto* subclasses = widget<QComboBox>(QStringLiteral("comboBoxSubclasses"));
    subclasses->setCurrentIndex(subclasses->findText(item));
}

void TestOpenSubclass::whileModal(const std::function<void()>& action,
                                  const std::function<void(QWidget*)>& answer)
{
    QTimer::singleShot(0, this, [&] {
        if (QWidget* modal = QApplication::activeModalWidget())
            answer(modal);
    });
    // Should a dialog stay open, do not hang the suite.
    QTimer::singleShot(5000, this, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    action();
}

void TestOpenSubclass::openedExampleFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("colour");
    const QList<std::array<const char*, 3>> rows = {
        {"lineEditVersion", "2024-03-18 motorway A1 km 112 lanes 1-2", "lime"},
        {"lineEditCountry", "SI", "lime"},
        {"lineEditGroupMaxDist", "2.20", "lime"},
        {"lineEditMinAvgAxleWeight", "0.50", "lime"},
        {"lineEditMaxAxleDist", "15.00", "lime"},
        {"lineEditMinAxleDist", "0.80", "lime"},
        {"lineEditUnclassified", "140", "lime"},
        {"lineEditSubclass", "11", "lime"},
        {"lineEditCategory", "1", "lime"},
        {"lineEditConfString", "C2", "lime"},
        {"lineEditNumOfAxles", "2", "lime"},
        {"lineEditMaxGrossWeight", "2.55", "lime"},
        {"lineEditPrepend", "0.80", "lime"},
        {"lineEditReclassUpGvw", "2.45", "lime"},
        {"lineEditReclassUpTo", "21", "lime"},
        {"MaxAxleDist1", "3.20", "lime"},
        {"MinAxleDist1", "2.20", "lime"},
        {"MaxAxleWeightEdit1", "1.25", "lime"},
        {"TyreType1", "1", "lime"},
        {"labelSubclassLarge", "11", ""},
        {"labelInvalid", "Subclasses are valid.", ""},
        {"labelSumMaxAxleDist", "3.20", ""},
        {"labelSumMaxAxleWeights", "2.51", ""},
        {"buttonSubclass", "Delete", ""},
        {"buttonGConstant", "9.80665", ""},
    };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << row[0] << row[1] << row[2];
}

void TestOpenSubclass::openedExampleFields()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, colour);
    window->openConfiguration(QStringLiteral(VORLAN_EXAMPLES "/motorway-site.conf"));
    auto* shown = widget<QWidget>(field);
    QVERIFY(shown && !shown->isHidden());
    QCOMPARE(shown->property("text").toString(), text);
    if (auto* lineEdit = qobject_cast<QLineEdit*>(shown))
        QCOMPARE(background(lineEdit), colour);
}

void TestOpenSubclass::openedExampleLists()
{
    window->openConfiguration(QStringLiteral(VORLAN_EXAMPLES "/motorway-site.conf"));
    auto* subclasses = widget<QComboBox>(QStringLiteral("comboBoxSubclasses"));
    QCOMPARE(subclasses->count(), 19);
    QCOMPARE(subclasses->itemText(0), QStringLiteral("subclass_11"));
    QCOMPARE(subclasses->itemText(18), QStringLiteral("subclass_71"));
    QCOMPARE(subclasses->currentIndex(), 0);
    QVERIFY(widget<QComboBox>(QStringLiteral("comboBoxInvalid"))->isHidden());
    for (const char* name :
         {"groupBoxSubclass", "frameSubclassBottom", "groupBoxReclassify", "frameMiddle"})
        QVERIFY2(!widget<QWidget>(name)->isHidden(), name);
    QVERIFY(!edit(QStringLiteral("MaxAxleDist2")));

    // Stepping through every subclass shows each one's own per-axle values.
    for (int index = 1; index < subclasses->count(); ++index) {
        subclasses->setCurrentIndex(index);
        const Subclass& shown = window->configuration().get_subclass(
            edit(QStringLiteral("lineEditSubclass"))->text().toUInt());
        QCOMPARE(QStringLiteral("subclass_") + QString::number(shown.get_number()),
                 subclasses->currentText());
        const int axles = shown.get_number_of_axles().toInt();
        QCOMPARE(edit(QStringLiteral("TyreType%1").arg(axles))->text(),
                 shown.get_tyre_types().at(axles - 1));
        QVERIFY(edit(QStringLiteral("TyreType%1").arg(axles + 1)) == nullptr ||
                edit(QStringLiteral("TyreType%1").arg(axles + 1))->isHidden());
    }
}

void TestOpenSubclass::invalidSubclassesListed()
{
    QFile example(QStringLiteral(VORLAN_EXAMPLES "/motorway-site.conf"));
    QVERIFY(example.open(QIODevice::ReadOnly));
    QString text = QString::fromLatin1(example.readAll());
    text.replace(QStringLiteral("[subclass_21]\naxle_configuration=V2\ncategory=2\n"),
                 QStringLiteral("[subclass_21]\naxle_configuration=V2\n"));
    text.replace(QStringLiteral("tyre_type=1,1,2,2\n"), QStringLiteral("tyre_type=1,1,2,7\n"));
    window->openConfiguration(writeFile(dir, QStringLiteral("invalid.conf"), text));

    auto* invalid = widget<QComboBox>(QStringLiteral("comboBoxInvalid"));
    QStringList listed;
    for (int i = 0; i < invalid->count(); ++i)
        listed << invalid->itemText(i);
    QCOMPARE(listed, QStringList({"subclass_21", "subclass_43"}));
    QVERIFY(!invalid->isHidden());
    QCOMPARE(widget<QLabel>(QStringLiteral("labelInvalid"))->text(),
             QStringLiteral("Invalid subclasses:"));

    QTest::keyClick(invalid, Qt::Key_End);
    QCOMPARE(widget<QComboBox>(QStringLiteral("comboBoxSubclasses"))->currentText(),
             QStringLiteral("subclass_43"));
    QCOMPARE(edit(QStringLiteral("TyreType4"))->text(), QStringLiteral("7"));
    QCOMPARE(background(edit(QStringLiteral("TyreType4"))), QStringLiteral("red"));
}

void TestOpenSubclass::selectByTypingNumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("current");
    QTest::addColumn<bool>("exists");
    QTest::newRow("1") << "1"
                       << "subclass_1" << true;
    QTest::newRow("1 then 12") << "12"
                               << "subclass_12" << true;
    QTest::newRow("1 then 13") << "13"
                               << "subclass_1" << false;
    QTest::newRow("3") << "3"
                       << "subclass_5" << false;
}

void TestOpenSubclass::selectByTypingNumber()
{
    QFETCH(QString, typed);
    QFETCH(QString, current);
    QFETCH(bool, exists);
    const QString path = writeFile(dir, QStringLiteral("numbers.conf"),
                                   QString::fromLatin1(header) + "[subclass_1]\n" + truck +
                                       "\n[subclass_5]\n" + truck + "\n[subclass_12]\n" + truck);
    window->openConfiguration(path);
    select(QStringLiteral("subclass_5"));

    QLineEdit* number = edit(QStringLiteral("lineEditSubclass"));
    retype(number, typed);
    QCOMPARE(widget<QComboBox>(QStringLiteral("comboBoxSubclasses"))->currentText(), current);
    QCOMPARE(background(number), exists ? QStringLiteral("lime") : QStringLiteral("red"));
    QCOMPARE(
        number->toolTip(),
        exists ? QString()
               : QStringLiteral("Subclass does not exist. Click on button \"New\" to create one"));
    QCOMPARE(widget<QPushButton>(QStringLiteral("buttonSubclass"))->text(),
             exists ? QStringLiteral("Delete") : QStringLiteral("New"));

    // An edit reaches the model only while the number names a subclass.
    retype(edit(QStringLiteral("lineEditAlias")), QStringLiteral("9"));
    const quint32 shown = current.mid(int(qstrlen("subclass_"))).toUInt();
    QCOMPARE(window->configuration().get_subclass(shown).get_alias(),
             exists ? QStringLiteral("9") : QString());
    QCOMPARE(background(edit(QStringLiteral("lineEditAlias"))), QStringLiteral("lime"));
}

void TestOpenSubclass::partlyReadFileWarns()
{
    // The broken line is line 19: 6 of the header, 9 of subclass 1, a blank, 3 of subclass 2.
    const QString text = QString::fromLatin1(header) + "[subclass_1]\n" + truck +
                         "\n[subclass_2]\ncategory=4\n" + "number_of_axles 2\n" +
                         "\n[subclass_3]\n" + truck;
    const QString path = writeFile(dir, QStringLiteral("partly.conf"), text);

    QString title, message;
    bool answered = false;
    whileModal([&] { window->openConfiguration(path); },
               [&](QWidget* modal) {
                   auto* box = qobject_cast<QMessageBox*>(modal);
                   if (!box)
                       return;
                   answered = true;
                   QCOMPARE(box->icon(), QMessageBox::Warning);
                   QVERIFY(!box->parentWidget());
                   title = box->windowTitle();
                   message = box->text();
                   box->button(QMessageBox::Ok)->click();
               });
    QVERIFY(answered);
    // Shown as far as it was read.
    QCOMPARE(widget<QComboBox>(QStringLiteral("comboBoxSubclasses"))->count(), 1);
    QCOMPARE(edit(QStringLiteral("lineEditSubclass"))->text(), QStringLiteral("1"));
    QVERIFY(!title.isEmpty());
    QVERIFY2(message.contains(QStringLiteral("line 19")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("number_of_axles 2")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("not loaded")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("Saving")), qPrintable(message));
}

void TestOpenSubclass::openFromMenu()
{
    const QString path = QStringLiteral(VORLAN_EXAMPLES "/motorway-site.conf");
    QString caption;
    QStringList filters;
    whileModal([&] { widget<QAction>(QStringLiteral("actionOpen"))->trigger(); },
               [&](QWidget* modal) {
                   auto* dialog = qobject_cast<QFileDialog*>(modal);
                   if (!dialog)
                       return;
                   caption = dialog->windowTitle();
                   filters = dialog->nameFilters();
                   dialog->selectFile(path);
                   static_cast<QDialog*>(dialog)->accept();
               });
    QCOMPARE(caption, QStringLiteral("Open file"));
    QCOMPARE(filters, QStringList({"Configuration (*.conf)"}));
    QCOMPARE(window->configuration().subclass_count(), 19);
    QCOMPARE(window->windowTitle(), QStringLiteral("Vorlan v3.4.3 ") + path);
}

void TestOpenSubclass::subclassWithoutAxlesShowsNothingOfAnother()
{
    const QString path =
        writeFile(dir, QStringLiteral("axles.conf"),
                  QString::fromLatin1(header) + "[subclass_1]\n" + truck +
                      "reclassify_up_to_subclass=3\nawsl_0=58.8,71;176.5,41\n"
                      "adsl_1=1+2:3.2,6.5\n\n[subclass_2]\ncategory=4\nnumber_of_axles=1\n"
                      "max_axle_weight__kN=1,50\n\n[subclass_3]\n" +
                      truck);
    window->openConfiguration(path);
    QVERIFY(!edit(QStringLiteral("MaxAxleDist1"))->isHidden());
    QLineEdit* constraint = qobject_cast<QLineEdit*>(
        widget<QFrame>(QStringLiteral("frameAdsl"))->layout()->itemAt(1)->widget());
    QVERIFY(constraint && !constraint->isHidden());
    auto* viewMin = widget<QGraphicsView>(QStringLiteral("graphicsViewMin"));
    auto* viewMax = widget<QGraphicsView>(QStringLiteral("graphicsViewMax"));
    QVERIFY(viewMin->scene() && !viewMin->scene()->items().isEmpty());

    select(QStringLiteral("subclass_2"));
    QCOMPARE(edit(QStringLiteral("lineEditNumOfAxles"))->text(), QStringLiteral("1"));
    QVERIFY(edit(QStringLiteral("MaxAxleDist1"))->isHidden());
    QVERIFY(edit(QStringLiteral("TyreType2"))->isHidden());
    QCOMPARE(edit(QStringLiteral("MaxAxleWeightEdit1"))->text(), QString());
    QVERIFY(constraint->isHidden());
    QCOMPARE(edit(QStringLiteral("lineEditReclassUpTo"))->text(), QString());
    QCOMPARE(edit(QStringLiteral("lineEditTotalWeightConstraint"))->text(), QString());
    for (QGraphicsView* view : {viewMin, viewMax})
        QVERIFY(!view->scene() || view->scene()->items().isEmpty());

    // Given a valid count, axle 1 shows what the record holds for it.
    retype(edit(QStringLiteral("lineEditNumOfAxles")), QStringLiteral("2"));
    QCOMPARE(edit(QStringLiteral("MaxAxleWeightEdit1"))->text(), QStringLiteral("5.10"));
    QVERIFY(!edit(QStringLiteral("MaxAxleDist1"))->isHidden());
}

void TestOpenSubclass::headerOnlyFileShowsNothingOfThePreviousOne()
{
    window->openConfiguration(QStringLiteral(VORLAN_EXAMPLES "/motorway-site.conf"));
    window->openConfiguration(writeFile(dir, QStringLiteral("header.conf"), header));
    QCOMPARE(window->configuration().subclass_count(), 0);
    QCOMPARE(widget<QComboBox>(QStringLiteral("comboBoxSubclasses"))->count(), 0);
    // Only the number field stays, for the first subclass of this configuration.
    QVERIFY(!widget<QWidget>(QStringLiteral("groupBoxSubclass"))->isHidden());
    for (const char* name : {"frameSubclassBottom", "groupBoxReclassify", "frameMiddle"})
        QVERIFY2(widget<QWidget>(name)->isHidden(), name);
    for (const char* name : {"lineEditSubclass", "lineEditReclassUpTo", "lineEditNumOfAxles"})
        QVERIFY2(edit(name)->text().isEmpty(), name);
    auto* view = widget<QGraphicsView>(QStringLiteral("graphicsViewMin"));
    QVERIFY(!view->scene() || view->scene()->items().isEmpty());
    QCOMPARE(edit(QStringLiteral("lineEditCountry"))->text(), QStringLiteral("SI"));
}

QTEST_MAIN(TestOpenSubclass)
#include "tst_opensubclass.moc"
