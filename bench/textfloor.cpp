#include "catalogue.h"
#include "firstframe.h"
#include "fonts.h"
#include "form1design.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <array>

// What showing this much text costs: one plain window of the main window's
// size that paints every text the main window shows on opening, in the same
// places, faces and sizes, with no controls. The floor the program can approach.

namespace {

using design::ControlDesign;
using design::pixels;
using design::textOf;

int alignmentOf(const ControlDesign& control)
{
    if (control.kind == design::Kind::CommandButton)
        return Qt::AlignCenter;
    const int wrap = Qt::TextWordWrap | Qt::AlignTop;
    switch (control.align) {
    case design::Align::Centre:
        return wrap | Qt::AlignHCenter;
    case design::Align::Right:
        return wrap | Qt::AlignRight;
    case design::Align::Left:
        break;
    }
    return wrap | Qt::AlignLeft;
}

} // namespace

class TextFloor : public QWidget {
public:
    TextFloor()
    {
        setWindowTitle(textOf(design::formCaption));
        setFixedSize(design::clientWidth / design::twipsPerPixel,
                     design::clientHeight / design::twipsPerPixel);
        registerFontSubstitutes();
        setFont(windowFont(logicalDpiY()));
        // One font per face, made once, as the window makes them.
        using enum design::Face;
        for (const design::Face face : {Default, Caption, Total, Heading, UnitList})
            faces[int(face)] = fontFor(face, font(), logicalDpiY());
        units = unitNamesOf(0);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QPoint tabs, frame;
        for (const ControlDesign& control : design::form1Design) {
            // Places inside the first tab page and the frame are relative to them.
            QRect box = pixels(control);
            if (control.container == design::Container::Tab0)
                box.translate(tabs);
            else if (control.container == design::Container::Frame1)
                box.translate(frame);
            else if (control.container != design::Container::Client)
                continue; // on a page not shown

            painter.setFont(faces[int(control.face)]);
            painter.setPen(control.redText ? Qt::red : Qt::black);
            switch (control.kind) {
            case design::Kind::TabContainer: {
                tabs = box.topLeft();
                int left = box.left();
                for (const std::string_view caption : design::tabCaptions) {
                    const QString text = textOf(caption);
                    const int width = painter.fontMetrics().horizontalAdvance(text) + 16;
                    painter.drawText(QRect(left, box.top(), width, 20), Qt::AlignCenter, text);
                    left += width;
                }
                break;
            }
            case design::Kind::Frame:
                frame = box.topLeft();
                break;
            case design::Kind::ListBox:
                if (control.container == design::Container::Tab0)
                    paintRows(painter, box.adjusted(3, 2, -2, -2));
                break;
            default:
                painter.drawText(box, alignmentOf(control), textOf(control.caption));
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

    std::array<QFont, 5> faces;
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
