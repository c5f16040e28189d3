#include "messagebox.h"

namespace toolkit::MessageBox {

namespace {
std::optional<int> testAnswer;
std::vector<Shown> record;
} // namespace

int MsgBox(const Form* owner, Text prompt, int style, Text title)
{
    if (testAnswer) {
        record.push_back({std::u16string(prompt), style, std::u16string(title)});
        return *testAnswer;
    }
    return show(owner, prompt, style, title);
}

void setTestAnswer(std::optional<int> answer)
{
    testAnswer = answer;
}

const std::vector<Shown>& testRecord()
{
    return record;
}

void clearTestRecord()
{
    record.clear();
}

} // namespace toolkit::MessageBox
