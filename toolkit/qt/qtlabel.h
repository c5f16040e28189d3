#pragma once

#include "design.h"
#include "label.h"

#include <QFont>
#include <QLabel>

namespace toolkit::qt {

class QtLabel : public QLabel, public Label {
    Q_OBJECT

public:
    // Placed in its design's box and drawn in font, or in its parent's for none.
    QtLabel(const ControlDesign& design, const QFont* font, QWidget* parent);

protected:
    void drawCaption(Text caption) override;
    void drawForeColour(Colour colour) override;
    Colour defaultForeColour() const override;
    void exposeAccessibleName(Text name) override;
    int boxLeft() const override { return designBox.left(); }
    int boxWidth() const override { return designBox.width(); }
    double designPoints() const override { return designFont.pointSizeF(); }
    int textWidth(Text text, double points) const override;
    void placeCaption(const CaptionFit& fit) override;

private:
    QRect designBox;
    QFont designFont;
};

} // namespace toolkit::qt
