// CQZCurrency: a classe de dinheiro mais antiga da biblioteca base, um COleCurrency
// com duas ou quatro casas (padrão quatro). Corta centavos, arredonda doubles pelas
// suas casas e lê textos em que a última vírgula, ou na falta dela o primeiro ponto,
// separa os decimais.
#pragma once

#include "vrmwnd/base/exporta.h"
#include "vrmwnd/platform/COleCurrency.h"

class VRMWND_BASE_API CQZCurrency : public COleCurrency {
 public:
  CQZCurrency() = default;
  CQZCurrency(const COleCurrency& valor) : COleCurrency(valor) {}
  CQZCurrency(CY valor) : COleCurrency(valor) {}
  // O double arredondado às quatro casas.
  explicit CQZCurrency(double valor);

  CQZCurrency& operator=(const COleCurrency& valor);
  // O double é arredondado às casas do objeto (ArredondaDouble) e guardado.
  CQZCurrency& operator=(double valor);

  // 2 ou 4; outro valor vale 4.
  void SetCasasDecimais(short nCasas) { m_nCasasDecimais = nCasas == 2 ? short{2} : short{4}; }
  short GetCasasDecimais() const { return m_nCasasDecimais; }

  // Corta o valor em centésimos inteiros, em direção ao zero.
  void TruncaCentavos();
  // Arredonda valor a nCasas (2 ou 4) pelo VarCyFromR8 e de volta; com duas casas o
  // double é dividido por 100 antes e multiplicado por 100 depois.
  static double ArredondaDouble(double valor, short nCasas);

  // Lê o texto: a última ',' é o separador decimal quando existe, senão o primeiro
  // '.'; os demais separadores são ignorados. Texto ilegível: 0, status inválido e
  // FALSE.
  BOOL SetTexto(const CString& texto);
  // Notação brasileira com as casas do objeto, como CQZCurrencyEx::Formata.
  CString Formata() const;

 private:
  short m_nCasasDecimais = 4;
};
