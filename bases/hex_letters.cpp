#include "bases/base_keys.h"
#include "engine/form.h"

namespace velmor {

// The keyboard writes a typed letter itself and then runs the key without a
// real press, so only a press of the key appends. The letters never start a
// new number: the formula entry types its variables with them.
void typeHexLetter(Form& form, const Press& press) {
    if (!press.real) return;
    form.display() += static_cast<char>('A' + press.index);
}

}  // namespace velmor
