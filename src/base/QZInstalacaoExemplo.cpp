// A instalação de exemplo gravada numa pasta e registrada como a instalação da suíte:
// o que "compras instalar" faz e o que cada teste monta na sua pasta temporária.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/platform/home.h"
#include "vrmwnd/platform/registry.h"

namespace {

// Grava num temporário exclusivo e o renomeia para o lugar: quem lê o arquivo ao mesmo
// tempo (outro processo no primeiro uso) vê o antigo ou o novo inteiro, nunca a metade.
bool GravaArquivo(const std::string& strArquivo, const char* szConteudo) {
  const std::string strTemporario = strArquivo + ".tmp." + std::to_string(::getpid());
  // Os programas de exemplo (roteiros "#!") são instalados executáveis.
  const mode_t nModo = std::string_view(szConteudo).starts_with("#!") ? 0755 : 0644;
  const int fd = ::open(strTemporario.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, nModo);
  if (fd < 0) return false;
  const std::size_t nTamanho = std::strlen(szConteudo);
  std::size_t nFeito = 0;
  while (nFeito < nTamanho) {
    const ssize_t n = ::write(fd, szConteudo + nFeito, nTamanho - nFeito);
    if (n <= 0) break;
    nFeito += static_cast<std::size_t>(n);
  }
  bool bOk = nFeito == nTamanho && ::fchmod(fd, nModo) == 0;
  bOk = ::close(fd) == 0 && bOk;
  bOk = bOk && std::rename(strTemporario.c_str(), strArquivo.c_str()) == 0;
  if (!bOk) ::unlink(strTemporario.c_str());
  return bOk;
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
