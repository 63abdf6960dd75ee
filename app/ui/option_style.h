// The look of the option buttons at their designed size: the circle fits the
// button's height (the designed buttons are 13 pixels high) and the label sits
// close beside it, so every label ends before the next button's circle and it
// is plain which label belongs to which circle.
#pragma once

#include <QProxyStyle>

namespace velmor {

class OptionButtonStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

}  // namespace velmor
