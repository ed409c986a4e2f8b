// As operações livres sobre CY, todas pelas rotinas de automação da plataforma: o
// produto com double e os quocientes de CY pelos atalhos que dão o mesmo CY da rota
// DECIMAL; o double dividido por CY pela própria rota.
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
  const HRESULT hr = bDivide ? VarDecDiv(&esquerda, &direita, &dec) : VarDecMul(&esquerda, &direita, &dec);
  CY cy = g_cyZero;
  if (FAILED(hr) || FAILED(VarCyFromDec(&dec, &cy))) return g_cyZero;
  return cy;
}

// Um atalho da plataforma: a falha (divisão por zero, estouro) dá 0.
template <typename TOperando>
CY Atalho(HRESULT (*pAtalho)(CY, TOperando, LPCY), CY a, TOperando b) {
  CY r = g_cyZero;
  if (FAILED(pAtalho(a, b, &r))) return g_cyZero;
  return r;
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

CY operator*(CY a, double b) { return Atalho(CyMulR8ViaDecimal, a, b); }
CY operator*(double a, CY b) { return Atalho(CyMulR8ViaDecimal, b, a); }

CY operator/(CY a, CY b) { return Atalho(CyDivViaDecimal, a, b); }

CY operator/(CY a, double b) { return Atalho(CyDivR8ViaDecimal, a, b); }

CY operator/(double a, CY b) {
  DECIMAL decA{};
  if (FAILED(VarDecFromR8(a, &decA))) return g_cyZero;
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
