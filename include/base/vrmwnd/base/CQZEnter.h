// Navegação pelo teclado dos diálogos (CQZEnter): Enter como Tab (vai ao próximo
// controle ou clica o botão focado) e, num diálogo mostrado como página de um tab
// control, a troca de páginas com Tab, Shift+Tab, Ctrl+Tab, Ctrl+Page Down e
// Ctrl+Page Up. As páginas participam por duas mensagens registradas por nome quando
// a biblioteca carrega.
#pragma once

#include "vrmwnd/base/exporta.h"
#include "vrmwnd/platform/CArray.h"
#include "vrmwnd/platform/winuser.h"

class CWnd;

// "CQZEnter::WM_QZENTER_EH_ULTIMA_TAB": mandada à página corrente antes de sair dela;
// a resposta diferente de zero impede a troca para outra página do mesmo tab control.
VRMWND_BASE_API extern const UINT WM_QZENTER_EH_ULTIMA_TAB;
// "CQZEnter::WM_QZENTER_PODE_SETAR_FOCO_TAB": mandada à página que vai aparecer; a
// resposta diferente de zero faz a navegação pular essa página e seguir na direção.
VRMWND_BASE_API extern const UINT WM_QZENTER_PODE_SETAR_FOCO_TAB;

class VRMWND_BASE_API CQZEnter {
 public:
  // Chamada no diálogo depois de uma troca de página; o argumento diz se a troca
  // foi para trás.
  typedef void (CWnd::*PFN_NOTIFICACAO)(BOOL bParaTras);

  // Guarda o diálogo, o seu primeiro controle de tabulação e se o pai do diálogo é
  // um CTabCtrl (o diálogo é uma página).
  void Inicializa(CWnd* pDialogo);
  void SetEnterComoTab(bool b) { m_bEnterComoTab = b; }
  void SetTrataTab(bool b) { m_bTrataTab = b; }
  // Com o modo ligado, a troca de página põe o foco no primeiro controle da página
  // nova (no último, para trás) em vez de notificar o diálogo.
  void SetFocoPrimeiro(bool b) { m_bFocoPrimeiro = b; }
  void SetNotificacao(PFN_NOTIFICACAO pfn) { m_pfnNotificacao = pfn; }
  void SetMensagemNotificacao(UINT nMensagem) { m_nMensagemNotificacao = nMensagem; }
  // Controles cujo Enter nunca vai a um edit de várias linhas.
  void SetExcecoes(const CArray<UINT, UINT>& excecoes);
  bool GetDentroDeTab() const { return m_bDentroDeTab; }

  // true: a mensagem não foi tratada, o diálogo segue com o seu processamento;
  // false: tratada, o PreTranslateMessage do diálogo devolve TRUE.
  bool PreTranslateMessage(MSG* pMsg);

 private:
  bool TrocaComCtrl(int nTecla, bool bShift);
  // O Enter fica com o edit de várias linhas que o quer (ES_WANTRETURN, editável).
  bool EnterFicaNoEdit(HWND hFoco, const MSG* pMsg) const;
  bool EhExcecao(UINT nId) const;
  // Troca de página do tab control hTab numa direção, com ou sem volta ao início.
  void TrocaPagina(HWND hTab, bool bParaTras, bool bDaVolta, int nRestantes);
  void TrocaEnvolvente(HWND hTab, bool bParaTras, bool bDaVolta);
  void SaiDoTab(HWND hTab, bool bParaTras);
  void Notifica(bool bParaTras);

  bool m_bFocoPrimeiro = false;
  bool m_bEnterComoTab = false;
  bool m_bDentroDeTab = false;
  bool m_bTrataTab = false;
  CWnd* m_pDialogo = nullptr;
  HWND m_hPrimeiro = nullptr;
  PFN_NOTIFICACAO m_pfnNotificacao = nullptr;
  UINT m_nMensagemNotificacao = WM_USER + 101;
  CArray<UINT, UINT> m_excecoes;
};
