// Entrada de estoque de um item de produto (TCMREEntradaEstoque: tipo, quantidade,
// locais, classificação, lote, volume, arma de fogo e o movimento de origem) e a
// regra do local de entrada (TCMREQualEntradaEstoque com o seu tipo, os tipos de
// entrada permitidos e o que a entrada dada não atende).
#pragma once

#include "vrmwnd/suite/registro_valor.h"

// Tipos de entrada em estoque (TCMREEntradaEstoque::GetTipo).
enum {
  CM_ENTRADA_ESTOQUE_NAO_MOVIMENTA = 0,
  CM_ENTRADA_ESTOQUE_PROPRIO = 1,
  CM_ENTRADA_ESTOQUE_RETORNO_TERCEIROS = 2,
  CM_ENTRADA_ESTOQUE_DEVOLUCAO_VENDA = 3,
};

#define QZ_PROPS_TCMREEntradaEstoque(P)                                   \
  P(unsigned char, Tipo, m_byTipo)                                        \
  P(CY, Quantidade, m_cyQuantidade)                                       \
  P(unsigned short, PonteiroLocal, m_iPonteiroLocal)                      \
  P(unsigned short, PonteiroLocalSaida, m_iPonteiroLocalSaida)            \
  P(long, PonteiroClassificacao, m_lPonteiroClassificacao)                \
  /* sequência << 12 | código do mês do movimento de onde a entrada sai */    \
  P(unsigned long, PonteiroMovimentoOrigemEstoque, m_lMovimentoOrigem)    \
  P(CString, LoteESNumero, m_strLoteNumero)                               \
  P(REG_QZDMA, LoteESDataValidade, m_dmaLoteValidade)                     \
  P(REG_QZDMA, LoteESDataFabricacao, m_dmaLoteFabricacao)                 \
  P(unsigned short, LoteESNumeroDeDiaValidade, m_iLoteDiasValidade)       \
  P(CString, LoteESVolume, m_strLoteVolume)                               \
  P(int, LoteTipoReferencia, m_nLoteTipoReferencia)                       \
  P(CY, LotePrecoTabelado, m_cyLotePrecoTabelado)                         \
  P(unsigned char, ArmaFogo_Tipo, m_byArmaTipo)                           \
  P(CString, ArmaFogo_Serie, m_strArmaSerie)                              \
  P(CString, ArmaFogo_Cano, m_strArmaCano)                                \
  P(CString, ArmaFogo_Descricao, m_strArmaDescricao)

class TCMREEntradaEstoque {
  QZ_REGISTRO_VALOR(TCMREEntradaEstoque, QZ_PROPS_TCMREEntradaEstoque)
};

// Tipo da regra do local: o local é livre, obrigatório, ou vem do movimento de origem.
enum ETipoQualEntradaEstoque : unsigned char {
  QUAL_ENTRADA_LIVRE = 0,
  QUAL_ENTRADA_LOCAL_OBRIGATORIO = 1,
  QUAL_ENTRADA_MOVIMENTO_ORIGEM = 2,
};

// PonteiroLocal é o local da entrada julgada; Mensagem diz a primeira regra que ela
// não atende (vazia quando atende).
#define QZ_PROPS_TCMREQualEntradaEstoque(P)                              \
  P(ETipoQualEntradaEstoque, Tipo, m_eTipo)                              \
  P(unsigned short, PonteiroLocal, m_iPonteiroLocal)                     \
  P(unsigned char, UsaSaidaMovOriEstoque, m_byUsaSaidaMovOri)            \
  P(T_Lista<unsigned char>, ListaTipoPermitido, m_listaTipoPermitido)    \
  P(CString, Mensagem, m_strMensagem)

class TCMREQualEntradaEstoque {
  QZ_REGISTRO_VALOR(TCMREQualEntradaEstoque, QZ_PROPS_TCMREQualEntradaEstoque)

 public:
  // Exige local: toda entrada que movimenta estoque.
  bool GetLocalObrigatorio() const { return m_eTipo != QUAL_ENTRADA_LIVRE; }
  void AdicionaTipoPermitido(unsigned char byTipo) { m_listaTipoPermitido.Add(byTipo); }
  bool PermiteTipo(unsigned char byTipo) const;
};
