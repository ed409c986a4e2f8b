// A tela das consultas: um formulário pequeno com os dois edits de consulta do módulo
// e dois combos de cadastro (estado e regra de vencimento, com as linhas da empresa).
// A pessoa digita o código (a descrição aparece ao sair do campo) ou aperta F2 para
// escolher na lista; F6 na lista de condições, ou o botão, chama o cadastro de
// condições (CADCPAG). OK mostra o que ficou escolhido.
#include <cstdio>
#include <string>

#include "comandos.h"
#include "telas.h"
#include "vrmwnd/vrmwnd.h"

namespace compras {
namespace {

enum {
  IDC_AUTORIZACAO = 1001,
  IDC_AUTORIZACAO_DESCRICAO,
  IDC_CONDICAO,
  IDC_CONDICAO_DESCRICAO,
  IDC_CADASTRO,
  IDC_ESTADO,
  IDC_VENCIMENTO,
};

constexpr DWORD kCombo = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;

const DLGTEMPLATEDESC kModelo = {
    "Compras - Consultas",
    0,
    0,
    260,
    144,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
    {
        {0xFFFF, "STATIC", "&Autorização de compra:", 7, 8, 90, 8, WS_VISIBLE},
        {IDC_AUTORIZACAO, "EDIT", "", 100, 6, 60, 12, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
        {IDC_AUTORIZACAO_DESCRICAO, "STATIC", "", 100, 20, 153, 8, WS_VISIBLE},
        {0xFFFF, "STATIC", "&Condição de pagamento:", 7, 36, 90, 8, WS_VISIBLE},
        {IDC_CONDICAO, "EDIT", "", 100, 34, 60, 12, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
        {IDC_CONDICAO_DESCRICAO, "STATIC", "", 100, 48, 153, 8, WS_VISIBLE},
        {IDC_CADASTRO, "BUTTON", "Ca&dastro de condições", 100, 60, 100, 14, WS_VISIBLE | WS_TABSTOP},
        {0xFFFF, "STATIC", "&Estado:", 7, 82, 90, 8, WS_VISIBLE},
        {IDC_ESTADO, "COMBOBOX", "", 100, 80, 153, 80, kCombo},
        {0xFFFF, "STATIC", "Regra de &vencimento:", 7, 98, 90, 8, WS_VISIBLE},
        {IDC_VENCIMENTO, "COMBOBOX", "", 100, 96, 153, 80, kCombo},
        {0xFFFF, "STATIC", "F2 abre a lista do campo; nela, F6 abre o cadastro.", 7, 112, 246, 8, WS_VISIBLE},
        {IDOK, "BUTTON", "OK", 149, 124, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {IDCANCEL, "BUTTON", "Cancelar", 203, 124, 50, 14, WS_VISIBLE | WS_TABSTOP},
    }};

class CDlgConsultas : public CDialog {
 public:
  CDlgConsultas(const TContextoTela& contexto, IQZCM_AutorizacaoCompra* pIAC) : m_contexto(contexto) {
    InitModalIndirect(&kModelo, contexto.pPai);
    m_autorizacao.SetAC(pIAC);
  }

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    m_autorizacao.SubclassDlgItem(IDC_AUTORIZACAO, this);
    m_descricaoAutorizacao.SubclassDlgItem(IDC_AUTORIZACAO_DESCRICAO, this);
    m_condicao.SubclassDlgItem(IDC_CONDICAO, this);
    m_descricaoCondicao.SubclassDlgItem(IDC_CONDICAO_DESCRICAO, this);
    m_estado.SubclassDlgItem(IDC_ESTADO, this);
    m_vencimento.SubclassDlgItem(IDC_VENCIMENTO, this);
    m_estado.Carrega(m_contexto.szEmpresa);
    m_vencimento.Carrega(m_contexto.szEmpresa);
    m_autorizacao.SetStaticCompanheiro(&m_descricaoAutorizacao);
    m_condicao.SetStaticCompanheiro(&m_descricaoCondicao);
    if (m_autorizacao.Inicializa(m_contexto.szEmpresa, m_contexto.nUsuario, m_contexto.lSessao) != S_OK ||
        m_condicao.Inicializa(m_contexto.szEmpresa, m_contexto.nUsuario, m_contexto.lSessao) != S_OK) {
      MessageBox("Os edits de consulta não abriram a empresa.", "Compras - Consultas", MB_OK | MB_ICONERROR);
      EndDialog(IDCANCEL);
    }
    return TRUE;
  }
  void OnOK() override {
    const unsigned long lAutorizacao = m_autorizacao.GetChave();
    unsigned short iCondicao = 0;
    const bool bCondicao = m_condicao.GetPonteiro(iCondicao);
    std::string strResumo =
        "Autorização de compra: " + Escolha(m_autorizacao, m_descricaoAutorizacao, lAutorizacao != 0, lAutorizacao) +
        "\nCondição de pagamento: " + Escolha(m_condicao, m_descricaoCondicao, bCondicao, iCondicao) +
        "\nEstado: " + Escolha(m_estado) + "\nRegra de vencimento: " + Escolha(m_vencimento);
    MessageBox(strResumo.c_str(), "Compras - Consultas", MB_OK | MB_ICONINFORMATION);
    CDialog::OnOK();
  }
  void OnDestroy() {
    m_autorizacao.OnFinaliza();
    m_condicao.OnFinaliza();
    CDialog::OnDestroy();
  }
  void OnCadastro() { m_condicao.ChamaTelaCadastro(); }

 private:
  static std::string Escolha(CBaseEditExDF& edit, CStatic& descricao, bool bValida, unsigned long lChave) {
    if (!bValida) return "nenhuma";
    CString strDescricao;
    descricao.GetWindowText(strDescricao);
    return std::string(edit.GetText().GetString()) + " - " + strDescricao.GetString() + " (chave " +
           std::to_string(lChave) + ")";
  }

  static std::string Escolha(CComboCadastro& combo) {
    unsigned short iChave = 0;
    if (!combo.GetPosicao(iChave)) return "nenhuma";
    CString strTexto;
    combo.GetWindowText(strTexto);
    return std::string(combo.GetText().GetString()) + " - " + strTexto.GetString();
  }

  TContextoTela m_contexto;
  CAutorizacaoCompraEdit m_autorizacao;
  CCondicaoPagamentoEdit m_condicao;
  CStatic m_descricaoAutorizacao;
  CStatic m_descricaoCondicao;
  C4_CEstadoCombo m_estado;
  C4_CComboVencimento m_vencimento;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDlgConsultas, CDialog)
ON_WM_DESTROY()
ON_BN_CLICKED(IDC_CADASTRO, &CDlgConsultas::OnCadastro)
END_MESSAGE_MAP()

}  // namespace

void AbreConsultas(const TContextoTela& contexto) {
  HRESULT hr = S_OK;
  IQZCM_AutorizacaoCompra* pIAC = AbreServidorDeAutorizacoes(contexto.szEmpresa, hr);
  if (pIAC == nullptr) {
    char szTexto[160];
    std::snprintf(szTexto, sizeof szTexto, "O servidor de autorizações não abriu a empresa %s (0X%08lX).",
                  contexto.szEmpresa, static_cast<unsigned long>(static_cast<DWORD>(hr)));
    MessageBox(contexto.pPai ? contexto.pPai->m_hWnd : nullptr, szTexto, "Compras - Consultas", MB_OK | MB_ICONERROR);
    return;
  }
  {
    CDlgConsultas dlg(contexto, pIAC);
    dlg.DoModal();
  }
  pIAC->Release();
}

}  // namespace compras
