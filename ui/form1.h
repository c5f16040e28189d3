#pragma once

#include "basics.h"
#include "module1.h"
#include "tally.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace toolkit {
class Form;
class ListBox;
class TabContainer;
} // namespace toolkit

// The program's one window: the race tabs with their unit lists on the left,
// the two force columns on the right.
class Form1 {
public:
    Form1();
    ~Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Loads the window's data, then shows it.
    void show();
    toolkit::Form& form() const { return *window; }

    // The farewell message shown when the window closes.
    static std::u16string_view farewellText();

private:
    void Form_Load();
    void Form_Unload(bool& cancel);
    void Command2_Click(toolkit::Index index);
    void Command3_Click(toolkit::Index index);
    void List1_KeyDown(toolkit::Index index, toolkit::KeyCode keyCode, toolkit::ShiftState shift);
    // Brings one force's totals and both headings up to date after its list was touched.
    void updateForce(toolkit::Index index);
    // Names each of a force's totals for screen readers with its value: "Force A total gold, 135".
    void nameTotals(toolkit::Index force);
    // "Force A", as its heading shows it.
    std::u16string forceName(toolkit::Index force) const;
    // The force's CV total as a screen reader reads it.
    std::u16string spokenCv(toolkit::Index force) const;

    std::unique_ptr<toolkit::Form> window;
    toolkit::TabContainer* SSTab1 = nullptr;
    std::array<toolkit::ListBox*, raceCount> List3{};
    std::array<toolkit::ListBox*, forceCount> List1{};
    ForceControls forces;

    std::unique_ptr<Module1> module1;
};
