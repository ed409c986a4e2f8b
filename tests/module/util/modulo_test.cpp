// A biblioteca se registra ao carregar: a tela acha o recurso do módulo pelo nome do
// arquivo, como qualquer módulo do processo.
#include <gtest/gtest.h>

#include "vrmwnd/util/modulo.h"

TEST(ModuloTest, RegistradoAoCarregarEAchadoPeloNomeDoArquivo) {
  ASSERT_NE(vrmwnd::InstanciaModulo(), nullptr);
  EXPECT_EQ(GetModuleHandle("vrmwnd.dll"), vrmwnd::InstanciaModulo());
  EXPECT_EQ(GetModuleHandle("C:\\Tarvo\\VRMWND.DLL"), vrmwnd::InstanciaModulo());
  EXPECT_NE(AfxGetResourceHandle(), vrmwnd::InstanciaModulo()) << "o programa continua o recurso corrente";
}
