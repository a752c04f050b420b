// The window on large configurations: Open, moving to the next subclass, single keystrokes and
// what the undo history of keystrokes holds, in one offscreen window driven as a user would drive
// it. Every timed step ends once the events it posted (layout, repaint) are handled, so what it
// costs on screen is counted too.
#include "benchfiles.h"
#include "cases.h"
#include "goals.h"

#include "ui/vorlan.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QtTest>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace {

// One window for every case; it keeps the size last opened, so the cases of one size share it.
struct BenchWindow
{
    std::unique_ptr<Vorlan> window;
    int opened = -1;
};

BenchWindow& bench_window()
{
    static BenchWindow holder;
    return holder;
}

BenchFiles& files()
{
    return BenchFiles::instance();
}

void settle()
{
    QCoreApplication::processEvents();
}

Vorlan& window_with(int subclasses)
{
    BenchWindow& holder = bench_window();
    if (!holder.window) {
        holder.window = std::make_unique<Vorlan>();
        holder.window->show();
        settle();
    }
    if (holder.opened != subclasses) {
        const QString& path = files().path(subclasses);
        files().touch(path);
        holder.window->openConfiguration(path);
        settle();
        holder.opened = subclasses;
    }
    return *holder.window;
}

template <typename Widget> Widget* child(Vorlan& window, const char* name)
{
    return window.findChild<Widget*>(QLatin1String(name));
}

// The first subclass's fields are filled when its number stands in the number field.
bool first_subclass_shown(Vorlan& window)
{
    auto* list = child<QComboBox>(window, "comboBoxSubclasses");
    auto* number = child<QLineEdit>(window, "lineEditSubclass");
    return list && number && list->currentIndex() == 0 &&
           list->currentText() == QStringLiteral("subclass_") + number->text() &&
           window.configuration().has_subclass(number->text().toUInt());
}

// Each timed step is a function of its own, so that a profiler can be pointed at exactly what
// one iteration times: valgrind --tool=callgrind --toggle-collect='*open_step*' ...
Q_NEVER_INLINE void open_step(Vorlan& window, const QString& path)
{
    window.openConfiguration(path);
    settle();
}

Q_NEVER_INLINE void select_step(QComboBox* list, int index)
{
    list->setCurrentIndex(index);
    settle();
}

Q_NEVER_INLINE void key_step(QLineEdit* edit, Qt::Key key)
{
    QTest::keyClick(edit, key);
    settle();
}

// The first Open of a session: a new window, shown and empty, opens the file.
void open_case(benchmark::State& state, int subclasses)
{
    const QString& path = files().path(subclasses);
    bool shown = true;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<Vorlan>();
        window->show();
        settle();
        files().touch(path);
        state.ResumeTiming();
        open_step(*window, path);
        state.PauseTiming();
        shown = shown && first_subclass_shown(*window);
        window.reset();
        state.ResumeTiming();
    }
    if (!shown)
        state.SkipWithError("Open did not show the first subclass");
}

// Open again over a configuration of the same size: the previous configuration and its lists
// go as part of the command.
void reopen_case(benchmark::State& state, int subclasses)
{
    Vorlan& window = window_with(subclasses);
    const QString& path = files().path(subclasses);
    for (auto _ : state) {
        state.PauseTiming();
        files().touch(path);
        state.ResumeTiming();
        open_step(window, path);
    }
    if (!first_subclass_shown(window))
        state.SkipWithError("Open did not show the first subclass");
}

void next_subclass_case(benchmark::State& state, int subclasses)
{
    Vorlan& window = window_with(subclasses);
    auto* list = child<QComboBox>(window, "comboBoxSubclasses");
    if (!list || list->count() < 2) {
        state.SkipWithError("no subclasses to move between");
        return;
    }
    for (auto _ : state) {
        const int next = list->currentIndex() + 1;
        select_step(list, next < list->count() ? next : 0);
    }
    select_step(list, 0);
}

void retype(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        QTest::keyClicks(edit, text);
    settle();
}

// The header's minimum axle distance raised to 1 m as a user would type it, for as long as this
// lives: about half of the generated subclasses have a gap shorter than that, so the invalid
// list holds thousands of them at 10,000.
class RaisedMinimum
{
public:
    explicit RaisedMinimum(Vorlan& window)
        : edit(child<QLineEdit>(window, "lineEditMinAxleDist")),
          invalid(child<QComboBox>(window, "comboBoxInvalid"))
    {
        if (edit && invalid) {
            before = edit->text();
            retype(edit, QStringLiteral("1"));
        }
    }
    ~RaisedMinimum()
    {
        if (edit && invalid)
            retype(edit, before);
    }
    RaisedMinimum(const RaisedMinimum&) = delete;
    RaisedMinimum& operator=(const RaisedMinimum&) = delete;

    // Whether at least a third of the subclasses are listed as invalid.
    bool raised(int subclasses) const { return invalid && 3 * invalid->count() >= subclasses; }
    bool listed(const QString& item) const { return invalid->findText(item) >= 0; }

private:
    QLineEdit* edit;
    QComboBox* invalid;
    QString before;
};

enum class Listed
{
    asRead,
    halfInvalid
};

// Alternates a digit typed at the end of the edit and Backspace, so the text, the record and
// the invalid list come back to where they were every second keystroke. With half the
// subclasses invalid, the edited subclass is the first valid one: it is not in the invalid list,
// which a search through the whole list would find out only at its end.
void keystroke_case(benchmark::State& state, int subclasses, const char* editName, Listed listed)
{
    Vorlan& window = window_with(subclasses);
    auto* list = child<QComboBox>(window, "comboBoxSubclasses");
    auto* edit = child<QLineEdit>(window, editName);
    if (!list || !edit) {
        state.SkipWithError("edit not found");
        return;
    }
    std::optional<RaisedMinimum> minimum;
    int shown = 0;
    if (listed == Listed::halfInvalid) {
        minimum.emplace(window);
        if (!minimum->raised(subclasses)) {
            state.SkipWithError("raising the minimum axle distance left the subclasses valid");
            return;
        }
        while (shown < list->count() && minimum->listed(list->itemText(shown)))
            ++shown;
    }
    select_step(list, shown);
    edit->end(false);
    const QString before = edit->text();
    // A keystroke the validator refuses would time nothing at all.
    QTest::keyClick(edit, Qt::Key_5);
    const bool typed = edit->text() == before + QLatin1Char('5');
    QTest::keyClick(edit, Qt::Key_Backspace);
    settle();
    if (!typed || edit->text() != before) {
        state.SkipWithError("the edit does not take a digit at its end");
        return;
    }

    bool digit = true;
    for (auto _ : state) {
        key_step(edit, digit ? Qt::Key_5 : Qt::Key_Backspace);
        digit = !digit;
    }
    if (!digit)
        key_step(edit, Qt::Key_Backspace);
    select_step(list, 0);
}

// Keystrokes that each start a step of the undo history of their own: a digit or Backspace typed
// into the first axle weight and the second in turn, so that no keystroke joins the step of the
// one before. The texts come back to where they were every four keystrokes.
class AlternatingKeys
{
public:
    // Shows the first subclass of the configuration of that size.
    explicit AlternatingKeys(int subclasses)
    {
        Vorlan& window = window_with(subclasses);
        select_step(child<QComboBox>(window, "comboBoxSubclasses"), 0);
        edits[0] = child<QLineEdit>(window, "MaxAxleWeightEdit1");
        edits[1] = child<QLineEdit>(window, "MaxAxleWeightEdit2");
    }
    // Whether both edits are there; a case without them stops with an error.
    bool found(benchmark::State& state) const
    {
        if (!edits[0] || !edits[1])
            state.SkipWithError("axle weight edits not found");
        return edits[0] && edits[1];
    }
    Q_NEVER_INLINE void type()
    {
        QLineEdit* edit = edits[count % 2];
        edit->end(false);
        key_step(edit, count % 4 < 2 ? Qt::Key_5 : Qt::Key_Backspace);
        ++count;
    }
    // Brings both texts back.
    void finish()
    {
        while (count % 4 != 0)
            type();
    }

private:
    QLineEdit* edits[2] = {};
    int count = 0;
};

void new_step_key_case(benchmark::State& state, int subclasses)
{
    AlternatingKeys keys(subclasses);
    if (!keys.found(state))
        return;
    for (auto _ : state)
        keys.type();
    keys.finish();
}

// The heap in use, as the allocator counts it: what the program holds, not what the system gave.
double heap_megabytes()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / 1e6;
}

// What 1,000 steps of keystrokes add to the heap. The window then opens the file again, so that
// the cases after this one start from an empty history.
void history_memory_case(benchmark::State& state, int subclasses)
{
    const int steps = 1000;
    AlternatingKeys keys(subclasses);
    if (!keys.found(state))
        return;
    double added = 0.0;
    for (auto _ : state) {
        const double before = heap_megabytes();
        for (int i = 0; i < steps; ++i)
            keys.type();
        added = heap_megabytes() - before;
    }
    keys.finish();
    bench_window().opened = -1;
    state.counters["history_MB"] = added;
    if (added > 50.0)
        state.SkipWithError("1,000 undo steps added more than 50 MB");
}

void add(const std::string& what, int subclasses, std::function<void(benchmark::State&)> body)
{
    const std::string name = what + "/" + std::to_string(subclasses);
    benchmark::RegisterBenchmark(name.c_str(), std::move(body))
        ->Unit(subclasses >= 10000 ? benchmark::kMillisecond : benchmark::kMicrosecond);
}

} // namespace

void register_window_benchmarks()
{
    // The window logs every edit, and warns of every row it empties that the record did not
    // hold; thousands of keystrokes would print nothing else. The cases check their own
    // outcome. QT_LOGGING_RULES still turns the messages back on.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.warning=false"));

    for (int subclasses : {100, 1000, 10000}) {
        add("window_open", subclasses,
            [=](benchmark::State& state) { open_case(state, subclasses); });
        add("window_reopen", subclasses,
            [=](benchmark::State& state) { reopen_case(state, subclasses); });
        add("window_next_subclass", subclasses,
            [=](benchmark::State& state) { next_subclass_case(state, subclasses); });
        add("window_key_new_step", subclasses,
            [=](benchmark::State& state) { new_step_key_case(state, subclasses); });
        for (Listed listed : {Listed::asRead, Listed::halfInvalid}) {
            const char* variant = listed == Listed::halfInvalid ? "/half_invalid" : "";
            add(std::string("window_axle_weight_key") + variant, subclasses,
                [=](benchmark::State& state) {
                    keystroke_case(state, subclasses, "MaxAxleWeightEdit1", listed);
                });
            add(std::string("window_max_axle_distance_key") + variant, subclasses,
                [=](benchmark::State& state) {
                    keystroke_case(state, subclasses, "lineEditMaxAxleDist", listed);
                });
        }
    }

    // One run only: it measures memory, and the keystrokes it types are timed by the case above.
    benchmark::RegisterBenchmark("window_history_memory/10000",
                                 [](benchmark::State& state) { history_memory_case(state, 10000); })
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);

    add_goal({"per-axle keystroke at 10,000 within 1.5x the one at 100",
              "window_axle_weight_key/10000", "window_axle_weight_key/100", 1.5, false});
    add_goal({"keystroke starting a new undo step at 10,000 within 1.5x the one at 100",
              "window_key_new_step/10000", "window_key_new_step/100", 1.5, false});
    add_goal({"Open to first subclass shown within 3x the load", "window_open/10000", "load/10000",
              3.0, false});
    add_goal({"header limit keystroke at 10,000 within 1.5x the one at 100",
              "window_max_axle_distance_key/10000", "window_max_axle_distance_key/100", 1.5,
              false});
}

void release_window_benchmarks()
{
    bench_window() = BenchWindow();
}
