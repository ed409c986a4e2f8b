// O diálogo dos títulos das retenções agido por uma pessoa: a abertura no primeiro
// título que falta dado (em vermelho), o OK recusado com a mensagem, o foco que cada
// tipo de consistência manda ao guardar o título, a consulta só para ver, a remoção
// da única linha e o código de receita de até 4 caracteres.
#include <functional>

#include "titulos_teste.h"

namespace {

class CDlgTitulosImplTest : public CTitulosTeste {};

TCMTituloImposto SemCedente(int nParcela) {
  TCMTituloImposto t = TituloCompleto(nParcela);
  t.SetCedente(0);
  return t;
}

const std::vector<int> kTudoDoTitulo = {D::IDC_CODIGO_RECEITA, D::IDC_CEDENTE,        D::IDC_HISTORICO,
                                        D::IDC_COMPLEMENTO,    D::IDC_TIPO_DOCUMENTO, D::IDC_VENCIMENTO,
                                        D::IDC_FILIAL,         D::IDC_CLASSIFICACAO,  D::IDC_VALOR_RATEIO,
                                        D::IDC_ADICIONAR,      D::IDC_ALTERAR_TITULO, D::IDC_GRADE_RATEIO};

}  // namespace

TEST_F(CDlgTitulosImplTest, AbreNoPrimeiroTituloQueFaltaDado) {
  struct TCaso {
    const char* szCaso;
    std::vector<TCMTituloImposto> titulos;
    long nTitulo;
    int nFoco;
    std::vector<int> habilitados;
    std::vector<bool> vermelhos;
  } const kCasos[] = {
      {"o segundo falta o cedente",
       {TituloCompleto(1), SemCedente(2), SemCedente(3)},
       1,
       D::IDC_CODIGO_RECEITA,
       kTudoDoTitulo,
       {false, true, true}},
      {"todos completos", {TituloCompleto(1), TituloCompleto(2)}, -1, D::IDC_GRADE_TITULOS, {}, {false, false}},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    Titulos(c.titulos);
    TTelaTitulos tela;
    AoAbrir().Confere([&](HWND h) { tela = LeTela(h); }).Tecla(VK_ESCAPE);
    EXPECT_EQ(m_titulos.DoModal(), IDCANCEL);
    EXPECT_EQ(tela.nTitulo, c.nTitulo);
    EXPECT_EQ(tela.nFoco, c.nFoco);
    EXPECT_EQ(tela.habilitados, c.habilitados);
    EXPECT_EQ(tela.vermelhos, c.vermelhos);
    ASSERT_EQ(tela.titulos.size(), c.titulos.size());
    EXPECT_EQ(tela.titulos[0],
              "IRRF|Matriz São Paulo|10/09/2018|3310/1|Receita Federal do Brasil|"
              "Retenção federal (DARF)|150,00|Compra de mercadorias conforme nota");
  }
}

TEST_F(CDlgTitulosImplTest, OkRecusadoNoTituloQueFaltaDado) {
  Titulos({TituloCompleto(1), SemCedente(2)});
  TTelaTitulos tela;
  AoAbrir()
      .Clica(D::IDC_GRADE_TITULOS)
      .Tecla(VK_HOME)
      .Clica(IDOK)
      .Confere([&](HWND h) { tela = LeTela(h); })
      .Tecla(VK_ESCAPE);
  EXPECT_EQ(m_titulos.DoModal(), IDCANCEL);
  EXPECT_EQ(m_caixas.Textos(), std::vector<std::string>{"Informe o cedente do título de IRRF da parcela 2."});
  EXPECT_EQ(tela.nTitulo, 1) << "o OK volta ao título que falta dado";
  EXPECT_EQ(tela.nFoco, D::IDC_CEDENTE);
}

// Cada tipo de consistência, de um dado real do título, manda o foco a um campo ao
// guardar o título; os tipos sem mensagem recusam calados.
TEST_F(CDlgTitulosImplTest, GuardarOTituloFocaOCampoDoTipo) {
  struct TCaso {
    const char* szCaso;
    std::function<void(TCMTituloImposto&)> estraga;
    int nFoco;  // 0: fica no botão
    long nLinha;
    const char* szMensagem;
  } const kCasos[] = {
      {"sem código de receita", [](TCMTituloImposto& t) { t.SetCodigoReceita(0); }, D::IDC_CODIGO_RECEITA, -1,
       "Informe o código de receita do título de IRRF da parcela 1."},
      {"código não cadastrado", [](TCMTituloImposto& t) { t.SetCodigoReceita(999); }, D::IDC_CODIGO_RECEITA, -1,
       "O código de receita 0999 não está cadastrado."},
      {"sem cedente", [](TCMTituloImposto& t) { t.SetCedente(0); }, D::IDC_CEDENTE, -1,
       "Informe o cedente do título de IRRF da parcela 1."},
      {"cedente sintético", [](TCMTituloImposto& t) { t.SetCedente(2100); }, D::IDC_CEDENTE, -1,
       "O cedente 2.1.01 não é uma conta analítica de fornecedor."},
      // O edit só mostra as credoras de títulos: o caixa volta como cedente faltando.
      {"cedente que é o caixa", [](TCMTituloImposto& t) { t.SetCedente(1101); }, D::IDC_CEDENTE, -1,
       "Informe o cedente do título de IRRF da parcela 1."},
      {"sem tipo de documento", [](TCMTituloImposto& t) { t.SetPonteiroTipoDocumento(0); }, D::IDC_TIPO_DOCUMENTO, -1,
       "Informe o tipo de documento do título de IRRF da parcela 1."},
      // O edit só mostra os tipos usados na entrada: o recibo volta como tipo faltando.
      {"recibo", [](TCMTituloImposto& t) { t.SetPonteiroTipoDocumento(3); }, D::IDC_TIPO_DOCUMENTO, -1,
       "Informe o tipo de documento do título de IRRF da parcela 1."},
      {"vencimento antes da entrada", [](TCMTituloImposto& t) { t.SetRegDataVencimento(QZDMA(24, 8, 2018)); },
       D::IDC_VENCIMENTO, -1, "O vencimento 24/08/2018 é anterior à entrada, 25/08/2018."},
      {"sem linhas", [](TCMTituloImposto& t) { t.SetListaRateio(T_Lista<TCMRateioTitulo>()); }, D::IDC_VALOR_RATEIO, -1,
       "Classifique o valor do título de IRRF da parcela 1."},
      {"filial encerrada na segunda linha",
       [](TCMTituloImposto& t) {
         t.SetRateio(0, LinhaTitulo(1, 2251, 100'0000));
         t.AdicionaRateio(LinhaTitulo(4, 2251, 50'0000));
       },
       D::IDC_FILIAL, -1, "A filial da linha 2 não é uma filial ativa."},
      {"segunda linha sem valor", [](TCMTituloImposto& t) { t.AdicionaRateio(LinhaTitulo(1, 2251, 0)); },
       D::IDC_VALOR_RATEIO, 1, "Informe o valor da linha 2."},
      {"classificação sintética", [](TCMTituloImposto& t) { t.SetRateio(0, LinhaTitulo(1, 2250, 150'0000)); },
       D::IDC_CLASSIFICACAO, 0, "A classificação 2.1.07 não é uma conta analítica do plano de contas."},
      {"linhas que não somam o título", [](TCMTituloImposto& t) { t.SetRateio(0, LinhaTitulo(1, 2251, 100'0000)); },
       D::IDC_VALOR_RATEIO, -1, "As classificações somam 100,00 e o título vale 150,00."},
      {"sem valor", [](TCMTituloImposto& t) { t.SetValor(g_cyZero); }, D::IDC_ALTERAR_TITULO, -1, nullptr},
      {"imposto desconhecido", [](TCMTituloImposto& t) { t.SetTipoImposto(9); }, D::IDC_ALTERAR_TITULO, -1, nullptr},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    TCMTituloImposto titulo = TituloCompleto();
    c.estraga(titulo);
    Titulos({titulo});
    TTelaTitulos tela;
    const std::size_t nAntes = m_caixas.Caixas().size();
    AoAbrir().Clica(D::IDC_ALTERAR_TITULO).Confere([&](HWND h) { tela = LeTela(h); }).Tecla(VK_ESCAPE);
    EXPECT_EQ(m_titulos.DoModal(), IDCANCEL);
    std::vector<std::string> mensagens = m_caixas.Textos();
    mensagens.erase(mensagens.begin(), mensagens.begin() + static_cast<long>(nAntes));
    EXPECT_EQ(mensagens, c.szMensagem ? std::vector<std::string>{c.szMensagem} : std::vector<std::string>{});
    EXPECT_EQ(tela.nFoco, c.nFoco);
    EXPECT_EQ(tela.nLinha, c.nLinha);
    EXPECT_EQ(tela.nTitulo, 0) << "o título recusado continua carregado";
  }
}

TEST_F(CDlgTitulosImplTest, SoConsultaMostraTudoSemDeixarMudar) {
  TCMTituloImposto segundo = TituloCompleto(2);
  segundo.AdicionaRateio(LinhaTitulo(1, 2252, 0));
  Titulos({TituloCompleto(1), segundo});
  m_titulos.SetSomenteConsulta(true);
  TTelaTitulos titulo, linha;
  CRoteiro& r = AoAbrir();
  EscolheLinha(r, D::IDC_GRADE_TITULOS, 2).Confere([&](HWND h) { titulo = LeTela(h); });
  EscolheLinha(r, D::IDC_GRADE_RATEIO, 2).Confere([&](HWND h) { linha = LeTela(h); }).Tecla(VK_ESCAPE);
  EXPECT_EQ(m_titulos.DoModal(), IDCANCEL);
  EXPECT_EQ(titulo.nTitulo, 1);
  EXPECT_EQ(titulo.strCodigo, "1708");
  EXPECT_EQ(titulo.strComplemento, "Compra de mercadorias conforme nota");
  EXPECT_EQ(titulo.habilitados, std::vector<int>{D::IDC_GRADE_RATEIO}) << "só a grade das linhas, para ver";
  EXPECT_EQ(titulo.linhas, (std::vector<std::string>{"Matriz São Paulo|IRRF retido a recolher|150,00",
                                                     "Matriz São Paulo|PIS, COFINS e CSLL retidos a recolher|0,00"}));
  EXPECT_EQ(linha.nLinha, 1);
  EXPECT_EQ(linha.strValorRateio, "0,00");
  EXPECT_EQ(linha.habilitados, std::vector<int>{D::IDC_GRADE_RATEIO});
}

TEST_F(CDlgTitulosImplTest, RemoverAUnicaLinhaDeixaAGradeVaziaEFocaAClassificacao) {
  TCMTituloImposto titulo = TituloCompleto();
  titulo.SetCedente(0);
  Titulos({titulo});
  TTelaTitulos antes, depois;
  CRoteiro& r = AoAbrir();
  EscolheLinha(r, D::IDC_GRADE_RATEIO, 1).Confere([&](HWND h) { antes = LeTela(h); });
  r.Clica(D::IDC_REMOVER).Confere([&](HWND h) { depois = LeTela(h); }).Tecla(VK_ESCAPE);
  EXPECT_EQ(m_titulos.DoModal(), IDCANCEL);
  EXPECT_EQ(antes.linhas.size(), 1u);
  EXPECT_EQ(antes.strValorRateio, "150,00");
  EXPECT_TRUE(depois.linhas.empty());
  EXPECT_EQ(depois.nFoco, D::IDC_CLASSIFICACAO);
  EXPECT_EQ(depois.strValorRateio, "0,00");
  EXPECT_EQ(m_titulos.GetTitulo(0).GetQuantidadeRateio(), 1) << "o cancelar desfaz a remoção";
}

TEST_F(CDlgTitulosImplTest, CodigoDeReceitaZeroVazioEDeQuatroCaracteres) {
  TCMTituloImposto titulo = TituloCompleto();
  titulo.SetCodigoReceita(0);
  Titulos({titulo});
  TTelaTitulos aberto, digitado;
  CRoteiro& r = AoAbrir().Confere([&](HWND h) { aberto = LeTela(h); });
  Preenche(r, D::IDC_CODIGO_RECEITA, "170899").Confere([&](HWND h) { digitado = LeTela(h); });
  r.Clica(D::IDC_ALTERAR_TITULO).Clica(IDOK);
  EXPECT_EQ(m_titulos.DoModal(), IDOK);
  EXPECT_EQ(aberto.strCodigo, "");
  EXPECT_EQ(digitado.strCodigo, "1708");
  EXPECT_EQ(m_titulos.GetTitulo(0).GetCodigoReceita(), 1708);
  EXPECT_TRUE(m_caixas.Textos().empty());
}

// A leitura de uma célula que falha fica no log com o lugar e a expressão; só a falha
// negativa chega à pessoa, e a célula fica vazia.
TEST_F(CDlgTitulosImplTest, LeituraDeCelulaQueFalhaVaiAoLog) {
  struct TCaso {
    HRESULT hr;
    std::size_t nCaixas;
  } const kCasos[] = {{E_FAIL, 1}, {S_FALSE, 0}};
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(testing::Message() << "hr=" << c.hr);
    Titulos({TituloCompleto(1)});
    const std::size_t nCaixasAntes = m_caixas.Caixas().size();
    const std::size_t nErrosAntes = m_instalacao.LinhasDeErro().size();
    std::vector<std::string> linhas;
    AoAbrir()
        .Confere([&](HWND h) {
          GradeDe(h, D::IDC_GRADE_TITULOS)->Redraw();
          vrmsuite::ProgramaFalhaLeitura("LeDFHistorico", c.hr, 1);
          linhas = LinhasDaGrade(GradeDe(h, D::IDC_GRADE_TITULOS));
          vrmsuite::LimpaFalhasLeitura();
        })
        .Tecla(VK_ESCAPE);
    EXPECT_EQ(m_titulos.DoModal(), IDCANCEL);
    EXPECT_EQ(linhas, std::vector<std::string>{"IRRF|Matriz São Paulo|10/09/2018|3310/1|Receita Federal do Brasil|"
                                               "Retenção federal (DARF)|150,00|"});
    const std::vector<std::string> erros = m_instalacao.LinhasDeErro();
    ASSERT_EQ(erros.size(), nErrosAntes + 1);
    EXPECT_NE(erros.back().find("CDlgTitulosGridLancamentos::OnLoadCellStyle"), std::string::npos) << erros.back();
    EXPECT_NE(erros.back().find("LeDFHistorico(m_pBase->m_ppIHistorico"), std::string::npos) << erros.back();
    EXPECT_EQ(m_caixas.Caixas().size() - nCaixasAntes, c.nCaixas);
  }
}

TEST_F(CDlgTitulosImplTest, SairDoHistoricoAcertaOComplemento) {
  struct TCaso {
    const char* szCaso;
    std::function<void(CRoteiro&)> age;
    const char* szComplemento;
    unsigned short iHistorico;
  } const kCasos[] = {
      {"outro histórico", [](CRoteiro& r) { Preenche(r, D::IDC_HISTORICO, "2").Tecla(VK_TAB); },
       "Devolução de mercadorias", 2},
      {"sem histórico",
       [](CRoteiro& r) { r.Clica(D::IDC_HISTORICO).Tecla(VK_HOME, {VK_SHIFT}).Tecla(VK_DELETE).Tecla(VK_TAB); }, "*",
       0},
      {"complemento digitado depois", [](CRoteiro& r) { Preenche(r, D::IDC_COMPLEMENTO, "parcela única"); },
       "parcela única", 1},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    TCMTituloImposto titulo = TituloCompleto();
    titulo.SetCodigoReceita(0);  // falta dado: abre carregado
    Titulos({titulo});
    CRoteiro& r = AoAbrir();
    Preenche(r, D::IDC_CODIGO_RECEITA, "1708");
    c.age(r);
    r.Clica(D::IDC_ALTERAR_TITULO).Clica(IDOK);
    ASSERT_EQ(m_titulos.DoModal(), IDOK) << (m_caixas.Textos().empty() ? "" : m_caixas.Textos().back());
    EXPECT_EQ(m_titulos.GetTitulo(0).GetComplementoHistorico(), c.szComplemento);
    EXPECT_EQ(m_titulos.GetTitulo(0).GetPonteiroHistorico(), c.iHistorico);
  }
}
