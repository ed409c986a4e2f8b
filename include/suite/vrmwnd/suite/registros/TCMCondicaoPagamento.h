// Parcelas e condição de pagamento de um documento: a parcela (TCMParcela) e a
// condição (TCMCondicaoPagamento) que as guarda, com a data do primeiro vencimento.
#pragma once

#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/registros/registro_valor.h"

#define QZ_PROPS_TCMParcela(P)                                      \
  P(CY, ValorParcelaDigitado, m_cyValorDigitado)                    \
  P(REG_QZDMA, RegDataVencimento, m_dmaVencimento)                  \
  P(int, NumeroDaParcela, m_nNumero)                                \
  P(unsigned char, PonteiroTipoVencimento, m_byTipoVencimento)      \
  P(unsigned char, PonteiroFormaPagamento, m_byFormaPagamento)      \
  P(CString, NumeroDocumento, m_strNumeroDocumento)

class TCMParcela {
  QZ_REGISTRO_VALOR(TCMParcela, QZ_PROPS_TCMParcela)
};

#define QZ_PROPS_TCMCondicaoPagamento(P)                         \
  P(unsigned short, PonteiroCondicao, m_iPonteiroCondicao)       \
  P(REG_QZDMA, DataPrimeiroVencimento, m_dmaPrimeiroVencimento)  \
  P(T_Lista<TCMParcela>, ListaParcela, m_listaParcela)

class VRMWND_SUITE_API TCMCondicaoPagamento {
  QZ_REGISTRO_VALOR(TCMCondicaoPagamento, QZ_PROPS_TCMCondicaoPagamento)

 public:
  int GetQuantidadeParcela() const { return static_cast<int>(m_listaParcela.GetSize()); }
  TCMParcela GetParcela(int i) const { return m_listaParcela[i]; }
  void SetParcela(int i, const TCMParcela& parcela) { m_listaParcela.SetAt(i, parcela); }
  void AdicionaParcela(const TCMParcela& parcela) { m_listaParcela.Add(parcela); }
  // Soma dos valores digitados das parcelas.
  CY GetValorTotalParcelas() const;
};
