// Tabela dos módulos que esta biblioteca conversa com a suíte.
#include "vrmwnd/suite/modulos.h"

#include <initializer_list>

namespace vrmsuite {

const char* CodigoDoModulo(int nNumero) {
  for (const TModuloSuite& m : {kModuloCompras, kModuloEmpresarial}) {
    if (m.nNumero == nNumero) return m.szCodigo;
  }
  return "";
}

}  // namespace vrmsuite
