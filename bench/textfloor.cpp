#include "catalogue.h"
#include "firstframe.h"
#include "fonts.h"
#include "form1design.h"
#include "text.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <map>

// What showing this much text costs: one plain window of the main window's
// size that paints every text the main window shows on opening, in the same
// places, faces and sizes, with no controls. The floor the program can approach.

namespace {

using toolkit::ControlDesign;
using toolkit::qt::toQString;

QRect pixels(const ControlDesign& control)
{
    const toolkit::PixelRect place = toolkit::pixelsOf(control);
    return {place.left, place.top, place.width, place.height};
}

int alignmentOf(const ControlDesign& control)
{
    if (control.kind == toolkit::Kind::CommandButton)
        return Qt::AlignCenter;
    const int wrap = Qt::TextWordWrap | Qt::AlignTop;
    switch (control.align) {
    case toolkit::Align::Centre:
        return wrap | Qt::AlignHCenter;
    case toolkit::Align::Right:
        return wrap | Qt::AlignRight;
    case toolkit::Align::Left:
        break;
    }
    return wrap | Qt::AlignLeft;
}

} // namespace

class TextFloor : public QWidget {
public:
    TextFloor()
    {
        setWindowTitle(toQString(design::form1.caption));
        setFixedSize(design::form1.clientWidth / toolkit::twipsPerPixel,
                     design::form1.clientHeight / toolkit::twipsPerPixel);
        setFont(toolkit::qt::fontFor(*design::form1.font, logicalDpiY()));
        // One font per face, made once, as the window makes them.
        faces[nullptr] = font();
        for (const ControlDesign& control : design::form1.controls) {
            if (control.font && !faces.contains(control.font))
                faces[control.font] = toolkit::qt::fontFor(*control.font, logicalDpiY());
        }
        for (const std::u16string_view unit : unitNamesOf(0))
            units.append(toQString(unit));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QPoint tabs, frame;
        for (const ControlDesign& control : design::form1.controls) {
            // Places inside the first tab page and the frame are relative to them.
            QRect box = pixels(control);
            if (control.container == "SSTab1") {
                if (control.page != 0)
                    continue; // on a page not shown
                box.translate(tabs);
            } else if (control.container == "Frame1") {
                box.translate(frame);
            }

            painter.setFont(faces[control.font]);
            const bool coloured = control.kind == toolkit::Kind::Label && control.foreColour;
            painter.setPen(coloured ? QColor(control.foreColour->red, control.foreColour->green,
                                             control.foreColour->blue)
                                    : QColor(Qt::black));
            switch (control.kind) {
            case toolkit::Kind::TabContainer: {
                tabs = box.topLeft();
                int left = box.left();
                for (const std::u16string_view caption : control.items) {
                    const QString text = toQString(caption);
                    const int width = painter.fontMetrics().horizontalAdvance(text) + 16;
                    painter.drawText(QRect(left, box.top(), width, 20), Qt::AlignCenter, text);
                    left += width;
                }
                break;
            }
            case toolkit::Kind::Frame:
                frame = box.topLeft();
                break;
            case toolkit::Kind::ListBox:
                if (control.container == "SSTab1")
                    paintRows(painter, box.adjusted(3, 2, -2, -2));
                break;
            default:
                painter.drawText(box, alignmentOf(control), toQString(control.caption));
                break;
            }
        }
    }

private:
    // The rows of the opening tab's unit list that fit in its box.
    void paintRows(QPainter& painter, const QRect& box)
    {
        const int rowHeight = painter.fontMetrics().height();
        QRect row(box.left(), box.top(), box.width(), rowHeight);
        for (const QString& unit : std::as_const(units)) {
            if (row.bottom() > box.bottom())
                break;
            painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, unit);
            row.translate(0, rowHeight);
        }
    }

    std::map<const toolkit::FontDesign*, QFont> faces;
    QStringList units;
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    TextFloor window;
    FirstFrame::watch(&window);
    window.show();
    return application.exec();
}
