// Identidade da biblioteca de janelas do módulo de Compras: código e número do
// módulo e o nome de arquivo pelo qual a biblioteca acha o próprio recurso.
#pragma once

namespace vrmwnd {

inline constexpr const char* kCodigoModulo = "CM";
inline constexpr int kNumeroModulo = 7;
inline constexpr const char* kArquivoModulo = "vrmwnd.dll";

// Versão desta biblioteca, "maior.menor.revisão".
const char* VersaoBiblioteca();

}  // namespace vrmwnd
