// Wrapper exportado do botão: a cada clique reaplica o estilo do botão
// (BM_SETSTYLE com os 16 bits baixos) e deixa o pai receber o clique, sem olhar a
// porta de eventos. Tem informação de classe em tempo de execução.
#pragma once

#include "vrmwnd/platform/afxctrl.h"
#include "vrmwnd/util/exporta.h"
#include "vrmwnd/wrappers/C4_Base.h"

class VRMWND_API C4_CButton : public CButton, public C4_Base {
  DECLARE_DYNAMIC(C4_CButton)

 protected:
  afx_msg BOOL OnClick();
  DECLARE_MESSAGE_MAP()
};
