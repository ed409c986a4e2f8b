// CDlgChave, o diálogo "Compras - Chave": o usuário digita a chave de um documento do
// módulo (mês/ano e número, "9999-999999", ou só o número, "000000") antes que a tela
// o abra, e o diálogo a devolve como REG_QZDMC com o tipo de movimento do chamador.
#pragma once

#include "vrmwnd/base/REG_QZDMC.h"
#include "vrmwnd/platform/afxctrl.h"
#include "vrmwnd/suite/edits/CQZDialog.h"
#include "vrmwnd/suite/servidor/CServidoresCompartilhados.h"
#include "vrmwnd/util/exporta.h"
#include "vrmwnd/wrappers/C4_CQZEdit.h"

class VRMWND_API CDlgChave : public CQZDialog, public CServidoresCompartilhados {
 public:
  enum { IDD = 1019, IDC_CHAVE = 1016 };
  // As formas da chave.
  enum { TIPO_MES_ANO_NUMERO = 0, TIPO_NUMERO = 1 };

  CDlgChave(REG_QZDMC::MOVIMENTOS_DMC eMovimento, CWnd* pPai = nullptr);

  // A forma da chave (0 mês/ano e número, 1 só número; outra usa a máscara dada).
  void SetTipo(int nTipo) { m_nTipo = nTipo; }
  // A máscara das formas que não são 0 nem 1.
  void SetMascara(CString strMascara) { m_strMascara = strMascara; }
  // Repassado ao edit: mostra ou não as posições vazias da máscara.
  void SetMostrarMascara(bool b) { m_editChave.SetMostrarMascara(b); }
  // A chave montada quando o edit perdeu o foco pela última vez (zero antes disso;
  // o texto vazio não a muda, nem a saída do edit quando o diálogo fecha cancelado).
  REG_QZDMC GetQZDMC() const { return m_qzdmc; }

  // IDOK ou IDCANCEL; o recurso desta biblioteca é o corrente enquanto está aberto.
  INT_PTR DoModal() override;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;      // termina com IDOK, sem troca de dados
  void OnCancel() override;  // termina com IDCANCEL
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnKillfocusChave();
  afx_msg void OnChangeChave();
  // Ao aparecer, o foco vai ao edit da chave.
  afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
  afx_msg LRESULT OnMensagemShowWindow(WPARAM wParam, LPARAM lParam);

  C4_CQZEditMascara m_editChave;
  CButton m_btnOK;

 private:
  void AtualizaCampos();
  // A chave de um texto digitado, na forma nTipo (0 ou 1; a forma 1 não leva o
  // movimento nem o período).
  static REG_QZDMC MontaChave(const CString& strTexto, int nTipo, REG_QZDMC::MOVIMENTOS_DMC eMovimento);

  REG_QZDMC m_qzdmc;
  REG_QZDMC::MOVIMENTOS_DMC m_eMovimento;
  CString m_strMascara;
  int m_nTipo = TIPO_MES_ANO_NUMERO;
  DECLARE_MESSAGE_MAP()
};
