// CVRMSVRUtil::ExecutaProgramaTarvo: o programa da instalação recebe módulo, empresa,
// usuário, sessão e as palavras das opções; o que não pode rodar é mostrado ao
// usuário numa caixa com o título do módulo e o motivo.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "instalacao_teste.h"
#include "vrmwnd/suite/regras/CVRMSVRUtil.h"

namespace {

class ExecutaProgramaTest : public testing::Test {
 protected:
  std::string Arquivo(const std::string& strNome) const { return m_instalacao.Arquivo(strNome); }

  CInstalacaoTeste m_instalacao;
  CApresentadorTeste m_apresentador;
};

}  // namespace

TEST_F(ExecutaProgramaTest, ProgramaDaInstalacaoRecebeOsArgumentos) {
  const std::string strPrograma = Arquivo("ALRTCONF.EXE");
  EscreveArquivo(strPrograma,
                 "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args.tmp\"\n"
                 "mv \"$0.args.tmp\" \"$0.args\"\n");
  ::chmod(strPrograma.c_str(), 0755);

  CVRMSVRUtil::ExecutaProgramaTarvo("ALRTCONF.EXE", "CM", "EMPRESA 1", 4, 99, "-T7  -X");
  const std::string strArgs = EsperaArquivo(strPrograma + ".args", [](const std::string& s) { return !s.empty(); });
  EXPECT_EQ(strArgs, "CM\nEMPRESA 1\n4\n99\n-T7\n-X\n");
  EXPECT_TRUE(m_apresentador.Caixas().empty());
}

TEST_F(ExecutaProgramaTest, ProgramaQueNaoRodaEhMostradoAoUsuario) {
  EscreveArquivo(Arquivo("SEMEXEC.EXE"), "#!/bin/sh\n");
  ::chmod(Arquivo("SEMEXEC.EXE").c_str(), 0644);
  const struct {
    const char* programa;
    std::string texto;
  } kCasos[] = {
      {"NADA.EXE",
       "Não foi possível executar o programa NADA.EXE: o programa não existe em " + Arquivo("NADA.EXE") + "."},
      {"SEMEXEC.EXE",
       "Não foi possível executar o programa SEMEXEC.EXE: sem permissão para "
       "executar o arquivo."},
      {"../x",
       "Não foi possível executar o programa ../x: o nome do programa não é um nome de "
       "arquivo."},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.programa);
    const std::size_t n = m_apresentador.Caixas().size();
    CVRMSVRUtil::ExecutaProgramaTarvo(c.programa, "CM", "E", 1, 1, "");
    ASSERT_EQ(m_apresentador.Caixas().size(), n + 1);
    EXPECT_EQ(m_apresentador.Caixas().back().strTexto, c.texto);
    EXPECT_EQ(m_apresentador.Caixas().back().strTitulo, "Tarvo Compras");
    EXPECT_EQ(m_apresentador.Caixas().back().nEstilo, MB_OK | MB_ICONERROR);
  }
}

TEST(ArgumentosDaLinhaDeComandoTest, SeparaComoOWindows) {
  const struct {
    const char* szLinha;
    std::vector<std::string> esperados;
  } kCasos[] = {
      {"-E\"Empresa X\" -U4 -L99 -C\"30\"", {"-EEmpresa X", "-U4", "-L99", "-C30"}},
      {"-C\"\"", {"-C"}},
      {"  a\t b  ", {"a", "b"}},
      {"\"\"", {""}},
      {"a\\\"b", {"a\"b"}},          // \" é aspa literal
      {"a\\\\\"b c\"", {"a\\b c"}},  // \\" : uma barra, e as aspas agrupam
      {"a\\b", {"a\\b"}},            // barra sem aspas fica
      {"\"a \"\" b\"", {"a \" b"}},  // "" dentro de aspas
      {"\"sem fim", {"sem fim"}},
      {"", {}},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szLinha);
    EXPECT_EQ(CVRMSVRUtil::ArgumentosDaLinhaDeComando(c.szLinha), c.esperados);
  }
}
