// As âncoras dos controles de uma janela: registro por identificador ou por handle
// e o arranjo que mantém as distâncias às bordas que cada controle pediu.
#include "vrmwnd/base/CQZDlgAnchors.h"

#include <algorithm>

#include "vrmwnd/platform/afxview.h"

CQZDlgAnchors::CQZDlgAnchors() = default;

CQZDlgAnchors::~CQZDlgAnchors() { RemoveTodas(); }

CRect CQZDlgAnchors::AreaDoPai() const {
  CRect rect;
  m_pPai->GetClientRect(&rect);
  if (m_bScrollView) {
    const CSize total = static_cast<const CScrollView*>(m_pPai)->GetTotalSize();
    rect.right = std::max<LONG>(rect.right, rect.left + total.cx);
    rect.bottom = std::max<LONG>(rect.bottom, rect.top + total.cy);
  }
  return rect;
}

void CQZDlgAnchors::Init(CWnd* pPai) {
  m_pPai = pPai;
  m_bScrollView = false;
  m_rectUltimo = CRect();
  if (pPai == nullptr) return;
  m_bScrollView = pPai->IsKindOf(RUNTIME_CLASS(CScrollView));
  if (::IsWindow(pPai->m_hWnd)) m_rectUltimo = AreaDoPai();
}

LAYOUT_CONTROLES* CQZDlgAnchors::ProcuraId(int nID) {
  for (POSITION pos = m_lista.GetHeadPosition(); pos != nullptr;) {
    LAYOUT_CONTROLES& r = m_lista.GetNext(pos);
    if (r.nID == nID) return &r;
  }
  return nullptr;
}

LAYOUT_CONTROLES* CQZDlgAnchors::ProcuraJanela(HWND hWnd) {
  for (POSITION pos = m_lista.GetHeadPosition(); pos != nullptr;) {
    LAYOUT_CONTROLES& r = m_lista.GetNext(pos);
    if (r.nID == 0 && r.hWnd == hWnd) return &r;
  }
  return nullptr;
}

const LAYOUT_CONTROLES* CQZDlgAnchors::Procura(UINT nID) const {
  return const_cast<CQZDlgAnchors*>(this)->ProcuraId(static_cast<int>(nID));
}

// O retângulo (o da janela ou o dado, em coordenadas de tela) vai para a área cliente
// do pai: o canto de cima à esquerda é convertido e o retângulo anda o mesmo tanto.
void CQZDlgAnchors::Registra(int nID, HWND hWnd, UINT nAncoras, LPCRECT pRetangulo) {
  LAYOUT_CONTROLES* pRegistro = nID != 0 ? ProcuraId(nID) : ProcuraJanela(hWnd);
  if (pRegistro == nullptr) {
    CRect rect;
    if (pRetangulo != nullptr) {
      rect = *pRetangulo;
    } else {
      ::GetWindowRect(hWnd, &rect);
    }
    CPoint canto = rect.TopLeft();
    m_pPai->ScreenToClient(&canto);
    rect.OffsetRect(canto.x - rect.left, canto.y - rect.top);
    LAYOUT_CONTROLES novo{nID, 0, rect, hWnd};
    pRegistro = &m_lista.GetAt(m_lista.AddTail(novo));
  }
  pRegistro->nAncoras = nAncoras;
}

bool CQZDlgAnchors::AdicionaAncora(UINT nID, UINT nAncoras, LPCRECT pRetangulo) {
  if (m_pPai == nullptr) return false;
  HWND hControle = ::GetDlgItem(m_pPai->m_hWnd, static_cast<int>(nID));
  if (!::IsWindow(hControle)) return false;
  Registra(static_cast<int>(nID), hControle, nAncoras, pRetangulo);
  return true;
}

bool CQZDlgAnchors::AdicionaAncora(HWND hWnd, UINT nAncoras) {
  if (m_pPai == nullptr || !::IsWindow(hWnd)) return false;
  Registra(0, hWnd, nAncoras, nullptr);
  return true;
}

void CQZDlgAnchors::RemoveAncora(UINT nID) {
  for (POSITION pos = m_lista.GetHeadPosition(); pos != nullptr;) {
    const POSITION atual = pos;
    if (m_lista.GetNext(pos).nID == static_cast<int>(nID)) {
      m_lista.RemoveAt(atual);
      return;
    }
  }
}

void CQZDlgAnchors::RemoveTodas() { m_lista.RemoveAll(); }

namespace {

// O retângulo novo de um controle: as bordas ancoradas em baixo e à direita mantêm a
// distância às bordas do pai; sem a âncora oposta o controle anda, com ela estica.
CRect Ancorado(const LAYOUT_CONTROLES& r, const CRect& novo, const CRect& antigo) {
  CRect rect = r.rect;
  if (r.nAncoras & ANCHOR_BOTTOM) {
    rect.bottom = novo.bottom - (antigo.bottom - r.rect.bottom);
    if (!(r.nAncoras & ANCHOR_TOP)) rect.top = rect.bottom - r.rect.Height();
  }
  if (r.nAncoras & ANCHOR_RIGHT) {
    rect.right = novo.right - (antigo.right - r.rect.right);
    if (!(r.nAncoras & ANCHOR_LEFT)) rect.left = rect.right - r.rect.Width();
  }
  return rect;
}

}  // namespace

void CQZDlgAnchors::Reposiciona(bool bForcar) {
  if (m_pPai == nullptr || !::IsWindow(m_pPai->m_hWnd)) return;
  const CRect novo = AreaDoPai();
  CScrollView* pView = m_bScrollView ? static_cast<CScrollView*>(m_pPai) : nullptr;
  CPoint posicao;
  if (pView != nullptr) {  // os controles andam com a área na origem
    posicao = pView->GetScrollPosition();
    pView->ScrollToPosition(CPoint(0, 0));
  }
  for (POSITION pos = m_lista.GetHeadPosition(); pos != nullptr;) {
    LAYOUT_CONTROLES& r = m_lista.GetNext(pos);
    const CRect rect = Ancorado(r, novo, m_rectUltimo);
    if (!bForcar && rect == r.rect) continue;
    if (r.nID != 0) r.hWnd = ::GetDlgItem(m_pPai->m_hWnd, r.nID);
    UINT nFlags = SWP_NOZORDER | SWP_NOREDRAW | SWP_DEFERERASE;
    if (!bForcar && rect.Width() == r.rect.Width() && rect.Height() == r.rect.Height()) nFlags |= SWP_NOSIZE;
    ::SetWindowPos(r.hWnd, nullptr, rect.left, rect.top, rect.Width(), rect.Height(), nFlags);
    r.rect = rect;
  }
  if (pView != nullptr) pView->ScrollToPosition(posicao);
  m_rectUltimo = novo;
  m_pPai->Invalidate(TRUE);
}
