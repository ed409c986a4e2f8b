// T_Lista<T>: a lista crescente da biblioteca base, um CArray de T que cresce de 100
// em 100 elementos. Toda lista que cruza uma interface (títulos, deduções, linhas do
// orçamento, colunas de mensagens, posições de notas) é uma T_Lista.
#pragma once

#include "vrmwnd/platform/CArray.h"

template <class T>
class T_Lista : public CArray<T> {
 public:
  // Cópias também crescem de 100 em 100 (a cópia leva o passo de crescimento).
  T_Lista() { this->SetSize(0, PASSO_CRESCIMENTO); }

  static constexpr INT_PTR PASSO_CRESCIMENTO = 100;
};
