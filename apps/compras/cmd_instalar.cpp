// compras instalar: cria a pasta de instalação de exemplo sob VRMWND_HOME com
// log.ini e os arquivos de mensagens, e registra "Path" e "Mensagens" nela.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "comandos.h"
#include "instalacao_embutida.h"
#include "vrmwnd/base/QZInstalacao.h"

namespace compras {

std::string GaranteInstalacao(bool bForcar) {
  if (!bForcar && !QZLeRegistroTexto(HKEY_LOCAL_MACHINE, QZChaveEmpresarial(), "Path").IsEmpty())
    return QZLeRegistroTexto(HKEY_LOCAL_MACHINE, QZChaveEmpresarial(), "Path").GetString();
  const std::string strPasta = GetPlatformHomeDirectory() + "/instalacao";
  std::error_code erro;
  std::filesystem::create_directories(strPasta, erro);
  for (const TArquivoEmbutido* p = kArquivosInstalacao; p->szNome; ++p) {
    const std::string strArquivo = strPasta + "/" + p->szNome;
    if (!bForcar && std::filesystem::exists(strArquivo, erro)) continue;
    std::ofstream arquivo(strArquivo, std::ios::binary | std::ios::trunc);
    arquivo << p->szConteudo;
    arquivo.close();
    if (!arquivo) {
      std::fprintf(stderr, "compras instalar: não foi possível gravar %s\n", strArquivo.c_str());
      return {};
    }
    // Os programas de exemplo (roteiros "#!") são instalados executáveis.
    if (std::string_view(p->szConteudo).starts_with("#!")) {
      std::filesystem::permissions(strArquivo, std::filesystem::perms::owner_exec | std::filesystem::perms::group_exec |
                                                   std::filesystem::perms::others_exec,
                                   std::filesystem::perm_options::add, erro);
    }
  }
  if (!QZGravaRegistroTexto(HKEY_LOCAL_MACHINE, QZChaveEmpresarial(), "Path", strPasta.c_str()) ||
      !QZGravaRegistroTexto(HKEY_LOCAL_MACHINE, QZChaveEmpresarial(), "Mensagens", strPasta.c_str())) {
    std::fprintf(stderr, "compras instalar: não foi possível gravar o registro em %s\n",
                 GetPlatformHomeDirectory().c_str());
    return {};
  }
  return strPasta;
}

int ComandoInstalar(int argc, char**) {
  if (argc != 0) return UsoErrado(Comando("instalar"), "o comando não tem argumentos");
  const std::string strPasta = GaranteInstalacao(true);
  if (strPasta.empty()) return 1;
  std::printf("Instalação criada em %s\n", strPasta.c_str());
  for (const TArquivoEmbutido* p = kArquivosInstalacao; p->szNome; ++p)
    std::printf("  %s\n", p->szNome);
  std::printf("Registro: \"Path\" e \"Mensagens\" de HKEY_LOCAL_MACHINE\\%s\n",
              QZChaveEmpresarial().GetString());
  return 0;
}

}  // namespace compras
