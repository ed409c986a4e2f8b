// Item de produto de uma nota comercial (tagREG_ITENS_PRODUTO_NFPS, 4368 bytes): a
// origem, lote, arma de fogo, impostos, declaração de importação, posição do produto,
// quantidades e valores, e os vetores de detalhes de estoque e de rateio.
#pragma once

#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/leiautes/tagREG_DETALHE_ESTOQUE_NFPS.h"
#include "vrmwnd/suite/leiautes/tagREG_NOTA_FISCAL_ORIGEM_NFPS.h"
#include "vrmwnd/suite/leiautes/tagREG_RATEIO_NFPS.h"

// Escolhas nossas (sem deslocamento fixado pela suíte): os campos de arma de fogo
// (tipo em 766, série 768/32, cano 800/32, descrição 832/128) e as larguras dos
// textos: lote 36, número da DI 14, exportador 62, local 62, UF 4, drawback 12,
// fabricante 62, classificação fiscal 16, complemento 254, tributação do IPI 8.
// V8 (ll…V8) são valores de 8 bytes passados sem conversão; llPesoLiquido8 tem 8
// casas decimais implícitas.
#define QZ_CAMPOS_tagREG_ITENS_PRODUTO_NFPS(N, D, H, T, B) \
  B(tagREG_NOTA_FISCAL_ORIGEM_NFPS, regNFOrigem, 0)        \
  N(CY, cyValorImposto2, 232)                              \
  N(CY, cyValorImposto3, 240)                              \
  N(CY, cyValorImposto4, 248)                              \
  N(LONG, lCodigoReceita2, 336)                            \
  N(LONG, lCodigoReceita3, 340)                            \
  N(LONG, lCodigoReceita4, 344)                            \
  N(WORD, iAliquota2, 360)                                 \
  N(WORD, iAliquota3, 362)                                 \
  N(WORD, iAliquota4, 364)                                 \
  N(CY, cyLotePrecoTabelado, 712)                          \
  D(dmaLoteValidade, 720)                                  \
  D(dmaLoteFabricacao, 724)                                \
  T(szLoteNumero, 728, 36)                                 \
  N(char, cLoteTipoReferencia, 764)                        \
  N(BYTE, byArmaFogoTipo, 766)                             \
  T(szArmaFogoSerie, 768, 32)                              \
  T(szArmaFogoCano, 800, 32)                               \
  T(szArmaFogoDescricao, 832, 128)                         \
  N(CY, cyBasePIS, 968)                                    \
  N(CY, cyValorPIS, 976)                                   \
  N(CY, cyAliquotaPIS, 984)                                \
  N(WORD, iIncidenciaPIS, 994)                             \
  N(BYTE, byModoPIS, 1012)                                 \
  N(CY, cyBaseCOFINS, 1024)                                \
  N(CY, cyValorCOFINS, 1032)                               \
  N(CY, cyAliquotaCOFINS, 1040)                            \
  N(WORD, iIncidenciaCOFINS, 1050)                         \
  N(BYTE, byModoCOFINS, 1068)                              \
  N(CY, cyDIBase, 1144)                                    \
  N(CY, cyDIDespesasAduaneiras, 1152)                      \
  N(CY, cyDIIOF, 1160)                                     \
  N(CY, cyDIImpostoImportacao, 1168)                       \
  D(dmaDIRegistro, 1208)                                   \
  D(dmaDIDesembaraco, 1212)                                \
  T(szDINumero, 1216, 14)                                  \
  T(szDICodigoExportador, 1230, 62)                        \
  T(szDIDesembaracoLocal, 1292, 62)                        \
  T(szDIDesembaracoUF, 1354, 4)                            \
  T(szDINumeroDrawback, 1358, 12)                          \
  N(BYTE, byDISimplificada, 1370)                          \
  N(CY, cyDIAdicaoDesconto, 1376)                          \
  N(WORD, iDIAdicaoNumero, 1384)                           \
  T(szDIAdicaoCodigoFabricante, 1386, 62)                  \
  N(LONG, lPosicaoProduto, 1600)                           \
  N(WORD, iPosicaoGrade1, 1604)                            \
  N(WORD, iPosicaoGrade2, 1606)                            \
  N(WORD, iPosicaoGrade3, 1608)                            \
  N(CY, cyQuantidade, 1616)                                \
  N(LONGLONG, llValorUnitarioV8, 1632)                     \
  N(LONGLONG, llDescontoUnitarioV8, 1640)                  \
  N(CY, cyValorICMSST, 1680)                               \
  N(CY, cyIPIPorUnidade, 1696)                             \
  N(CY, cyValorIPI, 1704)                                  \
  N(CY, cyValorTotal, 1776)                                \
  N(CY, cyICMSDispensado, 1808)                            \
  N(LONGLONG, llPesoLiquido8, 1888)                        \
  N(CY, cyReducaoBCICMSOpInterna, 1920)                    \
  N(CY, cyAliquotaRedAcrescimoICMS, 1984)                  \
  N(CY, cyICMSFCP, 2032)                                   \
  N(CY, cyICMSUFDestinatario, 2048)                        \
  N(CY, cyICMSUFRemetente, 2056)                           \
  N(DWORD, lChaveAjusteEFD, 2132)                          \
  N(WORD, iAliquotaICMS, 2158)                             \
  N(WORD, iAliquotaIPI, 2160)                              \
  N(WORD, iAliquotaReducaoIPI, 2162)                       \
  N(WORD, iAliquotaICMSST, 2164)                           \
  N(WORD, iAliquotaReducaoICMSST, 2166)                    \
  N(WORD, iAliquotaAcrescimoICMSST, 2168)                  \
  N(WORD, iQtdRateio, 2172)                                \
  N(WORD, iQtdDetalhes, 2174)                              \
  N(WORD, iPonteiroUnidadeMedida, 2196)                    \
  N(WORD, iPonteiroCFOP, 2198)                             \
  T(szClassificacaoFiscal, 2212, 16)                       \
  T(szComplemento, 2228, 254)                              \
  T(szCodigoTributacaoIPI, 4230, 8)                        \
  N(BYTE, byPonteiroSitTributaria, 4259)                   \
  N(BYTE, byReducaoAcrescimoICMS, 4270)                    \
  N(BYTE, byLivreCobranca, 4294)                           \
  N(BYTE, byIgnorar, 4295)                                 \
  N(BYTE, byCasasValorUnitario, 4296)                      \
  N(BYTE, byIndicadorMovimentacao, 4300)                   \
  H(hDetalhes, 4360)                                       \
  H(hRateio, 4364)

struct VRMWND_SUITE_API tagREG_ITENS_PRODUTO_NFPS : vrmsuite::TBlocoFixo<tagREG_ITENS_PRODUTO_NFPS, 4368> {
  static constexpr const char* kNome = "tagREG_ITENS_PRODUTO_NFPS";
  QZ_LAYOUT_CAMPOS(QZ_CAMPOS_tagREG_ITENS_PRODUTO_NFPS)
  auto Detalhes() const { return Vetor<tagREG_DETALHE_ESTOQUE_NFPS, kOff_hDetalhes>(iQtdDetalhes(), "hDetalhes"); }
  auto Rateio() const { return Vetor<tagREG_RATEIO_NFPS, kOff_hRateio>(iQtdRateio(), "hRateio"); }
  // Libera detalhes, rateio com as suas linhas gerenciais e a chave de acesso da
  // origem; o que não cabe no bloco ou tem identificador inválido é deixado.
  void Libera();
};
QZ_LAYOUT_VERIFICA(tagREG_ITENS_PRODUTO_NFPS, 4368);
