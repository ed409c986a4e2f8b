// compras em vários processos sobre uma casa nova, como uma pessoa os dispara: todos
// juntos no primeiro uso, um interrompido no meio da criação da empresa, o registro
// esvaziado. Em todo caso o comando seguinte encontra a empresa inteira.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <thread>

#include "ambiente_teste.h"
#include "processo_compras.h"

namespace {

constexpr const char* kListaCompleta = "6 nota(s)";

}  // namespace

TEST(ComprasProcessosTest, InterrompidoNoPrimeiroUsoOSeguinteEncontraAEmpresaInteira) {
  constexpr struct {
    int nSinal;
    int nMicrossegundos;
  } kCasos[] = {
      {SIGKILL, 0},      {SIGKILL, 2000},  {SIGKILL, 8000},  {SIGKILL, 20000},  {SIGKILL, 50000},
      {SIGKILL, 100000}, {SIGTERM, 10000}, {SIGTERM, 40000}, {SIGTERM, 200000},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << "sinal " << c.nSinal << " após " << c.nMicrossegundos << " µs");
    CHomeTemporaria home;
    const std::string strCasa = home.CriaSubpasta("casa");
    TExecucao primeira = Inicia(strCasa, {"nota", "listar"}, 0);
    std::this_thread::sleep_for(std::chrono::microseconds(c.nMicrossegundos));
    ::kill(primeira.pid, c.nSinal);
    std::string strSaida;
    Espera(primeira, strSaida);
    EXPECT_EQ(Executa(strCasa, {"nota", "listar"}, strSaida), 0) << strSaida;
    EXPECT_NE(strSaida.find(kListaCompleta), std::string::npos) << strSaida;
  }
}

TEST(ComprasProcessosTest, RegistroEsvaziadoAEmpresaEhAdotadaComSeusDados) {
  CHomeTemporaria home;
  const std::string strCasa = home.CriaSubpasta("casa");
  std::string strSaida;
  ASSERT_EQ(Executa(strCasa, {"nota", "listar"}, strSaida), 0) << strSaida;
  EscreveArquivo(strCasa + "/registry.ini", "");
  EXPECT_EQ(Executa(strCasa, {"empresa", "criar"}, strSaida), 0) << strSaida;
  EXPECT_NE(strSaida.find("sem registro: registrada de novo"), std::string::npos) << strSaida;
  EscreveArquivo(strCasa + "/registry.ini", "");
  EXPECT_EQ(Executa(strCasa, {"nota", "listar"}, strSaida), 0) << strSaida;
  EXPECT_NE(strSaida.find(kListaCompleta), std::string::npos) << strSaida;
  EXPECT_EQ(Executa(strCasa, {"empresa", "criar"}, strSaida), 1) << strSaida;
  EXPECT_NE(strSaida.find("já existe"), std::string::npos) << strSaida;
}
