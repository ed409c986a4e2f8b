// O diálogo de mensagem com grade: o modelo 1013, a grade das colunas do chamador, o
// ícone do sistema, o tamanho que acompanha a tabela e a cópia da tabela para a área
// de transferência com Ctrl+Shift+F2.
#include "vrmwnd/dialogs/CDlgMsgCm.h"

#include <algorithm>
#include <cstring>

#include "vrmwnd/platform/clipboard.h"
#include "vrmwnd/util/CCMRecursoModulo.h"
#include "vrmwnd/util/CVRMWNDUtil.h"
#include "vrmwnd/util/modulo.h"
#include "grade_so_leitura.h"

namespace {

const DLGTEMPLATEDESC kModelo{
    "Registro de Entrada",
    0,
    0,
    535,
    195,
    DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
    {{IDYES, "BUTTON", "Sim", 420, 174, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
     {IDNO, "BUTTON", "Não", 474, 174, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
     {CDlgMsgCm::IDC_MENSAGEM, "STATIC", "", 40, 10, 488, 16, WS_VISIBLE | SS_LEFT},
     {CDlgMsgCm::IDC_PERGUNTA, "STATIC", "", 40, 161, 353, 8, WS_VISIBLE | SS_LEFT},
     {CDlgMsgCm::IDC_GRADE, CGXBrowserWnd::kClassName, "", 7, 37, 521, 119,
      WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | WS_HSCROLL},
     {CDlgMsgCm::IDC_ICONE, "STATIC", "", 10, 10, 20, 20, WS_VISIBLE | SS_ICON},
     {CDlgMsgCm::IDC_CHECK1, "BUTTON", "", 40, 179, 201, 10, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX}}};

[[maybe_unused]] const bool kModeloRegistrado =
    (AfxRegisterDialogTemplate(vrmwnd::InstanciaModulo(), CDlgMsgCm::IDD, kModelo), true);

using vrmwnd::dialogos::kMargemColuna;
using vrmwnd::dialogos::kOpcoesColuna;
constexpr int kLinhasVisiveis = 15;
constexpr int kFolgaLargura = 20;
constexpr int kEspaco = 6;
constexpr int kFolgaAltura = 36;

bool TeclaApertada(int nTecla) { return (GetKeyState(nTecla) & 0x8000) != 0; }

int Largura(const RECT& r) { return r.right - r.left; }
int Altura(const RECT& r) { return r.bottom - r.top; }

RECT RetanguloDe(HWND h) {
  RECT r{};
  ::GetWindowRect(h, &r);
  return r;
}

// Move a janela para (x, y) na área cliente do pai, com o tamanho dado.
void Posiciona(HWND h, int x, int y, int nLargura, int nAltura) { ::MoveWindow(h, x, y, nLargura, nAltura, TRUE); }

}  // namespace

BEGIN_MESSAGE_MAP(CDlgMsgCm, CDialog)
ON_BN_CLICKED(IDYES, &CDlgMsgCm::OnBnClickedYes)
ON_BN_CLICKED(IDNO, &CDlgMsgCm::OnBnClickedNo)
END_MESSAGE_MAP()

void CDlgMsgCmGrid::OnInitialUpdate() { vrmwnd::dialogos::IniciaGradeSoLeitura(*this, m_pDlg->GetQtdColuna()); }

void CDlgMsgCmGrid::OnDescreveColuna(int nColuna, TQZColunaBrowse& coluna) {
  if (nColuna < 0 || nColuna >= m_pDlg->GetQtdColuna()) AfxThrowInvalidArgException();
  const CDlgMsgCm::CInformacaoColuna& info = m_pDlg->m_Colunas[nColuna];
  coluna.m_strTitulo = info.m_strTitulo;
  coluna.m_nLargura = info.m_nLargura;
  coluna.m_nAlinhamento = info.m_nAlinhamento;
  coluna.m_cTipo = info.m_cTipo;
  coluna.m_nMargem = kMargemColuna;
  coluna.m_nOpcoes = kOpcoesColuna;
}

BOOL CDlgMsgCmGrid::OnLoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, LPCTSTR pszExistente) {
  if (nRow == 0 || nCol == 0 || (pszExistente != nullptr && *pszExistente != '\0')) return TRUE;
  if (IsColHidden(nCol)) return TRUE;
  const long nRegistro = GetRecordFromRow(nRow);
  if (nRegistro < 0) return TRUE;
  if (m_pDlg->GetQtdColuna() > 0 && nRegistro >= m_pDlg->GetQtdLinhas()) return TRUE;
  const int nIndice = GetIndiceColuna(GetValueRowCol(0, nCol));
  style.SetValue(m_pDlg->m_Colunas[nIndice].m_Linhas[nRegistro]);
  // As células na cor dos botões, como o diálogo.
  style.SetInterior(GetSysColor(COLOR_BTNFACE));
  return TRUE;
}

CDlgMsgCm::CDlgMsgCm(CWnd* pPai)
    : CDialog(IDD, pPai), CServidoresCompartilhados(nullptr), m_pszIcone(IDI_INFORMATION) {}

CDlgMsgCm::~CDlgMsgCm() {
  if (m_pGrade != nullptr && m_pGrade->m_hWnd != nullptr && ::IsWindow(m_pGrade->m_hWnd)) m_pGrade->DestroyWindow();
  delete m_pGrade;
}

int CDlgMsgCm::GetQtdLinhas() const {
  if (m_Colunas.GetSize() == 0) AfxThrowInvalidArgException();
  return static_cast<int>(m_Colunas[0].m_Linhas.GetSize());
}

void CDlgMsgCm::LimpaDados() {
  m_strTitulo.Empty();
  m_strMensagem.Empty();
  m_strPergunta.Empty();
  m_Colunas.RemoveAll();
}

INT_PTR CDlgMsgCm::DoModal() {
  CCMRecursoModulo recurso;
  return CDialog::DoModal();
}

void CDlgMsgCm::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ICONE, m_stIcone);
  DDX_Control(pDX, IDC_CHECK1, m_btCheck1);
}

BOOL CDlgMsgCm::OnInitDialog() {
  CDialog::OnInitDialog();
  delete m_pGrade;
  m_pGrade = new CDlgMsgCmGrid(this);
  m_pGrade->SubclassDlgItem(IDC_GRADE, this);
  m_pGrade->Initialize();
  SetDlgItemText(IDC_MENSAGEM, m_strMensagem);
  SetDlgItemText(IDC_PERGUNTA, m_strPergunta);
  if (m_strTextoCheck1.IsEmpty()) {
    m_btCheck1.ShowWindow(SW_HIDE);
  } else {
    m_btCheck1.SetWindowText(m_strTextoCheck1);
    m_btCheck1.EnableWindow(m_bHabilitaCheck1 != 0);
  }
  const int nLinhas = GetQtdLinhas();
  CVRMWNDUtil::AtualizaGrid(m_pGrade, nLinhas, nLinhas);
  m_stIcone.SetIcon(::LoadIcon(nullptr, m_pszIcone));
  SetWindowText(m_strTitulo);
  RedimensionaTela();
  return TRUE;
}

void CDlgMsgCm::RedimensionaTela() {
  const int W = Largura(RetanguloDe(::GetDesktopWindow()));
  HWND hMensagem = ::GetDlgItem(m_hWnd, IDC_MENSAGEM), hPergunta = ::GetDlgItem(m_hWnd, IDC_PERGUNTA);
  HWND hSim = ::GetDlgItem(m_hWnd, IDYES), hNao = ::GetDlgItem(m_hWnd, IDNO);
  const RECT rM = RetanguloDe(hMensagem), rD = RetanguloDe(m_hWnd), rG = RetanguloDe(m_pGrade->m_hWnd);
  int nSomaLarguras = 0;
  for (INT_PTR i = 0; i < m_Colunas.GetSize(); ++i) nSomaLarguras += m_Colunas[i].m_nLargura;
  const int nLarguraGrade = std::min(nSomaLarguras + kFolgaLargura, W);
  const int m = rG.left - rD.left, t = rM.bottom - rD.top;
  const int nLinhas = std::min(static_cast<int>(m_pGrade->GetRowCount()), kLinhasVisiveis);
  const int nAlturaGrade = (nLinhas + 1) * m_pGrade->GetRowHeight(1) + m_pGrade->GetRowHeight(0);

  POINT pGrade{rG.left, rG.top};
  ::ScreenToClient(m_hWnd, &pGrade);
  Posiciona(m_pGrade->m_hWnd, pGrade.x, pGrade.y, nLarguraGrade, nAlturaGrade);
  const int nAlturaPergunta = Altura(RetanguloDe(hPergunta));
  Posiciona(hPergunta, m, nAlturaGrade + t + kEspaco, Largura(RetanguloDe(hPergunta)), nAlturaPergunta);

  const int y = nAlturaGrade + t + kEspaco + nAlturaPergunta + kEspaco;
  const RECT rBotao = RetanguloDe(hNao);
  const int xNao = m + nLarguraGrade - kEspaco - Largura(rBotao);
  Posiciona(hNao, xNao, y, Largura(rBotao), Altura(rBotao));
  const RECT rSim = RetanguloDe(hSim);
  Posiciona(hSim, xNao - kEspaco - Largura(rSim), y, Largura(rSim), Altura(rSim));
  const RECT rCheck = RetanguloDe(m_btCheck1.m_hWnd);
  Posiciona(m_btCheck1.m_hWnd, m, y, Largura(rCheck), Altura(rCheck));

  // Mensagem e pergunta terminam onde a grade termina.
  for (HWND h : {hPergunta, hMensagem}) {
    const RECT r = RetanguloDe(h);
    POINT p{r.left, r.top};
    ::ScreenToClient(m_hWnd, &p);
    Posiciona(h, p.x, p.y, m - (r.left - rD.left) + nLarguraGrade, Altura(r));
  }
  Posiciona(m_hWnd, rD.left, rD.top, nLarguraGrade + 2 * m, y + Altura(rBotao) + kFolgaAltura);
}

void CDlgMsgCm::CopiaParaAreaTransferencia() {
  CString strTexto;
  for (ROWCOL r = 0; r <= m_pGrade->GetRowCount(); ++r) {
    for (ROWCOL c = 0; c <= m_pGrade->GetColCount(); ++c) strTexto += m_pGrade->GetValueRowCol(r, c) + "\t";
    strTexto += "\r\n";
  }
  if (!::OpenClipboard(m_hWnd)) return;
  ::EmptyClipboard();
  const SIZE_T nBytes = static_cast<SIZE_T>(strTexto.GetLength()) + 1;
  HGLOBAL hBloco = ::GlobalAlloc(GMEM_DDESHARE, nBytes);
  if (hBloco != nullptr) {
    std::memcpy(::GlobalLock(hBloco), strTexto.GetString(), nBytes);
    ::GlobalUnlock(hBloco);
    if (::SetClipboardData(CF_TEXT, hBloco) == nullptr) ::GlobalFree(hBloco);
  }
  ::CloseClipboard();
}

BOOL CDlgMsgCm::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F2 && TeclaApertada(VK_LSHIFT) && TeclaApertada(VK_LCONTROL))
    CopiaParaAreaTransferencia();
  return CDialog::PreTranslateMessage(pMsg);
}

void CDlgMsgCm::OnBnClickedYes() {
  LimpaDados();
  if (m_btCheck1.SendMessage(BM_GETCHECK) == BST_CHECKED) m_nCheck1 = 1;
  EndDialog(IDYES);
}

void CDlgMsgCm::OnBnClickedNo() {
  LimpaDados();
  EndDialog(IDNO);
}
