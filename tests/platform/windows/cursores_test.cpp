// O cursor do mouse: os cursores do sistema e a ampulheta de CWaitCursor, que se
// aninha e devolve o cursor que havia antes da primeira espera.
#include <gtest/gtest.h>

#include "vrmwnd/platform/resources.h"
#include "vrmwnd/platform/wincursor.h"

TEST(CursorTest, SistemaTemUmCursorPorNumeroEOutrosNaoExistem) {
  EXPECT_EQ(LoadCursor(nullptr, IDC_WAIT), LoadCursor(nullptr, IDC_WAIT));
  EXPECT_NE(LoadCursor(nullptr, IDC_WAIT), LoadCursor(nullptr, IDC_ARROW));
  EXPECT_EQ(LoadCursor(nullptr, MAKEINTRESOURCE(32511)), nullptr);
  EXPECT_EQ(LoadCursor(nullptr, MAKEINTRESOURCE(32515)), nullptr);
  EXPECT_EQ(LoadCursor(GetModuleHandle(nullptr), IDC_ARROW), nullptr) << "o programa não tem cursores";
}

TEST(CursorTest, EsperasAninhadasDevolvemOCursorDeAntes) {
  const HCURSOR hTexto = LoadCursor(nullptr, IDC_IBEAM), hEspera = LoadCursor(nullptr, IDC_WAIT);
  const HCURSOR hAnterior = SetCursor(hTexto);
  {
    CWaitCursor externa;
    EXPECT_EQ(GetCursor(), hEspera);
    {
      CWaitCursor interna;
      SetCursor(LoadCursor(nullptr, IDC_ARROW));  // uma caixa de mensagem no meio
      interna.Restore();
      EXPECT_EQ(GetCursor(), hEspera);
    }
    EXPECT_EQ(GetCursor(), hEspera) << "a espera de fora continua";
  }
  EXPECT_EQ(GetCursor(), hTexto);
  SetCursor(hAnterior);
}
