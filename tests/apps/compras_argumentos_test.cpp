// compras diante de argumentos extremos ou vazios: uma mensagem clara em português e a
// saída 2, nunca um valor que deu a volta nem uma saída muda.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ambiente_teste.h"
#include "processo_compras.h"

TEST(ComprasArgumentosTest, ExtremosEVaziosSaoRecusadosComMensagem) {
  const struct {
    std::vector<std::string> argumentos;
    int nCodigo;
    const char* szTexto;
  } kCasos[] = {
      {{"valor", "922337203685477,5807", "--modo", "meio", "--casas", "0"}, 2, "o valor arredondado sai da faixa"},
      {{"valor", "-922337203685477,5807", "--modo", "cima", "--casas", "2"}, 2, "o valor arredondado sai da faixa"},
      {{"valor", "922337203685477,5807", "--modo", "trunca", "--casas", "0"}, 0, "922.337.203.685.477\n"},
      {{"valor", "-922337203685477,5", "--modo", "meio", "--casas", "0"}, 2, "o valor arredondado sai da faixa"},
      {{"valor", "-922337203685477,4", "--modo", "meio", "--casas", "0"}, 0, "-922.337.203.685.477\n"},
      {{"data", "1/4294967297/2000"}, 2, "data ilegível"},
      {{"data", "1/1/4294969296"}, 2, "data ilegível"},
      {{"data", "99999999999/1/2000"}, 2, "data ilegível"},
      {{"data", "4294967296"}, 2, "número de dia ilegível"},
      {{"log", "--mes", "-20401"}, 2, "mês ilegível"},
      {{"log", "--mes", "+20401"}, 2, "mês ilegível"},
      {{"log", "--mes", "000001"}, 2, "mês ilegível"},
      {{"consulta", "condicao", "30", "--modulo", ""}, 2, "o módulo é um número de 0 a 255"},
      {{"consulta", "condicao", ""}, 2, "o código não pode ser vazio"},
      {{"consulta", "autorizacao", ""}, 2, "o código não pode ser vazio"},
      {{"origem", "X - Y - Z - W"}, 2, "texto de origem ilegível"},
      {{"origem", "-"}, 2, "texto de origem ilegível"},
      {{"origem", "MA - 05/1848 - 42"}, 2, "texto de origem ilegível"},
  };
  CHomeTemporaria home;
  const std::string strCasa = home.CriaSubpasta("casa");
  for (const auto& c : kCasos) {
    std::string strLinha;
    for (const std::string& a : c.argumentos) strLinha += " '" + a + "'";
    SCOPED_TRACE("compras" + strLinha);
    std::string strSaida;
    EXPECT_EQ(Executa(strCasa, c.argumentos, strSaida), c.nCodigo) << strSaida;
    EXPECT_NE(strSaida.find(c.szTexto), std::string::npos) << strSaida;
  }
}

TEST(ComprasArgumentosTest, OrigemComNumeroAcimaDe31BitsVoltaPeloProprioTexto) {
  CHomeTemporaria home;
  const std::string strCasa = home.CriaSubpasta("casa");
  std::string strPrimeira, strSegunda;
  ASSERT_EQ(Executa(strCasa, {"origem", "MA - 05/1848 - 2147483648 - 5"}, strPrimeira), 0) << strPrimeira;
  EXPECT_NE(strPrimeira.find("Texto de gravação:  MA - 05/1848 - -2147483648 - 5 ("), std::string::npos) << strPrimeira;
  EXPECT_NE(strPrimeira.find("Número:             2147483648\n"), std::string::npos) << strPrimeira;
  ASSERT_EQ(Executa(strCasa, {"origem", "MA - 05/1848 - -2147483648 - 5"}, strSegunda), 0) << strSegunda;
  EXPECT_EQ(strSegunda, strPrimeira);
}

TEST(ComprasArgumentosTest, SemCasaAbsolutaRecusaEDizPorQueSemGravarNada) {
  CHomeTemporaria home;
  const std::string strPasta = home.CriaSubpasta("pasta atual");
  const struct {
    const char* szCaso;
    std::vector<std::string> ambiente;
  } kCasos[] = {
      {"sem HOME nem VRMWND_HOME", {"LANG=C.UTF-8"}},
      {"VRMWND_HOME relativa", {"LANG=C.UTF-8", "VRMWND_HOME=casa", "HOME=" + home.Pasta()}},
      {"HOME relativa", {"LANG=C.UTF-8", "HOME=."}},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    TExecucao e = IniciaCom(c.ambiente, {"valor", "1"}, strPasta, home.Caminho("saida"));
    std::string strSaida;
    EXPECT_EQ(Espera(e, strSaida), 2) << strSaida;
    EXPECT_NE(strSaida.find("não há pasta de dados: defina VRMWND_HOME ou HOME com um caminho absoluto"),
              std::string::npos)
        << strSaida;
    EXPECT_TRUE(std::filesystem::is_empty(strPasta)) << "nada gravado na pasta atual";
  }
}

TEST(ComprasArgumentosTest, PastaRelativaNoRegistroEhRecusadaDizendoAEntrada) {
  const struct {
    const char* szCaso;
    std::string strRegistro;
    const char* szEsperado;
  } kCasos[] = {
      {"instalação", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Telvaro\\Tarvo Empresarial]\nPath=sz:relativa\n",
       "o valor \"Path\" de HKEY_LOCAL_MACHINE\\SOFTWARE\\Telvaro\\Tarvo Empresarial não é um caminho absoluto: "
       "\"relativa\""},
      {"mensagens", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Telvaro\\Tarvo Empresarial]\nMensagens=sz:..\\msg\n",
       "o valor \"Mensagens\" de HKEY_LOCAL_MACHINE\\SOFTWARE\\Telvaro\\Tarvo Empresarial não é um caminho absoluto"},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szCaso);
    CHomeTemporaria home;
    const std::string strCasa = home.CriaSubpasta("casa");
    EscreveArquivo(strCasa + "/registry.ini", c.strRegistro);
    std::string strSaida;
    EXPECT_EQ(Executa(strCasa, {"nota", "listar"}, strSaida), 2) << strSaida;
    EXPECT_NE(strSaida.find(c.szEsperado), std::string::npos) << strSaida;
  }
  // A pasta relativa de uma empresa: quem a abre diz a entrada, e nada é criado no lugar.
  CHomeTemporaria home;
  const std::string strCasa = home.CriaSubpasta("casa");
  std::string strSaida;
  ASSERT_EQ(Executa(strCasa, {"instalar"}, strSaida), 0) << strSaida;
  std::string strRegistro = LeArquivo(strCasa + "/registry.ini");
  strRegistro +=
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Telvaro\\Tarvo Empresarial\\Empresas\\AMOSTRA]\nPath=sz:empresas/AMOSTRA\n";
  EscreveArquivo(strCasa + "/registry.ini", strRegistro);
  EXPECT_EQ(Executa(strCasa, {"nota", "listar"}, strSaida), 1) << strSaida;
  EXPECT_NE(strSaida.find("o valor \"Path\" de HKEY_LOCAL_MACHINE\\SOFTWARE\\Telvaro\\Tarvo "
                          "Empresarial\\Empresas\\AMOSTRA não é um caminho absoluto: \"empresas/AMOSTRA\""),
            std::string::npos)
      << strSaida;
  EXPECT_FALSE(std::filesystem::exists(strCasa + "/empresas/AMOSTRA/empresa.db"));
}
