// The shared machinery of the OLE Automation routines: powers of ten, packing of
// DECIMAL, the 256-bit scratch integer, half-to-even reduction, locale separators
// and plain decimal text.
#include "oleauto_detail.h"

#include <algorithm>

namespace vrmwnd::platform::detail {

U256 U256::from(u128 value) {
  U256 result;
  for (int i = 0; i < 4; ++i) result.limb[i] = static_cast<std::uint32_t>(value >> (32 * i));
  return result;
}

U256 U256::product(u128 left, u128 right) {
  const U256 a = from(left);
  const U256 b = from(right);
  U256 result;
  for (int i = 0; i < 4; ++i) {
    std::uint64_t carry = 0;
    for (int j = 0; j < 4; ++j) {
      const std::uint64_t cell = std::uint64_t{a.limb[i]} * b.limb[j] + result.limb[i + j] + carry;
      result.limb[i + j] = static_cast<std::uint32_t>(cell);
      carry = cell >> 32;
    }
    result.limb[i + 4] = static_cast<std::uint32_t>(carry);
  }
  return result;
}

bool U256::is_zero() const {
  return std::all_of(std::begin(limb), std::end(limb), [](std::uint32_t l) { return l == 0; });
}

bool U256::fits_96() const {
  return std::all_of(std::begin(limb) + 3, std::end(limb), [](std::uint32_t l) { return l == 0; });
}

u128 U256::low128() const {
  u128 result = 0;
  for (int i = 3; i >= 0; --i) result = (result << 32) | limb[i];
  return result;
}

std::uint32_t U256::divide_small(std::uint32_t divisor) {
  std::uint64_t remainder = 0;
  for (int i = 7; i >= 0; --i) {
    const std::uint64_t cell = (remainder << 32) | limb[i];
    limb[i] = static_cast<std::uint32_t>(cell / divisor);
    remainder = cell % divisor;
  }
  return static_cast<std::uint32_t>(remainder);
}

void U256::add(const U256& other) {
  std::uint64_t carry = 0;
  for (int i = 0; i < 8; ++i) {
    const std::uint64_t cell = std::uint64_t{limb[i]} + other.limb[i] + carry;
    limb[i] = static_cast<std::uint32_t>(cell);
    carry = cell >> 32;
  }
}

void U256::subtract(const U256& other) {
  std::int64_t borrow = 0;
  for (int i = 0; i < 8; ++i) {
    std::int64_t cell = std::int64_t{limb[i]} - other.limb[i] - borrow;
    borrow = cell < 0 ? 1 : 0;
    if (cell < 0) cell += std::int64_t{1} << 32;
    limb[i] = static_cast<std::uint32_t>(cell);
  }
}

int U256::compare(const U256& other) const {
  for (int i = 7; i >= 0; --i) {
    if (limb[i] != other.limb[i]) return limb[i] < other.limb[i] ? -1 : 1;
  }
  return 0;
}

HRESULT reduce_to_decimal(U256 value, int scale, bool negative, Decimal* out) {
  std::uint32_t last = 0;
  bool sticky = false;
  bool dropped = false;
  for (;;) {
    while (!value.fits_96() || scale > kMaxScale) {
      if (scale <= 0) return DISP_E_OVERFLOW;
      sticky = sticky || last != 0;
      last = value.divide_small(10);
      dropped = true;
      --scale;
    }
    if (!dropped) break;
    const bool odd = (value.limb[0] & 1) != 0;
    dropped = false;
    if (last > 5 || (last == 5 && (sticky || odd))) {
      value.add(U256::from(1));
      sticky = false;
      last = 0;
      continue;  // a carry into bit 96 needs one more digit dropped
    }
    break;
  }
  out->magnitude = value.low128();
  out->scale = scale;
  out->negative = negative;
  return S_OK;
}

u128 divide_pow10_half_even_wide(u128 magnitude, int digits) {
  const u128 divisor = pow10_u128(digits);
  u128 quotient = magnitude / divisor;
  const u128 remainder = magnitude % divisor;
  const u128 half = divisor / 2;
  if (remainder > half || (remainder == half && (quotient & 1) != 0)) ++quotient;
  return quotient;
}

bool locale_separators(LCID lcid, LocaleSeparators* out) {
  switch (lcid & 0xFFFF) {
    case 0:
    case LOCALE_USER_DEFAULT:
    case LOCALE_SYSTEM_DEFAULT:
    case LCID_PORTUGUESE_BRAZIL: *out = {u',', u'.', u"R$"}; return true;
    case LCID_ENGLISH_US: *out = {u'.', u',', u"$"}; return true;
    default: return false;
  }
}

namespace {

template <typename Unsigned>
char16_t* write_digits(Unsigned magnitude, int scale, char16_t decimal, char16_t* p) {
  while (scale > 0 && magnitude % 10 == 0) {
    magnitude /= 10;
    --scale;
  }
  int count = 0;
  do {
    *--p = static_cast<char16_t>(u'0' + static_cast<int>(magnitude % 10));
    magnitude /= 10;
    if (++count == scale) *--p = decimal;
  } while (magnitude != 0 || count <= scale);  // a zero before a leading separator
  return p;
}

}  // namespace

char16_t* write_plain_text(u128 magnitude, int scale, bool negative, char16_t decimal, char16_t* end) {
  char16_t* p = (magnitude >> 64) == 0 ? write_digits(static_cast<std::uint64_t>(magnitude), scale, decimal, end)
                                       : write_digits(magnitude, scale, decimal, end);
  if (negative && magnitude != 0) *--p = u'-';
  return p;
}

std::u16string plain_text(u128 magnitude, int scale, bool negative, char16_t decimal) {
  char16_t buffer[kPlainTextCapacity];
  char16_t* const end = buffer + kPlainTextCapacity;
  return std::u16string(write_plain_text(magnitude, scale, negative, decimal, end), end);
}

}  // namespace vrmwnd::platform::detail
