// Item de serviço da entrada de mercadorias (TCMREItemServico): serviço, unidade,
// quantidades e valores, as retenções (lista de impostos) e o rateio.
#pragma once

#include "vrmwnd/suite/registros/TCMImposto.h"
#include "vrmwnd/suite/registros/TCMRateio.h"

#define QZ_PROPS_TCMREItemServico(P)                            \
  P(long, PonteiroServico, m_lPonteiroServico)                  \
  P(unsigned short, PonteiroUnidadeMedida, m_iUnidadeMedida)    \
  P(unsigned short, PonteiroSitServico, m_iPonteiroSitServico)  \
  P(long, PonteiroClassificacao, m_lPonteiroClassificacao)      \
  P(unsigned char, LivreCobranca, m_byLivreCobranca)            \
  P(CString, ComplementoServico, m_strComplemento)              \
  P(unsigned char, QtdCasasVlrUnitario, m_byCasasValorUnitario) \
  P(LONGLONG, ValorUnitarioV8, m_llValorUnitarioV8)             \
  P(LONGLONG, ValorDescontoUnitarioV8, m_llDescontoUnitarioV8)  \
  P(CY, Quantidade, m_cyQuantidade)                             \
  P(CY, ValorTotal, m_cyValorTotal)                             \
  P(CY, ValorLiquido, m_cyValorLiquido)                         \
  P(CY, ValorBaixado, m_cyValorBaixado)                         \
  P(CY, ValorDescontoTotal, m_cyValorDescontoTotal)

#define QZ_LISTAS_TCMREItemServico(L)      \
  L(TCMREImposto, Imposto, m_listaImposto) \
  L(TCMRERateioServico, Rateio, m_listaRateio)

class TCMREItemServico {
  QZ_REGISTRO_VALOR_COM_LISTAS(TCMREItemServico, QZ_PROPS_TCMREItemServico, QZ_LISTAS_TCMREItemServico)
};
