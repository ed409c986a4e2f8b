// OLE Automation values and their arithmetic: CY (currency, value x 10,000), DECIMAL
// (96-bit mantissa, scale 0..28, sign), BSTR (length-prefixed UTF-16) and the Var*
// routines the suite calls, with OLEAUT32's results, rounding and failure codes.
//
// | routine            | rounding of the result                                   |
// |--------------------|----------------------------------------------------------|
// | VarCyAdd, VarCySub | exact 64-bit; DISP_E_OVERFLOW out of range               |
// | VarCyMul           | exact product, half to even at four places               |
// | VarCyFromR8        | the double's exact binary value, half to even            |
// | VarCyFromDec       | half to even at four places                              |
// | VarDecFromR8       | 15 digits of the double scaled by a double power of ten  |
// | VarDecMul, Div     | up to 28-29 significant digits, half to even when cut     |
#pragma once

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/wintypes.h"

using OLECHAR = char16_t;
using LPOLESTR = OLECHAR*;
using LPCOLESTR = const OLECHAR*;
using BSTR = OLECHAR*;
using DOUBLE = double;

typedef union tagCY {
  struct {
    ULONG Lo;
    LONG Hi;
  };
  LONGLONG int64;
} CY, *LPCY;

typedef struct tagDEC {
  USHORT wReserved;
  union {
    struct {
      BYTE scale;  // 0..28: the value is the mantissa / 10^scale
      BYTE sign;   // DECIMAL_NEG or 0
    };
    USHORT signscale;
  };
  ULONG Hi32;
  union {
    struct {
      ULONG Lo32;
      ULONG Mid32;
    };
    ULONGLONG Lo64;
  };
} DECIMAL, *LPDECIMAL;

constexpr BYTE DECIMAL_NEG = 0x80;
constexpr BYTE DECIMAL_MAX_SCALE = 28;

// BSTR: a UTF-16 string whose length is kept before its first character.
// SysAllocString(nullptr) and SysFreeString(nullptr) do nothing, as on Windows.
VRMWND_PLATFORM_API BSTR SysAllocString(const OLECHAR* text);
VRMWND_PLATFORM_API BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
VRMWND_PLATFORM_API void SysFreeString(BSTR text);
VRMWND_PLATFORM_API UINT SysStringLen(BSTR text);

VRMWND_PLATFORM_API HRESULT VarCyAdd(CY left, CY right, LPCY result);
VRMWND_PLATFORM_API HRESULT VarCySub(CY left, CY right, LPCY result);
VRMWND_PLATFORM_API HRESULT VarCyMul(CY left, CY right, LPCY result);
VRMWND_PLATFORM_API HRESULT VarCyMulI4(CY left, LONG right, LPCY result);
VRMWND_PLATFORM_API HRESULT VarCyFromR8(DOUBLE in, CY* out);
VRMWND_PLATFORM_API HRESULT VarCyFromI4(LONG in, CY* out);
// DISP_E_OVERFLOW from |in| >= 922,337,203,685,477 on, as on Windows.
VRMWND_PLATFORM_API HRESULT VarCyFromI8(LONGLONG in, CY* out);
VRMWND_PLATFORM_API HRESULT VarR8FromCy(CY in, DOUBLE* out);
// E_INVALIDARG for a DECIMAL whose scale is above 28 or whose sign byte is neither
// 0 nor DECIMAL_NEG (VarR8FromDec too).
VRMWND_PLATFORM_API HRESULT VarCyFromDec(const DECIMAL* in, CY* out);
// Text routines know the separators of 1046 (pt-BR: decimal ',', thousands '.',
// currency "R$"), which also stands for LCID 0 and the user and system defaults, and
// of 1033 (en-US: '.', ',', "$"); any other LCID gives E_INVALIDARG. The flags
// (LOCALE_NOUSEROVERRIDE) change nothing: user overrides are never read.
// VarCyFromStr takes blanks and one sign before or after the digits, parentheses for
// a negative value, the currency symbol, thousands separators anywhere in the integer
// part, one decimal separator and an exponent ("1,5E-2"); rounds half to even at the
// fourth place. DISP_E_TYPEMISMATCH for anything else, DISP_E_OVERFLOW out of range.
VRMWND_PLATFORM_API HRESULT VarCyFromStr(LPCOLESTR in, LCID lcid, ULONG flags, CY* out);
// "-1234.5": plain digits, no grouping, trailing fraction zeros dropped, "0" for zero.
VRMWND_PLATFORM_API HRESULT VarBstrFromCy(CY in, LCID lcid, ULONG flags, BSTR* out);

VRMWND_PLATFORM_API HRESULT VarDecFromCy(CY in, DECIMAL* out);
// The double scaled to 15 digits by one multiply (or division) by a power of ten in
// double arithmetic, that double rounded half to even: not the exact binary value,
// so 92208149871.34465 gives 92208149871.3446. Trailing zeros are dropped (0.1 is
// 1 at scale 1); 0 below about half the 28th place; DISP_E_OVERFLOW from 2^96 on.
VRMWND_PLATFORM_API HRESULT VarDecFromR8(DOUBLE in, DECIMAL* out);
VRMWND_PLATFORM_API HRESULT VarDecFromI4(LONG in, DECIMAL* out);
VRMWND_PLATFORM_API HRESULT VarDecFromI8(LONGLONG in, DECIMAL* out);
VRMWND_PLATFORM_API HRESULT VarR8FromDec(const DECIMAL* in, DOUBLE* out);
VRMWND_PLATFORM_API HRESULT VarDecAdd(const DECIMAL* left, const DECIMAL* right, DECIMAL* result);
VRMWND_PLATFORM_API HRESULT VarDecSub(const DECIMAL* left, const DECIMAL* right, DECIMAL* result);
// Mantissas both below 2^32 give a product that keeps its sign and scale even when
// 0, divided down half to even to 28 places; any other zero product is a plain 0.
VRMWND_PLATFORM_API HRESULT VarDecMul(const DECIMAL* left, const DECIMAL* right, DECIMAL* result);
// DISP_E_DIVBYZERO for a zero divisor (also 0 / 0). 1 / 3 is 0.333... with 28 places;
// a quotient that needed rounding drops its trailing zeros (1 / 4 is 0.25), an exact
// one keeps the places of the operands (1.00 / 1 is 1.00).
VRMWND_PLATFORM_API HRESULT VarDecDiv(const DECIMAL* left, const DECIMAL* right, DECIMAL* result);
VRMWND_PLATFORM_API HRESULT VarDecCmp(const DECIMAL* left, const DECIMAL* right);  // VARCMP_*
// As VarBstrFromCy, over the DECIMAL's own scale.
VRMWND_PLATFORM_API HRESULT VarBstrFromDec(const DECIMAL* in, LCID lcid, ULONG flags, BSTR* out);

// The money shortcuts: the CY of the DECIMAL route (VarDecFromCy and VarDecFromR8
// for the operands, VarDecMul or VarDecDiv, VarCyFromDec) and its failure codes,
// computed in 64- and 128-bit integers. A CY over a CY is the exact quotient rounded
// once, half to even. With a double the DECIMAL's own rounding to 28-29 digits can
// leave a half that the fourth place then rounds to even, and so it does here:
// 150,000,000,000.0006 x 0.333333333333333 is 50,000,000,000.0002.
VRMWND_PLATFORM_API HRESULT CyDivViaDecimal(CY left, CY right, LPCY result);
VRMWND_PLATFORM_API HRESULT CyMulR8ViaDecimal(CY left, DOUBLE right, LPCY result);
VRMWND_PLATFORM_API HRESULT CyDivR8ViaDecimal(CY left, DOUBLE right, LPCY result);

constexpr HRESULT VARCMP_LT = 0;
constexpr HRESULT VARCMP_EQ = 1;
constexpr HRESULT VARCMP_GT = 2;
constexpr HRESULT VARCMP_NULL = 3;
