// A tela dos combos de lista fixa do módulo: tipo de alerta, frete por conta, situação
// do registro de entrada e tipo de entrada em estoque. A pessoa abre a lista (F4, Alt+
// seta ou o clique) ou passa pelos itens com as setas; OK mostra o código de cada um.
#include <string>

#include "telas.h"
#include "vrmwnd/vrmwnd.h"

namespace compras {
namespace {

enum { IDC_ALERTA = 1001, IDC_FRETE, IDC_SITUACAO, IDC_ENTRADA };

constexpr DWORD kCombo = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;

const DLGTEMPLATEDESC kModelo = {
    "Compras - Combos de lista fixa",
    0,
    0,
    240,
    100,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
    {
        {0xFFFF, "STATIC", "&Tipo de alerta:", 7, 9, 80, 8, WS_VISIBLE},
        {IDC_ALERTA, "COMBOBOX", "", 90, 7, 143, 100, kCombo},
        {0xFFFF, "STATIC", "&Frete por conta:", 7, 25, 80, 8, WS_VISIBLE},
        {IDC_FRETE, "COMBOBOX", "", 90, 23, 143, 100, kCombo},
        {0xFFFF, "STATIC", "&Situação do registro:", 7, 41, 80, 8, WS_VISIBLE},
        {IDC_SITUACAO, "COMBOBOX", "", 90, 39, 143, 60, kCombo},
        {0xFFFF, "STATIC", "&Entrada em estoque:", 7, 57, 80, 8, WS_VISIBLE},
        {IDC_ENTRADA, "COMBOBOX", "", 90, 55, 143, 60, kCombo},
        {IDOK, "BUTTON", "OK", 129, 80, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {IDCANCEL, "BUTTON", "Cancelar", 183, 80, 50, 14, WS_VISIBLE | WS_TABSTOP},
    }};

std::string Linha(const char* szCampo, unsigned nCodigo, CComboBox& combo) {
  CString strTexto;
  combo.GetWindowText(strTexto);
  return std::string(szCampo) + ": " + std::to_string(nCodigo) + " (" +
         (strTexto.IsEmpty() ? "sem seleção" : strTexto.GetString()) + ")";
}

class CDlgCombosFixos : public CDialog {
 public:
  explicit CDlgCombosFixos(const TContextoTela& contexto) { InitModalIndirect(&kModelo, contexto.pPai); }

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    m_alerta.SubclassDlgItem(IDC_ALERTA, this);
    m_frete.SubclassDlgItem(IDC_FRETE, this);
    m_situacao.SubclassDlgItem(IDC_SITUACAO, this);
    m_entrada.SubclassDlgItem(IDC_ENTRADA, this);
    m_alerta.InicializaControles();
    m_frete.Inicializa();
    m_situacao.Inicializa();
    m_entrada.Inicializa();
    return TRUE;
  }
  void OnOK() override {
    const std::string strResumo = Linha("Tipo de alerta", m_alerta.GetTipoAlertaSelecionado(), m_alerta) + "\n" +
                                  Linha("Frete por conta", m_frete.GetDado(), m_frete) + "\n" +
                                  Linha("Situação do registro", m_situacao.GetDado(), m_situacao) + "\n" +
                                  Linha("Entrada em estoque", m_entrada.GetDado(), m_entrada);
    MessageBox(strResumo.c_str(), "Compras - Combos de lista fixa", MB_OK | MB_ICONINFORMATION);
    CDialog::OnOK();
  }

 private:
  CCMComboTipoAlerta m_alerta;
  C4_CComboBoxFretePorConta m_frete;
  C4_CComboBoxRESituacao m_situacao;
  C4_CComboBoxREEntradaEstoque m_entrada;
};

}  // namespace

void AbreCombosFixos(const TContextoTela& contexto) {
  CDlgCombosFixos dlg(contexto);
  dlg.DoModal();
}

}  // namespace compras
