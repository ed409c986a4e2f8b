// Máscaras de digitação, datas com máscara e a chave de acesso da NF-e.
#include "vrmwnd/suite/edits/CQZEditMascara.h"

#include <cctype>

namespace {

constexpr char kVazio = '_';

bool EhMarcador(char c) { return c == '9' || c == 'A' || c == '*'; }

}  // namespace

BEGIN_MESSAGE_MAP(CQZEditMascara, CQZEditDF)
ON_WM_CHAR()
END_MESSAGE_MAP()

bool CQZEditMascara::EhPosicao(char cMascara) const {
  return m_bNumerica ? cMascara == '9' || cMascara == '0' : EhMarcador(cMascara);
}

bool CQZEditMascara::PosicaoAceita(char cMascara, UINT nChar) {
  switch (cMascara) {
    case '0':
    case '9': return nChar >= '0' && nChar <= '9';
    case 'A': return nChar < 0x80 ? std::isalpha(static_cast<int>(nChar)) != 0 : nChar >= 0xC0;
    default: return nChar >= 0x20;
  }
}

CString CQZEditMascara::Monta(const CString& strDigitado) const {
  CString strTexto;
  int nUsados = 0, nTotal = strDigitado.GetLength();
  for (int i = 0; i < m_strMascara.GetLength(); ++i) {
    char c = m_strMascara[i];
    if (!EhPosicao(c)) {
      if (nUsados < nTotal || m_bMostrarMascara || m_bPreencheZeros) strTexto += c;
      continue;
    }
    if (nUsados < nTotal) {
      strTexto += strDigitado[nUsados++];
    } else if (m_bPreencheZeros) {
      strTexto += '0';
    } else if (m_bMostrarMascara) {
      strTexto += kVazio;
    } else {
      break;
    }
  }
  return strTexto;
}

CString CQZEditMascara::GetTextoSemMascara() const {
  CString strTexto, strDigitado;
  GetWindowText(strTexto);
  for (int i = 0; i < strTexto.GetLength() && i < m_strMascara.GetLength(); ++i) {
    if (m_bPreencheZeros && strDigitado.GetLength() >= m_nDigitados) break;
    if (EhPosicao(m_strMascara[i]) && strTexto[i] != kVazio) strDigitado += strTexto[i];
  }
  return strDigitado;
}

bool CQZEditMascara::IsCompleto() const {
  int nPosicoes = 0;
  for (int i = 0; i < m_strMascara.GetLength(); ++i) nPosicoes += EhPosicao(m_strMascara[i]) ? 1 : 0;
  return GetTextoSemMascara().GetLength() == nPosicoes;
}

void CQZEditMascara::Exibe(const CString& strDigitado) {
  CString strTexto = Monta(strDigitado);
  m_nDigitados = strDigitado.GetLength();
  SetSel(0, -1);
  ReplaceSel(strTexto);
  int nCursor = strTexto.Find(kVazio);
  if (m_bPreencheZeros) {  // o cursor fica na primeira posição ainda não digitada
    nCursor = -1;
    for (int i = 0, nUsados = 0; i < m_strMascara.GetLength() && nCursor < 0; ++i)
      if (EhPosicao(m_strMascara[i]) && nUsados++ == m_nDigitados) nCursor = i;
  }
  if (nCursor < 0) nCursor = strTexto.GetLength();
  SetSel(nCursor, nCursor);
}

void CQZEditMascara::SetMascara(const char* szMascara) {
  CString strDigitado = GetTextoSemMascara();
  m_strMascara = szMascara;
  m_bNumerica = m_bPreencheZeros = false;
  m_nDigitados = strDigitado.GetLength();
  if (m_hWnd != nullptr) SetWindowText(Monta(strDigitado));
}

void CQZEditMascara::SetMascara(int nTipo, const CString& strMascara, int bPreencheZeros) {
  CString strDigitado = m_hWnd != nullptr ? GetTextoSemMascara() : CString();
  m_strMascara = strMascara;
  m_bNumerica = nTipo == 0;
  m_bPreencheZeros = bPreencheZeros != 0;
  int nPosicoes = 0;
  for (int i = 0; i < m_strMascara.GetLength(); ++i) nPosicoes += EhPosicao(m_strMascara[i]) ? 1 : 0;
  CString strValido;  // o que já havia e cabe na máscara nova
  for (int i = 0, j = 0; i < strDigitado.GetLength() && j < nPosicoes; ++i)
    if (!m_bNumerica || (strDigitado[i] >= '0' && strDigitado[i] <= '9')) strValido += strDigitado[i], ++j;
  m_nDigitados = strValido.GetLength();
  if (m_hWnd != nullptr) SetWindowText(Monta(strValido));
}

void CQZEditMascara::SetMostrarMascara(bool b) {
  CString strDigitado = GetTextoSemMascara();
  m_bMostrarMascara = b;
  if (m_hWnd != nullptr) SetWindowText(Monta(strDigitado));
}

void CQZEditMascara::OnChar(UINT nChar, UINT, UINT) {
  if (GetStyle() & ES_READONLY) return;
  CString strDigitado = GetTextoSemMascara();
  if (nChar == VK_BACK) {
    if (!strDigitado.IsEmpty()) Exibe(strDigitado.Left(strDigitado.GetLength() - 1));
    return;
  }
  if (nChar < 0x20 || nChar >= 0x80) return;  // a máscara trabalha com ASCII
  int nPosicao = 0;
  for (int nUsados = 0; nPosicao < m_strMascara.GetLength(); ++nPosicao)
    if (EhPosicao(m_strMascara[nPosicao]) && nUsados++ == strDigitado.GetLength()) break;
  if (nPosicao >= m_strMascara.GetLength() || !PosicaoAceita(m_strMascara[nPosicao], nChar)) return;
  Exibe(strDigitado + static_cast<char>(nChar));
}

REG_QZDMA CQZEditRegDma::GetData() const {
  if (!IsCompleto()) return 0;
  CString s = GetTextoSemMascara();
  int nDia = atoi(s.Left(2)), nMes = atoi(s.Mid(2, 2)), nAno = atoi(s.Mid(4));
  REG_QZDMA dma = QZDMA(nDia, nMes, nAno);
  // QZDMA acerta o dia além do fim do mês; aqui a data digitada tem de existir.
  int nDiaLido = 0, nMesLido = 0, nAnoLido = 0;
  QZDMAParaData(dma, &nDiaLido, &nMesLido, &nAnoLido);
  return (nDiaLido == nDia && nMesLido == nMes && nAnoLido == nAno) ? dma : 0;
}

void CQZEditRegDma::SetData(REG_QZDMA dma) {
  if (!QZDMAValida(dma)) {
    SetWindowText(Monta(""));
    return;
  }
  int nDia = 0, nMes = 0, nAno = 0;
  QZDMAParaData(dma, &nDia, &nMes, &nAno);
  CString s;
  s.Format("%02d%02d%04d", nDia, nMes, nAno);
  SetWindowText(Monta(s));
}

BEGIN_MESSAGE_MAP(CQZEditNFEChaveDeAcesso, CQZEditDF)
ON_WM_CHAR()
END_MESSAGE_MAP()

CString CQZEditNFEChaveDeAcesso::GetChave() const {
  CString s;
  GetWindowText(s);
  return s;
}

bool CQZEditNFEChaveDeAcesso::ChaveValida(const CString& strChave) {
  if (strChave.GetLength() != TAMANHO_CHAVE || strChave.SpanIncluding("0123456789") != strChave) return false;
  int nSoma = 0, nPeso = 2;
  for (int i = TAMANHO_CHAVE - 2; i >= 0; --i) {
    nSoma += (strChave[i] - '0') * nPeso;
    nPeso = nPeso == 9 ? 2 : nPeso + 1;
  }
  int nDigito = 11 - nSoma % 11;
  if (nDigito >= 10) nDigito = 0;
  return strChave[TAMANHO_CHAVE - 1] - '0' == nDigito;
}

bool CQZEditNFEChaveDeAcesso::ChaveValida() const { return ChaveValida(GetChave()); }

void CQZEditNFEChaveDeAcesso::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar >= 0x20 && (nChar < '0' || nChar > '9')) return;
  int nInicio = 0, nFim = 0;
  GetSel(nInicio, nFim);
  if (nChar >= 0x20 && nInicio == nFim && GetWindowTextLength() >= TAMANHO_CHAVE) return;
  CQZEditDF::OnChar(nChar, nRepCnt, nFlags);
}
