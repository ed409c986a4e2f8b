// A importação de notas comerciais num registro de entrada, sobre a empresa de amostra
// e notas montadas no teste: cabeçalho e datas, código do frete, várias notas num
// registro, junção de itens iguais (também de centenas de itens), impostos e
// retenções, estoque com lote, volume, arma e movimento de origem, notas referidas,
// parcelas e rateios que fecham com os seus itens.
#include "importa_teste.h"

#include "vrmwnd/base/CQZQuemGerou.h"

namespace {

class CImportaNotaTest : public CImportaTeste {};

TEST_F(CImportaNotaTest, ListaVaziaDaRegistroVazio) { EXPECT_EQ(Importa({}), TCMRERegistroEntrada{}); }

TEST_F(CImportaNotaTest, CabecalhoVemDaNotaPrincipal) {
  const TCMRERegistroEntrada r = Importa({6144});
  EXPECT_EQ(r.GetRegQuemGerou(), CQZQuemGerou(6144UL, 5).GetRegQuemGerou());
  EXPECT_EQ(r.GetRegDataEntrada(), QZDMA(14, 8, 2018)) << "a saída manda na entrada";
  EXPECT_EQ(r.GetRegDataEmissao(), QZDMA(13, 8, 2018));
  EXPECT_EQ(r.GetNumeroNotaFiscal(), CString("1001"));
  EXPECT_EQ(r.GetPonteiroFornecedor(), 2001);
  EXPECT_EQ(r.GetStatusRementente(), 1) << "as duas marcas 'S': a de 239 ganha";
  EXPECT_EQ(r.GetClasseConsumidora(), 31) << "'0-3-1' só com os dígitos";
  EXPECT_EQ(r.GetPonteiroClassificacao(), 4001);
  EXPECT_EQ(r.GetQtdVolumes(), 2u) << "2,9999 volumes";
  EXPECT_EQ(r.GetNSU(), 4501u);
  EXPECT_EQ(r.GetInformarValorFrete(), 1);
  EXPECT_EQ(r.GetObservacaoGeral(), CString("Pedido 778 - entregar no almoxarifado 2."));
  EXPECT_EQ(r.GetObservacaoFisco(), CString("Redução de base de cálculo conforme RICMS/SP."));
  const TCMCondicaoPagamento& c = r.GetCondicaoPagamento();
  ASSERT_EQ(c.GetQuantidadeParcela(), 3);
  EXPECT_EQ(c.GetParcela(2).GetNumeroDaParcela(), 3);
  EXPECT_EQ(c.GetParcela(2).GetNumeroDocumento(), CString("1001/3"));
  EXPECT_EQ(c.GetParcela(0).GetPonteiroFormaPagamento(), 3);
  EXPECT_EQ(c.GetDataPrimeiroVencimento(), QZDMA(13, 9, 2018));
  EXPECT_EQ(r.GetValorTotalNota().int64, 14'380'000) << "o total da nota de amostra";
}

TEST_F(CImportaNotaTest, CodigosDoCabecalhoConvertidos) {
  constexpr struct {
    int nVia;
    char cAssinante;
    int nViaEsperada;
    int nAssinanteEsperado;
  } kCasos[] = {{1, '1', 1, 1}, {5, '6', 5, 6}, {6, '7', 7, 0}, {7, '0', 0, 0},
                {8, 'x', 0, 0}, {9, '3', 6, 3}, {10, '2', 0, 2}};
  long n = 40;
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << "via " << c.nVia << " assinante " << c.cAssinante);
    m_empresa.Executa("UPDATE cfrt SET cTipoAssinante = '" + std::string(1, c.cAssinante) +
                      "' WHERE lPonteiroConta = 2001;" +
                      NotaTeste(PosicaoTeste(++n), "byViaTransporte", std::to_string(c.nVia)));
    const TCMRERegistroEntrada r = Importa({PosicaoTeste(n)});
    EXPECT_EQ(r.GetStatusViaTransp(), c.nViaEsperada);
    EXPECT_EQ(r.GetTipoAssinante(), c.nAssinanteEsperado);
    EXPECT_EQ(r.GetInformarValorFrete(), 0) << "sem frete a marca não liga";
    EXPECT_EQ(r.GetSituacao(), 0);
  }
}

TEST_F(CImportaNotaTest, CodigoDoFreteSoComFreteSomadoAcimaDeZero) {
  constexpr struct {
    const char* szCaso;
    int nNotas;
    struct {
      int nFrete, nCodigo;
    } aNotas[2];
    int nCodigoEsperado, nInformarEsperado;
  } kCasos[] = {
      {"sem frete, o código não entra", 1, {{0, 2}}, 0, 0},
      {"com frete, o código da nota", 1, {{100000, 2}}, 2, 1},
      {"a segunda sem frete, com a soma acima de zero", 2, {{100000, 1}, {0, 2}}, 2, 1},
      {"só a segunda com frete", 2, {{0, 2}, {100000, 1}}, 1, 1},
      {"a soma volta a zero: fica o código de antes", 2, {{100000, 1}, {-100000, 2}}, 1, 1},
  };
  long n = 100;
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    T_Lista<long> posicoes;
    for (int i = 0; i < c.nNotas; ++i) {
      posicoes.Add(PosicaoTeste(++n));
      m_empresa.Executa(NotaTeste(posicoes[i], "cyFrete, byFretePorConta",
                                  std::to_string(c.aNotas[i].nFrete) + ", " + std::to_string(c.aNotas[i].nCodigo)));
    }
    const TCMRERegistroEntrada r = m_tratador.ImportaNotaComercial(posicoes);
    EXPECT_EQ(r.GetFretePorConta(), c.nCodigoEsperado);
    EXPECT_EQ(r.GetInformarValorFrete(), c.nInformarEsperado) << "a marca não volta a 0";
  }
}

TEST_F(CImportaNotaTest, NotaSemDatasEntraHoje) {
  CRelogioFixo relogio(2026, 3, 9, 10, 0, 0, 0, 1000);
  m_empresa.Executa("UPDATE nota_fiscal SET dmaEmissao = NULL, dmaSaida = NULL WHERE lPosicao = 6144;");
  const TCMRERegistroEntrada r = Importa({6144});
  EXPECT_EQ(r.GetRegDataEntrada(), QZDMA(9, 3, 2026));
  EXPECT_EQ(r.GetRegDataEmissao(), QZDMA(9, 3, 2026));
}

TEST_F(CImportaNotaTest, DuasNotasSomamValoresComCabecalhoDaPrimeira) {
  const TCMRERegistroEntrada r = Importa({6144, 10240});
  EXPECT_EQ(r.GetPonteiroFornecedor(), 2001) << "fornecedor da nota principal";
  EXPECT_EQ(r.GetNumeroNotaFiscal(), CString("1001"));
  EXPECT_EQ(r.GetValorFreteDigitado().int64, 1'500'000);
  EXPECT_EQ(r.GetValorSeguroDigitado().int64, 320'000);
  EXPECT_EQ(r.GetValorDescontoNaNota().int64, 50'000) << "o desconto é o da última nota";
  EXPECT_EQ(r.GetFretePorConta(), 1) << "o código é da última nota";
  EXPECT_EQ(r.GetCondicaoPagamento().GetQuantidadeParcela(), 3) << "só as parcelas da principal";
  ASSERT_EQ(r.GetQuantidadeProduto(), 3) << "a chapa das duas notas vira um item";
  const TCMREItemProduto chapa = r.GetProduto(1);
  EXPECT_EQ(chapa.GetQuantidade().int64, 2'500'000);
  EXPECT_EQ(chapa.GetValorUnitarioV8(), 400'000'000) << "copiado só do primeiro";
  EXPECT_EQ(chapa.GetValorTotal().int64, 10'000'000) << "quantidade x unitário do item";
  EXPECT_EQ(chapa.GetQuantidadeEntradaEstoque(), 2) << "a segunda nota não tem detalhes";
  EXPECT_EQ(chapa.GetQuantidadeRateio(), 3) << "uma linha pelo cadastro e as duas da nota inteira";
}

TEST_F(CImportaNotaTest, RemetenteDoisNaoTemParcelas) {
  const TCMRERegistroEntrada r = Importa({10240});
  EXPECT_EQ(r.GetStatusRementente(), 2);
  EXPECT_EQ(r.GetCondicaoPagamento().GetQuantidadeParcela(), 0);
  EXPECT_EQ(r.GetStatusViaTransp(), 7) << "via 6";
}

TEST_F(CImportaNotaTest, ProdutosIguaisSeJuntamConformeConfiguracao) {
  const long a = PosicaoTeste(60), b = PosicaoTeste(61);
  m_empresa.Executa(NotaTeste(a) + NotaTeste(b) + "UPDATE nota_fiscal SET iQtdItensProduto = 3 WHERE lPosicao IN (" +
                    std::to_string(a) + "," + std::to_string(b) + ");" +
                    ItemTeste(a, 0, 10, "azul", 100'000, 400'000'000, 400'000) +
                    ItemTeste(a, 1, 10, "verde", 10'000, 400'000'000, 40'000) +
                    ItemTeste(a, 2, 0, "avulso", 10'000, 100'000'000, 10'000) +
                    ItemTeste(b, 0, 10, "azul", 50'000, 400'000'000, 200'000) +
                    ItemTeste(b, 1, 11, "azul", 10'000, 100'000'000, 10'000) +
                    ItemTeste(b, 2, 0, "avulso", 10'000, 100'000'000, 10'000) +
                    // Cada item com a sua linha de rateio: a junção soma as linhas.
                    "INSERT INTO nf_rateio SELECT lPosicaoNota, 'P', nItem, 0, cyValorTotal, cyQuantidade, "
                    "5001, 0 FROM nf_item_produto WHERE lPosicaoNota IN (" +
                    std::to_string(a) + ", " + std::to_string(b) +
                    "); UPDATE nf_item_produto SET iQtdRateio = 1 WHERE lPosicaoNota IN (" + std::to_string(a) + ", " +
                    std::to_string(b) + ");");
  constexpr struct {
    int nIguais;
    int nItens;
    LONGLONG llQuantidadeAzul;
  } kCasos[] = {{0, 5, 150'000}, {1, 6, 100'000}};
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << "produtos iguais " << c.nIguais);
    m_empresa.Executa(
        "DELETE FROM cm_mestre; INSERT INTO cm_mestre (id, nPoderIncluirProdutosIguais) "
        "VALUES (1, " +
        std::to_string(c.nIguais) + ");");
    Liga();
    const TCMRERegistroEntrada r = Importa({a, b});
    ASSERT_EQ(r.GetQuantidadeProduto(), c.nItens) << "complemento diferente e produto 0 nunca juntam";
    EXPECT_EQ(r.GetProduto(0).GetQuantidade().int64, c.llQuantidadeAzul);
    for (const TCMREItemProduto& p : r.GetListaProdutoRef())
      EsperaRateioFecha(p.GetListaRateio(), p.GetQuantidade(), p.GetValorTotal());
  }
}

TEST_F(CImportaNotaTest, RateiosFechamComSeusItens) {
  for (long lPosicao : {6144L, 10240L, 14336L, 18432L, 22528L, 26624L}) {
    SCOPED_TRACE(testing::Message() << "nota " << lPosicao);
    const TCMRERegistroEntrada r = Importa({lPosicao});
    for (const TCMREItemProduto& p : r.GetListaProdutoRef())
      EsperaRateioFecha(p.GetListaRateio(), p.GetQuantidade(), p.GetValorTotal());
    for (const TCMREItemServico& s : r.GetListaServicoRef())
      EsperaRateioFecha(s.GetListaRateio(), s.GetQuantidade(), s.GetValorTotal());
  }
  const TCMREItemProduto chapa = Importa({10240}).GetProduto(0);
  ASSERT_EQ(chapa.GetQuantidadeRateio(), 2);
  EXPECT_EQ(chapa.GetRateio(0).GetNEWQuantidade().int64 + chapa.GetRateio(1).GetNEWQuantidade().int64, 500'000)
      << "a linha da nota inteira sem quantidade reparte pelo valor";
  EXPECT_EQ(chapa.GetRateio(1).GetPonteiroClassificacaoDestino(), 5002) << "marca 's' vale 'S'";
  EXPECT_EQ(chapa.GetRateio(1).GetQuantidadeGerencial(), 2);
}

TEST_F(CImportaNotaTest, ImpostosDoProdutoSomamEZeroNaoEntra) {
  const TCMREItemProduto p = Importa({6144}).GetProduto(0);
  ASSERT_EQ(p.GetQuantidadeImposto(), 1) << "o tipo 3 de valor 0 fica de fora";
  EXPECT_EQ(p.GetImposto(0).GetTipoImposto(), 2);
  EXPECT_EQ(p.GetImposto(0).GetValor().int64, 720'000);
  EXPECT_EQ(p.GetImposto(0).GetCodigoReceita(), 1708);
  EXPECT_EQ(p.GetPonteiroSituacaoTributaria(), 0);
  EXPECT_EQ(p.GetAliquotaPISNaoCumulativo().int64, 16'500) << "modo de alíquota";
  EXPECT_EQ(p.GetInformarValorPISNC(), 1);
  EXPECT_EQ(p.GetCodigoTributacaoIPI(), 50) << "a matriz paga IPI";

  m_empresa.Executa(
      "UPDATE nf_item_produto SET lPosicaoProduto = 11, szComplemento = 'bobina 1200 mm', "
      "cyValorImposto2 = 100000, cyValorImposto3 = 20000 WHERE lPosicaoNota = 10240 AND nItem = 0;");
  const TCMREItemProduto chapa = Importa({6144, 10240}).GetProduto(1);
  ASSERT_EQ(chapa.GetQuantidadeImposto(), 2);
  EXPECT_EQ(chapa.GetImposto(0).GetValor().int64, 1'540'000) << "o tipo 2 somado no lugar";
  EXPECT_EQ(chapa.GetImposto(1).GetValor().int64, 180'000) << "o tipo 3 somado no lugar";
}

TEST_F(CImportaNotaTest, DeclaracaoDeImportacao) {
  const TCMREItemProduto p = Importa({14336}).GetProduto(0);
  EXPECT_EQ(p.GetDI_NumeroDI_DSI_DA(), CString("1812345678"));
  EXPECT_EQ(p.GetDI_AdicaoNr(), CString("1"));
  EXPECT_EQ(p.GetDI_VlrBC().int64, 26'500'000);
  EXPECT_EQ(p.GetDI_ValorCOFINS_Importacao().int64, 1'900'000);
}

TEST_F(CImportaNotaTest, RetencoesDoServicoComDeducoes) {
  const TCMREItemServico s = Importa({18432}).GetServico(0);
  ASSERT_EQ(s.GetQuantidadeImposto(), 6);
  constexpr struct {
    int nTipo;
    LONGLONG llValor, llAliquota;
  } kEsperados[] = {{6, 5'000'000, 50'000}, {1, 1'500'000, 15'000}, {5, 11'000'000, 110'000},
                    {2, 650'000, 6'500},    {3, 3'000'000, 30'000}, {4, 1'000'000, 10'000}};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(s.GetImposto(i).GetTipoImposto(), kEsperados[i].nTipo);
    EXPECT_EQ(s.GetImposto(i).GetValor().int64, kEsperados[i].llValor);
    EXPECT_EQ(s.GetImposto(i).GetAliquota().int64, kEsperados[i].llAliquota);
  }
  const TCMREImposto inss = s.GetImposto(0);
  ASSERT_EQ(inss.GetQuantidadeDeducao(), 2);
  EXPECT_EQ(inss.GetDeducao(0).GetValorDeducao().int64, -300'000) << "sinal 0 entra negado";
  EXPECT_EQ(inss.GetDeducao(1).GetValorDeducao().int64, 50'000);
  EXPECT_EQ(s.GetValorLiquido().int64, 100'000'000 - 22'150'000);
}

TEST_F(CImportaNotaTest, IRRFSoParaPessoaJuridica) {
  constexpr struct {
    char cPessoa;
    int nValor, nAliquota;
    bool bTemIRRF;
  } kCasos[] = {{'J', 0, 150, true}, {'J', 0, 0, false}, {'F', 15000, 150, false}};
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << c.cPessoa << " valor " << c.nValor << " alíquota " << c.nAliquota);
    m_empresa.Executa(
        "UPDATE cfrt SET cTipoPessoa = '" + std::string(1, c.cPessoa) +
        "' WHERE lPonteiroConta = 2004; UPDATE nf_item_servico SET cyValorRetencao1 = " + std::to_string(c.nValor) +
        ", iAliquotaRetencao1 = " + std::to_string(c.nAliquota) + " WHERE lPosicaoNota = 18432;");
    const T_Lista<TCMREImposto> impostos = Importa({18432}).GetServico(0).GetListaImposto();
    EXPECT_EQ(CTrataDadosRE::GetImpostoIndice(impostos, CM_IMPOSTO_IRRF) >= 0, c.bTemIRRF);
  }
}

TEST_F(CImportaNotaTest, ServicoJuntadoTrocaAsRetencoes) {
  const long b = PosicaoTeste(70);
  m_empresa.Executa("UPDATE nf_item_servico SET lPonteiroServico = 40 WHERE lPosicaoNota = 18432;" +
                    NotaTeste(b, "iPonteiroSitServico, iQtdItensServico", "5, 1") +
                    "INSERT INTO nf_item_servico (lPosicaoNota, nItem, cyQuantidade, llValorUnitarioV8, "
                    "cyValorTotal, cyValorLiquido, cyValorRetencao5, iAliquotaRetencao5, iRetemFederais, "
                    "lPonteiroServico, iUnidadeMedida, iPonteiroSitServico, szComplemento) VALUES (" +
                    std::to_string(b) +
                    ", 0, 10000, 25000000000, 2500000, 2500000, 125000, 500, 1, 40, 5, 5, "
                    "'Consultoria tributária - agosto');");
  const TCMRERegistroEntrada r = Importa({18432, b});
  ASSERT_EQ(r.GetQuantidadeServico(), 1);
  const TCMREItemServico s = r.GetServico(0);
  EXPECT_EQ(s.GetQuantidade().int64, 410'000);
  const TCMREImposto iss = CTrataDadosRE::GetImposto(s.GetListaImposto(), CM_IMPOSTO_ISS);
  EXPECT_EQ(iss.GetValor().int64, 125'000) << "o valor da última nota substitui";
  EXPECT_EQ(iss.GetAliquota().int64, 50'000);
  EXPECT_EQ(s.GetQuantidadeRateio(), 1) << "a segunda nota não tem linhas e o item já tem a sua";
}

TEST_F(CImportaNotaTest, EstoqueComLoteArmaEVolume) {
  const TCMRERegistroEntrada r = Importa({6144, 10240});
  const TCMREEntradaEstoque lote = r.GetProduto(0).GetEntradaEstoque(0);
  EXPECT_EQ(lote.GetLoteESNumero(), CString("L2018-0815")) << "o lote do item, pelo cadastro";
  EXPECT_EQ(lote.GetLoteESDataValidade(), QZDMA(15, 8, 2020));
  EXPECT_EQ(lote.GetLoteTipoReferencia(), 1);
  EXPECT_EQ(lote.GetLotePrecoTabelado().int64, 4'500);
  EXPECT_EQ(lote.GetLoteESVolume(), CString()) << "produto com lote não lê o volume do detalhe";
  const TCMREEntradaEstoque palete = r.GetProduto(1).GetEntradaEstoque(1);
  EXPECT_EQ(palete.GetLoteESVolume(), CString("PALETE 7"));
  EXPECT_EQ(palete.GetPonteiroMovimentoOrigemEstoque(), 0u) << "sem lote de estoque não busca movimento";
  const TCMREItemProduto pistola = r.GetProduto(2);
  ASSERT_EQ(pistola.GetQuantidadeEntradaEstoque(), 1);
  const TCMREEntradaEstoque arma = pistola.GetEntradaEstoque(0);
  EXPECT_EQ(arma.GetArmaFogo_Tipo(), 1) << "a arma do item, pelo cadastro que a controla";
  EXPECT_EQ(arma.GetArmaFogo_Serie(), CString("KGB-338812"));
  EXPECT_EQ(arma.GetArmaFogo_Cano(), CString("CN-99812"));
  EXPECT_EQ(arma.GetArmaFogo_Descricao(), CString("Pistola .380 com dois carregadores"));
  EXPECT_EQ(arma.GetQuantidade().int64, 10'000);
  EXPECT_EQ(arma.GetLoteESNumero(), CString()) << "com a arma, nem o lote do detalhe";
  EXPECT_EQ(arma.GetLoteESVolume(), CString()) << "nem o volume do detalhe";
  EXPECT_EQ(r.GetProduto(0).GetEntradaEstoque(0).GetArmaFogo_Serie(), CString()) << "produto sem arma";

  m_tratador.SetUsaLoteES(1);
  m_empresa.Executa(
      "UPDATE nf_detalhe_estoque SET regLote_lPonteiroLoteES = 502, regVolume_lPonteiroVolumeES = 601 "
      "WHERE lPosicaoNota = 6144 AND nItem = 1 AND nDetalhe = 0;");
  const TCMRERegistroEntrada comLote = Importa({6144});
  const TCMREEntradaEstoque lida = comLote.GetProduto(1).GetEntradaEstoque(0);
  EXPECT_EQ(lida.GetLoteESNumero(), CString("RX-7781")) << "o lote lido do estoque";
  EXPECT_EQ(lida.GetLoteESVolume(), CString("CX-01/03"));
  const struct {
    int nItem, nDetalhe;
    ULONG lSequencia;
  } kMovimentos[] = {{0, 0, 9001}, {1, 0, 9002}, {1, 1, 9003}};
  for (const auto& m : kMovimentos)
    EXPECT_EQ(comLote.GetProduto(m.nItem).GetEntradaEstoque(m.nDetalhe).GetPonteiroMovimentoOrigemEstoque(),
              (m.lSequencia << 12) | 2048u)
        << "item " << m.nItem << " detalhe " << m.nDetalhe;
}

TEST_F(CImportaNotaTest, LoteEVolumeDoEstoqueLidosCadaUmPorSi) {
  // Produto 11, sem controle de lote nem de arma: com o lote de estoque ligado, o lote
  // e o volume que cada detalhe aponta vêm do estoque; o que não foi lido, do detalhe.
  const long a = PosicaoTeste(95);
  const std::string s = std::to_string(a);
  m_empresa.Executa(
      NotaTeste(a, "iQtdItensProduto", "1") +
      ItemTeste(a, 0, 11, "", 40'000, 100'000'000, 40'000, "iQtdDetalhes", "4") +
      "INSERT INTO nf_detalhe_estoque (lPosicaoNota, nItem, nDetalhe, regLote_lPonteiroLoteES, "
      "regLote_szNumeroLote, regVolume_lPonteiroVolumeES, regVolume_szVolume, cyQuantidade, iLocal) "
      "VALUES (" +
      s + ", 0, 0, 502, 'DET-0', 601, 'VOL-0', 10000, 1), (" + s + ", 0, 1, 0, 'DET-1', 601, 'VOL-1', 10000, 1), (" +
      s + ", 0, 2, 502, 'DET-2', 0, 'VOL-2', 10000, 1), (" + s + ", 0, 3, 0, 'DET-3', 0, 'VOL-3', 10000, 1);");
  constexpr struct {
    BYTE byLoteES;
    const char* aLote[4];
    const char* aVolume[4];
  } kCasos[] = {
      {1, {"RX-7781", "DET-1", "RX-7781", "DET-3"}, {"CX-01/03", "CX-01/03", "VOL-2", "VOL-3"}},
      {0, {"DET-0", "DET-1", "DET-2", "DET-3"}, {"VOL-0", "VOL-1", "VOL-2", "VOL-3"}},
  };
  for (const auto& c : kCasos) {
    m_tratador.SetUsaLoteES(c.byLoteES);
    const TCMREItemProduto item = Importa({a}).GetProduto(0);
    ASSERT_EQ(item.GetQuantidadeEntradaEstoque(), 4);
    for (int d = 0; d < 4; ++d) {
      SCOPED_TRACE(testing::Message() << "lote de estoque " << int{c.byLoteES} << ", detalhe " << d);
      EXPECT_EQ(item.GetEntradaEstoque(d).GetLoteESNumero(), CString(c.aLote[d]));
      EXPECT_EQ(item.GetEntradaEstoque(d).GetLoteESVolume(), CString(c.aVolume[d]));
    }
  }
}

TEST_F(CImportaNotaTest, MuitosItensSeJuntamPelaChaveDeProdutoEComplemento) {
  // Três notas de 150 itens do produto 10: a segunda repete os complementos da
  // primeira, a terceira tem outros; a busca pela chave passa por várias dobras do
  // índice.
  std::string strSql;
  const char* aComplemento[] = {"'c' || j", "'c' || j", "'x' || j"};
  for (int k = 0; k < 3; ++k) {
    const std::string s = std::to_string(PosicaoTeste(200 + k));
    strSql += NotaTeste(PosicaoTeste(200 + k), "iQtdItensProduto", "150") +
              "WITH RECURSIVE i(j) AS (SELECT 0 UNION ALL SELECT j + 1 FROM i WHERE j < 149) "
              "INSERT INTO nf_item_produto (lPosicaoNota, nItem, lPosicaoProduto, szComplemento, cyQuantidade, "
              "llValorUnitarioV8, cyValorTotal, iPonteiroUnidadeMedida, iPonteiroCFOP) SELECT " +
              s + ", j, 10, " + aComplemento[k] + ", 10000 * (j + 1), 100000000, 10000 * (j + 1), 1, 1 FROM i;";
  }
  m_empresa.Executa(strSql);
  const TCMRERegistroEntrada r = Importa({PosicaoTeste(200), PosicaoTeste(201), PosicaoTeste(202)});
  ASSERT_EQ(r.GetQuantidadeProduto(), 300);
  for (int j : {0, 63, 64, 149}) {
    SCOPED_TRACE(testing::Message() << "item " << j);
    EXPECT_EQ(r.GetProduto(j).GetComplementoProduto(), CString(("c" + std::to_string(j)).c_str()));
    EXPECT_EQ(r.GetProduto(j).GetQuantidade().int64, 2 * 10'000 * (j + 1)) << "as duas notas somadas";
    EXPECT_EQ(r.GetProduto(150 + j).GetComplementoProduto(), CString(("x" + std::to_string(j)).c_str()));
    EXPECT_EQ(r.GetProduto(150 + j).GetQuantidade().int64, 10'000 * (j + 1));
  }
}

TEST_F(CImportaNotaTest, DevolucaoAchaOMovimentoDaNotaDeOrigem) {
  const TCMRERegistroEntrada r = Importa({22528});
  EXPECT_EQ(r.GetIndicadorTipoNF(), 2);
  ASSERT_EQ(r.GetQuantidadeReferidas(), 3) << "a da nota e a do item diferem na chave de acesso";
  EXPECT_EQ(r.GetReferidas(2).GetNumeroNotaFiscalOrigem(), CString("20877")) << "item pulado";
  ASSERT_EQ(r.GetQuantidadeProduto(), 1) << "o item pulado não entra";
  EXPECT_EQ(r.GetProduto(0).GetEntradaEstoque(0).GetPonteiroMovimentoOrigemEstoque(), (9001u << 12) | 2048u);
  m_empresa.Executa(
      "UPDATE nf_item_produto SET regNFOrigem_cyTotal = 14380000, regNFOrigem_lChaveNFCM = 6144, "
      "regNFOrigem_szNumero = '1001', regNFOrigem_szSerie = '1', regNFOrigem_dmaEmissao = "
      "'2018-08-13' WHERE lPosicaoNota = 22528;");
  EXPECT_EQ(Importa({22528}).GetQuantidadeReferidas(), 2) << "dois itens da mesma origem a acrescentam uma vez";
  EXPECT_EQ(Importa({26624}).GetQuantidadeReferidas(), 0) << "origem sem número";
  EXPECT_EQ(Importa({26624}).GetPonteiroCFOPPrincipal(), 0) << "natureza sem a marca de presença";
}

TEST_F(CImportaNotaTest, DevolucaoComDoisCandidatosUsaOCodigoPadrao) {
  // A nota de origem tem o produto 10 no item 0 com um ou dois detalhes; a devolução
  // o devolve no seu item 1, cujo código padrão é (1 << 12) | 2.
  const long origem = PosicaoTeste(80), devolucao = PosicaoTeste(81);
  const CQZQuemGerou quem(static_cast<ULONG>(origem), 5);
  const std::string strQuem = std::to_string(static_cast<long long>(quem.GetRegQuemGerou().Valor()));
  m_empresa.Executa(NotaTeste(origem, "iQtdItensProduto", "1") +
                    ItemTeste(origem, 0, 10, "", 10'000, 40'000'000, 400, "iQtdDetalhes", "2") +
                    "INSERT INTO nf_detalhe_estoque (lPosicaoNota, nItem, nDetalhe, cyQuantidade, iLocal) VALUES (" +
                    std::to_string(origem) + ", 0, 0, 5000, 1), (" + std::to_string(origem) + ", 0, 1, 5000, 1);" +
                    NotaTeste(devolucao, "iQtdItensProduto, byTipoNota", "2, 15") +
                    "UPDATE nota_fiscal SET iPonteiroCFOP = 1 WHERE lPosicao = " + std::to_string(devolucao) + ";" +
                    ItemTeste(devolucao, 0, 11, "", 10'000, 100'000'000, 10'000) +
                    ItemTeste(devolucao, 1, 10, "", 10'000, 40'000'000, 400,
                              "iQtdDetalhes, regNFOrigem_lChaveNFCM, regNFOrigem_byTipoOrigem, regNFOrigem_szNumero",
                              "1, " + std::to_string(origem) + ", 5, '77'") +
                    "UPDATE nf_item_produto SET iPonteiroCFOP = 4 WHERE lPosicaoNota = " + std::to_string(devolucao) +
                    ";" +
                    "INSERT INTO nf_detalhe_estoque (lPosicaoNota, nItem, nDetalhe, cyQuantidade, iLocal) VALUES (" +
                    std::to_string(devolucao) + ", 1, 0, 10000, 1);" +
                    "INSERT INTO movimento_estoque VALUES (9101, 10, 5000, 2048, " + strQuem +
                    ", 4097, NULL), "
                    "(9102, 10, 5000, 2048, " +
                    strQuem + ", 4098, NULL);");
  constexpr struct {
    int nDetalhesNaOrigem;
    ULONG lSequencia;
  } kCasos[] = {{2, 9102}, {1, 9101}};
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << c.nDetalhesNaOrigem << " detalhe(s) na origem");
    m_empresa.Executa("DELETE FROM nf_detalhe_estoque WHERE lPosicaoNota = " + std::to_string(origem) +
                      " AND nDetalhe >= " + std::to_string(c.nDetalhesNaOrigem) +
                      "; UPDATE nf_item_produto SET iQtdDetalhes = " + std::to_string(c.nDetalhesNaOrigem) +
                      " WHERE lPosicaoNota = " + std::to_string(origem) + ";");
    const TCMRERegistroEntrada r = Importa({devolucao});
    ASSERT_EQ(r.GetQuantidadeProduto(), 2);
    EXPECT_EQ(r.GetProduto(1).GetEntradaEstoque(0).GetPonteiroMovimentoOrigemEstoque(), (c.lSequencia << 12) | 2048u);
  }
}

}  // namespace
