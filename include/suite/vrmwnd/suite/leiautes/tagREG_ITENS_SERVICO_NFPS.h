// Item de serviço de uma nota comercial (tagREG_ITENS_SERVICO_NFPS, 2808 bytes):
// quantidade e valores, as seis retenções com bases e alíquotas, os três vetores de
// deduções e o vetor de rateio.
#pragma once

#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/leiautes/tagREG_DEDUCAO_NFPS.h"
#include "vrmwnd/suite/leiautes/tagREG_RATEIO_NFPS.h"

// Retenções por tipo de imposto: valor, base, alíquota (palavra de percentual).
// | tipo | valor | base | alíquota | deduções (qtd, vetor) |
// |------|-------|------|----------|-----------------------|
// | 1    | 368   | 472  | 680      | 2744, 2796            |
// | 2    | 448   | 480  | 686      | —                     |
// | 3    | 456   | —    | 688      | —                     |
// | 4    | 464   | —    | 690      | —                     |
// | 5    | 440   | 480  | 698      | 2743, 2792            |
// | 6    | 392   | 376  | 682      | 2742, 2788            |
// A palavra em 684 diz se as retenções 3, 4 e 5 se aplicam. Complemento: 254 bytes
// (escolha nossa).
#define QZ_CAMPOS_tagREG_ITENS_SERVICO_NFPS(N, D, H, T, B) \
  N(CY, cyQuantidade, 344)                                 \
  N(LONGLONG, llValorUnitarioV8, 352)                      \
  N(LONGLONG, llDescontoUnitarioV8, 360)                   \
  N(CY, cyValorRetencao1, 368)                             \
  N(CY, cyBaseRetencao6, 376)                              \
  N(CY, cyValorRetencao6, 392)                             \
  N(CY, cyValorLiquido, 424)                               \
  N(CY, cyValorTotal, 432)                                 \
  N(CY, cyValorRetencao5, 440)                             \
  N(CY, cyValorRetencao2, 448)                             \
  N(CY, cyValorRetencao3, 456)                             \
  N(CY, cyValorRetencao4, 464)                             \
  N(CY, cyBaseRetencao1, 472)                              \
  N(CY, cyBaseRetencao2e5, 480)                            \
  N(LONG, lPonteiroServico, 640)                           \
  N(WORD, iAliquotaRetencao1, 680)                         \
  N(WORD, iAliquotaRetencao6, 682)                         \
  N(WORD, iRetemFederais, 684)                             \
  N(WORD, iAliquotaRetencao2, 686)                         \
  N(WORD, iAliquotaRetencao3, 688)                         \
  N(WORD, iAliquotaRetencao4, 690)                         \
  N(WORD, iQtdRateio, 696)                                 \
  N(WORD, iAliquotaRetencao5, 698)                         \
  N(WORD, iUnidadeMedida, 710)                             \
  N(WORD, iPonteiroSitServico, 712)                        \
  T(szComplemento, 726, 254)                               \
  N(BYTE, byLivreCobranca, 2737)                           \
  N(BYTE, byCasasValorUnitario, 2739)                      \
  N(BYTE, byQtdDeducoes6, 2742)                            \
  N(BYTE, byQtdDeducoes5, 2743)                            \
  N(BYTE, byQtdDeducoes1, 2744)                            \
  H(hDeducoes6, 2788)                                      \
  H(hDeducoes5, 2792)                                      \
  H(hDeducoes1, 2796)                                      \
  H(hRateio, 2800)

struct VRMWND_SUITE_API tagREG_ITENS_SERVICO_NFPS : vrmsuite::TBlocoFixo<tagREG_ITENS_SERVICO_NFPS, 2808> {
  static constexpr const char* kNome = "tagREG_ITENS_SERVICO_NFPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_tagREG_ITENS_SERVICO_NFPS)
  auto Deducoes6() const { return Vetor<tagREG_DEDUCAO_NFPS, kOff_hDeducoes6>(byQtdDeducoes6(), "hDeducoes6"); }
  auto Deducoes5() const { return Vetor<tagREG_DEDUCAO_NFPS, kOff_hDeducoes5>(byQtdDeducoes5(), "hDeducoes5"); }
  auto Deducoes1() const { return Vetor<tagREG_DEDUCAO_NFPS, kOff_hDeducoes1>(byQtdDeducoes1(), "hDeducoes1"); }
  auto Rateio() const { return Vetor<tagREG_RATEIO_NFPS, kOff_hRateio>(iQtdRateio(), "hRateio"); }
  // Libera as deduções e o rateio com as suas linhas gerenciais.
  void Libera();
};
QZ_LAYOUT_VERIFICA(tagREG_ITENS_SERVICO_NFPS, 2808);
