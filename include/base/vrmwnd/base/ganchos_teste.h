// Gancho de teste da biblioteca base, para o processo todo: o profiler esquece o que
// guardou. Só os testes o usam; este cabeçalho não vai para a instalação.
#pragma once

#include "vrmwnd/base/exporta.h"

// Esquece configurações, caminhos e versões guardados no processo, como se o
// processo começasse agora (cada teste com a sua instalação).
VRMWND_BASE_API void QZProfilerReinicia();
