// Identidade da biblioteca de janelas do módulo de Compras: o código do módulo (o
// número, 7, é QZ_MODULO_COMPRAS da tabela de módulos da base), o nome de arquivo
// pelo qual a biblioteca acha o próprio recurso e o registro da biblioteca quando o
// processo a carrega.
#pragma once

#include "vrmwnd/platform/resources.h"
#include "vrmwnd/util/exporta.h"

namespace vrmwnd {

inline constexpr const char* kCodigoModulo = "CM";
inline constexpr const char* kArquivoModulo = "vrmwnd.dll";

// Versão desta biblioteca, "maior.menor.revisão".
VRMWND_API const char* VersaoBiblioteca();

// O módulo desta biblioteca entre os recursos do processo, registrado quando a
// biblioteca carrega: GetModuleHandle("vrmwnd.dll") o acha, e os diálogos do módulo
// trocam para ele enquanto estão abertos.
VRMWND_API HINSTANCE InstanciaModulo();

}  // namespace vrmwnd
