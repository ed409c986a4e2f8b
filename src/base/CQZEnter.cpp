// Navegação pelo teclado dos diálogos: Enter como Tab, o clique do botão focado, o
// Enter que fica num edit de várias linhas e a troca das páginas de um tab control.
#include "vrmwnd/base/CQZEnter.h"

#include "vrmwnd/platform/afxtabctrl.h"

const UINT WM_QZENTER_EH_ULTIMA_TAB = RegisterWindowMessage("CQZEnter::WM_QZENTER_EH_ULTIMA_TAB");
const UINT WM_QZENTER_PODE_SETAR_FOCO_TAB = RegisterWindowMessage("CQZEnter::WM_QZENTER_PODE_SETAR_FOCO_TAB");

namespace {

bool ClasseEh(HWND hJanela, const char* szClasse) {
  char szNome[64] = "";
  GetClassNameA(hJanela, szNome, sizeof szNome);
  return lstrcmpi(szNome, szClasse) == 0;
}

bool TeclaApertada(int nTecla) { return (GetKeyState(nTecla) & 0x8000) != 0; }

// Caixa de marcar e botão de rádio nos seus estilos simples: Enter não os clica.
bool EhMarcavel(HWND hBotao) {
  switch (LOWORD(GetWindowLongPtrA(hBotao, GWL_STYLE))) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTO3STATE:
    case BS_AUTORADIOBUTTON: return true;
    default: return false;
  }
}

int SelecaoDe(HWND hTab) { return static_cast<int>(SendMessage(hTab, TCM_GETCURSEL, 0, 0)); }

// A janela da página nIndice: o valor de aplicação do item.
HWND PaginaDe(HWND hTab, int nIndice) {
  TCITEM item{};
  item.mask = TCIF_PARAM;
  if (!SendMessage(hTab, TCM_GETITEM, static_cast<WPARAM>(nIndice), reinterpret_cast<LPARAM>(&item))) return nullptr;
  return reinterpret_cast<HWND>(item.lParam);
}

// O tab control que contém a página onde está hTab, quando há um.
HWND TabEnvolvente(HWND hTab) {
  HWND hAvo = GetParent(GetParent(hTab));
  return hAvo != nullptr && ClasseEh(hAvo, "TabControl") ? hAvo : nullptr;
}

void FocaControle(HWND hControle) {
  if (hControle != nullptr) SendMessage(GetParent(hControle), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hControle), TRUE);
}

// O filho direto de hDialogo que contém hJanela.
HWND FilhoDireto(HWND hDialogo, HWND hJanela) {
  while (hJanela != nullptr && GetParent(hJanela) != hDialogo) hJanela = GetParent(hJanela);
  return hJanela;
}

}  // namespace

void CQZEnter::Inicializa(CWnd* pDialogo) {
  m_pDialogo = pDialogo;
  m_hPrimeiro = GetNextDlgTabItem(pDialogo->m_hWnd, nullptr, FALSE);
  CWnd* pPai = CWnd::FromHandlePermanent(GetParent(pDialogo->m_hWnd));
  m_bDentroDeTab = pPai != nullptr && pPai->IsKindOf(RUNTIME_CLASS(CTabCtrl));
}

void CQZEnter::SetExcecoes(const CArray<UINT, UINT>& excecoes) { m_excecoes.Copy(excecoes); }

bool CQZEnter::EhExcecao(UINT nId) const {
  for (INT_PTR i = 0; i < m_excecoes.GetSize(); ++i)
    if (m_excecoes[i] == nId) return true;
  return false;
}

bool CQZEnter::PreTranslateMessage(MSG* pMsg) {
  if (pMsg == nullptr || pMsg->message != WM_KEYDOWN || m_pDialogo == nullptr) return true;
  const int nTecla = static_cast<int>(pMsg->wParam);
  if (!m_bEnterComoTab && nTecla != VK_TAB && nTecla != VK_PRIOR && nTecla != VK_NEXT) return true;
  const bool bShift = TeclaApertada(VK_SHIFT), bCtrl = TeclaApertada(VK_CONTROL);
  if (m_bDentroDeTab && bCtrl && (nTecla == VK_NEXT || nTecla == VK_PRIOR || nTecla == VK_TAB))
    return TrocaComCtrl(nTecla, bShift);
  const bool bTabComoEnter = nTecla == VK_TAB && m_bTrataTab;
  if (nTecla != VK_RETURN && !bTabComoEnter) return true;
  HWND hFoco = GetFocus();
  if (hFoco == nullptr) return true;
  if (nTecla == VK_RETURN) {
    if (ClasseEh(hFoco, "Button") && !EhMarcavel(hFoco)) {
      PostMessage(pMsg->hwnd, BM_CLICK, 0, 0);
      return false;
    }
    if (EnterFicaNoEdit(hFoco, pMsg)) return true;
  }
  HWND hDialogo = m_pDialogo->m_hWnd;
  m_hPrimeiro = GetNextDlgTabItem(hDialogo, nullptr, FALSE);
  HWND hProximo = GetNextDlgTabItem(hDialogo, hFoco, bShift);
  if (hProximo == nullptr) return false;
  if (m_bDentroDeTab) {
    const bool bSaiDaPagina = bShift ? FilhoDireto(hDialogo, hFoco) == m_hPrimeiro : hProximo == m_hPrimeiro;
    if (bSaiDaPagina) {
      HWND hTab = GetParent(hDialogo);
      const int nAtual = SelecaoDe(hTab);
      const int nPaginas = static_cast<int>(SendMessage(hTab, TCM_GETITEMCOUNT, 0, 0));
      if (bShift ? nAtual <= 0 : nAtual + 1 >= nPaginas) {
        SaiDoTab(hTab, bShift);
      } else {
        TrocaPagina(hTab, bShift, false, nPaginas);
      }
      return false;
    }
  }
  if (bTabComoEnter) return true;
  FocaControle(hProximo);
  return false;
}

bool CQZEnter::EnterFicaNoEdit(HWND hFoco, const MSG* pMsg) const {
  if (EhExcecao(static_cast<UINT>(GetDlgCtrlID(hFoco)))) return false;
  if (!ClasseEh(hFoco, "Edit") && !ClasseEh(hFoco, "RICHEDIT")) return false;
  const DWORD dwEstilo = static_cast<DWORD>(GetWindowLongPtrA(pMsg->hwnd, GWL_STYLE));
  return (dwEstilo & ES_WANTRETURN) && (dwEstilo & ES_MULTILINE) && !(dwEstilo & ES_READONLY);
}

bool CQZEnter::TrocaComCtrl(int nTecla, bool bShift) {
  HWND hTab = GetParent(m_pDialogo->m_hWnd);
  const int nPaginas = static_cast<int>(SendMessage(hTab, TCM_GETITEMCOUNT, 0, 0));
  if (nTecla != VK_TAB) {
    TrocaPagina(hTab, nTecla == VK_PRIOR, true, nPaginas);
    return false;
  }
  const int nAntes = SelecaoDe(hTab);
  TrocaPagina(hTab, bShift, true, nPaginas);
  HWND hPaiDoTab = GetParent(hTab);
  if (SelecaoDe(hTab) == nAntes && GetNextDlgTabItem(hPaiDoTab, hTab, bShift) == hTab)
    TrocaEnvolvente(hTab, bShift, true);
  return false;
}

void CQZEnter::TrocaPagina(HWND hTab, bool bParaTras, bool bDaVolta, int nRestantes) {
  const int nPaginas = static_cast<int>(SendMessage(hTab, TCM_GETITEMCOUNT, 0, 0));
  const int nAtual = SelecaoDe(hTab);
  if (nPaginas <= 0 || nRestantes <= 0) return;
  int nNova = bParaTras ? nAtual - 1 : nAtual + 1;
  if (bDaVolta) nNova = (nNova + nPaginas) % nPaginas;
  HWND hAtual = PaginaDe(hTab, nAtual);
  if ((hAtual != nullptr && SendMessage(hAtual, WM_QZENTER_EH_ULTIMA_TAB, 0, 0) != 0) || nNova >= nPaginas) {
    TrocaEnvolvente(hTab, bParaTras, bDaVolta);
    return;
  }
  if (hAtual != nullptr) ShowWindow(hAtual, SW_HIDE);
  SendMessage(hTab, TCM_SETCURSEL, static_cast<WPARAM>(nNova), 0);
  const int nLida = SelecaoDe(hTab);
  if (nLida == nAtual && !bDaVolta) {
    if (hAtual != nullptr) ShowWindow(hAtual, SW_SHOW);
    SaiDoTab(hTab, bParaTras);
    return;
  }
  HWND hNova = PaginaDe(hTab, nLida);
  if (hNova != nullptr && SendMessage(hNova, WM_QZENTER_PODE_SETAR_FOCO_TAB, 0, 0) != 0) {
    TrocaPagina(hTab, bParaTras, bDaVolta, nRestantes - 1);
    return;
  }
  if (hNova != nullptr) ShowWindow(hNova, SW_SHOW);
  if (m_bFocoPrimeiro) {
    if (hNova != nullptr) FocaControle(GetNextDlgTabItem(hNova, nullptr, bParaTras));
  } else {
    Notifica(bParaTras);
  }
}

void CQZEnter::TrocaEnvolvente(HWND hTab, bool bParaTras, bool bDaVolta) {
  HWND hEnvolvente = TabEnvolvente(hTab);
  if (hEnvolvente == nullptr) return;
  const int nPaginas = static_cast<int>(SendMessage(hEnvolvente, TCM_GETITEMCOUNT, 0, 0));
  TrocaPagina(hEnvolvente, bParaTras, bDaVolta, nPaginas);
}

void CQZEnter::SaiDoTab(HWND hTab, bool bParaTras) {
  HWND hPai = GetParent(hTab);
  HWND hAlvo = GetNextDlgTabItem(hPai, hTab, bParaTras);
  if (hAlvo != nullptr && hAlvo != hTab) FocaControle(hAlvo);
}

void CQZEnter::Notifica(bool bParaTras) {
  if (m_pfnNotificacao != nullptr) {
    (m_pDialogo->*m_pfnNotificacao)(bParaTras ? TRUE : FALSE);
  } else {
    m_pDialogo->SendMessage(m_nMensagemNotificacao, bParaTras ? 1 : 0, 0);
  }
}
