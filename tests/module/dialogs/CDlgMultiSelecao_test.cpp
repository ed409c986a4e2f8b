// As seleções múltiplas agidas por uma pessoa: a relação de CFOPs e a de contas de cada
// tipo, a lista montada na ordem, o código repetido e o edit vazio com as mensagens do
// tipo, a conta sintética que entra e sai com as subordinadas, o Delete na grade, o
// Remover sem linha, a leitura que falha, e o edit de seleção múltipla que abre a
// tela pela consulta e só recebe a lista no OK.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "empresa_teste.h"
#include "instalacao_teste.h"
#include "janelas_teste.h"
#include "modelo_teste.h"
#include "vrmwnd/dialogs/CDlgMultiSelecao.h"
#include "vrmwnd/suite/ganchos_teste.h"
#include "vrmwnd/suite/servidor/resultados.h"
#include "vrmwnd/util/CCMRecursoModulo.h"
#include "vrmwnd/wrappers/C4_CMultiSelecao.h"

namespace {

constexpr char kCFOPs[] = "Relação de CFOPs";
constexpr int IDC_NATUREZA = CDlgMultiCFOP::IDC_EDIT_NATUREZA;
constexpr int IDC_CONTA = CDlgMultiFornecedor::IDC_EDIT_CONTA;

template <class T>
std::vector<unsigned long> Vetor(const T_Lista<T>& lista) {
  return std::vector<unsigned long>(lista.begin(), lista.end());
}

// A grade do diálogo aberto em texto: uma linha por registro, células separadas por "|".
std::vector<std::string> Grade(HWND hDialogo, int nIdGrade) {
  return LinhasDaGrade(dynamic_cast<CGXBrowserWnd*>(CWnd::FromHandle(GetDlgItem(hDialogo, nIdGrade))));
}

std::string Texto(HWND hDialogo, int nId) {
  CString s;
  CWnd::FromHandle(nId == 0 ? hDialogo : GetDlgItem(hDialogo, nId))->GetWindowText(s);
  return s.GetString();
}

// A pessoa escolhe a n-ésima linha da grade (1 = primeira) pelo teclado.
CRoteiro& EscolheLinha(CRoteiro& roteiro, int nIdGrade, int nLinha) {
  roteiro.Clica(nIdGrade).Tecla(VK_HOME);
  for (int i = 1; i < nLinha; ++i) roteiro.Tecla(VK_DOWN);
  return roteiro;
}

class CDlgMultiSelecaoTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(m_inicializador.Inicializa(m_empresa.Nome(), 4, 99), S_OK); }
  void TearDown() override {
    vrmsuite::LimpaFalhasLeitura();
    m_inicializador.Finaliza();
  }
  std::vector<std::string> Caixas() const { return m_caixas.Textos(); }

  CInstalacaoTeste m_instalacao;
  CEmpresaTeste m_empresa;
  CQZInicializador m_inicializador;
  CApresentadorTeste m_caixas;
  CPaiGravador m_pai;
  CUsuarioRoteirizado m_usuario;
};

}  // namespace

// Os dois modelos como estão registrados, abertos por um CDialog simples: a mesma
// moldura com os identificadores e os textos de cada um.
TEST_F(CDlgMultiSelecaoTest, ModelosSeguemAMolduraComum) {
  struct TCaso {
    UINT nIDD;
    const char* szTitulo;
    int nGrupo, nGrade, nRotulo, nEdit, nDescricao, nAdicionar, nRemover;
    const char* szGrupo;
    const char* szRotulo;
  };
  using F = CDlgMultiFornecedor;
  using C = CDlgMultiCFOP;
  const TCaso kCasos[] = {
      {C::IDD, kCFOPs, IDC_STATIC, C::IDC_GRADE, IDC_STATIC, IDC_NATUREZA, C::IDC_DESCRICAO, C::IDC_ADICIONAR,
       C::IDC_REMOVER, "CFOP", "CFOP:"},
      {F::IDD, "Contas", F::IDC_GRUPO, F::IDC_GRADE, F::IDC_ROTULO, IDC_CONTA, F::IDC_DESCRICAO, F::IDC_ADICIONAR,
       F::IDC_REMOVER, "Fornecedores", "Fornecedor:"},
  };
  constexpr DWORD kBotao = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szTitulo);
    const std::vector<TControleEsperado> kControles = {
        {c.nGrupo, "BUTTON", {4, 4, 307, 119}, WS_VISIBLE | BS_GROUPBOX, c.szGrupo},
        {c.nGrade, "GXWND", {9, 16, 301, 77}, WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL, ""},
        {c.nRotulo, "STATIC", {9, 87, 73, 95}, WS_VISIBLE | SS_LEFT, c.szRotulo},
        {c.nEdit, "EDIT", {75, 81, 135, 95}, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, ""},
        {c.nDescricao, "STATIC", {139, 87, 301, 95}, WS_VISIBLE | SS_LEFT, ""},
        {c.nAdicionar, "BUTTON", {197, 99, 247, 113}, kBotao, "&Adicionar"},
        {c.nRemover, "BUTTON", {251, 99, 301, 113}, kBotao, "&Remover"},
        {IDOK, "BUTTON", {204, 123, 254, 137}, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, "OK"},
        {IDCANCEL, "BUTTON", {258, 123, 308, 137}, kBotao, "Cancelar"},
    };
    m_usuario.QuandoAbrir(c.szTitulo)
        .Confere([&](HWND h) { ConfereModelo(h, c.szTitulo, 311, 140, kControles); })
        .Tecla(VK_ESCAPE);
    CCMRecursoModulo recurso;
    CDialog modelo(c.nIDD);
    EXPECT_EQ(modelo.DoModal(), IDCANCEL);
  }
}

TEST_F(CDlgMultiSelecaoTest, CFOPsEntramNaOrdemEAGradeOsLe) {
  std::vector<std::string> grade;
  std::string strEdit = "?";
  m_usuario.QuandoAbrir(kCFOPs)
      .Digita(IDC_NATUREZA, "3102")
      .Clica(CDlgMultiCFOP::IDC_ADICIONAR)
      .Escreve("1102")  // o foco voltou ao edit
      .Clica(CDlgMultiCFOP::IDC_ADICIONAR)
      .Confere([&](HWND h) {
        grade = Grade(h, CDlgMultiCFOP::IDC_GRADE);
        strEdit = Texto(h, IDC_NATUREZA);
      })
      .Clica(IDOK);
  CDlgMultiCFOP dlg(&m_pai);
  dlg.SetFilial(2);
  dlg.m_Codigos.Add(2);  // a lista do chamador vem como está, de outra filial também
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(Vetor(dlg.m_Codigos), (std::vector<unsigned long>{2, 3, 21})) << "1102 da filial 2 é a natureza 21";
  EXPECT_EQ(grade, (std::vector<std::string>{"1.556|Compra de material para uso ou consumo|1",
                                             "3.102|Compra para comercialização (importação)|2",
                                             "1.102|Compra para comercialização — Curitiba|2"}));
  EXPECT_EQ(strEdit, "") << "o edit se esvazia depois de adicionar";
  EXPECT_TRUE(Caixas().empty());
}

TEST_F(CDlgMultiSelecaoTest, RepetidoOuVazioDaAMensagemENaoMudaALista) {
  const struct {
    const char* szCaso;
    const char* szDigitado;
    const char* szMensagem;
  } kCasos[] = {
      {"já listado", "1102", "Este CFOP já está na lista."},
      {"edit vazio", "", "Informe o CFOP."},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    const std::size_t nAntes = m_caixas.Caixas().size();
    int nFoco = 0;
    auto& roteiro = m_usuario.QuandoAbrir(kCFOPs);
    if (*c.szDigitado) roteiro.Digita(IDC_NATUREZA, c.szDigitado);
    roteiro.Clica(CDlgMultiCFOP::IDC_ADICIONAR).Confere([&](HWND) { nFoco = GetDlgCtrlID(GetFocus()); }).Clica(IDOK);
    CDlgMultiCFOP dlg(&m_pai);
    dlg.SetFilial(1);
    dlg.m_Codigos.Add(1);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(Vetor(dlg.m_Codigos), std::vector<unsigned long>{1});
    ASSERT_EQ(Caixas().size(), nAntes + 1);
    EXPECT_EQ(Caixas().back(), c.szMensagem);
    EXPECT_EQ(nFoco, IDC_NATUREZA) << "o foco volta ao edit";
  }
}

TEST_F(CDlgMultiSelecaoTest, DeleteNaGradeTiraALinhaERemoverSemLinhaNaoFazNada) {
  struct TCaso {
    const char* szCaso;
    int nLinha;  // 0: nenhuma linha escolhida
    int nTecla;  // 0: o botão Remover
    std::vector<unsigned long> esperada;
  };
  const TCaso kCasos[] = {
      {"Delete na segunda linha", 2, VK_DELETE, {1, 4}},
      {"Remover na terceira linha", 3, 0, {1, 2}},
      {"Remover sem linha escolhida", 0, 0, {1, 2, 4}},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    std::string strEditAntes, strEditDepois = "?";
    int nFoco = 0;
    auto& roteiro = m_usuario.QuandoAbrir(kCFOPs);
    if (c.nLinha > 0)
      EscolheLinha(roteiro, CDlgMultiCFOP::IDC_GRADE, c.nLinha).Confere([&](HWND h) {
        strEditAntes = Texto(h, IDC_NATUREZA);
      });
    if (c.nTecla != 0)
      roteiro.Tecla(c.nTecla);
    else
      roteiro.Clica(CDlgMultiCFOP::IDC_REMOVER);
    roteiro
        .Confere([&](HWND h) {
          strEditDepois = Texto(h, IDC_NATUREZA);
          nFoco = GetDlgCtrlID(GetFocus());
        })
        .Clica(IDOK);
    CDlgMultiCFOP dlg(&m_pai);
    dlg.SetFilial(1);
    for (unsigned short n : {1, 2, 4}) dlg.m_Codigos.Add(n);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(Vetor(dlg.m_Codigos), c.esperada);
    if (c.nLinha > 0) {
      EXPECT_EQ(strEditAntes, c.nLinha == 2 ? "1556" : "1202") << "a linha escolhida vai ao edit";
      EXPECT_EQ(strEditDepois, "");
    }
    if (c.nTecla == 0 && c.nLinha > 0) {
      EXPECT_EQ(nFoco, IDC_NATUREZA);
    }
  }
}

TEST_F(CDlgMultiSelecaoTest, LeituraQueFalhaApareceEALinhaFicaVazia) {
  vrmsuite::ProgramaFalhaLeitura("LeDFNaturezas", QZ_E_BANCO_DE_DADOS, 0);
  std::vector<std::string> grade;
  m_usuario.QuandoAbrir(kCFOPs).Confere([&](HWND h) { grade = Grade(h, CDlgMultiCFOP::IDC_GRADE); }).Clica(IDOK);
  CDlgMultiCFOP dlg(&m_pai);
  dlg.m_Codigos.Add(2);
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(grade, std::vector<std::string>{"0.000||0"}) << "o registro zerado";
  ASSERT_EQ(m_caixas.Caixas().size(), 1u) << "uma caixa por linha lida, não por célula";
  EXPECT_NE(m_caixas.Caixas()[0].strTexto.find("Fonte: DlgMultiCFOP"), std::string::npos)
      << m_caixas.Caixas()[0].strTexto;
  EXPECT_EQ(m_instalacao.LinhasDeErro().size(), 1u);
  EXPECT_EQ(Vetor(dlg.m_Codigos), std::vector<unsigned long>{2}) << "a lista não muda";
}

TEST_F(CDlgMultiSelecaoTest, CadaTipoDeContaComOsSeusTextosEMensagens) {
  // A característica é um conjunto de bits: a conta listada de cada tipo tem o pedido,
  // e a de clientes e fornecedores (12) é uma cooperativa que é as duas coisas.
  struct TCaso {
    char cTipo;
    int nCaracteristica;
    unsigned long lListada;
    const char* szCodigo;  // o código da conta listada, digitado de novo
    const char* szRotulo;
    const char* szGrupo;
    const char* szTitulo;
    const char* szDuplicado;
    const char* szVazio;
  };
  const TCaso kCasos[] = {
      {'G', 0, 6001, "G.01", "Gerencial:", "Gerenciais", "Relação de Gerenciais",
       "Esta conta gerencial já está na lista.", "Informe a conta gerencial."},
      {'C', 12, 1122, "1.1.02.002", "Cliente/Fornec.:", "Clientes/Fornecedores", "Relação de Clientes e Fornecedores",
       "Este cliente ou fornecedor já está na lista.", "Informe o cliente ou fornecedor."},
      {'C', 8, 2001, "2.1.01.001", "Fornecedor:", "Fornecedores", "Relação de Fornecedores",
       "Este fornecedor já está na lista.", "Informe o fornecedor."},
      {'C', 4, 1121, "1.1.02.001", "Cliente:", "Clientes", "Relação de Clientes", "Este cliente já está na lista.",
       "Informe o cliente."},
      {'C', 16, 3001, "2.1.04.001", "Transportadora:", "Transportadoras", "Relação de Transportadoras",
       "Esta transportadora já está na lista.", "Informe a transportadora."},
      {'C', 0x200, 5001, "3.1.01.001", "Classificação:", "Classificações", "Relação de Classificações",
       "Esta classificação já está na lista.", "Informe a classificação."},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szTitulo);
    const std::size_t nAntes = m_caixas.Caixas().size();
    std::string strRotulo, strGrupo;
    std::vector<std::string> grade;
    m_usuario.QuandoAbrir(c.szTitulo)
        .Confere([&](HWND h) {
          strRotulo = Texto(h, CDlgMultiFornecedor::IDC_ROTULO);
          strGrupo = Texto(h, CDlgMultiFornecedor::IDC_GRUPO);
          grade = Grade(h, CDlgMultiFornecedor::IDC_GRADE);
        })
        .Clica(CDlgMultiFornecedor::IDC_ADICIONAR)
        .Digita(IDC_CONTA, c.szCodigo)
        .Clica(CDlgMultiFornecedor::IDC_ADICIONAR)
        .Clica(IDOK);
    CDlgMultiFornecedor dlg(&m_pai);
    dlg.SetTipoConta(c.cTipo);
    dlg.SetCaracteristica(c.nCaracteristica);
    dlg.m_Codigos.Add(c.lListada);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(strRotulo, c.szRotulo);
    EXPECT_EQ(strGrupo, c.szGrupo);
    ASSERT_EQ(grade.size(), 1u);
    EXPECT_EQ(grade[0].substr(0, grade[0].find('|')), c.szCodigo);
    const std::vector<std::string> caixas = Caixas();
    EXPECT_EQ(std::vector<std::string>(caixas.begin() + static_cast<long>(nAntes), caixas.end()),
              (std::vector<std::string>{c.szVazio, c.szDuplicado}));
    EXPECT_EQ(Vetor(dlg.m_Codigos), std::vector<unsigned long>{c.lListada});
  }
}

TEST_F(CDlgMultiSelecaoTest, ContaSinteticaEntraESaiComAsSubordinadas) {
  struct TCaso {
    const char* szCaso;
    char cTipo;
    std::vector<unsigned long> antes;
    const char* szAdicionada;  // nulo: remove a primeira linha
    std::vector<unsigned long> depois;
  };
  const TCaso kCasos[] = {
      {"entram as que faltam", 'C', {2002}, "2.1.01", {2002, 2001}},
      {"com todas listadas, nada entra", 'C', {2001, 2002}, "2.1.01", {2001, 2002}},
      {"a sintética sai com as listadas", 'C', {2100, 2004, 2001, 2002}, nullptr, {2004}},
      {"uma analítica sai sozinha", 'C', {2001, 2002}, nullptr, {2002}},
      {"sintética do plano gerencial", 'G', {6001}, "G.04", {6001, 6011}},
      {"gerencial sai com as listadas", 'G', {6010, 6011, 6002}, nullptr, {6002}},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    auto& roteiro = m_usuario.QuandoAbrir(CDlgMultiFornecedor::GetTitulo(c.cTipo, 8));
    if (c.szAdicionada)
      roteiro.Digita(IDC_CONTA, c.szAdicionada).Clica(CDlgMultiFornecedor::IDC_ADICIONAR);
    else
      EscolheLinha(roteiro, CDlgMultiFornecedor::IDC_GRADE, 1).Clica(CDlgMultiFornecedor::IDC_REMOVER);
    roteiro.Clica(IDOK);
    CDlgMultiFornecedor dlg(&m_pai);
    dlg.SetTipoConta(c.cTipo);
    dlg.SetCaracteristica(8);
    for (unsigned long l : c.antes) dlg.m_Codigos.Add(l);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(Vetor(dlg.m_Codigos), c.depois);
  }
  EXPECT_TRUE(Caixas().empty());
}

// O edit de seleção múltipla numa tela: F2 abre a relação com a lista dele; o
// Cancelar não a muda, o OK a devolve na ordem montada.
TEST_F(CDlgMultiSelecaoTest, EditAbreATelaPelaConsultaESoOOkDevolveALista) {
  CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 100, 20, m_pai.m_hWnd, 100, nullptr,
                  nullptr);
  CStatic stDescricao;
  CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 30, 200, 20, m_pai.m_hWnd, 101, nullptr, nullptr);
  C4_CMultiCFOPEx edit;
  ASSERT_TRUE(edit.SubclassDlgItem(100, &m_pai));
  ASSERT_TRUE(stDescricao.SubclassDlgItem(101, &m_pai));
  edit.SetStaticCompanheiro(&stDescricao);
  edit.SetFilial(1);
  ASSERT_EQ(edit.Inicializa(m_empresa.Nome(), 4, 99), S_OK);
  edit.SetListaPosicao(T_Lista<unsigned short>{});
  edit.SetText("1556");

  m_usuario.QuandoAbrir(kCFOPs).Digita(IDC_NATUREZA, "1102").Clica(CDlgMultiCFOP::IDC_ADICIONAR).Tecla(VK_ESCAPE);
  EXPECT_EQ(C4_CMultiCFOPEx::CriaTela(&edit, 0), IDCANCEL);
  EXPECT_EQ(Vetor(edit.GetListaPosicao()), std::vector<unsigned long>{2}) << "o Cancelar não muda nada";

  std::vector<std::string> grade;
  m_usuario.QuandoAbrir(kCFOPs)
      .Confere([&](HWND h) { grade = Grade(h, CDlgMultiCFOP::IDC_GRADE); })
      .Digita(IDC_NATUREZA, "1102")
      .Clica(CDlgMultiCFOP::IDC_ADICIONAR)
      .Clica(IDOK);
  edit.SetFocus();
  m_usuario.Tecla(VK_F2);
  EXPECT_EQ(grade, std::vector<std::string>{"1.556|Compra de material para uso ou consumo|1"});
  EXPECT_EQ(Vetor(edit.GetListaPosicao()), (std::vector<unsigned long>{2, 1}));
  EXPECT_EQ(Texto(stDescricao.m_hWnd, 0), "Várias");
  EXPECT_FALSE(edit.IsWindowEnabled()) << "com várias, o edit fica desabilitado";
  EXPECT_EQ(m_usuario.Abertos(), (std::vector<std::string>{kCFOPs, kCFOPs}));
  edit.OnFinaliza();
}
