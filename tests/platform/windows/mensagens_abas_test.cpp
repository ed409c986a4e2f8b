// Mensagens registradas por nome, comparação de nomes de classe sem caixa, o valor de
// aplicação das páginas de um tab control e a cadeia de recursos de uma biblioteca de
// extensão entre a carga e a descarga.
#include <gtest/gtest.h>

#include "vrmwnd/platform/afxtabctrl.h"
#include "vrmwnd/platform/resources.h"

TEST(MensagensRegistradasTest, MesmoNomeMesmoNumeroEmQualquerCaixa) {
  const UINT a = RegisterWindowMessage("Teste::UM");
  const UINT b = RegisterWindowMessage("Teste::DOIS");
  EXPECT_GE(a, 0xC000u);
  EXPECT_LE(a, 0xFFFFu);
  EXPECT_NE(a, b);
  EXPECT_EQ(RegisterWindowMessage("teste::um"), a);
  EXPECT_EQ(RegisterWindowMessage(""), 0u);
  EXPECT_EQ(RegisterWindowMessage(nullptr), 0u);
}

TEST(MensagensRegistradasTest, ComparaSemCaixa) {
  constexpr struct {
    const char* a;
    const char* b;
    int sinal;
  } kCasos[] = {
      {"Button", "BUTTON", 0}, {"edit", "Edit", 0}, {"Edit", "RICHEDIT", -1}, {"static", "Button", 1}, {"", "", 0},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << c.a << " x " << c.b);
    const int n = lstrcmpi(c.a, c.b);
    EXPECT_EQ((n > 0) - (n < 0), c.sinal);
  }
}

TEST(AbasTest, PaginaGuardaTextoEValorDeAplicacao) {
  CWnd pai;
  pai.CreateEx(0, nullptr, "Pai", WS_OVERLAPPED, CRect(0, 0, 300, 200), nullptr, 0);
  CTabCtrl tab;
  ASSERT_TRUE(tab.Create(WS_VISIBLE, CRect(0, 0, 200, 100), &pai, 10));
  EXPECT_EQ(tab.InsertItem(TCIF_TEXT | TCIF_PARAM, 0, "Geral", 0, 1234), 0);
  EXPECT_EQ(tab.InsertItem(1, "Itens"), 1);
  char szTexto[4] = "";
  TCITEM item{};
  item.mask = TCIF_TEXT | TCIF_PARAM;
  item.pszText = szTexto;
  item.cchTextMax = sizeof szTexto;
  ASSERT_TRUE(tab.GetItem(0, &item));
  EXPECT_STREQ(szTexto, "Ger") << "o texto é cortado no tamanho dado";
  EXPECT_EQ(item.lParam, 1234);
  item.mask = TCIF_PARAM;
  item.lParam = 99;
  ASSERT_TRUE(tab.SetItem(1, &item));
  item.lParam = 0;
  ASSERT_TRUE(tab.GetItem(1, &item));
  EXPECT_EQ(item.lParam, 99);
  EXPECT_FALSE(tab.GetItem(2, &item)) << "fora das páginas";
  EXPECT_FALSE(tab.GetItem(-1, &item));
  pai.DestroyWindow();
}

TEST(CadeiaRecursosTest, DescargaTiraDaCadeiaECargaDevolve) {
  const DLGTEMPLATEDESC kModelo{"Extensão", 0, 0, 50, 20, WS_POPUP, {}};
  constexpr UINT IDD = 32401;
  HINSTANCE hExtensao = AfxRegisterModule("extensao.dll");
  AfxRegisterDialogTemplate(hExtensao, IDD, kModelo);
  AFX_EXTENSION_MODULE estado;
  ASSERT_TRUE(AfxInitExtensionModule(estado, hExtensao));
  EXPECT_EQ(estado.hModule, hExtensao);
  EXPECT_NE(AfxFindDialogTemplate(IDD), nullptr);
  AfxTermExtensionModule(estado);
  EXPECT_EQ(AfxFindDialogTemplate(IDD), nullptr);
  AfxSetResourceHandle(hExtensao);
  EXPECT_NE(AfxFindDialogTemplate(IDD), nullptr) << "o recurso corrente é sempre procurado";
  AfxSetResourceHandle(AfxGetInstanceHandle());
  ASSERT_TRUE(AfxInitExtensionModule(estado, hExtensao));
  EXPECT_NE(AfxFindDialogTemplate(IDD), nullptr);
  AFX_EXTENSION_MODULE ninguem;
  EXPECT_FALSE(AfxInitExtensionModule(ninguem, nullptr));
}
