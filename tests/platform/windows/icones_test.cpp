// Os ícones dos módulos: LoadIcon do módulo que registrou o recurso, CWinApp::LoadIcon
// pela cadeia de recursos, e os dois ícones de uma janela (WM_SETICON, WM_GETICON).
#include <gtest/gtest.h>

#include "janelas_teste.h"
#include "vrmwnd/platform/afxapp.h"
#include "vrmwnd/platform/resources.h"

namespace {

constexpr UINT kIcone = 13028, kOutroIcone = 13029;

TEST(IconeTest, CadaModuloDaOsSeusIconesEOProgramaNao) {
  HINSTANCE hModulo = AfxRegisterModule("icones_teste.dll");
  AfxRegisterIcon(hModulo, kIcone);
  AfxRegisterIcon(hModulo, kOutroIcone);
  const HICON hIcone = LoadIcon(hModulo, MAKEINTRESOURCE(kIcone));
  ASSERT_NE(hIcone, nullptr);
  EXPECT_EQ(LoadIcon(hModulo, MAKEINTRESOURCE(kIcone)), hIcone) << "o mesmo ícone compartilhado";
  EXPECT_NE(LoadIcon(hModulo, MAKEINTRESOURCE(kOutroIcone)), hIcone);
  EXPECT_NE(hIcone, LoadIcon(nullptr, IDI_APPLICATION));
  EXPECT_EQ(GetSystemIconId(hIcone), 0) << "não é um ícone do sistema";

  SetLastError(0);
  EXPECT_EQ(LoadIcon(hModulo, MAKEINTRESOURCE(4242)), nullptr);
  EXPECT_EQ(GetLastError(), 1814u);
  EXPECT_EQ(LoadIcon(AfxGetInstanceHandle(), MAKEINTRESOURCE(kIcone)), nullptr) << "o programa não tem o ícone";
}

TEST(IconeTest, AplicacaoAchaOIconePelaCadeiaDeRecursos) {
  HINSTANCE hModulo = AfxRegisterModule("icones_cadeia.dll");
  AfxRegisterIcon(hModulo, 13100);
  const HICON hDoModulo = LoadIcon(hModulo, MAKEINTRESOURCE(13100));
  EXPECT_EQ(AfxGetApp()->LoadIcon(13100), hDoModulo);
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(13100), RT_GROUP_ICON), hModulo);
  EXPECT_EQ(AfxGetApp()->LoadIcon(13101), nullptr);
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(13101), RT_GROUP_ICON), AfxGetResourceHandle())
      << "ninguém tem: o recurso corrente";

  // O recurso corrente vem antes da cadeia: dois módulos com o mesmo número.
  HINSTANCE hOutro = AfxRegisterModule("icones_outro.dll");
  AfxRegisterIcon(hOutro, 13100);
  const HINSTANCE hAntes = AfxGetResourceHandle();
  AfxSetResourceHandle(hOutro);
  EXPECT_EQ(AfxGetApp()->LoadIcon(13100), LoadIcon(hOutro, MAKEINTRESOURCE(13100)));
  AfxSetResourceHandle(hAntes);
  EXPECT_EQ(AfxGetApp()->LoadIcon(13100), hDoModulo);
}

TEST(IconeTest, JanelaGuardaOIconeGrandeEOPequeno) {
  const HICON hGrande = LoadIcon(nullptr, IDI_QUESTION), hPequeno = LoadIcon(nullptr, IDI_INFORMATION);
  const DLGTEMPLATEDESC kModelo = {"Com ícone", 0, 0, 100, 40, WS_POPUP | WS_CAPTION, {}};
  CDialog dlg;
  ASSERT_TRUE(dlg.CreateIndirect(&kModelo));
  EXPECT_EQ(dlg.GetIcon(TRUE), nullptr);
  EXPECT_EQ(dlg.GetIcon(FALSE), nullptr);

  EXPECT_EQ(dlg.SetIcon(hGrande, TRUE), nullptr);
  EXPECT_EQ(dlg.GetIcon(TRUE), hGrande);
  EXPECT_EQ(dlg.GetIcon(FALSE), nullptr) << "o pequeno é outro";
  EXPECT_EQ(dlg.SendMessage(WM_GETICON, ICON_SMALL2), reinterpret_cast<LRESULT>(hGrande))
      << "ICON_SMALL2 cai no grande quando não há pequeno";

  EXPECT_EQ(dlg.SetIcon(hPequeno, FALSE), nullptr);
  EXPECT_EQ(dlg.SetIcon(hPequeno, TRUE), hGrande) << "devolve o que substituiu";
  EXPECT_EQ(dlg.GetIcon(FALSE), hPequeno);
  EXPECT_EQ(dlg.SendMessage(WM_GETICON, ICON_SMALL2), reinterpret_cast<LRESULT>(hPequeno));
  dlg.DestroyWindow();
}

}  // namespace
