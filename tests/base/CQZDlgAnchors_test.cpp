// As âncoras dos controles: cada combinação de âncoras diante do pai que cresce e
// encolhe, o registro por identificador e por janela, a troca só das âncoras, o
// identificador sem controle, o arranjo forçado e o pai CScrollView.
#include <gtest/gtest.h>

#include "vrmwnd/base/CQZDlgAnchors.h"
#include "vrmwnd/platform/afxview.h"

namespace {

CRect NoPai(HWND hPai, HWND h) {
  CRect r;
  GetWindowRect(h, &r);
  POINT canto{r.left, r.top};
  ScreenToClient(hPai, &canto);
  r.OffsetRect(canto.x - r.left, canto.y - r.top);
  return r;
}

// Um pai de 300 x 200 sem moldura, com um controle de (50, 40) a (150, 90) por
// combinação de âncoras.
class AncorasTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_pai.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
  }
  HWND Controle(UINT nId) {
    return CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 50, 40, 100, 50, m_pai.m_hWnd, nId, nullptr,
                           nullptr);
  }
  void Redimensiona(int cx, int cy) { m_pai.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOMOVE); }
  CWnd m_pai;
  CQZDlgAnchors m_ancoras;
};

TEST_F(AncorasTest, CadaCombinacaoDeAncorasDianteDoPaiQueMuda) {
  struct TCaso {
    UINT nAncoras;
    CRect maior;  // o pai com 400 x 250 (+100, +50)
    CRect menor;  // depois, o pai com 250 x 150 (-50, -50 do original)
  };
  const TCaso kCasos[] = {
      {0, {50, 40, 150, 90}, {50, 40, 150, 90}},
      {ANCHOR_LEFT, {50, 40, 150, 90}, {50, 40, 150, 90}},
      {ANCHOR_TOP | ANCHOR_LEFT, {50, 40, 150, 90}, {50, 40, 150, 90}},
      {ANCHOR_BOTTOM, {50, 90, 150, 140}, {50, -10, 150, 40}},
      {ANCHOR_RIGHT, {150, 40, 250, 90}, {0, 40, 100, 90}},
      {ANCHOR_BOTTOM | ANCHOR_RIGHT, {150, 90, 250, 140}, {0, -10, 100, 40}},
      {ANCHOR_TOP | ANCHOR_BOTTOM, {50, 40, 150, 140}, {50, 40, 150, 40}},
      {ANCHOR_LEFT | ANCHOR_RIGHT, {50, 40, 250, 90}, {50, 40, 100, 90}},
      {ANCHOR_TOP | ANCHOR_LEFT | ANCHOR_BOTTOM | ANCHOR_RIGHT, {50, 40, 250, 140}, {50, 40, 100, 40}},
  };
  std::vector<HWND> controles;
  m_ancoras.Init(&m_pai);
  for (UINT i = 0; i < std::size(kCasos); ++i) {
    controles.push_back(Controle(100 + i));
    EXPECT_TRUE(m_ancoras.AdicionaAncora(100 + i, kCasos[i].nAncoras));
  }
  Redimensiona(400, 250);
  m_ancoras.Reposiciona(false);
  for (std::size_t i = 0; i < std::size(kCasos); ++i) {
    SCOPED_TRACE(testing::Message() << "âncoras " << kCasos[i].nAncoras);
    EXPECT_EQ(NoPai(m_pai.m_hWnd, controles[i]), kCasos[i].maior);
    EXPECT_EQ(m_ancoras.Procura(100 + static_cast<UINT>(i))->rect, kCasos[i].maior) << "o registro acompanha";
  }
  Redimensiona(250, 150);
  m_ancoras.Reposiciona(false);
  for (std::size_t i = 0; i < std::size(kCasos); ++i) {
    SCOPED_TRACE(testing::Message() << "âncoras " << kCasos[i].nAncoras);
    EXPECT_EQ(NoPai(m_pai.m_hWnd, controles[i]), kCasos[i].menor);
  }
}

TEST_F(AncorasTest, RegistroPorIdentificadorPorJanelaESoTrocaDeAncoras) {
  HWND hPorId = Controle(7);
  HWND hPorJanela = Controle(0);
  EXPECT_FALSE(m_ancoras.AdicionaAncora(7, ANCHOR_RIGHT)) << "antes do Init não há pai";
  m_ancoras.Init(&m_pai);
  EXPECT_EQ(m_ancoras.GetPai(), &m_pai);
  EXPECT_FALSE(m_ancoras.AdicionaAncora(99, ANCHOR_RIGHT)) << "identificador sem controle";
  EXPECT_FALSE(m_ancoras.AdicionaAncora(static_cast<HWND>(nullptr), ANCHOR_RIGHT));
  EXPECT_EQ(m_ancoras.GetCount(), 0);
  EXPECT_TRUE(m_ancoras.AdicionaAncora(7, ANCHOR_BOTTOM));
  EXPECT_TRUE(m_ancoras.AdicionaAncora(hPorJanela, ANCHOR_RIGHT));
  // Ancorar de novo troca as âncoras e fica com o retângulo guardado, não com o dado.
  const CRect outro(0, 0, 10, 10);
  EXPECT_TRUE(m_ancoras.AdicionaAncora(7, ANCHOR_RIGHT, &outro));
  EXPECT_TRUE(m_ancoras.AdicionaAncora(hPorJanela, ANCHOR_BOTTOM));
  EXPECT_EQ(m_ancoras.GetCount(), 2);
  EXPECT_EQ(m_ancoras.Procura(7)->rect, CRect(50, 40, 150, 90));
  EXPECT_EQ(m_ancoras.Procura(0)->hWnd, hPorJanela);
  Redimensiona(320, 230);
  m_ancoras.Reposiciona(false);
  EXPECT_EQ(NoPai(m_pai.m_hWnd, hPorId), CRect(70, 40, 170, 90));
  EXPECT_EQ(NoPai(m_pai.m_hWnd, hPorJanela), CRect(50, 70, 150, 120));
  m_ancoras.RemoveAncora(7);
  EXPECT_EQ(m_ancoras.Procura(7), nullptr);
  Redimensiona(300, 200);
  m_ancoras.Reposiciona(false);
  EXPECT_EQ(NoPai(m_pai.m_hWnd, hPorId), CRect(70, 40, 170, 90)) << "sem âncora não anda mais";
  EXPECT_EQ(NoPai(m_pai.m_hWnd, hPorJanela), CRect(50, 40, 150, 90));
  m_ancoras.RemoveTodas();
  EXPECT_EQ(m_ancoras.GetCount(), 0);
}

TEST_F(AncorasTest, RetanguloDadoEmCoordenadasDeTelaEArranjoForcado) {
  Controle(5);
  m_ancoras.Init(&m_pai);
  const CRect dado(10, 20, 60, 45);  // a tela começa no canto do pai: o mesmo na área cliente
  EXPECT_TRUE(m_ancoras.AdicionaAncora(5, ANCHOR_RIGHT, &dado));
  m_ancoras.Reposiciona(false);
  EXPECT_EQ(NoPai(m_pai.m_hWnd, GetDlgItem(m_pai.m_hWnd, 5)), CRect(50, 40, 150, 90))
      << "sem mudança do pai, nada anda sem forçar";
  const int nAntes = InvalidateCount(m_pai.m_hWnd);
  m_ancoras.Reposiciona(true);
  EXPECT_EQ(NoPai(m_pai.m_hWnd, GetDlgItem(m_pai.m_hWnd, 5)), dado) << "forçado, o controle vai ao registro";
  EXPECT_EQ(InvalidateCount(m_pai.m_hWnd), nAntes + 1);
}

TEST(AncorasScrollViewTest, ArrumaSobreAAreaDeRolagemEVoltaAPosicao) {
  CScrollView vista;
  ASSERT_TRUE(vista.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
  HWND hBotao =
      CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE, 250, 350, 40, 20, vista.m_hWnd, 3, nullptr, nullptr);
  vista.SetScrollSizes(MM_TEXT, CSize(300, 400));
  CQZDlgAnchors ancoras;
  ancoras.Init(&vista);
  ASSERT_TRUE(ancoras.AdicionaAncora(3, ANCHOR_BOTTOM | ANCHOR_RIGHT));
  vista.ScrollToPosition(CPoint(100, 300));
  // A janela cresce, mas menos que a área de rolagem: nada anda.
  vista.SetWindowPos(nullptr, 0, 0, 250, 150, SWP_NOZORDER | SWP_NOMOVE);
  ancoras.Reposiciona(false);
  CRect esperado(250, 350, 290, 370);
  esperado.OffsetRect(-vista.GetScrollPosition().x, -vista.GetScrollPosition().y);
  EXPECT_EQ(NoPai(vista.m_hWnd, hBotao), esperado) << "no mesmo lugar da área, na posição rolada";
  // Maior que a área de rolagem: o botão segue o canto.
  vista.SetWindowPos(nullptr, 0, 0, 500, 450, SWP_NOZORDER | SWP_NOMOVE);
  ancoras.Reposiciona(false);
  EXPECT_EQ(vista.GetScrollPosition().x, 0) << "a janela toda cabe: não há o que rolar";
  const CRect r = NoPai(vista.m_hWnd, hBotao);
  EXPECT_EQ(r.right + vista.GetScrollPosition().x, 490);
  EXPECT_EQ(r.bottom + vista.GetScrollPosition().y, 420);
}

}  // namespace
