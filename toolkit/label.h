#pragma once

#include <QFont>
#include <QLabel>

// A label whose text and text colour the program sets at run time.
class Label : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    void setCaption(const QString& caption);
    void setForeColor(quint8 red, quint8 green, quint8 blue);
    QColor foreColor() const;

    // From now on keeps every caption whole on one line. One that would not
    // fit the label's present box and font moves the box's left edge by up
    // to spareLeft pixels (leftwards, or rightwards to keep clear of what is
    // there when spareLeft is negative); if it still would not fit, it is
    // drawn in a smaller size of the same face, on the same baseline.
    void keepCaptionsWhole(int spareLeft);

private:
    void fitCaption();

    bool keepWhole = false;
    int spare = 0;
    QRect designBox;
    QFont designFont;
};
