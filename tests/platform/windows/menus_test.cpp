// Menus: os itens e seus estados, o menu do recurso do módulo, e o menu de contexto
// que a pessoa abre com o botão direito, Shift+F10 ou a tecla de menu, percorre com
// o teclado ou o mouse e fecha com Escape, com as marcas postas pelos tratadores
// ON_UPDATE_COMMAND_UI da janela dona antes de cada popup abrir.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "janelas_teste.h"
#include "vrmwnd/platform/afxcmdui.h"
#include "vrmwnd/platform/afxmenu.h"
#include "vrmwnd/platform/resources.h"

namespace {

enum { IDC_TEXTO = 10, IDC_BOTAO = 11 };
enum : UINT { ID_ABRIR = 100, ID_SALVAR = 101, ID_CINZA = 102, ID_SUB_A = 200, ID_SUB_B = 201, IDR_MENU = 1001 };

std::vector<std::string> Textos(HMENU hMenu) {
  std::vector<std::string> textos;
  for (int i = 0; i < GetMenuItemCount(hMenu); ++i) {
    char sz[64] = "";
    GetMenuStringA(hMenu, static_cast<UINT>(i), sz, sizeof sz, MF_BYPOSITION);
    textos.push_back(sz);
  }
  return textos;
}

TEST(MenuTest, ItensPorPosicaoEPorComandoInclusiveNoSubmenu) {
  HMENU hMenu = CreatePopupMenu();
  HMENU hSub = CreatePopupMenu();
  ASSERT_TRUE(AppendMenuA(hSub, MF_STRING, ID_SUB_A, "Sub &A"));
  ASSERT_TRUE(AppendMenuA(hMenu, MF_STRING, ID_ABRIR, "&Abrir"));
  ASSERT_TRUE(AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr));
  ASSERT_TRUE(AppendMenuA(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hSub), "Mais"));
  ASSERT_TRUE(InsertMenuA(hMenu, ID_ABRIR, MF_BYCOMMAND, ID_SALVAR, "Salvar"));
  ASSERT_TRUE(InsertMenuA(hMenu, 2, MF_BYPOSITION | MF_GRAYED, ID_CINZA, "Cinza"));
  EXPECT_FALSE(InsertMenuA(hMenu, 999, MF_BYCOMMAND, ID_SUB_B, "x")) << "comando que não existe";
  EXPECT_EQ(Textos(hMenu), (std::vector<std::string>{"Salvar", "&Abrir", "Cinza", "", "Mais"}));

  const struct {
    int nPosicao;
    UINT nId;
  } kIds[] = {{0, ID_SALVAR}, {2, ID_CINZA}, {3, 0}, {4, 0xFFFFFFFF}, {5, 0xFFFFFFFF}, {-1, 0xFFFFFFFF}};
  for (const auto& c : kIds) EXPECT_EQ(GetMenuItemID(hMenu, c.nPosicao), c.nId) << c.nPosicao;
  EXPECT_EQ(GetSubMenu(hMenu, 4), hSub);
  EXPECT_EQ(GetSubMenu(hMenu, 0), nullptr);

  const struct {
    UINT nItem, nFlags;
    DWORD nAnterior;
  } kMarcas[] = {
      {ID_SUB_A, MF_BYCOMMAND | MF_CHECKED, MF_UNCHECKED},  // achado no submenu
      {ID_SUB_A, MF_BYCOMMAND | MF_UNCHECKED, MF_CHECKED}, {1, MF_BYPOSITION | MF_CHECKED, MF_UNCHECKED},
      {ID_ABRIR, MF_BYCOMMAND | MF_CHECKED, MF_CHECKED},   {ID_SUB_B, MF_BYCOMMAND | MF_CHECKED, 0xFFFFFFFF},
      {9, MF_BYPOSITION | MF_CHECKED, 0xFFFFFFFF},
  };
  for (const auto& c : kMarcas) EXPECT_EQ(CheckMenuItem(hMenu, c.nItem, c.nFlags), c.nAnterior) << c.nItem;
  EXPECT_EQ(EnableMenuItem(hMenu, ID_CINZA, MF_BYCOMMAND | MF_ENABLED), static_cast<BOOL>(MF_GRAYED));
  EXPECT_EQ(EnableMenuItem(hMenu, ID_CINZA, MF_BYCOMMAND | MF_DISABLED), static_cast<BOOL>(MF_ENABLED));
  EXPECT_EQ(GetMenuState(hMenu, ID_CINZA, MF_BYCOMMAND), MF_DISABLED);
  EXPECT_EQ(GetMenuState(hMenu, 4, MF_BYPOSITION), (1u << 8) | MF_POPUP) << "um item no submenu";

  EXPECT_TRUE(DeleteMenu(hMenu, 4, MF_BYPOSITION));
  EXPECT_FALSE(IsMenu(hSub)) << "o submenu vai com o item";
  EXPECT_TRUE(DestroyMenu(hMenu));
  EXPECT_FALSE(IsMenu(hMenu));
  EXPECT_FALSE(DestroyMenu(hMenu));
  EXPECT_EQ(GetMenuItemCount(hMenu), -1);
}

TEST(MenuTest, TextoMostradoSemOMnemonico) {
  const struct {
    const char* szTexto;
    const char* szMostrado;
  } kCasos[] = {{"&Abrir", "Abrir"}, {"Salvar &como", "Salvar como"}, {"A && B", "A & B"}, {"Fim&", "Fim&"}};
  for (const auto& c : kCasos) EXPECT_EQ(MenuTextShown(c.szTexto), c.szMostrado);
}

TEST(MenuTest, RecursoDoModuloPelaCadeiaOuSoDoModulo) {
  HINSTANCE hModulo = AfxRegisterModule("menus_teste.dll");
  AfxRegisterMenuTemplate(hModulo, IDR_MENU, {{{MF_POPUP, 0, "Totalizar", {{MF_STRING, 39999, "Totalizar", {}}}}}});
  HMENU hDoModulo = LoadMenuA(hModulo, MAKEINTRESOURCE(IDR_MENU));
  ASSERT_NE(hDoModulo, nullptr);
  HMENU hPopup = GetSubMenu(hDoModulo, 0);
  EXPECT_EQ(Textos(hPopup), (std::vector<std::string>{"Totalizar"}));
  EXPECT_EQ(GetMenuItemID(hPopup, 0), 39999u);
  DestroyMenu(hDoModulo);

  SetLastError(0);
  EXPECT_EQ(LoadMenuA(AfxGetInstanceHandle(), MAKEINTRESOURCE(IDR_MENU)), nullptr) << "o programa não tem o menu";
  EXPECT_EQ(GetLastError(), 1814u);

  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDR_MENU)) << "a cadeia de recursos acha o menu do módulo";
  EXPECT_EQ(menu.GetSubMenu(0)->GetMenuItemID(0), 39999u);
  CMenu outro;
  EXPECT_FALSE(outro.LoadMenu(4242));
}

// Um diálogo cujo texto abre, com o menu de contexto, "Abrir", "Cinza" (acinzentado),
// o submenu "Mais" (com "Sub A" marcado pelo tratador) e "Salvar".
const DLGTEMPLATEDESC kModelo = {"Com menu",
                                 0,
                                 0,
                                 200,
                                 60,
                                 WS_POPUP | WS_CAPTION | DS_MODALFRAME,
                                 {
                                     {IDC_TEXTO, "EDIT", "", 5, 5, 80, 12, WS_VISIBLE | WS_TABSTOP | WS_BORDER},
                                     {IDC_BOTAO, "BUTTON", "Ok", 90, 5, 50, 14, WS_VISIBLE | WS_TABSTOP},
                                 }};

class CDlgMenu : public CDialog {
 public:
  explicit CDlgMenu(bool bRetornaComando = false) : m_bRetornaComando(bRetornaComando) { InitModalIndirect(&kModelo); }
  std::vector<UINT> m_comandos;
  std::vector<int> m_pedidos;  // o controle de cada WM_CONTEXTMENU
  CPoint m_ponto{0, 0};
  bool m_bMarcaSubA = true;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (lParam == 0 && LOWORD(wParam) >= ID_ABRIR) {
      m_comandos.push_back(LOWORD(wParam));
      return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
  }
  void OnContextMenu(CWnd* pWnd, CPoint ponto) {
    m_pedidos.push_back(pWnd ? pWnd->GetDlgCtrlID() : 0);
    m_ponto = ponto;
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_ABRIR, "&Abrir");
    menu.AppendMenu(MF_STRING | MF_GRAYED, ID_CINZA, "Cinza");
    CMenu sub;
    sub.CreatePopupMenu();
    sub.AppendMenu(MF_STRING, ID_SUB_A, "Sub A");
    sub.AppendMenu(MF_SEPARATOR);
    sub.AppendMenu(MF_STRING, ID_SUB_B, "Sub B");
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.Detach()), "Mais");
    menu.AppendMenu(MF_STRING, ID_SALVAR, "&Salvar");
    const BOOL nResultado =
        menu.TrackPopupMenu(TPM_RIGHTBUTTON | (m_bRetornaComando ? TPM_RETURNCMD : 0), ponto.x, ponto.y, this);
    if (m_bRetornaComando && nResultado != 0) m_comandos.push_back(1000 + static_cast<UINT>(nResultado));
  }
  void OnUpdateSubA(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bMarcaSubA); }

 private:
  bool m_bRetornaComando;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDlgMenu, CDialog)
ON_WM_CONTEXTMENU()
ON_UPDATE_COMMAND_UI(ID_SUB_A, &CDlgMenu::OnUpdateSubA)
END_MESSAGE_MAP()

struct TCasoMenu {
  const char* szNome;
  std::function<void(CRoteiro&)> acoes;
  std::vector<UINT> comandos;
};

TEST(MenuDeContextoTest, APessoaEscolheOuDesisteComoNoWindows) {
  const TCasoMenu kCasos[] = {
      {"clique no item", [](CRoteiro& r) { r.ClicaDireito(IDC_TEXTO).EscolheMenu("Abrir"); }, {ID_ABRIR}},
      {"submenu pelo mouse",
       [](CRoteiro& r) { r.ClicaDireito(IDC_TEXTO).EscolheMenu("Mais").EscolheMenu("Sub B"); },
       {ID_SUB_B}},
      {"item cinza não escolhe",
       [](CRoteiro& r) { r.ClicaDireito(IDC_TEXTO).EscolheMenu("Cinza").Tecla(VK_ESCAPE); },
       {}},
      {"Escape desiste", [](CRoteiro& r) { r.ClicaDireito(IDC_BOTAO).Tecla(VK_ESCAPE); }, {}},
      {"setas pulam o separador e Enter escolhe",
       [](CRoteiro& r) {
         r.ClicaDireito(IDC_TEXTO).Tecla(VK_DOWN).Tecla(VK_DOWN).Tecla(VK_DOWN).Tecla(VK_RIGHT).Tecla(VK_DOWN).Tecla(
             VK_DOWN);
         r.Tecla(VK_RETURN);
       },
       {ID_SUB_B}},
      {"Esquerda e Escape fecham um nível por vez",
       [](CRoteiro& r) {
         r.ClicaDireito(IDC_TEXTO).EscolheMenu("Mais").Tecla(VK_LEFT).EscolheMenu("Salvar");
         r.ClicaDireito(IDC_TEXTO).EscolheMenu("Mais").Tecla(VK_ESCAPE).Tecla(VK_ESCAPE);
       },
       {ID_SALVAR}},
      {"mnemônico", [](CRoteiro& r) { r.ClicaDireito(IDC_TEXTO).Escreve("s"); }, {ID_SALVAR}},
      {"clique fora desiste", [](CRoteiro& r) { r.ClicaDireito(IDC_TEXTO).Clica(IDC_BOTAO); }, {}},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szNome);
    std::vector<std::string> falhas;
    {
      ScriptedUser usuario([&](const std::string& f) { falhas.push_back(f); });
      CRoteiro roteiro(usuario.WhenOpened("Com menu"));
      c.acoes(roteiro);
      roteiro.Tecla(VK_ESCAPE);
      CDlgMenu dlg;
      EXPECT_EQ(dlg.DoModal(), IDCANCEL);
      EXPECT_EQ(dlg.m_comandos, c.comandos);
      EXPECT_EQ(usuario.Opened(), (std::vector<std::string>{"Com menu"})) << "o menu não é um diálogo aberto";
    }
    EXPECT_TRUE(falhas.empty()) << falhas.front();
  }
}

TEST(MenuDeContextoTest, PedidoPeloTecladoVaiAoPaiSemPonto) {
  const struct {
    int nTecla;
    std::initializer_list<int> modificadores;
  } kTeclas[] = {{VK_F10, {VK_LSHIFT}}, {VK_APPS, {}}};
  for (const auto& c : kTeclas) {
    SCOPED_TRACE(c.nTecla);
    CUsuarioRoteirizado usuario;
    usuario.QuandoAbrir("Com menu")
        .Clica(IDC_TEXTO)
        .Tecla(c.nTecla, c.modificadores)
        .EscolheMenu("Abrir")
        .Tecla(VK_ESCAPE);
    CDlgMenu dlg;
    dlg.DoModal();
    EXPECT_EQ(dlg.m_pedidos, (std::vector<int>{IDC_TEXTO})) << "o edit não trata: o pedido sobe ao diálogo";
    EXPECT_EQ(dlg.m_ponto.x, -1);
    EXPECT_EQ(dlg.m_ponto.y, -1);
    EXPECT_EQ(dlg.m_comandos, (std::vector<UINT>{ID_ABRIR}));
  }
}

TEST(MenuDeContextoTest, MarcaDoTratadorAntesDeAbrirERetornoDoComando) {
  for (bool bMarca : {true, false}) {
    CUsuarioRoteirizado usuario;
    UINT nEstado = 0;
    usuario.QuandoAbrir("Com menu")
        .ClicaDireito(IDC_TEXTO)
        .EscolheMenu("Mais")
        .Confere([&](HWND hMenu) {
          nEstado =
              GetMenuState(reinterpret_cast<HMENU>(SendMessageA(hMenu, MN_GETHMENU, 0, 0)), ID_SUB_A, MF_BYCOMMAND);
        })
        .EscolheMenu("Sub A")
        .Tecla(VK_ESCAPE);
    CDlgMenu dlg(true);
    dlg.m_bMarcaSubA = bMarca;
    dlg.DoModal();
    EXPECT_EQ((nEstado & MF_CHECKED) != 0, bMarca);
    EXPECT_EQ(dlg.m_comandos, (std::vector<UINT>{1000 + ID_SUB_A})) << "TPM_RETURNCMD devolve sem WM_COMMAND";
  }
}

}  // namespace

namespace {

// O item realçado de cada popup aberto, do de fora para o de dentro ("" sem realce),
// como o desenho do menu o lê: pelo estado MF_HILITE do item.
std::vector<std::string> Realcados() {
  std::vector<HWND> popups;
  EnumWindows(
      [](HWND h, LPARAM p) {
        char szClasse[16] = "";
        GetClassNameA(h, szClasse, sizeof szClasse);
        if (std::string(szClasse) == kMenuWindowClass) reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&popups));
  std::vector<std::string> realcados;
  for (auto it = popups.rbegin(); it != popups.rend(); ++it) {
    HMENU hMenu = reinterpret_cast<HMENU>(SendMessageA(*it, MN_GETHMENU, 0, 0));
    std::string strRealcado;
    for (int i = 0; i < GetMenuItemCount(hMenu); ++i) {
      MENUITEMINFOA info;
      info.fMask = MIIM_STATE;
      GetMenuItemInfoA(hMenu, static_cast<UINT>(i), TRUE, &info);
      const bool bPeloEstado = (GetMenuState(hMenu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) != 0;
      EXPECT_EQ(bPeloEstado, (info.fState & MFS_HILITE) != 0) << "GetMenuState e GetMenuItemInfo concordam";
      if (!bPeloEstado) continue;
      EXPECT_TRUE(strRealcado.empty()) << "um item realçado por popup";
      strRealcado = Textos(hMenu)[static_cast<std::size_t>(i)];
    }
    realcados.push_back(strRealcado);
  }
  return realcados;
}

TEST(MenuDeContextoTest, RealceSegueAsTeclasEFicaNoEstadoDoItem) {
  using R = std::vector<std::string>;
  const struct {
    const char* szNome;
    std::function<void(CRoteiro&)> teclas;
    R realcados;
  } kCasos[] = {
      {"aberto sem realce", [](CRoteiro&) {}, {""}},
      {"Baixo realça o primeiro", [](CRoteiro& r) { r.Tecla(VK_DOWN); }, {"&Abrir"}},
      {"Cima dá a volta ao último", [](CRoteiro& r) { r.Tecla(VK_UP); }, {"&Salvar"}},
      {"o cinza também se realça", [](CRoteiro& r) { r.Tecla(VK_DOWN).Tecla(VK_DOWN); }, {"Cinza"}},
      {"o submenu abre sem realce e o pai fica realçado",
       [](CRoteiro& r) { r.Tecla(VK_DOWN).Tecla(VK_DOWN).Tecla(VK_DOWN).Tecla(VK_RIGHT); },
       {"Mais", ""}},
      {"no submenu o separador é pulado",
       [](CRoteiro& r) { r.EscolheMenu("Mais").Tecla(VK_DOWN).Tecla(VK_DOWN); },
       {"Mais", "Sub B"}},
      {"Esquerda fecha o submenu e tira o realce dele",
       [](CRoteiro& r) { r.EscolheMenu("Mais").Tecla(VK_DOWN).Tecla(VK_LEFT).Tecla(VK_RIGHT); },
       {"Mais", ""}},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szNome);
    CUsuarioRoteirizado usuario;
    R realcados;
    CRoteiro& r = usuario.QuandoAbrir("Com menu").ClicaDireito(IDC_TEXTO);
    c.teclas(r);
    r.Confere([&](HWND) { realcados = Realcados(); });
    for (std::size_t i = 0; i <= c.realcados.size(); ++i) r.Tecla(VK_ESCAPE);  // os popups e o diálogo
    CDlgMenu dlg;
    dlg.DoModal();
    EXPECT_EQ(realcados, c.realcados);
  }
}

TEST(MenuTest, GetMenuItemInfoDaSoOQueSePede) {
  CMenu menu;
  menu.CreatePopupMenu();
  menu.AppendMenu(MF_STRING | MF_CHECKED, ID_ABRIR, "&Abrir");
  menu.AppendMenu(MF_SEPARATOR);
  menu.AppendMenu(MF_STRING | MF_GRAYED, ID_CINZA, "Cinza");
  CMenu sub;
  sub.CreatePopupMenu();
  HMENU hSub = sub.Detach();
  menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hSub), "Mais");
  HiliteMenuItem(nullptr, menu.m_hMenu, 3, MF_BYPOSITION | MF_HILITE);
  const struct {
    UINT nPosicao;
    UINT fType, fState, wID;
    HMENU hSubMenu;
    const char* szTexto;
  } kCasos[] = {
      {0, MFT_STRING, MFS_CHECKED, ID_ABRIR, nullptr, "&Abrir"},
      {1, MFT_SEPARATOR, MFS_ENABLED, 0, nullptr, ""},
      {2, MFT_STRING, MF_GRAYED, ID_CINZA, nullptr, "Cinza"},
      {3, MFT_STRING, MFS_HILITE, 0, hSub, "Mais"},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.nPosicao);
    char sz[16] = "?";
    MENUITEMINFOA info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = sz;
    info.cch = sizeof sz;
    ASSERT_TRUE(GetMenuItemInfoA(menu.m_hMenu, c.nPosicao, TRUE, &info));
    EXPECT_EQ(info.fType, c.fType);
    EXPECT_EQ(info.fState, c.fState);
    EXPECT_EQ(info.wID, c.wID);
    EXPECT_EQ(info.hSubMenu, c.hSubMenu);
    EXPECT_STREQ(sz, c.szTexto);
    EXPECT_EQ(info.cch, std::string(c.szTexto).size());
  }
  MENUITEMINFOA so;
  so.fMask = MIIM_STRING;
  so.fState = 77;
  ASSERT_TRUE(GetMenuItemInfoA(menu.m_hMenu, ID_CINZA, FALSE, &so)) << "pelo comando";
  EXPECT_EQ(so.cch, 5u) << "sem buffer, só o tamanho";
  EXPECT_EQ(so.fState, 77u) << "o que não se pediu fica como estava";
  char szCurto[4] = "";
  so.dwTypeData = szCurto;
  so.cch = sizeof szCurto;
  GetMenuItemInfoA(menu.m_hMenu, 0, TRUE, &so);
  EXPECT_STREQ(szCurto, "&Ab");
  EXPECT_FALSE(GetMenuItemInfoA(menu.m_hMenu, 9, TRUE, &so));
  EXPECT_TRUE(HiliteMenuItem(nullptr, menu.m_hMenu, 3, MF_BYPOSITION | MF_UNHILITE));
  EXPECT_EQ(GetMenuState(menu.m_hMenu, 3, MF_BYPOSITION) & MF_HILITE, 0u);
}

TEST(MenuDeContextoTest, RoteiroComItemQueNaoExisteOuSemMenuAbertoFalha) {
  std::vector<std::string> falhas;
  {
    ScriptedUser usuario([&](const std::string& f) { falhas.push_back(f); });
    CRoteiro(usuario.WhenOpened("Com menu"))
        .EscolheMenu("Abrir")
        .ClicaDireito(IDC_TEXTO)
        .EscolheMenu("Fechar")
        .Tecla(VK_ESCAPE)
        .Tecla(VK_ESCAPE);
    CDlgMenu dlg;
    dlg.DoModal();
    EXPECT_TRUE(dlg.m_comandos.empty());
  }
  EXPECT_EQ(falhas, (std::vector<std::string>{"\"Com menu\" has no open menu to choose \"Abrir\" from",
                                              "the open menu has no item \"Fechar\""}));
}

}  // namespace
