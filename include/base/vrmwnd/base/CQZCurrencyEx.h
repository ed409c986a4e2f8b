// CQZCurrencyEx: um CY com as suas casas decimais (0 a 4) e o seu modo de
// arredondamento, que se arredonda de novo a cada atribuição, operação ou mudança de
// ajuste e se formata em notação brasileira (1.234,56). Também Calcula e a
// formatação de um CY solto.
#pragma once

#include "vrmwnd/base/arredondamento.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/base/exporta.h"
#include "vrmwnd/platform/CString.h"

class VRMWND_BASE_API CQZCurrencyEx : public TQZAjustesArredondamento<CQZCurrencyEx, 4> {
 public:
  // 0, quatro casas, trunca.
  constexpr CQZCurrencyEx() : m_cyValor(g_cyZero), m_nCasasDecimais(4), m_nModoArredondamento(TRUNCA) {}
  CQZCurrencyEx(double valor);
  CQZCurrencyEx(const CY& valor);
  CQZCurrencyEx(const CQZCurrencyEx& outro) = default;
  // Duas casas se bDuasCasas, senão quatro; modo 0 se bArredonda, senão 1.
  CQZCurrencyEx(bool bDuasCasas, bool bArredonda, const CQZCurrencyEx& valor);
  CQZCurrencyEx(bool bDuasCasas, int nModo, const CQZCurrencyEx& valor);
  constexpr virtual ~CQZCurrencyEx() = default;

  // Atribuir outro CQZCurrencyEx leva só o valor: casas e modo ficam os deste.
  CQZCurrencyEx& operator=(const CQZCurrencyEx& outro);
  CQZCurrencyEx& operator=(const CY& valor);
  CQZCurrencyEx& operator=(double valor);

  CQZCurrencyEx& operator+=(const CY& valor);
  CQZCurrencyEx& operator-=(const CY& valor);
  CQZCurrencyEx& operator*=(const CY& valor);
  CQZCurrencyEx& operator/=(const CY& valor);
  CQZCurrencyEx& operator+=(double valor);
  CQZCurrencyEx& operator-=(double valor);
  CQZCurrencyEx& operator*=(double valor);
  CQZCurrencyEx& operator/=(double valor);

  operator CY() const { return m_cyValor; }

  // n fora de 0..4 vale 4. SetCasasDecimais(bool, bool), SetArredonda,
  // SetModoArredondamento e Arredonda vêm de TQZAjustesArredondamento.
  void SetCasasDecimais(short n);
  using TQZAjustesArredondamento::SetCasasDecimais;
  void SetZeroCasasDecimais() { SetCasasDecimais(short{0}); }
  void SetDuasCasasDecimais() { SetCasasDecimais(short{2}); }
  void SetQuatroCasasDecimais() { SetCasasDecimais(short{4}); }

  short GetCasasDecimais() const { return m_nCasasDecimais; }
  bool IsZeroCasasDecimais() const { return m_nCasasDecimais == 0; }
  bool IsDuasCasasDecimais() const { return m_nCasasDecimais == 2; }
  bool IsQuatroCasasDecimais() const { return m_nCasasDecimais == 4; }
  bool IsArredonda() const { return m_nModoArredondamento == ARREDONDA_MEIO; }
  int GetModoArredondamento() const { return m_nModoArredondamento; }

  CY GetCY() const { return m_cyValor; }
  double GetDouble() const;
  LONGLONG GetInt64() const { return m_cyValor.int64; }
  // Centésimos: bruto / 100 em double, truncado em direção ao zero.
  LONG GetCentavos() const;

  // "1.234,56" com as casas do objeto, cortando (nunca arredondando) o que sobra.
  CString Formata() const;
  // Formata um CY solto com nCasas casas em szSaida (ao menos 64 bytes); "Erro"
  // quando o texto do valor não pode ser obtido, texto vazio quando o formatador
  // recusa.
  static void Formata(const CY& valor, short nCasas, char* szSaida);

  // Lê o texto em pt-BR (1.234,56) se bBrasileiro, senão em en-US (1,234.56);
  // texto ilegível dá 0.
  void SetTexto(const CString& texto, bool bBrasileiro);

  // Percentuais: devolvem um CY novo, sem arredondar e sem mudar o objeto.
  // nCentesimos é o percentual vezes 100 (1250 = 12,50 %).
  CY Percentual(unsigned short nCentesimos) const;
  CY Percentual(CY percentual) const;
  CY Percentual(const CQZCurrencyEx& percentual) const;

 private:
  friend class TQZAjustesArredondamento<CQZCurrencyEx, 4>;
  void Atribui(const CY& valor);

  CY m_cyValor;
  short m_nCasasDecimais;
  int m_nModoArredondamento;
};

// a op b sobre os valores ('*', '+', '-', '/'), atribuído a *pResultado, que
// arredonda pelos seus próprios ajustes. Outro op deixa *pResultado como está.
VRMWND_BASE_API void Calcula(const CQZCurrencyEx& a, char op, const CQZCurrencyEx& b, CQZCurrencyEx* pResultado);
VRMWND_BASE_API void Calcula(const CQZCurrencyEx& a, char op, LONG b, CQZCurrencyEx* pResultado);

// Zero compartilhado, devolvido pelas conversões decimais da biblioteca que falham.
VRMWND_BASE_API extern const CQZCurrencyEx g_curZero;
