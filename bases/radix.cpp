#include "bases/radix.h"

#include "engine/errors.h"

namespace velmor::radix {

// Written by the number-bases work; the declarations above are the contract.

}  // namespace velmor::radix
