// Gancho de teste das leituras do servidor: faz a leitura nomeada falhar com um
// código dado na N-ésima chamada ou em todas; e o que estraga as notas lidas.
#include <map>
#include <mutex>
#include <string>

#include "falhas_leitura.h"
#include "vrmwnd/suite/servidor/resultados.h"

namespace vrmsuite {
namespace {

struct TFalha {
  HRESULT hr;
  int nChamada;   // 0 = todas
  int nContadas;  // chamadas desde a programação
};

std::mutex g_mtx;
std::map<std::string, TFalha, std::less<>>& Falhas() {
  static auto* pMapa = new std::map<std::string, TFalha, std::less<>>;
  return *pMapa;
}

}  // namespace

void ProgramaFalhaLeitura(const char* szLeitura, HRESULT hr, int nChamada) {
  std::lock_guard trava(g_mtx);
  Falhas()[szLeitura] = TFalha{hr, nChamada, 0};
}

void LimpaFalhasLeitura() {
  std::lock_guard trava(g_mtx);
  Falhas().clear();
}

int ChamadasDaLeitura(const char* szLeitura) {
  std::lock_guard trava(g_mtx);
  const auto it = Falhas().find(std::string_view(szLeitura));
  return it == Falhas().end() ? 0 : it->second.nContadas;
}

namespace {
TAlteraNota g_pAlteraNota = nullptr;
}  // namespace

void ProgramaAlteracaoNota(TAlteraNota pAltera) {
  std::lock_guard trava(g_mtx);
  g_pAlteraNota = pAltera;
}

TAlteraNota AlteracaoNotaProgramada() {
  std::lock_guard trava(g_mtx);
  return g_pAlteraNota;
}

HRESULT FalhaProgramada(const char* szLeitura) {
  std::lock_guard trava(g_mtx);
  auto it = Falhas().find(std::string_view(szLeitura));
  if (it == Falhas().end()) return S_OK;
  TFalha& falha = it->second;
  ++falha.nContadas;
  if (falha.nChamada == 0 || falha.nContadas == falha.nChamada) return falha.hr;
  return S_OK;
}

}  // namespace vrmsuite
