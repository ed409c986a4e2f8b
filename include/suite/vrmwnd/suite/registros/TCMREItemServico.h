// Item de serviço da entrada de mercadorias (TCMREItemServico): serviço, unidade,
// quantidades e valores, as retenções (lista de impostos) e o rateio.
#pragma once

#include "vrmwnd/suite/registros/TCMImposto.h"
#include "vrmwnd/suite/registros/TCMRateio.h"

#define QZ_PROPS_TCMREItemServico(P)                                   \
  P(long, PonteiroServico, m_lPonteiroServico)                         \
  P(unsigned short, PonteiroUnidadeMedida, m_iUnidadeMedida)           \
  P(unsigned short, PonteiroSitServico, m_iPonteiroSitServico)         \
  P(long, PonteiroClassificacao, m_lPonteiroClassificacao)             \
  P(unsigned char, LivreCobranca, m_byLivreCobranca)                   \
  P(CString, ComplementoServico, m_strComplemento)                     \
  P(unsigned char, QtdCasasVlrUnitario, m_byCasasValorUnitario)        \
  P(LONGLONG, ValorUnitarioV8, m_llValorUnitarioV8)                    \
  P(LONGLONG, ValorDescontoUnitarioV8, m_llDescontoUnitarioV8)         \
  P(CY, Quantidade, m_cyQuantidade)                                    \
  P(CY, ValorTotal, m_cyValorTotal)                                    \
  P(CY, ValorLiquido, m_cyValorLiquido)                                \
  P(CY, ValorBaixado, m_cyValorBaixado)                                \
  P(CY, ValorDescontoTotal, m_cyValorDescontoTotal)                    \
  P(T_Lista<TCMREImposto>, ListaImposto, m_listaImposto)               \
  P(T_Lista<TCMRERateioServico>, ListaRateio, m_listaRateio)

class TCMREItemServico {
  QZ_REGISTRO_VALOR(TCMREItemServico, QZ_PROPS_TCMREItemServico)

 public:
  int GetQuantidadeImposto() const { return static_cast<int>(m_listaImposto.GetSize()); }
  TCMREImposto GetImposto(int i) const { return m_listaImposto[i]; }
  void SetImposto(int i, const TCMREImposto& imposto) { m_listaImposto.SetAt(i, imposto); }
  void AdicionaImposto(const TCMREImposto& imposto) { m_listaImposto.Add(imposto); }
  int GetQuantidadeRateio() const { return static_cast<int>(m_listaRateio.GetSize()); }
  TCMRERateioServico GetRateio(int i) const { return m_listaRateio[i]; }
  void SetRateio(int i, const TCMRERateioServico& rateio) { m_listaRateio.SetAt(i, rateio); }
  void AdicionaRateio(const TCMRERateioServico& rateio) { m_listaRateio.Add(rateio); }
};
