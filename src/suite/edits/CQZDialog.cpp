// A ajuda das telas da suíte: a do módulo a que a tela pertence.
#include "vrmwnd/suite/edits/CQZDialog.h"

#include "vrmwnd/base/QZAjuda.h"

BEGIN_MESSAGE_MAP(CQZDialog, CDialog)
ON_WM_HELPINFO()
END_MESSAGE_MAP()

BOOL CQZDialog::OnHelpInfo(HELPINFO* pHelpInfo) {
  if (m_nModulo == 0) return CDialog::OnHelpInfo(pHelpInfo);
  QZAbreAjuda(m_nModulo, m_hWnd);
  return TRUE;
}
