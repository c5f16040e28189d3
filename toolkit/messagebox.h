#pragma once

#include <QList>
#include <QString>

#include <optional>

class QWidget;

// Modal message boxes described by a style number: the low bits choose the
// buttons, the next the icon, the next the default button.
class MessageBox {
public:
    enum Style : int {
        OkOnly = 0,
        OkCancel = 1,
        AbortRetryIgnore = 2,
        YesNoCancel = 3,
        YesNo = 4,
        RetryCancel = 5,
        Critical = 16,
        Question = 32,
        Exclamation = 48,
        Information = 64,
        DefaultButton2 = 256,
        DefaultButton3 = 512,
    };

    enum Answer : int { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

    struct Shown {
        QString prompt;
        int style = OkOnly;
        QString title;
    };

    // Shows the box and waits until the user dismisses it; returns the answer.
    static int MsgBox(QWidget* parent, const QString& prompt, int style, const QString& title);

    // Test hook: while an answer is set no box is shown; every call is
    // recorded and answered with it at once.
    static void setTestAnswer(std::optional<int> answer);
    static const QList<Shown>& testRecord();
    static void clearTestRecord();

private:
    static std::optional<int> testAnswer;
    static QList<Shown> record;
};
