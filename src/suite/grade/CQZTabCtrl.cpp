// Abas da suíte: seleção de pasta pelo programa.
#include "vrmwnd/suite/grade/CQZTabCtrl.h"

IMPLEMENT_DYNAMIC(CQZTabCtrl, CTabCtrl)
IMPLEMENT_DYNAMIC(CQZTabCtrlOnSize, CQZTabCtrl)

bool CQZTabCtrl::SelecionaPasta(int nPasta) {
  if (nPasta < 0 || nPasta >= GetItemCount()) return false;
  SetCurSel(nPasta);
  OnPastaSelecionada(nPasta);
  return true;
}
