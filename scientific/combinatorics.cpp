#include "scientific/combinatorics.h"

#include "engine/errors.h"

namespace velmor::math {

// Written by the scientific-functions work; the declarations are the contract.

}  // namespace velmor::math
