// The window's handlers on a full force list, for the Windows program: the same
// cases as bench/bench_handlers.cpp, held against the same baseline (the update
// every key in a force list makes), in one process under Wine. Google Benchmark
// has no mingw-w64 build to link, so this times itself: the median over
// repetitions of the mean time of a batch of calls.

#include "application.h"
#include "form1.h"
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
constexpr int repetitions = 7;
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
    ListBox& force = form1.form().listBox("List1", 0);
    ListBox& units = form1.form().listBox("List3", 0);
    HWND window = nullptr;
    HWND list = nullptr;
    HWND add = nullptr;
};

// The median, in microseconds, of the mean time of one call; prepare runs
// untimed before each call.
double timed(const std::function<void()>& call, const std::function<void()>& prepare = {})
{
    std::vector<double> means;
    for (int repetition = 0; repetition < repetitions; ++repetition) {
        Clock::duration spent{};
        for (int i = 0; i < batch; ++i) {
            if (prepare)
                prepare();
            const auto start = Clock::now();
            call();
            spent += Clock::now() - start;
        }
        means.push_back(std::chrono::duration<double, std::micro>(spent).count() / batch);
    }
    std::ranges::nth_element(means, means.begin() + repetitions / 2);
    return means[repetitions / 2];
}

} // namespace

int main(int argc, char** argv)
{
    toolkit::Application application(argc > 0 ? argv[0] : "bench_handlers", identity());
    Window w;
    w.fill(fullList);

    // A key in the list that changes nothing in it (Shift): the recalculation,
    // the labels and the headings.
    const double key = timed([&] { SendMessageW(w.list, WM_KEYDOWN, VK_SHIFT, 0); });
    // Add on a full list: refused, with the same update.
    const double add = timed(
        [&] {
            SendMessageW(w.window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(w.add), BN_CLICKED),
                         LPARAM(w.add));
        },
        [&] { w.fill(fullList); });
    // Delete on the entry in the middle of a full list.
    const double remove = timed([&] { SendMessageW(w.list, WM_KEYDOWN, VK_DELETE, 0); },
                                [&] {
                                    w.fill(fullList);
                                    w.force.setListIndex(toolkit::Row(fullList / 2));
                                });

    struct Figure {
        const char* name;
        double value;
        double limit;
    };
    const Figure figures[] = {{"Add on a full list", add, 1.5},
                              {"Delete on a full list", remove, 5}};
    std::printf("%-44s %14s %14s %8s %8s\n", "figure (Windows)", "value", "baseline", "ratio",
                "limit");
    bool within = true;
    for (const Figure& figure : figures) {
        const double ratio = figure.value / key;
        const bool fits = ratio <= figure.limit;
        within = within && fits;
        std::printf("%-44s %11.1f us %11.1f us %8.2f %8.2f%s\n", figure.name, figure.value, key,
                    ratio, figure.limit, fits ? "" : "  OVER");
    }
    std::fflush(stdout);
    return within ? 0 : 1;
}
