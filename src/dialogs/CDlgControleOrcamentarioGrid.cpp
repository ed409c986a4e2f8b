// A grade do orçado e realizado (colunas, textos das células, "%") e o ponto de
// entrada CMOrcadoRealizadoDlg, que abre o diálogo sem pai.
#include "grade_configuravel.h"
#include "vrmwnd/base/CQZCurrency.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/dialogs/CDlgControleOrcamentario.h"
#include "vrmwnd/platform/afxmenu.h"
#include "vrmwnd/util/CCMRecursoModulo.h"

namespace {

using vrmwnd::dialogos::TColunaGrade;
constexpr TColunaGrade kColunas[] = {
    {"Data Inicial", 83, QZALINHA_CENTRO, 4, 256},
    {"Data Final", 83, QZALINHA_CENTRO, 4, 256},
    {"Orçado", 83, QZALINHA_DIREITA, 2, QZCOL_TOTALIZAVEL | QZCOL_NUMERICA},
    {"Realizado", 74, QZALINHA_DIREITA, 2, QZCOL_TOTALIZAVEL | QZCOL_NUMERICA},
    {"%", 55, QZALINHA_DIREITA, 2, QZCOL_NUMERICA},
};

CString Data(REG_QZDMA dma) {
  int nDia = 0, nMes = 0, nAno = 0;
  QZDMAParaData(dma, &nDia, &nMes, &nAno);
  CString s;
  if (nDia) s.Format("%02d/%02d/%04d", nDia, nMes, nAno);
  return s;
}

CString Valor(CY cy) {
  CQZCurrency valor(cy);
  valor.SetCasasDecimais(2);
  return valor.Formata();
}

// realizado × 100 ÷ orçado; "0,00" sem orçamento ou com orçado 0.
CString Percentual(const REG_DADOS_GRID& linha) {
  if (!linha.bOrcamentoExiste || linha.cyOrcado.int64 == 0) return "0,00";
  const __int128 nBruto = static_cast<__int128>(linha.cyRealizado.int64) * 100 * 10'000 / linha.cyOrcado.int64;
  return Valor(CyDeBruto(static_cast<LONGLONG>(nBruto)));
}

}  // namespace

BEGIN_MESSAGE_MAP(CDlgControleOrcamentarioGrid, CQZBrowserWnd)
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

void CDlgControleOrcamentarioGrid::OnInitialUpdate() {
  vrmwnd::dialogos::PreparaGradeConfiguravel(*this, "CDlgControleOrcamentarioGrid",
                                             static_cast<int>(std::size(kColunas)));
  CQZBrowserWnd::OnInitialUpdate();
  SetEnableTotalizacao(m_pDlg->GetTotalizar());
}

void CDlgControleOrcamentarioGrid::OnDescreveColuna(int nColuna, TQZColunaBrowse& coluna) {
  vrmwnd::dialogos::DescreveColuna(kColunas, nColuna, coluna);
}

CString CDlgControleOrcamentarioGrid::TextoCelula(long nRegistro, int nColuna) const {
  const T_Lista<REG_DADOS_GRID>& linhas = m_pDlg->GetLinhas();
  if (nRegistro < 0 || nRegistro >= linhas.GetSize()) return CString();
  const REG_DADOS_GRID& linha = linhas[nRegistro];
  switch (nColuna) {
    case 0: return Data(linha.dmaInicial);
    case 1: return Data(linha.dmaFinal);
    case 2: return Valor(linha.cyOrcado);
    case 3: return Valor(linha.cyRealizado);
    case 4: return Percentual(linha);
    default: return CString();
  }
}

BOOL CDlgControleOrcamentarioGrid::OnLoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, LPCTSTR pszExistente) {
  if (nRow == 0 || nCol == 0 || (pszExistente != nullptr && *pszExistente != '\0')) return TRUE;
  const long nRegistro = GetRecordFromRow(nRow);
  if (nRegistro < 0) return TRUE;
  style.SetValue(TextoCelula(nRegistro, GetIndiceColuna(GetValueRowCol(0, nCol))));
  return TRUE;
}

void CDlgControleOrcamentarioGrid::OnContextMenu(CWnd*, CPoint ponto) {
  using D = CDlgControleOrcamentario;
  CMenu menu;
  if (!menu.LoadMenu(D::IDR_MENU_GRADE)) return;
  CMenu* pPopup = menu.GetSubMenu(0);
  pPopup->CheckMenuItem(D::ID_TOTALIZAR, MF_BYCOMMAND | (m_pDlg->GetTotalizar() ? MF_CHECKED : MF_UNCHECKED));
  CMenu lista;
  lista.CreatePopupMenu();
  const int nColunas = GetQZGrid()->GetQtdColunas();
  for (int i = 0; i < nColunas; ++i) {
    const UINT nMarca = GetQZGrid()->GetColunaVisivel(i) ? MF_CHECKED : MF_UNCHECKED;
    lista.AppendMenu(MF_STRING | nMarca, D::ID_CONFIGURAR_LISTA + i, GetQZGrid()->GetColuna(i).m_strTitulo);
  }
  lista.AppendMenu(MF_SEPARATOR);
  lista.AppendMenu(MF_STRING, D::ID_CONFIGURAR_LISTA + nColunas, "Exibir Tudo");
  pPopup->AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(lista.Detach()), "Configurar Lista...");
  if (ponto.x == -1 && ponto.y == -1) {  // pelo teclado: no canto da grade
    CRect janela;
    GetWindowRect(&janela);
    ponto = CPoint(janela.left, janela.top);
  }
  pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, ponto.x, ponto.y, m_pDlg);
}

unsigned int CMOrcadoRealizadoDlg(const char* empresa, unsigned short usuario, long sessao) {
  CDlgControleOrcamentario dlg(nullptr);
  if (dlg.Inicializa(empresa, usuario, sessao) != S_OK) return static_cast<unsigned int>(-1);
  CCMRecursoModulo recurso;
  const INT_PTR nResultado = dlg.DoModal();
  dlg.OnFinaliza();
  return static_cast<unsigned int>(nResultado);
}
