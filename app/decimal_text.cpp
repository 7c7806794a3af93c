#include "app/decimal_text.h"

#include "runtime/decimal_format.h"

Text ToDecimalText(std::int32_t value) {
  char digits[kDecimalBufferSize];
  FormatDecimal(value, digits);
  return Text::FromCString(digits);
}
