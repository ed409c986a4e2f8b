// Nomes de arquivos temporários: tenta números seguidos a partir do relógio até
// criar um arquivo que ainda não existia.
#include "vrmwnd/base/QZTemporario.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "vrmwnd/platform/clock.h"

CString QZArquivoTemporario(const char* szPrefixo, const char* szExtensao) {
  std::error_code erro;
  const std::filesystem::path pasta = std::filesystem::temp_directory_path(erro);
  if (erro) return CString();
  static unsigned s_nSequencia = 0;
  const unsigned nBase = static_cast<unsigned>(GetTickCount64()) & 0xFFFFu;
  for (int nTentativa = 0; nTentativa < 1000; ++nTentativa) {
    char szNome[64];
    std::snprintf(szNome, sizeof szNome, "%s%04X.%s", szPrefixo, (nBase + ++s_nSequencia) & 0xFFFFu, szExtensao);
    const std::string strCaminho = (pasta / szNome).string();
    if (std::FILE* f = std::fopen(strCaminho.c_str(), "wx")) {
      std::fclose(f);
      return CString(strCaminho.c_str());
    }
  }
  return CString();
}
