// Impostos dos itens da entrada de mercadorias: a dedução de uma retenção
// (TCMImpostoDeducao) e a entrada de imposto de um item (TCMREImposto: tipo, valor,
// base, alíquota, código de receita e as suas deduções).
#pragma once

#include "vrmwnd/suite/registros/registro_valor.h"

#define QZ_PROPS_TCMImpostoDeducao(P)   \
  P(CY, ValorDeducao, m_cyValorDeducao) \
  P(CString, Descricao, m_strDescricao) \
  P(unsigned char, Tipo, m_byTipo)

class TCMImpostoDeducao {
  QZ_REGISTRO_VALOR(TCMImpostoDeducao, QZ_PROPS_TCMImpostoDeducao)
};

// Tipos 1 a 6 são os do catálogo de impostos da suíte (CTrataDadosRE::GetNomeImposto);
// nas retenções de um serviço, cada tipo aparece uma vez.
enum {
  CM_IMPOSTO_IRRF = 1,
  CM_IMPOSTO_PIS = 2,
  CM_IMPOSTO_COFINS = 3,
  CM_IMPOSTO_CSLL = 4,
  CM_IMPOSTO_ISS = 5,
  CM_IMPOSTO_INSS = 6,
};

#define QZ_PROPS_TCMREImposto(P)                 \
  P(unsigned char, TipoImposto, m_byTipoImposto) \
  P(CY, Valor, m_cyValor)                        \
  P(CY, Base, m_cyBase)                          \
  P(CY, Aliquota, m_cyAliquota)                  \
  P(long, CodigoReceita, m_lCodigoReceita)

#define QZ_LISTAS_TCMREImposto(L) L(TCMImpostoDeducao, Deducao, m_listaDeducao)

class TCMREImposto {
  QZ_REGISTRO_VALOR_COM_LISTAS(TCMREImposto, QZ_PROPS_TCMREImposto, QZ_LISTAS_TCMREImposto)
};
