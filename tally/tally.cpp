#include "tally.h"

#include "label.h"
#include "listbox.h"

void recalcforce(Module1& module, const ForceControls& controls, qint16 force)
{
    Total food = 0;
    Total gold = 0;
    Total lumber = 0;
    Total cv = 0;

    const ListBox& list = *controls.List1[force];
    const qint16 count = list.ListCount();
    for (qint16 row = 0; row < count; ++row) {
        // Text that names no unit adds nothing.
        if (const StatLine* stats = module.statsFor(list.List(row))) {
            food += (*stats)[Food];
            gold += (*stats)[Gold];
            lumber += (*stats)[Lumber];
            cv += (*stats)[Cv];
        }
    }

    module.forcegold[force] = gold;
    module.forcelumber[force] = lumber;
    module.forcefood[force] = food;
    module.forcecv[force] = cv;
}

void showforce(const Module1& module, const ForceControls& controls, qint16 force)
{
    controls.totalfood[force]->setCaption(QString::number(module.forcefood[force]));
    controls.totallumber[force]->setCaption(QString::number(module.forcelumber[force]));
    controls.totalgold[force]->setCaption(QString::number(module.forcegold[force]));
    controls.totalcv[force]->setCaption(QString::number(module.forcecv[force]));
}

namespace {
void setColour(Label* label, QRgb colour)
{
    label->setForeColor(qRed(colour), qGreen(colour), qBlue(colour));
}
} // namespace

void colourforces(const Module1& module, const ForceControls& controls)
{
    constexpr QRgb green = qRgb(0, 255, 0);
    constexpr QRgb red = qRgb(255, 0, 0);
    constexpr QRgb blue = qRgb(0, 0, 255);

    const Total a = module.forcecv[0];
    const Total b = module.forcecv[1];
    if (a == b) {
        setColour(controls.forceb, blue);
        setColour(controls.forcea, blue);
    } else if (a > b) {
        setColour(controls.forcea, green);
        setColour(controls.forceb, red);
    } else {
        setColour(controls.forceb, green);
        setColour(controls.forcea, red);
    }
}
