// Os itens de uma nota comercial no registro de entrada: a junção de produtos e de
// serviços iguais (pelo índice da chave de junção), os campos copiados uma vez e os
// somados, as entradas em estoque com lote, volume, arma de fogo e o movimento de
// origem das devoluções.
#include <cstdint>
#include <string_view>

#include "importa_nota.h"
#include "vrmwnd/base/CQZCurrencyEx8.h"
#include "vrmwnd/base/CQZQuemGerou.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/suite/leiautes/REG_ES_LOTEPS.h"
#include "vrmwnd/suite/leiautes/REG_ES_MOVIMENTOPS.h"
#include "vrmwnd/suite/leiautes/REG_SIT_TRIB_PRODUTOPS.h"

namespace {

CString Texto(std::string_view s) { return CString(std::string(s).c_str()); }

// O hash da chave de junção de um produto (a posição, quatro campos, e o complemento)
// e de um serviço (a chave e o complemento).
std::uint64_t HashProduto(const TCMPosicaoProduto& posicao, std::string_view sComplemento) {
  const std::uint64_t nGrade =
      (std::uint64_t{posicao.iGrade1} << 32) | (std::uint64_t{posicao.iGrade2} << 16) | posicao.iGrade3;
  const auto nProduto = static_cast<std::uint64_t>(posicao.lPonteiroProduto);
  return CIndiceJuncao::Hash(nProduto ^ (nGrade << 13), sComplemento);
}

std::uint64_t HashServico(long lServico, std::string_view sComplemento) {
  return CIndiceJuncao::Hash(static_cast<std::uint64_t>(lServico), sComplemento);
}

bool MesmoTexto(const CString& str, std::string_view s) {
  return std::string_view(str.GetString(), static_cast<std::size_t>(str.GetLength())) == s;
}

TCMPosicaoProduto PosicaoDoItem(const tagREG_ITENS_PRODUTO_NFPS& nfItem) {
  return {nfItem.lPosicaoProduto(), nfItem.iPosicaoGrade1(), nfItem.iPosicaoGrade2(), nfItem.iPosicaoGrade3()};
}

bool OperacaoDevolucao(BYTE byOperacao) { return byOperacao == 4 || byOperacao == 5; }

}  // namespace

void CImportaNotaComercial::ImportaProduto(int j, const tagREG_ITENS_PRODUTO_NFPS& nfItem) {
  CUsaServidor& usa = *m_t.GetUsaServidor();
  _REG_NATUREZAPS rNatureza;
  WORD iPonteiroCFOP = nfItem.iPonteiroCFOP();
  Verifica(usa.LeDFNaturezas(m_t.m_ppICFOP, iPonteiroCFOP, &rNatureza), importa::kLeCFOPItem);
  m_rNaturezaItemCopia = rNatureza;
  if (rNatureza.byPresente() == 0) iPonteiroCFOP = 0;

  // Junção: o produto igual (posição e complemento) já no registro.
  const TCMPosicaoProduto posicao = PosicaoDoItem(nfItem);
  const std::string_view sComplemento = nfItem.szComplemento();
  const std::uint64_t nHash = HashProduto(posicao, sComplemento);
  const bool bJunta =
      !CVRMSVRUtil::true_1(m_t.GetDadosCM_Mestre().GetPoderIncluirProdutosIguais()) && nfItem.lPosicaoProduto() != 0;
  int nIndice = -1;
  if (bJunta) {
    nIndice = m_indiceProdutos.Acha(nHash, [&](int i) {
      const TCMREItemProduto& p = m_r.GetListaProdutoRef()[i];
      return p.GetPosicaoProduto() == posicao && MesmoTexto(p.GetComplementoProduto(), sComplemento);
    });
  }
  TCMREItemProduto novo;
  TCMREItemProduto& item = nIndice >= 0 ? m_r.GetListaProdutoRef()[nIndice] : novo;
  const bool bNovo = nIndice < 0;
  if (bNovo) {
    item = m_t.PreencheDadosProduto(m_r.GetPonteiroFilial(), m_r.GetPonteiroFornecedor(), iPonteiroCFOP,
                                    m_r.GetRegDataEmissao(), m_r.GetRegDataEntrada(), m_r.GetPonteiroTipoDocumento(),
                                    posicao, m_r.GetPonteiroOperacao());
    item.SetPesoLiquido(g_cyZero);
  }
  const CY cyPeso = CQZCurrencyEx8(nfItem.llPesoLiquido8()).GetCurrencyEx().GetCY();
  item.SetPesoLiquido(item.GetPesoLiquido() + cyPeso);
  item.SetChaveAjusteEFD(nfItem.lChaveAjusteEFD());
  item.SetPonteiroEmbalagem(0);
  item.SetValorDescontoTotalItem(g_cyZero);
  item.SetQuantidadeEquivalente_deprecated(g_cyZero);

  TImpostosItem impostos = AchaImpostos(item);
  if (bNovo) {
    PreencheProdutoNovo(nfItem, item);
    PreencheImpostosNovo(nfItem, item, impostos);
  }
  if (m_bUsaDI) PreencheDI(bNovo, nfItem, item);
  _REG_PRODUTOPS RegProduto;
  const TCMREItemProduto& tProduto = item;
  Verifica(usa.LeDFProduto(m_t.m_ppIProduto, tProduto.GetPonteiroProduto(), &RegProduto), importa::kLeProduto);
  SomaProduto(nfItem, item);
  const CY aValores[3] = {nfItem.cyValorImposto2(), nfItem.cyValorImposto3(), nfItem.cyValorImposto4()};
  for (int k = 0; k < 3; ++k) impostos.aEntrada[k].SetValor(impostos.aEntrada[k].GetValor() + aValores[k]);
  if (RegProduto.byICMSDispensado() == 1) item.SetICMSDispensado(nfItem.cyICMSDispensado());
  if (nfItem.lPosicaoProduto() == 0) item.SetQtdCasasVlrUnitario(nfItem.byCasasValorUnitario());
  CY cyTotal = g_cyZero;
  Verifica(CTrataDadosRE::CalculaValorTotalBrutoVerificado(item, &cyTotal), importa::kTotalProduto);
  item.SetValorTotal(cyTotal);
  GravaImpostos(impostos, item);

  AdicionaEntradas(j, nfItem, RegProduto, item);
  RateiaProduto(nfItem, item);
  if (bNovo) {
    // AdicionaProduto sem a cópia do item: ele passa para o registro.
    auto& produtos = m_r.GetListaProdutoRef();
    const INT_PTR n = produtos.GetSize();
    produtos.SetSize(n + 1);
    produtos[n] = std::move(item);
    if (bJunta) m_indiceProdutos.Inclui(nHash, static_cast<int>(n));
  }
}

// As entradas em estoque do item, uma por detalhe: lote e arma de fogo pelo cadastro
// do produto, ou o lote e o volume do estoque, ou os do próprio detalhe; e o movimento
// de origem quando a regra de local ou o lote de estoque o pedem.
void CImportaNotaComercial::AdicionaEntradas(int j, const tagREG_ITENS_PRODUTO_NFPS& nfItem,
                                             const _REG_PRODUTOPS& RegProduto, TCMREItemProduto& item) {
  const auto detalhes = nfItem.Detalhes();
  for (std::size_t d = 0; d < detalhes.size(); ++d) {
    TCMREEntradaEstoque entrada = CTrataDadosRE::PreencheDadosEntradaEstoque(m_r, item, nullptr);
    entrada.SetQuantidade(detalhes[d].cyQuantidade());
    entrada.SetPonteiroLocal(detalhes[d].iLocal());
    entrada.SetPonteiroLocalSaida(detalhes[d].iLocalSaida());
    const TCMREQualEntradaEstoque regra = CTrataDadosBase::GetLocalEntradaEstoqueObrigatorio(
        entrada.GetTipo(), m_rNaturezaItemCopia.byTipoOperacao(), entrada.GetPonteiroLocal(),
        entrada.GetPonteiroMovimentoOrigemEstoque());
    if (item.GetPonteiroProduto() != 0 && (RegProduto.byControlaLote() || RegProduto.byControlaArmaFogo())) {
      if (RegProduto.byControlaLote()) {
        entrada.SetLoteESNumero(Texto(nfItem.szLoteNumero()));
        entrada.SetLoteESDataValidade(nfItem.dmaLoteValidade());
        entrada.SetLoteESDataFabricacao(nfItem.dmaLoteFabricacao());
        entrada.SetLoteESNumeroDeDiaValidade(0);
        entrada.SetLoteTipoReferencia(nfItem.cLoteTipoReferencia() - '0');
        entrada.SetLotePrecoTabelado(nfItem.cyLotePrecoTabelado());
      }
      if (RegProduto.byControlaArmaFogo()) {
        entrada.SetArmaFogo_Tipo(nfItem.byArmaFogoTipo());
        entrada.SetArmaFogo_Serie(Texto(nfItem.szArmaFogoSerie()));
        entrada.SetArmaFogo_Cano(Texto(nfItem.szArmaFogoCano()));
        entrada.SetArmaFogo_Descricao(Texto(nfItem.szArmaFogoDescricao()));
      }
    } else {
      PreencheLote(detalhes[d], entrada);
    }
    if (regra.GetUsaSaidaMovOriEstoque() != 0 || m_t.GetUsaLoteES() != 0)
      BuscaMovimentoOrigem(j, static_cast<int>(d), nfItem, entrada);
    CTrataDadosRE::SetClassificacaoELocalEstocagem(m_r, item, 1, entrada);
    item.AdicionaEntradaEstoque(entrada);
  }
}

void CImportaNotaComercial::PreencheProdutoNovo(const tagREG_ITENS_PRODUTO_NFPS& nfItem, TCMREItemProduto& item) {
  if (importa::TipoNotaTributado(m_pNF->byTipoNota())) {
    const BYTE byChave = nfItem.byPonteiroSitTributaria();
    const REG_SIT_TRIB_PRODUTOPS rSituacao = m_t.LeDFSitTribProduto(byChave);
    if (rSituacao.byEhCST() != 0) item.SetPonteiroSituacaoTributaria(byChave);
    if (rSituacao.byEhCSOSN() != 0) item.SetPonteiroCSOSN(byChave);
  }
  item.SetClassificacaoFiscal(Texto(nfItem.szClassificacaoFiscal()));
  item.SetComplementoProduto(Texto(nfItem.szComplemento()));
  item.SetIndicadorMovimentacao(nfItem.byIndicadorMovimentacao());
  item.SetValorUnitarioV8(nfItem.llValorUnitarioV8());
  item.SetValorDescontoUnitarioV8(nfItem.llDescontoUnitarioV8());
  item.SetICMSFCP(nfItem.cyICMSFCP());
  item.SetICMSUFDestinatario(nfItem.cyICMSUFDestinatario());
  item.SetICMSUFRemetente(nfItem.cyICMSUFRemetente());
  item.SetValorICMSST(nfItem.cyValorICMSST());
  item.SetReducaoBCICMSOpInterna(nfItem.cyReducaoBCICMSOpInterna());
}

void CImportaNotaComercial::SomaProduto(const tagREG_ITENS_PRODUTO_NFPS& nfItem, TCMREItemProduto& item) {
  item.SetQuantidade(item.GetQuantidade() + nfItem.cyQuantidade());
  if (importa::TipoNotaTributado(m_pNF->byTipoNota()) && (m_bFilialTributadaIPI || m_bNaturezaImportacao))
    item.SetValorIPI(item.GetValorIPI() + nfItem.cyValorIPI());
  item.SetValorTotal(item.GetValorTotal() + nfItem.cyValorTotal());
  SomaPISCOFINS(nfItem, item);
}

// Com o lote de estoque ligado, o lote e o volume que o detalhe aponta vêm do estoque,
// cada um por si; o que não foi lido vem do próprio detalhe.
void CImportaNotaComercial::PreencheLote(const tagREG_DETALHE_ESTOQUE_NFPS& detalhe, TCMREEntradaEstoque& entrada) {
  CUsaServidor& usa = *m_t.GetUsaServidor();
  const tagREG_LOTE_DETALHE_NFPS lote = detalhe.regLote();
  const tagREG_VOLUME_DETALHE_NFPS volume = detalhe.regVolume();
  bool bLoteLido = false;
  bool bVolumeLido = false;
  if (m_t.GetUsaLoteES() != 0) {
    if (lote.lPonteiroLoteES() != 0) {
      REG_ES_LOTEPS RegLote;
      Verifica(usa.LeESMovimentoLote(m_t.m_ppIMovimentoEs, lote.lPonteiroLoteES(), &RegLote), importa::kLeLote);
      entrada.SetLoteESNumero(Texto(RegLote.szNumero()));
      entrada.SetLoteESDataValidade(RegLote.dmaValidade());
      entrada.SetLoteESDataFabricacao(RegLote.dmaFabricacao());
      entrada.SetLoteESNumeroDeDiaValidade(RegLote.iDiasValidade());
      bLoteLido = true;
    }
    if (volume.lPonteiroVolumeES() != 0) {
      REG_ES_VOLUMEPS RegVolume;
      Verifica(usa.LeESMovimentoVolume(m_t.m_ppIMovimentoEs, volume.lPonteiroVolumeES(), &RegVolume),
               importa::kLeVolume);
      entrada.SetLoteESVolume(Texto(RegVolume.szVolume()));
      bVolumeLido = true;
    }
  }
  if (!bLoteLido && (!lote.szNumeroLote().empty() || lote.dmaValidade() != 0 || lote.dmaFabricacao() != 0 ||
                     lote.iDiasValidade() != 0)) {
    entrada.SetLoteESNumero(Texto(lote.szNumeroLote()));
    entrada.SetLoteESDataValidade(lote.dmaValidade());
    entrada.SetLoteESDataFabricacao(lote.dmaFabricacao());
    entrada.SetLoteESNumeroDeDiaValidade(lote.iDiasValidade());
  }
  if (!bVolumeLido) entrada.SetLoteESVolume(Texto(volume.szVolume()));
}

void CImportaNotaComercial::BuscaMovimentoOrigem(int j, int d, const tagREG_ITENS_PRODUTO_NFPS& nfItem,
                                                 TCMREEntradaEstoque& entrada) {
  CUsaServidor& usa = *m_t.GetUsaServidor();
  REG_QZDMC rQuemGerouNF = CQZQuemGerou(static_cast<ULONG>(m_lPosicaoComercial), 5).GetRegQuemGerou();
  unsigned long lComplemento = (static_cast<unsigned long>(d + 1) << 12) | static_cast<unsigned long>(j + 1);
  if (OperacaoDevolucao(m_rNaturezaItemCopia.byTipoOperacao())) {
    CArray<unsigned long, const unsigned long&> lista;
    const tagREG_NOTA_FISCAL_ORIGEM_NFPS origemItem = nfItem.regNFOrigem();
    if (m_pNFOrigem) {
      m_t.Get_DetalhesOrigem_lComplementoQuemGerou(m_pNFOrigem.get(), j, nfItem, lista);
      const tagREG_NOTA_FISCAL_ORIGEM_NFPS origem = m_pNF->regNFOrigem();
      rQuemGerouNF = CQZQuemGerou(static_cast<ULONG>(origem.lChaveNFCM()), origem.byTipoOrigem()).GetRegQuemGerou();
    } else if (origemItem.byTipoOrigem() == 5 && origemItem.lChaveNFCM() != 0) {
      tagREG_NOTA_FISCALPS* pRegNFOrigem = nullptr;
      Verifica(usa.LeDFNotasFiscais(m_t.m_ppINotasFiscais, origemItem.lChaveNFCM(), &pRegNFOrigem),
               importa::kLeNotaOrigemItem);
      const importa::TNota pNotaOrigem(pRegNFOrigem);
      m_t.Get_DetalhesOrigem_lComplementoQuemGerou(pNotaOrigem.get(), j, nfItem, lista);
      rQuemGerouNF = CQZQuemGerou(static_cast<ULONG>(origemItem.lChaveNFCM()), 5).GetRegQuemGerou();
    }
    if (lista.GetSize() == 1) lComplemento = lista[0];
  }
  Verifica(usa.InicializaESMovimento(m_t.m_ppIMovimentoEs), importa::kInicializaMovimento);
  long lQtdMovimentos = 0;
  Verifica((*m_t.m_ppIMovimentoEs)->BuscaQuantidadeNotaFiscal(rQuemGerouNF, &lQtdMovimentos),
           importa::kBuscaQuantidade);
  if (lQtdMovimentos == 0) return;
  T_Lista<REG_ES_MOVIMENTOPS> aRegMovimento;
  aRegMovimento.SetSize(lQtdMovimentos);
  Verifica((*m_t.m_ppIMovimentoEs)->BuscaRegistrosNotaFiscal(aRegMovimento.GetSize(), aRegMovimento.GetData()),
           importa::kBuscaRegistros);
  bool bAchou = false;
  for (INT_PTR k = 0; k < aRegMovimento.GetSize(); ++k) {
    REG_ES_MOVIMENTOPS& movimento = aRegMovimento.ElementAt(k);
    const unsigned long lComp = movimento.lComplementoQuemGerou();
    if (!bAchou && lComp != 0 && lComp == lComplemento) {
      const ULONG lSequencia = static_cast<ULONG>(movimento.lSequencia());
      entrada.SetPonteiroMovimentoOrigemEstoque((lSequencia << 12) | movimento.maMovimento());
      bAchou = true;
    }
    TESMovimento::ZerarGlobalAlloc(movimento);
  }
}

void CTrataDadosREWnd::Get_DetalhesOrigem_lComplementoQuemGerou(const tagREG_NOTA_FISCALPS* pNotaOrigem, int nItem,
                                                                const tagREG_ITENS_PRODUTO_NFPS& item,
                                                                CArray<unsigned long, const unsigned long&>& lista) {
  lista.RemoveAll();
  const auto itens = pNotaOrigem->ItensProduto();
  const TCMPosicaoProduto posicao = PosicaoDoItem(item);
  const CY cyQuantidade = item.cyQuantidade();
  const LONGLONG llUnitario = item.llValorUnitarioV8();
  for (int p = 0; p < 4 && lista.GetSize() == 0; ++p) {
    for (std::size_t j = 0; j < itens.size(); ++j) {
      const tagREG_ITENS_PRODUTO_NFPS& origem = itens[j];
      if (origem.byIgnorar() != 0 || !(PosicaoDoItem(origem) == posicao)) continue;
      const bool bQuantidade = origem.cyQuantidade().int64 == cyQuantidade.int64;
      const bool bUnitario = origem.llValorUnitarioV8() == llUnitario;
      const bool bAceita = p == 0   ? bQuantidade && bUnitario && static_cast<int>(j) == nItem
                           : p == 1 ? bQuantidade && bUnitario
                           : p == 2 ? bUnitario
                                    : true;
      if (!bAceita) continue;
      for (unsigned long k = 1; k <= origem.iQtdDetalhes(); ++k)
        lista.Add((k << 12) | static_cast<unsigned long>(j + 1));
    }
  }
  if (lista.GetSize() != 1) lista.RemoveAll();
}

void CImportaNotaComercial::ImportaServico(const tagREG_ITENS_SERVICO_NFPS& nfServico) {
  const tagREG_ITENS_SERVICO_NFPS RegItensServico = nfServico;
  const long lServico = RegItensServico.lPonteiroServico();
  const std::string_view sComplemento = RegItensServico.szComplemento();
  const std::uint64_t nHash = HashServico(lServico, sComplemento);
  int nIndice = -1;
  if (lServico != 0) {
    nIndice = m_indiceServicos.Acha(nHash, [&](int i) {
      const TCMREItemServico& s = m_r.GetListaServicoRef()[i];
      return s.GetPonteiroServico() == lServico && MesmoTexto(s.GetComplementoServico(), sComplemento);
    });
  }
  m_iPonteiroSituacaoServico = RegItensServico.iPonteiroSitServico();
  _REG_NATUREZAPS RegSitServico;
  Verifica(m_t.GetUsaServidor()->LeDFNaturezas(m_t.m_ppICFOP, m_iPonteiroSituacaoServico, &RegSitServico),
           importa::kLeSitServicoItem);
  if (RegSitServico.byPresente() == 0) m_iPonteiroSituacaoServico = 0;

  TCMREItemServico novo;
  TCMREItemServico& item = nIndice >= 0 ? m_r.GetListaServicoRef()[nIndice] : novo;
  const bool bNovo = nIndice < 0;
  if (bNovo)
    item = m_t.PreencheDadosServico(m_r.GetPonteiroFilial(), m_r.GetPonteiroFornecedor(), m_iPonteiroSituacaoServico,
                                    m_r.GetRegDataEmissao(), m_r.GetRegDataEntrada(), lServico, 0);
  item.SetValorBaixado(g_cyZero);
  item.SetValorDescontoTotal(g_cyZero);
  if (bNovo) {
    item.SetPonteiroServico(lServico);
    item.SetPonteiroUnidadeMedida(RegItensServico.iUnidadeMedida());
    item.SetLivreCobranca(RegItensServico.byLivreCobranca());
    item.SetComplementoServico(Texto(RegItensServico.szComplemento()));
    item.SetValorUnitarioV8(RegItensServico.llValorUnitarioV8());
    item.SetValorDescontoUnitarioV8(RegItensServico.llDescontoUnitarioV8());
  }
  item.SetQuantidade(item.GetQuantidade() + RegItensServico.cyQuantidade());
  item.SetValorTotal(item.GetValorTotal() + RegItensServico.cyValorTotal());
  item.SetValorLiquido(item.GetValorLiquido() + RegItensServico.cyValorLiquido());
  AdicionaRetencoes(RegItensServico, item);
  if (lServico == 0) item.SetQtdCasasVlrUnitario(RegItensServico.byCasasValorUnitario());
  RateiaServico(RegItensServico, item);
  CY cyBruto = g_cyZero, cyLiquido = g_cyZero;
  Verifica(CTrataDadosRE::CalculaValorTotalBrutoVerificado(item, &cyBruto), importa::kTotalServico);
  CTrataDadosRE::CalculaValorTotalLiquido(item, m_r.GetPonteiroSitServicoPrincipal(), m_r.GetPonteiroFornecedor(),
                                          cyBruto, cyLiquido);
  if (cyBruto != g_cyZero) item.SetValorTotal(cyBruto);
  if (cyLiquido != g_cyZero) item.SetValorLiquido(cyLiquido);
  if (bNovo) {
    m_r.AdicionaServico(item);
    if (lServico != 0) m_indiceServicos.Inclui(nHash, m_r.GetQuantidadeServico() - 1);
  }
}
