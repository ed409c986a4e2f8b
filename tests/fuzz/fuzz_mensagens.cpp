// Arquivos de mensagens com qualquer conteúdo, e a leitura de Windows-1252.
// Propriedades: o texto convertido é sempre UTF-8 válido; o que já era UTF-8 válido
// não muda; os caracteres ASCII saem na mesma ordem; o texto de uma mensagem é o da
// sua linha, convertido, a partir do nono caractere, nunca com o fim de linha.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_apoio.h"
#include "vrmwnd/base/QZException.h"
#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/platform/registry.h"

namespace {

bool Utf8Valido(const std::string& s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    std::uint32_t ponto = n == 1 ? c : c & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
      const auto d = static_cast<unsigned char>(s[i + k]);
      if ((d & 0xC0) != 0x80) return false;
      ponto = (ponto << 6) | (d & 0x3F);
    }
    const std::uint32_t kMenor[] = {0, 0, 0x80, 0x800, 0x10000};
    if (ponto < kMenor[n] || ponto > 0x10FFFF || (ponto >= 0xD800 && ponto <= 0xDFFF)) return false;
    i += n;
  }
  return true;
}

std::string SoAscii(const std::string& s) {
  std::string r;
  for (char c : s)
    if (static_cast<unsigned char>(c) < 0x80) r += c;
  return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pDados, std::size_t nTamanho) {
  if (nTamanho > 4096) return 0;
  const std::string texto = Texto(pDados, nTamanho);
  const std::string convertido = QZWindows1252ParaUtf8(texto);
  EXIGE(Utf8Valido(convertido), "saída inválida para %zu bytes", nTamanho);
  if (Utf8Valido(texto)) EXIGE(convertido == texto, "UTF-8 válido mudou");
  EXIGE(SoAscii(convertido) == SoAscii(texto), "os caracteres ASCII mudaram");

  // O mesmo texto como arquivo de mensagens do módulo CM.
  static const std::string strCasa = [] {
    const std::string& casa = CasaDoFuzzing();
    QZGravaRegistroTexto(HKEY_LOCAL_MACHINE, QZChaveEmpresarial(), "Mensagens", casa.c_str());
    return casa;
  }();
  std::FILE* pArquivo = std::fopen((strCasa + "/QZCMMens.txt").c_str(), "wb");
  if (pArquivo == nullptr) std::abort();
  std::fwrite(texto.data(), 1, texto.size(), pArquivo);
  std::fclose(pArquivo);
  // O código de uma mensagem é um LONG de 32 bits: só ele acha a sua linha.
  const long nLido = std::atol(texto.c_str());
  if (nLido < INT32_MIN || nLido > INT32_MAX) return 0;
  const LONG nCodigo = static_cast<LONG>(nLido);
  const std::string lida(QZTextoMensagem(nCodigo, "CM").GetString());
  EXIGE(Utf8Valido(lida), "mensagem %ld com UTF-8 inválido", nLido);
  EXIGE(lida.find('\n') == std::string::npos || texto.find("\\n") != std::string::npos,
        "mensagem %ld com o fim de linha", nLido);
  // Uma primeira linha ASCII com o código dá exatamente o seu texto. O código tem de
  // estar nela: atol pula espaços e fins de linha, e uma primeira linha em branco
  // faria o código ser lido da segunda.
  const std::string primeira = texto.substr(0, texto.find('\n'));
  if (texto.find('\n') != std::string::npos && std::atol(primeira.c_str()) == nLido && primeira.size() > 8 &&
      primeira.size() < 1000 && SoAscii(primeira) == primeira && primeira.find('\0') == std::string::npos &&
      primeira.find("\\n") == std::string::npos && primeira.back() != '\r')
    EXIGE(lida == primeira.substr(8), "mensagem %ld: \"%s\", linha \"%s\"", nLido, lida.c_str(), primeira.c_str());
  return 0;
}
