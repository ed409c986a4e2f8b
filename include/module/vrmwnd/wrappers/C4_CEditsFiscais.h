// Wrappers exportados dos edits de consulta de compras e fiscais: a porta de eventos
// e o modificado sobre o EN_CHANGE (C4_regras.h) e as operações que cada um exporta:
// a posição do contato, o CST do IPI com 100 por "sem código", a habilitação da nota
// fiscal com o seu botão e as tabelas de preço ativas.
#pragma once

#include "vrmwnd/base/CQZArray.h"
#include "vrmwnd/suite/edits/edits_fiscais.h"
#include "vrmwnd/util/exporta.h"
#include "vrmwnd/wrappers/C4_Base.h"
#include "vrmwnd/wrappers/C4_regras.h"

class VRMWND_API C4_CCMContratoCompraEdit : public CCMContratoCompraEdit, public C4_Base {
  C4_EDIT_DECLARA_MUDANCA()
};

class VRMWND_API C4_CComplementoEx : public CComplementoEx, public C4_Base {
  C4_EDIT_DECLARA_MUDANCA()
};

class VRMWND_API C4_CContatoCFRT : public CEditContatoCFRT, public C4_Base {
 public:
  unsigned long GetPonteiro();
  // A posição e a descrição no static.
  void SetPosicao(unsigned long lContato);

  C4_EDIT_DECLARA_MUDANCA()
};

// Mudança e foco: com a porta aberta, os tratadores de CBaseEditExDF (ao sair do
// campo, a validação); fechada, nada.
class VRMWND_API C4_CEditAjusteEFD : public CEditAjusteEFD, public C4_Base {
 protected:
  afx_msg BOOL OnChange();
  afx_msg BOOL OnKillFocus();
  afx_msg BOOL OnSetFocus();
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_API C4_CEditCSTIPI : public CEditCSTIPI, public C4_Base {
 public:
  // O número do CST digitado; 100 com o campo vazio (0 é o CST "00").
  unsigned short GetPosicao();
  // 100 limpa o campo; outro número mostra o CST dele.
  void SetPosicao(unsigned short nCST);

  C4_EDIT_DECLARA_MUDANCA()
};

class VRMWND_API C4_CMensagemEdit : public CMensagemEdit, public C4_Base {
  C4_EDIT_DECLARA_MUDANCA()
};

class VRMWND_API C4_CNotasFiscaisEdit : public CNotasFiscaisEdit, public C4_Base {
 public:
  // Com botão de consulta, habilita-o só quando a janela está sendo habilitada e as
  // notas não são avulsas (e desabilita-o nos outros casos); depois, a janela.
  virtual BOOL EnableWindow(BOOL bHabilita);

  C4_EDIT_DECLARA_MUDANCA()
};

class VRMWND_API C4_CRecolhimentoEdit : public CRecolhimentoEdit, public C4_Base {
  C4_EDIT_DECLARA_MUDANCA()
};

// Com o indicador de mudança (IsChanged).
class VRMWND_API C4_CTabPrecoEdit : public CTabPrecoEdit, public C4_Base, public C4_IndicadorMudanca {
 public:
  // As chaves das tabelas ativas do tipo de compra ou venda e de produto ou serviço do
  // edit, no lugar do que pTabelas tinha; a falha da busca é mostrada (QZTrataErro2)
  // e deixa pTabelas vazio.
  void GetTodasTabelasAtivas(CQZArray<unsigned long>* pTabelas);

  C4_EDIT_DECLARA_MUDANCA()
};
