// Wrappers exportados dos edits de consulta de estoque: a porta de eventos e o
// modificado sobre o EN_CHANGE (C4_regras.h) e as operações que cada um exporta: o
// local e o seu lote, o movimento, o produto com a grade e o item, e a taxa limpa.
#pragma once

#include "vrmwnd/suite/edits/edits_estoque.h"
#include "vrmwnd/util/exporta.h"
#include "vrmwnd/wrappers/C4_Base.h"
#include "vrmwnd/wrappers/C4_regras.h"

class VRMWND_API C4_CCQEditControle : public CCQEditControleSimples, public C4_Base {
  C4_EDIT_DECLARA_MUDANCA()
};

class VRMWND_API C4_CCodigoBarrasSimplesEdit : public CCodigoBarrasSimplesEdit, public C4_Base {
  C4_EDIT_DECLARA_MUDANCA()
};

// Com a porta aberta, o EN_CHANGE vai ao tratador de CLocaisEdit (maiúsculas).
class VRMWND_API C4_CLocaisEdit : public CLocaisEdit, public C4_Base {
 public:
  long GetLote();
  long GetPosicao();

  C4_EDIT_DECLARA_MUDANCA()
};

class VRMWND_API C4_CMovimentoEdit : public CMovimentoEdit, public C4_Base {
 public:
  long GetPonteiro();

  C4_EDIT_DECLARA_MUDANCA()
};

class VRMWND_API C4_CProdutoEditEx : public CProdutoEditEx, public C4_Base {
 public:
  unsigned long GetIDItem() const { return m_lIDItem; }
  void SetIDItem(unsigned long lIDItem) { m_lIDItem = lIDItem; }
  // O produto com a grade e o item que a tela liga a ele.
  void SetPosicao(const _REG_POSICAO_PRODUTOPS& posicao, unsigned long lIDItem);
  CBotaoConsulta* GetBotao() { return GetBtnConsulta(); }

 protected:
  unsigned long m_lIDItem = 0;
  C4_EDIT_DECLARA_MUDANCA()
};

class VRMWND_API C4_MultiProdutoEditEx : public CMultiProdutoEditEx, public C4_Base {
  C4_EDIT_DECLARA_MUDANCA()
};

class VRMWND_API C4_CRecbtoProdutoEdit : public CRecbtoProdutoEdit, public C4_Base {
  C4_EDIT_DECLARA_MUDANCA()
};

class VRMWND_API C4_CTaxaConversaoUnMedida : public CTaxaConversaoUnMedida, public C4_Base {
 public:
  // Limpa o campo (taxa 0 de unidade nenhuma).
  void Limpar();

  C4_EDIT_DECLARA_MUDANCA()
};
