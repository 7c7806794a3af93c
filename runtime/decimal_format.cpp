#include "runtime/decimal_format.h"

namespace {

int WriteMagnitude(bool negative, unsigned long long magnitude, char* out) {
  char digits[kDecimalBufferSize];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  int length = 0;
  if (negative) out[length++] = '-';
  while (count > 0) out[length++] = digits[--count];
  out[length] = '\0';
  return length;
}

}  // namespace

int FormatDecimal(long long value, char (&out)[kDecimalBufferSize]) {
  // The magnitude is taken as unsigned, so the most negative value needs no special case.
  const unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                 : static_cast<unsigned long long>(value);
  return WriteMagnitude(value < 0, magnitude, out);
}

int FormatUnsignedDecimal(unsigned long long value, char (&out)[kDecimalBufferSize]) {
  return WriteMagnitude(false, value, out);
}
