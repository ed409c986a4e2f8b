// Identidade da biblioteca do módulo, a sua carga e descarga no processo (o registro
// na cadeia de recursos, a escolha da autenticação COM) e a troca do recurso corrente
// enquanto um diálogo do módulo está aberto.
#include "vrmwnd/util/modulo.h"

#include "vrmwnd/base/QZSegurancaCOM.h"
#include "vrmwnd/platform/registry.h"
#include "vrmwnd/util/CCMRecursoModulo.h"

namespace vrmwnd {
namespace {

AFX_EXTENSION_MODULE g_estadoExtensao;

// Carregar a biblioteca a põe na cadeia de recursos do programa; descarregar a tira.
struct TCargaBiblioteca {
  TCargaBiblioteca() { IniciaBiblioteca(); }
  ~TCargaBiblioteca() { FinalizaBiblioteca(); }
};
const TCargaBiblioteca g_carga;

}  // namespace

const char* VersaoBiblioteca() { return "0.1.0"; }

HINSTANCE InstanciaModulo() { return AfxRegisterModule(kArquivoModulo); }

bool LeDesabilitaAutenticacaoDCOM() {
  HKEY hChave = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kChaveAutenticacaoDCOM, 0, KEY_READ, &hChave) != 0) return false;
  DWORD dwTipo = REG_NONE, dwValor = 0, dwTamanho = sizeof dwValor;
  const LSTATUS ls = RegQueryValueExA(hChave, kValorAutenticacaoDCOM, nullptr, &dwTipo,
                                      reinterpret_cast<LPBYTE>(&dwValor), &dwTamanho);
  RegCloseKey(hChave);
  return ls == 0 && dwTipo == REG_DWORD && dwValor != 0;
}

void IniciaBiblioteca() {
  AfxInitExtensionModule(g_estadoExtensao, InstanciaModulo());
  QZSetDesabilitaAutenticacaoDCOM(LeDesabilitaAutenticacaoDCOM());
}

void FinalizaBiblioteca() { AfxTermExtensionModule(g_estadoExtensao); }

}  // namespace vrmwnd

CCMRecursoModulo::CCMRecursoModulo() : m_hAnterior(AfxGetResourceHandle()) {
  if (HMODULE hModulo = GetModuleHandle(vrmwnd::kArquivoModulo)) AfxSetResourceHandle(hModulo);
}

CCMRecursoModulo::~CCMRecursoModulo() { AfxSetResourceHandle(m_hAnterior); }
