#include "form1.h"

#include "form.h"
#include "form1design.h"
#include "label.h"
#include "listbox.h"
#include "messagebox.h"
#include "sound.h"
#include "tabcontainer.h"

#include <algorithm>
#include <array>
#include <string>

using toolkit::Index;

namespace {
// The name the design gives a control for screen readers.
constexpr toolkit::Text accessibleNameOf(toolkit::Name<toolkit::Kind::Label> name, Index index)
{
    for (const toolkit::ControlDesign& control : design::form1Controls) {
        if (control.name == name.text && control.index == index)
            return control.accessibleName;
    }
    return {};
}

// The totals' names, by stat (food, lumber, gold, CV) and force, read from the
// design once, when the program is compiled.
enum Stat : std::size_t { FoodTotal, LumberTotal, GoldTotal, CvTotal };
constexpr std::array<std::array<toolkit::Text, forceCount>, 4> totalNames{{
    {accessibleNameOf(design::totalfood, 0), accessibleNameOf(design::totalfood, 1)},
    {accessibleNameOf(design::totallumber, 0), accessibleNameOf(design::totallumber, 1)},
    {accessibleNameOf(design::totalgold, 0), accessibleNameOf(design::totalgold, 1)},
    {accessibleNameOf(design::totalcv, 0), accessibleNameOf(design::totalcv, 1)},
}};
static_assert(std::ranges::none_of(totalNames,
                                   [](const auto& names) {
                                       return names[0].empty() || names[1].empty();
                                   }),
              "every total has its name in the design");

// A total as a screen reader reads it: its name, then the value shown.
std::u16string spokenTotal(Stat stat, Index force, const toolkit::Label& total)
{
    return std::u16string(totalNames[stat][std::size_t(force)]) + u", " + total.caption();
}
} // namespace

Form1::Form1()
    : window(toolkit::Form::create(design::form1))
    , module1(std::make_unique<Module1>())
{
    toolkit::Form& form = *window;
    SSTab1 = &form.tabContainer(design::SSTab1);
    for (Index race = 0; race < raceCount; ++race)
        List3[race] = &form.listBox(design::List3, race);
    for (Index force = 0; force < forceCount; ++force) {
        List1[force] = &form.listBox(design::List1, force);
        forces.List1[force] = List1[force];
        forces.totalfood[force] = &form.label(design::totalfood, force);
        forces.totallumber[force] = &form.label(design::totallumber, force);
        forces.totalgold[force] = &form.label(design::totalgold, force);
        forces.totalcv[force] = &form.label(design::totalcv, force);
    }
    forces.forcea = &form.label(design::forcea);
    forces.forceb = &form.label(design::forceb);

    // A force list can hold totals of ten digits, more than the box shows in its
    // font; each total keeps clear of the caption on its line.
    constexpr std::array<std::array<toolkit::Name<toolkit::Kind::Label>, forceCount>, 4> captions{
        {{design::Label4, design::Label8},
         {design::Label3, design::Label7},
         {design::Label2, design::Label6},
         {design::Label11, design::Label12}}};
    for (Index force = 0; force < forceCount; ++force) {
        const std::array<toolkit::Label*, 4> totals{forces.totalfood[force],
                                                    forces.totallumber[force],
                                                    forces.totalgold[force], forces.totalcv[force]};
        for (std::size_t stat = 0; stat < totals.size(); ++stat)
            totals[stat]->keepCaptionsWhole(form.label(captions[stat][force]));
        nameTotals(force);
    }

    form.onLoad([this] { Form_Load(); });
    form.onUnload([this](bool& cancel) { Form_Unload(cancel); });
    form.onClick(design::Command2, [this](Index index) { Command2_Click(index); });
    form.onClick(design::Command3, [this](Index index) { Command3_Click(index); });
    form.onKeyDown(design::List1,
                   [this](Index index, toolkit::KeyCode keyCode, toolkit::ShiftState shift) {
                       List1_KeyDown(index, keyCode, shift);
                   });
}

Form1::~Form1() = default;

void Form1::show()
{
    window->show();
}

void Form1::Form_Load()
{
    module1->buildcatalogue({List3[0], List3[1], List3[2], List3[3]});
}

void Form1::Command2_Click(Index index)
{
    const Index race = SSTab1->Tab();
    const toolkit::ListBox& units = *List3[race];
    // With nothing selected this appends the empty text, which adds nothing.
    const std::u16string unit(units.List(units.ListIndex()));
    const bool added = List1[index]->AddItem(unit);
    if (!added)
        toolkit::Sound::Beep(); // the list is full
    updateForce(index);
    if (!added)
        window->announce(forceName(index) + u" is full: nothing added.");
    else
        window->announce((unit.empty() ? u"A blank entry" : unit) + u" added to " +
                         forceName(index) + u". " + spokenCv(index) + u".");
}

void Form1::Command3_Click(Index index)
{
    List1[index]->Clear();
    updateForce(index);
    window->announce(forceName(index) + u" cleared. " + spokenCv(index) + u".");
}

void Form1::List1_KeyDown(Index index, toolkit::KeyCode keyCode, toolkit::ShiftState)
{
    toolkit::ListBox& list = *List1[index];
    std::u16string removed;
    const bool removing = keyCode == toolkit::keys::Delete && list.ListIndex() != toolkit::noRow;
    if (removing) {
        removed = list.List(list.ListIndex());
        list.RemoveItem(list.ListIndex());
    }
    updateForce(index);
    if (removing)
        window->announce((removed.empty() ? u"A blank entry" : removed) + u" removed from " +
                         forceName(index) + u". " + spokenCv(index) + u".");
}

void Form1::updateForce(Index index)
{
    recalcforce(*module1, forces, index);
    showforce(*module1, forces, index);
    colourforces(*module1, forces);
    nameTotals(index);
}

void Form1::nameTotals(Index force)
{
    forces.totalfood[force]->setAccessibleName(
        spokenTotal(FoodTotal, force, *forces.totalfood[force]));
    forces.totallumber[force]->setAccessibleName(
        spokenTotal(LumberTotal, force, *forces.totallumber[force]));
    forces.totalgold[force]->setAccessibleName(
        spokenTotal(GoldTotal, force, *forces.totalgold[force]));
    forces.totalcv[force]->setAccessibleName(spokenCv(force));
}

std::u16string Form1::forceName(Index force) const
{
    return (force == 0 ? forces.forcea : forces.forceb)->caption();
}

std::u16string Form1::spokenCv(Index force) const
{
    return spokenTotal(CvTotal, force, *forces.totalcv[force]);
}

std::u16string_view Form1::farewellText()
{
    return u"Gracias por usar el ZORVAN CALCULATOR 0.1a, pr\u00F3ximas mejoras son: \n"
           u"\n"
           u"   - Tipos de Armadura\n"
           u"   - Tiempo de Implementacion\n"
           u"   - Upgrades\n"
           u"   - Unidades Neutrales\n"
           u"   - Analisis Avanzado, Calculos inteligentes y mas...\n"
           u"\n"
           u"Agradezco comentarios, criticas y bug reports a "
           u"zorvan@example.org.\n"
           u"Agradezco a Fennoquill por la tabla de CV !";
}

void Form1::Form_Unload(bool&)
{
    toolkit::MessageBox::MsgBox(window.get(), farewellText(), toolkit::MessageBox::Information,
                                u"Zorvan Calculator v0.1a");
}
