// Apoio dos testes às exceções do MFC da plataforma: se uma chamada levanta a
// CInvalidArgException* das verificações de índice e de argumento.
#pragma once

#include "vrmwnd/platform/CException.h"

// Roda f; verdadeiro quando f levanta uma CInvalidArgException*, que é liberada.
// Outra CException* também é liberada, e dá falso.
template <typename F>
bool LancaArgumentoInvalido(F&& f) {
  try {
    f();
  } catch (CException* e) {
    const bool bInvalido = dynamic_cast<CInvalidArgException*>(e) != nullptr;
    e->Delete();
    return bInvalido;
  }
  return false;
}
