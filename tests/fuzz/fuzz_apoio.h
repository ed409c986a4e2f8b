// Apoio dos alvos de fuzzing: a pasta VRMWND_HOME temporária de cada execução do
// alvo (nunca a do usuário), o texto da entrada e a verificação de uma propriedade,
// que aborta com o que viu para o libFuzzer guardar a entrada que a quebrou.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

// Aponta VRMWND_HOME para uma pasta nova, apagada ao fim do processo.
inline const std::string& CasaDoFuzzing() {
  static const std::string strCasa = [] {
    std::string strModelo = (std::filesystem::temp_directory_path() / "vrmwnd-fuzz-XXXXXX").string();
    if (::mkdtemp(strModelo.data()) == nullptr) std::abort();
    ::setenv("VRMWND_HOME", strModelo.c_str(), 1);
    ::unsetenv("XDG_DATA_HOME");
    static struct TApaga {
      std::string strPasta;
      ~TApaga() {
        std::error_code ec;
        std::filesystem::remove_all(strPasta, ec);
      }
    } apaga{strModelo};
    return strModelo;
  }();
  return strCasa;
}

inline std::string Texto(const std::uint8_t* pDados, std::size_t nTamanho) {
  return std::string(reinterpret_cast<const char*>(pDados), nTamanho);
}

// A propriedade não valeu: mostra o caso e aborta.
#define EXIGE(condicao, ...)                                                                   \
  do {                                                                                         \
    if (!(condicao)) {                                                                         \
      std::fprintf(stderr, "propriedade falhou: %s (%s:%d)\n", #condicao, __FILE__, __LINE__); \
      std::fprintf(stderr, __VA_ARGS__);                                                       \
      std::fprintf(stderr, "\n");                                                              \
      std::abort();                                                                            \
    }                                                                                          \
  } while (0)

// Todo alvo tem a sua casa desde o início, antes de qualquer leitura do registro.
inline const std::string& g_strCasaDoFuzzing = CasaDoFuzzing();
