// Entrada de dinheiro em notação brasileira nos edits de valor.
#include "vrmwnd/suite/edits/CQZEditValor.h"

#include "vrmwnd/base/CQZCurrencyEx.h"

BEGIN_MESSAGE_MAP(CQZEditValor, CQZEditDF)
ON_WM_CHAR()
END_MESSAGE_MAP()

CY CQZEditValor::GetValor() const {
  CString strTexto;
  GetWindowText(strTexto);
  CQZCurrencyEx valor;
  valor.SetTexto(strTexto, true);
  return valor.GetCY();
}

void CQZEditValor::SetValor(const CY& cyValor) {
  char szTexto[64];
  CQZCurrencyEx::Formata(cyValor, m_nCasasDecimais, szTexto);
  SetWindowText(szTexto);
}

BOOL CQZEditValor::OnCONTROL_REFLECT_EX_KillFocus() {
  if (GetWindowTextLength() > 0) SetValor(GetValor());
  return FALSE;
}

bool CQZEditValor::AceitaCaractere(UINT nChar) const {
  if (nChar < 0x20) return true;  // Backspace e teclas de controle seguem para o edit
  CString strTexto;
  GetWindowText(strTexto);
  int nInicio = 0, nFim = 0;
  const_cast<CQZEditValor*>(this)->GetSel(nInicio, nFim);
  CString strResto = strTexto.Left(nInicio) + strTexto.Mid(nFim);
  int nVirgula = strResto.Find(',');
  if (nChar == '-') return m_bPermiteNegativo && nInicio == 0 && strResto.Find('-') < 0;
  if (nChar == ',') return m_nCasasDecimais > 0 && nVirgula < 0 && strResto.Mid(nInicio).Find('-') < 0;
  if (nChar < '0' || nChar > '9') return false;
  if (nInicio == 0 && strResto.Left(1) == "-") return false;  // nada antes do sinal
  if (nVirgula >= 0 && nInicio > nVirgula) return strResto.GetLength() - nVirgula - 1 < m_nCasasDecimais;
  return true;
}

void CQZEditValor::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (AceitaCaractere(nChar)) CQZEditDF::OnChar(nChar, nRepCnt, nFlags);
}

void CQZEditValorEx::SetCasasDecimais(short nCasas) {
  if (nCasas >= 0 && nCasas <= 4) m_nCasasDecimais = nCasas;
}
