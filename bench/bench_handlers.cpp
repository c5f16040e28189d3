#include "form.h"
#include "form1.h"
#include "form1design.h"
#include "qtform.h"
#include "qtlistbox.h"
#include "ratioreporter.h"
#include "readpass.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

#include <memory>

// The window's handlers on a force list of 1, 1,000 and 32,767 entries, each
// driven the way a user drives it (a button's click, a key press) and set
// against one pass that only reads the texts of the same list.

namespace {

constexpr int fullList = toolkit::ListBox::MaxCount;

struct Window {
    Window()
    {
        form.show();
        QCoreApplication::processEvents();
        using toolkit::qt::controlOf;
        force = qobject_cast<toolkit::qt::QtListBox*>(controlOf(form.form(), "List1", 0));
        units = &form.form().listBox(design::List3, 0);
        add = qobject_cast<QPushButton*>(controlOf(form.form(), "Command2", 0));
        clear = qobject_cast<QPushButton*>(controlOf(form.form(), "Command3", 0));
        units->setListIndex(4); // Knight
    }

    // Puts the list at exactly this many entries, every unit name in turn.
    void fill(int entries)
    {
        while (force->ListCount() > entries)
            force->RemoveItem(static_cast<toolkit::Row>(force->ListCount() - 1));
        while (force->ListCount() < entries)
            force->AddItem(
                units->List(static_cast<toolkit::Row>(force->ListCount() % units->ListCount())));
        // Let the list lay itself out, as it would between two user actions.
        QCoreApplication::processEvents();
    }

    Form1 form;
    toolkit::qt::QtListBox* force = nullptr;
    toolkit::ListBox* units = nullptr;
    QPushButton* add = nullptr;
    QPushButton* clear = nullptr;
};

// Made in main, after the application and destroyed before it.
Window* current = nullptr;

Window& window()
{
    return *current;
}

void readPass(benchmark::State& state)
{
    Window& w = window();
    w.fill(int(state.range(0)));
    readEveryEntry(state, *w.force);
}

// What every key in a force list costs the program: a recalculation, its
// labels and the headings, with the list left as it was.
void keyUpdate(benchmark::State& state)
{
    Window& w = window();
    w.fill(int(state.range(0)));
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
        QApplication::sendEvent(w.force, &press);
    }
}

void addHandler(benchmark::State& state)
{
    Window& w = window();
    const int entries = int(state.range(0));
    w.fill(entries);
    for (auto _ : state) {
        w.add->click();
        state.PauseTiming();
        w.fill(entries); // a full list took nothing; any other gave up its new last entry
        state.ResumeTiming();
    }
}

void deleteHandler(benchmark::State& state)
{
    Window& w = window();
    const int entries = int(state.range(0));
    w.fill(entries);
    for (auto _ : state) {
        state.PauseTiming();
        w.force->setListIndex(static_cast<toolkit::Row>(entries / 2));
        state.ResumeTiming();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
        QApplication::sendEvent(w.force, &press);
        state.PauseTiming();
        w.fill(entries);
        state.ResumeTiming();
    }
}

// Clear through its button, then the list filled again to where it was.
void clearAndRefill(benchmark::State& state)
{
    Window& w = window();
    const int entries = int(state.range(0));
    w.fill(entries);
    for (auto _ : state) {
        w.clear->click();
        for (int row = 0; row < entries; ++row)
            w.force->AddItem(w.units->List(static_cast<toolkit::Row>(row % w.units->ListCount())));
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void sizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(1)
        ->Arg(1000)
        ->Arg(fullList)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(7)
        ->ReportAggregatesOnly(true);
}

} // namespace

BENCHMARK(readPass)->Apply(sizes);
BENCHMARK(keyUpdate)->Apply(sizes);
BENCHMARK(addHandler)->Apply(sizes);
BENCHMARK(deleteHandler)->Apply(sizes);
BENCHMARK(clearAndRefill)->Apply(sizes);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto instance = std::make_unique<Window>();
    current = instance.get();

    std::vector<RatioReporter::Figure> figures;
    const std::string full = "/" + std::to_string(fullList);
    // Reading a row is a view into the list's own storage, so the read pass
    // is a floor no handler that changes a list can come near; each handler is
    // held against the update every key press makes.
    figures.push_back({"Key update on a full list", "keyUpdate" + full, "readPass" + full});
    figures.push_back({"Add on a full list", "addHandler" + full, "keyUpdate" + full, 1.5});
    figures.push_back({"Delete on a full list", "deleteHandler" + full, "keyUpdate" + full, 5});
    figures.push_back({"Clear and refill a full list", "clearAndRefill" + full, "readPass" + full});
    // Linear growth: past the fixed cost of one event, the time per entry stays flat.
    const std::vector<long> sizes{1, 1000, fullList};
    const std::vector<RatioReporter::Growth> growths{
        {"read-only pass", "readPass", sizes},         {"key update", "keyUpdate", sizes},
        {"Add handler", "addHandler", sizes},          {"Delete handler", "deleteHandler", sizes},
        {"Clear and refill", "clearAndRefill", sizes},
    };
    return runBenchmarks(argc, argv, figures, growths);
}
