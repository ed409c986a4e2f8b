// CQZCurrencyEx8: um valor com oito casas implícitas (o inteiro do CY é o valor vezes
// 100.000.000), com as suas casas (0 a 8, padrão 8) e o seu modo (padrão 0, meio
// para longe do zero). Produto e quociente passam por DECIMAL; a conversão para
// CQZCurrencyEx arredonda meio para o par na quarta casa.
#pragma once

#include "vrmwnd/base/CQZCurrencyEx.h"
#include "vrmwnd/base/exporta.h"

class VRMWND_BASE_API CQZCurrencyEx8 : public TQZAjustesArredondamento<CQZCurrencyEx8, 8> {
 public:
  constexpr CQZCurrencyEx8() : m_cyValor(g_cyZero), m_nCasasDecimais(8), m_nModoArredondamento(ARREDONDA_MEIO) {}
  // O double vai a DECIMAL, é multiplicado por 10.000 e volta a CY; falha dá zero.
  CQZCurrencyEx8(double valor);
  // Inteiro bruto: o valor vezes 10^8.
  explicit CQZCurrencyEx8(LONGLONG bruto);
  CQZCurrencyEx8(const CQZCurrencyEx8& outro) = default;
  constexpr virtual ~CQZCurrencyEx8() = default;

  // Atribuir leva só o valor; casas e modo ficam os deste.
  CQZCurrencyEx8& operator=(const CQZCurrencyEx8& outro);
  CQZCurrencyEx8& operator=(double valor);

  // Sem verificação: 0..8 fica por conta do chamador. SetCasasDecimais(bool, bool)
  // (duas casas ou oito), SetArredonda, SetModoArredondamento e Arredonda vêm de
  // TQZAjustesArredondamento.
  void SetCasasDecimais(int n);
  using TQZAjustesArredondamento::SetCasasDecimais;
  int GetCasasDecimais() const { return m_nCasasDecimais; }
  int GetModoArredondamento() const { return m_nModoArredondamento; }

  double GetDouble() const { return static_cast<double>(m_cyValor.int64) / 100'000'000.0; }
  LONGLONG GetInt64() const { return m_cyValor.int64; }

  // "0,12345679": o valor em DECIMAL, texto en-US e o formatador brasileiro com as
  // casas do objeto; "Erro" quando o texto do valor falha.
  CString Formata() const;

  CQZCurrencyEx8& operator+=(const CQZCurrencyEx8& valor);
  CQZCurrencyEx8& operator-=(const CQZCurrencyEx8& valor);
  // O bruto do CQZCurrencyEx é multiplicado por 10.000 antes.
  CQZCurrencyEx8& operator+=(const CQZCurrencyEx& valor);
  CQZCurrencyEx8& operator-=(const CQZCurrencyEx& valor);
  CQZCurrencyEx8 operator+(const CQZCurrencyEx8& valor) const;
  CQZCurrencyEx8 operator-(const CQZCurrencyEx8& valor) const;
  CQZCurrencyEx8 operator+(const CQZCurrencyEx& valor) const;
  CQZCurrencyEx8 operator-(const CQZCurrencyEx& valor) const;

  // Aritmética decimal; falha (divisão por zero, estouro) dá zero.
  CQZCurrencyEx8 operator*(const CQZCurrencyEx8& valor) const;
  CQZCurrencyEx8 operator*(const CQZCurrencyEx& valor) const;
  CQZCurrencyEx8 operator*(double valor) const;
  CQZCurrencyEx8 operator/(const CQZCurrencyEx8& valor) const;
  CQZCurrencyEx8 operator/(const CQZCurrencyEx& valor) const;
  CQZCurrencyEx8 operator/(double valor) const;

  // n centésimos de percentual (1250 = 12,50 %): valor x (n / 100) / 100.
  CQZCurrencyEx8 Percentual(unsigned short nCentesimos) const;
  // valor x p / 100.
  CQZCurrencyEx8 Percentual(const CQZCurrencyEx8& percentual) const;
  CQZCurrencyEx8 Percentual(const CQZCurrencyEx& percentual) const;

  // Bruto / 10.000 como quociente decimal e VarCyFromDec; falha dá zero.
  CQZCurrencyEx GetCurrencyEx() const;
  operator CQZCurrencyEx() const { return GetCurrencyEx(); }

 private:
  friend class TQZAjustesArredondamento<CQZCurrencyEx8, 8>;
  void Atribui(LONGLONG bruto);
  // O valor real como DECIMAL e a volta de um DECIMAL real ao bruto de 8 casas.
  DECIMAL ParaDecimal() const;
  static CQZCurrencyEx8 DeDecimal(const DECIMAL& valor, const CQZCurrencyEx8& ajustes);
  CQZCurrencyEx8 OperacaoDecimal(const DECIMAL& outro, bool bDivide) const;

  CY m_cyValor;
  int m_nCasasDecimais;
  int m_nModoArredondamento;
};

VRMWND_BASE_API extern const CQZCurrencyEx8 g_cur8Zero;
