// compras instalar: cria a pasta de instalação de exemplo sob VRMWND_HOME com
// log.ini e os arquivos de mensagens, e registra "Path" e "Mensagens" nela.
#include <cstdio>

#include "comandos.h"
#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/platform/home.h"
#include "vrmwnd/platform/registry.h"

namespace compras {

std::string GaranteInstalacao(bool bForcar) {
  const CString strRegistrada = QZLeRegistroTexto(HKEY_LOCAL_MACHINE, QZChaveEmpresarial(), "Path");
  if (!bForcar && !strRegistrada.IsEmpty()) return strRegistrada.GetString();
  const std::string strPasta = GetPlatformHomeDirectory() + "/instalacao";
  CString strFalha;
  if (!QZCriaInstalacaoExemplo(strPasta.c_str(), bForcar, &strFalha)) {
    std::fprintf(stderr, "compras instalar: não foi possível gravar %s\n", strFalha.GetString());
    return {};
  }
  return strPasta;
}

int ComandoInstalar(int argc, char**) {
  if (argc != 0) return UsoErrado(Comando("instalar"), "o comando não tem argumentos");
  const std::string strPasta = GaranteInstalacao(true);
  if (strPasta.empty()) return 1;
  std::printf("Instalação criada em %s\n", strPasta.c_str());
  for (const TQZArquivoExemplo* p = kQZInstalacaoExemplo; p->szNome; ++p) std::printf("  %s\n", p->szNome);
  std::printf("Registro: \"Path\" e \"Mensagens\" de HKEY_LOCAL_MACHINE\\%s\n", QZChaveEmpresarial().GetString());
  return 0;
}

}  // namespace compras
