// O menu das telas do módulo: a tabela das telas (uma linha cada; uma tela nova entra
// aqui) e o diálogo que as lista e abre a escolhida sobre a empresa.
#include "telas.h"

#include <iterator>

#include "vrmwnd/vrmwnd.h"

namespace compras {
namespace {

constexpr TTela kTelas[] = {
    {"Consultas", "autorização de compra e condição de pagamento: F2 abre a lista, F6 nela o cadastro", AbreConsultas},
    {"Combos de lista fixa", "tipo de alerta, frete por conta, situação e entrada em estoque", AbreCombosFixos},
    {"Caixa de mensagem", "uma mensagem do módulo com os botões e o ícone escolhidos", AbreCaixaDeMensagem},
    {"Chave do documento", "mês/ano e número de um documento; OK mostra a chave e a descrição", AbreChave},
    {"Cotação pela web", "a pergunta da cotação incluída e a escolha do modelo de e-mail", AbreCotacaoWeb},
    {"Progresso", "a janela de progresso sobre o menu desabilitado, em 20 passos", AbreProgresso},
    {"Mensagem com grade", "uma pergunta com tabela de 8 linhas; Ctrl+Shift+F2 copia a tabela", AbreMensagemGrade},
    {"Liberação da ordem", "a ordem de compra 3 passa do orçamento: liberar ou não", AbreLiberacaoOrdem},
    {"Redimensionável", "Ctrl+Shift+setas (ou a alça) mudam o tamanho; a posição volta na próxima vez",
     AbreRedimensiona},
    {"Orçado e realizado", "o orçamento de compras contra as ordens liberadas, mês a mês ou por período",
     AbreOrcadoRealizado},
    {"Relação de CFOPs", "CFOPs da filial 1: Adicionar, Remover ou Delete na grade; OK mostra a lista", AbreMultiCFOP},
    {"Relação de fornecedores", "uma sintética (2.1.01) traz as analíticas", AbreMultiFornecedor},
    {"Históricos desativados", "os históricos fora dos lançamentos: Adicionar, Remover ou Delete na lista",
     AbreHistoricosDesativados},
    {"Deduções do INSS",
     "deduções da base de 10.000,00: um tipo uma vez, soma abaixo da base; \"%\" no valor é percentual", AbreDeducoes},
};

constexpr int kIdLista = 1001;

const DLGTEMPLATEDESC kModeloMenu = {
    "Compras - Telas do módulo",
    0,
    0,
    300,
    150,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
    {
        {0xFFFF, "STATIC", "Escolha a tela com as setas e aperte Enter; Esc sai.", 7, 5, 286, 8, WS_VISIBLE},
        {kIdLista, WC_LISTVIEWA, "", 7, 16, 286, 106,
         WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS},
        {IDOK, "BUTTON", "&Abrir", 183, 128, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {IDCANCEL, "BUTTON", "&Sair", 243, 128, 50, 14, WS_VISIBLE | WS_TABSTOP},
    }};

class CDlgMenu : public CDialog {
 public:
  explicit CDlgMenu(const TContextoTela& contexto) : m_contexto(contexto) { InitModalIndirect(&kModeloMenu); }

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    m_lista.SubclassDlgItem(kIdLista, this);
    m_lista.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_lista.InsertColumn(0, "Tela", LVCFMT_LEFT, 22 * 6);
    m_lista.InsertColumn(1, "O que mostra", LVCFMT_LEFT, 200 * 6);
    for (int i = 0; i < static_cast<int>(std::size(kTelas)); ++i) {
      m_lista.InsertItem(i, kTelas[i].szNome);
      m_lista.SetItemText(i, 1, kTelas[i].szResumo);
    }
    m_lista.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    GotoDlgCtrl(&m_lista);
    return FALSE;
  }
  // Abrir não fecha o menu: a tela roda e a lista volta a ter o foco.
  void OnOK() override {
    const int nTela = m_lista.GetNextItem(-1, LVNI_SELECTED);
    if (nTela < 0) return;
    TContextoTela contexto = m_contexto;
    contexto.pPai = this;
    kTelas[nTela].pAbre(contexto);
    GotoDlgCtrl(&m_lista);
  }
  afx_msg LRESULT OnNotify(WPARAM, LPARAM lParam) {
    const auto* pCabecalho = reinterpret_cast<const NMHDR*>(lParam);
    if (pCabecalho != nullptr && pCabecalho->idFrom == kIdLista && pCabecalho->code == NM_DBLCLK &&
        reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem >= 0)
      OnOK();
    return 0;
  }

 private:
  TContextoTela m_contexto;
  CListCtrl m_lista;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDlgMenu, CDialog)
ON_MESSAGE(WM_NOTIFY, &CDlgMenu::OnNotify)
END_MESSAGE_MAP()

}  // namespace

std::span<const TTela> Telas() { return kTelas; }

void RodaMenu(const TContextoTela& contexto) {
  CDlgMenu menu(contexto);
  menu.DoModal();
}

}  // namespace compras
