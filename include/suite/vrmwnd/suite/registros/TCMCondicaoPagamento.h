// Parcelas e condição de pagamento de um documento: a parcela (TCMParcela) e a
// condição (TCMCondicaoPagamento) que as guarda, com a data do primeiro vencimento e
// os títulos das retenções já gravados para o documento, um por imposto e parcela.
#pragma once

#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/registros/TCMTituloImposto.h"
#include "vrmwnd/suite/registros/registro_valor.h"

#define QZ_PROPS_TCMParcela(P)                                 \
  P(CY, ValorParcelaDigitado, m_cyValorDigitado)               \
  P(REG_QZDMA, RegDataVencimento, m_dmaVencimento)             \
  P(int, NumeroDaParcela, m_nNumero)                           \
  P(unsigned char, PonteiroTipoVencimento, m_byTipoVencimento) \
  P(unsigned char, PonteiroFormaPagamento, m_byFormaPagamento) \
  P(CString, NumeroDocumento, m_strNumeroDocumento)

class TCMParcela {
  QZ_REGISTRO_VALOR(TCMParcela, QZ_PROPS_TCMParcela)
};

#define QZ_PROPS_TCMCondicaoPagamento(P)                   \
  P(unsigned short, PonteiroCondicao, m_iPonteiroCondicao) \
  P(REG_QZDMA, DataPrimeiroVencimento, m_dmaPrimeiroVencimento)

#define QZ_LISTAS_TCMCondicaoPagamento(L) \
  L(TCMParcela, Parcela, m_listaParcela)  \
  L(TCMTituloImposto, Titulo, m_listaTitulo)

class VRMWND_SUITE_API TCMCondicaoPagamento {
  QZ_REGISTRO_VALOR_COM_LISTAS(TCMCondicaoPagamento, QZ_PROPS_TCMCondicaoPagamento, QZ_LISTAS_TCMCondicaoPagamento)

 public:
  // Soma dos valores digitados das parcelas.
  CY GetValorTotalParcelas() const;
  // O título i como está guardado (vale enquanto a lista não mudar); índice fora da
  // lista: CInvalidArgException.
  const TCMTituloImposto* GetPtrTitulo(int i) const { return &m_listaTitulo.GetAt(i); }
};
