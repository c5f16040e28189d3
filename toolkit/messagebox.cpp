#include "messagebox.h"

#include <QMessageBox>
#include <QPushButton>

#include <utility>

std::optional<int> MessageBox::testAnswer;
QList<MessageBox::Shown> MessageBox::record;

namespace {

using Button = std::pair<QMessageBox::StandardButton, MessageBox::Answer>;

QList<Button> buttonsFor(int style)
{
    switch (style & 0x0F) {
    case MessageBox::OkCancel:
        return {{QMessageBox::Ok, MessageBox::Ok}, {QMessageBox::Cancel, MessageBox::Cancel}};
    case MessageBox::AbortRetryIgnore:
        return {{QMessageBox::Abort, MessageBox::Abort},
                {QMessageBox::Retry, MessageBox::Retry},
                {QMessageBox::Ignore, MessageBox::Ignore}};
    case MessageBox::YesNoCancel:
        return {{QMessageBox::Yes, MessageBox::Yes},
                {QMessageBox::No, MessageBox::No},
                {QMessageBox::Cancel, MessageBox::Cancel}};
    case MessageBox::YesNo:
        return {{QMessageBox::Yes, MessageBox::Yes}, {QMessageBox::No, MessageBox::No}};
    case MessageBox::RetryCancel:
        return {{QMessageBox::Retry, MessageBox::Retry}, {QMessageBox::Cancel, MessageBox::Cancel}};
    default:
        return {{QMessageBox::Ok, MessageBox::Ok}};
    }
}

QMessageBox::Icon iconFor(int style)
{
    switch (style & 0x70) {
    case MessageBox::Critical:
        return QMessageBox::Critical;
    case MessageBox::Question:
        return QMessageBox::Question;
    case MessageBox::Exclamation:
        return QMessageBox::Warning;
    case MessageBox::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int MessageBox::MsgBox(QWidget* parent, const QString& prompt, int style, const QString& title)
{
    if (testAnswer) {
        record.append({prompt, style, title});
        return *testAnswer;
    }

    QMessageBox box(iconFor(style), title, prompt, QMessageBox::NoButton, parent);
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

void MessageBox::setTestAnswer(std::optional<int> answer)
{
    testAnswer = answer;
}

const QList<MessageBox::Shown>& MessageBox::testRecord()
{
    return record;
}

void MessageBox::clearTestRecord()
{
    record.clear();
}
