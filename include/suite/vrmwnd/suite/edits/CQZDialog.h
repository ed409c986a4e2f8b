// Diálogo base da suíte: o modelo e o pai de CDialog e o número do módulo da suíte
// a que a tela pertence (7 = Compras), que as mensagens e a ajuda usam: com o módulo
// dado, F1 em qualquer controle da tela mostra a ajuda dele; sem módulo, o pedido de
// ajuda segue para o dono da tela.
#pragma once

#include "vrmwnd/platform/afxdlg.h"
#include "vrmwnd/suite/exporta.h"

class VRMWND_SUITE_API CQZDialog : public CDialog {
 public:
  CQZDialog() = default;
  explicit CQZDialog(UINT nIDTemplate, CWnd* pParent = nullptr) : CDialog(nIDTemplate, pParent) {}
  void SetModulo(int nModulo) { m_nModulo = nModulo; }
  int GetModulo() const { return m_nModulo; }

 protected:
  afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
  DECLARE_MESSAGE_MAP()

 protected:
  int m_nModulo = 0;
};
