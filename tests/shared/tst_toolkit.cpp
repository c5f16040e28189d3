#include "driver.h"
#include "label.h"
#include "listbox.h"
#include "testing.h"

#include <bit>
#include <memory>

using toolkit::ListBox;
using toolkit::Row;

namespace {

Texts rowsOf(const ListBox& list)
{
    Texts texts;
    for (Row row = 0; row < list.ListCount(); ++row)
        texts.emplace_back(list.List(row));
    return texts;
}

// An empty list of a test window, and the window it lives in.
struct EmptyList {
    std::unique_ptr<toolkit::Form> form = makeTestForm();
    ListBox& list = form->listBox(design::List1, 0);
};

void fill(ListBox& list, const Texts& entries)
{
    for (const std::u16string& entry : entries)
        list.AddItem(entry);
}

} // namespace

TEST_CASE("list operations")
{
    EmptyList test;
    ListBox& list = test.list;
    CHECK(list.ListCount() == 0);
    CHECK(list.ListIndex() == -1);

    CHECK(list.AddItem(u"Footman"));
    CHECK(list.AddItem(u""));
    CHECK(list.AddItem(u"Knight"));
    CHECK(rowsOf(list) == Texts{u"Footman", u"", u"Knight"});

    list.RemoveItem(0);
    CHECK(rowsOf(list) == Texts{u"", u"Knight"});

    list.Clear();
    CHECK(list.ListCount() == 0);
    CHECK(list.ListIndex() == -1);
}

TEST_CASE("list text outside rows")
{
    const struct {
        int entries;
        Row row;
    } rows[] = {{0, 0}, {0, -1}, {3, -1}, {3, 3}, {3, -32768}, {3, 32767}};
    for (const auto& [entries, row] : rows) {
        CAPTURE(entries);
        CAPTURE(row);
        EmptyList test;
        fill(test.list, {u"entry 0", u"entry 1", u"entry 2"});
        while (test.list.ListCount() > entries)
            test.list.RemoveItem(0);
        CHECK(test.list.List(row).empty());
        CHECK(test.list.ListCount() == entries);
    }
}

TEST_CASE("remove keeps no selection")
{
    EmptyList test;
    fill(test.list, {u"first", u"second", u"third"});
    test.list.setListIndex(1);
    CHECK(test.list.ListIndex() == 1);

    test.list.RemoveItem(test.list.ListIndex());
    CHECK(rowsOf(test.list) == Texts{u"first", u"third"});
    // A platform may move its cursor to a neighbour; that must not read as a selection.
    CHECK(test.list.ListIndex() == -1);
}

TEST_CASE("remove other row keeps selection")
{
    const struct {
        Row removed, selectedAfter;
    } rows[] = {{0, 0}, {2, 1}};
    for (const auto& [removed, selectedAfter] : rows) {
        CAPTURE(removed);
        EmptyList test;
        fill(test.list, {u"first", u"second", u"third"});
        test.list.setListIndex(1);
        test.list.RemoveItem(removed);
        CHECK(test.list.ListIndex() == selectedAfter);
        CHECK(test.list.List(test.list.ListIndex()) == u"second");
    }
}

TEST_CASE("remove ignores missing rows")
{
    EmptyList test;
    fill(test.list, {u"only"});
    test.list.RemoveItem(-1);
    test.list.RemoveItem(1);
    CHECK(rowsOf(test.list) == Texts{u"only"});
}

TEST_CASE("add refused when full")
{
    EmptyList test;
    ListBox& list = test.list;
    int refused = 0;
    for (int i = 0; i < 32767; ++i)
        refused += !list.AddItem(u"x");
    CHECK(refused == 0);
    CHECK(list.ListCount() == 32767);
    CHECK(!list.AddItem(u"one too many"));
    CHECK(list.ListCount() == 32767);
    CHECK(list.List(32766) == u"x");

    list.RemoveItem(0);
    CHECK(list.AddItem(u"last"));
    CHECK(list.List(32766) == u"last");
}

TEST_CASE("KeyDown raised before the list handles the key")
{
    const struct {
        toolkit::KeyCode key;
        toolkit::ShiftState shift;
    } rows[] = {{46, 0}, {46, 1}, {46, 2}, {46, 3}, {46, 4}, {40, 0}, {70, 0}};
    for (const auto& [key, shift] : rows) {
        CAPTURE(key);
        CAPTURE(shift);
        EmptyList test;
        fill(test.list, {u"Footman", u"Knight"});
        test.list.setListIndex(0);
        struct Seen {
            toolkit::Index index;
            toolkit::KeyCode key;
            toolkit::ShiftState shift;
            Row selected;
        };
        std::vector<Seen> seen;
        test.form->onKeyDown(design::List1, [&](auto index, auto keyCode, auto state) {
            seen.push_back({index, keyCode, state, test.list.ListIndex()});
        });
        test.form->show();
        const auto driver = Driver::create(*test.form);
        driver->focus("List1", 0);
        driver->press(key, shift);

        // Each modifier is pressed before the key, and reported as a key of its own.
        CHECK(seen.size() == 1 + std::size_t(std::popcount(unsigned(shift))));
        if (seen.empty())
            continue;
        CHECK(seen.back().index == 0);
        CHECK(seen.back().key == key);
        CHECK(seen.back().shift == shift);
        // Seen from the handler, the list has not moved yet; it still handles the key afterwards.
        CHECK(seen.back().selected == 0);
        CHECK(test.list.ListIndex() == (key == 40 ? 1 : 0));
    }
}

TEST_CASE("label caption and colour")
{
    const auto form = makeTestForm();
    toolkit::Label& label = form->label(design::forcea);
    const toolkit::Colour defaultColour = label.foreColour();
    CHECK(label.caption() == u"0");

    label.setCaption(u"4355");
    CHECK(label.caption() == u"4355");
    label.setForeColour(green);
    CHECK(label.foreColour() == green);
    CHECK(label.foreColour() != defaultColour);
    label.setForeColour(blue);
    CHECK(label.foreColour() == blue);
}
