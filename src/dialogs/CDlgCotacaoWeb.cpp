// O diálogo da cotação pela web: o modelo 103, os modelos de e-mail de cotação
// (extensão 7) da empresa e a navegação por Enter.
#include "vrmwnd/dialogs/CDlgCotacaoWeb.h"

#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/util/CCMRecursoModulo.h"
#include "vrmwnd/util/modulo.h"

namespace {

const DLGTEMPLATEDESC kModelo{
    "Cotação Web",
    0,
    0,
    246,
    41,
    DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
    {{static_cast<UINT>(IDC_STATIC), "STATIC", "Modelo:", 4, 10, 32, 8, WS_VISIBLE | SS_LEFT},
     {CDlgCotacaoWeb::IDC_MODELO, "COMBOBOX", "", 38, 4, 204, 100,
      WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST},
     {IDOK, "BUTTON", "OK", 137, 23, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
     {IDCANCEL, "BUTTON", "Cancelar", 192, 23, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON}}};

[[maybe_unused]] const bool kModeloRegistrado =
    (AfxRegisterDialogTemplate(vrmwnd::InstanciaModulo(), CDlgCotacaoWeb::IDD, kModelo), true);

}  // namespace

CDlgCotacaoWeb::CDlgCotacaoWeb(bool bEnterComoTab, CWnd* pPai) : CQZDialog(IDD, pPai), m_bEnterComoTab(bEnterComoTab) {
  SetModulo(QZ_MODULO_COMPRAS);
}

CDlgCotacaoWeb::~CDlgCotacaoWeb() = default;

INT_PTR CDlgCotacaoWeb::DoModal() {
  CCMRecursoModulo recurso;
  return CQZDialog::DoModal();
}

BOOL CDlgCotacaoWeb::OnInitDialog() {
  CDialog::OnInitDialog();
  m_cbModelo.Inicializa();
  m_cbModelo.SetExtensaoModelo(CComboModeloEmail::EXTENSAO_COTACAO_WEB);
  m_cbModelo.Atualiza();
  m_cbModelo.SelecionaModelo(m_strModelo);
  m_enter.Inicializa(this);
  m_enter.SetEnterComoTab(m_bEnterComoTab);
  return TRUE;
}

void CDlgCotacaoWeb::OnOK() {
  m_strModelo = m_cbModelo.GetModeloCompleto();
  CDialog::OnOK();
}

BOOL CDlgCotacaoWeb::PreTranslateMessage(MSG* pMsg) {
  if (!m_enter.PreTranslateMessage(pMsg)) return TRUE;
  return CDialog::PreTranslateMessage(pMsg);
}

void CDlgCotacaoWeb::DoDataExchange(CDataExchange* pDX) {
  CQZDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_MODELO, m_cbModelo);
}
