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
        // The program's icon, on the window and on message boxes that have no parent.
        const QImage icon = QIcon(":/res/icon.ico").pixmap(32).toImage();
        QCOMPARE(window->windowIcon().pixmap(32).toImage(), icon);
        QCOMPARE(QMessageBox().windowIcon().pixmap(32).toImage(), icon);
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

    void shortcuts_data()
    {
        // Keys pressed in a field, and the action or the menu they reach.
        addRows({"keys", "reaches"}, {{"Ctrl+N", "actionNew"},
                                      {"Ctrl+O", "actionOpen"},
                                      {"Ctrl+S", "actionSave"},
                                      {"Alt+F", "menuFile"},
                                      {"Alt+O", "menuOptions"},
                                      {"Alt+H", "menuHelp"}});
    }
    void shortcuts()
    {
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        edit("lineEditVersion")->setFocus();
        auto* action = widget<QAction>(cell("reaches"));
        QSignalSpy triggered(action ? action : widget<QMenu>(cell("reaches"))->menuAction(),
                             &QAction::triggered);
        QString opened;
        answerModals([&] {
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(cell("keys")));
            if (QWidget* menu = QApplication::activePopupWidget()) {
                opened = menu->objectName();
                menu->close();
            }
        });
        QCOMPARE(action ? triggered.count() : int(opened == cell("reaches")), 1);
        QVERIFY(edit("lineEditVersion")->text().isEmpty()); // nothing typed into the field
    }

    // Each shown widget that is cut: a label narrower or lower than its text, an edit not showing
    // its whole text (brought into view, as it scrolls its text when it paints), or a widget
    // reaching out of its parent (what a scroll area holds may be larger: it scrolls).
    static QStringList clipped(const QWidget* window)
    {
        QStringList found;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisible() || widget->isWindow())
                continue;
            const QSize hint = widget->sizeHint();
            if (qobject_cast<QLabel*>(widget) &&
                (widget->width() < hint.width() || widget->height() < hint.height()))
                found << widget->objectName() + " clipped";
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                window->findChild<QScrollArea*>()->ensureWidgetVisible(edit);
                const auto cursorX = [edit](bool end) {
                    end ? edit->end(false) : edit->home(false);
                    edit->repaint();
                    return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
                };
                if (cursorX(true) - cursorX(false) <
                    edit->fontMetrics().horizontalAdvance(edit->text()))
                    found << edit->objectName() + " cut";
            }
            QWidget* parent = widget->parentWidget();
            if (!qobject_cast<QAbstractScrollArea*>(parent->parentWidget()) &&
                !parent->rect().contains(widget->geometry()))
                found << widget->objectName() + " outside";
        }
        return found;
    }

    void fitsTheScreen_data()
    {
        // The application's font scaled, and the units chosen ("weight,length,g"), at 1366 x 768
        // showing subclass 44, whose constraints are the widest texts of the sample.
        addRows({"scale", "units"}, {{"100%", "1", "0,0,9.80665"},
                                     {"125% in pounds and inches", "1.25", "1,2,0"},
                                     {"150% in kilonewtons and feet", "1.5", "2,1,0"}});
    }
    void fitsTheScreen()
    {
        const QFont font = QApplication::font();
        QFont scaled = font;
        scaled.setPointSizeF(font.pointSizeF() * cell("scale").toDouble());
        QApplication::setFont(scaled);
        window = std::make_unique<Vorlan>();
        window->resize(1366, 768);
        window->show();
        window->openConfiguration(VORLAN_EXAMPLES "/motorway-site.conf");
        const QStringList units = cell("units").split(',');
        QMetaObject::invokeMethod(
            window.get(), "receiveUnits", Q_ARG(unsigned char, units[0].toUShort()),
            Q_ARG(unsigned char, units[1].toUShort()), Q_ARG(float, units[2].toFloat()));
        window->showSubclass(44);
        QTest::qWait(50); // for every layout to settle
        const QString found = clipped(window.get()).join(", ");
        QApplication::setFont(font);
        QCOMPARE(found, QString());
        // The central area scrolls to what does not fit; the status bar stays in sight.
        QVERIFY(window->rect().contains(widget<QStatusBar>("statusBar")->geometry()));
    }

    void exitClosesTheWindow()
    {
        // The platform's standard keys, none on some.
        QCOMPARE(widget<QAction>("actionExit")->shortcuts(),
                 QKeySequence::keyBindings(QKeySequence::Quit));
        window->show();
        widget<QAction>("actionExit")->trigger();
        QVERIFY(!window->isVisible());
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
