// Regras do registro de entradas sobre a empresa de amostra: itens pelos cadastros de
// produto e de serviço (e a falha de leitura, registrada e lançada), regra de local da
// entrada em estoque, totais, impostos, PIS/COFINS por situação tributária e o rateio
// automático.
#include <gtest/gtest.h>

#include <functional>

#include "empresa_teste.h"
#include "instalacao_teste.h"
#include "vrmwnd/base/QZException.h"
#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/suite/ganchos_teste.h"
#include "vrmwnd/suite/leiautes/tagREG_NOTA_FISCALPS.h"
#include "vrmwnd/suite/registros/TCMRERegistroEntrada.h"
#include "vrmwnd/suite/regras/CTrataDadosRE.h"
#include "vrmwnd/suite/servidor/resultados.h"

namespace {

class CTrataDadosRETest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(m_regras.OnInicializa(m_empresa.Nome()), S_OK); }
  void TearDown() override { vrmsuite::LimpaFalhasLeitura(); }

  CInstalacaoTeste m_instalacao;
  CEmpresaTeste m_empresa;
  CQZProfilerEmpresa m_contexto{"EMPRESA1", 4, 99};
  CTrataDadosRE m_regras{nullptr, &m_contexto};
};

TCMREItemServico Servico(LONGLONG quantidade, LONGLONG unitarioV8, std::initializer_list<LONGLONG> retidos) {
  TCMREItemServico s;
  s.SetQuantidade(CyDeBruto(quantidade));
  s.SetValorUnitarioV8(unitarioV8);
  for (LONGLONG v : retidos) {
    TCMREImposto i;
    i.SetValor(CyDeBruto(v));
    s.AdicionaImposto(i);
  }
  return s;
}

}  // namespace

TEST_F(CTrataDadosRETest, ItensPreenchidosPeloCadastro) {
  const TCMREItemProduto p = m_regras.PreencheDadosProduto(1, 2001, 5, 0, 0, 2, {10, 0, 3, 1}, 0);
  EXPECT_EQ(p.GetPosicaoProduto(), (TCMPosicaoProduto{10, 0, 3, 1}));
  EXPECT_EQ(p.GetPonteiroCFOP(), 5);
  EXPECT_EQ(p.GetPonteiroClassificacao(), 4001);
  EXPECT_EQ(p.GetPonteiroUnidadeMedida(), 1);
  EXPECT_EQ(p.GetPonteiroLocalEstoque(), 1);
  EXPECT_EQ(p.GetTipoEntradaEstoque(), CM_ENTRADA_ESTOQUE_ENTRADA);
  const TCMREItemProduto lubrificante = m_regras.PreencheDadosProduto(1, 0, 5, 0, 0, 0, {14}, 0);
  EXPECT_EQ(lubrificante.GetTipoEntradaEstoque(), CM_ENTRADA_ESTOQUE_SEM_ENTRADA);
  EXPECT_EQ(lubrificante.GetPonteiroClassificacao(), 5001);

  vrmsuite::ProgramaFalhaLeitura("LeDFProduto", E_FAIL, 0);
  const TCMREItemProduto semProduto = m_regras.PreencheDadosProduto(1, 0, 5, 0, 0, 0, {}, 0);
  EXPECT_EQ(semProduto, [] {
    TCMREItemProduto i;
    i.SetPonteiroCFOP(5);
    return i;
  }()) << "sem produto nada é lido";

  const TCMREItemServico s = m_regras.PreencheDadosServico(1, 2004, 5, 0, 0, 40, 0);
  EXPECT_EQ(s.GetPonteiroServico(), 40);
  EXPECT_EQ(s.GetPonteiroSitServico(), 5);
  EXPECT_EQ(s.GetPonteiroClassificacao(), 5003);
  EXPECT_EQ(s.GetPonteiroUnidadeMedida(), 5);
}

TEST_F(CTrataDadosRETest, FalhaDeLeituraRegistraELanca) {
  const struct {
    const char* szLeitura;
    HRESULT hrProgramado;
    std::function<void(CTrataDadosRE&)> fChama;
    HRESULT hrEsperado;
    long lLocal;
    const char* szExpressao;
  } kCasos[] = {
      {nullptr, 0, [](CTrataDadosRE& r) { r.PreencheDadosProduto(1, 0, 5, 0, 0, 0, {404}, 0); },
       QZ_E_REGISTRO_NAO_ENCONTRADO, 710101,
       "GetUsaServidor()->LeDFProduto(m_ppIProduto, posicao.lPonteiroProduto, &regProduto)"},
      {"LeDFServico", E_OUTOFMEMORY, [](CTrataDadosRE& r) { r.PreencheDadosServico(1, 0, 5, 0, 0, 40, 0); },
       E_OUTOFMEMORY, 710102, "GetUsaServidor()->LeDFServico(m_ppIProduto, lServico, &regServico)"},
      {"LeDFFilial", E_FAIL, [](CTrataDadosRE& r) { r.HabilitarCST_COFINS(1); }, E_FAIL, 710103,
       "GetUsaServidor()->LeDFFilial(m_ppIFilial, iFilial, &regFilial)"},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szExpressao);
    vrmsuite::LimpaFalhasLeitura();
    if (c.szLeitura) vrmsuite::ProgramaFalhaLeitura(c.szLeitura, c.hrProgramado, 0);
    try {
      c.fChama(m_regras);
      ADD_FAILURE() << "esperava CQZExceptionEx";
    } catch (const CQZExceptionEx& e) {
      EXPECT_EQ(e.GetResultado(), c.hrEsperado);
      EXPECT_EQ(e.GetLocal(), c.lLocal);
      EXPECT_EQ(std::string(e.GetEmpresa()), "EMPRESA1");
    }
    EXPECT_NE(m_instalacao.Gravado("QZProfilerErros").find(c.szExpressao), std::string::npos)
        << "a falha fica no log de erros com o texto da leitura";
  }
}

TEST_F(CTrataDadosRETest, SemServidoresLigadosALeituraFalha) {
  CTrataDadosRE desligadas;
  EXPECT_THROW(desligadas.HabilitarCST_COFINS(1), CQZExceptionEx);
  EXPECT_NE(desligadas.OnLerParametros(), S_OK);
}

TEST_F(CTrataDadosRETest, ConfiguracoesMestrasLidasNosParametros) {
  m_empresa.Executa("UPDATE cm_mestre SET nPoderIncluirProdutosIguais = 1");
  ASSERT_EQ(m_regras.OnLerParametros(), S_OK);
  EXPECT_EQ(m_regras.GetDadosCM_Mestre().GetPoderIncluirProdutosIguais(), 1);
}

TEST(CTrataDadosBaseTest, RegraDeLocalDaEntradaEmEstoque) {
  const struct {
    BYTE tipo, operacao;
    WORD local;
    ULONG movimento;
    int permitidos;
    ETipoQualEntradaEstoque eTipo;
    BYTE usaOrigem;
    const char* mensagem;
  } kCasos[] = {
      {1, 1, 7, 0, 3, QUAL_ENTRADA_LOCAL_OBRIGATORIO, 0, ""},
      {1, 1, 0, 0, 3, QUAL_ENTRADA_LOCAL_OBRIGATORIO, 0, "Informe o local de estocagem da entrada em estoque."},
      {2, 1, 0, 0, 3, QUAL_ENTRADA_LOCAL_OBRIGATORIO, 0, "Informe o local de estocagem da entrada em estoque."},
      {3, 1, 0, 0, 3, QUAL_ENTRADA_LIVRE, 0, ""},
      {0, 1, 0, 0, 3, QUAL_ENTRADA_LIVRE, 0, "O tipo de entrada em estoque 0 não é permitido para esta operação."},
      {1, 5, 7, 0, 2, QUAL_ENTRADA_MOVIMENTO_ORIGEM, 1, "Informe o movimento de estoque de origem da devolução."},
      {1, 4, 7, 0x5001, 2, QUAL_ENTRADA_MOVIMENTO_ORIGEM, 1, ""},
      {1, 4, 0, 0x5001, 2, QUAL_ENTRADA_MOVIMENTO_ORIGEM, 1, "Informe o local de estocagem da entrada em estoque."},
      {3, 4, 0, 0, 2, QUAL_ENTRADA_LIVRE, 0, ""},
      {2, 4, 7, 0, 2, QUAL_ENTRADA_LOCAL_OBRIGATORIO, 0,
       "O tipo de entrada em estoque 2 não é permitido para esta operação."},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << "tipo=" << int(c.tipo) << " operacao=" << int(c.operacao));
    const TCMREQualEntradaEstoque r =
        CTrataDadosBase::GetLocalEntradaEstoqueObrigatorio(c.tipo, c.operacao, c.local, c.movimento);
    EXPECT_EQ(r.GetQuantidadeTipo(), c.permitidos);
    EXPECT_EQ(r.PermiteTipo(CM_ENTRADA_ESTOQUE_CONSIGNACAO), c.permitidos == 3)
        << "devolução e retorno não entram em consignação";
    EXPECT_EQ(r.GetTipo(), c.eTipo);
    EXPECT_EQ(r.GetLocalObrigatorio(), c.eTipo != QUAL_ENTRADA_LIVRE);
    EXPECT_EQ(r.GetUsaSaidaMovOriEstoque(), c.usaOrigem);
    EXPECT_EQ(r.GetPonteiroLocal(), c.local);
    EXPECT_EQ(std::string(r.GetMensagem()), c.mensagem);
  }
}

TEST(CTrataDadosREEstoqueTest, EntradaEmEstoqueLevaOQueFaltaDoItem) {
  TCMRERegistroEntrada registro;
  registro.SetPonteiroClassificacao(900);
  TCMREItemProduto item;
  item.SetQuantidade(CyDeBruto(100'000));
  item.SetPonteiroLocalEstoque(7);
  item.SetTipoEntradaEstoque(CM_ENTRADA_ESTOQUE_ENTRADA);
  TCMREEntradaEstoque primeira;
  primeira.SetQuantidade(CyDeBruto(30'000));
  item.AdicionaEntradaEstoque(primeira);

  const TCMREEntradaEstoque e = CTrataDadosRE::PreencheDadosEntradaEstoque(registro, item, nullptr);
  EXPECT_EQ(e.GetQuantidade().int64, 70'000);
  EXPECT_EQ(e.GetTipo(), CM_ENTRADA_ESTOQUE_ENTRADA);
  EXPECT_EQ(e.GetPonteiroLocal(), 7);
  EXPECT_EQ(e.GetPonteiroClassificacao(), 900) << "sem classificação no item, a do registro";
  const CY dada = CyDeBruto(5);
  EXPECT_EQ(CTrataDadosRE::PreencheDadosEntradaEstoque(registro, item, &dada).GetQuantidade().int64, 5);
  item.AdicionaEntradaEstoque(e);
  item.AdicionaEntradaEstoque(e);
  EXPECT_EQ(CTrataDadosRE::PreencheDadosEntradaEstoque(registro, item, nullptr).GetQuantidade().int64, 0)
      << "entradas além da quantidade não dão falta negativa";

  TCMREEntradaEstoque informada;
  informada.SetPonteiroLocal(3);
  CTrataDadosRE::SetClassificacaoELocalEstocagem(registro, item, 1, informada);
  EXPECT_EQ(informada.GetPonteiroLocal(), 3) << "modo 1 só preenche o que falta";
  CTrataDadosRE::SetClassificacaoELocalEstocagem(registro, item, 0, informada);
  EXPECT_EQ(informada.GetPonteiroLocal(), 7);
}

TEST(CTrataDadosRETotaisTest, TotaisBrutoELiquido) {
  const struct {
    LONGLONG quantidade, unitario, desconto, esperado;
  } kCasos[] = {
      {500'000, 4'100'000'000, 0, 20'500'000},      // 50 x 41,00 = 2.050,00
      {10'000, 33'335'000, 0, 3'300},               // 1 x 0,33335 -> 0,33
      {30'000, 33'335'000, 0, 10'000},              // 3 x 0,33335 = 1,00005 -> 1,00
      {10'000, 1'005'000'000, 5'000'000, 100'000},  // 1 x (10,05 - 0,05)
      {15'000, 100'000, 0, 0},                      // 1,5 x 0,001 = 0,0015 -> 0,00
      {-10'000, 250'000'000, 0, -25'000},           // quantidade negativa
      {5'000, 1'000'000, 0, 100},                   // 0,5 x 0,01 = 0,005 -> 0,01
      {-5'000, 1'000'000, 0, -100},                 // -0,005 -> -0,01 (longe do zero)
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << c.quantidade << " x " << c.unitario);
    TCMREItemProduto item;
    item.SetQuantidade(CyDeBruto(c.quantidade));
    item.SetValorUnitarioV8(c.unitario);
    item.SetValorDescontoUnitarioV8(c.desconto);
    EXPECT_EQ(CTrataDadosRE::CalculaValorTotalBruto(item).int64, c.esperado);
  }

  CY bruto{}, liquido{};
  CTrataDadosRE::CalculaValorTotalLiquido(Servico(20'000, 15'000'000'000, {15'000, 45'000}), 5, 2004, bruto, liquido);
  EXPECT_EQ(bruto.int64, 3'000'000);
  EXPECT_EQ(liquido.int64, 2'940'000);
  CTrataDadosRE::CalculaValorTotalLiquido(Servico(20'000, 15'000'000'000, {15'000}), 5, 0, bruto, liquido);
  EXPECT_EQ(liquido.int64, 3'000'000) << "sem fornecedor ninguém retém";
  CTrataDadosRE::CalculaValorTotalLiquido(Servico(20'000, 0, {}), 5, 2004, bruto, liquido);
  EXPECT_EQ(bruto.int64, 0) << "sem valor unitário não há bruto";
}

TEST(CTrataDadosRETotaisTest, AtualizaValoresSomaOsTotaisEReparteAsParcelas) {
  TCMRERegistroEntrada r;
  TCMREItemProduto p;
  p.SetValorTotal(CyDeBruto(1'000'000));
  p.SetValorICMSST(CyDeBruto(50'000));
  r.AdicionaProduto(p);
  TCMREItemServico s = Servico(10'000, 0, {20'000});
  s.SetValorTotal(CyDeBruto(200'000));
  r.AdicionaServico(s);
  r.SetValorTotalIPI(CyDeBruto(100'000));
  r.SetValorFreteDigitado(CyDeBruto(30'000));
  r.SetValorDescontoNaNota(CyDeBruto(10'000));
  for (int i = 0; i < 3; ++i) {
    TCMParcela parcela;
    parcela.SetValorParcelaDigitado(CyDeBruto(100'000));
    r.GetCondicaoPagamentoRef().AdicionaParcela(parcela);
  }

  CTrataDadosRE regras;
  regras.AtualizaValoresEx(r, CM_RE_ATUALIZA_TOTAIS);
  EXPECT_EQ(r.GetValorTotalProdutos().int64, 1'000'000);
  EXPECT_EQ(r.GetValorTotalServicos().int64, 200'000);
  EXPECT_EQ(r.GetValorTotalRetencoes().int64, 20'000);
  EXPECT_EQ(r.GetValorTotalNota().int64, 1'370'000);  // 100 + 20 + 10 + 5 + 3 - 1
  EXPECT_EQ(r.GetValorLiquidoNota().int64, 1'350'000);
  EXPECT_EQ(r.GetCondicaoPagamento().GetValorTotalParcelas().int64, 300'000) << "parcelas intactas";

  regras.AtualizaValoresEx(r, CM_RE_ATUALIZA_PARCELAS);
  EXPECT_EQ(r.GetCondicaoPagamento().GetParcela(0).GetValorParcelaDigitado().int64, 450'000);
  EXPECT_EQ(r.GetCondicaoPagamento().GetValorTotalParcelas().int64, 1'350'000);
}

TEST(CTrataDadosREImpostosTest, ImpostosPorTipoENomes) {
  T_Lista<TCMREImposto> lista;
  TCMREImposto iss;
  iss.SetTipoImposto(CM_IMPOSTO_ISS);
  iss.SetValor(CyDeBruto(7));
  lista.Add(iss);
  iss.SetValor(CyDeBruto(8));
  lista.Add(iss);
  EXPECT_EQ(CTrataDadosRE::GetImpostoIndice(lista, CM_IMPOSTO_ISS), 0);
  EXPECT_EQ(CTrataDadosRE::GetImposto(lista, CM_IMPOSTO_ISS).GetValor().int64, 7) << "o primeiro do tipo";
  EXPECT_EQ(CTrataDadosRE::GetImpostoIndice(lista, CM_IMPOSTO_INSS), -1);
  EXPECT_EQ(CTrataDadosRE::GetImposto(lista, CM_IMPOSTO_INSS).GetTipoImposto(), CM_IMPOSTO_INSS);
  EXPECT_EQ(CTrataDadosRE::GetImposto(lista, CM_IMPOSTO_INSS).GetValor().int64, 0);

  const char* kNomes[] = {"", "IRRF", "PIS", "COFINS", "CSLL", "ISS Retido", "INSS", ""};
  for (int t = 0; t < 8; ++t) EXPECT_EQ(std::string(CTrataDadosRE::GetNomeImposto(BYTE(t))), kNomes[t]);
}

TEST_F(CTrataDadosRETest, PISCOFINSPorSituacaoTributaria) {
  const struct {
    WORD cst;
    bool produto, servico;
  } kCasos[] = {
      {0, false, false},  {1, true, true},  {3, true, false}, {4, false, false},
      {9, false, false},  {49, true, true}, {50, true, true}, {56, true, true},
      {57, false, false}, {60, true, true}, {67, true, true}, {70, false, false},
      {75, false, false}, {98, true, true}, {99, true, true}, {100, false, false},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.cst);
    EXPECT_EQ(CTrataDadosRE::HabilitaBCAlqVlr_PIS_COFINS_Produto_Servico(c.cst, false), c.produto);
    EXPECT_EQ(CTrataDadosRE::HabilitaBCAlqVlr_PIS_COFINS_Produto_Servico(c.cst, true), c.servico);
  }
  EXPECT_TRUE(m_regras.HabilitarCST_COFINS(1)) << "a matriz dá ao COFINS situação própria";
  EXPECT_FALSE(m_regras.HabilitarCST_COFINS(2));
}

TEST(CTrataDadosRERateioTest, ClassificacaoAutomaticaDoRateio) {
  TCMRERegistroEntrada registro;
  registro.SetPonteiroClassificacao(900);
  registro.SetPonteiroHistorico(12);
  registro.SetComplementoHistorico("NF 1001");
  TCMREItemProduto item;
  item.SetPonteiroClassificacao(5101);
  item.SetQuantidade(CyDeBruto(20'000));
  item.SetValorTotal(CyDeBruto(80'000));
  item.AdicionaRateio(TCMRERateioProduto());

  TCMRERateioProduto rateio;
  rateio.SetPonteiroClassificacaoDestino(777);
  CTrataDadosRE::SetClassificacaoEHistoricoAutomaticoProduto(0, registro, item, -1, rateio);
  EXPECT_EQ(rateio.GetPonteiroClassificacaoDestino(), 777) << "modo 0 mantém a conta dada";
  EXPECT_EQ(rateio.GetPonteiroHistorico(), 12);
  EXPECT_EQ(std::string(rateio.GetComplementoHistorico()), "NF 1001");
  EXPECT_EQ(item.GetRateio(0), TCMRERateioProduto()) << "índice −1 não grava no item";
  CTrataDadosRE::SetClassificacaoEHistoricoAutomaticoProduto(1, registro, item, 0, rateio);
  EXPECT_EQ(rateio.GetPonteiroClassificacaoDestino(), 5101);
  EXPECT_EQ(item.GetRateio(0), rateio);

  const T_Lista<TCMRERateioProduto> linhas = CTrataDadosRE::MontaClassificaoPeloCadastroProduto(item, registro);
  ASSERT_EQ(linhas.GetSize(), 1);
  EXPECT_EQ(linhas[0].GetNEWValor().int64, 80'000);
  EXPECT_EQ(linhas[0].GetNEWQuantidade().int64, 20'000);
  EXPECT_EQ(linhas[0].GetPonteiroClassificacaoDestino(), 5101);

  TCMREItemServico servico;
  servico.SetPonteiroSitServico(8);
  servico.SetValorTotal(CyDeBruto(1'000));
  const T_Lista<TCMRERateioServico> ls = CTrataDadosRE::MontaClassificaoPeloCadastroServico(servico, registro);
  ASSERT_EQ(ls.GetSize(), 1);
  EXPECT_EQ(ls[0].GetPonteiroClassificacao(), 900) << "serviço sem conta: a do registro";
  EXPECT_EQ(ls[0].GetPonteiroSitServicoRateio(), 8);
  EXPECT_EQ(ls[0].GetNEWValor().int64, 1'000);
}

// A amostra fecha as contas: o total de cada item é quantidade x unitário (pela regra
// do bruto), o líquido de um serviço é o total menos as seis retenções e as parcelas
// somam o total da nota.
TEST_F(CTrataDadosRETest, AmostraTemTotaisQueFecham) {
  for (long lPosicao : {6144L, 10240L, 14336L, 18432L, 22528L, 26624L}) {
    SCOPED_TRACE(lPosicao);
    tagREG_NOTA_FISCALPS* pNF = nullptr;
    ASSERT_EQ(m_regras.GetUsaServidor()->LeDFNotasFiscais(m_regras.m_ppINotasFiscais, lPosicao, &pNF), S_OK);
    CY cyNota = pNF->cyValorIPI() + pNF->cyFrete() + pNF->cySeguro() + pNF->cyDespesasAcessorias() -
                pNF->cyDesconto1() - pNF->cyDesconto2();
    for (const tagREG_ITENS_PRODUTO_NFPS& p : pNF->ItensProduto()) {
      TCMREItemProduto item;
      item.SetQuantidade(p.cyQuantidade());
      item.SetValorUnitarioV8(p.llValorUnitarioV8());
      item.SetValorDescontoUnitarioV8(p.llDescontoUnitarioV8());
      EXPECT_EQ(CTrataDadosRE::CalculaValorTotalBruto(item).int64, p.cyValorTotal().int64);
      if (p.byIgnorar() == 0) cyNota += p.cyValorTotal();
    }
    for (const tagREG_ITENS_SERVICO_NFPS& s : pNF->ItensServico()) {
      const CY cyRetido = s.cyValorRetencao1() + s.cyValorRetencao2() + s.cyValorRetencao3() + s.cyValorRetencao4() +
                          s.cyValorRetencao5() + s.cyValorRetencao6();
      EXPECT_EQ((s.cyValorTotal() - cyRetido).int64, s.cyValorLiquido().int64);
      cyNota += s.cyValorLiquido();
    }
    if (pNF->byQtdParcelas() != 0) {
      CY cyParcelas = g_cyZero;
      for (const tagREG_PARCELA_NFPS& parcela : pNF->Parcelas()) cyParcelas += parcela.cyValor();
      EXPECT_EQ(cyParcelas.int64, cyNota.int64);
    }
    pNF->Libera();
    CoTaskMemFree(pNF);
  }
}
