// CQZDFProfilerDialog, o diálogo da suíte que leva o contexto do profiler (empresa,
// usuário, sessão) de quem o abriu: as grades e os edits de consulta dele leem e
// registram as falhas nesse contexto.
#pragma once

#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/suite/edits/CQZDialog.h"
#include "vrmwnd/suite/exporta.h"

class VRMWND_SUITE_API CQZDFProfilerDialog : public CQZDialog {
 public:
  // O contexto não é do diálogo e tem de viver enquanto ele viver.
  CQZDFProfilerDialog(UINT nIDTemplate, const IQZDF_Profiler* pContexto, CWnd* pParent = nullptr)
      : CQZDialog(nIDTemplate, pParent), m_pContexto(pContexto) {}
  const IQZDF_Profiler* GetContextoProfiler() const { return m_pContexto; }

 private:
  const IQZDF_Profiler* m_pContexto;
};
