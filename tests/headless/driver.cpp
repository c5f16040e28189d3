#include "driver.h"

#include "headlessform.h"
#include "listbox.h"

#include <stdexcept>

namespace {

using toolkit::headless::HeadlessForm;

class HeadlessDriver : public Driver {
public:
    explicit HeadlessDriver(toolkit::Form& form)
        : form(dynamic_cast<HeadlessForm&>(form))
    {
        toolkit::headless::forgetWhatWasShown();
    }

    void click(std::string_view button, toolkit::Index index) override
    {
        form.click(button, index);
    }

    void clickRow(std::string_view list, toolkit::Index index, toolkit::Row row, bool) override
    {
        form.focus(list, index);
        toolkit::ListBox& box = form.listBox({list}, index);
        if (row < 0 || row >= box.ListCount())
            throw std::invalid_argument("driver: no such row");
        box.setListIndex(row);
    }

    void chooseTab(std::string_view container, toolkit::Index tab) override
    {
        form.chooseTab(container, tab);
    }

    void focus(std::string_view control, toolkit::Index index) override
    {
        form.focus(control, index);
    }

    void press(toolkit::KeyCode key, toolkit::ShiftState shift) override { form.press(key, shift); }

    std::string focused() const override { return form.focused(); }

    std::vector<std::string> closeWays() const override { return {"close()", "close() twice"}; }

    std::vector<MessageBoxSeen> close(std::string_view way) override
    {
        const std::size_t before = toolkit::headless::messageBoxesShown().size();
        if (way != "close()" && way != "close() twice")
            throw std::invalid_argument("driver: no way of closing called " + std::string(way));
        form.close();
        if (way == "close() twice")
            form.close();
        std::vector<MessageBoxSeen> seen;
        const auto& shown = toolkit::headless::messageBoxesShown();
        for (std::size_t box = before; box < shown.size(); ++box) {
            // The style's icon bits, and its buttons: OK; OK, Cancel; Abort, Retry, Ignore;
            // Yes, No, Cancel; Yes, No; Retry, Cancel.
            constexpr std::size_t buttonCounts[] = {1, 2, 3, 3, 2, 2};
            const int icon = shown[box].style & 0x70;
            const int buttons = shown[box].style & 0x0F;
            seen.push_back(
                {shown[box].title, shown[box].prompt,
                 icon == 64   ? "information"
                 : icon == 48 ? "warning"
                 : icon == 32 ? "question"
                 : icon == 16 ? "critical"
                              : "",
                 std::vector<std::u16string>(buttons < 6 ? buttonCounts[buttons] : 0, u"")});
        }
        return seen;
    }

    std::optional<int> beeps() const override { return toolkit::headless::beeps(); }

private:
    HeadlessForm& form;
};

} // namespace

std::unique_ptr<Driver> Driver::create(toolkit::Form& form)
{
    return std::make_unique<HeadlessDriver>(form);
}
