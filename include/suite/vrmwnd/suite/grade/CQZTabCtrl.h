// Abas da suíte: CQZTabCtrl seleciona uma pasta pelo índice e avisa a classe
// derivada; CQZTabCtrlOnSize é a mesma aba usada pelas telas que se redimensionam.
#pragma once

#include "vrmwnd/platform/afxtabctrl.h"
#include "vrmwnd/suite/exporta.h"

class VRMWND_SUITE_API CQZTabCtrl : public CTabCtrl {
  DECLARE_DYNAMIC(CQZTabCtrl)

 public:
  // Seleciona a pasta nPasta e chama OnPastaSelecionada; índice fora das pastas não
  // muda nada e devolve false.
  bool SelecionaPasta(int nPasta);

 protected:
  virtual void OnPastaSelecionada(int) {}
};

class VRMWND_SUITE_API CQZTabCtrlOnSize : public CQZTabCtrl {
  DECLARE_DYNAMIC(CQZTabCtrlOnSize)
};
