// CHistoricosDesativados, o diálogo "Históricos Desativados": a lista dos históricos
// que não podem ser usados nos lançamentos, lida do servidor IHisDel ao abrir e
// gravada de volta no OK. A pessoa digita um histórico e o adiciona, ou escolhe uma
// linha e a remove (botão, Delete ou a tecla decimal do teclado numérico).
#pragma once

#include "vrmwnd/base/CQZComPtr.h"
#include "vrmwnd/platform/afxcmdui.h"
#include "vrmwnd/platform/afxcmn.h"
#include "vrmwnd/platform/afxdlg.h"
#include "vrmwnd/suite/edits/edits_cadastro.h"
#include "vrmwnd/suite/servidor/IHisDel.h"
#include "vrmwnd/util/exporta.h"

class VRMWND_API CHistoricosDesativados : public CDialog {
 public:
  enum {
    IDD = 129,
    IDC_LISTA = 1601,
    IDC_ADICIONAR = 1602,
    IDC_EDIT_HISTORICO = 1603,
    IDC_DESCRICAO = 1604,
    IDC_REMOVER = 1605
  };
  // Os elementos lidos do servidor ao abrir; a lista não passa disso.
  enum { MAXIMO_HISTORICOS = 100 };

  // conexao é a empresa; conexao e numero vão ao servidor, ao edit do histórico e às
  // mensagens de falha. O texto tem de viver enquanto o diálogo vive.
  CHistoricosDesativados(const char* conexao, unsigned short numero, CWnd* pai);
  ~CHistoricosDesativados() override;

  // IDOK (a lista foi mandada ao servidor, tenha ele aceitado ou não) ou IDCANCEL;
  // o recurso desta biblioteca é o corrente enquanto está aberto.
  INT_PTR DoModal() override;

 protected:
  // Lê a lista; uma falha do servidor é mostrada e o diálogo abre com o que leu.
  BOOL OnInitDialog() override;
  // Grava a lista, na ordem das linhas; a falha é mostrada e o diálogo fecha assim mesmo.
  void OnOK() override;
  void DoDataExchange(CDataExchange* pDX) override;
  // Alguma linha tem o código como dado.
  bool ExisteNaLista(long codigo);
  // Tira a seleção da linha marcada e seleciona a linha i (-1: nenhuma).
  void SelectItem(int i);

  afx_msg void OnKeydownList(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnAdicionar();
  afx_msg void OnRemover();
  afx_msg void OnItemChangedList(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnKillFocusEditHis();
  afx_msg void OnUpdateAdicionar(CCmdUI* pCmdUI);
  afx_msg void OnUpdateRemover(CCmdUI* pCmdUI);
  afx_msg LRESULT OnKickIdle(WPARAM, LPARAM);
  afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);

  CQZComPtr<IHisDel> m_pHisDel;
  const char* m_szConexao;
  unsigned short m_nNumero;
  CPedeHistEx m_edHistorico;
  CListCtrl m_lista;

 private:
  // O código do histórico do edit, 0 sem histórico válido.
  long CodigoDoEdit();
  // Mostra a falha do servidor na caixa de erro da suíte, depois de registrá-la.
  void MostraFalha(HRESULT hr, long lLocal, const char* szExpressao, int nLinha);
  void LimpaEFocaEdit();
  DECLARE_MESSAGE_MAP()
};
