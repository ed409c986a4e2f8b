// Diálogos sem tela: o modelo em unidades de diálogo, o laço modal respondido pelo
// usuário roteirizado, Tab/Shift+Tab/Enter/Escape como no Windows, o estado das
// teclas Shift e Ctrl de cada lado, a reflexão dos mapas de mensagens e a troca
// do módulo de recursos.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "janelas_teste.h"
#include "vrmwnd/platform/afxctrl.h"
#include "vrmwnd/platform/msgbox_window.h"

using testing::ElementsAre;

namespace {

constexpr UINT IDD_TESTE = 9001;

const DLGTEMPLATEDESC kModelo = {
    "Teste",
    0,
    0,
    200,
    100,
    WS_POPUP | WS_CAPTION | DS_MODALFRAME,
    {
        {1001, "EDIT", "um", 10, 10, 80, 14, WS_VISIBLE | WS_TABSTOP | WS_BORDER},
        {1002, "STATIC", "rótulo", 10, 30, 80, 8, WS_VISIBLE},
        {1003, "EDIT", "", 10, 40, 80, 14, WS_VISIBLE | WS_TABSTOP | WS_DISABLED},
        {1004, "EDIT", "quatro", 10, 60, 80, 14, WS_VISIBLE | WS_TABSTOP},
        {IDOK, "BUTTON", "OK", 100, 80, 40, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {IDCANCEL, "BUTTON", "Cancelar", 150, 80, 40, 14, WS_VISIBLE | WS_TABSTOP},
    }};

class CDlgTeste : public CDialog {
 public:
  explicit CDlgTeste(CWnd* pPai) { InitModalIndirect(&kModelo, pPai); }
  CEdit m_edit;
  CString m_strQuatro;
  int m_nOk = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, 1001, m_edit);
    DDX_Text(pDX, 1004, m_strQuatro);
  }
  void OnOK() override {
    ++m_nOk;
    CDialog::OnOK();
  }
};

class DialogosTest : public testing::Test {
 protected:
  CPaiGravador m_pai;
  CUsuarioRoteirizado m_usuario;
};

int FocoNoDialogo(HWND hDialogo) { return GetDlgCtrlID(GetFocus()) * (IsChild(hDialogo, GetFocus()) ? 1 : -1); }

TEST_F(DialogosTest, TabPulaDesabilitadosESemTabstopEDaAVolta) {
  struct Caso {
    const char* szCaso;
    std::vector<std::pair<int, bool>> teclas;  // tecla, com Shift
    int nFoco;
  };
  const Caso kCasos[] = {
      {"abre no primeiro", {}, 1001},
      {"Tab pula o estático e o desabilitado", {{VK_TAB, false}}, 1004},
      {"Tab três vezes dá a volta", {{VK_TAB, false}, {VK_TAB, false}, {VK_TAB, false}, {VK_TAB, false}}, 1001},
      {"Shift+Tab do primeiro vai ao último", {{VK_TAB, true}}, IDCANCEL},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    int nFoco = 0;
    auto& roteiro = m_usuario.QuandoAbrir("Teste");
    for (auto [nTecla, bShift] : c.teclas) bShift ? roteiro.Tecla(nTecla, {VK_LSHIFT}) : roteiro.Tecla(nTecla);
    roteiro.Confere([&](HWND h) { nFoco = FocoNoDialogo(h); }).Tecla(VK_ESCAPE);
    CDlgTeste dlg(&m_pai);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(nFoco, c.nFoco);
  }
}

TEST_F(DialogosTest, EnterEEscapeComoNoWindows) {
  struct Caso {
    const char* szCaso;
    std::function<void(CRoteiro&)> roteiro;
    INT_PTR nResultado;
    int nOk;
  };
  const Caso kCasos[] = {
      {"Enter num edit aperta o botão padrão", [](CRoteiro& r) { r.Tecla(VK_RETURN); }, IDOK, 1},
      {"Enter com o foco em Cancelar aperta Cancelar",
       [](CRoteiro& r) { r.Tecla(VK_TAB, {VK_LSHIFT}).Tecla(VK_RETURN); }, IDCANCEL, 0},
      {"Escape cancela", [](CRoteiro& r) { r.Tecla(VK_ESCAPE); }, IDCANCEL, 0},
      {"clicar em OK", [](CRoteiro& r) { r.Clica(IDOK); }, IDOK, 1},
      {"Enter com OK desabilitado não faz nada",
       [](CRoteiro& r) {
         r.Confere([](HWND h) { EnableWindow(GetDlgItem(h, IDOK), FALSE); }).Tecla(VK_RETURN).Tecla(VK_ESCAPE);
       },
       IDCANCEL, 0},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    c.roteiro(m_usuario.QuandoAbrir("Teste"));
    CDlgTeste dlg(&m_pai);
    EXPECT_EQ(dlg.DoModal(), c.nResultado);
    EXPECT_EQ(dlg.m_nOk, c.nOk);
  }
}

TEST_F(DialogosTest, ModalDesabilitaODonoETrocaDadosNoOK) {
  bool bDonoHabilitado = true;
  DWORD nSelecao = 0;
  m_usuario.QuandoAbrir("Teste")
      .Confere([&](HWND h) {
        bDonoHabilitado = IsWindowEnabled(m_pai.m_hWnd);
        nSelecao = static_cast<DWORD>(SendMessageA(GetDlgItem(h, 1001), EM_GETSEL, 0, 0));
      })
      .Digita(1004, "!")
      .Tecla(VK_RETURN);
  CDlgTeste dlg(&m_pai);
  dlg.m_strQuatro = "4";
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_FALSE(bDonoHabilitado);
  EXPECT_EQ(nSelecao, static_cast<DWORD>(MAKELONG(0, 2))) << "o primeiro edit abre com o texto selecionado";
  EXPECT_EQ(dlg.m_strQuatro, "4!");
  EXPECT_TRUE(IsWindowEnabled(m_pai.m_hWnd));
  EXPECT_EQ(dlg.m_hWnd, nullptr);
  EXPECT_EQ(dlg.m_edit.m_hWnd, nullptr) << "o controle se solta com a janela";
  EXPECT_THAT(m_usuario.Abertos(), ElementsAre("Teste"));
}

TEST_F(DialogosTest, SemRespostaOuSemModeloDevolveMenosUm) {
  CDialog sem(IDD_TESTE, &m_pai);
  EXPECT_EQ(sem.DoModal(), -1) << "nenhum módulo tem o modelo";
  m_usuario.QuandoAbrir("Teste").Tecla(VK_ESCAPE);
  HINSTANCE hModulo = AfxRegisterModule("C:\\Programas\\Teste.DLL");
  AfxRegisterDialogTemplate(hModulo, IDD_TESTE, kModelo);
  EXPECT_EQ(GetModuleHandleA("teste.dll"), hModulo);
  EXPECT_EQ(GetModuleHandleA("outro.dll"), nullptr);
  CDialog achado(IDD_TESTE, &m_pai);
  EXPECT_EQ(achado.DoModal(), IDCANCEL) << "o modelo vem da cadeia de recursos";
}

TEST_F(DialogosTest, ModeloEmUnidadesDeDialogo) {
  constexpr struct {
    LONG x, y, px, py;
  } kCasos[] = {{4, 8, 6, 13}, {14, 14, 21, 23}, {200, 100, 300, 163}, {1, 1, 2, 2}};
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    RECT r{0, 0, c.x, c.y};
    MapDialogRect(m_pai.m_hWnd, &r);
    EXPECT_EQ(r.right, c.px);
    EXPECT_EQ(r.bottom, c.py);
  }
  CRect rCliente, rEdit;
  m_usuario.QuandoAbrir("Teste")
      .Confere([&](HWND h) {
        GetClientRect(h, &rCliente);
        GetWindowRect(GetDlgItem(h, 1004), &rEdit);
        POINT p{rEdit.left, rEdit.top};
        ScreenToClient(h, &p);
        rEdit = CRect(p.x, p.y, p.x + rEdit.Width(), p.y + rEdit.Height());
      })
      .Tecla(VK_ESCAPE);
  CDlgTeste dlg(&m_pai);
  dlg.DoModal();
  EXPECT_EQ(rCliente, CRect(0, 0, 300, 163));
  EXPECT_EQ(rEdit, CRect(15, 98, 135, 120)) << "arredonda cada borda: 97,5 -> 98 e 120,25 -> 120";
  CClientDC dc(&m_pai);
  EXPECT_EQ(dc.GetTextExtent("ação"), CSize(24, 13)) << "6 pixels por caractere, não por byte";
}

TEST_F(DialogosTest, GetKeyStateDistingueOsLados) {
  struct Caso {
    int nModificador;
    SHORT nShift, nControl, nLShift, nRShift, nLControl, nRControl;
  };
  constexpr SHORT D = static_cast<SHORT>(0x8000);
  const Caso kCasos[] = {
      {VK_LSHIFT, D, 0, D, 0, 0, 0},
      {VK_RSHIFT, D, 0, 0, D, 0, 0},
      {VK_LCONTROL, 0, D, 0, 0, D, 0},
      {VK_RCONTROL, 0, D, 0, 0, 0, D},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.nModificador);
    std::vector<SHORT> estado;
    m_pai.SetFocus();
    InputKey('A', {c.nModificador});
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_KEYDOWN && msg.wParam == 'A') {
        for (int vk : {VK_SHIFT, VK_CONTROL, VK_LSHIFT, VK_RSHIFT, VK_LCONTROL, VK_RCONTROL})
          estado.push_back(static_cast<SHORT>(GetKeyState(vk) & 0x8000));
      }
    }
    EXPECT_THAT(estado, ElementsAre(c.nShift, c.nControl, c.nLShift, c.nRShift, c.nLControl, c.nRControl));
    EXPECT_EQ(GetKeyState(VK_SHIFT) & 0x8000, 0) << "solta depois da tecla";
  }
}

// Edit com reflexão configurável, para ver quem ouve a notificação.
class CEditRefletido : public CEdit {
 public:
  BOOL m_bConsome = FALSE;
  int m_nVistas = 0;

 protected:
  BOOL OnMudou() {
    ++m_nVistas;
    return m_bConsome;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CEditRefletido, CEdit)
ON_CONTROL_REFLECT_EX(EN_CHANGE, &CEditRefletido::OnMudou)
END_MESSAGE_MAP()

TEST_F(DialogosTest, ReflexaoTRUEConsomeFALSEDeixaOPaiOuvir) {
  for (BOOL bConsome : {TRUE, FALSE}) {
    SCOPED_TRACE(bConsome);
    CEditRefletido edit;
    edit.Create(WS_VISIBLE, CRect(0, 0, 50, 20), &m_pai, 77);
    edit.m_bConsome = bConsome;
    m_pai.Limpa();
    edit.SetWindowText("x");
    EXPECT_EQ(edit.m_nVistas, 1) << "o controle vê primeiro";
    std::vector<std::string> esperadas = {"EN_UPDATE"};
    if (!bConsome) esperadas.push_back("EN_CHANGE");
    EXPECT_EQ(m_pai.Codigos(), esperadas);
    EXPECT_TRUE(edit.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_FALSE(edit.IsKindOf(RUNTIME_CLASS(CComboBox)));
  }
}

}  // namespace

namespace {

TEST_F(DialogosTest, CaixaDeMensagemEUmaJanelaRespondidaPeloUsuario) {
  struct Caso {
    const char* szCaso;
    UINT nEstilo;
    std::function<void(CRoteiro&)> roteiro;
    int nResposta;
  };
  const Caso kCasos[] = {
      {"Enter responde o botão padrão", MB_YESNO | MB_DEFBUTTON2, [](CRoteiro& r) { r.Tecla(VK_RETURN); }, IDNO},
      {"Escape sem Cancelar não faz nada", MB_YESNO, [](CRoteiro& r) { r.Tecla(VK_ESCAPE).Clica(IDYES); }, IDYES},
      {"Escape numa caixa só com OK responde OK", MB_OK, [](CRoteiro& r) { r.Tecla(VK_ESCAPE); }, IDOK},
      {"Escape com Cancelar cancela", MB_YESNOCANCEL, [](CRoteiro& r) { r.Tecla(VK_ESCAPE); }, IDCANCEL},
      {"Tab leva ao próximo botão", MB_ABORTRETRYIGNORE | MB_DEFBUTTON2,
       [](CRoteiro& r) { r.Tecla(VK_TAB).Tecla(VK_RETURN); }, IDIGNORE},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    std::string strTexto;
    int nFoco = 0;
    auto& roteiro = m_usuario.QuandoAbrir("Compras").Confere([&](HWND h) {
      char sz[64];
      GetDlgItemTextA(h, kMessageBoxTextId, sz, sizeof sz);
      strTexto = sz;
      nFoco = GetDlgCtrlID(GetFocus());
    });
    c.roteiro(roteiro);
    EXPECT_EQ(MessageBox(m_pai.m_hWnd, "Gravar o pedido?", "Compras", c.nEstilo), c.nResposta);
    EXPECT_EQ(strTexto, "Gravar o pedido?") << "o texto é lido da janela";
    EXPECT_EQ(nFoco, DefaultMessageBoxButton(c.nEstilo)) << "o foco começa no botão padrão";
  }
}

TEST_F(DialogosTest, CaixaDeMensagemMostraOIconeDasFlagsAntesDoTexto) {
  const struct {
    UINT nEstilo;
    LRESULT nIcone;  // 0: sem ícone
  } kCasos[] = {{MB_OK, 0}, {MB_YESNO | MB_ICONQUESTION, MB_ICONQUESTION}, {MB_OK | MB_ICONERROR, MB_ICONERROR}};
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.nEstilo);
    LRESULT nIcone = -1;
    RECT texto{};
    m_usuario.QuandoAbrir("Compras")
        .Confere([&](HWND h) {
          HWND hIcone = GetDlgItem(h, kMessageBoxIconId);
          nIcone = hIcone ? SendMessageA(hIcone, STM_GETICON, 0, 0) : 0;
          GetWindowRect(GetDlgItem(h, kMessageBoxTextId), &texto);
          ScreenToClient(h, reinterpret_cast<POINT*>(&texto));
        })
        .Tecla(VK_RETURN);
    MessageBox(m_pai.m_hWnd, "Gravar?", "Compras", c.nEstilo);
    EXPECT_EQ(nIcone, c.nIcone);
    EXPECT_EQ(texto.left > 20, c.nIcone != 0) << "o texto fica à direita do ícone";
  }
}

// Um diálogo cujo primeiro edit avisa numa caixa quando o deixam com "99", como um
// edit de consulta que recusa o código.
class CDlgAvisaAoSair : public CDlgTeste {
 public:
  using CDlgTeste::CDlgTeste;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (LOWORD(wParam) == 1001 && HIWORD(wParam) == EN_KILLFOCUS && m_edit.m_hWnd != nullptr) {
      CString strTexto;
      m_edit.GetWindowText(strTexto);
      if (strTexto == "99") ::MessageBoxA(m_hWnd, "Código não encontrado.", "Aviso", MB_OK);
    }
    return CDlgTeste::OnCommand(wParam, lParam);
  }
};

// Respondida a caixa (aberta ao sair do campo ou por cima do diálogo), o foco volta
// ao controle que o tinha e a próxima tecla chega a ele.
TEST_F(DialogosTest, DepoisDaCaixaOFocoVoltaAoControleQueOTinha) {
  const struct {
    const char* szCaso;
    std::function<void(CRoteiro&)> abreCaixa;
    int nFoco;
    const char* szTexto;
  } kCasos[] = {
      {"caixa ao sair do campo", [](CRoteiro& r) { r.Escreve("99").Tecla(VK_TAB); }, 1004, "x"},
      {"caixa por cima do diálogo",
       [](CRoteiro& r) { r.Confere([](HWND h) { ::MessageBoxA(h, "Pedido gravado.", "Aviso", MB_OK); }); }, 1001, "x"},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    int nFoco = 0;
    std::string strTexto;
    m_usuario.QuandoAbrir("Aviso").Tecla(VK_RETURN);
    CRoteiro& roteiro = m_usuario.QuandoAbrir("Teste");
    c.abreCaixa(roteiro);
    roteiro.Escreve("x")
        .Confere([&](HWND h) {
          nFoco = FocoNoDialogo(h);
          char sz[32] = "";
          GetDlgItemTextA(h, c.nFoco, sz, sizeof sz);
          strTexto = sz;
        })
        .Tecla(VK_ESCAPE);
    CDlgAvisaAoSair dlg(&m_pai);
    dlg.m_strQuatro = "4";
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(nFoco, c.nFoco);
    EXPECT_EQ(strTexto, c.szTexto);
  }
  EXPECT_THAT(m_usuario.Abertos(), ElementsAre("Teste", "Aviso", "Teste", "Teste", "Aviso", "Teste"));
}

}  // namespace
