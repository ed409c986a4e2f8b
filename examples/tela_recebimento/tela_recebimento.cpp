// A tela de recebimento: o modelo do diálogo, os controles ligados a ele e a
// importação das notas.
#include "tela_recebimento.h"

#include <string>

#include "vrmwnd/base/CQZCurrencyEx.h"
#include "vrmwnd/base/QZException.h"
#include "vrmwnd/business.h"

namespace {

const DLGTEMPLATEDESC kModelo = {
    "Recebimento de mercadorias",
    0,
    0,
    260,
    118,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
    {
        {0xFFFF, "STATIC", "&Condição de pagamento:", 7, 8, 90, 8, WS_VISIBLE},
        {IDC_CONDICAO, "EDIT", "", 100, 6, 60, 12, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
        {IDC_CONDICAO_DESCRICAO, "STATIC", "", 100, 20, 153, 8, WS_VISIBLE},
        {0xFFFF, "STATIC", "&Frete por conta:", 7, 34, 90, 8, WS_VISIBLE},
        {IDC_FRETE, "COMBOBOX", "", 100, 32, 153, 80, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST},
        {0xFFFF, "STATIC", "&Observação:", 7, 52, 90, 8, WS_VISIBLE},
        {IDC_OBSERVACAO, "EDIT", "", 100, 50, 153, 12, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
        {IDC_IMPORTAR, "BUTTON", "&Importar notas", 7, 70, 70, 14, WS_VISIBLE | WS_TABSTOP},
        {IDC_TOTAL, "STATIC", "", 100, 73, 153, 8, WS_VISIBLE},
        {IDC_ALTERACOES, "STATIC", "", 7, 100, 120, 8, WS_VISIBLE},
        {IDOK, "BUTTON", "OK", 149, 97, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {IDCANCEL, "BUTTON", "Cancelar", 203, 97, 50, 14, WS_VISIBLE | WS_TABSTOP},
    }};

}  // namespace

BEGIN_MESSAGE_MAP(CTelaRecebimento, CDialog)
ON_WM_DESTROY()
ON_BN_CLICKED(IDC_IMPORTAR, &CTelaRecebimento::OnImportar)
ON_EN_CHANGE(IDC_OBSERVACAO, &CTelaRecebimento::OnObservacaoMudou)
END_MESSAGE_MAP()

CTelaRecebimento::CTelaRecebimento(const char* szEmpresa, std::vector<long> aNotas)
    : m_strEmpresa(szEmpresa), m_aNotas(std::move(aNotas)) {
  InitModalIndirect(&kModelo, nullptr);
}

BOOL CTelaRecebimento::OnInitDialog() {
  CDialog::OnInitDialog();
  m_condicao.SubclassDlgItem(IDC_CONDICAO, this);
  m_descricaoCondicao.SubclassDlgItem(IDC_CONDICAO_DESCRICAO, this);
  m_condicao.SetStaticCompanheiro(&m_descricaoCondicao);
  if (m_condicao.Inicializa(m_strEmpresa, 0, 0) != S_OK) {
    MessageBox("A empresa não abriu.", "Recebimento de mercadorias", MB_OK | MB_ICONERROR);
    EndDialog(IDCANCEL);
    return TRUE;
  }
  m_frete.SubclassDlgItem(IDC_FRETE, this);
  m_frete.Inicializa();
  m_observacao.SubclassDlgItem(IDC_OBSERVACAO, this);

  // Os wrappers olham a porta da tela: fechada enquanto a tela se preenche, o texto
  // posto aqui não chega como alteração da pessoa.
  m_observacao.SetCanSendChangeEvents(&m_bCanSendChangeEvents);
  m_frete.SetCanSendChangeEvents(&m_bCanSendChangeEvents);
  CanSendChangeEvents_push(false);
  m_observacao.SetWindowText("Recebido na doca 2");
  CanSendChangeEvents_popALL(true);
  MostraAlteracoes();
  return TRUE;
}

void CTelaRecebimento::OnImportar() {
  CTrataDadosREWnd tratador(nullptr);
  TLigacaoTratador ligacao(tratador, m_strEmpresa);
  CString strTotal;
  if (ligacao.Resultado() != S_OK) {
    strTotal = "A empresa não abriu.";
  } else {
    T_Lista<long> aPosicoes;
    for (long lNota : m_aNotas) aPosicoes.Add(lNota);
    try {
      const TCMRERegistroEntrada registro = tratador.ImportaNotaComercial(aPosicoes);
      const CQZCurrencyEx total(true, true, CQZCurrencyEx(registro.GetValorTotalNota()));
      strTotal.Format("%d notas, total %s", static_cast<int>(m_aNotas.size()), total.Formata().GetString());
    } catch (const CQZExceptionEx& e) {
      // A falha da leitura já está no log de erros da empresa, com o lugar.
      strTotal.Format("A leitura das notas falhou (%#X).", static_cast<unsigned>(e.GetResultado()));
    }
  }
  SetDlgItemText(IDC_TOTAL, strTotal);
}

void CTelaRecebimento::OnObservacaoMudou() {
  ++m_nAlteracoes;
  MostraAlteracoes();
}

void CTelaRecebimento::MostraAlteracoes() {
  CString strTexto;
  strTexto.Format("Alterações da observação: %d", m_nAlteracoes);
  SetDlgItemText(IDC_ALTERACOES, strTexto);
}

void CTelaRecebimento::OnDestroy() {
  m_condicao.OnFinaliza();
  CDialog::OnDestroy();
}
