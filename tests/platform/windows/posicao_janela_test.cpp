// Onde fica uma janela: SetWindowPos e as mensagens que só uma mudança real manda, a
// ordem Z entre irmãs, maximizar e restaurar com o retângulo normal guardado, a
// colocação (WINDOWPLACEMENT), os limites de WM_GETMINMAXINFO, o teste de acerto da
// moldura, o arrasto de uma borda ou de uma alça de redimensionar, o leiaute dinâmico
// e a rolagem de um CScrollView.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "janelas_teste.h"
#include "vrmwnd/platform/afxlayout.h"
#include "vrmwnd/platform/afxview.h"

namespace {

constexpr DWORD kRedimensionavel = WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE;

// Uma janela de topo que grava os WM_SIZE que recebe e pede um tamanho mínimo.
class CJanelaGravadora : public CWnd {
 public:
  std::vector<std::string> m_tamanhos;  // "tipo:largura x altura" da área cliente
  CSize m_minimo;                       // (0, 0): o padrão

 protected:
  afx_msg void OnSize(UINT nTipo, int cx, int cy) {
    m_tamanhos.push_back(std::to_string(nTipo) + ":" + std::to_string(cx) + "x" + std::to_string(cy));
    CWnd::OnSize(nTipo, cx, cy);
  }
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* pInfo) {
    if (m_minimo.cx > 0) pInfo->ptMinTrackSize = POINT{m_minimo.cx, m_minimo.cy};
    CWnd::OnGetMinMaxInfo(pInfo);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CJanelaGravadora, CWnd)
ON_WM_SIZE()
ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

CRect Retangulo(HWND h) {
  CRect r;
  GetWindowRect(h, &r);
  return r;
}

class PosicaoJanelaTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_janela.CreateEx(0, nullptr, "Janela", kRedimensionavel, CRect(100, 50, 500, 350), nullptr, 0));
  }
  // A alça no canto da área cliente, como um diálogo redimensionável a cria.
  HWND CriaAlca() {
    CRect cliente;
    m_janela.GetClientRect(&cliente);
    return CreateWindowExA(0, "ScrollBar", "size", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, cliente.right - 17,
                           cliente.bottom - 17, 17, 17, m_janela.m_hWnd, 0, nullptr, nullptr);
  }
  CJanelaGravadora m_janela;
  CUsuarioRoteirizado m_usuario;
};

TEST_F(PosicaoJanelaTest, WmSizeSoQuandoOTamanhoMudaComAAreaCliente) {
  struct TCaso {
    const char* szCaso;
    int x, y, cx, cy;
    UINT nFlags;
    std::vector<std::string> tamanhos;
  };
  // A moldura de redimensionar tem 4 pixels de cada lado e o título 23.
  const TCaso kCasos[] = {
      {"só anda: nenhum WM_SIZE", 10, 10, 400, 300, 0, {}},
      {"cresce", 10, 10, 500, 320, 0, {"0:492x289"}},
      {"SWP_NOSIZE ignora o tamanho", 0, 0, 10, 10, SWP_NOSIZE, {}},
      {"menor que o mínimo padrão fica no mínimo", 0, 0, 20, 20, 0, {"0:128x8"}},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    m_janela.m_tamanhos.clear();
    m_janela.SetWindowPos(nullptr, c.x, c.y, c.cx, c.cy, SWP_NOZORDER | c.nFlags);
    EXPECT_EQ(m_janela.m_tamanhos, c.tamanhos);
  }
  EXPECT_EQ(Retangulo(m_janela.m_hWnd), CRect(0, 0, 136, 39)) << "SM_CXMINTRACK x SM_CYMINTRACK";
}

TEST_F(PosicaoJanelaTest, HwndBottomLevaAoFimDaOrdemZ) {
  HWND hAlca = CriaAlca();
  HWND hBotao =
      CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, m_janela.m_hWnd, 1, nullptr, nullptr);
  ASSERT_EQ(GetWindow(hAlca, GW_HWNDNEXT), hBotao);
  EXPECT_TRUE(SetWindowPos(hAlca, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
  EXPECT_EQ(GetWindow(m_janela.m_hWnd, GW_CHILD), hBotao);
  EXPECT_EQ(GetWindow(hBotao, GW_HWNDNEXT), hAlca);
  EXPECT_TRUE(SetWindowPos(hAlca, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
  EXPECT_EQ(GetWindow(m_janela.m_hWnd, GW_CHILD), hAlca);
}

TEST_F(PosicaoJanelaTest, MaximizadaGuardaORetanguloNormal) {
  m_janela.ShowWindow(SW_MAXIMIZE);
  EXPECT_TRUE(m_janela.IsZoomed());
  EXPECT_EQ(Retangulo(m_janela.m_hWnd), CRect(-4, -4, 1924, 1044)) << "a área de trabalho e a moldura por fora";
  EXPECT_EQ(m_janela.m_tamanhos.back(), "2:1920x1017") << "SIZE_MAXIMIZED";
  WINDOWPLACEMENT wp{};
  ASSERT_TRUE(m_janela.GetWindowPlacement(&wp));
  EXPECT_EQ(wp.length, 44u);
  EXPECT_EQ(wp.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
  EXPECT_EQ(CRect(wp.rcNormalPosition), CRect(100, 50, 500, 350));
  m_janela.ShowWindow(SW_RESTORE);
  EXPECT_FALSE(m_janela.IsZoomed());
  EXPECT_EQ(Retangulo(m_janela.m_hWnd), CRect(100, 50, 500, 350));
}

TEST_F(PosicaoJanelaTest, ColocacaoDadaVoltaComoFoiGuardada) {
  struct TCaso {
    const char* szCaso;
    UINT nComprimento, nFlags, nMostrar;
    BOOL bAceita;
    bool bMaximizada, bMinimizada;
    CRect esperado;  // o retângulo da janela depois
  };
  const TCaso kCasos[] = {
      {"normal", 44, 0, SW_SHOWNORMAL, TRUE, false, false, CRect(30, 40, 330, 240)},
      {"maximizada", 44, 0, SW_SHOWMAXIMIZED, TRUE, true, false, CRect(-4, -4, 1924, 1044)},
      {"comprimento errado é recusado", 40, 0, SW_SHOWMAXIMIZED, FALSE, false, false, CRect(100, 50, 500, 350)},
      {"minimizada", 44, WPF_RESTORETOMAXIMIZED, SW_SHOWMINIMIZED, TRUE, false, true,
       CRect(-32000, -32000, -31840, -31972)},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    m_janela.ShowWindow(SW_RESTORE);
    m_janela.SetWindowPos(nullptr, 100, 50, 400, 300, SWP_NOZORDER);
    WINDOWPLACEMENT wp{c.nComprimento, c.nFlags, c.nMostrar, {-1, -1}, {-1, -1}, {30, 40, 330, 240}};
    EXPECT_EQ(m_janela.SetWindowPlacement(&wp), c.bAceita);
    EXPECT_EQ(m_janela.IsZoomed(), c.bMaximizada);
    EXPECT_EQ(m_janela.IsIconic(), c.bMinimizada);
    EXPECT_EQ(Retangulo(m_janela.m_hWnd), c.esperado);
    WINDOWPLACEMENT lida{};
    m_janela.GetWindowPlacement(&lida);
    EXPECT_EQ(CRect(lida.rcNormalPosition), c.bAceita ? CRect(30, 40, 330, 240) : CRect(100, 50, 500, 350));
  }
  m_janela.ShowWindow(SW_RESTORE);
  EXPECT_TRUE(m_janela.IsZoomed()) << "minimizada com WPF_RESTORETOMAXIMIZED volta maximizada";
}

TEST_F(PosicaoJanelaTest, TesteDeAcertoDaMolduraDeRedimensionar) {
  const CRect r = Retangulo(m_janela.m_hWnd);  // (100, 50, 500, 350); cliente a partir de (104, 77)
  struct TCaso {
    POINT ponto;
    LRESULT nCodigo;
  };
  const TCaso kCasos[] = {
      {{300, 200}, HTCLIENT},     {{300, 60}, HTCAPTION},  {{101, 200}, HTLEFT},        {{498, 200}, HTRIGHT},
      {{300, 51}, HTTOP},         {{300, 348}, HTBOTTOM},  {{101, 51}, HTTOPLEFT},      {{499, 349}, HTBOTTOMRIGHT},
      {{101, 349}, HTBOTTOMLEFT}, {{498, 51}, HTTOPRIGHT}, {{r.right, 200}, HTNOWHERE}, {{99, 200}, HTNOWHERE},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(testing::Message() << c.ponto.x << "," << c.ponto.y);
    EXPECT_EQ(m_janela.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(c.ponto.x, c.ponto.y)), c.nCodigo);
  }
}

TEST_F(PosicaoJanelaTest, ArrastoDaAlcaOuDoCantoRedimensionaRespeitandoOMinimo) {
  struct TCaso {
    const char* szCaso;
    bool bAlca;
    int dx, dy, nPassos;
    CRect esperado;
  };
  const TCaso kCasos[] = {
      {"alça para fora", true, 120, 40, 4, CRect(100, 50, 620, 390)},
      {"alça para dentro para no mínimo", true, -300, -250, 3, CRect(100, 50, 350, 250)},
      {"alça e volta: vale onde o botão soltou", true, 0, 0, 1, CRect(100, 50, 500, 350)},
      {"canto da moldura", false, 30, -20, 2, CRect(100, 50, 530, 330)},
  };
  m_janela.m_minimo = CSize(250, 200);
  HWND hAlca = CriaAlca();
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    m_janela.SetWindowPos(nullptr, 100, 50, 400, 300, SWP_NOZORDER);
    m_janela.m_tamanhos.clear();
    if (c.bAlca) {
      InputDrag(hAlca, 8, 8, c.dx, c.dy, c.nPassos);
    } else {
      POINT canto{499, 349};
      m_janela.ScreenToClient(&canto);
      InputDrag(m_janela.m_hWnd, canto.x, canto.y, c.dx, c.dy, c.nPassos);
    }
    CUsuarioRoteirizado::ProcessaFila();
    EXPECT_EQ(Retangulo(m_janela.m_hWnd), c.esperado);
    EXPECT_LE(m_janela.m_tamanhos.size(), static_cast<std::size_t>(c.nPassos + 1)) << "um WM_SIZE por movimento";
  }
}

TEST_F(PosicaoJanelaTest, LeiauteDinamicoLevaOItemComOCrescimento) {
  HWND hAlca = CriaAlca();
  HWND hLista =
      CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 10, 100, 50, m_janela.m_hWnd, 7, nullptr, nullptr);
  m_janela.EnableDynamicLayout();
  CMFCDynamicLayout* pLeiaute = m_janela.GetDynamicLayout();
  ASSERT_NE(pLeiaute, nullptr);
  EXPECT_TRUE(
      pLeiaute->AddItem(hAlca, CMFCDynamicLayout::MoveHorizontalAndVertical(100, 100), CMFCDynamicLayout::SizeNone()));
  EXPECT_TRUE(
      pLeiaute->AddItem(7, CMFCDynamicLayout::MoveNone(), CMFCDynamicLayout::SizeHorizontalAndVertical(50, 100)));
  EXPECT_FALSE(pLeiaute->AddItem(hAlca, CMFCDynamicLayout::MoveNone(), CMFCDynamicLayout::SizeNone())) << "já é item";
  const CRect alcaAntes = Retangulo(hAlca);
  m_janela.SetWindowPos(nullptr, 0, 0, 500, 340, SWP_NOZORDER | SWP_NOMOVE);  // +100, +40
  CRect alca = Retangulo(hAlca), lista = Retangulo(hLista);
  EXPECT_EQ(alca.left - alcaAntes.left, 100);
  EXPECT_EQ(alca.top - alcaAntes.top, 40);
  EXPECT_EQ(alca.Width(), 17);
  EXPECT_EQ(lista.Width(), 150) << "metade do que cresceu";
  EXPECT_EQ(lista.Height(), 90);
}

TEST(ScrollViewTest, RolarMoveOsFilhosDentroDaAreaDeRolagem) {
  CScrollView vista;
  ASSERT_TRUE(vista.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
  HWND hFilho =
      CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 50, 60, 10, 10, vista.m_hWnd, 1, nullptr, nullptr);
  vista.SetScrollSizes(MM_TEXT, CSize(300, 400));
  struct TCaso {
    POINT pedido, posicao, filho;
  };
  const TCaso kCasos[] = {
      {{30, 40}, {30, 40}, {20, 20}},
      {{500, 500}, {100, 300}, {-50, -240}},  // até o total menos a área cliente
      {{-5, 0}, {0, 0}, {50, 60}},
  };
  for (const TCaso& c : kCasos) {
    vista.ScrollToPosition(c.pedido);
    EXPECT_EQ(vista.GetScrollPosition().x, c.posicao.x);
    EXPECT_EQ(vista.GetScrollPosition().y, c.posicao.y);
    EXPECT_EQ(Retangulo(hFilho).left, c.filho.x);
    EXPECT_EQ(Retangulo(hFilho).top, c.filho.y);
  }
  EXPECT_TRUE(vista.IsKindOf(RUNTIME_CLASS(CView)));
}

}  // namespace
