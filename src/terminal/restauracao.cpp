// A volta do terminal: no fim normal pelo destrutor da tela; num sinal, só com o que
// pode ser chamado num tratador de sinal (tcsetattr, write, dup2, lseek, read) e então
// o sinal de novo com a ação padrão, para que o programa termine como terminaria; em
// std::terminate e em std::exit, o mesmo caminho antes do fim.
#include "restauracao.h"

#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace vrmwnd::terminal::detail::restauracao {
namespace {

constexpr int kSinais[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

struct TEstado {
  int nTerminal = -1;
  termios modo{};
  bool bModo = false;
  int nErroOriginal = -1;  // a saída de erros de antes
  int nErroDesviado = -1;  // o arquivo que a substitui
  std::string strSequencia;
  struct sigaction acoes[std::size(kSinais)] = {};
  std::terminate_handler terminateAnterior = nullptr;
  volatile sig_atomic_t bAtiva = 0;
  bool bPreparada = false;
};

TEstado g_estado;

void Escreve(int nArquivo, const char* pDados, std::size_t nTamanho) {
  while (nTamanho > 0) {
    const ssize_t n = write(nArquivo, pDados, nTamanho);
    if (n <= 0) return;
    pDados += n;
    nTamanho -= static_cast<std::size_t>(n);
  }
}

// O terminal como era e a saída de erros de volta com o que o arquivo guardou; só
// chamadas que valem num tratador de sinal.
void VoltaOTerminal() {
  if (!g_estado.bAtiva) return;
  g_estado.bAtiva = 0;
  Escreve(g_estado.nTerminal, g_estado.strSequencia.data(), g_estado.strSequencia.size());
  if (g_estado.bModo) tcsetattr(g_estado.nTerminal, TCSANOW, &g_estado.modo);
}

void VoltaAsErros() {
  if (g_estado.nErroOriginal < 0) return;
  dup2(g_estado.nErroOriginal, STDERR_FILENO);
  char buffer[4096];
  lseek(g_estado.nErroDesviado, 0, SEEK_SET);
  for (ssize_t n; (n = read(g_estado.nErroDesviado, buffer, sizeof buffer)) > 0;)
    Escreve(STDERR_FILENO, buffer, static_cast<std::size_t>(n));
  close(g_estado.nErroDesviado);
  close(g_estado.nErroOriginal);
  g_estado.nErroOriginal = g_estado.nErroDesviado = -1;
}

extern "C" void AoSinal(int nSinal) {
  VoltaOTerminal();
  VoltaAsErros();
  signal(nSinal, SIG_DFL);
  raise(nSinal);
}

void AoTerminar() {
  VoltaOTerminal();
  std::fflush(stderr);
  VoltaAsErros();
  if (g_estado.terminateAnterior != nullptr) g_estado.terminateAnterior();
  std::abort();
}

extern "C" void AoSair() {
  if (!g_estado.bPreparada) return;
  VoltaOTerminal();
  std::fflush(stderr);
  VoltaAsErros();
}

}  // namespace

void Prepara(int nTerminal) {
  static const bool bRegistrada = std::atexit(AoSair) == 0;
  (void)bRegistrada;
  g_estado.nTerminal = nTerminal;
  g_estado.bModo = tcgetattr(nTerminal, &g_estado.modo) == 0;
  for (std::size_t i = 0; i < std::size(kSinais); ++i) sigaction(kSinais[i], nullptr, &g_estado.acoes[i]);
  std::fflush(stderr);
  std::FILE* pArquivo = std::tmpfile();
  if (pArquivo != nullptr) {
    g_estado.nErroDesviado = dup(fileno(pArquivo));
    std::fclose(pArquivo);
    g_estado.nErroOriginal = dup(STDERR_FILENO);
    dup2(g_estado.nErroDesviado, STDERR_FILENO);
  }
  g_estado.bPreparada = true;
}

void Ativa(std::string strSequencia) {
  g_estado.strSequencia = std::move(strSequencia);
  struct sigaction acao {};
  acao.sa_handler = AoSinal;
  sigemptyset(&acao.sa_mask);
  for (int nSinal : kSinais) sigaction(nSinal, &acao, nullptr);
  g_estado.terminateAnterior = std::set_terminate(AoTerminar);
  g_estado.bAtiva = 1;
}

void Restaura() {
  if (!g_estado.bPreparada) return;
  g_estado.bAtiva = 0;  // o endwin já devolveu o terminal
  for (std::size_t i = 0; i < std::size(kSinais); ++i) sigaction(kSinais[i], &g_estado.acoes[i], nullptr);
  if (g_estado.terminateAnterior != nullptr) std::set_terminate(g_estado.terminateAnterior);
  g_estado.terminateAnterior = nullptr;
  std::fflush(stderr);
  VoltaAsErros();
  g_estado.bPreparada = false;
}

}  // namespace vrmwnd::terminal::detail::restauracao
