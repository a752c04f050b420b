// The analysis dock as a user meets it: the problems list, measured vehicles, the spacing chart.
#include "conffromtext.h"
#include "model/limitverdicts.h"
#include "tests/windowdriver.h"
#include "tools/vehiclegen/vehiclegenerator.h"
#include "ui/analysisdock.h"
#include "ui/spacingchart.h"
#include "ui/vehiclestable.h"
#include "units/displayunits.h"

#include <QMainWindow>
#include <QScreen>

using namespace WindowDriver;

namespace {

// A two-axle truck with its one gap from min to max and anything else of its record given.
QString truck(int number, const QString& min, const QString& max, const QString& extra = {})
{
    QString body = truckBody;
    body.replace("max_axle_distance__m=6.5", "max_axle_distance__m=" + max);
    body.replace("min_axle_distance__m=3.2", "min_axle_distance__m=" + min);
    return sectionText(number, body + extra);
}

// Every line of the list: groups at the left, their items and reasons indented.
QStringList listed(const QTreeWidget* tree)
{
    QStringList lines;
    std::function<void(const QTreeWidgetItem*, const QString&)> add = [&](auto* item, auto indent) {
        lines << indent + item->text(0);
        for (int i = 0; i < item->childCount(); ++i)
            add(item->child(i), indent + "  ");
    };
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        add(tree->topLevelItem(i), "");
    return lines;
}

// "number from-to@lane", * for the current subclass, ! for an invalid one; then the holes and
// the overlaps, each row on a line of its own.
QStringList chartRows(const SpacingChartModel& model)
{
    QStringList rows;
    const auto stretches = [](const auto& list) {
        QStringList texts;
        for (const auto& s : list)
            texts << QString("%1-%2").arg(s.from).arg(s.to);
        return texts.join(' ');
    };
    for (const auto& row : model.rows) {
        QStringList bars;
        for (const auto& bar : row.bars)
            bars << QString("%1 %2-%3@%4%5%6")
                        .arg(bar.subclass)
                        .arg(bar.from)
                        .arg(bar.to)
                        .arg(bar.lane)
                        .arg(bar.current ? "*" : "")
                        .arg(bar.valid ? "" : "!");
        rows << bars.join(", ") + " | holes " + stretches(row.holes) + " | overlaps " +
                    stretches(row.overlaps);
    }
    return rows;
}

} // namespace

class TestAnalysisDock : public QObject, Fixture
{
    Q_OBJECT

    AnalysisDock* dock() const { return widget<AnalysisDock>("dockAnalysis"); }
    QTreeWidget* problems() const { return widget<QTreeWidget>("treeProblems"); }
    // Shows a tab of the dock and waits until it is up to date, as a user would.
    void showTab(int index)
    {
        widget<QTabWidget>("tabsAnalysis")->setCurrentIndex(index);
        QTRY_VERIFY(!dock()->refreshPending());
    }
    // Loads a vehicle file through the File menu, handing every dialog it opens to answer.
    QStringList loadVehicles(const QString& path, const std::function<void(QWidget*)>& answer = {})
    {
        return answerModals([&] { widget<QAction>("actionLoadVehicles")->trigger(); },
                            [&](QWidget* modal) {
                                chooseFile(modal, path);
                                if (answer)
                                    answer(modal);
                            });
    }

private slots:
    void init()
    {
        newWindow();
        window->show();
        // The test screen is too narrow for the dock on a first run; a user shows it from View.
        if (!dock()->isVisible())
            widget<QAction>("actionShowAnalysis")->trigger();
    }

    void problemsOfEachKind_data()
    {
        const QString site = siteHeader;
        const QString valid = truck(1, "0.8", "15");
        addRows({"conf", "line"},
                {{"header", QString(site).replace("SI", "XX") + valid,
                  "  Country code \"XX\" is not a two-letter code of the list."},
                 {"spacing between vehicles",
                  QString(site).replace("SI\n", "SI\nmin_2axle_truck_spacing__m=inf\n") + valid,
                  "  Min. space between vehicles must be a finite number."},
                 {"average axle weight",
                  QString(site).replace("SI\n", "SI\nmin_avg_axle_weight__kN=1e39\n") + valid,
                  "  Min. avg. axle weight must be a finite number."},
                 {"invalid subclass", site + valid + truck(2, "1", "2").replace("1,2\n", "1,5\n"),
                  "    tyre type of axle 2 is 5, must be 1 to 4"},
                 {"duplicates", site + valid + truck(2, "0.8", "15"),
                  "  subclass_1 and subclass_2 hold the same values (the first such pair)"},
                 {"overlap", site + valid + truck(2, "1", "2"),
                  "  subclass_1 and subclass_2, 2 axles: e.g. 2 m"},
                 {"thin gap", site + truck(1, "0.8", "3.59") + truck(2, "3.6", "15"),
                  "  Likely a slip: 2 axles, gap 1 (3.59, 3.6) m"},
                 {"dropped key", site + valid + "colour=red\n",
                  "  Line 18: colour was not loaded, and saving leaves it out"},
                 {"partial read", site + valid + "[subclass_2]\nno equals here\n",
                  "  Reading stopped at line 19: \"no equals here\". The sections from there on "
                  "were not loaded, and saving leaves them out."},
                 {"none", site + valid, "No problems found."}});
    }
    void problemsOfEachKind()
    {
        answerModals([&] { open(cell("conf")); }); // a partial read warns
        QTRY_VERIFY(!dock()->refreshPending());
        const QStringList lines = listed(problems());
        QVERIFY2(lines.contains(cell("line")), qPrintable(lines.join('\n')));
    }

    void editsRefreshTheList()
    {
        open(siteHeader + truck(1, "0.8", "3.59") + truck(2, "3.6", "15"));
        showTab(0);
        QVERIFY(listed(problems()).join('\n').contains("Likely a slip"));
        // The slip closed by moving subclass 2 down to where 1 ends: now they touch.
        retype(edit("lineEditSubclass"), "2");
        retype(edit("MinAxleDist1"), "3.59");
        QVERIFY(dock()->refreshPending());
        QTRY_VERIFY(!dock()->refreshPending());
        const QString after = listed(problems()).join('\n');
        QVERIFY(!after.contains("Likely a slip"));
        QVERIFY(after.contains("subclass_1 and subclass_2, 2 axles: e.g. 3.59 m"));
    }

    void choosingShowsTheSubclass_data()
    {
        QTest::addColumn<QString>("how");
        for (const char* how : {"double-click", "Enter", "vehicle row", "chart bar"})
            QTest::newRow(how) << how;
    }
    void choosingShowsTheSubclass()
    {
        QFETCH(QString, how);
        open(siteHeader + truck(1, "0.8", "3") + truck(2, "2", "15"));
        QCOMPARE(edit("lineEditSubclass")->text(), QString("1"));
        if (how == "vehicle row") {
            loadVehicles(writeFile(dir, "v.csv", "axles,spacing_1\n2,10\n"));
            auto* table = widget<VehiclesTable>("tableVehicles");
            QCOMPARE(table->item(1, 0)->text(), QString("2"));
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                              table->visualItemRect(table->item(1, 2)).center());
        } else if (how == "chart bar") {
            showTab(2);
            auto* chart = widget<SpacingChart>("chartSpacing");
            const auto& bar = chart->model().rows.at(0).bars.at(1);
            QCOMPARE(bar.subclass, 2u);
            QTest::mouseClick(chart, Qt::LeftButton, {}, chart->barRect(0, bar).center().toPoint());
            QTRY_VERIFY(chart->model().rows.at(0).bars.at(1).current);
        } else {
            showTab(0);
            // Under the pair of overlapping subclasses.
            QTreeWidgetItem* item =
                problems()->findItems("subclass_2", Qt::MatchRecursive).value(0);
            QVERIFY(item);
            problems()->scrollToItem(item);
            const QPoint at = problems()->visualItemRect(item).center();
            if (how == "Enter") {
                problems()->setCurrentItem(item);
                QTest::keyClick(problems(), Qt::Key_Return);
            } else {
                // A double-click follows the click that starts it.
                QTest::mouseClick(problems()->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(problems()->viewport(), Qt::LeftButton, {}, at);
            }
        }
        QCOMPARE(edit("lineEditSubclass")->text(), QString("2"));
    }

    // The window counts what `vorlan-conf classify` counts, from a CSV file with true subclasses
    // and from traffic monitoring records with their own classes.
    void vehicleCountsMatchTheCommandLine_data()
    {
        const QString conf = VORLAN_EXAMPLES "/motorway-site.conf";
        VehicleGeneratorOptions options;
        options.largest_axle_count = 13;
        VehicleGenerator generator(Conf(conf), options);
        QByteArray records;
        for (int i = 0; i < 300; ++i)
            records += traffic_monitoring_line(generator.next());
        QFile file(dir.filePath("site.wgt"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(records) > 0);
        QTest::addColumn<QString>("vehicles");
        QTest::addColumn<QString>("matrix");
        QTest::newRow("CSV") << VORLAN_EXAMPLES "/motorway-site-vehicles.csv"
                             << "Confusion";
        QTest::newRow("traffic monitoring") << file.fileName() << "own vehicle classes";
    }
    void vehicleCountsMatchTheCommandLine()
    {
        QFETCH(QString, vehicles);
        const QString conf = VORLAN_EXAMPLES "/motorway-site.conf";
        window->openConfiguration(conf);
        loadVehicles(vehicles);

        QProcess cli;
        cli.start(VORLAN_CONF, {"classify", "--json", conf, vehicles});
        QVERIFY(cli.waitForFinished());
        const QJsonObject json = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
        const QJsonObject counts = json["subclasses"].toObject();
        const QJsonObject scores = json["truth"]["scores"].toObject();
        QStringList expected, shown;
        for (const QString& number : counts.keys()) {
            const QJsonObject c = counts[number].toObject(), s = scores[number].toObject();
            expected << QStringList{number,
                                    QString::number(c["alone"].toInt()),
                                    QString::number(c["shared"].toInt()),
                                    QString::number(c["over_limits"].toInt()),
                                    QString::number(s["precision"].toDouble(), 'g', 4),
                                    QString::number(s["recall"].toDouble(), 'g', 4)}
                            .join(' ');
        }
        expected.sort();
        expected << "ambiguous " + QString::number(json["ambiguous"]["count"].toInt()) + " 0 0 0 0"
                 << "unmatched " + QString::number(json["unmatched"]["count"].toInt()) + " 0 0 0 0";
        auto* table = widget<VehiclesTable>("tableVehicles");
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells{table->item(row, 0)->text()};
            for (int column = 1; column < VehiclesTable::columnCount; ++column)
                cells << QString::number(
                    table->item(row, column)->data(VehiclesTable::valueRole).toDouble(), 'g', 4);
            shown << cells.join(' ');
        }
        QCOMPARE(shown, expected);
        QFETCH(QString, matrix);
        QVERIFY(widget<QLabel>("labelConfusion")->text().contains(matrix));
    }

    // Chart and counts follow an edit that moves a vehicle from two subclasses to one.
    void vehiclesAndChartFollowEdits()
    {
        open(siteHeader + truck(1, "0.8", "3") + truck(2, "2", "15"));
        loadVehicles(writeFile(dir, "v.csv", "axles,spacing_1\n2,2.5\n"));
        auto* table = widget<VehiclesTable>("tableVehicles");
        QCOMPARE(table->item(2, 0)->text() + ' ' + table->item(2, 1)->text(),
                 QString("ambiguous 1"));
        showTab(2);
        retype(edit("lineEditSubclass"), "2");
        retype(edit("MinAxleDist1"), "2.6");
        QTRY_VERIFY(!dock()->refreshPending());
        QCOMPARE(widget<SpacingChart>("chartSpacing")->model().rows.at(0).bars.at(1).from, 2.6f);
        showTab(1);
        QCOMPARE(table->item(0, 1)->text() + ' ' + table->item(2, 1)->text(), QString("1 0"));
    }

    void cancelledLoadKeepsTheWindowUsable()
    {
        window->openConfiguration(VORLAN_EXAMPLES "/motorway-site.conf");
        loadVehicles(writeFile(dir, "few.csv", "axles,spacing_1\n2,3.3\n"));
        const QString before = widget<QLabel>("labelVehicles")->text();
        // A file large enough that its progress shows at once.
        QByteArray many = "axles,spacing_1,note\n";
        const QByteArray line = "2,3.3," + QByteArray(80, 'x') + '\n';
        while (many.size() < 12 * 1024 * 1024)
            many += line;
        QFile file(dir.filePath("many.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(many) > 0);
        file.close();
        const QStringList seen = loadVehicles(file.fileName(), [](QWidget* modal) {
            if (auto* progress = qobject_cast<QProgressDialog*>(modal))
                QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
        });
        QCOMPARE(widget<QLabel>("labelVehicles")->text(), before);
        QVERIFY(!QApplication::activeModalWidget());
        retype(edit("MaxAxleWeightEdit1"), "9");
        QCOMPARE(window->configuration().get_subclass(11).get_max_axle_weight_at_index(0),
                 window->displayUnits().editTextToFileText("9", DisplayUnits::Kind::weight));
    }

    void chartOfAKnownTable_data()
    {
        addRows({"table", "rows"},
                {{"overlap and holes", "1: 1-3; 2: 2.5-4; 3: 5-6; 9: 1-2 2-3",
                  "1 1-3@0*, 3 5-6@0, 2 2.5-4@1 | holes 0.5-1 4-5 6-15 | overlaps 2.5-3"},
                 {"three deep", "1: 1-5; 2: 2-6; 3: 3-4",
                  "1 1-5@0*, 2 2-6@1, 3 3-4@2 | holes 0.5-1 6-15 | overlaps 2-5"},
                 {"bars that touch stack and overlap at a point", "1: 1-3; 2: 3-15",
                  "1 1-3@0*, 2 3-15@1 | holes 0.5-1 | overlaps 3-3"},
                 {"an invalid subclass covers nothing", "1: 0.5-15; 2: 1-2 | tyre_type=9,9",
                  "1 0.5-15@0*, 2 1-2@1! | holes  | overlaps "},
                 {"a row per gap", "1: 1-2 3-4; 2: 1.5-2.5 3-4",
                  "1 1-2@0*, 2 1.5-2.5@1 | holes 0.5-1 2.5-15 | overlaps 1.5-2\n"
                  "1 3-4@0*, 2 3-4@1 | holes 0.5-3 4-15 | overlaps 3-4"}});
    }
    void chartOfAKnownTable()
    {
        const Conf conf = conf_from_text(table_text(cell("table")));
        QCOMPARE(chartRows(SpacingChartModel::build(conf, 1, nullptr)).join('\n'), cell("rows"));
    }

    void chartHistogramOfLoadedVehicles()
    {
        open(table_text("1: 1-3; 2: 2.5-4"));
        loadVehicles(writeFile(dir, "v.csv",
                               "axles,spacing_1,spacing_2\n2,1.5\n2,2.9\n3,1,1\n"
                               "2,20\n2,0.5\n"));
        showTab(2);
        const SpacingChartModel& model = widget<SpacingChart>("chartSpacing")->model();
        QCOMPARE(model.vehicles_drawn, qint64(4));
        const QVector<int>& bins = model.rows.at(0).histogram;
        QCOMPARE(std::accumulate(bins.cbegin(), bins.cend(), 0), 3); // 20 m lies off the axis
        QCOMPARE(bins.first(), 1);                                   // 0.5 m, the axis's start
    }

    void firstRunPlacesTheDockBesideTheFields_data()
    {
        // On the test screen, 800 pixels wide, a window of this width leaves the rest.
        addRows({"window", "shown"}, {{"no room", "700", "false"},
                                      {"room for less than the dock wants", "400", "true"},
                                      {"room for all it wants", "200", "true"}});
    }
    void firstRunPlacesTheDockBesideTheFields()
    {
        const Conf conf;
        const LimitVerdicts verdicts;
        const DisplayUnits units;
        QMainWindow main;
        main.setCentralWidget(new QWidget(&main));
        main.resize(cell("window").toInt(), 400);
        auto* placed = new AnalysisDock(conf, verdicts, units, &main);
        main.addDockWidget(Qt::RightDockWidgetArea, placed);
        const int room = main.screen()->availableGeometry().width() - main.width();
        const int wanted = placed->sizeHint().width();
        placed->placeOnFirstRun(main);
        main.show();
        QCOMPARE(placed->isVisible(), cell("shown") == "true");
        if (!placed->isVisible()) {
            QCOMPARE(main.width(), cell("window").toInt()); // the fields keep all their room
            return;
        }
        QTRY_COMPARE(placed->width(), qMin(room, wanted));
        QCOMPARE(main.width(), cell("window").toInt() + qMin(room, wanted));
    }

    void dockIsRememberedWithTheWindow()
    {
        QVERIFY(dock()->isVisible());
        widget<QAction>("actionShowAnalysis")->trigger();
        QVERIFY(!dock()->isVisible());
        window->close();
        window = std::make_unique<Vorlan>();
        window->show();
        QVERIFY(!dock()->isVisible());
        widget<QAction>("actionShowAnalysis")->trigger();
        window->close();
        window = std::make_unique<Vorlan>();
        window->show();
        QVERIFY(dock()->isVisible());
    }
};

QTEST_MAIN(TestAnalysisDock)
#include "tst_analysisdock.moc"
