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
// A chave de HKEY_LOCAL_MACHINE e o valor (DWORD) que, diferente de zero, fazem a
// segurança COM do processo dispensar a autenticação.
inline constexpr const char* kChaveAutenticacaoDCOM = "SOFTWARE\\Wow6432Node\\Telvaro";
inline constexpr const char* kValorAutenticacaoDCOM = "DesabilitaAutenticacaoDCOM";

// Versão desta biblioteca, "maior.menor.revisão".
VRMWND_API const char* VersaoBiblioteca();

// O módulo desta biblioteca entre os recursos do processo, registrado quando a
// biblioteca carrega (ou na primeira chamada, antes disso): GetModuleHandle("vrmwnd.dll") o acha, e os diálogos do
// módulo trocam para ele enquanto estão abertos.
VRMWND_API HINSTANCE InstanciaModulo();

// A carga da biblioteca, feita uma vez quando o processo a carrega: o módulo entra na
// cadeia de recursos e o valor "DesabilitaAutenticacaoDCOM" escolhe a autenticação da
// segurança COM. Chamada de novo, relê o registro.
VRMWND_API void IniciaBiblioteca();
// A descarga: o módulo sai da cadeia de recursos.
VRMWND_API void FinalizaBiblioteca();
// O valor "DesabilitaAutenticacaoDCOM" é um DWORD diferente de zero.
VRMWND_API bool LeDesabilitaAutenticacaoDCOM();

}  // namespace vrmwnd
