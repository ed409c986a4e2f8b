// A instalação de exemplo como "compras instalar" e os testes a criam: os arquivos
// embutidos gravados e registrados, os programas executáveis, os arquivos que já
// existem mantidos ou sobrescritos, e a pasta que não pode ser gravada dita na falha.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "ambiente_teste.h"
#include "vrmwnd/base/QZException.h"
#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/platform/registry.h"

TEST(QZCriaInstalacaoExemploTest, GravaRegistraEMantemOuSobrescreveOQueJaExiste) {
  for (const bool bSobrescreve : {false, true}) {
    SCOPED_TRACE(bSobrescreve ? "sobrescreve" : "mantém");
    CHomeTemporaria home;
    const std::string strPasta = home.CriaSubpasta("inst");
    EscreveArquivo(strPasta + "/QZCMMens.txt", "1160    Texto da casa.\n");
    CString strFalha;
    ASSERT_TRUE(QZCriaInstalacaoExemplo(strPasta.c_str(), bSobrescreve, &strFalha)) << strFalha.GetString();

    EXPECT_EQ(QZDiretorioInstalacao(), CString((strPasta + "\\").c_str()));
    EXPECT_EQ(QZDiretorioMensagens(), CString((strPasta + "\\").c_str()));
    EXPECT_EQ(std::string(QZTextoMensagem(1160, "CM")),
              bSobrescreve ? "Não há dados para mostrar no relatório." : "Texto da casa.");
    EXPECT_EQ(std::string(QZTextoMensagem(5508, "DF")), "Condição de pagamento não encontrada.");
    int nArquivos = 0;
    for (const TQZArquivoExemplo* p = kQZInstalacaoExemplo; p->szNome != nullptr; ++p, ++nArquivos) {
      SCOPED_TRACE(p->szNome);
      const std::string strArquivo = strPasta + "/" + p->szNome;
      if (std::string(p->szNome) != "QZCMMens.txt" || bSobrescreve) {
        EXPECT_EQ(LeArquivo(strArquivo), p->szConteudo);
      }
      EXPECT_EQ(::access(strArquivo.c_str(), X_OK) == 0, std::string(p->szConteudo).starts_with("#!"))
          << "só os programas ficam executáveis";
    }
    EXPECT_GE(nArquivos, 5) << "log.ini, as mensagens de CM e DF e os dois programas";
  }
}

TEST(QZCriaInstalacaoExemploTest, PastaQueNaoPodeSerGravadaDizOArquivo) {
  CHomeTemporaria home;
  EscreveArquivo(home.Caminho("comum"), "não é pasta");
  CString strFalha;
  EXPECT_FALSE(QZCriaInstalacaoExemplo(home.Caminho("comum").c_str(), true, &strFalha));
  EXPECT_TRUE(std::string(strFalha.GetString()).starts_with(home.Caminho("comum/"))) << strFalha.GetString();
  EXPECT_EQ(QZLeRegistroTexto(HKEY_LOCAL_MACHINE, QZChaveEmpresarial(), "Path"), CString())
      << "nada é registrado quando a instalação falha";
}
