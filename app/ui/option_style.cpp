#include "app/ui/option_style.h"

#include <algorithm>

namespace velmor {
namespace {

constexpr int kCircle = 12;
constexpr int kLabelSpacing = 4;

}  // namespace

int OptionButtonStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return std::min(kCircle, QProxyStyle::pixelMetric(metric, option, widget));
        case PM_RadioButtonLabelSpacing: return kLabelSpacing;
        default: return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

}  // namespace velmor
