// A lista de consulta: o modelo do diálogo montado em código (lista, OK, Cancelar e
// Incluir), as linhas pedidas à função do dono, a escolha de uma linha e as teclas
// Insert e F6.
#include "vrmwnd/suite/edits/CConsulta.h"

#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/suite/regras/CVRMSVRUtil.h"

BEGIN_MESSAGE_MAP(CConsulta, CQZDialog)
ON_BN_CLICKED(CConsulta::IDC_INCLUIR, &CConsulta::OnIncluir)
ON_MESSAGE(WM_NOTIFY, &CConsulta::OnNotify)
END_MESSAGE_MAP()

CConsulta::CConsulta(CWnd* pPai) { m_pParentWnd = pPai; }

CConsulta::~CConsulta() { delete[] m_pChaves; }

void CConsulta::AdicionaColuna(const CString& strTitulo, int nLargura, int nAlinhamento, int nTipo, int bVisivel, int) {
  m_colunas.push_back(TColuna{strTitulo, nLargura, nAlinhamento, nTipo, bVisivel != 0});
}

void CConsulta::Conecta(PFN_CONSULTA_LINHA pfnLinha, void* pDono) {
  m_pfnLinha = pfnLinha;
  m_pDono = pDono;
}

void CConsulta::SetF6(const CString& strPrograma, long, const CString& strEmpresa, unsigned short nUsuario,
                      long lSessao) {
  m_bF6 = true;
  m_strProgramaF6 = strPrograma;
  m_strEmpresaF6 = strEmpresa;
  m_nUsuarioF6 = nUsuario;
  m_lSessaoF6 = lSessao;
}

void CConsulta::SetChaves(DWORD nQtd, DWORD* pChaves) {
  delete[] m_pChaves;
  m_pChaves = pChaves;
  m_nChaves = pChaves ? nQtd : 0;
}

DWORD CConsulta::GetChave(long nLinha) const {
  return nLinha >= 0 && static_cast<DWORD>(nLinha) < m_nChaves ? m_pChaves[nLinha] : 0;
}

int CConsulta::EscolheLinha(long* pnLinha) {
  m_nEscolhida = -1;
  m_modelo = DLGTEMPLATEDESC{
      m_strTitulo.GetString(),
      0,
      0,
      320,
      200,
      WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
      {{IDC_LISTA, WC_LISTVIEWA, "", 7, 7, 306, 164,
        WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS},
       {IDOK, "BUTTON", "OK", 149, 179, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
       {IDCANCEL, "BUTTON", "Cancelar", 203, 179, 50, 14, WS_VISIBLE | WS_TABSTOP},
       {IDC_INCLUIR, "BUTTON", "Incluir", 257, 179, 56, 14, (m_bInclusao ? WS_VISIBLE : 0u) | WS_TABSTOP}}};
  if (!InitModalIndirect(&m_modelo, m_pParentWnd)) return 0;
  if (DoModal() != IDOK || m_nEscolhida < 0) return 0;
  if (pnLinha) *pnLinha = m_nEscolhida;
  return 1;
}

BOOL CConsulta::OnInitDialog() {
  CQZDialog::OnInitDialog();
  m_lista.SubclassDlgItem(IDC_LISTA, this);
  m_lista.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  int nColuna = 0;
  for (const TColuna& c : m_colunas)
    m_lista.InsertColumn(nColuna++, c.strTitulo, c.nAlinhamento, c.bVisivel ? c.nLargura : 0);
  PreencheLinhas();
  if (m_lista.GetItemCount() > 0) m_lista.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  GotoDlgCtrl(&m_lista);
  return FALSE;
}

void CConsulta::PreencheLinhas() {
  m_lista.DeleteAllItems();
  std::vector<CString> textos(std::max<std::size_t>(m_colunas.size(), 1));
  for (DWORD i = 0; i < m_nChaves; ++i) {
    for (CString& s : textos) s.Empty();
    if (m_pfnLinha)
      m_pfnLinha(reinterpret_cast<long>(m_pDono), CONSULTA_PREENCHE_LINHA, static_cast<long>(m_pChaves[i]), 0,
                 textos.data());
    const int nLinha = m_lista.InsertItem(static_cast<int>(i), textos[0]);
    for (std::size_t c = 1; c < m_colunas.size(); ++c) m_lista.SetItemText(nLinha, static_cast<int>(c), textos[c]);
  }
}

void CConsulta::OnOK() {
  m_nEscolhida = m_lista.GetNextItem(-1, LVNI_SELECTED);
  EndDialog(IDOK);
}

void CConsulta::OnIncluir() {
  if (!m_bInclusao || m_pfnLinha == nullptr) return;
  std::vector<CString> textos(std::max<std::size_t>(m_colunas.size(), 1));
  m_pfnLinha(reinterpret_cast<long>(m_pDono), CONSULTA_INCLUI, 0, 0, textos.data());
}

void CConsulta::ChamaF6() {
  if (!m_bF6) return;
  if (m_acaoF6) {
    m_acaoF6();
    return;
  }
  const char* szSigla = QZSiglaModulo(m_nModulo);
  CVRMSVRUtil::ExecutaProgramaTarvo(m_strProgramaF6, szSigla ? szSigla : "", m_strEmpresaF6, m_nUsuarioF6, m_lSessaoF6,
                                    "");
}

BOOL CConsulta::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == static_cast<WPARAM>(VK_F6)) {
    ChamaF6();
    return TRUE;
  }
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == static_cast<WPARAM>(VK_INSERT) && m_bInclusao) {
    OnIncluir();
    return TRUE;
  }
  return CQZDialog::PreTranslateMessage(pMsg);
}

LRESULT CConsulta::OnNotify(WPARAM, LPARAM lParam) {
  const auto* pCabecalho = reinterpret_cast<const NMHDR*>(lParam);
  if (pCabecalho == nullptr || pCabecalho->idFrom != IDC_LISTA || pCabecalho->code != NM_DBLCLK) return 0;
  const auto* pAtivacao = reinterpret_cast<const NMITEMACTIVATE*>(lParam);
  if (pAtivacao->iItem < 0) return 0;
  m_nEscolhida = pAtivacao->iItem;
  EndDialog(IDOK);
  return 0;
}
