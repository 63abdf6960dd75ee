// The options Qt's own application classes read from the command line, with the
// words --help-all shows for them. The program's parser leaves them to Qt.
#pragma once

#include <span>
#include <string_view>

namespace velmor {

struct QtOption {
    std::string_view name;   // without its dash; Qt takes "-name" and "--name" alike
    std::string_view value;  // the name of its value; empty when it takes none
    std::string_view description;
};

std::span<const QtOption> qtOptions();

// The Qt option that `argument` names, if any.
const QtOption* qtOptionNamed(std::string_view argument);

}  // namespace velmor
