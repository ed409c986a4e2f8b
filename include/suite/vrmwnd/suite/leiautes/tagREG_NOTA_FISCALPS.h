// Nota fiscal comercial como o servidor a devolve (tagREG_NOTA_FISCALPS, 4912 bytes):
// cabeçalho, valores, transporte, e os vetores de mensagens, itens de produto, itens
// de serviço, parcelas e rateio da nota inteira, todos alocados pelo alocador de
// tarefas. Quem recebe a nota de LeDFNotasFiscais chama Libera e depois CoTaskMemFree.
#pragma once

#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/leiautes/tagREG_ITENS_PRODUTO_NFPS.h"
#include "vrmwnd/suite/leiautes/tagREG_ITENS_SERVICO_NFPS.h"
#include "vrmwnd/suite/leiautes/tagREG_MENSAGEM_INFORMADA_NFPS.h"
#include "vrmwnd/suite/leiautes/tagREG_PARCELA_NFPS.h"

// Escolhas nossas: a posição da própria nota (lPosicao) em 3020 e as larguras dos
// textos: espécie 62, número do volume 20, marca 62, complemento do histórico 256,
// placas 18, UFs 4, série 8, classe de consumo 8.
#define QZ_CAMPOS_tagREG_NOTA_FISCALPS(N, D, H, T, B) \
  B(tagREG_NOTA_FISCAL_ORIGEM_NFPS, regNFOrigem, 0)   \
  B(_QZ_NFE_ps, regNFe, 864)                          \
  N(CY, cyFrete, 2296)                                \
  N(CY, cySeguro, 2304)                               \
  N(CY, cyDespesasAcessorias, 2312)                   \
  N(CY, cyDesconto1, 2344)                            \
  N(CY, cyDeducaoICMSSuframa, 2384)                   \
  N(CY, cyBaseIPI, 2392)                              \
  N(CY, cyValorIPI, 2400)                             \
  N(CY, cyDesconto2, 2416)                            \
  N(CY, cyIsentasICMS, 2504)                          \
  N(CY, cyOutrasICMS, 2512)                           \
  N(CY, cyIsentasIPI, 2520)                           \
  N(CY, cyOutrasIPI, 2528)                            \
  N(CY, cyQtdVolumes, 2536)                           \
  N(CY, cyPesoBruto, 2544)                            \
  N(CY, cyPesoLiquido, 2552)                          \
  N(CY, cyFunrural, 2696)                             \
  N(DWORD, lNSU, 3016)                                \
  N(LONG, lPosicao, 3020)                             \
  N(LONG, lNumero, 3024)                              \
  N(LONG, lPonteiroCliente, 3028)                     \
  N(LONG, lPonteiroTransportadora, 3032)              \
  N(LONG, lEntradaRecursos, 3040)                     \
  N(WORD, iPonteiroFilial, 3102)                      \
  D(dmaEmissao, 3106)                                 \
  D(dmaSaida, 3130)                                   \
  N(WORD, iPonteiroDocumento, 3156)                   \
  N(WORD, iPonteiroHistorico, 3160)                   \
  N(WORD, iPonteiroCFOP, 3166)                        \
  N(WORD, iPonteiroSitServico, 3168)                  \
  N(WORD, iQtdItensProduto, 3176)                     \
  N(WORD, iQtdItensServico, 3178)                     \
  N(WORD, iQtdRateioTotal, 3180)                      \
  N(WORD, iQtdMensagens, 3190)                        \
  T(szEspecieVolume, 3228, 62)                        \
  T(szNumeroVolume, 3290, 20)                         \
  T(szMarcaVolume, 3310, 62)                          \
  T(szComplementoHistorico, 3372, 256)                \
  T(szPlaca1, 4098, 18)                               \
  T(szPlaca2, 4116, 18)                               \
  T(szPlaca3, 4134, 18)                               \
  T(szUF1, 4152, 4)                                   \
  T(szUF2, 4156, 4)                                   \
  T(szUF3, 4160, 4)                                   \
  T(szSerie, 4230, 8)                                 \
  T(szClasseConsumidora, 4270, 8)                     \
  N(BYTE, byTipoNota, 4766)                           \
  N(BYTE, bySituacao, 4767)                           \
  N(BYTE, byQtdParcelas, 4778)                        \
  N(BYTE, byViaTransporte, 4780)                      \
  N(BYTE, byFretePorConta, 4804)                      \
  H(hMensagens, 4884)                                 \
  H(hItensProduto, 4888)                              \
  H(hItensServico, 4892)                              \
  H(hParcelas, 4896)                                  \
  H(hRateioTotal, 4904)

struct VRMWND_SUITE_API tagREG_NOTA_FISCALPS : vrmsuite::TBlocoFixo<tagREG_NOTA_FISCALPS, 4912> {
  static constexpr const char* kNome = "tagREG_NOTA_FISCALPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_tagREG_NOTA_FISCALPS)

  // Vetores da nota: CQZErroLayout quando a quantidade não cabe no bloco ou o
  // identificador não é de um bloco vivo; quantidade 0 dá vetor vazio.
  auto Mensagens() const {
    return Vetor<tagREG_MENSAGEM_INFORMADA_NFPS, kOff_hMensagens>(iQtdMensagens(), "hMensagens");
  }
  auto ItensProduto() const {
    return Vetor<tagREG_ITENS_PRODUTO_NFPS, kOff_hItensProduto>(iQtdItensProduto(), "hItensProduto");
  }
  auto ItensServico() const {
    return Vetor<tagREG_ITENS_SERVICO_NFPS, kOff_hItensServico>(iQtdItensServico(), "hItensServico");
  }
  auto Parcelas() const { return Vetor<tagREG_PARCELA_NFPS, kOff_hParcelas>(byQtdParcelas(), "hParcelas"); }
  auto RateioTotal() const { return Vetor<tagREG_RATEIO_NFPS, kOff_hRateioTotal>(iQtdRateioTotal(), "hRateioTotal"); }

  // Rotina de liberação da nota: libera, item a item, cada vetor e cada texto que o
  // servidor alocou dentro dela e zera os identificadores; não libera a própria nota
  // (isso é CoTaskMemFree do chamador). Nunca lê além de um bloco: identificadores
  // inválidos são deixados e quantidades maiores que o bloco são cortadas.
  void Libera();
};
QZ_LAYOUT_VERIFICA(tagREG_NOTA_FISCALPS, 4912);
