// O registro e os arquivos de perfil, gravados e lidos de volta. Propriedades: todo
// texto gravado no registro volta exatamente (brancos, tabulações, quebras, barras),
// e um valor gravado antes, em outra chave, continua igual; no perfil, o valor volta
// como o Windows o lê (sem os brancos das pontas e sem as aspas que o cercam); um
// registry.ini estragado não impede gravar e ler de volta.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz_apoio.h"
#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/platform/registry.h"
#include "vrmwnd/platform/profile.h"

namespace {

constexpr const char* kChave = "SOFTWARE\\Telvaro\\Fuzz";
constexpr const char* kOutra = "SOFTWARE\\Telvaro\\Fuzz\\Outra";
constexpr const char* kFixo = "\tvalor fixo com \\ e = e ;\n";

std::string ComoOWindowsLe(std::string v) {
  while (!v.empty() && std::isspace(static_cast<unsigned char>(v.back()))) v.pop_back();
  std::size_t i = 0;
  while (i < v.size() && std::isspace(static_cast<unsigned char>(v[i]))) ++i;
  v.erase(0, i);
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) v = v.substr(1, v.size() - 2);
  return v;
}

void Escreve(const std::string& strArquivo, const std::string& strTexto) {
  std::FILE* p = std::fopen(strArquivo.c_str(), "wb");
  if (p == nullptr) std::abort();
  std::fwrite(strTexto.data(), 1, strTexto.size(), p);
  std::fclose(p);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pDados, std::size_t nTamanho) {
  if (nTamanho < 1 || nTamanho > 2048) return 0;
  const std::string& strCasa = CasaDoFuzzing();
  const int nModo = pDados[0] % 3;
  std::string valor = Texto(pDados + 1, nTamanho - 1);
  if (nModo == 2) {
    // O arquivo inteiro estragado: gravar e ler de volta ainda funciona.
    Escreve(strCasa + "/registry.ini", valor);
    valor = "depois do estrago";
  } else {
    std::remove((strCasa + "/registry.ini").c_str());
  }
  valor = valor.substr(0, valor.find('\0'));
  if (nModo == 1) {
    if (valor.find_first_of("\r\n") != std::string::npos) return 0;  // uma linha por valor
    const std::string strPerfil = strCasa + "/perfil.ini";
    std::remove(strPerfil.c_str());
    EXIGE(WritePrivateProfileStringA("Fuzz", "Fixo", "fixo", strPerfil.c_str()), "gravar o fixo");
    EXIGE(WritePrivateProfileStringA("Fuzz", "Valor", valor.c_str(), strPerfil.c_str()), "gravar o valor");
    char szLido[4096];
    GetPrivateProfileStringA("Fuzz", "Valor", "?", szLido, sizeof szLido, strPerfil.c_str());
    EXIGE(ComoOWindowsLe(valor) == szLido, "perfil: \"%s\" voltou \"%s\"", valor.c_str(), szLido);
    GetPrivateProfileStringA("Fuzz", "Fixo", "?", szLido, sizeof szLido, strPerfil.c_str());
    EXIGE(std::string(szLido) == "fixo", "o outro valor mudou: \"%s\"", szLido);
    return 0;
  }
  EXIGE(QZGravaRegistroTexto(HKEY_LOCAL_MACHINE, kOutra, "Fixo", kFixo), "gravar o fixo");
  EXIGE(QZGravaRegistroTexto(HKEY_LOCAL_MACHINE, kChave, "Valor", valor.c_str()), "gravar o valor");
  const std::string lido(QZLeRegistroTexto(HKEY_LOCAL_MACHINE, kChave, "Valor").GetString());
  EXIGE(lido == valor, "registro: \"%s\" voltou \"%s\"", valor.c_str(), lido.c_str());
  EXIGE(std::string(QZLeRegistroTexto(HKEY_LOCAL_MACHINE, kOutra, "Fixo").GetString()) == kFixo, "o outro valor mudou");
  return 0;
}
