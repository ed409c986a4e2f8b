// Títulos a pagar das retenções de um documento: o composto gerencial de uma linha
// (TQZGerencialComposto: as contas gerenciais e o valor para o qual foi feito), a
// linha de classificação de um título (TCMRateioTitulo: filial, classificação, valor
// e contas gerenciais) e o título de um imposto numa parcela (TCMTituloImposto).
#pragma once

#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/registros/TCMRateio.h"
#include "vrmwnd/suite/registros/registro_valor.h"

// As contas gerenciais de uma linha com os seus valores, feitas para o valor Valor;
// a soma das linhas é o valor quando o composto está consistente.
#define QZ_PROPS_TQZGerencialComposto(P) P(CY, Valor, m_cyValor)
#define QZ_LISTAS_TQZGerencialComposto(L) L(TQZGerencial, Gerencial, m_listaGerencial)

class VRMWND_SUITE_API TQZGerencialComposto {
  QZ_REGISTRO_VALOR_COM_LISTAS(TQZGerencialComposto, QZ_PROPS_TQZGerencialComposto, QZ_LISTAS_TQZGerencialComposto)

 public:
  // Soma dos valores das linhas.
  CY GetSomaGerencial() const;
};

#define QZ_PROPS_TCMRateioTitulo(P)                        \
  P(unsigned short, Filial, m_iFilial)                     \
  P(long, PonteiroClassificacao, m_lPonteiroClassificacao) \
  P(CY, Valor, m_cyValor)
#define QZ_LISTAS_TCMRateioTitulo(L) L(TQZGerencial, Gerencial, m_listaGerencial)

class VRMWND_SUITE_API TCMRateioTitulo {
  QZ_REGISTRO_VALOR_COM_LISTAS(TCMRateioTitulo, QZ_PROPS_TCMRateioTitulo, QZ_LISTAS_TCMRateioTitulo)
};

#define QZ_PROPS_TCMTituloImposto(P)                          \
  P(unsigned char, TipoImposto, m_byTipoImposto)              \
  P(int, Parcela, m_nParcela)                                 \
  P(unsigned short, Filial, m_iFilial)                        \
  P(REG_QZDMA, RegDataVencimento, m_dmaVencimento)            \
  P(CString, NumeroDocumento, m_strNumeroDocumento)           \
  P(long, Cedente, m_lCedente)                                \
  P(unsigned short, PonteiroTipoDocumento, m_iTipoDocumento)  \
  P(CY, Valor, m_cyValor)                                     \
  P(unsigned short, PonteiroHistorico, m_iPonteiroHistorico)  \
  P(CString, ComplementoHistorico, m_strComplementoHistorico) \
  P(long, CodigoReceita, m_lCodigoReceita)
#define QZ_LISTAS_TCMTituloImposto(L) L(TCMRateioTitulo, Rateio, m_listaRateio)

class VRMWND_SUITE_API TCMTituloImposto {
  QZ_REGISTRO_VALOR_COM_LISTAS(TCMTituloImposto, QZ_PROPS_TCMTituloImposto, QZ_LISTAS_TCMTituloImposto)

 public:
  // Tira a linha i (as seguintes sobem); índice fora da lista: CInvalidArgException.
  void DeletarRateio(int i);
  // Soma dos valores das linhas.
  CY GetSomaRateio() const;
};
