#pragma once

#include "basics.h"

namespace toolkit {

class Form;

// Modal message boxes described by a style number: the low bits choose the
// buttons, the next the icon, the next the default button.
namespace MessageBox {

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

// Shows the box over its owner and waits until the user dismisses it; returns the answer.
int MsgBox(const Form* owner, Text prompt, int style, Text title);

} // namespace MessageBox

} // namespace toolkit
