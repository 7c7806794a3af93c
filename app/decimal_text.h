#pragma once

#include <cstdint>

#include "runtime/text.h"

// The value as "%d" writes it: a "-" for negative values, digits without leading zeros.
Text ToDecimalText(std::int32_t value);
