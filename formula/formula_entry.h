// The "Formule" key: switches formula entry on for the rest of the session.
#pragma once

namespace velmor {

struct Form;

void startFormulaEntry(Form& form);

}  // namespace velmor
