// O wrapper do botão.
#include "vrmwnd/wrappers/C4_CButton.h"

IMPLEMENT_DYNAMIC(C4_CButton, CButton)

BEGIN_MESSAGE_MAP(C4_CButton, CButton)
ON_CONTROL_REFLECT_EX(BN_CLICKED, &C4_CButton::OnClick)
END_MESSAGE_MAP()

BOOL C4_CButton::OnClick() {
  SendMessage(BM_SETSTYLE, LOWORD(GetStyle()), TRUE);
  return FALSE;
}
