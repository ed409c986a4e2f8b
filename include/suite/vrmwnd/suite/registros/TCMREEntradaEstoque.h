// Entrada de estoque de um item de produto (TCMREEntradaEstoque: tipo, quantidade,
// locais, classificação, lote, volume, arma de fogo e o movimento de origem); a regra
// do local de entrada, TCMREQualEntradaEstoque, vem junto.
#pragma once

#include "vrmwnd/suite/registros/TCMREQualEntradaEstoque.h"
#include "vrmwnd/suite/registros/registro_valor.h"

#define QZ_PROPS_TCMREEntradaEstoque(P)                                       \
  P(unsigned char, Tipo, m_byTipo)                                            \
  P(CY, Quantidade, m_cyQuantidade)                                           \
  P(unsigned short, PonteiroLocal, m_iPonteiroLocal)                          \
  P(unsigned short, PonteiroLocalSaida, m_iPonteiroLocalSaida)                \
  P(long, PonteiroClassificacao, m_lPonteiroClassificacao)                    \
  /* sequência << 12 | código do mês do movimento de onde a entrada sai */ \
  P(unsigned long, PonteiroMovimentoOrigemEstoque, m_lMovimentoOrigem)        \
  P(CString, LoteESNumero, m_strLoteNumero)                                   \
  P(REG_QZDMA, LoteESDataValidade, m_dmaLoteValidade)                         \
  P(REG_QZDMA, LoteESDataFabricacao, m_dmaLoteFabricacao)                     \
  P(unsigned short, LoteESNumeroDeDiaValidade, m_iLoteDiasValidade)           \
  P(CString, LoteESVolume, m_strLoteVolume)                                   \
  P(int, LoteTipoReferencia, m_nLoteTipoReferencia)                           \
  P(CY, LotePrecoTabelado, m_cyLotePrecoTabelado)                             \
  P(unsigned char, ArmaFogo_Tipo, m_byArmaTipo)                               \
  P(CString, ArmaFogo_Serie, m_strArmaSerie)                                  \
  P(CString, ArmaFogo_Cano, m_strArmaCano)                                    \
  P(CString, ArmaFogo_Descricao, m_strArmaDescricao)

class TCMREEntradaEstoque {
  QZ_REGISTRO_VALOR(TCMREEntradaEstoque, QZ_PROPS_TCMREEntradaEstoque)
};
