// compras iniciado como processo à parte, numa casa dada (VRMWND_HOME e HOME), com a
// saída e os erros num arquivo ao lado da casa: iniciar vários de uma vez, esperar cada
// um e ler o que disse.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "ambiente_teste.h"

struct TExecucao {
  pid_t pid = -1;
  std::string strSaida;  // arquivo com a saída e os erros
};

// O ambiente de uma casa: VRMWND_HOME e HOME nela, nada mais do processo de teste.
inline std::vector<std::string> AmbienteDaCasa(const std::string& strCasa) {
  return {"VRMWND_HOME=" + strCasa, "HOME=" + strCasa, "LANG=C.UTF-8"};
}

// Inicia compras com os argumentos e o ambiente dados (só ele), na pasta strPasta, com
// a saída no arquivo strSaida.
inline TExecucao IniciaCom(std::vector<std::string> ambiente, std::vector<std::string> argumentos,
                           const std::string& strPasta, const std::string& strSaida) {
  TExecucao e;
  e.strSaida = strSaida;
  argumentos.insert(argumentos.begin(), COMPRAS_EXE);
  std::vector<char*> argv, envp;
  for (std::string& s : argumentos) argv.push_back(s.data());
  argv.push_back(nullptr);
  for (std::string& s : ambiente) envp.push_back(s.data());
  envp.push_back(nullptr);
  posix_spawn_file_actions_t acoes;
  posix_spawn_file_actions_init(&acoes);
  posix_spawn_file_actions_addchdir_np(&acoes, strPasta.c_str());
  posix_spawn_file_actions_addopen(&acoes, 1, e.strSaida.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&acoes, 1, 2);
  if (posix_spawn(&e.pid, COMPRAS_EXE, &acoes, nullptr, argv.data(), envp.data()) != 0) e.pid = -1;
  posix_spawn_file_actions_destroy(&acoes);
  return e;
}

// Inicia compras na casa; nIndice separa a saída de processos simultâneos.
inline TExecucao Inicia(const std::string& strCasa, const std::vector<std::string>& argumentos, int nIndice) {
  return IniciaCom(AmbienteDaCasa(strCasa), argumentos, strCasa,
                   strCasa + "/../saida-" + std::to_string(::getpid()) + "-" + std::to_string(nIndice));
}

// Espera o processo; devolve o código de saída, ou 128 + sinal, e o que ele disse.
inline int Espera(TExecucao& e, std::string& strSaida) {
  int nEstado = 0;
  if (e.pid < 0 || ::waitpid(e.pid, &nEstado, 0) != e.pid) return -1;
  strSaida = LeArquivo(e.strSaida);
  ::unlink(e.strSaida.c_str());
  return WIFEXITED(nEstado) ? WEXITSTATUS(nEstado) : 128 + WTERMSIG(nEstado);
}

inline int Executa(const std::string& strCasa, const std::vector<std::string>& argumentos, std::string& strSaida) {
  TExecucao e = Inicia(strCasa, argumentos, 0);
  return Espera(e, strSaida);
}
