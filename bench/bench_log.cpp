// Linhas por segundo no arquivo de erros: abrir, anexar e fechar a cada linha (como
// o log grava) ao lado de um arquivo mantido aberto, na mesma execução.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "vrmwnd/base/QZProfilerRegistro.h"
#include "vrmwnd/platform/fileshare.h"

namespace {

std::string ArquivoTemporario(const char* szNome) { return (std::filesystem::temp_directory_path() / szNome).string(); }

const std::string kLinha =
    "05/03/2024\t09:07:03.045\tcompras\tana\tCDlgTitulos::OnOK\t \tEEMP\tU007\t"
    "S00000123\tT00000042\tERRO\t1000\t2000\t500\t0.1.0.0\t0.1.0.0\t"
    "DlgTitulos.cpp\t77\thr = Le()\thr = 0X80004005 E_FAIL\t\n";

void AbreAnexaFecha(benchmark::State& state) {
  const std::string arquivo = ArquivoTemporario("vrmwnd_bench_abre.dat");
  std::filesystem::remove(arquivo);
  for (auto _ : state) benchmark::DoNotOptimize(QZAnexaLinha(arquivo.c_str(), QZ_CABECALHO_ERROS, kLinha.c_str()));
  state.SetItemsProcessed(state.iterations());
  std::filesystem::remove(arquivo);
}
BENCHMARK(AbreAnexaFecha);

void ArquivoMantidoAberto(benchmark::State& state) {
  const std::string arquivo = ArquivoTemporario("vrmwnd_bench_aberto.dat");
  std::filesystem::remove(arquivo);
  std::FILE* f = _fsopen(arquivo.c_str(), "at", _SH_DENYWR);
  for (auto _ : state) {
    std::fputs(kLinha.c_str(), f);
    std::fflush(f);
  }
  std::fclose(f);
  state.SetItemsProcessed(state.iterations());
  std::filesystem::remove(arquivo);
}
BENCHMARK(ArquivoMantidoAberto);

}  // namespace
