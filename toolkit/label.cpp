#include "label.h"

void Label::setCaption(const QString& caption)
{
    setText(caption);
}

void Label::setForeColor(quint8 red, quint8 green, quint8 blue)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(red, green, blue));
    setPalette(colours);
}

QColor Label::foreColor() const
{
    return palette().color(QPalette::WindowText);
}
