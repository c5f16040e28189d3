#include "headlessform.h"

#include "control.h"
#include "label.h"
#include "listbox.h"
#include "sound.h"
#include "tabcontainer.h"

#include <algorithm>
#include <stdexcept>

namespace toolkit {

std::unique_ptr<Form> Form::create(const FormDesign& design)
{
    return std::make_unique<headless::HeadlessForm>(design);
}

namespace headless {

namespace {

std::vector<MessageBoxShown> boxes;
std::vector<std::u16string> announced;
int beepCount = 0;
const Control* focusedControl = nullptr;

std::string nameOf(const ControlDesign& design)
{
    std::string name(design.name);
    if (design.index != noIndex)
        name += "(" + std::to_string(design.index) + ")";
    return name;
}

class HeadlessList : public ListBox {
public:
    using ListBox::keyPressed;

    // What a native list does with a key it handles itself.
    void handleKey(KeyCode key)
    {
        if (ListCount() == 0)
            return;
        const Row last = Row(ListCount() - 1);
        const Row from = caret < 0 ? 0 : caret;
        if (key == keys::Down)
            selectRow(caret < 0 ? 0 : std::min<Row>(Row(from + 1), last));
        else if (key == keys::Up)
            selectRow(std::max<Row>(Row(from - 1), 0));
        else if (key == keys::Home)
            selectRow(0);
        else if (key == 35) // End
            selectRow(last);
    }

protected:
    void rowAppended(Text) override {}
    void rowRemoved(Row row) override
    {
        // The selection and the frame stay on the same place in the list.
        if (selected > row || selected >= ListCount())
            --selected;
        if (caret >= ListCount())
            caret = Row(ListCount() - 1);
    }
    void rowsCleared() override { selected = caret = noRow; }
    Row selectedRow() const override { return selected; }
    void selectRow(Row row) override
    {
        selected = row;
        if (row != noRow)
            caret = row;
    }
    Row keyboardRow() const override { return caret; }
    void selectedByKey(Row) override {}

private:
    Row selected = noRow;
    Row caret = noRow;
};

class HeadlessLabel : public Label {
public:
    explicit HeadlessLabel(const ControlDesign& design)
        : Label(design.caption, design.foreColour)
        , box(pixelsOf(design))
    {
    }

protected:
    void drawCaption(Text) override {}
    void drawForeColour(Colour) override {}
    void exposeAccessibleName(Text) override {}
    Colour defaultForeColour() const override { return {}; }
    int boxLeft() const override { return box.left; }
    int boxWidth() const override { return box.width; }
    double designPoints() const override { return 10; }
    // A fixed pitch: every character half a point wide per point.
    int textWidth(Text text, double points) const override
    {
        return int(double(text.size()) * points / 2);
    }
    void placeCaption(const CaptionFit&) override {}

private:
    PixelRect box;
};

class HeadlessTabs : public TabContainer {
public:
    explicit HeadlessTabs(Index count)
        : TabContainer(count)
    {
    }
    using TabContainer::tabChosen;

protected:
    void chooseTab(Index) override {}
};

} // namespace

class HeadlessControl : public Control {
public:
    explicit HeadlessControl(const ControlDesign& design)
        : design(design)
        , enabled(design.enabled)
    {
    }

    void setShown(bool show) override { shown = show; }
    bool canFocus() const override { return takesFocus(design.kind) && enabled && shown; }
    bool hasFocus() const override { return focusedControl == this; }
    void takeFocus(bool) override { focusedControl = this; }

    const ControlDesign& design;
    bool enabled;
    bool shown = true;
    std::unique_ptr<HeadlessList> list;
    std::unique_ptr<HeadlessLabel> label;
    std::unique_ptr<HeadlessTabs> tabs;
};

HeadlessForm::HeadlessForm(const FormDesign& design)
    : Form(design)
{
    for (const ControlDesign& control : design.controls) {
        auto& made = *controls.emplace_back(std::make_unique<HeadlessControl>(control));
        switch (control.kind) {
        case Kind::ListBox:
            made.list = std::make_unique<HeadlessList>();
            for (const Text item : control.items)
                made.list->AddItem(item);
            addControl(control, made, *made.list);
            break;
        case Kind::Label:
            made.label = std::make_unique<HeadlessLabel>(control);
            addControl(control, made, *made.label);
            break;
        case Kind::TabContainer:
            made.tabs = std::make_unique<HeadlessTabs>(Index(control.items.size()));
            addControl(control, made, *made.tabs);
            break;
        default:
            addControl(control, made);
        }
    }
    controlsMade();
}

HeadlessForm::~HeadlessForm()
{
    for (const auto& control : controls) {
        if (focusedControl == control.get())
            focusedControl = nullptr;
    }
}

bool HeadlessForm::close()
{
    if (!visible || !raiseUnload())
        return !visible;
    visible = false;
    return true;
}

HeadlessControl& HeadlessForm::find(std::string_view name, Index index) const
{
    for (const auto& control : controls) {
        if (control->design.name == name && control->design.index == index)
            return *control;
    }
    throw std::invalid_argument("no control " + std::string(name) + "(" + std::to_string(index) +
                                ")");
}

void HeadlessForm::click(std::string_view button, Index index)
{
    const HeadlessControl& control = find(button, index);
    if (control.enabled && control.shown)
        raiseClick(control.design);
}

void HeadlessForm::chooseTab(std::string_view container, Index tab)
{
    find(container, noIndex).tabs->tabChosen(tab);
}

void HeadlessForm::focus(std::string_view control, Index index)
{
    HeadlessControl& target = find(control, index);
    if (!target.canFocus())
        throw std::logic_error("the control cannot take the focus");
    target.takeFocus(false);
}

void HeadlessForm::press(KeyCode key, ShiftState shift)
{
    const auto focused =
        std::ranges::find_if(controls, [](const auto& control) { return control->hasFocus(); });
    if (focused == controls.end())
        throw std::logic_error("no control has the focus");
    if (key == keys::Tab) {
        moveFocus(shift & shiftMask);
        return;
    }
    HeadlessControl& control = **focused;
    if (control.list) {
        // Each modifier held goes down before the key, as a key of its own.
        ShiftState held = 0;
        constexpr std::pair<ShiftState, KeyCode> modifiers[] = {
            {shiftMask, 16}, {ctrlMask, 17}, {altMask, 18}};
        for (const auto& [mask, modifier] : modifiers) {
            if (shift & mask) {
                held |= mask;
                control.list->keyPressed(modifier, held);
            }
        }
    }
    if (control.list && !control.list->keyPressed(key, shift))
        control.list->handleKey(key);
    if (control.tabs && (key == 37 || key == 39)) { // Left, Right
        const Index count = Index(control.design.items.size());
        control.tabs->tabChosen(Index((control.tabs->Tab() + (key == 39 ? 1 : count - 1)) % count));
    }
    if (control.design.kind == Kind::CommandButton && key == 32) // Space
        raiseClick(control.design);
}

void HeadlessForm::moveFocus(bool backwards)
{
    std::vector<HeadlessControl*> cycle;
    for (const ControlDesign* design : tabOrder(this->design())) {
        for (const auto& control : controls) {
            if (&control->design == design && design->tabIndex != noTabIndex && control->canFocus())
                cycle.push_back(control.get());
        }
    }
    const auto at = std::ranges::find_if(cycle, [](auto* each) { return each->hasFocus(); });
    if (cycle.empty() || at == cycle.end())
        return;
    const std::size_t from = std::size_t(at - cycle.begin());
    const std::size_t to = (from + (backwards ? cycle.size() - 1 : 1)) % cycle.size();
    cycle[to]->takeFocus(true);
}

std::string HeadlessForm::focused() const
{
    for (const auto& control : controls) {
        if (control->hasFocus())
            return nameOf(control->design);
    }
    return {};
}

void HeadlessForm::announce(Text text)
{
    announced.emplace_back(text);
}

const std::vector<std::u16string>& announcements()
{
    return announced;
}

const std::vector<MessageBoxShown>& messageBoxesShown()
{
    return boxes;
}

int beeps()
{
    return beepCount;
}

void forgetWhatWasShown()
{
    boxes.clear();
    announced.clear();
    beepCount = 0;
}

} // namespace headless

int MessageBox::MsgBox(const Form*, Text prompt, int style, Text title)
{
    headless::boxes.push_back({std::u16string(prompt), style, std::u16string(title)});
    return Ok;
}

void Sound::Beep()
{
    ++headless::beepCount;
}

} // namespace toolkit
