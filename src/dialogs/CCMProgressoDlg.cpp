// A janela de progresso: o modelo 12001, o dono desabilitado enquanto ela existe, a
// fila esvaziada a cada avanço e o percentual que só é regravado quando muda.
#include "vrmwnd/dialogs/CCMProgressoDlg.h"

#include "vrmwnd/util/CCMRecursoModulo.h"
#include "vrmwnd/util/modulo.h"

namespace {

constexpr char kTituloPadrao[] = "Progresso...";

const DLGTEMPLATEDESC kModelo{
    "",
    0,
    0,
    186,
    66,
    DS_MODALFRAME | WS_POPUP | WS_CAPTION,
    {{CCMProgressoDlg::IDC_PROGRESSO, "msctls_progress32", "", 13, 34, 158, 13, WS_VISIBLE | WS_BORDER},
     {CCMProgressoDlg::IDC_PERCENTUAL, "STATIC", " 0 %", 85, 23, 18, 8, WS_VISIBLE | SS_LEFT},
     {CCMProgressoDlg::IDC_SITUACAO, "STATIC", "", 13, 7, 158, 11, WS_VISIBLE | SS_LEFT}}};

[[maybe_unused]] const bool kModeloRegistrado =
    (AfxRegisterDialogTemplate(vrmwnd::InstanciaModulo(), CCMProgressoDlg::IDD, kModelo), true);

// O dono de uma janela criada sobre pPai: a janela de topo que contém pPai (a ativa
// sem pPai), como CWnd::GetSafeOwner.
CWnd* DonoSeguro(CWnd* pPai) {
  HWND hDono = pPai != nullptr ? pPai->m_hWnd : GetActiveWindow();
  while (hDono != nullptr && (GetWindowLong(hDono, GWL_STYLE) & WS_CHILD)) hDono = GetParent(hDono);
  return hDono != nullptr ? CWnd::FromHandle(hDono) : nullptr;
}

}  // namespace

CCMProgressoDlg::CCMProgressoDlg(char* szTitulo) : m_strTitulo(kTituloPadrao) {
  if (szTitulo != nullptr) m_strTitulo = szTitulo;
}

CCMProgressoDlg::CCMProgressoDlg() : m_strTitulo(kTituloPadrao) {}

CCMProgressoDlg::~CCMProgressoDlg() {
  if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) {
    ReEnableParent();
    CDialog::DestroyWindow();
  }
}

BOOL CCMProgressoDlg::Create(CWnd* pPai) {
  m_pDono = DonoSeguro(pPai);
  if (m_pDono != nullptr && m_pDono->IsWindowEnabled()) {
    m_pDono->EnableWindow(FALSE);
    m_bPaiDesabilitado = TRUE;
  }
  CCMRecursoModulo recurso;
  if (!CDialog::Create(IDD, pPai)) {
    if (m_bPaiDesabilitado && m_pDono != nullptr) m_pDono->EnableWindow(TRUE);
    m_bPaiDesabilitado = FALSE;
    return FALSE;
  }
  return TRUE;
}

INT_PTR CCMProgressoDlg::DoModal() {
  CCMRecursoModulo recurso;
  return CDialog::DoModal();
}

BOOL CCMProgressoDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_progresso.SendMessage(PBM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(m_nInferior), static_cast<WORD>(m_nSuperior)));
  m_progresso.SendMessage(PBM_SETSTEP, static_cast<WPARAM>(m_nPasso));
  m_progresso.SendMessage(PBM_SETPOS, static_cast<WPARAM>(m_nInferior));
  SetWindowText(m_strTitulo);
  return TRUE;
}

void CCMProgressoDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PROGRESSO, m_progresso);
}

void CCMProgressoDlg::SetRange(int nInferior, int nSuperior) {
  m_nInferior = nInferior;
  m_nSuperior = nSuperior;
  m_progresso.SendMessage(PBM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(nInferior), static_cast<WORD>(nSuperior)));
}

int CCMProgressoDlg::SetPos(int nPos) {
  PumpMessages();
  const int nAnterior = static_cast<int>(m_progresso.SendMessage(PBM_SETPOS, static_cast<WPARAM>(nPos)));
  UpdatePercent(nPos);
  return nAnterior;
}

int CCMProgressoDlg::OffsetPos(int nDelta) {
  PumpMessages();
  const int nAnterior = static_cast<int>(m_progresso.SendMessage(PBM_DELTAPOS, static_cast<WPARAM>(nDelta)));
  UpdatePercent(nAnterior + nDelta);
  return nAnterior;
}

int CCMProgressoDlg::StepIt() {
  PumpMessages();
  const int nAnterior = static_cast<int>(m_progresso.SendMessage(PBM_STEPIT));
  UpdatePercent(nAnterior + m_nPasso);
  return nAnterior;
}

int CCMProgressoDlg::SetStep(int nPasso) {
  m_nPasso = nPasso;
  return static_cast<int>(m_progresso.SendMessage(PBM_SETSTEP, static_cast<WPARAM>(nPasso)));
}

void CCMProgressoDlg::SetStatus(const char* szTexto) { SetDlgItemText(IDC_SITUACAO, szTexto); }

BOOL CCMProgressoDlg::DestroyWindow() {
  ReEnableParent();
  return CDialog::DestroyWindow();
}

void CCMProgressoDlg::PumpMessages() {
  MSG msg;
  while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (!::IsDialogMessage(m_hWnd, &msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessage(&msg);
    }
  }
}

void CCMProgressoDlg::ReEnableParent() {
  if (m_bPaiDesabilitado && m_pDono != nullptr) m_pDono->EnableWindow(TRUE);
  m_bPaiDesabilitado = FALSE;
}

void CCMProgressoDlg::UpdatePercent(int nPos) {
  int nPercentual = 0;
  if (m_nSuperior != m_nInferior) nPercentual = ((nPos - m_nInferior) * 100) / (m_nSuperior - m_nInferior);
  if (nPercentual != 100) nPercentual %= 100;
  CString strTexto, strAtual;
  strTexto.Format("%d%c", nPercentual, '%');
  GetDlgItemText(IDC_PERCENTUAL, strAtual);
  if (strTexto != strAtual) SetDlgItemText(IDC_PERCENTUAL, strTexto);
}
