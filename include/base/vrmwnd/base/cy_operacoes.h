// Aritmética e comparação sobre CY puro. Soma, subtração e comparação levam um
// double a CY antes (VarCyFromR8: quatro casas); produto e quociente com double, e
// todo quociente, passam por DECIMAL e voltam a CY. Produto ou quociente que falha
// (divisão por zero, estouro da faixa do CY) dá 0; nada aqui lança exceção.
#pragma once

#include "vrmwnd/base/exporta.h"
#include "vrmwnd/platform/oleauto.h"

// CY a partir do inteiro bruto (valor x 10.000).
constexpr CY CyDeBruto(LONGLONG bruto) {
  CY cy{};
  cy.int64 = bruto;
  return cy;
}
// CY de um double pelo arredondamento da plataforma; 0 quando não cabe.
VRMWND_BASE_API CY CyDeDouble(double valor);

// Produto e quociente decimais: resultado 0 quando qualquer passo falha.
VRMWND_BASE_API CY CyProdutoDecimal(const DECIMAL& esquerda, const DECIMAL& direita);
VRMWND_BASE_API CY CyQuocienteDecimal(const DECIMAL& esquerda, const DECIMAL& direita);
VRMWND_BASE_API DECIMAL DecDeCy(CY valor);
VRMWND_BASE_API DECIMAL DecDeDouble(double valor);

VRMWND_BASE_API CY operator+(CY a, CY b);
VRMWND_BASE_API CY operator-(CY a, CY b);
VRMWND_BASE_API CY operator+(CY a, double b);
VRMWND_BASE_API CY operator+(double a, CY b);
VRMWND_BASE_API CY operator-(CY a, double b);
VRMWND_BASE_API CY operator-(double a, CY b);
VRMWND_BASE_API CY operator*(CY a, CY b);
VRMWND_BASE_API CY operator*(CY a, double b);
VRMWND_BASE_API CY operator*(double a, CY b);
VRMWND_BASE_API CY operator/(CY a, CY b);
VRMWND_BASE_API CY operator/(CY a, double b);
VRMWND_BASE_API CY operator/(double a, CY b);
VRMWND_BASE_API CY operator-(CY a);

VRMWND_BASE_API CY& operator+=(CY& a, CY b);
VRMWND_BASE_API CY& operator-=(CY& a, CY b);
VRMWND_BASE_API CY& operator+=(CY& a, double b);
VRMWND_BASE_API CY& operator-=(CY& a, double b);
VRMWND_BASE_API CY& operator*=(CY& a, CY b);
VRMWND_BASE_API CY& operator*=(CY& a, double b);
VRMWND_BASE_API CY& operator/=(CY& a, CY b);
VRMWND_BASE_API CY& operator/=(CY& a, double b);

// Comparações exatas dos inteiros de 64 bits; o double vira CY antes.
VRMWND_BASE_API bool operator==(CY a, CY b);
VRMWND_BASE_API bool operator!=(CY a, CY b);
VRMWND_BASE_API bool operator<(CY a, CY b);
VRMWND_BASE_API bool operator>(CY a, CY b);
VRMWND_BASE_API bool operator<=(CY a, CY b);
VRMWND_BASE_API bool operator>=(CY a, CY b);
VRMWND_BASE_API bool operator==(CY a, double b);
VRMWND_BASE_API bool operator!=(CY a, double b);
VRMWND_BASE_API bool operator<(CY a, double b);
VRMWND_BASE_API bool operator>(CY a, double b);
VRMWND_BASE_API bool operator<=(CY a, double b);
VRMWND_BASE_API bool operator>=(CY a, double b);
VRMWND_BASE_API bool operator==(double a, CY b);
VRMWND_BASE_API bool operator!=(double a, CY b);
VRMWND_BASE_API bool operator<(double a, CY b);
VRMWND_BASE_API bool operator>(double a, CY b);
VRMWND_BASE_API bool operator<=(double a, CY b);
VRMWND_BASE_API bool operator>=(double a, CY b);

// Constantes compartilhadas, prontas quando a biblioteca carrega e nunca alteradas.
inline constexpr CY g_cyZero = CyDeBruto(0);
inline constexpr CY g_cyCem = CyDeBruto(100 * 10'000LL);
inline constexpr CY g_cyUmTrilhao = CyDeBruto(1'000'000'000'000LL * 10'000LL);
