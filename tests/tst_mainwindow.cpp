// The main window as it comes up: identity, state, validators, menus, shortcuts, About, updates.
// Every test runs under a German default locale, where a decimal point is a group separator.
#include "app/about.h"
#include "app/appidentity.h"
#include "tests/windowdriver.h"
#include "ui/vorlan.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace WindowDriver;

class TestMainWindow : public QObject
{
    Q_OBJECT

    template <class T> T* widget(const char* name) const { return window->findChild<T*>(name); }

    std::unique_ptr<Vorlan> window;
    QList<QUrl> opened; // what the window handed to the desktop's browser

public slots:
    void openUrl(const QUrl& url) { opened << url; }

private slots:
    void initTestCase()
    {
        applyApplicationIdentity();
        initEmbeddedResources();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void init() { window = std::make_unique<Vorlan>(); }
    void cleanup() { window.reset(); }

    void titleAndIdentity()
    {
        QTest::ignoreMessage(QtDebugMsg, "Starting Vorlan v3.4.3");
        QCOMPARE(Vorlan().windowTitle(), QStringLiteral("Vorlan v3.4.3"));
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Dravlin d.o.o"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Vorlan"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("3.4.3"));
    }

    // Axle 1's editors are made in code; an edit's axle is its place after the frame's caption.
    void firstAxleEditorsFollowTheirCaptions()
    {
        for (const auto& [name, frame] :
             {std::pair{"MaxAxleWeightEdit1", "frameMaxAxleWeightsEdits"},
              {"MaxAxleWeightBox1", "frameMaxAxleWeightsBoxes"},
              {"TyreType1", "frameTyreTypes"}})
            QVERIFY2(widget<QWidget>(frame)->layout()->indexOf(widget<QWidget>(name)) == 1, name);
    }

    void initialVisibilityAndColours()
    {
        const QStringList red = {"lineEditCountry", "lineEditGroupMaxDist", "lineEditUnclassified"};
        for (const char* name :
             {"lineEditVersion", "lineEditCountry", "lineEditGroupMaxDist",
              "lineEditMinAxleSpacing", "lineEditMinAvgAxleWeight", "lineEditMaxAxleDist",
              "lineEditMinAxleDist", "lineEditUnclassified", "lineEditUncategorised"})
            QVERIFY2(background(widget<QLineEdit>(name)) == (red.contains(name) ? "red" : "lime"),
                     name);
        for (const char* name :
             {"groupBoxSubclass", "groupBoxReclassify", "frameMiddle", "lineEditAddConstraint",
              "lineEditAddLowerConstraint", "MaxAxleWeightEdit1", "MaxAxleWeightBox1", "TyreType1"})
            QVERIFY2(widget<QWidget>(name)->isHidden(), name);
        // Hiding the subclass fields must not re-flow the header beside them.
        QVERIFY(widget<QWidget>("frameMiddle")->sizePolicy().retainSizeWhenHidden());
    }

    void validators_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("acceptable");
        const auto row = [](const char* name, const char* typed, const char* kept, bool ok) {
            QTest::addRow("%s %s", name, typed) << name << typed << kept << ok;
        };
        row("lineEditNumOfAxles", "1", "1", false);
        row("lineEditNumOfAxles", "2", "2", true);
        row("lineEditNumOfAxles", "20", "20", true);
        row("lineEditNumOfAxles", "21", "21", false);
        row("lineEditCountry", "Slovenia, 1.5", "Slovenia, 1.5", true); // any text
        row("lineEditGroupMaxDist", "2.5", "2.5", true);
        row("lineEditMaxGrossWeight", "ab", "", false);
        row("lineEditUnclassified", "1.5", "15", true); // whole numbers only
        row("MaxAxleWeightEdit1", "9.5", "9.5", true);
        row("TyreType1", "2.5", "25", true);
    }

    void validators()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        auto* edit = window->findChild<QLineEdit*>(name);
        QTest::keyClicks(edit, typed);
        QTEST(edit->text(), "kept");
        QTEST(edit->hasAcceptableInput(), "acceptable");
    }

    void menus()
    {
        QStringList shown;
        for (QAction* title : widget<QMenuBar>("menubar")->actions()) {
            QStringList entries;
            for (QAction* entry : title->menu()->actions())
                if (entry->isVisible())
                    entries << entry->text();
            shown << title->text() + ": " + entries.join(", ");
        }
        QCOMPARE(shown.join(" | "),
                 QStringLiteral("File: New, Open, Save, Exit | Options: "
                                "Configuration | Help: About, Check for Updates"));
        window->show();
        widget<QAction>("actionExit")->trigger();
        QVERIFY(!window->isVisible());
    }

    void shortcuts()
    {
        auto* subclasses = widget<QComboBox>("comboBoxSubclasses");
        subclasses->addItems({"subclass_1", "subclass_5", "subclass_12"});
        subclasses->setCurrentIndex(1);
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        // Each key and the list entry it leads to, including both ends of the list.
        for (const QString& step :
             QStringLiteral("Up=0 Up=0 Alt+Right=1 Down=2 Down=2 Alt+Left=1").split(' ')) {
            const int key = QKeySequence(step.section('=', 0, 0))[0];
            QTest::keyClick(widget<QLineEdit>("lineEditVersion"),
                            Qt::Key(key & ~Qt::KeyboardModifierMask),
                            Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
            QVERIFY2(subclasses->currentIndex() == step.section('=', 1).toInt(), qPrintable(step));
        }
    }

    void aboutShowsVersionAndIconAndEscapeClosesIt()
    {
        QString seen;
        QTimer::singleShot(0, this, [&] {
            if (auto* about = qobject_cast<About*>(QApplication::activeModalWidget())) {
                const QPixmap icon =
                    about->findChild<QLabel*>("labelIcon")->pixmap(Qt::ReturnByValue);
                seen = about->findChild<QLabel*>("labelVersion")->text() +
                       (icon.isNull() ? "" : " icon");
                QTest::keyClick(about, Qt::Key_Escape);
                if (about->isVisible()) { // Escape failed; close it so that the test goes on
                    seen += " still open";
                    about->close();
                }
            }
        });
        widget<QAction>("actionAbout")->trigger();
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
