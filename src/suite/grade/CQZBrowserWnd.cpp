// Framework de grades da suíte: colunas descritas pela tela, ordenação, totais,
// seleção de linha, configuração no perfil da aplicação e impressão.
#include <cstdio>
#include <cstdlib>

#include "vrmwnd/platform/afxapp.h"
#include "vrmwnd/suite/grade/CQZBrowserWnd.h"

IMPLEMENT_DYNAMIC(CQZBrowserWnd, CGXBrowserWnd)
IMPLEMENT_DYNAMIC(CQZBrowserView, CQZBrowserWnd)

BEGIN_MESSAGE_MAP(CQZBrowserWnd, CGXBrowserWnd)
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

DWORD AlinhamentoDaGrade(int nAlinhamento) {
  return nAlinhamento == QZALINHA_DIREITA ? DT_RIGHT : nAlinhamento == QZALINHA_CENTRO ? DT_CENTER : DT_LEFT;
}

}  // namespace

void CQZGrid::Reset(bool bRedesenha) {
  m_Janela.ResetCurrentCell();
  m_Janela.ClearSelection();
  m_Janela.m_nUltimoRegistro = -1;
  if (bRedesenha) m_Janela.Redraw();
}

bool CQZGrid::OrdenaColuna(ROWCOL nColuna, bool bAscendente) {
  if (!m_Janela.GetPermiteOrdenacao()) return false;
  return m_Janela.SortRows(nColuna, bAscendente) != FALSE;
}

ROWCOL CQZGrid::GetColunaOrdenada() const { return m_Janela.GetSortCol(); }
bool CQZGrid::GetOrdemAscendente() const { return m_Janela.GetSortAscending() != FALSE; }

void CQZGrid::SetEnableTotalizacao(bool bTotalizar) {
  m_bTotalizacao = bTotalizar;
  m_Janela.SetTotalsLine(bTotalizar);
}

ROWCOL CQZGrid::GetColunaBrowseAtual() const {
  ROWCOL nLinha = 0, nColuna = 0;
  if (m_Janela.GetCurrentCell(nLinha, nColuna)) return nColuna;
  for (ROWCOL c = 1; c <= m_Janela.GetColCount(); ++c)
    if (!m_Janela.IsColHidden(c)) return c;
  return 1;
}

long CQZGrid::GetRegistroAtual() const {
  ROWCOL nLinha = 0, nColuna = 0;
  return m_Janela.GetCurrentCell(nLinha, nColuna) ? m_Janela.GetRecordFromRow(nLinha) : -1;
}

int CQZGrid::GetIndiceColuna(const CString& strTitulo) const {
  for (int i = 0; i < GetQtdColunas(); ++i)
    if (m_Colunas[i].m_strTitulo == strTitulo) return i;
  return -1;
}

bool CQZGrid::ToggleColunaVisivel(int nIndice) {
  if (nIndice < 0 || nIndice >= GetQtdColunas()) return false;
  const ROWCOL nColuna = static_cast<ROWCOL>(nIndice + 1);
  return m_Janela.HideCols(nColuna, nColuna, !m_Janela.IsColHidden(nColuna)) != FALSE;
}

bool CQZGrid::GetColunaVisivel(int nIndice) const {
  return nIndice >= 0 && nIndice < GetQtdColunas() && !m_Janela.IsColHidden(static_cast<ROWCOL>(nIndice + 1));
}

CString CQZGrid::Imprimir(const T_Lista<CString>& cabecalho) {
  CString strTexto;
  for (INT_PTR i = 0; i < cabecalho.GetSize(); ++i) strTexto += cabecalho[i] + "\n";
  if (cabecalho.GetSize() > 0) strTexto += "\n";
  return strTexto + m_Janela.PrintToText();
}

CString CQZGrid::SecaoPerfil() const { return "Grid " + m_Janela.GetIdentificador(); }

void CQZGrid::SalvaConfiguracao() const {
  if (!m_Janela.GetSalvaConfiguracao() || m_Janela.GetIdentificador().IsEmpty()) return;
  CString strLarguras, strOcultas, strOrdem;
  for (int i = 0; i < GetQtdColunas(); ++i) {
    const ROWCOL c = static_cast<ROWCOL>(i + 1);
    strLarguras.AppendFormat(i ? ",%d" : "%d", m_Colunas[i].m_nLargura);
    if (m_Janela.IsColHidden(c)) strOcultas.AppendFormat(strOcultas.IsEmpty() ? "%d" : ",%d", i);
  }
  strOrdem.Format("%u,%d", m_Janela.GetSortCol(), m_Janela.GetSortAscending() ? 1 : 0);
  CWinApp* pApp = AfxGetApp();
  pApp->WriteProfileString(SecaoPerfil(), "Larguras", strLarguras);
  pApp->WriteProfileString(SecaoPerfil(), "Ocultas", strOcultas);
  pApp->WriteProfileString(SecaoPerfil(), "Ordenacao", strOrdem);
}

void CQZGrid::CarregaConfiguracao() {
  if (!m_Janela.GetSalvaConfiguracao() || m_Janela.GetIdentificador().IsEmpty()) return;
  CWinApp* pApp = AfxGetApp();
  const CString strLarguras = pApp->GetProfileString(SecaoPerfil(), "Larguras", "");
  int nPos = 0;
  for (int i = 0; i < GetQtdColunas(); ++i) {
    const CString strParte = strLarguras.Tokenize(",", nPos);
    if (nPos < 0) break;
    const int nLargura = std::atoi(strParte);
    if (nLargura > 0) {
      m_Colunas[i].m_nLargura = nLargura;
      m_Janela.SetColWidth(static_cast<ROWCOL>(i + 1), nLargura);
    }
  }
  const CString strOcultas = pApp->GetProfileString(SecaoPerfil(), "Ocultas", "");
  nPos = 0;
  for (CString strParte = strOcultas.Tokenize(",", nPos); nPos >= 0; strParte = strOcultas.Tokenize(",", nPos)) {
    const int nIndice = std::atoi(strParte);
    if (GetColunaVisivel(nIndice)) ToggleColunaVisivel(nIndice);
  }
  unsigned nColuna = 0;
  int nAscendente = 1;
  if (std::sscanf(pApp->GetProfileString(SecaoPerfil(), "Ordenacao", ""), "%u,%d", &nColuna, &nAscendente) == 2 &&
      nColuna >= 1 && nColuna <= static_cast<unsigned>(GetQtdColunas())) {
    OrdenaColuna(nColuna, nAscendente != 0);
  }
}

void CQZBrowserWnd::OnInitialUpdate() {
  SetColCount(static_cast<ROWCOL>(m_nQtdColunas));
  m_Grid.m_Colunas.assign(static_cast<std::size_t>(m_nQtdColunas), TQZColunaBrowse{});
  for (int i = 0; i < m_nQtdColunas; ++i) {
    TQZColunaBrowse& coluna = m_Grid.m_Colunas[i];
    OnDescreveColuna(i, coluna);
    const ROWCOL c = static_cast<ROWCOL>(i + 1);
    SetValueRowCol(0, c, coluna.m_strTitulo);
    SetColWidth(c, coluna.m_nLargura);
    SetColStyle(c, CGXStyle().SetHorizontalAlignment(AlinhamentoDaGrade(coluna.m_nAlinhamento)).SetReadOnly(TRUE));
    SetColSummed(c, (coluna.m_nOpcoes & (QZCOL_TOTALIZAVEL | QZCOL_NUMERICA)) == (QZCOL_TOTALIZAVEL | QZCOL_NUMERICA));
  }
  SetShowRowNumbers(m_bMostraNumeroLinha);
  SetColWidth(0, m_bMostraNumeroLinha ? 30 : 12);
  m_Grid.CarregaConfiguracao();
}

void CQZBrowserWnd::OnLinhaSelecionada(long) {}

void CQZBrowserWnd::OnMovedCurrentCell(ROWCOL nRow, ROWCOL) {
  const long nRegistro = GetRecordFromRow(nRow);
  ClearSelection();
  if (nRegistro >= 0) SelectRow(nRow);
  if (nRegistro == m_nUltimoRegistro) return;
  m_nUltimoRegistro = nRegistro;
  OnLinhaSelecionada(nRegistro);
}

void CQZBrowserWnd::OnDestroy() {
  if (IsInitialized()) m_Grid.SalvaConfiguracao();
  CGXBrowserWnd::OnDestroy();
}
