// O diálogo redimensionável, agido por uma pessoa que arrasta a alça: a lista que
// cresce, os botões que guardam a distância ao canto, o rótulo que não anda, o mínimo
// igual ao tamanho da abertura, a posição que volta na abertura seguinte (maximizada
// também), o texto guardado que não serve, a chave de cada derivado, a posição
// gravada só enquanto a janela existe e a exceção que passa pelo DoModal.
#include <gtest/gtest.h>

#include <stdexcept>

#include "janelas_teste.h"
#include "modelo_teste.h"
#include "ambiente_teste.h"
#include "vrmwnd/dialogs/CCMResizeDialog.h"
#include "vrmwnd/platform/afxapp.h"
#include "vrmwnd/platform/commctrl.h"

namespace {

constexpr UINT IDD_ITENS = 9301, IDC_LISTA = 1001, IDC_TOTAL = 1002, IDC_SEM_CONTROLE = 1099;
constexpr DWORD kEstiloLista = WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT;

const DLGTEMPLATEDESC kModelo{"Itens",
                              0,
                              0,
                              200,
                              120,
                              DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
                              {{IDC_LISTA, "SysListView32", "", 7, 7, 186, 86, kEstiloLista},
                               {IDC_TOTAL, "STATIC", "Itens: 3", 7, 100, 60, 8, WS_VISIBLE | SS_LEFT},
                               {IDOK, "BUTTON", "OK", 88, 98, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
                               {IDCANCEL, "BUTTON", "Cancelar", 143, 98, 50, 14, WS_VISIBLE | WS_TABSTOP}}};

[[maybe_unused]] const bool kModeloRegistrado =
    (AfxRegisterDialogTemplate(AfxGetInstanceHandle(), IDD_ITENS, kModelo), true);

// A lista ancorada às quatro bordas, os botões ao canto de baixo à direita e o
// rótulo só à esquerda (não anda); um identificador sem controle também.
class CDlgItens : public CCMResizeDialog {
 public:
  explicit CDlgItens(CWnd* pPai) : CCMResizeDialog(IDD_ITENS, pPai) {}
  int m_nModulo = 0;

 protected:
  BOOL OnInitDialog() override {
    CCMResizeDialog::OnInitDialog();
    m_nModulo = GetModulo();
    SetAnchor(IDC_LISTA, ANCHOR_TOP | ANCHOR_LEFT | ANCHOR_BOTTOM | ANCHOR_RIGHT);
    SetAnchor(IDOK, ANCHOR_BOTTOM | ANCHOR_RIGHT);
    SetAnchor(IDCANCEL, ANCHOR_BOTTOM | ANCHOR_RIGHT);
    SetAnchor(IDC_TOTAL, ANCHOR_LEFT);
    SetAnchor(IDC_SEM_CONTROLE, ANCHOR_BOTTOM | ANCHOR_RIGHT);
    EndInitDialog();
    return TRUE;
  }
};

// Um derivado que guarda a sua posição à parte.
class CDlgItensProprio : public CDlgItens {
 public:
  using CDlgItens::CDlgItens;

 private:
  const char* OnGetChaveRegistro() override { return "CDlgItensProprio"; }
};

struct TRetangulos {
  CRect janela, lista, total, ok, cancelar;
};

CRect NoDialogo(HWND hDialogo, int nId) {
  CRect r;
  GetWindowRect(GetDlgItem(hDialogo, nId), &r);
  POINT canto{r.left, r.top};
  ScreenToClient(hDialogo, &canto);
  r.OffsetRect(canto.x - r.left, canto.y - r.top);
  return r;
}

TRetangulos Le(HWND h) {
  TRetangulos r;
  GetWindowRect(h, &r.janela);
  r.lista = NoDialogo(h, IDC_LISTA);
  r.total = NoDialogo(h, IDC_TOTAL);
  r.ok = NoDialogo(h, IDOK);
  r.cancelar = NoDialogo(h, IDCANCEL);
  return r;
}

CString Perfil(const char* szSecao, const char* szEntrada) {
  return AfxGetApp()->GetProfileString(szSecao, szEntrada, "");
}

class ResizeDialogTest : public testing::Test {
 protected:
  void EsqueceAPosicao() {
    AfxGetApp()->WriteProfileString("CCMResizeDialogSettings", "CCMResizeDialogWindowPos", nullptr);
  }
  CHomeTemporaria m_home;
  CPaiGravador m_pai;
  CUsuarioRoteirizado m_usuario;
};

TEST_F(ResizeDialogTest, JanelaSegueOModeloComAAlcaNoCanto) {
  m_usuario.QuandoAbrir("Itens")
      .Confere([](HWND h) {
        ConfereModelo(h, "Itens", 200, 120,
                      {
                          {IDC_LISTA, "SYSLISTVIEW32", {7, 7, 193, 93}, kEstiloLista, ""},
                          {IDC_TOTAL, "STATIC", {7, 100, 67, 108}, WS_VISIBLE | SS_LEFT, "Itens: 3"},
                          {IDOK, "BUTTON", {88, 98, 138, 112}, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, "OK"},
                          {IDCANCEL, "BUTTON", {143, 98, 193, 112}, WS_VISIBLE | WS_TABSTOP, "Cancelar"},
                      },
                      true);
      })
      .Tecla(VK_ESCAPE);
  CDlgItens dlg(&m_pai);
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.m_nModulo, 7) << "o módulo de Compras";
}

TEST_F(ResizeDialogTest, ArrastoDaAlcaCresceAListaEMantemOsBotoesNoCanto) {
  struct TCaso {
    const char* szCaso;
    int dx, dy;
    int nCresce, nDesce;   // o que a janela de fato cresceu
    bool bPeloId = false;  // a pessoa pega a alça como um controle qualquer (id 0)
  };
  const TCaso kCasos[] = {
      {"para fora", 120, 60, 120, 60},
      {"só para o lado", 40, 0, 40, 0},
      {"para dentro: não fica menor que na abertura", -50, -30, 0, 0},
      {"para fora numa direção e para dentro na outra", 30, -30, 30, 0},
      {"a alça arrastada como controle", 60, 20, 60, 20, true},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    EsqueceAPosicao();
    TRetangulos antes, depois;
    auto& roteiro = m_usuario.QuandoAbrir("Itens").Confere([&](HWND h) { antes = Le(h); });
    if (c.bPeloId) {
      roteiro.Arrasta(0, c.dx, c.dy);
    } else {
      roteiro.ArrastaAlca(c.dx, c.dy);
    }
    roteiro
        .Confere([&](HWND h) {
          depois = Le(h);
          ConfereAlca(h, GetWindow(GetDlgItem(h, IDCANCEL), GW_HWNDNEXT));
        })
        .Tecla(VK_ESCAPE);
    CDlgItens dlg(&m_pai);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(depois.janela.Width() - antes.janela.Width(), c.nCresce);
    EXPECT_EQ(depois.janela.Height() - antes.janela.Height(), c.nDesce);
    CRect lista = antes.lista, ok = antes.ok, cancelar = antes.cancelar;
    lista.right += c.nCresce;
    lista.bottom += c.nDesce;
    ok.OffsetRect(c.nCresce, c.nDesce);
    cancelar.OffsetRect(c.nCresce, c.nDesce);
    EXPECT_EQ(depois.lista, lista) << "a lista cresce com o diálogo";
    EXPECT_EQ(depois.ok, ok) << "o OK guarda a distância ao canto";
    EXPECT_EQ(depois.cancelar, cancelar);
    EXPECT_EQ(depois.total, antes.total) << "o rótulo só à esquerda não anda";
  }
}

TEST_F(ResizeDialogTest, PosicaoVoltaNaProximaAberturaMaximizadaTambem) {
  struct TCaso {
    const char* szCaso;
    bool bMaximiza;
    const char* szComeco;  // o começo do texto guardado: flags e showCmd
  };
  const TCaso kCasos[] = {
      {"arrastada", false, "0,1,"},
      {"arrastada e maximizada", true, "2,3,"},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    EsqueceAPosicao();
    TRetangulos primeira, segunda;
    bool bMaximizada = false;
    CRect normal;
    auto& roteiro = m_usuario.QuandoAbrir("Itens").ArrastaAlca(90, 45).Confere([&](HWND h) { primeira = Le(h); });
    if (c.bMaximiza) roteiro.Confere([](HWND h) { SendMessage(h, WM_SYSCOMMAND, SC_MAXIMIZE, 0); });
    roteiro.Tecla(VK_ESCAPE);
    m_usuario.QuandoAbrir("Itens")
        .Confere([&](HWND h) {
          segunda = Le(h);
          bMaximizada = IsZoomed(h) != FALSE;
          WINDOWPLACEMENT wp{};
          GetWindowPlacement(h, &wp);
          normal = wp.rcNormalPosition;
        })
        .Tecla(VK_ESCAPE);
    CDlgItens dlg1(&m_pai), dlg2(&m_pai);
    dlg1.DoModal();
    const CString strGuardado = Perfil("CCMResizeDialogSettings", "CCMResizeDialogWindowPos");
    EXPECT_EQ(strGuardado.Left(4), c.szComeco) << strGuardado.GetString();
    dlg2.DoModal();
    EXPECT_EQ(bMaximizada, c.bMaximiza);
    EXPECT_EQ(normal, primeira.janela) << "o retângulo normal é o da primeira abertura";
    if (!c.bMaximiza) {
      EXPECT_EQ(segunda.janela, primeira.janela);
      EXPECT_EQ(segunda.ok, primeira.ok);
      continue;
    }
    EXPECT_EQ(segunda.janela, CRect(-4, -4, 1924, 1044));
    EXPECT_EQ(segunda.janela.Width() - segunda.cancelar.right, primeira.janela.Width() - primeira.cancelar.right)
        << "maximizada, o Cancelar segue no canto";
    EXPECT_EQ(segunda.lista.right - primeira.lista.right, segunda.janela.Width() - primeira.janela.Width());
  }
}

TEST_F(ResizeDialogTest, TextoGuardadoQueNaoServeDeixaAPosicaoDoModelo) {
  struct TCaso {
    const char* szTexto;
    CRect esperado;
  };
  // O modelo abre em (0, 0) com 308 x 226 (a área cliente de 300 x 195 e a moldura).
  const TCaso kCasos[] = {
      {"", CRect(0, 0, 308, 226)},
      {"1,2,3", CRect(0, 0, 308, 226)},
      {"0,1,-1,-1,-1,-1,50,60,458", CRect(0, 0, 308, 226)},
      {"posição", CRect(0, 0, 308, 226)},
      {"0,1,-1,-1,-1,-1,50,60,458,316", CRect(50, 60, 458, 316)},
      {"0,1,-1,-1,-1,-1,50,60,100,100", CRect(50, 60, 358, 286)},  // menor que a abertura: o mínimo
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szTexto);
    AfxGetApp()->WriteProfileString("CCMResizeDialogSettings", "CCMResizeDialogWindowPos", c.szTexto);
    CRect janela;
    m_usuario.QuandoAbrir("Itens").Confere([&](HWND h) { GetWindowRect(h, &janela); }).Tecla(VK_ESCAPE);
    CDlgItens dlg(&m_pai);
    dlg.DoModal();
    EXPECT_EQ(janela, c.esperado);
  }
}

TEST_F(ResizeDialogTest, CadaDerivadoGuardaSobASuaChave) {
  CDlgItens base(&m_pai);
  CDlgItensProprio proprio(&m_pai);
  EXPECT_EQ(base.GetSectionPosition(), "CCMResizeDialogSettings");
  EXPECT_EQ(base.GetEntryPosition(), "CCMResizeDialogWindowPos");
  EXPECT_EQ(proprio.GetSectionPosition(), "CDlgItensProprioSettings");
  EXPECT_EQ(proprio.GetEntryPosition(), "CDlgItensProprioWindowPos");
  EXPECT_STREQ(CCMResizeDialog::GetFORMATO_POSICAO_JANELA(), "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d");
  AfxGetApp()->WriteProfileString("CCMResizeDialogSettings", "CCMResizeDialogWindowPos",
                                  "0,1,-1,-1,-1,-1,50,60,458,316");
  CRect janela;
  m_usuario.QuandoAbrir("Itens")
      .Confere([&](HWND h) { GetWindowRect(h, &janela); })
      .ArrastaAlca(10, 10)
      .Tecla(VK_ESCAPE);
  proprio.DoModal();
  EXPECT_EQ(janela, CRect(0, 0, 308, 226)) << "a posição do outro não vale para este";
  EXPECT_EQ(Perfil("CDlgItensProprioSettings", "CDlgItensProprioWindowPos"), "0,1,-1,-1,-1,-1,0,0,318,236");
  EXPECT_EQ(Perfil("CCMResizeDialogSettings", "CCMResizeDialogWindowPos"), "0,1,-1,-1,-1,-1,50,60,458,316");
}

TEST_F(ResizeDialogTest, PosicaoSoEGravadaEnquantoAJanelaExiste) {
  {
    CDlgItens semJanela(&m_pai);
    EXPECT_FALSE(semJanela.DestroyWindow());
  }
  EXPECT_EQ(Perfil("CCMResizeDialogSettings", "CCMResizeDialogWindowPos"), "") << "sem janela não há o que guardar";
  CDlgItens naoModal(&m_pai);
  ASSERT_TRUE(naoModal.Create(IDD_ITENS, &m_pai));
  naoModal.SetWindowPos(nullptr, 0, 0, 400, 300, SWP_NOZORDER | SWP_NOMOVE);
  EXPECT_TRUE(naoModal.DestroyWindow());
  EXPECT_EQ(Perfil("CCMResizeDialogSettings", "CCMResizeDialogWindowPos"), "0,1,-1,-1,-1,-1,0,0,400,300");
  EXPECT_FALSE(naoModal.DestroyWindow()) << "a segunda vez não há janela";
}

TEST_F(ResizeDialogTest, CantoDeBaixoADireitaDaJanelaPegaORedimensionamento) {
  struct TCaso {
    const char* szCaso;
    int dx, dy;  // a partir do canto de baixo à direita da janela
    LRESULT nCodigo;
  };
  const TCaso kCasos[] = {
      {"dentro do quadrado da alça, na área cliente", -10, -10, HTBOTTOMRIGHT},
      {"no limite do quadrado", -17, -17, HTBOTTOMRIGHT},
      {"fora do quadrado", -18, -10, HTCLIENT},
      {"na moldura de baixo", -40, -2, HTBOTTOM},
      {"no meio", -150, -100, HTCLIENT},
  };
  std::vector<LRESULT> codigos;
  m_usuario.QuandoAbrir("Itens")
      .Confere([&](HWND h) {
        CRect r;
        GetWindowRect(h, &r);
        for (const TCaso& c : kCasos)
          codigos.push_back(SendMessage(h, WM_NCHITTEST, 0, MAKELPARAM(r.right + c.dx, r.bottom + c.dy)));
      })
      .Tecla(VK_ESCAPE);
  CDlgItens dlg(&m_pai);
  dlg.DoModal();
  ASSERT_EQ(codigos.size(), std::size(kCasos));
  for (std::size_t i = 0; i < std::size(kCasos); ++i) EXPECT_EQ(codigos[i], kCasos[i].nCodigo) << kCasos[i].szCaso;
}

TEST_F(ResizeDialogTest, ExcecaoQuePassaPeloDoModalNaoDeixaJanelaNemRecurso) {
  const HINSTANCE hAntes = AfxGetResourceHandle();
  HWND hDialogo = nullptr;
  m_usuario.QuandoAbrir("Itens").ArrastaAlca(20, 20).Confere([&](HWND h) {
    hDialogo = h;
    throw std::runtime_error("falha no meio do diálogo");
  });
  CDlgItens dlg(&m_pai);
  EXPECT_THROW(dlg.DoModal(), std::runtime_error);
  EXPECT_FALSE(IsWindow(hDialogo));
  EXPECT_EQ(dlg.m_hWnd, nullptr);
  EXPECT_EQ(AfxGetResourceHandle(), hAntes);
  EXPECT_TRUE(m_pai.IsWindowEnabled());
  EXPECT_EQ(Perfil("CCMResizeDialogSettings", "CCMResizeDialogWindowPos"), "0,1,-1,-1,-1,-1,0,0,328,246")
      << "a janela ainda existia ao sair: a posição foi guardada";
}

}  // namespace
