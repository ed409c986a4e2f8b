// Entrada de dinheiro em notação brasileira nos edits de valor.
#include "vrmwnd/suite/edits/CQZEditValor.h"

#include "vrmwnd/base/CQZCurrencyEx.h"

BEGIN_MESSAGE_MAP(CQZEditValor, CQZEditDF)
ON_WM_CHAR()
END_MESSAGE_MAP()

namespace {

constexpr char kSimboloPercentual = '%';

}  // namespace

CY CQZEditValor::GetValor() const {
  CString strTexto;
  GetWindowText(strTexto);
  strTexto.Remove(kSimboloPercentual);
  CQZCurrencyEx valor;
  valor.SetTexto(strTexto, true);
  return valor.GetCY();
}

void CQZEditValor::SetValor(const CY& cyValor) {
  char szTexto[64];
  CQZCurrencyEx::Formata(cyValor, m_nCasasDecimais, szTexto);
  CString strTexto(szTexto);
  if (m_nModo == 1) strTexto += kSimboloPercentual;
  SetWindowText(strTexto);
}

void CQZEditValor::SetOpcao(int nAlternaModo, int, int) { m_bAlternaModo = nAlternaModo == 1; }

void CQZEditValor::SetModo(int nModo, int bReescreve, int) {
  const CY cyValor = GetValor();
  const bool bTinhaTexto = GetWindowTextLength() > 0;
  m_nModo = nModo == 1 ? 1 : 0;
  if (bReescreve && bTinhaTexto) SetValor(cyValor);
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
  const int nSimbolo = strResto.Find(kSimboloPercentual);
  if (nSimbolo >= 0 && nInicio > nSimbolo) return false;  // nada depois do "%"
  strResto.Remove(kSimboloPercentual);
  int nVirgula = strResto.Find(',');
  if (nChar == '-') return m_bPermiteNegativo && nInicio == 0 && strResto.Find('-') < 0;
  if (nChar == ',') return m_nCasasDecimais > 0 && nVirgula < 0 && strResto.Mid(nInicio).Find('-') < 0;
  if (nChar < '0' || nChar > '9') return false;
  if (nInicio == 0 && strResto.Left(1) == "-") return false;  // nada antes do sinal
  if (nVirgula >= 0 && nInicio > nVirgula) return strResto.GetLength() - nVirgula - 1 < m_nCasasDecimais;
  if (m_nDigitosInteiros > 0) {
    const int nFimInteiro = nVirgula >= 0 ? nVirgula : strResto.GetLength();
    const int nSinal = strResto.Left(1) == "-" ? 1 : 0;
    if (nFimInteiro - nSinal >= m_nDigitosInteiros) return false;
  }
  return true;
}

void CQZEditValor::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar == static_cast<UINT>(kSimboloPercentual)) {
    if (m_bAlternaModo) AlternaModoDigitado();
    return;
  }
  if (AceitaCaractere(nChar)) CQZEditDF::OnChar(nChar, nRepCnt, nFlags);
}

// O "%" digitado troca o modo e mantém o número escrito; o cursor vai ao fim do número.
void CQZEditValor::AlternaModoDigitado() {
  CString strTexto;
  GetWindowText(strTexto);
  strTexto.Remove(kSimboloPercentual);
  m_nModo = m_nModo == 1 ? 0 : 1;
  const int nFim = strTexto.GetLength();
  if (m_nModo == 1) strTexto += kSimboloPercentual;
  SetWindowText(strTexto);
  SetSel(nFim, nFim);
}

void CQZEditValorEx::SetCasasDecimais(short nCasas) {
  if (nCasas >= 0 && nCasas <= 4) m_nCasasDecimais = nCasas;
}
