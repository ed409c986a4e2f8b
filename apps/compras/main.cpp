// compras: o programa hospedeiro do módulo de Compras.
#include <cstdio>
#include <cstring>

#include "vrmwnd/vrmwnd.h"

int main(int argc, char** argv) {
  if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
    std::printf("compras %s — módulo de Compras (CM)\n", vrmwnd::VersaoBiblioteca());
    return 0;
  }
  std::fprintf(stderr, "compras: comando desconhecido: %s\n", argv[1]);
  return 2;
}
