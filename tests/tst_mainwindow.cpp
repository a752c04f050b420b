// The main window as it comes up: title, command line, state, validators, About, updates.
// Every test runs under a German default locale, where a decimal point is a group separator.
#include "app/about.h"
#include "tests/windowdriver.h"

using namespace WindowDriver;

class TestMainWindow : public QObject, Fixture
{
    Q_OBJECT

    QList<QUrl> opened; // what the window handed to the desktop's browser

public slots:
    void openUrl(const QUrl& url) { opened << url; }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void init() { newWindow(); }

    void identityTitleAndStartLine()
    {
        // Settings and the About dialog are found under these names.
        QCOMPARE(QCoreApplication::organizationName() + '|' + QCoreApplication::applicationName() +
                     '|' + QCoreApplication::applicationVersion(),
                 QStringLiteral("Dravlin d.o.o|Vorlan|3.4.3"));
        QTest::ignoreMessage(QtDebugMsg, "Starting Vorlan v3.4.3");
        // Shown without the mark of a modified configuration, "*".
        QCOMPARE(Vorlan().windowTitle(), QStringLiteral("Vorlan v3.4.3[*]"));
    }

    void versionWithoutWindow()
    {
        // No display is needed: the platform is one that does not exist.
        QProcess vorlan;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "none");
        vorlan.setProcessEnvironment(environment);
        vorlan.start(VORLAN_EXE, {"--version"});
        QVERIFY(vorlan.waitForFinished(10000));
        QCOMPARE(vorlan.exitCode(), 0);
        QCOMPARE(vorlan.readAllStandardOutput(), "Vorlan 3.4.3\n");
    }

    void initiallyOnlyTheHeader()
    {
        for (const char* name :
             {"groupBoxSubclass", "groupBoxReclassify", "frameMiddle", "lineEditAddConstraint",
              "lineEditAddLowerConstraint", "MaxAxleWeightEdit1", "MaxAxleWeightBox1", "TyreType1"})
            QVERIFY2(widget<QWidget>(name)->isHidden(), name);
        // Hiding the subclass fields must not re-flow the header beside them.
        QVERIFY(widget<QWidget>("frameMiddle")->sizePolicy().retainSizeWhenHidden());
    }

    void validators_data()
    {
        // A field, what is typed into it, what it keeps and whether that is then acceptable.
        addRows({"name", "typed", "kept", "acceptable"},
                {
                    {"lineEditNumOfAxles", "1", "1", "no"},
                    {"lineEditNumOfAxles", "20", "20", "yes"},
                    {"lineEditNumOfAxles", "21", "21", "no"},
                    {"lineEditCountry", "Slovenia, 1.5", "Slovenia, 1.5", "yes"}, // any text
                    {"lineEditGroupMaxDist", "2.5", "2.5", "yes"},
                    {"lineEditMaxGrossWeight", "ab", "", "no"},
                    {"lineEditUnclassified", "1.5", "15", "yes"}, // whole numbers only
                    {"MaxAxleWeightEdit1", "9.5", "9.5", "yes"},
                    {"TyreType1", "2.5", "25", "yes"},
                });
    }
    void validators()
    {
        QLineEdit* typedInto = edit(cell("name"));
        QTest::keyClicks(typedInto, cell("typed"));
        QTEST(typedInto->text(), "kept");
        QTEST(QString(typedInto->hasAcceptableInput() ? "yes" : "no"), "acceptable");
    }

    void aboutShowsVersionAndIconAndEscapeClosesIt()
    {
        QString seen;
        answerModals([&] { widget<QAction>("actionAbout")->trigger(); },
                     [&](QWidget* about) {
                         const QPixmap icon =
                             about->findChild<QLabel*>("labelIcon")->pixmap(Qt::ReturnByValue);
                         seen = about->findChild<QLabel*>("labelVersion")->text() +
                                (icon.isNull() ? "" : " icon");
                         QTest::keyClick(about, Qt::Key_Escape);
                         seen += about->isVisible() ? " still open" : "";
                     });
        QCOMPARE(seen, QStringLiteral("Vorlan 3.4.3 (x64) icon"));
    }

    void updateOpensUpdatePage()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
        widget<QAction>("actionUpdate")->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        const QUrl expected(QStringLiteral("https://%1/ls.php?sw=korvat-ce&ch=stable")
                                .arg(QString::fromLatin1(AppIdentity::updateHost)));
        QCOMPARE(opened, QList<QUrl>({expected}));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
