// Usa a biblioteca instalada: formata um valor e descreve uma origem.
#include <cstdio>

#include "vrmwnd/vrmwnd.h"

int main() {
  CQZCurrencyEx valor(true, true, 1234.5);
  const CQZQuemGerou origem(ULONG{0x2A005}, 5);
  std::printf("%s|%s\n", static_cast<const char*>(valor.Formata()),
              static_cast<const char*>(origem.GetDescricao()));
  return 0;
}
