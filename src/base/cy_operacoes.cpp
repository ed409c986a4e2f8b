// As operações livres sobre CY, todas pelas rotinas de automação da plataforma.
#include "vrmwnd/base/cy_operacoes.h"

CY CyDeDouble(double valor) {
  CY cy = g_cyZero;
  VarCyFromR8(valor, &cy);
  return cy;
}

DECIMAL DecDeCy(CY valor) {
  DECIMAL dec{};
  VarDecFromCy(valor, &dec);
  return dec;
}

DECIMAL DecDeDouble(double valor) {
  DECIMAL dec{};
  VarDecFromR8(valor, &dec);
  return dec;
}

namespace {

// Produto ou quociente decimal: qualquer passo que falha deixa o resultado em 0.
CY OperacaoDecimal(const DECIMAL& esquerda, const DECIMAL& direita, bool bDivide) {
  DECIMAL dec{};
  const HRESULT hr = bDivide ? VarDecDiv(&esquerda, &direita, &dec)
                             : VarDecMul(&esquerda, &direita, &dec);
  CY cy = g_cyZero;
  if (FAILED(hr) || FAILED(VarCyFromDec(&dec, &cy))) return g_cyZero;
  return cy;
}

// Conversão de um operando double: a falha do passo anula a operação inteira.
bool DecimalDeDouble(double valor, DECIMAL* pDec) { return SUCCEEDED(VarDecFromR8(valor, pDec)); }

CY ProdutoComDouble(CY a, double b) {
  DECIMAL decB{};
  if (!DecimalDeDouble(b, &decB)) return g_cyZero;
  return CyProdutoDecimal(DecDeCy(a), decB);
}

}  // namespace

CY CyProdutoDecimal(const DECIMAL& esquerda, const DECIMAL& direita) {
  return OperacaoDecimal(esquerda, direita, false);
}

CY CyQuocienteDecimal(const DECIMAL& esquerda, const DECIMAL& direita) {
  return OperacaoDecimal(esquerda, direita, true);
}

CY operator+(CY a, CY b) {
  CY r = g_cyZero;
  VarCyAdd(a, b, &r);
  return r;
}

CY operator-(CY a, CY b) {
  CY r = g_cyZero;
  VarCySub(a, b, &r);
  return r;
}

CY operator+(CY a, double b) { return a + CyDeDouble(b); }
CY operator+(double a, CY b) { return CyDeDouble(a) + b; }
CY operator-(CY a, double b) { return a - CyDeDouble(b); }
CY operator-(double a, CY b) { return CyDeDouble(a) - b; }

CY operator*(CY a, CY b) {
  CY r = g_cyZero;
  VarCyMul(a, b, &r);
  return r;
}

CY operator*(CY a, double b) { return ProdutoComDouble(a, b); }
CY operator*(double a, CY b) { return ProdutoComDouble(b, a); }

CY operator/(CY a, CY b) { return CyQuocienteDecimal(DecDeCy(a), DecDeCy(b)); }

CY operator/(CY a, double b) {
  DECIMAL decB{};
  if (!DecimalDeDouble(b, &decB)) return g_cyZero;
  return CyQuocienteDecimal(DecDeCy(a), decB);
}

CY operator/(double a, CY b) {
  DECIMAL decA{};
  if (!DecimalDeDouble(a, &decA)) return g_cyZero;
  return CyQuocienteDecimal(decA, DecDeCy(b));
}

CY operator-(CY a) { return CyDeBruto(static_cast<LONGLONG>(0ULL - static_cast<ULONGLONG>(a.int64))); }

CY& operator+=(CY& a, CY b) { return a = a + b; }
CY& operator-=(CY& a, CY b) { return a = a - b; }
CY& operator+=(CY& a, double b) { return a = a + b; }
CY& operator-=(CY& a, double b) { return a = a - b; }
CY& operator*=(CY& a, CY b) { return a = a * b; }
CY& operator*=(CY& a, double b) { return a = a * b; }
CY& operator/=(CY& a, CY b) { return a = a / b; }
CY& operator/=(CY& a, double b) { return a = a / b; }

bool operator==(CY a, CY b) { return a.int64 == b.int64; }
bool operator!=(CY a, CY b) { return a.int64 != b.int64; }
bool operator<(CY a, CY b) { return a.int64 < b.int64; }
bool operator>(CY a, CY b) { return a.int64 > b.int64; }
bool operator<=(CY a, CY b) { return a.int64 <= b.int64; }
bool operator>=(CY a, CY b) { return a.int64 >= b.int64; }
bool operator==(CY a, double b) { return a == CyDeDouble(b); }
bool operator!=(CY a, double b) { return a != CyDeDouble(b); }
bool operator<(CY a, double b) { return a < CyDeDouble(b); }
bool operator>(CY a, double b) { return a > CyDeDouble(b); }
bool operator<=(CY a, double b) { return a <= CyDeDouble(b); }
bool operator>=(CY a, double b) { return a >= CyDeDouble(b); }
bool operator==(double a, CY b) { return CyDeDouble(a) == b; }
bool operator!=(double a, CY b) { return CyDeDouble(a) != b; }
bool operator<(double a, CY b) { return CyDeDouble(a) < b; }
bool operator>(double a, CY b) { return CyDeDouble(a) > b; }
bool operator<=(double a, CY b) { return CyDeDouble(a) <= b; }
bool operator>=(double a, CY b) { return CyDeDouble(a) >= b; }
