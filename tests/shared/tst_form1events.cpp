#include "driver.h"
#include "form1.h"
#include "label.h"
#include "listbox.h"
#include "tabcontainer.h"
#include "testing.h"

#include <memory>
#include <string>
#include <vector>

using toolkit::ListBox;

namespace {

// The program's window, shown, closed at the end as a user closes it.
class Window {
public:
    Window()
    {
        form1 = std::make_unique<Form1>();
        form1->show();
        driver = Driver::create(form());
    }
    ~Window()
    {
        if (form().isVisible())
            driver->close(driver->closeWays().front());
    }

    toolkit::Form& form() const { return form1->form(); }
    ListBox& units(int race) const { return form().listBox(design::List3, toolkit::Index(race)); }
    ListBox& force(int index) const { return form().listBox(design::List1, toolkit::Index(index)); }
    Texts entries(int index) const
    {
        Texts texts;
        for (toolkit::Row row = 0; row < force(index).ListCount(); ++row)
            texts.emplace_back(force(index).List(row));
        return texts;
    }
    // Food, lumber, gold and CV as shown.
    Texts totals(int index) const
    {
        Texts texts;
        for (const auto total :
             {design::totalfood, design::totallumber, design::totalgold, design::totalcv})
            texts.push_back(form().label(total, toolkit::Index(index)).caption());
        return texts;
    }
    toolkit::Colour heading(int index) const
    {
        return form().label(index == 0 ? design::forcea : design::forceb).foreColour();
    }
    void bringToFront(int race) const
    {
        driver->chooseTab("SSTab1", toolkit::Index(race));
        CHECK(form().tabContainer(design::SSTab1).Tab() == race);
    }
    void add(int index) const { driver->click("Command2", toolkit::Index(index)); }
    void clear(int index) const { driver->click("Command3", toolkit::Index(index)); }
    // A key pressed in a force list.
    void press(int index, toolkit::KeyCode key, toolkit::ShiftState shift = 0) const
    {
        driver->focus("List1", toolkit::Index(index));
        driver->press(key, shift);
    }

    std::unique_ptr<Form1> form1;
    std::unique_ptr<Driver> driver;
};

const Texts zeros{u"0", u"0", u"0", u"0"};
constexpr toolkit::KeyCode Delete = 46;

} // namespace

TEST_CASE("Add Footman")
{
    const Window w;
    w.units(0).setListIndex(2);
    w.add(0);
    CHECK(w.entries(0) == Texts{u"Footman"});
    CHECK(w.totals(0) == Texts{u"2", u"0", u"135", u"4355"});
    CHECK(w.totals(1) == zeros);
    CHECK(w.heading(0) == green);
    CHECK(w.heading(1) == red);
    // The unit stays selected; no entry of the force list is.
    CHECK(w.units(0).ListIndex() == 2);
    CHECK(w.force(0).ListIndex() == -1);
}

TEST_CASE("Add twice")
{
    const Window w;
    w.units(0).setListIndex(0);
    w.add(1);
    w.add(1);
    CHECK(w.entries(1) == Texts{u"Peasant", u"Peasant"});
    CHECK(w.totals(1) == Texts{u"2", u"0", u"150", u"1210"});
    CHECK(w.heading(0) == red);
    CHECK(w.heading(1) == green);
    w.add(0);
    w.add(0);
    CHECK(w.heading(0) == blue);
    CHECK(w.heading(1) == blue);
}

TEST_CASE("Add with nothing selected")
{
    const Window w;
    w.add(0);
    CHECK(w.entries(0) == Texts{u""});
    CHECK(w.totals(0) == zeros);
    CHECK(w.heading(0) == blue);
    CHECK(w.heading(1) == blue);
}

TEST_CASE("Add uses only the tab in front")
{
    const Window w;
    w.units(0).setListIndex(2);
    w.bringToFront(1);
    w.add(1);
    CHECK(w.entries(1) == Texts{u""});
    CHECK(w.totals(1) == zeros);

    w.bringToFront(0);
    CHECK(w.units(0).ListIndex() == 2);
    w.add(1);
    CHECK(w.entries(1) == Texts{u"", u"Footman"});
    CHECK(w.totals(1) == Texts{u"2", u"0", u"135", u"4355"});

    w.bringToFront(3);
    w.units(3).setListIndex(11);
    w.add(0);
    CHECK(w.entries(0) == Texts{u"Hippogryph Rider"});
    CHECK(w.totals(0) == Texts{u"4", u"0", u"0", u"11823"});
    CHECK(w.heading(0) == green);
}

TEST_CASE("Add to a full list")
{
    const Window w;
    ListBox& list = w.force(0);
    for (int row = 0; row < 32767 - 1; ++row)
        list.AddItem(u"Infernal");
    w.bringToFront(2);
    w.units(2).setListIndex(12); // Infernal
    w.add(0);
    CHECK(list.ListCount() == 32767);
    CHECK(w.totals(0) == Texts{u"0", u"0", u"0", u"2698526285"});
    const auto beepsBefore = w.driver->beeps();

    w.units(2).setListIndex(0); // Acolyte: refused with a beep, nothing lost
    w.add(0);
    if (beepsBefore)
        CHECK(*w.driver->beeps() == *beepsBefore + 1);
    CHECK(list.ListCount() == 32767);
    CHECK(list.List(32767 - 1) == u"Infernal");
    CHECK(w.totals(0) == Texts{u"0", u"0", u"0", u"2698526285"});
    CHECK(w.heading(0) == green);

    list.setListIndex(5);
    w.press(0, Delete);
    w.add(0);
    CHECK(list.ListCount() == 32767);
    CHECK(list.List(32767 - 1) == u"Acolyte");
    CHECK(w.totals(0) == Texts{u"1", u"0", u"75", u"2698444766"});
}

TEST_CASE("Clear an empty force")
{
    const Window w;
    w.clear(0);
    CHECK(w.entries(0).empty());
    CHECK(w.totals(0) == zeros);
    CHECK(w.heading(0) == blue);
    CHECK(w.heading(1) == blue);
}

TEST_CASE("Clear leaves the other force")
{
    const Window w;
    w.units(0).setListIndex(4); // Knight
    w.add(0);
    w.add(1);
    w.add(1);
    w.clear(0);
    CHECK(w.entries(0).empty());
    CHECK(w.totals(0) == zeros);
    CHECK(w.entries(1) == Texts{u"Knight", u"Knight"});
    CHECK(w.totals(1) == Texts{u"8", u"120", u"490", u"37854"});
    CHECK(w.heading(0) == red);
    CHECK(w.heading(1) == green);
}

TEST_CASE("Delete the selected entry")
{
    for (const toolkit::ShiftState shift : {0, 1, 2}) { // plain, Shift, Ctrl
        CAPTURE(shift);
        const Window w;
        for (const toolkit::Row row : {0, 1, 2}) {
            w.units(0).setListIndex(row); // Peasant, Militia, Footman
            w.add(0);
        }
        w.force(0).setListIndex(1);
        w.press(0, Delete, shift);
        CHECK(w.entries(0) == Texts{u"Peasant", u"Footman"});
        CHECK(w.force(0).ListIndex() == -1);
        CHECK(w.totals(0) == Texts{u"3", u"0", u"210", u"4960"});

        // Nothing is selected any more, so a second Delete removes nothing.
        w.press(0, Delete, shift);
        CHECK(w.entries(0) == Texts{u"Peasant", u"Footman"});
        CHECK(w.totals(0) == Texts{u"3", u"0", u"210", u"4960"});
    }
}

TEST_CASE("Delete without selection")
{
    for (const int entries : {2, 0}) {
        CAPTURE(entries);
        const Window w;
        w.units(0).setListIndex(1); // Militia
        for (int i = 0; i < entries; ++i)
            w.add(1);
        // Added without the handlers, so only a recalculation can show them.
        w.force(0).AddItem(u"Militia");
        CHECK(w.totals(0) == zeros);

        // Taking the focus may put a cursor on a row; that is no selection.
        w.press(1, Delete);
        CHECK(w.force(1).ListCount() == entries);
        // Force A's stored CV is still 0: its list was not touched.
        CHECK(w.heading(0) == (entries == 0 ? blue : red));
        CHECK(w.heading(1) == (entries == 0 ? blue : green));
        w.press(0, Delete);
        CHECK(w.totals(0) == Texts{u"1", u"0", u"75", u"2841"});
        CHECK(w.force(0).ListCount() == 1);
    }
}

TEST_CASE("any key updates")
{
    // Down, Up, Home, End, Insert, Backspace, Return, Space, Escape, Q, F2, Delete
    for (const toolkit::KeyCode key : {40, 38, 36, 35, 45, 8, 13, 32, 27, 81, 113, 46}) {
        CAPTURE(key);
        const Window w;
        // Put in without the handlers: only the key's update can show them.
        w.force(1).AddItem(u"Peasant");
        w.force(1).AddItem(u"Knight");
        w.force(1).setListIndex(0);
        w.press(1, key);
        if (key == Delete) {
            CHECK(w.entries(1) == Texts{u"Knight"});
            CHECK(w.totals(1) == Texts{u"4", u"60", u"245", u"18927"});
        } else {
            CHECK(w.entries(1) == Texts{u"Peasant", u"Knight"});
            CHECK(w.totals(1) == Texts{u"5", u"60", u"320", u"19532"});
        }
        CHECK(w.heading(0) == red);
        CHECK(w.heading(1) == green);
    }
}

TEST_CASE("first move selects the first row")
{
    const struct {
        toolkit::Index race; // a unit list, or noIndex for Force B
        std::u16string_view firstRow;
    } lists[] = {{0, u"Peasant"}, {toolkit::noIndex, u"Knight"}};
    for (const auto& [race, firstRow] : lists) {
        for (const toolkit::KeyCode key : {40, 38, 36}) { // Down, Up, Home
            CAPTURE(race);
            CAPTURE(key);
            const Window w;
            // Neither list has been moved in: Force B's entries are put in
            // directly, leaving the Human list untouched.
            for (const std::u16string_view entry : {u"Knight", u"Footman"})
                w.force(1).AddItem(entry);

            // Reach the list with the keyboard, as a user does, and take the first step.
            ListBox& target = race == toolkit::noIndex ? w.force(1) : w.units(race);
            const std::string name = race == toolkit::noIndex ? "List1(1)" : "List3(0)";
            w.driver->focus("List1", 0);
            for (int step = 0; step < 4 && w.driver->focused() != name; ++step)
                w.driver->press(9);
            REQUIRE(w.driver->focused() == name);
            w.driver->press(key);
            CHECK(target.ListIndex() == 0);
            CHECK(target.List(target.ListIndex()) == firstRow);

            w.driver->press(40);
            CHECK(target.ListIndex() == 1);
        }
    }
}

TEST_CASE("move after Delete keeps the place")
{
    for (const toolkit::KeyCode key : {40, 38, 36}) {       // Down, Up, Home
        for (const toolkit::ShiftState shift : {0, 1, 2}) { // plain, Shift, Ctrl
            CAPTURE(key);
            CAPTURE(shift);
            const Window w;
            // A list far longer than its box, the user working deep down in it.
            for (int row = 0; row < 60; ++row) {
                const std::string entry = "entry " + std::to_string(row);
                w.force(0).AddItem(std::u16string(entry.begin(), entry.end()));
            }
            w.driver->clickRow("List1", 0, 40);
            w.press(0, Delete);
            REQUIRE(w.force(0).ListIndex() == toolkit::noRow);

            // The first move selects the entry now in the deleted one's place.
            w.press(0, key, shift);
            REQUIRE(w.force(0).ListIndex() != toolkit::noRow);
            CHECK(w.force(0).List(w.force(0).ListIndex()) == std::u16string_view(u"entry 41"));
        }
    }
}

TEST_CASE("Tab and Shift+Tab follow the tab order, the focus follows the tab")
{
    for (const toolkit::Index front : {0, 1, 2, 3}) {
        CAPTURE(front);
        const Window w;
        // The focus starts on Force A's list.
        CHECK(w.driver->focused() == "List1(0)");
        w.bringToFront(front);
        const std::vector<std::string> order{
            "List1(0)",    "List1(1)",    "SSTab1",      "List3(" + std::to_string(front) + ")",
            "Command2(0)", "Command2(1)", "Command3(0)", "Command3(1)"};
        w.driver->focus("List1", 0);
        for (std::size_t step = 1; step <= order.size(); ++step) {
            w.driver->press(9);
            CHECK(w.driver->focused() == order[step % order.size()]);
        }
        for (std::size_t step = order.size(); step-- > 0;) {
            w.driver->press(9, toolkit::shiftMask);
            CHECK(w.driver->focused() == order[step]);
        }
        // A click on another tab leaves the focus in the unit lists, not on a
        // button where Space would add a unit.
        const toolkit::Index next = toolkit::Index((front + 1) % 4);
        w.driver->focus("List3", front);
        w.driver->chooseTab("SSTab1", next);
        CHECK(w.driver->focused() == "List3(" + std::to_string(next) + ")");
    }
}

TEST_CASE("other events change nothing")
{
    const Window w;
    w.units(0).setListIndex(2);
    w.add(0);
    const Texts before0 = w.totals(0);
    const Texts before1 = w.totals(1);

    // Force B was never touched: its stored totals still read from the design.
    w.force(1).AddItem(u"Knight");

    w.driver->click("Command1");
    for (const int race : {1, 2, 3, 0})
        w.bringToFront(race);
    w.driver->focus("List3", 0);
    for (const toolkit::KeyCode key : {40, 46, 35}) // Down, Delete, End
        w.driver->press(key);
    w.driver->clickRow("List1", 0, 0);
    w.driver->clickRow("List1", 0, 0, true);
    w.driver->clickRow("List3", 0, 1, true);

    CHECK(w.totals(0) == before0);
    CHECK(w.totals(1) == before1);
    CHECK(w.entries(0) == Texts{u"Footman"});
    CHECK(w.heading(0) == green);
    CHECK(w.heading(1) == red);
    CHECK(w.units(0).ListCount() == 16);
}

TEST_CASE("farewell text")
{
    CHECK(
        Form1::farewellText() ==
        std::u16string_view(u"Gracias por usar el ZORVAN CALCULATOR 0.1a, pr\u00F3ximas mejoras "
                            u"son: \n"
                            u"\n"
                            u"   - Tipos de Armadura\n"
                            u"   - Tiempo de Implementacion\n"
                            u"   - Upgrades\n"
                            u"   - Unidades Neutrales\n"
                            u"   - Analisis Avanzado, Calculos inteligentes y mas...\n"
                            u"\n"
                            u"Agradezco comentarios, criticas y bug reports a zorvan@example.org.\n"
                            u"Agradezco a Fennoquill por la tabla de CV !"));
}

TEST_CASE("closing shows the farewell once")
{
    const auto ways = Window().driver->closeWays();
    REQUIRE(!ways.empty());
    for (const std::string& way : ways) {
        CAPTURE(way);
        const Window w;
        const auto boxes = w.driver->close(way);
        CHECK(!w.form().isVisible());
        REQUIRE(boxes.size() == 1);
        CHECK(boxes[0].text == Form1::farewellText());
        CHECK(boxes[0].title == u"Zorvan Calculator v0.1a");
        CHECK(boxes[0].icon == "information");
        CHECK(boxes[0].buttons.size() == 1);
    }
}
