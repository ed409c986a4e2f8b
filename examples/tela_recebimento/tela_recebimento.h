// A tela de recebimento de mercadorias: a condição de pagamento (edit de consulta),
// quem paga o frete (combo de lista fixa), uma observação (wrapper C4_ atrás da
// porta de eventos) e um botão que importa notas comerciais num registro de entrada
// e mostra o total.
#pragma once

#include <vector>

#include "vrmwnd/controls.h"
#include "vrmwnd/wrappers.h"

enum {
  IDC_CONDICAO = 1001,
  IDC_CONDICAO_DESCRICAO,
  IDC_FRETE,
  IDC_OBSERVACAO,
  IDC_IMPORTAR,
  IDC_TOTAL,
  IDC_ALTERACOES,
};

class CTelaRecebimento : public CDialog, public CCanSendChangeEvents {
 public:
  // As notas que "Importar" junta num registro, pelas posições delas na empresa.
  CTelaRecebimento(const char* szEmpresa, std::vector<long> aNotas);

 protected:
  BOOL OnInitDialog() override;
  void OnImportar();
  void OnObservacaoMudou();
  void OnDestroy();

 private:
  void MostraAlteracoes();

  CString m_strEmpresa;
  std::vector<long> m_aNotas;
  CCondicaoPagamentoEdit m_condicao;
  CStatic m_descricaoCondicao;
  C4_CComboBoxFretePorConta m_frete;
  C4_CQZEdit m_observacao;
  int m_nAlteracoes = 0;
  DECLARE_MESSAGE_MAP()
};
