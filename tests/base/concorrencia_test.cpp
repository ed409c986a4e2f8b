// Dois processos anexando 10.000 linhas cada ao mesmo arquivo de erros: nenhuma se
// perde e nenhuma se mistura com outra.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "profiler_teste.h"

TEST(QZAnexaLinhaConcorrenciaTest, DoisProcessosNaoPerdemNemMisturamLinhas) {
  CInstalacaoTeste inst;
  constexpr int kLinhas = 10'000;
  const std::string arquivo = inst.Arquivo("QZProfilerErros_Pgms_202401.dat");
  const pid_t filho = fork();
  ASSERT_GE(filho, 0);
  const char quem = filho == 0 ? 'F' : 'P';
  int perdidas = 0;
  for (int i = 0; i < kLinhas; ++i) {
    const std::string linha = std::string(1, quem) + std::to_string(i) + "\t" + std::string(150, quem) + "\n";
    if (!QZAnexaLinha(arquivo.c_str(), QZ_CABECALHO_ERROS, linha.c_str())) ++perdidas;
  }
  if (filho == 0) _exit(perdidas == 0 ? 0 : 1);
  int estado = 0;
  waitpid(filho, &estado, 0);
  EXPECT_EQ(perdidas, 0);
  EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0) << "o filho perdeu linhas";

  const std::vector<std::string> linhas = Linhas(LeArquivo(arquivo));
  ASSERT_EQ(linhas.size(), 1u + 2 * kLinhas);
  EXPECT_EQ(linhas[0] + "\n", QZ_CABECALHO_ERROS) << "um só cabeçalho";
  int proxima[2] = {0, 0};
  for (std::size_t i = 1; i < linhas.size(); ++i) {
    const std::string& l = linhas[i];
    const int lado = l[0] == 'F' ? 1 : 0;
    const std::string numero = std::to_string(proxima[lado]++);
    ASSERT_EQ(l, std::string(1, l[0]) + numero + "\t" + std::string(150, l[0])) << "linha " << i;
  }
  EXPECT_EQ(proxima[0], kLinhas);
  EXPECT_EQ(proxima[1], kLinhas);
}
