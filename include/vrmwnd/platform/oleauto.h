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
// | VarDecFromR8       | 15 significant digits                                    |
// | VarDecMul, Div     | up to 28-29 significant digits, half to even when cut     |
#pragma once

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
BSTR SysAllocString(const OLECHAR* text);
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
void SysFreeString(BSTR text);
UINT SysStringLen(BSTR text);

HRESULT VarCyAdd(CY left, CY right, LPCY result);
HRESULT VarCySub(CY left, CY right, LPCY result);
HRESULT VarCyMul(CY left, CY right, LPCY result);
HRESULT VarCyMulI4(CY left, LONG right, LPCY result);
HRESULT VarCyFromR8(DOUBLE in, CY* out);
HRESULT VarCyFromI4(LONG in, CY* out);
HRESULT VarCyFromI8(LONGLONG in, CY* out);
HRESULT VarR8FromCy(CY in, DOUBLE* out);
HRESULT VarCyFromDec(const DECIMAL* in, CY* out);
HRESULT VarCyFromStr(LPCOLESTR in, LCID lcid, ULONG flags, CY* out);
HRESULT VarBstrFromCy(CY in, LCID lcid, ULONG flags, BSTR* out);

HRESULT VarDecFromCy(CY in, DECIMAL* out);
HRESULT VarDecFromR8(DOUBLE in, DECIMAL* out);
HRESULT VarDecFromI4(LONG in, DECIMAL* out);
HRESULT VarDecFromI8(LONGLONG in, DECIMAL* out);
HRESULT VarR8FromDec(const DECIMAL* in, DOUBLE* out);
HRESULT VarDecAdd(const DECIMAL* left, const DECIMAL* right, DECIMAL* result);
HRESULT VarDecSub(const DECIMAL* left, const DECIMAL* right, DECIMAL* result);
HRESULT VarDecMul(const DECIMAL* left, const DECIMAL* right, DECIMAL* result);
HRESULT VarDecDiv(const DECIMAL* left, const DECIMAL* right, DECIMAL* result);
HRESULT VarDecCmp(const DECIMAL* left, const DECIMAL* right);  // VARCMP_*
HRESULT VarBstrFromDec(const DECIMAL* in, LCID lcid, ULONG flags, BSTR* out);

constexpr HRESULT VARCMP_LT = 0;
constexpr HRESULT VARCMP_EQ = 1;
constexpr HRESULT VARCMP_GT = 2;
constexpr HRESULT VARCMP_NULL = 3;
