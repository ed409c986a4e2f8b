// O diálogo redimensionável do módulo: a alça, o mínimo, as âncoras e a posição
// guardada no perfil do programa em dez números.
#include "vrmwnd/dialogs/CCMResizeDialog.h"

#include <cstdio>

#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/platform/afxapp.h"
#include "vrmwnd/platform/afxlayout.h"
#include "vrmwnd/util/CCMRecursoModulo.h"

BEGIN_MESSAGE_MAP(CCMResizeDialog, CQZDialog)
ON_WM_NCHITTEST()
ON_WM_SIZE()
ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

CCMResizeDialog::CCMResizeDialog() { SetModulo(QZ_MODULO_COMPRAS); }

CCMResizeDialog::CCMResizeDialog(UINT nIDTemplate, CWnd* pParent) : CQZDialog(nIDTemplate, pParent) {
  SetModulo(QZ_MODULO_COMPRAS);
}

CCMResizeDialog::~CCMResizeDialog() = default;

INT_PTR CCMResizeDialog::DoModal() {
  CCMRecursoModulo recurso;
  return CQZDialog::DoModal();
}

const char* CCMResizeDialog::OnGetChaveRegistro() { return "CCMResizeDialog"; }

CString CCMResizeDialog::GetSectionPosition() { return CString(OnGetChaveRegistro()) + "Settings"; }

CString CCMResizeDialog::GetEntryPosition() { return CString(OnGetChaveRegistro()) + "WindowPos"; }

void CCMResizeDialog::SetAnchor(UINT nID, UINT nAncoras) { m_ancoras.AdicionaAncora(nID, nAncoras); }

void CCMResizeDialog::SetAnchor(HWND hWnd, UINT nAncoras) { m_ancoras.AdicionaAncora(hWnd, nAncoras); }

BOOL CCMResizeDialog::OnInitDialog() {
  const BOOL bResultado = CDialog::OnInitDialog();
  CreateSizeGrip();
  m_ancoras.Init(this);
  GetWindowRect(&m_rectMinimo);
  return bResultado;
}

void CCMResizeDialog::EndInitDialog() { RestauraPosicaoJanela(); }

BOOL CCMResizeDialog::DestroyWindow() {
  SalvaPosicaoJanela();
  return CWnd::DestroyWindow();
}

// A alça ocupa o quadrado de uma barra de rolagem no canto da área cliente, atrás de
// todos os controles; o leiaute dinâmico a leva junto com o canto.
void CCMResizeDialog::CreateSizeGrip() {
  CRect rect;
  GetClientRect(&rect);
  CRect rectAlca(-GetSystemMetrics(SM_CXVSCROLL), -GetSystemMetrics(SM_CYHSCROLL), 0, 0);
  rectAlca.OffsetRect(rect.right, rect.bottom);
  m_wndAlca.Create("Scrollbar", "size", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBS_SIZEGRIP, rectAlca, this, 0);
  m_wndAlca.SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0,
                         SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
  if (GetDynamicLayout() == nullptr) EnableDynamicLayout(TRUE);
  if (CMFCDynamicLayout* pLeiaute = GetDynamicLayout()) {
    pLeiaute->AddItem(m_wndAlca.m_hWnd, CMFCDynamicLayout::MoveHorizontalAndVertical(100, 100),
                      CMFCDynamicLayout::SizeNone());
    pLeiaute->Adjust();
  }
}

LRESULT CCMResizeDialog::OnNcHitTest(CPoint point) {
  const LRESULT nResultado = CQZDialog::OnNcHitTest(point);
  if (nResultado != HTCLIENT) return nResultado;
  CRect rect;
  GetWindowRect(&rect);
  rect.left = rect.right - GetSystemMetrics(SM_CXHSCROLL);
  rect.top = rect.bottom - GetSystemMetrics(SM_CYVSCROLL);
  return PtInRect(&rect, point) ? HTBOTTOMRIGHT : nResultado;
}

void CCMResizeDialog::OnGetMinMaxInfo(MINMAXINFO* lpMMI) {
  if (!IsRectEmpty(&m_rectMinimo)) {
    lpMMI->ptMinTrackSize.x = m_rectMinimo.Width();
    lpMMI->ptMinTrackSize.y = m_rectMinimo.Height();
  }
  CQZDialog::OnGetMinMaxInfo(lpMMI);
}

void CCMResizeDialog::OnSize(UINT nType, int cx, int cy) {
  CQZDialog::OnSize(nType, cx, cy);
  m_ancoras.Reposiciona(false);
  Invalidate(TRUE);
}

void CCMResizeDialog::SalvaPosicaoJanela() {
  if (!::IsWindow(m_hWnd)) return;
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  if (!GetWindowPlacement(&wp)) return;
  wp.flags = IsZoomed() ? WPF_RESTORETOMAXIMIZED : 0;
  CString strPosicao;
  strPosicao.Format(GetFORMATO_POSICAO_JANELA(), wp.flags, wp.showCmd, wp.ptMinPosition.x, wp.ptMinPosition.y,
                    wp.ptMaxPosition.x, wp.ptMaxPosition.y, wp.rcNormalPosition.left, wp.rcNormalPosition.top,
                    wp.rcNormalPosition.right, wp.rcNormalPosition.bottom);
  AfxGetApp()->WriteProfileString(GetSectionPosition(), GetEntryPosition(), strPosicao);
}

// Só um texto com os dez números muda a posição; qualquer outro deixa a do modelo.
void CCMResizeDialog::RestauraPosicaoJanela() {
  if (!::IsWindow(m_hWnd)) return;
  const CString strPosicao = AfxGetApp()->GetProfileString(GetSectionPosition(), GetEntryPosition(), nullptr);
  if (strPosicao.IsEmpty()) return;
  WINDOWPLACEMENT wp{};
  if (std::sscanf(strPosicao, GetFORMATO_POSICAO_JANELA(), &wp.flags, &wp.showCmd, &wp.ptMinPosition.x,
                  &wp.ptMinPosition.y, &wp.ptMaxPosition.x, &wp.ptMaxPosition.y, &wp.rcNormalPosition.left,
                  &wp.rcNormalPosition.top, &wp.rcNormalPosition.right, &wp.rcNormalPosition.bottom) != 10)
    return;
  wp.length = sizeof wp;
  SetWindowPlacement(&wp);
}
