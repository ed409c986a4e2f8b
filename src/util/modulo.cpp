// Identidade da biblioteca do módulo e o seu registro entre os módulos do processo,
// feito uma vez, quando o processo carrega a biblioteca.
#include "vrmwnd/util/modulo.h"

namespace vrmwnd {
namespace {

const HINSTANCE g_hInstanciaModulo = AfxRegisterModule(kArquivoModulo);

}  // namespace

const char* VersaoBiblioteca() { return "0.1.0"; }

HINSTANCE InstanciaModulo() { return g_hInstanciaModulo; }

}  // namespace vrmwnd
