// Wrappers exportados dos edits de consulta do módulo: a porta de eventos e o
// modificado sobre o EN_CHANGE do edit (a consulta ao sair do campo segue com o edit
// importado, com a porta aberta ou fechada).
#pragma once

#include "vrmwnd/controls/CAutorizacaoCompraEdit.h"
#include "vrmwnd/controls/CCondicaoPagamentoEdit.h"
#include "vrmwnd/util/exporta.h"
#include "vrmwnd/wrappers/C4_Base.h"

class VRMWND_API C4_CAutorizacaoCompraEdit : public CAutorizacaoCompraEdit, public C4_Base {
 protected:
  afx_msg BOOL OnChange();
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_API C4_CCondicaoPagamentoEdit : public CCondicaoPagamentoEdit, public C4_Base {
 public:
  // A chave da condição escolhida, 0 quando não há.
  unsigned short GetPonteiro();

 protected:
  afx_msg BOOL OnChange();
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};
