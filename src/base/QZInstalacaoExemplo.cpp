// A instalação de exemplo gravada numa pasta e registrada como a instalação da suíte:
// o que "compras instalar" faz e o que cada teste monta na sua pasta temporária.
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/platform/home.h"
#include "vrmwnd/platform/registry.h"

namespace {

bool GravaArquivo(const std::string& strArquivo, const char* szConteudo) {
  std::ofstream arquivo(strArquivo, std::ios::binary | std::ios::trunc);
  arquivo << szConteudo;
  arquivo.close();
  if (!arquivo) return false;
  // Os programas de exemplo (roteiros "#!") são instalados executáveis.
  if (!std::string_view(szConteudo).starts_with("#!")) return true;
  std::error_code erro;
  std::filesystem::permissions(strArquivo,
                               std::filesystem::perms::owner_exec | std::filesystem::perms::group_exec |
                                   std::filesystem::perms::others_exec,
                               std::filesystem::perm_options::add, erro);
  return !erro;
}

bool Falha(CString* pstrFalha, const std::string& strOnde) {
  if (pstrFalha != nullptr) *pstrFalha = strOnde.c_str();
  return false;
}

}  // namespace

bool QZCriaInstalacaoExemplo(const char* szPasta, bool bSobrescreve, CString* pstrFalha) {
  const std::string strPasta(szPasta);
  std::error_code erro;
  std::filesystem::create_directories(strPasta, erro);
  for (const TQZArquivoExemplo* p = kQZInstalacaoExemplo; p->szNome != nullptr; ++p) {
    const std::string strArquivo = strPasta + "/" + p->szNome;
    if (!bSobrescreve && std::filesystem::exists(strArquivo, erro)) continue;
    if (!GravaArquivo(strArquivo, p->szConteudo)) return Falha(pstrFalha, strArquivo);
  }
  if (!QZGravaRegistroTexto(HKEY_LOCAL_MACHINE, QZChaveEmpresarial(), "Path", szPasta) ||
      !QZGravaRegistroTexto(HKEY_LOCAL_MACHINE, QZChaveEmpresarial(), "Mensagens", szPasta))
    return Falha(pstrFalha, GetPlatformHomeDirectory() + "/registry.ini");
  return true;
}
