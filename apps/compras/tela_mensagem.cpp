// A tela da caixa de mensagem: a pessoa escolhe uma mensagem do módulo de Compras
// (pelo número do arquivo de mensagens), os botões e o ícone, e "Mostrar" abre a caixa
// da biblioteca de mensagens; a resposta aparece embaixo.
#include <cstdlib>
#include <string>

#include "telas.h"
#include "vrmwnd/vrmwnd.h"

namespace compras {
namespace {

enum { IDC_NUMERO = 1001, IDC_BOTOES, IDC_ICONE, IDC_MOSTRAR, IDC_RESPOSTA };

constexpr DWORD kCombo = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;

const DLGTEMPLATEDESC kModelo = {
    "Compras - Caixa de mensagem",
    0,
    0,
    240,
    100,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
    {
        {0xFFFF, "STATIC", "&Mensagem número:", 7, 9, 80, 8, WS_VISIBLE},
        {IDC_NUMERO, "EDIT", "1907", 90, 7, 40, 12, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_NUMBER},
        {0xFFFF, "STATIC", "&Botões:", 7, 25, 80, 8, WS_VISIBLE},
        {IDC_BOTOES, "COMBOBOX", "", 90, 23, 143, 90, kCombo},
        {0xFFFF, "STATIC", "&Ícone:", 7, 41, 80, 8, WS_VISIBLE},
        {IDC_ICONE, "COMBOBOX", "", 90, 39, 143, 60, kCombo},
        {IDC_RESPOSTA, "STATIC", "Resposta: nenhuma ainda", 7, 60, 226, 8, WS_VISIBLE},
        {IDC_MOSTRAR, "BUTTON", "&Mostrar", 129, 80, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {IDCANCEL, "BUTTON", "Fechar", 183, 80, 50, 14, WS_VISIBLE | WS_TABSTOP},
    }};

// Os botões de cada tipo de caixa, na ordem dos tipos (MB_OK = 0 ... MB_RETRYCANCEL = 5).
constexpr const char* kBotoes[] = {"OK",        "OK e Cancelar",     "Anular, Repetir e Ignorar", "Sim, Não e Cancelar",
                                   "Sim e Não", "Repetir e Cancelar"};
struct TIcone {
  const char* szNome;
  UINT nEstilo;
};
constexpr TIcone kIcones[] = {{"Exclamação", MB_ICONEXCLAMATION},
                              {"Informação", MB_ICONINFORMATION},
                              {"Pergunta", MB_ICONQUESTION},
                              {"Erro", MB_ICONERROR}};

const char* NomeDaResposta(int nBotao) {
  switch (nBotao) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancelar";
    case IDABORT: return "Anular";
    case IDRETRY: return "Repetir";
    case IDIGNORE: return "Ignorar";
    case IDYES: return "Sim";
    case IDNO: return "Não";
    default: return "nenhuma";
  }
}

class CDlgCaixaDeMensagem : public CDialog {
 public:
  explicit CDlgCaixaDeMensagem(const TContextoTela& contexto) { InitModalIndirect(&kModelo, contexto.pPai); }

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    m_botoes.SubclassDlgItem(IDC_BOTOES, this);
    m_icone.SubclassDlgItem(IDC_ICONE, this);
    for (const char* szBotoes : kBotoes) m_botoes.AddString(szBotoes);
    for (const TIcone& icone : kIcones) m_icone.AddString(icone.szNome);
    m_botoes.SetCurSel(MB_YESNO);
    m_icone.SetCurSel(2);
    return TRUE;
  }
  void OnMostrar() {
    CString strNumero;
    GetDlgItemText(IDC_NUMERO, strNumero);
    const unsigned long nMensagem = std::strtoul(strNumero.GetString(), nullptr, 10);
    const int nTipo = std::max(0, m_botoes.GetCurSel());
    const UINT nIcone = kIcones[std::max(0, m_icone.GetCurSel())].nEstilo;
    const int nResposta = QZMensagem2(m_hWnd, nMensagem, "CM", static_cast<UINT>(nTipo) | nIcone);
    SetDlgItemText(IDC_RESPOSTA, (std::string("Resposta: ") + NomeDaResposta(nResposta)).c_str());
    GotoDlgCtrl(GetDlgItem(IDC_MOSTRAR));
  }

 private:
  CComboBox m_botoes;
  CComboBox m_icone;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDlgCaixaDeMensagem, CDialog)
ON_BN_CLICKED(IDC_MOSTRAR, &CDlgCaixaDeMensagem::OnMostrar)
END_MESSAGE_MAP()

}  // namespace

void AbreCaixaDeMensagem(const TContextoTela& contexto) {
  CDlgCaixaDeMensagem dlg(contexto);
  dlg.DoModal();
}

}  // namespace compras
