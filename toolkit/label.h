#pragma once

#include <QLabel>

// A label whose text and text colour the program sets at run time.
class Label : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    void setCaption(const QString& caption);
    void setForeColor(quint8 red, quint8 green, quint8 blue);
    QColor foreColor() const;
};
