// compras alerta TIPO: chama o ponto de entrada de automação do tipo de alerta (2 a
// 9), que abre o configurador de alertas da instalação, e mostra o que ele anotou.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "comandos.h"
#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/util/automacao.h"

namespace compras {
namespace {

using TPontoEntrada = void (*)(const char*, unsigned short, long);

struct TAlerta {
  int nTipo;
  const char* szFuncao;
  TPontoEntrada pFuncao;
};

constexpr TAlerta kAlertas[] = {
    {2, "ParaAUTO_EXCEDENTE_CFG", ParaAUTO_EXCEDENTE_CFG},
    {3, "ParaAUTO_REINCLUIDO_CFG", ParaAUTO_REINCLUIDO_CFG},
    {4, "ParaAUTO_AUTORIZACAO_CFG", ParaAUTO_AUTORIZACAO_CFG},
    {5, "ParaAUTO_STATUSOC_CFG", ParaAUTO_STATUSOC_CFG},
    {6, "ParaAUTO_STATUSOCFORNECEDOR_CFG", ParaAUTO_STATUSOCFORNECEDOR_CFG},
    {7, "ParaAUTO_ACOMPANHAMENTO_CFG", ParaAUTO_ACOMPANHAMENTO_CFG},
    {8, "ParaAUTO_INCLUSAOSC_CFG", ParaAUTO_INCLUSAOSC_CFG},
    {9, "ParaAUTO_VENCIMENTO_CC_CFG", ParaAUTO_VENCIMENTO_CC_CFG},
};

std::string LeTudo(const std::string& strArquivo) {
  std::ifstream arquivo(strArquivo, std::ios::binary);
  std::ostringstream texto;
  texto << arquivo.rdbuf();
  return texto.str();
}

}  // namespace

int ComandoAlerta(int argc, char** argv) {
  const TComando& comando = Comando("alerta");
  if (argc != 1) return UsoErrado(comando, "diga o tipo de alerta (2 a 9)");
  char* pFim = nullptr;
  const long nTipo = std::strtol(argv[0], &pFim, 10);
  const TAlerta* pAlerta = nullptr;
  for (const TAlerta& a : kAlertas)
    if (*argv[0] != '\0' && *pFim == '\0' && a.nTipo == nTipo) pAlerta = &a;
  if (pAlerta == nullptr) return UsoErrado(comando, "tipo de alerta desconhecido (use 2 a 9)");

  std::string strLog = QZDiretorioInstalacao().GetString();
  for (char& c : strLog) c = c == '\\' ? '/' : c;
  strLog += "ALRTCONF.log";
  const std::size_t nAntes = LeTudo(strLog).size();
  std::printf("%s(\"%s\", 1, 1)\n", pAlerta->szFuncao, kEmpresaPadrao);
  pAlerta->pFuncao(kEmpresaPadrao, 1, 1);
  for (int i = 0; i < 500; ++i) {  // o configurador roda à parte; espera até 5 s
    const std::string strTexto = LeTudo(strLog);
    if (strTexto.size() > nAntes && strTexto.back() == '\n') {
      std::printf("%s", strTexto.substr(nAntes).c_str());
      return 0;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::fprintf(stderr, "compras alerta: o configurador não anotou nada em %s\n", strLog.c_str());
  return 1;
}

}  // namespace compras
