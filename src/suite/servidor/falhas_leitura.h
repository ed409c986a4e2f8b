// O lado das leituras dos ganchos de teste (vrmwnd/suite/ganchos_teste.h): o código
// programado para uma chamada e a função que estraga as notas lidas.
#pragma once

#include "vrmwnd/suite/ganchos_teste.h"

namespace vrmsuite {

// O código programado para esta chamada de szLeitura, ou 0; conta a chamada.
HRESULT FalhaProgramada(const char* szLeitura);
// A função instalada por ProgramaAlteracaoNota, ou nula.
TAlteraNota AlteracaoNotaProgramada();

}  // namespace vrmsuite
