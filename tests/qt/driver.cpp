#include "driver.h"

#include "form.h"
#include "qtform.h"
#include "qttabcontainer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QListView>
#include <QMessageBox>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <stdexcept>

namespace {

using toolkit::qt::QtForm;

// Failures of the driver itself end the test with what went wrong.
void expect(bool holds, const std::string& what)
{
    if (!holds)
        throw std::runtime_error("driver: " + what);
}

Qt::Key qtKey(toolkit::KeyCode key)
{
    switch (key) {
    case 8:
        return Qt::Key_Backspace;
    case 9:
        return Qt::Key_Tab;
    case 13:
        return Qt::Key_Return;
    case 27:
        return Qt::Key_Escape;
    case 32:
        return Qt::Key_Space;
    case 45:
        return Qt::Key_Insert;
    case 46:
        return Qt::Key_Delete;
    }
    if (key >= 33 && key <= 40) {
        static constexpr Qt::Key moves[] = {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End,
                                            Qt::Key_Home,   Qt::Key_Left,     Qt::Key_Up,
                                            Qt::Key_Right,  Qt::Key_Down};
        return moves[key - 33];
    }
    if ((key >= 48 && key <= 57) || (key >= 65 && key <= 90))
        return Qt::Key(key); // Qt numbers digits and letters as these codes do
    if (key >= 112 && key <= 135)
        return Qt::Key(Qt::Key_F1 + (key - 112));
    throw std::invalid_argument("driver: no Qt key for key code " + std::to_string(key));
}

Qt::KeyboardModifiers qtModifiers(toolkit::ShiftState shift)
{
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ShiftModifier, shift & toolkit::shiftMask);
    modifiers.setFlag(Qt::ControlModifier, shift & toolkit::ctrlMask);
    modifiers.setFlag(Qt::AltModifier, shift & toolkit::altMask);
    return modifiers;
}

class QtDriver : public Driver {
public:
    explicit QtDriver(toolkit::Form& form)
        : form(dynamic_cast<QtForm&>(form))
    {
        QApplication::setActiveWindow(&this->form);
        expect(QTest::qWaitForWindowActive(&this->form), "the window never became active");
    }

    void click(std::string_view button, toolkit::Index index) override
    {
        QTest::mouseClick(control(button, index), Qt::LeftButton);
    }

    void clickRow(std::string_view list, toolkit::Index index, toolkit::Row row,
                  bool twice) override
    {
        auto* view = qobject_cast<QListView*>(control(list, index));
        expect(view && row >= 0 && row < view->model()->rowCount(), "no such row");
        view->scrollTo(view->model()->index(row, 0));
        const QPoint centre = view->visualRect(view->model()->index(row, 0)).center();
        if (twice)
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
        else
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    }

    void chooseTab(std::string_view container, toolkit::Index tab) override
    {
        auto* tabs = qobject_cast<toolkit::qt::QtTabContainer*>(control(container));
        expect(tabs && tab >= 0 && tab < tabs->tabBar()->count(), "no such tab");
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {},
                          tabs->tabBar()->tabRect(tab).center());
    }

    void focus(std::string_view name, toolkit::Index index) override
    {
        QWidget* widget = control(name, index);
        if (auto* tabs = qobject_cast<toolkit::qt::QtTabContainer*>(widget))
            widget = tabs->tabBar();
        widget->setFocus(Qt::OtherFocusReason);
        expect(QApplication::focusWidget() == widget, "the control did not take the focus");
    }

    void press(toolkit::KeyCode key, toolkit::ShiftState shift) override
    {
        QWidget* widget = QApplication::focusWidget();
        expect(widget, "no control has the focus");
        QTest::keyClick(widget, qtKey(key), qtModifiers(shift));
    }

    std::string focused() const override
    {
        const QWidget* widget = QApplication::focusWidget();
        if (!widget)
            return {};
        // The tabbed container takes the focus through its tab strip.
        if (qobject_cast<const QTabBar*>(widget))
            widget = widget->parentWidget();
        return widget->objectName().toStdString();
    }

    std::vector<std::string> closeWays() const override
    {
        return {"close()", "window system close request", "close() twice", "two close events"};
    }

    std::vector<MessageBoxSeen> close(std::string_view way) override
    {
        // Boxes are answered from the event loop they run, as a user would.
        std::vector<MessageBoxSeen> seen;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            MessageBoxSeen each{.title = box->windowTitle().toStdU16String(),
                                .text = box->text().toStdU16String()};
            switch (box->icon()) {
            case QMessageBox::Information:
                each.icon = "information";
                break;
            case QMessageBox::Question:
                each.icon = "question";
                break;
            case QMessageBox::Warning:
                each.icon = "warning";
                break;
            case QMessageBox::Critical:
                each.icon = "critical";
                break;
            default:
                break;
            }
            for (const QAbstractButton* button : box->buttons())
                each.buttons.push_back(button->text().toStdU16String());
            seen.push_back(std::move(each));
            QTest::keyClick(box, Qt::Key_Return);
        });
        watch.start(10);
        closeOneWay(way);
        return seen;
    }

    void closeOneWay(std::string_view way)
    {
        if (way == "close()" || way == "close() twice") {
            expect(form.close(), "close() refused");
            if (way == "close() twice")
                expect(form.close(), "the second close() refused");
        } else if (way == "window system close request") {
            expect(form.windowHandle()->close(), "the window system's request refused");
        } else if (way == "two close events") {
            // As when the window manager and the session both ask.
            for (int i = 0; i < 2; ++i) {
                QCloseEvent request;
                QApplication::sendEvent(&form, &request);
                expect(request.isAccepted(), "a close event refused");
            }
            form.hide();
        } else {
            throw std::invalid_argument("driver: no way of closing called " + std::string(way));
        }
    }

private:
    QWidget* control(std::string_view name, toolkit::Index index = toolkit::noIndex) const
    {
        QWidget* widget = toolkit::qt::controlOf(form, name, index);
        expect(widget, "no control " + std::string(name) + "(" + std::to_string(index) + ")");
        return widget;
    }

    QtForm& form;
};

} // namespace

std::unique_ptr<Driver> Driver::create(toolkit::Form& form)
{
    return std::make_unique<QtDriver>(form);
}
