// Os impostos dos itens importados (entradas de tipo 2, 3 e 4, alíquotas, IPI,
// PIS/COFINS, declaração de importação, as seis retenções de serviço com as deduções)
// e o rateio de quantidade e valor de cada item por contas, com as linhas gerenciais.
#include <cctype>
#include <cstdlib>

#include "importa_nota.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/suite/leiautes/_REG_UNIDADES_MEDIDAPS.h"
#include "vrmwnd/suite/regras/CManipulaListaValores.h"

using importa::Percentual;

namespace {

CString Texto(std::string_view s) { return CString(std::string(s).c_str()); }

// Casas decimais pelo tipo de decimais da unidade de medida.
int CasasDaUnidade(BYTE byTipo) { return byTipo == 1 ? 2 : byTipo == 2 ? 4 : 0; }

}  // namespace

CImportaNotaComercial::TImpostosItem CImportaNotaComercial::AchaImpostos(const TCMREItemProduto& item) const {
  TImpostosItem impostos;
  const T_Lista<TCMREImposto>& lista = item.GetListaImposto();
  for (INT_PTR k = 0; k < lista.GetSize(); ++k) {
    const int nTipo = lista[k].GetTipoImposto();
    if (nTipo < 2 || nTipo > 4) continue;
    impostos.aEntrada[nTipo - 2] = lista[k];
    impostos.aIndice[nTipo - 2] = static_cast<int>(k);
  }
  return impostos;
}

void CImportaNotaComercial::PreencheImpostosNovo(const tagREG_ITENS_PRODUTO_NFPS& nfItem, TCMREItemProduto& item,
                                                 TImpostosItem& impostos) {
  const WORD aAliquota[3] = {nfItem.iAliquota2(), nfItem.iAliquota3(), nfItem.iAliquota4()};
  const long aReceita[3] = {nfItem.lCodigoReceita2(), nfItem.lCodigoReceita3(), nfItem.lCodigoReceita4()};
  for (int k = 0; k < 3; ++k) {
    impostos.aEntrada[k].SetTipoImposto(static_cast<unsigned char>(k + 2));
    impostos.aEntrada[k].SetAliquota(Percentual(aAliquota[k]));
    impostos.aEntrada[k].SetCodigoReceita(aReceita[k]);
  }
  item.SetAliquotaAcrescimoICMSST(Percentual(nfItem.iAliquotaAcrescimoICMSST()));
  item.SetAliquotaReducaoICMSST(Percentual(nfItem.iAliquotaReducaoICMSST()));
  item.SetAliquotaICMS(Percentual(nfItem.iAliquotaICMS()));
  item.SetAliquotaICMSST(Percentual(nfItem.iAliquotaICMSST()));
  if (nfItem.iAliquotaIPI() == 0) {
    item.SetAliquotaIPI(g_cyZero);
    item.SetValorPorItemIPI(nfItem.cyIPIPorUnidade());
  } else {
    item.SetAliquotaIPI(Percentual(nfItem.iAliquotaIPI()));
    item.SetValorPorItemIPI(g_cyZero);
  }
  item.SetAliquotaReducaoIPI(Percentual(nfItem.iAliquotaReducaoIPI()));
  if (importa::TipoNotaTributado(m_pNF->byTipoNota()) && (m_bFilialTributadaIPI || m_bNaturezaImportacao)) {
    std::string strDigitos;
    for (char c : nfItem.szCodigoTributacaoIPI())
      if (c >= '0' && c <= '9') strDigitos += c;
    item.SetCodigoTributacaoIPI(static_cast<unsigned short>(std::atoi(strDigitos.c_str())));
  }
  item.SetAliquotaRedAcrescimoICMS(nfItem.cyAliquotaRedAcrescimoICMS());
  item.SetTipoReducaoAcrescimoICMS(nfItem.byReducaoAcrescimoICMS() != 0 ? 1 : 0);
  item.SetIPIInclusoNoICMS(m_rNaturezaItemCopia.byIPIInclusoICMS() == 1 ? 1 : 0);
  item.SetPonteiroUnidadeMedidaCompra(nfItem.iPonteiroUnidadeMedida());
  item.SetLivreCobranca(nfItem.byLivreCobranca());
  if (importa::TipoNotaTributado(m_pNF->byTipoNota())) PreenchePISCOFINSNovo(nfItem, item);
}

void CImportaNotaComercial::PreenchePISCOFINSNovo(const tagREG_ITENS_PRODUTO_NFPS& nfItem, TCMREItemProduto& item) {
  item.SetTipoIncidenciaPIS(nfItem.iIncidenciaPIS());
  const WORD iIncidenciaCOFINS =
      m_t.HabilitarCST_COFINS(m_pNF->iPonteiroFilial()) ? nfItem.iIncidenciaCOFINS() : item.GetTipoIncidenciaPIS();
  item.SetTipoIncidenciaCOFINS(iIncidenciaCOFINS);
  // A alíquota ou o valor por unidade, conforme o modo do imposto na nota.
  const auto preenche = [](bool bHabilitado, CY cyAliquotaOuValor, BYTE byModo, auto setAliquota,
                           auto setValorPorItem) {
    if (!bHabilitado) {
      setAliquota(g_cyZero);
      setValorPorItem(g_cyZero);
    } else if (cyAliquotaOuValor != g_cyZero) {
      setAliquota(byModo != 0 ? cyAliquotaOuValor : g_cyZero);
      setValorPorItem(byModo != 0 ? g_cyZero : cyAliquotaOuValor);
    }
  };
  preenche(
      CTrataDadosRE::HabilitaBCAlqVlr_PIS_COFINS_Produto_Servico(item.GetTipoIncidenciaPIS(), false),
      nfItem.cyAliquotaPIS(), nfItem.byModoPIS(), [&item](CY cy) { item.SetAliquotaPISNaoCumulativo(cy); },
      [&item](CY cy) { item.SetValorPorItemPISNaoCumulativo(cy); });
  preenche(
      CTrataDadosRE::HabilitaBCAlqVlr_PIS_COFINS_Produto_Servico(item.GetTipoIncidenciaCOFINS(), false),
      nfItem.cyAliquotaCOFINS(), nfItem.byModoCOFINS(), [&item](CY cy) { item.SetAliquotaCOFINSNaoCumulativo(cy); },
      [&item](CY cy) { item.SetValorPorItemCOFINSNaoCumulativo(cy); });
}

void CImportaNotaComercial::PreencheDI(bool bNovo, const tagREG_ITENS_PRODUTO_NFPS& nfItem, TCMREItemProduto& item) {
  if (bNovo) {
    item.SetDI_NumeroDI_DSI_DA(Texto(nfItem.szDINumero()));
    item.SetDI_DataRegistro(nfItem.dmaDIRegistro());
    item.SetDI_CodigoExportador(Texto(nfItem.szDICodigoExportador()));
    item.SetDI_DesembaracoUF(Texto(nfItem.szDIDesembaracoUF()));
    item.SetDI_DesembaracoData(nfItem.dmaDIDesembaraco());
    item.SetDI_DesembaracoLocal(Texto(nfItem.szDIDesembaracoLocal()));
    item.SetDI_AdicaoNr(CString(std::to_string(nfItem.iDIAdicaoNumero()).c_str()));
    item.SetDI_AdicaoVlrDesconto(nfItem.cyDIAdicaoDesconto());
    item.SetDI_AdicaoCodigoFabricante(Texto(nfItem.szDIAdicaoCodigoFabricante()));
    item.SetDI_DeclaracaoSimplificadaImportacao(nfItem.byDISimplificada());
    item.SetDI_NumeroDrawback(Texto(nfItem.szDINumeroDrawback()));
  }
  item.SetDI_VlrBC(item.GetDI_VlrBC() + nfItem.cyDIBase());
  item.SetDI_VlrDespesaAduaneira(item.GetDI_VlrDespesaAduaneira() + nfItem.cyDIDespesasAduaneiras());
  item.SetDI_VlrIOF(item.GetDI_VlrIOF() + nfItem.cyDIIOF());
  item.SetDI_VlrImpostoImportacao(item.GetDI_VlrImpostoImportacao() + nfItem.cyDIImpostoImportacao());
}

void CImportaNotaComercial::SomaPISCOFINS(const tagREG_ITENS_PRODUTO_NFPS& nfItem, TCMREItemProduto& item) {
  if (!importa::TipoNotaTributado(m_pNF->byTipoNota())) return;
  if (!CTrataDadosRE::HabilitaBCAlqVlr_PIS_COFINS_Produto_Servico(item.GetTipoIncidenciaPIS(), false)) {
    item.SetAliquotaPISNaoCumulativo(g_cyZero);
    item.SetValorPorItemPISNaoCumulativo(g_cyZero);
  } else {
    item.SetBasePISNaoCumulativo(item.GetBasePISNaoCumulativo() + nfItem.cyBasePIS());
    item.SetValorPISNaoCumulativo(item.GetValorPISNaoCumulativo() + nfItem.cyValorPIS());
    if (item.GetValorPISNaoCumulativo() > g_cyZero) item.SetInformarValorPISNC(1);
    if (item.GetBasePISNaoCumulativo() > g_cyZero) item.SetInformarBasePISNC(1);
  }
  if (!CTrataDadosRE::HabilitaBCAlqVlr_PIS_COFINS_Produto_Servico(item.GetTipoIncidenciaCOFINS(), false)) {
    item.SetAliquotaCOFINSNaoCumulativo(g_cyZero);
    item.SetValorPorItemCOFINSNaoCumulativo(g_cyZero);
  } else {
    item.SetBaseCOFINSNaoCumulativo(item.GetBaseCOFINSNaoCumulativo() + nfItem.cyBaseCOFINS());
    item.SetValorCOFINSNaoCumulativo(item.GetValorCOFINSNaoCumulativo() + nfItem.cyValorCOFINS());
    if (item.GetValorCOFINSNaoCumulativo() > g_cyZero) item.SetInformarValorCOFINSNC(1);
    if (item.GetBaseCOFINSNaoCumulativo() > g_cyZero) item.SetInformarBaseCOFINSNC(1);
  }
  if (m_bUsaDI) {
    item.SetDI_ValorPIS_Importacao(item.GetDI_ValorPIS_Importacao() + nfItem.cyValorPIS());
    item.SetDI_ValorCOFINS_Importacao(item.GetDI_ValorCOFINS_Importacao() + nfItem.cyValorCOFINS());
  }
}

void CImportaNotaComercial::GravaImpostos(const TImpostosItem& impostos, TCMREItemProduto& item) {
  for (int k = 0; k < 3; ++k) {
    if (!(impostos.aEntrada[k].GetValor() > g_cyZero)) continue;
    if (impostos.aIndice[k] >= 0)
      item.SetImposto(impostos.aIndice[k], impostos.aEntrada[k]);
    else
      item.AdicionaImposto(impostos.aEntrada[k]);
  }
}

void CImportaNotaComercial::AdicionaRetencoes(const tagREG_ITENS_SERVICO_NFPS& s, TCMREItemServico& item) {
  using TDeducoes = vrmsuite::TVetorLayout<const tagREG_DEDUCAO_NFPS>;
  const TDeducoes kSem(nullptr, 0, "", "");
  const bool bFederais = s.iRetemFederais() != 0;
  const struct {
    BYTE byTipo;
    CY cyValor;
    bool bCondicao;
    WORD iAliquota;
    bool bTemBase;
    CY cyBase;
    TDeducoes deducoes;
  } kRetencoes[] = {
      {6, s.cyValorRetencao6(), s.cyValorRetencao6() > g_cyZero && s.iAliquotaRetencao6() != 0, s.iAliquotaRetencao6(),
       true, s.cyBaseRetencao6(), s.Deducoes6()},
      {1, s.cyValorRetencao1(),
       (s.cyValorRetencao1() > g_cyZero || s.iAliquotaRetencao1() != 0) &&
           m_t.LeDFCFRTEhJuridico(m_r.GetPonteiroFornecedor()),
       s.iAliquotaRetencao1(), true, s.cyBaseRetencao1(), s.Deducoes1()},
      {5, s.cyValorRetencao5(), s.cyValorRetencao5() > g_cyZero && bFederais, s.iAliquotaRetencao5(), true,
       s.cyBaseRetencao2e5(), s.Deducoes5()},
      {2, s.cyValorRetencao2(), s.cyValorRetencao2() > g_cyZero && s.iAliquotaRetencao2() != 0, s.iAliquotaRetencao2(),
       true, s.cyBaseRetencao2e5(), kSem},
      {3, s.cyValorRetencao3(), s.cyValorRetencao3() > g_cyZero && bFederais, s.iAliquotaRetencao3(), false, g_cyZero,
       kSem},
      {4, s.cyValorRetencao4(), s.cyValorRetencao4() > g_cyZero && bFederais, s.iAliquotaRetencao4(), false, g_cyZero,
       kSem},
  };
  for (const auto& r : kRetencoes) {
    if (!r.bCondicao) continue;
    const T_Lista<TCMREImposto>& lista = item.GetListaImposto();
    TCMREImposto imposto = CTrataDadosRE::GetImposto(lista, r.byTipo);
    const int nIndice = CTrataDadosRE::GetImpostoIndice(lista, r.byTipo);
    imposto.SetTipoImposto(r.byTipo);
    imposto.SetValor(r.cyValor);
    imposto.SetAliquota(Percentual(r.iAliquota));
    if (r.bTemBase) imposto.SetBase(r.cyBase);
    for (const tagREG_DEDUCAO_NFPS& linha : r.deducoes) {
      TCMImpostoDeducao deducao;
      deducao.SetValorDeducao(linha.bySinal() != 0 ? linha.cyValor() : linha.cyValor() * -1.0);
      deducao.SetDescricao(Texto(linha.szDescricao()));
      imposto.AdicionaDeducao(deducao);
    }
    if (nIndice != -1)
      item.SetImposto(nIndice, imposto);
    else
      item.AdicionaImposto(imposto);
  }
}

template <class TRateio>
void CImportaNotaComercial::RateiaConta(const tagREG_RATEIO_NFPS& linha, const importa::TLeitura& leitura,
                                        TRateio& rateio) {
  const long lConta = linha.lContaEmpresarialNF();
  _RegContaPS rContaClassificacao;
  Verifica(m_t.GetUsaServidor()->LeDFPlano(m_t.m_ppIPlano, lConta, &rContaClassificacao), leitura);
  if (std::toupper(static_cast<unsigned char>(rContaClassificacao.cClassificacao())) != 'S') return;
  if constexpr (std::is_same_v<TRateio, TCMRERateioProduto>)
    rateio.SetPonteiroClassificacaoDestino(lConta);
  else
    rateio.SetPonteiroClassificacao(lConta);
  const auto gerenciais = linha.Gerencial();
  CManipulaListaValores M(true);
  for (const tagREG_RATEIO_GERENCIAL_NFPS& g : gerenciais) M.Adiciona(g.cyValor());
  M.SetNovoTotal(rateio.GetNEWValor(), 2);
  for (std::size_t k = 0; k < gerenciais.size(); ++k) {
    const CY cyValor = M.GetValor(static_cast<int>(k));
    if (cyValor == g_cyZero) continue;
    TQZGerencial gerencial;
    gerencial.SetValor(cyValor);
    gerencial.SetPonteiroPlanoEmpresarial(gerenciais[k].lPlanoEmpresarial());
    gerencial.SetPonteiroPlanoGerencial(gerenciais[k].lPlanoGerencial());
    rateio.AdicionaGerencial(gerencial);
  }
}

void CImportaNotaComercial::RateiaProduto(const tagREG_ITENS_PRODUTO_NFPS& RegItensProduto, TCMREItemProduto& item) {
  const bool bDoItem = RegItensProduto.iQtdRateio() != 0;
  const auto linhas = bDoItem ? RegItensProduto.Rateio() : m_pNF->RateioTotal();
  CManipulaListaValores Q(true), V(true);
  for (const tagREG_RATEIO_NFPS& linha : linhas) {
    V.Adiciona(linha.cyValor());
    Q.Adiciona(!bDoItem && linha.cyQuantidade() == g_cyZero ? linha.cyValor() : linha.cyQuantidade());
  }
  for (std::size_t i = 0; i < linhas.size(); ++i) {
    TCMRERateioProduto rateio;
    _REG_UNIDADES_MEDIDAPS rUnidadeMedidaProduto;
    Verifica(m_t.GetUsaServidor()->LeDFUnidadeMedida(m_t.m_ppIProduto, RegItensProduto.iPonteiroUnidadeMedida(),
                                                     &rUnidadeMedidaProduto),
             importa::kLeUnidadeProduto);
    // Reescalar de novo ao mesmo total não muda os valores: basta na primeira linha.
    if (i == 0) {
      Q.SetNovoTotal(RegItensProduto.cyQuantidade(), CasasDaUnidade(rUnidadeMedidaProduto.byTipoDecimais()));
      V.SetNovoTotal(RegItensProduto.cyValorTotal(), 2);
    }
    rateio.SetNEWQuantidade(Q.GetValor(static_cast<int>(i)));
    rateio.SetNEWValor(V.GetValor(static_cast<int>(i)));
    RateiaConta(linhas[i], bDoItem ? importa::kLeContaRateioProduto : importa::kLeContaRateioTotalProduto, rateio);
    CTrataDadosRE::SetClassificacaoEHistoricoAutomaticoProduto(0, m_r, item, -1, rateio);
    item.AdicionaRateio(rateio);
  }
  if (item.GetQuantidadeRateio() == 0)
    item.SetListaRateio(CTrataDadosRE::MontaClassificaoPeloCadastroProduto(item, m_r));
}

void CImportaNotaComercial::RateiaServico(const tagREG_ITENS_SERVICO_NFPS& RegItensServico, TCMREItemServico& item) {
  const bool bDoItem = RegItensServico.iQtdRateio() != 0;
  const auto linhas = bDoItem ? RegItensServico.Rateio() : m_pNF->RateioTotal();
  CManipulaListaValores Q(true), V(true);
  for (const tagREG_RATEIO_NFPS& linha : linhas) {
    V.Adiciona(linha.cyValor());
    Q.Adiciona(!bDoItem && linha.cyQuantidade() == g_cyZero ? linha.cyValor() : linha.cyQuantidade());
  }
  for (std::size_t i = 0; i < linhas.size(); ++i) {
    TCMRERateioServico rateio;
    _REG_UNIDADES_MEDIDA_SERVICOPS rUnidadeMedidaServico;
    Verifica(m_t.GetUsaServidor()->LeDFUnidadeMedidaServico(m_t.m_ppIProduto, RegItensServico.iUnidadeMedida(),
                                                            &rUnidadeMedidaServico),
             importa::kLeUnidadeServico);
    if (i == 0) {
      Q.SetNovoTotal(RegItensServico.cyQuantidade(), CasasDaUnidade(rUnidadeMedidaServico.byTipoDecimais()));
      V.SetNovoTotal(RegItensServico.cyValorTotal(), 2);
    }
    rateio.SetNEWQuantidade(Q.GetValor(static_cast<int>(i)));
    rateio.SetNEWValor(V.GetValor(static_cast<int>(i)));
    rateio.SetPonteiroSitServicoRateio(m_iPonteiroSituacaoServico);
    rateio.SetDestino_deprecated(0);
    RateiaConta(linhas[i], bDoItem ? importa::kLeContaRateioServico : importa::kLeContaRateioTotalServico, rateio);
    item.AdicionaRateio(rateio);
  }
  if (item.GetQuantidadeRateio() == 0)
    item.SetListaRateio(CTrataDadosRE::MontaClassificaoPeloCadastroServico(item, m_r));
}
