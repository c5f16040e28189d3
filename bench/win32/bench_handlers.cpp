// The window's handlers on a full force list, for the Windows program: the same
// cases as bench/bench_handlers.cpp, held against the same baseline (the update
// every key in a force list makes), in one process under Wine. Google Benchmark
// has no mingw-w64 build to link, so this times itself: batches of calls, the
// cases in turn, and the median over repetitions of each batch's ratio to the
// key's batch beside it.

#include "application.h"
#include "form1.h"
#include "form1design.h"
#include "identity.h"
#include "listbox.h"
#include "win32application.h"
#include "win32form.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using toolkit::ListBox;
using Clock = std::chrono::steady_clock;

constexpr int fullList = ListBox::MaxCount;
constexpr int repetitions = 15;
constexpr int batch = 20;

void handleEvents()
{
    MSG message;
    do {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            toolkit::win32::dispatch(message);
    } while (toolkit::win32::idle());
}

struct Window {
    Window()
    {
        form1.show();
        handleEvents();
        const auto& form = dynamic_cast<const toolkit::win32::Win32Form&>(form1.form());
        window = form.handle();
        list = form.control("List1", 0);
        add = form.control("Command2", 0);
        units.setListIndex(4); // Knight
    }

    // Puts the list at exactly this many entries, every unit name in turn, and
    // lets the window draw it, as between two user actions.
    void fill(int entries)
    {
        while (force.ListCount() > entries)
            force.RemoveItem(toolkit::Row(force.ListCount() - 1));
        while (force.ListCount() < entries)
            force.AddItem(units.List(toolkit::Row(force.ListCount() % units.ListCount())));
        handleEvents();
    }

    Form1 form1;
    ListBox& force = form1.form().listBox(design::List1, 0);
    ListBox& units = form1.form().listBox(design::List3, 0);
    HWND window = nullptr;
    HWND list = nullptr;
    HWND add = nullptr;
};

// The mean time of one call in a batch, in microseconds; prepare runs untimed
// before each call.
double batchMean(const std::function<void()>& call, const std::function<void()>& prepare)
{
    Clock::duration spent{};
    for (int i = 0; i < batch; ++i) {
        prepare();
        const auto start = Clock::now();
        call();
        spent += Clock::now() - start;
    }
    return std::chrono::duration<double, std::micro>(spent).count() / batch;
}

double median(std::vector<double> values)
{
    std::ranges::nth_element(values, values.begin() + std::ssize(values) / 2);
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    toolkit::Application application(argc > 0 ? argv[0] : "bench_handlers", identity());
    Window w;
    w.fill(fullList);

    // Each call starts from a window that has drawn what the one before changed.
    const auto drawn = [&] {
        w.fill(fullList);
    };
    // A key in the list that changes nothing in it (Shift): the recalculation,
    // the labels and the headings.
    const auto key = [&] {
        SendMessageW(w.list, WM_KEYDOWN, VK_SHIFT, 0);
    };
    // Add on a full list: refused, with the same update.
    const auto add = [&] {
        SendMessageW(w.window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(w.add), BN_CLICKED),
                     LPARAM(w.add));
    };
    // Delete on the entry in the middle of a full list.
    const auto remove = [&] {
        SendMessageW(w.list, WM_KEYDOWN, VK_DELETE, 0);
    };
    const auto middleSelected = [&] {
        w.fill(fullList);
        w.force.setListIndex(toolkit::Row(fullList / 2));
    };

    // The cases take turns, so that whatever else the machine does falls on each alike.
    std::vector<double> keys, adds, removes, addRatios, removeRatios;
    for (int repetition = 0; repetition < repetitions; ++repetition) {
        keys.push_back(batchMean(key, drawn));
        adds.push_back(batchMean(add, drawn));
        removes.push_back(batchMean(remove, middleSelected));
        addRatios.push_back(adds.back() / keys.back());
        removeRatios.push_back(removes.back() / keys.back());
    }

    struct Figure {
        const char* name;
        std::vector<double>& values;
        std::vector<double>& ratios;
        double limit;
    };
    const Figure figures[] = {{"Add on a full list", adds, addRatios, 1.5},
                              {"Delete on a full list", removes, removeRatios, 5}};
    std::printf("%-44s %14s %14s %8s %8s\n", "figure (Windows, medians)", "value", "baseline",
                "ratio", "limit");
    bool within = true;
    for (const Figure& figure : figures) {
        const double ratio = median(figure.ratios);
        const bool fits = ratio <= figure.limit;
        within = within && fits;
        std::printf("%-44s %11.1f us %11.1f us %8.2f %8.2f%s\n", figure.name, median(figure.values),
                    median(keys), ratio, figure.limit, fits ? "" : "  OVER");
    }
    std::fflush(stdout);
    return within ? 0 : 1;
}
