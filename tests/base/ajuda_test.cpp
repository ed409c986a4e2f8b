// A ajuda de cada módulo vem do arquivo dele na instalação: com o arquivo, a caixa
// mostra o texto com o título do módulo; sem ele (ou com um módulo que não existe),
// a caixa diz o que falta.
#include <gtest/gtest.h>

#include <string>

#include "ambiente_teste.h"
#include "vrmwnd/base/QZAjuda.h"
#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/platform/msgbox.h"
#include "vrmwnd/platform/registry.h"

TEST(QZAbreAjudaTest, MostraOArquivoDoModuloOuDizOQueFalta) {
  struct TCaso {
    const char* szNome;
    int nModulo;
    const char* szArquivo;  // nulo: o arquivo do módulo não é gravado
    bool bAbre;
    const char* szTitulo;
    const char* szInicioTexto;
  };
  const TCaso kCasos[] = {
      {"o texto, sem os CR nem as linhas vazias do fim", 7, "Linha um\r\nLinha dois\r\n\r\n", true,
       "Ajuda - Tarvo Compras", "Linha um\nLinha dois"},
      {"arquivo que falta", 7, nullptr, false, "Ajuda - Tarvo Compras", "A ajuda de Tarvo Compras não está instalada"},
      {"arquivo vazio", 7, "\r\n", false, "Ajuda - Tarvo Compras", "A ajuda de Tarvo Compras não está instalada"},
      {"módulo fora da tabela", 31, "x", false, "Ajuda", "O módulo 31 não existe"},
  };
  for (const TCaso& c : kCasos) {
    SCOPED_TRACE(c.szNome);
    CHomeTemporaria home;
    const std::string strPasta = home.CriaSubpasta("inst");
    ASSERT_TRUE(QZGravaRegistroTexto(HKEY_LOCAL_MACHINE, QZChaveEmpresarial(), "Path", strPasta.c_str()));
    if (c.szArquivo) EscreveArquivo(strPasta + "/QZCMAjuda.txt", c.szArquivo);
    CApresentadorTeste caixas;
    EXPECT_EQ(QZAbreAjuda(c.nModulo, nullptr), c.bAbre);
    ASSERT_EQ(caixas.Caixas().size(), 1u);
    EXPECT_EQ(caixas.Caixas()[0].strTitulo, c.szTitulo);
    EXPECT_TRUE(caixas.Caixas()[0].strTexto.starts_with(c.szInicioTexto)) << caixas.Caixas()[0].strTexto;
    EXPECT_EQ(caixas.Caixas()[0].nEstilo & MB_ICONMASK, c.bAbre ? MB_ICONINFORMATION : MB_ICONEXCLAMATION);
  }
}

TEST(QZAbreAjudaTest, AInstalacaoDeExemploTrazAAjudaDeCompras) {
  CHomeTemporaria home;
  ASSERT_TRUE(QZCriaInstalacaoExemplo(home.CriaSubpasta("inst").c_str(), true));
  CApresentadorTeste caixas;
  EXPECT_TRUE(QZAbreAjuda(7, nullptr));
  ASSERT_EQ(caixas.Caixas().size(), 1u);
  EXPECT_NE(caixas.Caixas()[0].strTexto.find("Históricos desativados"), std::string::npos);
}
