#include "messagebox.h"

#include "qtform.h"
#include "text.h"

#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace toolkit::MessageBox {

namespace {

using Button = std::pair<QMessageBox::StandardButton, Answer>;

QList<Button> buttonsFor(int style)
{
    switch (style & 0x0F) {
    case OkCancel:
        return {{QMessageBox::Ok, Ok}, {QMessageBox::Cancel, Cancel}};
    case AbortRetryIgnore:
        return {{QMessageBox::Abort, Abort},
                {QMessageBox::Retry, Retry},
                {QMessageBox::Ignore, Ignore}};
    case YesNoCancel:
        return {{QMessageBox::Yes, Yes}, {QMessageBox::No, No}, {QMessageBox::Cancel, Cancel}};
    case YesNo:
        return {{QMessageBox::Yes, Yes}, {QMessageBox::No, No}};
    case RetryCancel:
        return {{QMessageBox::Retry, Retry}, {QMessageBox::Cancel, Cancel}};
    default:
        return {{QMessageBox::Ok, Ok}};
    }
}

QMessageBox::Icon iconFor(int style)
{
    switch (style & 0x70) {
    case Critical:
        return QMessageBox::Critical;
    case Question:
        return QMessageBox::Question;
    case Exclamation:
        return QMessageBox::Warning;
    case Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int MsgBox(const Form* owner, Text prompt, int style, Text title)
{
    QMessageBox box(iconFor(style), qt::toQString(title), qt::toQString(prompt),
                    QMessageBox::NoButton, owner ? qt::widgetOf(*owner) : nullptr);
    box.setTextFormat(Qt::PlainText);
    const QList<Button> buttons = buttonsFor(style);
    for (const auto& [standard, answer] : buttons)
        box.addButton(standard);

    const int defaultIndex = qMin<int>((style >> 8) & 0x03, buttons.size() - 1);
    box.setDefaultButton(buttons[defaultIndex].first);
    // Escape answers Cancel where there is one, and the only button otherwise.
    for (const auto& [standard, answer] : buttons) {
        if (answer == Cancel || buttons.size() == 1)
            box.setEscapeButton(standard);
    }

    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const auto& [standard, answer] : buttons) {
        if (standard == clicked)
            return answer;
    }
    // Closed without a button (possible only where Escape has no button to press).
    return buttons.size() == 1 ? Ok : Cancel;
}

} // namespace toolkit::MessageBox
