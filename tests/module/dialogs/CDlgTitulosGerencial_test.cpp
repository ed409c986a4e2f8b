// As linhas do diálogo dos títulos com contas gerenciais: o composto feito para outro
// valor guardado refeito para o valor da linha (ao centavo), o rateio gerencial pedido
// no edit de classificação (F7) com o item "NF:", a classificação trocada por uma sem
// relação que esquece o composto, e a configuração das grades lembrada na abertura
// seguinte.
#include "titulos_teste.h"

namespace {

constexpr char kRateioGerencial[] = "Rateio Gerencial";
constexpr int IDC_ROTULO_ITEM_GERENCIAL = 1001;
constexpr int IDC_TEXTO_ITEM_GERENCIAL = 1002;

TQZGerencial Gerencial(long lConta, LONGLONG llValor) {
  TQZGerencial g;
  g.SetPonteiroPlanoEmpresarial(5001);
  g.SetPonteiroPlanoGerencial(lConta);
  g.SetValor(CyDeBruto(llValor));
  return g;
}

// Um título de 150,00 numa linha de material de consumo (produção e administrativo).
TCMTituloImposto TituloComGerenciais(LONGLONG llProducao, LONGLONG llAdministrativo) {
  TCMTituloImposto t = TituloCompleto();
  TCMRateioTitulo linha = LinhaTitulo(1, 5001, 150'0000);
  if (llProducao || llAdministrativo) {
    linha.AdicionaGerencial(Gerencial(6001, llProducao));
    linha.AdicionaGerencial(Gerencial(6002, llAdministrativo));
  }
  t.SetRateio(0, linha);
  return t;
}

std::vector<LONGLONG> Valores(const TCMRateioTitulo& linha) {
  std::vector<LONGLONG> v;
  for (int i = 0; i < linha.GetQuantidadeGerencial(); ++i) v.push_back(linha.GetGerencial(i).GetValor().int64);
  return v;
}

class CDlgTitulosGerencialTest : public CTitulosTeste {
 protected:
  // Abre, escolhe o primeiro título e a sua primeira linha e dá à pessoa o roteiro.
  CRoteiro& NaPrimeiraLinha() {
    return EscolheLinha(EscolheLinha(AoAbrir(), D::IDC_GRADE_TITULOS, 1), D::IDC_GRADE_RATEIO, 1);
  }
};

}  // namespace

TEST_F(CDlgTitulosGerencialTest, CompostoDeOutroValorGuardadoRefeitoParaALinha) {
  struct TCaso {
    LONGLONG llProducao, llAdministrativo;
    const char* szValor;
    std::vector<LONGLONG> esperado;
  } const kCasos[] = {
      {90'0000, 60'0000, "100", {60'0000, 40'0000}},
      {100'0000, 50'0000, "100", {66'6700, 33'3300}},
      {75'0000, 75'0000, "100,01", {50'0000, 50'0100}},  // 50,005 duas vezes: a sobra sai da primeira maior
      {90'0000, 60'0000, "150", {90'0000, 60'0000}},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szValor);
    Titulos({TituloComGerenciais(c.llProducao, c.llAdministrativo)});
    TCMRateioTitulo guardada;
    TTelaTitulos tela;
    Preenche(NaPrimeiraLinha(), D::IDC_VALOR_RATEIO, c.szValor)
        .Clica(D::IDC_ALTERAR)
        .Confere([&](HWND h) {
          tela = LeTela(h);
          guardada = m_titulos.GetTitulo(0).GetRateio(0);
        })
        .Tecla(VK_ESCAPE);
    ASSERT_EQ(m_titulos.DoModal(), IDCANCEL);
    EXPECT_TRUE(m_caixas.Textos().empty());
    EXPECT_EQ(Valores(guardada), c.esperado);
    EXPECT_EQ(guardada.GetValor().int64, c.esperado[0] + c.esperado[1]);
    EXPECT_EQ(tela.linhas.size(), 1u);
    EXPECT_EQ(tela.nLinha, -1) << "depois de alterar nenhuma linha fica escolhida";
    EXPECT_EQ(Valores(m_titulos.GetTitulo(0).GetRateio(0)), (std::vector<LONGLONG>{c.llProducao, c.llAdministrativo}))
        << "o cancelar desfaz";
  }
}

TEST_F(CDlgTitulosGerencialTest, F7NaClassificacaoAbreORateioGerencialDaLinha) {
  Titulos({TituloComGerenciais(0, 0)});  // material de consumo sem as gerenciais: falta dado
  m_titulos.SetNumeroNF("3310");
  std::string strRotulo, strNF;
  m_usuario.QuandoAbrir(kRateioGerencial)
      .Confere([&](HWND h) {
        strRotulo = TextoDe(h, IDC_ROTULO_ITEM_GERENCIAL);
        strNF = TextoDe(h, IDC_TEXTO_ITEM_GERENCIAL);
      })
      .Clica(IDOK);
  NaPrimeiraLinha()
      .Clica(D::IDC_CLASSIFICACAO)
      .Tecla(VK_F7)
      .Clica(D::IDC_ALTERAR)
      .Clica(D::IDC_ALTERAR_TITULO)
      .Clica(IDOK);
  ASSERT_EQ(m_titulos.DoModal(), IDOK) << (m_caixas.Textos().empty() ? "" : m_caixas.Textos().front());
  EXPECT_EQ(m_usuario.Abertos().at(1), kRateioGerencial);
  EXPECT_EQ(strRotulo, "NF:");
  EXPECT_EQ(strNF, "3310");
  EXPECT_EQ(Valores(m_titulos.GetTitulo(0).GetRateio(0)), (std::vector<LONGLONG>{90'0000, 60'0000}))
      << "a sugestão das relações, aceita com OK";
}

TEST_F(CDlgTitulosGerencialTest, ClassificacaoSemRelacaoEsqueceOComposto) {
  struct TCaso {
    const char* szClassificacao;
    std::vector<LONGLONG> esperado;
    std::vector<std::string> mensagens;
  } const kCasos[] = {
      {"2.1.07.001", {}, {}},
      {"3.1.01.001", {90'0000, 60'0000}, {}},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szClassificacao);
    Titulos({TituloComGerenciais(90'0000, 60'0000)});
    TCMRateioTitulo guardada;
    Preenche(NaPrimeiraLinha(), D::IDC_CLASSIFICACAO, c.szClassificacao)
        .Tecla(VK_TAB)
        .Clica(D::IDC_ALTERAR)
        .Confere([&](HWND) { guardada = m_titulos.GetTitulo(0).GetRateio(0); })
        .Tecla(VK_ESCAPE);
    ASSERT_EQ(m_titulos.DoModal(), IDCANCEL);
    EXPECT_EQ(Valores(guardada), c.esperado);
    EXPECT_EQ(m_caixas.Textos(), c.mensagens);
  }
}

TEST_F(CDlgTitulosGerencialTest, ConfiguracaoDasGradesVoltaNaAberturaSeguinte) {
  Titulos({TituloCompleto(1), TituloCompleto(2)});
  AoAbrir()
      .Confere([](HWND h) {
        CQZBrowserWnd* pTitulos = GradeDe(h, D::IDC_GRADE_TITULOS);
        pTitulos->GetQZGrid()->OrdenaColuna(7, false);
        pTitulos->ToggleColunaVisivel(7);
        pTitulos->GetQZGrid()->ToggleColunaVisivel(3);
        GradeDe(h, D::IDC_GRADE_RATEIO)->ToggleColunaVisivel(0);
      })
      .Tecla(VK_ESCAPE);
  ASSERT_EQ(m_titulos.DoModal(), IDCANCEL);
  struct {
    ROWCOL nOrdenada = 0;
    bool bAscendente = true;
    std::vector<bool> visiveisTitulos, visiveisLinhas;
    std::string strIdTitulos, strIdLinhas;
  } visto;
  AoAbrir()
      .Confere([&](HWND h) {
        CQZBrowserWnd* pTitulos = GradeDe(h, D::IDC_GRADE_TITULOS);
        CQZBrowserWnd* pLinhas = GradeDe(h, D::IDC_GRADE_RATEIO);
        visto.nOrdenada = pTitulos->GetQZGrid()->GetColunaOrdenada();
        visto.bAscendente = pTitulos->GetQZGrid()->GetOrdemAscendente();
        for (int i = 0; i < 8; ++i) visto.visiveisTitulos.push_back(pTitulos->GetQZGrid()->GetColunaVisivel(i));
        for (int i = 0; i < 3; ++i) visto.visiveisLinhas.push_back(pLinhas->GetQZGrid()->GetColunaVisivel(i));
        visto.strIdTitulos = pTitulos->GetIdentificador().GetString();
        visto.strIdLinhas = pLinhas->GetIdentificador().GetString();
      })
      .Tecla(VK_ESCAPE);
  ASSERT_EQ(m_titulos.DoModal(), IDCANCEL);
  EXPECT_EQ(visto.strIdTitulos, "DlgTitulosGridLancamentos");
  EXPECT_EQ(visto.strIdLinhas, "DlgTitulosGrid");
  EXPECT_EQ(visto.nOrdenada, 7u);
  EXPECT_FALSE(visto.bAscendente);
  EXPECT_EQ(visto.visiveisTitulos, (std::vector<bool>{true, true, true, false, true, true, true, false}));
  EXPECT_EQ(visto.visiveisLinhas, (std::vector<bool>{false, true, true}));
}
