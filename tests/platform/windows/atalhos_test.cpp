// O teclado com Alt e os atalhos dos diálogos: Alt+letra chega como WM_SYSKEYDOWN e
// WM_SYSCHAR, o gerenciador de diálogo leva o foco ao controle depois do rótulo que
// marca a letra com & ou clica no botão; as janelas de topo na ordem Z, a roda do
// mouse e o agente que mostra as janelas quando a fila esvazia.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "janelas_teste.h"
#include "vrmwnd/platform/afxctrl.h"

using testing::ElementsAre;

namespace {

const DLGTEMPLATEDESC kModelo = {
    "Atalhos",
    0,
    0,
    200,
    100,
    WS_POPUP | WS_CAPTION | DS_MODALFRAME,
    {
        {1001, "STATIC", "&Código:", 5, 5, 40, 8, WS_VISIBLE},
        {1002, "EDIT", "", 50, 5, 60, 12, WS_VISIBLE | WS_TABSTOP},
        {1003, "STATIC", "&Descrição:", 5, 20, 40, 8, WS_VISIBLE},
        {1004, "EDIT", "", 50, 20, 60, 12, WS_VISIBLE | WS_TABSTOP},
        {1005, "BUTTON", "&Ativo", 5, 35, 60, 10, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX},
        {1006, "STATIC", "Sem && atalho", 5, 50, 60, 8, WS_VISIBLE},
        {1007, "BUTTON", "A&ção", 5, 60, 60, 10, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX},
        {IDOK, "BUTTON", "&Gravar", 100, 80, 40, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {IDCANCEL, "BUTTON", "Cancelar", 150, 80, 40, 14, WS_VISIBLE | WS_TABSTOP},
    }};

class CDlgAtalhos : public CDialog {
 public:
  CDlgAtalhos() { InitModalIndirect(&kModelo, nullptr); }
  bool m_bAtivoNoOK = false;

 protected:
  void OnOK() override {
    m_bAtivoNoOK = IsDlgButtonChecked(1005) == BST_CHECKED;
    CDialog::OnOK();
  }
};

class AtalhosTest : public testing::Test {
 protected:
  CUsuarioRoteirizado m_usuario;
};

}  // namespace

TEST_F(AtalhosTest, AltComLetraLevaAoControleDoRotuloOuClicaNoBotao) {
  struct Caso {
    const char* szCaso;
    std::function<void(CRoteiro&)> roteiro;
    int nFoco;    // controle com o foco no fim
    bool bAtivo;  // a caixa &Ativo marcada
    INT_PTR nResultado;
  };
  const Caso kCasos[] = {
      {"Alt+D vai ao edit depois do rótulo", [](CRoteiro& r) { r.Tecla('D', {VK_LMENU}); }, 1004, false, IDCANCEL},
      {"Alt+C volta ao primeiro", [](CRoteiro& r) { r.Tecla('D', {VK_LMENU}).Tecla('C', {VK_LMENU}); }, 1002, false,
       IDCANCEL},
      {"Alt+A marca a caixa e lhe dá o foco", [](CRoteiro& r) { r.Tecla('A', {VK_LMENU}); }, 1005, true, IDCANCEL},
      {"com Shift vale a mesma letra",
       [](CRoteiro& r) {
         r.Tecla('A', {VK_LMENU, VK_LSHIFT});
       },
       1005, true, IDCANCEL},
      {"Alt+letra que ninguém marca não faz nada", [](CRoteiro& r) { r.Tecla('Z', {VK_LMENU}); }, 1002, false,
       IDCANCEL},
      {"letra sem Alt num botão é o atalho", [](CRoteiro& r) { r.Tecla('A', {VK_LMENU}).Tecla('G'); }, 1005, true,
       IDOK},
      {"letra sem Alt num edit é texto", [](CRoteiro& r) { r.Tecla('G'); }, 1002, false, IDCANCEL},
      {"Ctrl+Alt não é atalho",
       [](CRoteiro& r) {
         r.Tecla('D', {VK_LCONTROL, VK_LMENU});
       },
       1002, false, IDCANCEL},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    int nFoco = 0;
    bool bAtivo = false;
    auto& r = m_usuario.QuandoAbrir("Atalhos");
    c.roteiro(r);
    if (c.nResultado == IDCANCEL) {
      r.Confere([&](HWND h) {
         nFoco = GetDlgCtrlID(GetFocus());
         bAtivo = SendMessageA(GetDlgItem(h, 1005), BM_GETCHECK, 0, 0) == BST_CHECKED;
       }).Tecla(VK_ESCAPE);
    }
    CDlgAtalhos dlg;
    EXPECT_EQ(dlg.DoModal(), c.nResultado);
    if (c.nResultado == IDOK) bAtivo = dlg.m_bAtivoNoOK;
    if (c.nResultado == IDCANCEL) {
      EXPECT_EQ(nFoco, c.nFoco);
    }
    EXPECT_EQ(bAtivo, c.bAtivo);
  }
}

TEST_F(AtalhosTest, AtalhoComAcentoEEComercialDobrado) {
  int nFoco = 0;
  m_usuario.QuandoAbrir("Atalhos")
      .Confere([](HWND) { InputText("ç"); })  // sem Alt o edit recebe o texto
      .Confere([](HWND h) {
        // O WM_SYSCHAR que o teclado daria para Alt+Ç.
        PostMessageA(GetDlgItem(h, 1002), WM_SYSCHAR, 0xC7, 0);
      })
      .Confere([&](HWND) { nFoco = GetDlgCtrlID(GetFocus()); })
      .Tecla(VK_ESCAPE);
  CDlgAtalhos dlg;
  dlg.DoModal();
  EXPECT_EQ(nFoco, 1007) << "Ç e ç são a mesma letra; && não marca nada";
}

TEST_F(AtalhosTest, AltChegaComoTeclaDeSistema) {
  CWnd janela;
  janela.CreateEx(0, nullptr, "", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 10, 10), nullptr, 0);
  janela.SetFocus();
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {  // o que sobrou de outros testes
  }
  InputKey('F', {VK_LMENU});
  std::vector<std::pair<UINT, WPARAM>> vistas;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    vistas.emplace_back(msg.message, msg.wParam);
    TranslateMessage(&msg);
  }
  EXPECT_THAT(vistas,
              ElementsAre(std::pair<UINT, WPARAM>{WM_SYSKEYDOWN, VK_MENU}, std::pair<UINT, WPARAM>{WM_SYSKEYDOWN, 'F'},
                          std::pair<UINT, WPARAM>{WM_SYSCHAR, 'f'}, std::pair<UINT, WPARAM>{WM_SYSKEYUP, 'F'},
                          std::pair<UINT, WPARAM>{WM_KEYUP, VK_MENU}));
}

TEST_F(AtalhosTest, JanelasDeTopoDaUltimaCriadaParaAPrimeira) {
  CWnd a, b, filha;
  a.CreateEx(0, nullptr, "a", WS_OVERLAPPED, CRect(0, 0, 10, 10), nullptr, 0);
  b.CreateEx(0, nullptr, "b", WS_POPUP, CRect(0, 0, 10, 10), &a, 0);
  filha.CreateEx(0, nullptr, "filha", WS_CHILD, CRect(0, 0, 5, 5), &a, 1);
  std::vector<HWND> vistas;
  EnumWindows(
      [](HWND h, LPARAM p) {
        reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&vistas));
  auto pos = [&](HWND h) { return std::find(vistas.begin(), vistas.end(), h) - vistas.begin(); };
  EXPECT_LT(pos(b.m_hWnd), pos(a.m_hWnd)) << "a possuída, criada depois, fica por cima";
  EXPECT_EQ(pos(filha.m_hWnd), static_cast<long>(vistas.size())) << "filhas não são de topo";
  int nVistas = 0;
  EnumWindows([](HWND, LPARAM p) { return ++*reinterpret_cast<int*>(p) < 1 ? TRUE : FALSE; },
              reinterpret_cast<LPARAM>(&nVistas));
  EXPECT_EQ(nVistas, 1) << "FALSE para a enumeração";
}

// Agente que conta quantas vezes a fila vazia o deixou mostrar as janelas.
class CAgenteQueMostra : public IUserAgent {
 public:
  bool Act(HWND) override { return false; }
  void Refresh() override {
    ++m_nMostras;
    if (m_bPostaTecla) {
      m_bPostaTecla = false;
      InputKey(VK_ESCAPE);
    }
  }
  int m_nMostras = 0;
  bool m_bPostaTecla = false;
};

TEST_F(AtalhosTest, FilaVaziaNoPeekMessageDeixaOAgenteMostrarEEntregar) {
  CAgenteQueMostra agente;
  IUserAgent* pAnterior = SetUserAgent(&agente);
  MSG msg;
  PostMessageA(nullptr, WM_USER, 0, 0);
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(agente.m_nMostras, 0) << "com mensagem na fila não mostra";
  agente.m_bPostaTecla = true;
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) << "a tecla que o agente já tinha sai na mesma hora";
  EXPECT_EQ(agente.m_nMostras, 1);
  EXPECT_EQ(msg.message, WM_KEYDOWN);
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
  EXPECT_EQ(agente.m_nMostras, 2) << "a fila vazia de novo";
  SetUserAgent(pAnterior);
}
