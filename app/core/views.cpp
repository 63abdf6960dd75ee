// The View menu: three outer window sizes with their check marks.
#include <array>
#include <utility>

#include "app/core/dispatch.h"
#include "engine/form.h"

namespace velmor {
namespace {

struct ViewRow {
    Menu item;
    int width, height;       // outer size in twips
    bool showsMoreFrames;    // shows the function and the extra-key frames again
};

constexpr std::array<ViewRow, 3> kViews = {{
    {Menu::General, 6000, 4845, false},
    {Menu::SuperScientific, 8415, 6345, true},
    {Menu::StandardDeviation, 10110, 6345, true},
}};

template <int Row>
void chooseView(Form& form) {
    const ViewRow& chosen = kViews[Row];
    for (const ViewRow& view : kViews) form.menu(view.item).checked = false;
    form.menu(chosen.item).checked = true;
    form.windowSize = WindowSize{chosen.width, chosen.height, false};
    if (!chosen.showsMoreFrames) return;
    form.control(Ctl::FunctionFrame).visible = true;
    form.control(Ctl::MoreFrame).visible = true;
}

template <int... Rows>
void registerViews(ActionTable& table, std::integer_sequence<int, Rows...>) {
    (table.onMenu(kViews[Rows].item, chooseView<Rows>), ...);
}

}  // namespace

void registerViewMenu(ActionTable& table) {
    registerViews(table, std::make_integer_sequence<int, kViews.size()>{});
}

}  // namespace velmor
