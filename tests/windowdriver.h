#pragma once

// Small helpers for driving the main window in tests as a user would.
#include "app/appidentity.h"
#include "ui/vorlan.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>

namespace WindowDriver {

// The background colour name a field's style sheet sets, such as "lime"; empty when none.
inline QString background(const QLineEdit* edit)
{
    QRegExp colour(QStringLiteral("background-color:\\s*(\\w+)"));
    return colour.indexIn(edit->styleSheet()) >= 0 ? colour.cap(1) : QString();
}

// The tool tip of the warning mark shown inside a field; empty when it shows none.
inline QString warningMark(const QLineEdit* edit)
{
    const auto* mark = edit->findChild<QAction*>("warningMark");
    return mark && mark->isVisible() ? mark->toolTip() : QString();
}

// Replaces the whole text of an edit by typing, so every keystroke is a user edit.
inline void retype(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        QTest::keyClicks(edit, text);
}

inline QString writeFile(const QTemporaryDir& dir, const QString& name, const QString& text)
{
    QFile file(dir.filePath(name));
    const bool written = file.open(QIODevice::WriteOnly) && file.write(text.toLatin1()) >= 0;
    return written ? file.fileName() : QString();
}

// What a user sees of each named widget: "name=text colour" (the colour of a line edit, when it
// has one), "name hidden" when it or a parent is hidden, or "name missing" when there is none. Each
// name may come with anything after a '=' or ' ', so the expected texts themselves can name the
// widgets.
inline QStringList onScreen(const QWidget* window, const QStringList& names)
{
    QStringList seen;
    for (const QString& entry : names) {
        const QString name = entry.section(QRegExp("[= ]"), 0, 0);
        const auto* widget = window->findChild<QWidget*>(name);
        if (!widget || !widget->isVisibleTo(window)) {
            seen << name + (widget ? " hidden" : " missing");
            continue;
        }
        const auto* edit = qobject_cast<const QLineEdit*>(widget);
        const QString colour = edit ? background(edit) : QString();
        seen << name + '=' + widget->property("text").toString() +
                    (colour.isEmpty() ? QString() : ' ' + colour);
    }
    return seen;
}

// "name=text" of each shown line edit whose name starts with prefix, sorted.
inline QStringList shownEdits(const QWidget* window, const QString& prefix)
{
    QStringList shown;
    for (const QLineEdit* edit : window->findChildren<QLineEdit*>(QRegularExpression("^" + prefix)))
        if (!edit->isHidden())
            shown << edit->objectName() + '=' + edit->text();
    shown.sort();
    return shown;
}

// Answers a file dialog with path as typed, so an existing file is not questioned again; an
// empty path cancels it.
inline void chooseFile(QWidget* modal, const QString& path)
{
    if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
        // Not the file the dialog started at, which it may still be selecting.
        dialog->selectFile(path);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
        static_cast<QDialog*>(dialog)->done(path.isEmpty() ? QDialog::Rejected : QDialog::Accepted);
    }
}

// A header and a two-axle truck that pass every check, written as the writer writes them.
const QString siteHeader = "[classes]\ncountry_code=SI\ngroup_max_distance__m=2\n"
                           "max_axle_distance__m=15\nmin_axle_distance__m=0.8\n"
                           "unclassified_vehicle_subclass=140\n\n";
const QString truckBody =
    "axle_configuration=H2\ncategory=4\nmax_GVW__kN=176.5\nnumber_of_axles=2\n"
    "tyre_type=1,2\nmax_axle_weight__kN=1,69.6;2,112.8\n"
    "max_axle_distance__m=6.5\nmin_axle_distance__m=3.2\n";

inline QString sectionText(int number, const QString& body)
{
    return QStringLiteral("[subclass_%1]\n").arg(number) + body + QLatin1Char('\n');
}

inline QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

// The subclass numbers a list shows, without "subclass_".
inline QStringList listedNumbers(const QComboBox* box)
{
    QStringList numbers;
    for (int i = 0; i < box->count(); ++i)
        numbers << box->itemText(i).remove(QStringLiteral("subclass_"));
    return numbers;
}

// Each step types into the line edit it names ("lineEditCopy 25"), picks an item of the combo box
// it names ("comboBoxAddConstraint=Distance"), or clicks the button or check box it names.
// Buttons take clicks only while the window is on screen.
inline void perform(const QWidget* window, const QStringList& steps)
{
    for (const QString& step : steps) {
        if (auto* edit = window->findChild<QLineEdit*>(step.section(' ', 0, 0)))
            retype(edit, step.section(' ', 1));
        else if (auto* box = window->findChild<QComboBox*>(step.section('=', 0, 0)))
            box->setCurrentText(step.section('=', 1));
        else
            QTest::mouseClick(window->findChild<QAbstractButton*>(step), Qt::LeftButton);
    }
}

// Clicks the button of a message box that has the text given ("Save", "Yes"); an empty text
// leaves the box alone.
inline void press(QWidget* modal, const QString& text)
{
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        for (QAbstractButton* button : box->buttons())
            if (!text.isEmpty() && button->text().remove('&') == text)
                return button->click();
}

// Drops files onto a widget, as a file manager would: as addresses and as text, which a line edit
// would take.
inline bool drop(QWidget* target, const QStringList& paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    data.setText(paths.join('\n'));
    // The drop goes where the drag was taken in.
    QDragEnterEvent enter(target->rect().center(), Qt::CopyAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent dropped(enter.pos(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    return enter.isAccepted() && dropped.isAccepted();
}

// Runs action and hands each modal dialog it opens to answer; a dialog left open is closed, so
// a message box takes its escape button. Returns "title|text" of each message box and
// "title|filters" of each file dialog, in turn.
inline QStringList answerModals(const std::function<void()>& action,
                                const std::function<void(QWidget*)>& answer = {})
{
    QStringList seen;
    QPointer<QWidget> answered;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == answered)
            return;
        answered = modal;
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            seen << box->windowTitle() + '|' + box->text();
        else if (auto* dialog = qobject_cast<QFileDialog*>(modal))
            seen << dialog->windowTitle() + '|' + dialog->nameFilters().join(';');
        if (answer)
            answer(modal);
        if (answered && answered->isVisible())
            answered->close();
    });
    timer.start(10);
    action();
    return seen;
}

// String columns named by literals, which outlive the table. A row with one text more than there
// are columns starts with its tag; any other is tagged by its first two texts.
inline void addRows(std::initializer_list<const char*> columns,
                    std::initializer_list<QStringList> rows)
{
    for (const char* column : columns)
        QTest::addColumn<QString>(column);
    for (QStringList row : rows) {
        const QString tag =
            row.size() > int(columns.size()) ? row.takeFirst() : row[0] + ' ' + row[1];
        QTestData& data = QTest::newRow(qPrintable(tag));
        for (const QString& text : row)
            data << text;
    }
}

// The current row's text in a string column.
inline QString cell(const char* column)
{
    return *static_cast<QString*>(QTest::qData(column, qMetaTypeId<QString>()));
}

// The scenes of the window's two vehicle pictures.
inline QList<QGraphicsScene*> windowScenes(const QWidget* window)
{
    QList<QGraphicsScene*> scenes;
    for (const QGraphicsView* view : window->findChildren<QGraphicsView*>())
        scenes << view->scene();
    return scenes;
}

// What the two vehicle pictures hold, to tell whether they were drawn again.
inline QString pictures(const QWidget* window)
{
    QStringList seen;
    for (const QGraphicsScene* scene : windowScenes(window))
        for (const QGraphicsItem* item : scene->items())
            seen << QString("%1@%2").arg(item->type()).arg(item->scenePos().x());
    return seen.join(' ');
}

// What each window test holds: a scratch folder and the window its init() makes. The test object
// is built after the application object, so this also sets up what main() would.
struct Fixture
{
    Fixture()
    {
        applyApplicationIdentity();
        initEmbeddedResources();
        // Settings of this test alone: test programs run side by side, and never touch the
        // user's own.
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    }
    QTemporaryDir settingsDir;
    // A window as on the program's first run.
    void newWindow()
    {
        QSettings().clear();
        window = std::make_unique<Vorlan>();
    }
    QTemporaryDir dir;
    std::unique_ptr<Vorlan> window;

    template <class T> T* widget(const QString& name) const { return window->findChild<T*>(name); }
    QLineEdit* edit(const QString& name) const { return widget<QLineEdit>(name); }
    void open(const QString& text) { window->openConfiguration(writeFile(dir, "in.conf", text)); }
};

} // namespace WindowDriver
