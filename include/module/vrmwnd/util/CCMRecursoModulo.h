// O recurso desta biblioteca como recurso corrente enquanto um diálogo do módulo está
// aberto: todo DoModal do módulo começa com um CCMRecursoModulo.
#pragma once

#include "vrmwnd/platform/resources.h"
#include "vrmwnd/util/exporta.h"

// Enquanto vive, o recurso corrente é o do módulo "vrmwnd.dll" (achado pelo nome com
// GetModuleHandle); ao morrer, também quando uma exceção passa, volta o anterior.
// Sem o módulo registrado, o recurso corrente fica como estava.
class VRMWND_API CCMRecursoModulo {
 public:
  CCMRecursoModulo();
  ~CCMRecursoModulo();
  CCMRecursoModulo(const CCMRecursoModulo&) = delete;
  CCMRecursoModulo& operator=(const CCMRecursoModulo&) = delete;

 private:
  HINSTANCE m_hAnterior;
};
