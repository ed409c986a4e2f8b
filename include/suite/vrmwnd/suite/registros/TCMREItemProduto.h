// Item de produto da entrada de mercadorias (TCMREItemProduto): posição do produto,
// quantidades e valores, alíquotas e impostos, PIS/COFINS, declaração de importação,
// entradas de estoque e rateio.
#pragma once

#include "vrmwnd/suite/registros/TCMImposto.h"
#include "vrmwnd/suite/registros/TCMRateio.h"
#include "vrmwnd/suite/registros/TCMREEntradaEstoque.h"

// A posição do produto: a chave e os três campos de grade.
struct TCMPosicaoProduto {
  long lPonteiroProduto = 0;
  unsigned short iGrade1 = 0, iGrade2 = 0, iGrade3 = 0;
  friend bool operator==(const TCMPosicaoProduto&, const TCMPosicaoProduto&) = default;
};

#define QZ_PROPS_TCMREItemProduto_1(P)                                    \
  P(TCMPosicaoProduto, PosicaoProduto, m_posicao)                         \
  P(CString, ComplementoProduto, m_strComplemento)                        \
  P(CString, ClassificacaoFiscal, m_strClassificacaoFiscal)               \
  P(unsigned char, IndicadorMovimentacao, m_byIndicadorMovimentacao)      \
  P(unsigned short, PonteiroCFOP, m_iPonteiroCFOP)                        \
  P(unsigned char, PonteiroSituacaoTributaria, m_byPonteiroSitTributaria) \
  P(unsigned char, PonteiroCSOSN, m_byPonteiroCSOSN)                      \
  P(unsigned short, PonteiroUnidadeMedidaCompra, m_iUnidadeCompra)        \
  P(unsigned short, PonteiroUnidadeMedida, m_iUnidadeEstoque)             \
  P(long, PonteiroClassificacao, m_lPonteiroClassificacao)                \
  P(unsigned short, PonteiroLocalEstoque, m_iPonteiroLocalEstoque)        \
  P(unsigned char, TipoEntradaEstoque, m_byTipoEntradaEstoque)            \
  P(unsigned short, PonteiroEmbalagem, m_iPonteiroEmbalagem)              \
  P(unsigned char, LivreCobranca, m_byLivreCobranca)                      \
  P(unsigned long, ChaveAjusteEFD, m_lChaveAjusteEFD)                     \
  P(unsigned char, QtdCasasVlrUnitario, m_byCasasValorUnitario)           \
  P(CY, Quantidade, m_cyQuantidade)                                       \
  P(CY, QuantidadeEquivalente_deprecated, m_cyQuantidadeEquivalente)      \
  P(LONGLONG, ValorUnitarioV8, m_llValorUnitarioV8)                       \
  P(LONGLONG, ValorDescontoUnitarioV8, m_llDescontoUnitarioV8)            \
  P(CY, ValorDescontoTotalItem, m_cyDescontoTotal)                        \
  P(CY, ValorTotal, m_cyValorTotal)                                       \
  P(CY, ValorIPI, m_cyValorIPI)                                           \
  P(CY, PesoLiquido, m_cyPesoLiquido)                                     \
  P(CY, ICMSDispensado, m_cyICMSDispensado)                               \
  P(CY, ICMSFCP, m_cyICMSFCP)                                             \
  P(CY, ICMSUFDestinatario, m_cyICMSUFDestinatario)                       \
  P(CY, ICMSUFRemetente, m_cyICMSUFRemetente)                             \
  P(CY, ValorICMSST, m_cyValorICMSST)                                     \
  P(CY, ReducaoBCICMSOpInterna, m_cyReducaoBCICMSOpInterna)

#define QZ_PROPS_TCMREItemProduto_2(P)                                 \
  P(CY, AliquotaICMS, m_cyAliquotaICMS)                                \
  P(CY, AliquotaICMSST, m_cyAliquotaICMSST)                            \
  P(CY, AliquotaReducaoICMSST, m_cyAliquotaReducaoICMSST)              \
  P(CY, AliquotaAcrescimoICMSST, m_cyAliquotaAcrescimoICMSST)          \
  P(CY, AliquotaIPI, m_cyAliquotaIPI)                                  \
  P(CY, AliquotaReducaoIPI, m_cyAliquotaReducaoIPI)                    \
  P(CY, ValorPorItemIPI, m_cyValorPorItemIPI)                          \
  P(unsigned short, CodigoTributacaoIPI, m_iCodigoTributacaoIPI)       \
  P(CY, AliquotaRedAcrescimoICMS, m_cyAliquotaRedAcrescimoICMS)        \
  P(unsigned char, TipoReducaoAcrescimoICMS, m_byTipoReducaoAcrescimo) \
  P(unsigned char, IPIInclusoNoICMS, m_byIPIInclusoNoICMS)             \
  P(unsigned short, TipoIncidenciaPIS, m_iIncidenciaPIS)               \
  P(unsigned short, TipoIncidenciaCOFINS, m_iIncidenciaCOFINS)         \
  P(CY, AliquotaPISNaoCumulativo, m_cyAliquotaPIS)                     \
  P(CY, ValorPorItemPISNaoCumulativo, m_cyValorPorItemPIS)             \
  P(CY, BasePISNaoCumulativo, m_cyBasePIS)                             \
  P(CY, ValorPISNaoCumulativo, m_cyValorPIS)                           \
  P(unsigned char, InformarValorPISNC, m_byInformarValorPIS)           \
  P(unsigned char, InformarBasePISNC, m_byInformarBasePIS)             \
  P(CY, AliquotaCOFINSNaoCumulativo, m_cyAliquotaCOFINS)               \
  P(CY, ValorPorItemCOFINSNaoCumulativo, m_cyValorPorItemCOFINS)       \
  P(CY, BaseCOFINSNaoCumulativo, m_cyBaseCOFINS)                       \
  P(CY, ValorCOFINSNaoCumulativo, m_cyValorCOFINS)                     \
  P(unsigned char, InformarValorCOFINSNC, m_byInformarValorCOFINS)     \
  P(unsigned char, InformarBaseCOFINSNC, m_byInformarBaseCOFINS)

#define QZ_PROPS_TCMREItemProduto_DI(P)                                     \
  P(CString, DI_NumeroDI_DSI_DA, m_strDINumero)                             \
  P(REG_QZDMA, DI_DataRegistro, m_dmaDIRegistro)                            \
  P(CString, DI_CodigoExportador, m_strDIExportador)                        \
  P(CString, DI_DesembaracoUF, m_strDIDesembaracoUF)                        \
  P(REG_QZDMA, DI_DesembaracoData, m_dmaDIDesembaraco)                      \
  P(CString, DI_DesembaracoLocal, m_strDIDesembaracoLocal)                  \
  P(CString, DI_AdicaoNr, m_strDIAdicaoNr)                                  \
  P(CY, DI_AdicaoVlrDesconto, m_cyDIAdicaoDesconto)                         \
  P(CString, DI_AdicaoCodigoFabricante, m_strDIAdicaoFabricante)            \
  P(unsigned char, DI_DeclaracaoSimplificadaImportacao, m_byDISimplificada) \
  P(CString, DI_NumeroDrawback, m_strDIDrawback)                            \
  P(CY, DI_VlrBC, m_cyDIBase)                                               \
  P(CY, DI_VlrDespesaAduaneira, m_cyDIDespesas)                             \
  P(CY, DI_VlrIOF, m_cyDIIOF)                                               \
  P(CY, DI_VlrImpostoImportacao, m_cyDIImposto)                             \
  P(CY, DI_ValorPIS_Importacao, m_cyDIPIS)                                  \
  P(CY, DI_ValorCOFINS_Importacao, m_cyDICOFINS)

#define QZ_PROPS_TCMREItemProduto(P) \
  QZ_PROPS_TCMREItemProduto_1(P) QZ_PROPS_TCMREItemProduto_2(P) QZ_PROPS_TCMREItemProduto_DI(P)

#define QZ_LISTAS_TCMREItemProduto(L)                           \
  L(TCMREImposto, Imposto, m_listaImposto)                      \
  L(TCMREEntradaEstoque, EntradaEstoque, m_listaEntradaEstoque) \
  L(TCMRERateioProduto, Rateio, m_listaRateio)

class TCMREItemProduto {
  QZ_REGISTRO_VALOR_COM_LISTAS(TCMREItemProduto, QZ_PROPS_TCMREItemProduto, QZ_LISTAS_TCMREItemProduto)

 public:
  long GetPonteiroProduto() const { return m_posicao.lPonteiroProduto; }
};
