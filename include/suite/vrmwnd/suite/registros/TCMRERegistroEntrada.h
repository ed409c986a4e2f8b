// Registro de entrada de mercadorias (TCMRERegistroEntrada): cabeçalho, fornecedor,
// datas, origem, transporte, valores acumulados e totais, observações, notas referidas,
// produtos, serviços e a condição de pagamento com as parcelas.
#pragma once

#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/registros/TCMCondicaoPagamento.h"
#include "vrmwnd/suite/registros/TCMREItemProduto.h"
#include "vrmwnd/suite/registros/TCMREItemServico.h"
#include "vrmwnd/suite/registros/TCMRENFReferidas.h"

#define QZ_PROPS_TCMRERegistroEntrada_CABECALHO(P)                      \
  P(unsigned char, VariasNotasDevolucaoRetorno, m_byVariasNotas)        \
  P(REG_QZDMC, RegQuemGerou, m_regQuemGerou)                            \
  P(REG_QZDMA, RegDataEntrada, m_dmaEntrada)                            \
  P(REG_QZDMA, RegDataEmissao, m_dmaEmissao)                            \
  P(unsigned short, PonteiroFilial, m_iPonteiroFilial)                  \
  P(CString, NumeroNotaFiscal, m_strNumeroNotaFiscal)                   \
  P(CString, SerieNotaFiscal, m_strSerieNotaFiscal)                     \
  P(unsigned short, PonteiroTipoDocumento, m_iPonteiroTipoDocumento)    \
  P(long, PonteiroFornecedor, m_lPonteiroFornecedor)                    \
  P(unsigned char, StatusRementente, m_byStatusRemetente)               \
  P(unsigned short, ClasseConsumidora, m_iClasseConsumidora)            \
  P(unsigned char, TipoAssinante, m_byTipoAssinante)                    \
  P(unsigned short, PonteiroCFOPPrincipal, m_iPonteiroCFOPPrincipal)    \
  P(unsigned short, PonteiroSitServicoPrincipal, m_iPonteiroSitServico) \
  P(long, PonteiroClassificacao, m_lPonteiroClassificacao)              \
  P(unsigned char, Situacao, m_bySituacao)                              \
  P(unsigned char, StatusNFPropria, m_byStatusNFPropria)                \
  P(long, PonteiroTransportadora, m_lPonteiroTransportadora)            \
  P(unsigned short, PonteiroHistorico, m_iPonteiroHistorico)            \
  P(CString, ComplementoHistorico, m_strComplementoHistorico)           \
  P(unsigned short, PonteiroOperacao, m_iPonteiroOperacao)              \
  P(unsigned char, IndicadorTipoNF, m_byIndicadorTipoNF)                \
  P(ULONGLONG, NSU, m_nNSU)                                             \
  P(CString, ChaveAcessoNFe, m_strChaveAcessoNFe)

#define QZ_PROPS_TCMRERegistroEntrada_TRANSPORTE(P)         \
  P(unsigned char, StatusViaTransp, m_byStatusViaTransp)    \
  P(unsigned char, FretePorConta, m_byFretePorConta)        \
  P(unsigned long, QtdVolumes, m_lQtdVolumes)               \
  P(CString, EspecieVolume, m_strEspecieVolume)             \
  P(CString, MarcaVolume, m_strMarcaVolume)                 \
  P(CString, NumeroInicialVolume, m_strNumeroInicialVolume) \
  P(CY, PesoBrutoTotal, m_cyPesoBruto)                      \
  P(CY, PesoLiquidoTotal, m_cyPesoLiquido)                  \
  P(CString, PlacaVeiculo1, m_strPlaca1)                    \
  P(CString, Estado1, m_strEstado1)                         \
  P(CString, PlacaVeiculo2, m_strPlaca2)                    \
  P(CString, Estado2, m_strEstado2)                         \
  P(CString, PlacaVeiculo3, m_strPlaca3)                    \
  P(CString, Estado3, m_strEstado3)

#define QZ_PROPS_TCMRERegistroEntrada_VALORES(P)                          \
  P(CY, ValorFreteDigitado, m_cyFrete)                                    \
  P(unsigned char, InformarValorFrete, m_byInformarFrete)                 \
  P(CY, ValorSeguroDigitado, m_cySeguro)                                  \
  P(unsigned char, InformarValorSeguro, m_byInformarSeguro)               \
  P(CY, ValorDespesasAcessoriasDigitado, m_cyDespesas)                    \
  P(unsigned char, InformarValorDespesasAcessorias, m_byInformarDespesas) \
  P(CY, ValorTotalIPI, m_cyValorTotalIPI)                                 \
  P(CY, BaseCalcIPI, m_cyBaseIPI)                                         \
  P(CY, IsentasICMS, m_cyIsentasICMS)                                     \
  P(CY, OutrasICMS, m_cyOutrasICMS)                                       \
  P(CY, IsentasIPI, m_cyIsentasIPI)                                       \
  P(CY, OutrasIPI, m_cyOutrasIPI)                                         \
  P(CY, ValorFunrural, m_cyFunrural)                                      \
  P(CY, ValorDeducaoICMSSuframa, m_cySuframa)                             \
  P(CY, ValorDescontoNaNota, m_cyDescontoNaNota)                          \
  P(CY, ValorTotalProdutos, m_cyTotalProdutos)                            \
  P(CY, ValorTotalServicos, m_cyTotalServicos)                            \
  P(CY, ValorTotalRetencoes, m_cyTotalRetencoes)                          \
  P(CY, ValorTotalNota, m_cyTotalNota)                                    \
  P(CY, ValorLiquidoNota, m_cyLiquidoNota)                                \
  P(CString, ObservacaoGeral, m_strObservacaoGeral)                       \
  P(CString, ObservacaoFisco, m_strObservacaoFisco)

#define QZ_PROPS_TCMRERegistroEntrada(P)                                                 \
  QZ_PROPS_TCMRERegistroEntrada_CABECALHO(P) QZ_PROPS_TCMRERegistroEntrada_TRANSPORTE(P) \
      QZ_PROPS_TCMRERegistroEntrada_VALORES(P) P(TCMCondicaoPagamento, CondicaoPagamento, m_condicaoPagamento)

#define QZ_LISTAS_TCMRERegistroEntrada(L)          \
  L(TCMRENFReferidas, Referidas, m_listaReferidas) \
  L(TCMREItemProduto, Produto, m_listaProduto)     \
  L(TCMREItemServico, Servico, m_listaServico)

class VRMWND_SUITE_API TCMRERegistroEntrada {
  QZ_REGISTRO_VALOR_COM_LISTAS(TCMRERegistroEntrada, QZ_PROPS_TCMRERegistroEntrada, QZ_LISTAS_TCMRERegistroEntrada)

 public:
  // Guarda o bloco NF-e sem o identificador e o texto da chave que ele nomeia.
  void SetRegNFe(const _QZ_NFE_ps& nfe);
  _QZ_NFE_ps GetRegNFe() const { return m_regNFe; }

  // As listas no lugar, sem cópia (somas de totais, importação de muitos itens).
  const vrmsuite::TListaRegistro<TCMREItemProduto>& GetListaProdutoRef() const { return m_listaProduto; }
  vrmsuite::TListaRegistro<TCMREItemProduto>& GetListaProdutoRef() { return m_listaProduto; }
  const vrmsuite::TListaRegistro<TCMREItemServico>& GetListaServicoRef() const { return m_listaServico; }
  vrmsuite::TListaRegistro<TCMREItemServico>& GetListaServicoRef() { return m_listaServico; }
  // A condição de pagamento do registro, para acrescentar parcelas no lugar.
  TCMCondicaoPagamento& GetCondicaoPagamentoRef() { return m_condicaoPagamento; }

 private:
  _QZ_NFE_ps m_regNFe{};
};
