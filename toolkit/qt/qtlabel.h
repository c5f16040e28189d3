#pragma once

#include "captionfit.h"
#include "label.h"

#include <QFont>
#include <QLabel>

#include <optional>

namespace toolkit::qt {

class QtLabel : public QLabel, public Label {
    Q_OBJECT

public:
    using QLabel::QLabel;

    std::u16string caption() const override;
    void setCaption(Text caption) override;
    Colour foreColour() const override;
    void setForeColour(Colour colour) override;
    void keepCaptionsWhole(const Label& beside) override;

private:
    void fitCaption();

    bool keepWhole = false;
    int spare = 0;
    QRect designBox;
    QFont designFont;
    std::optional<CaptionFit> shown; // the fit the label is drawn with
};

} // namespace toolkit::qt
