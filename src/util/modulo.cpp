// Identidade da biblioteca do módulo.
#include "vrmwnd/util/modulo.h"

namespace vrmwnd {

const char* VersaoBiblioteca() { return "0.1.0"; }

}  // namespace vrmwnd
