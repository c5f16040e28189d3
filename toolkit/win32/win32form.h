#pragma once

#include "form.h"
#include "win.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace toolkit::win32 {

class Win32Control;
class Win32Label;
class Win32ListBox;
class Win32TabContainer;

// The window as a top-level Win32 window, every control of its design a child
// of it, made in tab order so that the Tab key follows the design.
class Win32Form : public Form {
public:
    explicit Win32Form(const FormDesign& design);
    ~Win32Form() override;

    bool close() override;
    bool isVisible() const override;
    void announce(Text text) override;

    HWND handle() const { return window; }
    // The control of that name and index, e.g. "List1(0)" is control("List1", 0).
    HWND control(std::string_view name, Index index = noIndex) const;
    // The name of a control, as "List1(0)" or "SSTab1"; empty for none of this window's.
    std::string nameOf(HWND control) const;
    // The dots per inch the window is laid out for.
    int dpi() const { return currentDpi; }

    // Whether a window is one of these.
    static bool isForm(HWND window);

protected:
    void showWindow() override;

private:
    struct Placed {
        const ControlDesign* design = nullptr;
        HWND handle = nullptr;
        RECT box{}; // in the window's client area, in pixels at 96 dpi
        const FontDesign* font = nullptr;
        Win32Label* label = nullptr;
        Win32ListBox* list = nullptr;
        Win32TabContainer* tabs = nullptr;
        HBRUSH background = nullptr;
    };

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void layOut(int dpi, const RECT* suggested);
    void restoreFocus();
    bool isTabContainer(std::string_view name) const;
    const Placed* find(HWND control) const;

    HWND window = nullptr;
    int currentDpi = 96;
    std::vector<Placed> placed; // in tab order
    std::vector<std::unique_ptr<Win32ListBox>> lists;
    std::vector<std::unique_ptr<Win32Label>> labels;
    std::vector<std::unique_ptr<Win32TabContainer>> tabContainers;
    std::vector<std::unique_ptr<Win32Control>> controls;
    std::map<const FontDesign*, HFONT> fonts;
    HWND lastFocus = nullptr;
    HWND announcements = nullptr; // read out by screen readers, never shown
};

} // namespace toolkit::win32
