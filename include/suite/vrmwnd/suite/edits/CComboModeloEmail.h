// O combo dos modelos de e-mail da empresa (tabela cm_modelo_email): mostra, em ordem
// de nome, os modelos de uma extensão (o tipo de documento a que o modelo serve; 7 é a
// cotação de preços pela web), seleciona por nome e devolve o nome completo (o arquivo
// do modelo) do escolhido.
#pragma once

#include <memory>
#include <vector>

#include "vrmwnd/suite/edits/CComboBase.h"
#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/servidor/modelos_email.h"

class VRMWND_SUITE_API CComboModeloEmail : public CComboBase {
 public:
  static constexpr unsigned short EXTENSAO_COTACAO_WEB = 7;

  // Liga à empresa corrente do processo (CQZInicializador); falha quando não há.
  HRESULT Inicializa();
  void SetExtensaoModelo(unsigned short iExtensao) { m_iExtensao = iExtensao; }
  // Esvazia e carrega os modelos da extensão; devolve quantos (0 sem empresa).
  int Atualiza();
  // Seleciona o modelo cujo nome completo (ou nome) é strModelo; sem ele, fica sem
  // seleção e devolve false.
  bool SelecionaModelo(const CString& strModelo);
  // O nome completo do modelo selecionado; vazio sem seleção.
  CString GetModeloCompleto() const;

 private:
  std::shared_ptr<vrmsuite::CQZBancoEmpresa> m_pBanco;
  unsigned short m_iExtensao = 0;
  std::vector<vrmsuite::TModeloEmail> m_modelos;  // o dado de cada item é o índice aqui
};
