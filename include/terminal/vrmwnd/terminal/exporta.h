// O que a biblioteca do terminal exporta: a camada é compilada com visibilidade
// oculta, e só o que os seus cabeçalhos marcam com esta macro é visto fora dela (a
// classe inteira, com typeinfo e vtable; a função ou a variável uma a uma).
#pragma once

#define VRMWND_TERMINAL_API __attribute__((visibility("default")))
