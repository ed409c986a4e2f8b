// CQZDFEditProfilerBrowserWnd, a grade da suíte dos diálogos com contexto de profiler:
// a mesma janela de navegação (colunas descritas, ordenação, configuração salva no
// perfil ao destruir e lida na abertura seguinte) com o contexto em que as células
// leem os cadastros e registram as falhas.
#pragma once

#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/grade/CQZBrowserWnd.h"

class VRMWND_SUITE_API CQZDFEditProfilerBrowserWnd : public CQZBrowserWnd {
 public:
  // O contexto não é da grade e tem de viver enquanto ela viver.
  explicit CQZDFEditProfilerBrowserWnd(const IQZDF_Profiler* pContexto) : m_pContexto(pContexto) {}
  const IQZDF_Profiler* GetContextoProfiler() const { return m_pContexto; }

 private:
  const IQZDF_Profiler* m_pContexto;
};
