// CDlgCotacaoWeb, o diálogo "Cotação Web": o usuário escolhe o modelo de e-mail com que
// a cotação vai aos fornecedores pela web. Só escolhe; quem envia é o chamador (o
// tratador da cotação, CTrataDadosCPWnd::OnDoModalCotacaoWeb).
#pragma once

#include "vrmwnd/base/CQZEnter.h"
#include "vrmwnd/suite/edits/CComboModeloEmail.h"
#include "vrmwnd/suite/edits/CQZDialog.h"
#include "vrmwnd/util/exporta.h"

class VRMWND_API CDlgCotacaoWeb : public CQZDialog {
 public:
  enum { IDD = 103, IDC_MODELO = 13004 };

  // bEnterComoTab vai à navegação por Enter do diálogo.
  CDlgCotacaoWeb(bool bEnterComoTab, CWnd* pPai = nullptr);
  ~CDlgCotacaoWeb() override;

  // IDOK ou IDCANCEL; o recurso desta biblioteca é o corrente enquanto está aberto.
  INT_PTR DoModal() override;

  // O nome do modelo: o chamador o preenche para vir selecionado; depois do OK é o
  // nome completo do escolhido (vazio sem escolha). O Cancelar não o muda.
  CString m_strModelo;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  void DoDataExchange(CDataExchange* pDX) override;

  CComboModeloEmail m_cbModelo;
  CQZEnter m_enter;

 private:
  bool m_bEnterComoTab;
};
