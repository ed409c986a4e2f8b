// O diálogo de mensagem com grade agido por uma pessoa: o modelo 1013, o tamanho que
// acompanha as colunas e as linhas (16 alturas no máximo, nunca mais largo que a área
// de trabalho), a cópia da tabela com Ctrl+Shift+F2 das teclas da esquerda, a caixa de
// marcar, o ícone, o que o fechamento limpa e a abertura sem colunas.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "excecoes_teste.h"
#include "janelas_teste.h"
#include "modelo_teste.h"
#include "vrmwnd/dialogs/CDlgMsgCm.h"
#include "vrmwnd/platform/clipboard.h"
#include "vrmwnd/platform/testing.h"
#include "vrmwnd/util/CCMRecursoModulo.h"
#include "vrmwnd/util/modulo.h"

namespace {

constexpr char kTitulo[] = "Compras - Tabela";

// Uma coluna de texto com as larguras e as linhas dadas.
void Coluna(CDlgMsgCm& dlg, const char* szTitulo, int nLargura, std::vector<std::string> linhas, int nAlinha = 0) {
  CDlgMsgCm::CInformacaoColuna coluna;
  coluna.m_strTitulo = szTitulo;
  coluna.m_nLargura = nLargura;
  coluna.m_nAlinhamento = nAlinha;
  for (const std::string& s : linhas) coluna.m_Linhas.Add(CString(s.c_str()));
  dlg.m_Colunas.Add(coluna);
}

RECT Retangulo(HWND h) {
  RECT r{};
  GetWindowRect(h, &r);
  return r;
}

// O canto de cima à esquerda na área cliente do diálogo.
POINT NoCliente(HWND hDialogo, HWND h) {
  const RECT r = Retangulo(h);
  POINT p{r.left, r.top};
  ScreenToClient(hDialogo, &p);
  return p;
}

std::string TextoDaAreaDeTransferencia() {
  if (!OpenClipboard(nullptr)) return "(fechada)";
  HANDLE h = GetClipboardData(CF_TEXT);
  std::string s = h ? static_cast<const char*>(GlobalLock(h)) : "(vazia)";
  if (h) GlobalUnlock(h);
  CloseClipboard();
  return s;
}

void EsvaziaAreaDeTransferencia() {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
}

class CDlgMsgCmTest : public testing::Test {
 protected:
  void TearDown() override { HoldClipboardForTesting(false); }
  CPaiGravador m_pai;
  CUsuarioRoteirizado m_usuario;
};

// O modelo 1013 como está registrado: aberto por um CDialog simples, sem o ajuste de
// tamanho que o CDlgMsgCm faz ao abrir.
class CDialogoDoModelo : public CDialog {
 public:
  CDialogoDoModelo() : CDialog(CDlgMsgCm::IDD) {}
};

}  // namespace

TEST_F(CDlgMsgCmTest, JanelaSegueOModelo1013) {
  const std::vector<TControleEsperado> kControles = {
      {IDYES, "BUTTON", {420, 174, 470, 188}, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, "Sim"},
      {IDNO, "BUTTON", {474, 174, 524, 188}, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, "Não"},
      {CDlgMsgCm::IDC_MENSAGEM, "STATIC", {40, 10, 528, 26}, WS_VISIBLE | SS_LEFT, ""},
      {CDlgMsgCm::IDC_PERGUNTA, "STATIC", {40, 161, 393, 169}, WS_VISIBLE | SS_LEFT, ""},
      {CDlgMsgCm::IDC_GRADE,
       "GXWND",
       {7, 37, 528, 156},
       WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | WS_HSCROLL,
       ""},
      {CDlgMsgCm::IDC_ICONE, "STATIC", {10, 10, 30, 30}, WS_VISIBLE | SS_ICON, ""},
      {CDlgMsgCm::IDC_CHECK1, "BUTTON", {40, 179, 241, 189}, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, ""},
  };
  m_usuario.QuandoAbrir("Registro de Entrada")
      .Confere([&](HWND h) { ConfereModelo(h, "Registro de Entrada", 535, 195, kControles); })
      .Tecla(VK_ESCAPE);
  CCMRecursoModulo recurso;
  CDialogoDoModelo modelo;
  EXPECT_EQ(modelo.DoModal(), IDCANCEL);

  // O diálogo de verdade: os mesmos controles, na mesma ordem, com os textos dados.
  std::vector<std::string> controles;
  m_usuario.QuandoAbrir(kTitulo)
      .Confere([&](HWND h) {
        for (HWND c = GetWindow(h, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
          CString strTexto;
          CWnd::FromHandle(c)->GetWindowText(strTexto);
          controles.push_back(std::to_string(GetDlgCtrlID(c)) + " " + ClasseMaiuscula(c) + " " +
                              std::to_string(GetWindowLong(c, GWL_STYLE) & ~(WS_CHILD | WS_DISABLED)) + " " +
                              strTexto.GetString());
        }
      })
      .Clica(IDNO);
  CDlgMsgCm dlg(&m_pai);
  dlg.SetTitulo(kTitulo);
  dlg.SetMensagem("A mensagem");
  dlg.SetPergunta("A pergunta?");
  dlg.SetTextCheck1("Lembrar");
  Coluna(dlg, "A", 100, {"a1"});
  EXPECT_EQ(dlg.DoModal(), IDNO);
  std::vector<std::string> esperados;
  const char* kTextos[] = {"Sim", "Não", "A mensagem", "A pergunta?", "", "", "Lembrar"};
  for (std::size_t i = 0; i < kControles.size(); ++i)
    esperados.push_back(std::to_string(kControles[i].nId) + " " + kControles[i].szClasse + " " +
                        std::to_string(kControles[i].dwEstilo) + " " + kTextos[i]);
  EXPECT_EQ(controles, esperados);
}

TEST_F(CDlgMsgCmTest, TamanhoAcompanhaColunasELinhas) {
  struct TCaso {
    const char* szCaso;
    std::vector<int> larguras;
    int nLinhas;
    int nLarguraGrade, nAlturaGrade;  // pixels
  };
  const TCaso kCasos[] = {
      {"3 colunas e 2 linhas: 3 alturas de linha e o cabeçalho", {110, 170, 95}, 2, 395, 3 * 19 + 22},
      {"40 linhas: 16 alturas de linha e o cabeçalho", {110, 170, 95}, 40, 395, 16 * 19 + 22},
      {"15 linhas ainda cabem todas", {110, 170, 95}, 15, 395, 16 * 19 + 22},
      {"1 linha", {50}, 1, 70, 2 * 19 + 22},
      {"mais larga que a área de trabalho", {900, 900, 400}, 3, 1920, 4 * 19 + 22},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    RECT rD{}, rG{}, rM{}, rQ{}, rSim{}, rNao{}, rCheck{};
    POINT pQ{}, pSim{}, pNao{}, pCheck{};
    m_usuario.QuandoAbrir(kTitulo)
        .Confere([&](HWND h) {
          rD = Retangulo(h);
          rG = Retangulo(GetDlgItem(h, CDlgMsgCm::IDC_GRADE));
          rM = Retangulo(GetDlgItem(h, CDlgMsgCm::IDC_MENSAGEM));
          rQ = Retangulo(GetDlgItem(h, CDlgMsgCm::IDC_PERGUNTA));
          rSim = Retangulo(GetDlgItem(h, IDYES));
          rNao = Retangulo(GetDlgItem(h, IDNO));
          rCheck = Retangulo(GetDlgItem(h, CDlgMsgCm::IDC_CHECK1));
          pQ = NoCliente(h, GetDlgItem(h, CDlgMsgCm::IDC_PERGUNTA));
          pSim = NoCliente(h, GetDlgItem(h, IDYES));
          pNao = NoCliente(h, GetDlgItem(h, IDNO));
          pCheck = NoCliente(h, GetDlgItem(h, CDlgMsgCm::IDC_CHECK1));
        })
        .Clica(IDNO);
    CDlgMsgCm dlg(&m_pai);
    dlg.SetTitulo(kTitulo);
    for (std::size_t i = 0; i < c.larguras.size(); ++i)
      Coluna(dlg, ("C" + std::to_string(i)).c_str(), c.larguras[i], std::vector<std::string>(c.nLinhas, "x"));
    EXPECT_EQ(dlg.DoModal(), IDNO);

    EXPECT_EQ(rG.right - rG.left, c.nLarguraGrade);
    EXPECT_EQ(rG.bottom - rG.top, c.nAlturaGrade);
    // A margem m e o topo t vêm do modelo: a grade a 7 unidades (11 pixels) e a
    // mensagem até 26 unidades (42 pixels), mais a moldura (3) e o título (23).
    const int m = rG.left - rD.left, t = rM.bottom - rD.top;
    EXPECT_EQ(m, 14);
    EXPECT_EQ(t, 68);
    const int yPergunta = c.nAlturaGrade + t + 6, yBotoes = yPergunta + 13 + 6;
    EXPECT_EQ(pQ.x, m);
    EXPECT_EQ(pQ.y, yPergunta);
    EXPECT_EQ(pNao.x, m + c.nLarguraGrade - 6 - 75) << "o Não termina 6 pixels antes do fim da grade";
    EXPECT_EQ(pSim.x, pNao.x - 6 - 75);
    EXPECT_EQ(pCheck.x, m);
    for (const POINT& p : {pSim, pNao, pCheck}) EXPECT_EQ(p.y, yBotoes);
    EXPECT_EQ(rQ.right, rG.right) << "a pergunta termina com a grade";
    EXPECT_EQ(rM.right, rG.right) << "a mensagem termina com a grade";
    EXPECT_EQ(rD.right - rD.left, c.nLarguraGrade + 2 * m);
    EXPECT_EQ(rD.bottom - rD.top, yBotoes + 23 + 36);
  }
}

TEST_F(CDlgMsgCmTest, CtrlShiftF2DaEsquerdaCopiaATabela) {
  struct TCaso {
    const char* szCaso;
    std::initializer_list<int> modificadores;
    bool bOutroProgramaSegura;
    const char* szEsperado;  // nullptr: a área de transferência não muda
  };
  const TCaso kCasos[] = {
      {"Ctrl e Shift da esquerda", {VK_LCONTROL, VK_LSHIFT}, false, "\tConta\tValor\t\r\n\t3.1.01\t1.500,00\t\r\n"},
      {"Shift da direita", {VK_LCONTROL, VK_RSHIFT}, false, nullptr},
      {"Ctrl da direita", {VK_RCONTROL, VK_LSHIFT}, false, nullptr},
      {"os dois da direita", {VK_RCONTROL, VK_RSHIFT}, false, nullptr},
      {"só o Ctrl", {VK_LCONTROL}, false, nullptr},
      {"área de transferência presa por outro programa", {VK_LCONTROL, VK_LSHIFT}, true, nullptr},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    EsvaziaAreaDeTransferencia();
    const DWORD nSequencia = GetClipboardSequenceNumber();
    m_usuario.QuandoAbrir(kTitulo)
        .Confere([&](HWND) { HoldClipboardForTesting(c.bOutroProgramaSegura); })
        .Tecla(VK_F2, c.modificadores)
        .Confere([&](HWND) { HoldClipboardForTesting(false); })
        .Clica(IDNO);
    CDlgMsgCm dlg(&m_pai);
    dlg.SetTitulo(kTitulo);
    Coluna(dlg, "Conta", 100, {"3.1.01"});
    Coluna(dlg, "Valor", 80, {"1.500,00"}, 2);
    EXPECT_EQ(dlg.DoModal(), IDNO) << "a tecla não fecha o diálogo";
    if (c.szEsperado) {
      EXPECT_EQ(TextoDaAreaDeTransferencia(), c.szEsperado);
    } else {
      EXPECT_EQ(GetClipboardSequenceNumber(), nSequencia);
      EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    }
  }
}

TEST_F(CDlgMsgCmTest, CaixaDeMarcar) {
  struct TCaso {
    const char* szCaso;
    const char* szTexto;
    int bHabilita;
    bool bMarca;
    int nBotao;
    bool bVisivel, bHabilitada;
    int nCheck1;
  };
  const TCaso kCasos[] = {
      {"sem texto fica escondida", "", 1, false, IDYES, false, true, 0},
      {"marcada e Sim", "Não perguntar de novo", 1, true, IDYES, true, true, 1},
      {"marcada e Não", "Não perguntar de novo", 1, true, IDNO, true, true, 0},
      {"desmarcada e Sim", "Não perguntar de novo", 1, false, IDYES, true, true, 0},
      {"desabilitada", "Não perguntar de novo", 0, false, IDYES, true, false, 0},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    bool bVisivel = false, bHabilitada = false;
    CString strTexto;
    auto& roteiro = m_usuario.QuandoAbrir(kTitulo).Confere([&](HWND h) {
      HWND hCaixa = GetDlgItem(h, CDlgMsgCm::IDC_CHECK1);
      bVisivel = IsWindowVisible(hCaixa) != FALSE;
      bHabilitada = IsWindowEnabled(hCaixa) != FALSE;
      CWnd::FromHandle(hCaixa)->GetWindowText(strTexto);
    });
    if (c.bMarca) roteiro.Clica(CDlgMsgCm::IDC_CHECK1);
    roteiro.Clica(c.nBotao);
    CDlgMsgCm dlg(&m_pai);
    dlg.SetTitulo(kTitulo);
    dlg.SetTextCheck1(c.szTexto);
    dlg.SetEnableCheck1(c.bHabilita);
    Coluna(dlg, "A", 100, {"a"});
    EXPECT_EQ(dlg.DoModal(), c.nBotao);
    EXPECT_EQ(bVisivel, c.bVisivel);
    if (c.bVisivel) {
      EXPECT_EQ(bHabilitada, c.bHabilitada);
      EXPECT_EQ(strTexto, c.szTexto);
    }
    EXPECT_EQ(dlg.GetCheck1(), c.nCheck1);
  }
}

TEST_F(CDlgMsgCmTest, GradeMostraOsTextosComOsAlinhamentos) {
  std::vector<std::string> celulas;
  DWORD nAlinhaValor = 99;
  COLORREF nFundo = 0;
  HICON hIcone = nullptr;
  m_usuario.QuandoAbrir(kTitulo)
      .Confere([&](HWND h) {
        auto* pGrade = dynamic_cast<CGXGridCore*>(CWnd::FromHandlePermanent(GetDlgItem(h, CDlgMsgCm::IDC_GRADE)));
        ASSERT_NE(pGrade, nullptr);
        for (ROWCOL r = 0; r <= pGrade->GetRowCount(); ++r)
          for (ROWCOL col = 1; col <= pGrade->GetColCount(); ++col)
            celulas.push_back(pGrade->GetValueRowCol(r, col).GetString());
        CGXStyle estilo;
        pGrade->ComposeStyleRowCol(2, 2, &estilo);
        nAlinhaValor = estilo.GetHorizontalAlignment();
        nFundo = estilo.GetInterior();
        hIcone = reinterpret_cast<HICON>(SendMessage(GetDlgItem(h, CDlgMsgCm::IDC_ICONE), STM_GETICON, 0, 0));
      })
      .Clica(IDYES);
  CDlgMsgCm dlg(&m_pai);
  dlg.SetTitulo(kTitulo);
  dlg.SetIcon(IDI_QUESTION);
  Coluna(dlg, "Conta", 100, {"Material", "Serviços"});
  Coluna(dlg, "Valor", 80, {"10,00", "2.000,50"}, 2);
  EXPECT_EQ(dlg.DoModal(), IDYES);
  EXPECT_EQ(celulas, (std::vector<std::string>{"Conta", "Valor", "Material", "10,00", "Serviços", "2.000,50"}));
  EXPECT_EQ(nAlinhaValor, static_cast<DWORD>(DT_RIGHT));
  EXPECT_EQ(nFundo, GetSysColor(COLOR_BTNFACE)) << "as células na cor dos botões";
  EXPECT_EQ(hIcone, LoadIcon(nullptr, IDI_QUESTION));
}

TEST_F(CDlgMsgCmTest, IconePadraoEDeInformacao) {
  HICON hIcone = nullptr;
  m_usuario.QuandoAbrir(kTitulo)
      .Confere([&](HWND h) {
        hIcone = reinterpret_cast<HICON>(SendMessage(GetDlgItem(h, CDlgMsgCm::IDC_ICONE), STM_GETICON, 0, 0));
      })
      .Clica(IDNO);
  CDlgMsgCm dlg(&m_pai);
  dlg.SetTitulo(kTitulo);
  Coluna(dlg, "A", 100, {"a"});
  dlg.DoModal();
  EXPECT_EQ(GetSystemIconId(hIcone), 32516) << "IDI_INFORMATION";
}

TEST_F(CDlgMsgCmTest, FecharLimpaTextosEColunas) {
  for (int nBotao : {IDYES, IDNO}) {
    SCOPED_TRACE(nBotao);
    m_usuario.QuandoAbrir(kTitulo).Clica(nBotao);
    CDlgMsgCm dlg(&m_pai);
    dlg.SetTitulo(kTitulo);
    dlg.SetTextCheck1("Lembrar");
    Coluna(dlg, "A", 100, {"a", "b"});
    Coluna(dlg, "B", 100, {"c", "d"});
    EXPECT_EQ(dlg.GetQtdColuna(), 2);
    EXPECT_EQ(dlg.GetQtdLinhas(), 2);
    EXPECT_EQ(dlg.DoModal(), nBotao);
    EXPECT_EQ(dlg.GetQtdColuna(), 0);
    EXPECT_TRUE(LancaArgumentoInvalido([&] { dlg.GetQtdLinhas(); }));
    // Abre de novo: o título foi limpo, o texto da caixa ficou.
    std::string strTitulo = "?", strCaixa;
    m_usuario.QuandoAbrir("")
        .Confere([&](HWND h) {
          CString s;
          CWnd::FromHandle(h)->GetWindowText(s);
          strTitulo = s.GetString();
          CWnd::FromHandle(GetDlgItem(h, CDlgMsgCm::IDC_CHECK1))->GetWindowText(s);
          strCaixa = s.GetString();
        })
        .Clica(IDNO);
    Coluna(dlg, "A", 100, {"a"});
    EXPECT_EQ(dlg.DoModal(), IDNO);
    EXPECT_EQ(strTitulo, "");
    EXPECT_EQ(strCaixa, "Lembrar");
  }
}

TEST_F(CDlgMsgCmTest, SemColunasLancaSemDeixarJanelaNemRecurso) {
  const HINSTANCE hAntes = AfxGetResourceHandle();
  CDlgMsgCm dlg(&m_pai);
  dlg.SetTitulo(kTitulo);
  EXPECT_TRUE(LancaArgumentoInvalido([&] { dlg.DoModal(); }));
  EXPECT_EQ(dlg.m_hWnd, nullptr) << "a janela não ficou para trás";
  EXPECT_EQ(AfxGetResourceHandle(), hAntes);
  EXPECT_TRUE(IsWindowEnabled(m_pai.m_hWnd)) << "o pai voltou a ser habilitado";
  EXPECT_TRUE(m_usuario.Abertos().empty());
}

TEST_F(CDlgMsgCmTest, ExcecaoDeDentroDoDoModalDevolveORecurso) {
  const HINSTANCE hAntes = AfxGetResourceHandle();
  HINSTANCE hDurante = nullptr;
  m_usuario.QuandoAbrir(kTitulo).Confere([&](HWND) {
    hDurante = AfxGetResourceHandle();
    throw std::runtime_error("a tela falhou");
  });
  CDlgMsgCm dlg(&m_pai);
  dlg.SetTitulo(kTitulo);
  Coluna(dlg, "A", 100, {"a"});
  EXPECT_THROW(dlg.DoModal(), std::runtime_error);
  EXPECT_EQ(hDurante, vrmwnd::InstanciaModulo());
  EXPECT_EQ(AfxGetResourceHandle(), hAntes);
  EXPECT_EQ(dlg.m_hWnd, nullptr);
  EXPECT_TRUE(IsWindowEnabled(m_pai.m_hWnd));
}
