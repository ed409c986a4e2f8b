// Wrappers exportados dos edits da suíte: cada um acompanha as mudanças do seu
// edit, engole EN_CHANGE quando o conteúdo não mudou de fato ou quando a tela
// fechou a porta de eventos, e marca o controle como modificado a cada mudança real.
#pragma once

#include "vrmwnd/suite/edits/CQZEditMascara.h"
#include "vrmwnd/suite/edits/CQZEditValor.h"
#include "vrmwnd/util/exporta.h"
#include "vrmwnd/wrappers/C4_Base.h"

class VRMWND_API C4_CQZEdit : public CQZEdit, public C4_Base {
 protected:
  // EN_CHANGE: pelo slot virtual de CQZEditDF::OnCONTROL_REFLECT_EX_Change.
  afx_msg BOOL OnChange();
  // EN_SETFOCUS e EN_KILLFOCUS: TRUE com a porta fechada, FALSE aberta; não chama
  // tratador importado.
  afx_msg BOOL OnKillFocus();
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_API C4_CQZEditDF : public CQZEditDF, public C4_Base {
 protected:
  afx_msg BOOL OnChange();
  afx_msg BOOL OnKillFocus();
  afx_msg BOOL OnSetFocus();
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_API C4_CQZEditValor : public CQZEditValor, public C4_Base {
 public:
  C4_CQZEditValor() { m_cyValorAnterior.int64 = 0; }

 protected:
  afx_msg BOOL OnChange();
  afx_msg BOOL OnKillFocus();
  afx_msg BOOL OnSetFocus();
  CY m_cyValorAnterior;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_API C4_CQZEditValorEx : public CQZEditValorEx, public C4_Base {
 public:
  C4_CQZEditValorEx() { m_cyValorAnterior.int64 = 0; }

 protected:
  afx_msg BOOL OnChange();
  afx_msg BOOL OnKillFocus();
  afx_msg BOOL OnSetFocus();
  CY m_cyValorAnterior;
  DECLARE_MESSAGE_MAP()
};

// Mapeia só EN_CHANGE e EN_KILLFOCUS.
class VRMWND_API C4_CQZEditMascara : public CQZEditMascara, public C4_Base {
 protected:
  afx_msg BOOL OnChange();
  afx_msg BOOL OnKillFocus();
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_API C4_CQZEditNFEChaveDeAcesso : public CQZEditNFEChaveDeAcesso, public C4_Base {
 public:
  // Seleciona o texto todo e rola o cursor para a vista; devolve FALSE. Não está no
  // mapa de mensagens (EN_SETFOCUS vai ao OnSetfocus de CQZEditDF).
  BOOL OnSetFocus();

 protected:
  afx_msg BOOL OnChange();
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_API C4_CQZEditRegDma : public CQZEditRegDma, public C4_Base {
 protected:
  afx_msg BOOL OnChange();
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_API C4_CQZMultiLineEdit : public CQZMultiLineEdit, public C4_Base {
 public:
  // O botão de consulta do edit, nulo quando ele não tem.
  CBotaoConsulta* GetBotao() { return GetBtnConsulta(); }
  // Habilita ou desabilita o edit e o botão juntos.
  void EnableWindowEx(bool bHabilita);

 protected:
  afx_msg BOOL OnChange();
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};
