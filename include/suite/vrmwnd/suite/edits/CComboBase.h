// Combos da suíte: CComboBase guarda um código como dado de cada item e seleciona
// e lê por código; CQZComboBox carrega uma lista inteira de uma vez.
#pragma once

#include <utility>
#include <vector>

#include "vrmwnd/platform/afxctrl.h"
#include "vrmwnd/suite/exporta.h"

class VRMWND_SUITE_API CComboBase : public CComboBox {
 public:
  // Acrescenta o item com o código; devolve o índice (CB_ERR em falha).
  int AdicionaItem(const char* szTexto, DWORD_PTR nCodigo);
  // Seleciona o primeiro item com o código; sem ele, fica sem seleção e devolve false.
  bool SelecionaPorCodigo(DWORD_PTR nCodigo);
  // Código do item selecionado, ou nPadrao sem seleção.
  DWORD_PTR GetCodigoSelecionado(DWORD_PTR nPadrao) const;
};

class VRMWND_SUITE_API CQZComboBox : public CComboBase {
 public:
  // Esvazia e carrega os itens na ordem dada, mantendo o código selecionado se ele
  // ainda existir.
  void CarregaItens(const std::vector<std::pair<CString, DWORD_PTR>>& itens);
};
