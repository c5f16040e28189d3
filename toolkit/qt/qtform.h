#pragma once

#include "form.h"

#include <QWidget>

namespace toolkit::qt {

// The window as a Qt widget, with every control of its design inside it.
class QtForm : public QWidget, public Form {
    Q_OBJECT

public:
    explicit QtForm(const FormDesign& design);

    bool close() override;
    bool isVisible() const override;
    void announce(Text text) override;

protected:
    void showWindow() override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* announcer;

    void createControls(const FormDesign& design);
    void setTabOrder(const FormDesign& design);
};

// The widget of a window made on this platform.
QWidget* widgetOf(const Form& form);
// The control of that name and index, e.g. "List1(0)" is controlOf(form, "List1", 0).
QWidget* controlOf(const Form& form, std::string_view name, Index index = noIndex);

} // namespace toolkit::qt
