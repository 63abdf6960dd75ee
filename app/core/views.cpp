// The View menu: three outer window sizes with their check marks.
#include <array>

#include "app/core/dispatch.h"
#include "engine/form.h"

namespace velmor {
namespace {

struct ViewRow {
    Menu item;
    int width, height;  // outer size in twips
};

constexpr std::array<ViewRow, 3> kViews = {{
    {Menu::General, 6000, 4845},
    {Menu::Superscientific, 8415, 6345},
    {Menu::StandardDeviation, 10110, 6345},
}};

template <int Row>
void chooseView(Form& form) {
    for (const ViewRow& view : kViews) form.menu(view.item).checked = false;
    form.menu(kViews[Row].item).checked = true;
    form.windowSize = WindowSize{kViews[Row].width, kViews[Row].height, false};
    form.control(Ctl::FunctionFrame).visible = true;
    form.control(Ctl::MoreFrame).visible = true;
}

}  // namespace

void registerViewMenu(ActionTable& table) {
    table.onMenu(Menu::General, [](Form& form) {
        for (const ViewRow& view : kViews) form.menu(view.item).checked = false;
        form.menu(Menu::General).checked = true;
        form.windowSize = WindowSize{kViews[0].width, kViews[0].height, false};
    });
    table.onMenu(Menu::Superscientific, chooseView<1>);
    table.onMenu(Menu::StandardDeviation, chooseView<2>);
}

}  // namespace velmor
