// O diálogo dos históricos desativados agido por uma pessoa: a lista lida do servidor
// até o código 0, o histórico que não entra duas vezes (Adicionar desabilitado), as
// três formas de remover a linha escolhida, a lista vazia gravada, o Cancelar que não
// grava, a lista cheia e as falhas do servidor mostradas com o diálogo seguindo.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "empresa_teste.h"
#include "instalacao_teste.h"
#include "janelas_teste.h"
#include "modelo_teste.h"
#include "vrmwnd/dialogs/CHistoricosDesativados.h"
#include "vrmwnd/suite/ganchos_teste.h"
#include "vrmwnd/suite/servidor/resultados.h"
#include "vrmwnd/util/CCMRecursoModulo.h"

namespace {

using D = CHistoricosDesativados;
constexpr char kTitulo[] = "Históricos Desativados";
constexpr unsigned short kNumero = 3;

// As linhas da lista aberta como "código|descrição".
std::vector<std::string> Linhas(HWND hDialogo) {
  HWND hLista = GetDlgItem(hDialogo, D::IDC_LISTA);
  std::vector<std::string> linhas;
  const int n = static_cast<int>(SendMessageA(hLista, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    std::string s;
    for (int c = 0; c < 2; ++c) {
      char sz[256] = "";
      LVITEMA item{};
      item.iSubItem = c;
      item.pszText = sz;
      item.cchTextMax = sizeof sz;
      SendMessageA(hLista, LVM_GETITEMTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
      s += (c ? "|" : "") + std::string(sz);
    }
    linhas.push_back(s);
  }
  return linhas;
}

bool Habilitado(HWND hDialogo, int nId) { return IsWindowEnabled(GetDlgItem(hDialogo, nId)) != FALSE; }

class CHistoricosDesativadosTest : public testing::Test {
 protected:
  void SetUp() override {
    m_empresa.Executa(
        "INSERT INTO historico VALUES (12, 'Compra a prazo', 1), (15, 'Pagamento antecipado', 1), "
        "(20, 'Histórico inativo no cadastro', 0)");
  }
  void TearDown() override { vrmsuite::LimpaFalhasLeitura(); }

  // O servidor como outro chamador o vê.
  std::vector<unsigned> Guardados(unsigned short nNumero = kNumero) {
    CQZComPtr<IHisDel> p;
    if (p.CoCreateInstance(CLSID_HisDel) != S_OK) return {9999};
    BSTR b = SysAllocString(Utf8ToUtf16(m_empresa.Nome()).c_str());
    p->SetConexao(b);
    SysFreeString(b);
    std::vector<REG_HISDELPS> el(200);
    if (p->LeDesativados(nNumero, 200, el.data()) != S_OK) return {9998};
    std::vector<unsigned> v;
    for (const auto& e : el)
      if (e.iHistorico() != 0) v.push_back(e.iHistorico());
    return v;
  }
  void Guarda(const std::vector<unsigned>& codigos, unsigned short nNumero = kNumero) {
    CQZComPtr<IHisDel> p;
    ASSERT_EQ(p.CoCreateInstance(CLSID_HisDel), S_OK);
    BSTR b = SysAllocString(Utf8ToUtf16(m_empresa.Nome()).c_str());
    ASSERT_EQ(p->SetConexao(b), S_OK);
    SysFreeString(b);
    std::vector<REG_HISDELPS> el(codigos.size() + 1);
    for (std::size_t i = 0; i < codigos.size(); ++i) el[i].Set_iHistorico(static_cast<WORD>(codigos[i]));
    ASSERT_EQ(p->GravaDesativados(nNumero, static_cast<long>(el.size()), el.data()), S_OK);
  }
  std::vector<std::string> Caixas() const { return m_caixas.Textos(); }

  CInstalacaoTeste m_instalacao;
  CEmpresaTeste m_empresa;
  CApresentadorTeste m_caixas;
  CPaiGravador m_pai;
  CUsuarioRoteirizado m_usuario;
};

}  // namespace

TEST_F(CHistoricosDesativadosTest, ModeloColunasEFocoNoEdit) {
  constexpr DWORD kBotao = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
  const std::vector<TControleEsperado> kControles = {
      {IDC_STATIC, "BUTTON", {7, 7, 316, 154}, WS_VISIBLE | BS_GROUPBOX, "Históricos Desativados nos Lançamentos"},
      {D::IDC_LISTA,
       "SYSLISTVIEW32",
       {15, 19, 308, 110},
       WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
       ""},
      {IDC_STATIC, "STATIC", {15, 119, 49, 127}, WS_VISIBLE | SS_LEFT, "Histórico:"},
      {D::IDC_EDIT_HISTORICO, "EDIT", {51, 113, 86, 127}, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, ""},
      {D::IDC_DESCRICAO, "STATIC", {91, 119, 306, 127}, WS_VISIBLE | SS_LEFT, ""},
      {D::IDC_ADICIONAR, "BUTTON", {201, 132, 251, 146}, kBotao, "&Adicionar"},
      {D::IDC_REMOVER, "BUTTON", {257, 132, 307, 146}, kBotao, "&Remover"},
      {IDOK, "BUTTON", {210, 161, 260, 175}, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, "OK"},
      {IDCANCEL, "BUTTON", {266, 161, 316, 175}, kBotao, "Cancelar"},
  };
  m_usuario.QuandoAbrir(kTitulo)
      .Confere([&](HWND h) { ConfereModelo(h, kTitulo, 323, 182, kControles); })
      .Tecla(VK_ESCAPE);
  {
    CCMRecursoModulo recurso;
    CDialog modelo(D::IDD);
    EXPECT_EQ(modelo.DoModal(), IDCANCEL);
  }

  int nFoco = 0;
  DWORD dwEstendido = 0;
  std::vector<std::string> colunas;
  m_usuario.QuandoAbrir(kTitulo)
      .Confere([&](HWND h) {
        nFoco = GetDlgCtrlID(GetFocus());
        HWND hLista = GetDlgItem(h, D::IDC_LISTA);
        dwEstendido = static_cast<DWORD>(SendMessageA(hLista, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
        for (int c = 0; c < 2; ++c) {
          char sz[64] = "";
          LVCOLUMNA col{};
          col.mask = LVCF_TEXT | LVCF_WIDTH;
          col.pszText = sz;
          col.cchTextMax = sizeof sz;
          SendMessageA(hLista, LVM_GETCOLUMNA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&col));
          colunas.push_back(std::string(sz) + " " + std::to_string(col.cx));
        }
      })
      .Tecla(VK_ESCAPE);
  D dlg(m_empresa.Nome(), kNumero, &m_pai);
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(nFoco, D::IDC_EDIT_HISTORICO);
  EXPECT_TRUE(dwEstendido & LVS_EX_FULLROWSELECT);
  EXPECT_EQ(colunas, (std::vector<std::string>{"Código 50", "Descrição 350"}));
}

TEST_F(CHistoricosDesativadosTest, ListaDoServidorAteOCodigoZero) {
  const struct {
    const char* szCaso;
    std::vector<unsigned> guardados;
    std::vector<std::string> linhas;
  } kCasos[] = {
      {"12 e 15, depois o 0", {12, 15}, {"12|Compra a prazo", "15|Pagamento antecipado"}},
      {"nenhum", {}, {}},
      {"inativo no cadastro não aparece", {20, 4}, {"4|Frete sobre compras"}},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    Guarda(c.guardados);
    std::vector<std::string> linhas;
    m_usuario.QuandoAbrir(kTitulo).Confere([&](HWND h) { linhas = Linhas(h); }).Tecla(VK_ESCAPE);
    D dlg(m_empresa.Nome(), kNumero, &m_pai);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(linhas, c.linhas);
  }
  EXPECT_TRUE(Caixas().empty());
}

TEST_F(CHistoricosDesativadosTest, HistoricoListadoNaoEntraDeNovo) {
  Guarda({12});
  struct TEstado {
    bool bAdicionar, bRemover;
    bool operator==(const TEstado&) const = default;
  };
  std::vector<TEstado> estados;
  auto olha = [&](HWND h) { estados.push_back({Habilitado(h, D::IDC_ADICIONAR), Habilitado(h, D::IDC_REMOVER)}); };
  std::vector<std::string> linhas;
  m_usuario.QuandoAbrir(kTitulo)
      .Escreve("12")
      .Confere(olha)
      .Tecla(VK_BACK)
      .Tecla(VK_BACK)
      .Escreve("15")
      .Confere(olha)
      .Clica(D::IDC_ADICIONAR)
      .Escreve("15")
      .Confere(olha)
      .Confere([&](HWND h) { linhas = Linhas(h); })
      .Clica(IDOK);
  D dlg(m_empresa.Nome(), kNumero, &m_pai);
  EXPECT_EQ(dlg.DoModal(), IDOK);
  const std::vector<TEstado> kEsperados = {{false, true}, {true, false}, {false, true}};
  ASSERT_EQ(estados.size(), kEsperados.size());
  for (std::size_t i = 0; i < estados.size(); ++i) {
    EXPECT_EQ(estados[i].bAdicionar, kEsperados[i].bAdicionar) << "passo " << i;
    EXPECT_EQ(estados[i].bRemover, kEsperados[i].bRemover) << "passo " << i;
  }
  EXPECT_EQ(linhas, (std::vector<std::string>{"12|Compra a prazo", "15|Pagamento antecipado"}));
  EXPECT_EQ(Guardados(), (std::vector<unsigned>{12, 15}));
}

TEST_F(CHistoricosDesativadosTest, DeleteDecimalERemoverTiramALinhaEscolhida) {
  const struct {
    const char* szCaso;
    int nTecla;  // 0: o botão Remover
    int nLinha;  // 1 = primeira
    std::vector<unsigned> restantes;
  } kCasos[] = {
      {"Delete na primeira", VK_DELETE, 1, {15, 4}},
      {"decimal do teclado numérico na segunda", VK_DECIMAL, 2, {12, 4}},
      {"Remover na terceira", 0, 3, {12, 15}},
      {"outra tecla não remove", VK_SPACE, 1, {12, 15, 4}},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    Guarda({12, 15, 4});
    std::string strEdit = "?";
    auto& roteiro = m_usuario.QuandoAbrir(kTitulo).Clica(D::IDC_LISTA).Tecla(VK_HOME);
    for (int i = 1; i < c.nLinha; ++i) roteiro.Tecla(VK_DOWN);
    if (c.nTecla != 0)
      roteiro.Tecla(c.nTecla);
    else
      roteiro.Clica(D::IDC_REMOVER);
    roteiro
        .Confere([&](HWND h) {
          CString s;
          CWnd::FromHandle(GetDlgItem(h, D::IDC_EDIT_HISTORICO))->GetWindowText(s);
          strEdit = s.GetString();
        })
        .Clica(IDOK);
    D dlg(m_empresa.Nome(), kNumero, &m_pai);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(Guardados(), c.restantes);
    if (c.nTecla != VK_SPACE) {
      EXPECT_EQ(strEdit, "") << "o edit se esvazia";
    }
  }
}

TEST_F(CHistoricosDesativadosTest, OkComListaVaziaGravaNadaECancelarNaoGrava) {
  Guarda({12});
  m_usuario.QuandoAbrir(kTitulo).Clica(D::IDC_LISTA).Tecla(VK_HOME).Tecla(VK_DELETE).Tecla(VK_ESCAPE);
  {
    D dlg(m_empresa.Nome(), kNumero, &m_pai);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  }
  EXPECT_EQ(Guardados(), std::vector<unsigned>{12}) << "o Cancelar não grava";

  m_usuario.QuandoAbrir(kTitulo).Clica(D::IDC_LISTA).Tecla(VK_HOME).Tecla(VK_DELETE).Clica(IDOK);
  {
    D dlg(m_empresa.Nome(), kNumero, &m_pai);
    EXPECT_EQ(dlg.DoModal(), IDOK);
  }
  EXPECT_TRUE(Guardados().empty());
  EXPECT_EQ(Guardados(1), (std::vector<unsigned>{2, 5})) << "a lista de outro número não muda";
}

TEST_F(CHistoricosDesativadosTest, ListaCheiaNaoCresce) {
  m_empresa.Executa(
      "WITH RECURSIVE n(i) AS (SELECT 100 UNION ALL SELECT i + 1 FROM n WHERE i < 199) "
      "INSERT INTO historico SELECT i, 'Histórico ' || i, 1 FROM n");
  std::vector<unsigned> cem;
  for (unsigned i = 100; i < 200; ++i) cem.push_back(i);
  Guarda(cem);
  std::size_t nLinhas = 0;
  bool bAdicionar = true;
  m_usuario.QuandoAbrir(kTitulo)
      .Escreve("4")
      .Confere([&](HWND h) {
        nLinhas = Linhas(h).size();
        bAdicionar = Habilitado(h, D::IDC_ADICIONAR);
      })
      .Clica(IDOK);
  D dlg(m_empresa.Nome(), kNumero, &m_pai);
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(nLinhas, 100u);
  EXPECT_FALSE(bAdicionar) << "cem é o que o diálogo lê: mais que isso se perderia";
  EXPECT_EQ(Guardados(), cem);
}

TEST_F(CHistoricosDesativadosTest, FalhaDoServidorApareceEODialogoSegue) {
  const struct {
    const char* szOperacao;
    HRESULT hr;
    std::size_t nCaixas;  // ao abrir e no OK
    std::vector<unsigned> guardados;
  } kCasos[] = {
      {"IHisDel::Cria", E_OUTOFMEMORY, 2, {12}},
      {"IHisDel::SetConexao", QZ_E_EMPRESA_NAO_ENCONTRADA, 3, {12}},  // sem conexão, ler e gravar falham
      {"IHisDel::LeDesativados", QZ_E_BANCO_DE_DADOS, 1, {}},         // abre vazia; o OK grava a vazia
      {"IHisDel::GravaDesativados", QZ_E_BANCO_DE_DADOS, 1, {12}},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szOperacao);
    Guarda({12});
    const std::size_t nAntes = m_caixas.Caixas().size();
    vrmsuite::ProgramaFalhaLeitura(c.szOperacao, c.hr, 0);
    m_usuario.QuandoAbrir(kTitulo).Clica(IDOK);
    {
      D dlg(m_empresa.Nome(), kNumero, &m_pai);
      EXPECT_EQ(dlg.DoModal(), IDOK) << "o OK fecha mesmo com a falha";
    }
    vrmsuite::LimpaFalhasLeitura();
    const std::vector<std::string> caixas = Caixas();
    ASSERT_EQ(caixas.size() - nAntes, c.nCaixas);
    for (std::size_t i = nAntes; i < caixas.size(); ++i)
      EXPECT_NE(caixas[i].find("Fonte: HistoricosDesativados"), std::string::npos) << caixas[i];
    EXPECT_EQ(Guardados(), c.guardados);
  }
}

// F1 de qualquer controle mostra a ajuda do módulo, e a tela segue aberta como estava.
TEST_F(CHistoricosDesativadosTest, F1MostraAAjudaDeComprasEATelaSegue) {
  Guarda({12});
  const struct {
    const char* szOnde;
    int nControle;
  } kCasos[] = {{"no edit", D::IDC_EDIT_HISTORICO}, {"na lista", D::IDC_LISTA}};
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szOnde);
    const std::size_t nAntes = m_caixas.Caixas().size();
    std::vector<std::string> linhas;
    m_usuario.QuandoAbrir(kTitulo)
        .Clica(c.nControle)
        .Tecla(VK_F1)
        .Confere([&](HWND h) { linhas = Linhas(h); })
        .Clica(IDOK);
    D dlg(m_empresa.Nome(), kNumero, &m_pai);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    ASSERT_EQ(m_caixas.Caixas().size(), nAntes + 1);
    const TCaixaMostrada& caixa = m_caixas.Caixas().back();
    EXPECT_EQ(caixa.strTitulo, "Ajuda - Tarvo Compras");
    EXPECT_NE(caixa.strTexto.find("Históricos desativados"), std::string::npos) << caixa.strTexto;
    EXPECT_EQ(linhas.size(), 1u);
    EXPECT_EQ(Guardados(), std::vector<unsigned>{12});
  }
}
