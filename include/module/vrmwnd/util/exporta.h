// O que libvrmwnd.so exporta: a biblioteca é compilada com visibilidade oculta, e só
// o que os seus cabeçalhos marcam é visto fora dela: as classes exportadas do módulo
// com VRMWND_API (inteiras, com typeinfo e vtable) e os pontos de entrada de
// automação, funções C sem decoração, com VRMWND_API_C.
#pragma once

#define VRMWND_API __attribute__((visibility("default")))
#define VRMWND_API_C extern "C" VRMWND_API
