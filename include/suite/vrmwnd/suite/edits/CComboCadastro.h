// Combo de um cadastro descrito (TDescricaoCadastro): lista a descrição de cada linha
// do cadastro, em ordem de código, com a chave como dado do item. CDFComboLeiautes
// lista os leiautes do módulo.
#pragma once

#include "vrmwnd/suite/edits/CComboBase.h"
#include "vrmwnd/suite/edits/CEditCadastro.h"

class VRMWND_SUITE_API CComboCadastro : public CQZComboBox {
 public:
  explicit CComboCadastro(const TDescricaoCadastro& descricao) : m_descricao(descricao) {}
  const TDescricaoCadastro& GetDescricaoCadastro() const { return m_descricao; }
  TFiltroCadastro& Filtro() { return m_filtro; }
  // Esvazia e carrega as linhas do cadastro da empresa (mantendo a chave selecionada
  // que ainda existir); 0 ou o código da falha (o combo fica vazio).
  HRESULT Carrega(const CString& strEmpresa);
  // A chave do item selecionado; false e 0 sem seleção.
  bool GetPosicao(unsigned short& iChave) const;
  bool SetPosicao(unsigned short iChave) { return SelecionaPorCodigo(iChave); }

 private:
  const TDescricaoCadastro& m_descricao;
  TFiltroCadastro m_filtro;
};

class VRMWND_SUITE_API CDFComboLeiautes : public CComboCadastro {
 public:
  CDFComboLeiautes();
};
