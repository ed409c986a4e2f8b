// Wrappers exportados dos edits de consulta dos cadastros da empresa: a porta de
// eventos e o modificado sobre o EN_CHANGE (C4_regras.h) e as operações que cada um
// exporta: a posição como valor de retorno (0 sem registro), o botão de consulta, as
// filiais ativas, a data de referência das naturezas, as contas representadas e o
// item do produto.
#pragma once

#include "vrmwnd/platform/CArray.h"
#include "vrmwnd/suite/edits/edits_cadastro.h"
#include "vrmwnd/util/exporta.h"
#include "vrmwnd/wrappers/C4_Base.h"

class VRMWND_API C4_CFilialEdit : public CFilialEdit, public C4_Base {
 public:
  unsigned short GetPonteiro();
  CBotaoConsulta* GetBotao() { return GetBtnConsulta(); }
  // Não zero: relê as filiais ativas mantendo a filial mostrada; zero: desabilita.
  void EnableWindowPersonalizado(int bHabilita);
  // Relê as filiais ativas e limpa a filial, salvo quando só uma está ativa.
  void SetFilialAtivaPersonalizado();

 protected:
  afx_msg BOOL OnChange();
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_API C4_CNaturezaEdit : public CNaturezaEdit, public C4_Base {
 public:
  unsigned short GetPonteiro();
  // A posição com a data de referência mais alta (vale em qualquer data).
  bool SetPosicao(unsigned short iNatureza);

 protected:
  afx_msg BOOL OnChange();
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};

// Com o indicador de mudança (IsChanged).
class VRMWND_API C4_CPedeContaEx : public CPedeContaEx, public C4_Base, public C4_IndicadorMudanca {
 public:
  unsigned long GetPonteiro();
  int GetPosicoes(CArray<unsigned long>* pPosicoes) { return CPedeContaEx::GetPosicoes(pPosicoes); }
  // A posição e a descrição no static.
  void SetPosicao(unsigned long lConta);

 protected:
  afx_msg BOOL OnChange();
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_API C4_CPedeContaExComGerencial : public CPedeContaExComGerencial,
                                               public C4_Base,
                                               public C4_IndicadorMudanca {
 public:
  unsigned long GetPonteiro();
  int GetPosicoes(CArray<unsigned long>* pPosicoes) { return CPedeContaEx::GetPosicoes(pPosicoes); }
  void SetPosicao(unsigned long lConta);

 protected:
  afx_msg BOOL OnChange();
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_API C4_CPedeHistEx : public CPedeHistEx, public C4_Base {
 protected:
  afx_msg BOOL OnChange();
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_API C4_CProdutoEdit : public CProdutoEdit, public C4_Base {
 public:
  unsigned long GetIDItem() const { return m_lIDItem; }
  void SetIDItem(unsigned long lIDItem) { m_lIDItem = lIDItem; }
  // A posição do produto e o item que a tela liga a ele.
  void SetPosicao(long lProduto, unsigned long lIDItem);
  CBotaoConsulta* GetBotao() { return GetBtnConsulta(); }

 protected:
  afx_msg BOOL OnChange();
  CString m_strTextoAnterior;
  unsigned long m_lIDItem = 0;
  DECLARE_MESSAGE_MAP()
};

// A posição da situação que o edit mostra, sem validar de novo (0 sem registro).
class VRMWND_API C4_CSituacaoTributariaEdit : public CSituacaoTributariaEdit, public C4_Base {
 public:
  long GetChave() const;

 protected:
  afx_msg BOOL OnChange();
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_API C4_CCadastroDocumentoEdit : public CCadastroDocumentoEdit, public C4_Base {
 public:
  CBotaoConsulta* GetBotao() { return GetBtnConsulta(); }
  long GetPonteiro();

 protected:
  afx_msg BOOL OnChange();
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};

// Os wrappers sem operações além da porta.
class VRMWND_API C4_CUnidadeMedidaEdit : public CUnidadeMedidaEdit, public C4_Base {
 protected:
  afx_msg BOOL OnChange();
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_API C4_CUsuarioEdit : public CUsuarioEdit, public C4_Base {
 protected:
  afx_msg BOOL OnChange();
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_API C4_CCompradorEdit : public CCompradorEdit, public C4_Base {
 protected:
  afx_msg BOOL OnChange();
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_API C4_CRequerenteEdit : public CRequerenteEdit, public C4_Base {
 protected:
  afx_msg BOOL OnChange();
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_API C4_CDepartamentoEdit : public CDepartamentoEdit, public C4_Base {
 protected:
  afx_msg BOOL OnChange();
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_API C4_CMunicipioEdit : public CMunicipioEdit, public C4_Base {
 protected:
  afx_msg BOOL OnChange();
  CString m_strTextoAnterior;
  DECLARE_MESSAGE_MAP()
};
