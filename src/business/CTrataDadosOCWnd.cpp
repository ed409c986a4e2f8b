// O tratador da ordem de compra: a pergunta da liberação acima do orçamento, com as
// linhas excedidas no diálogo de mensagem com grade.
#include "vrmwnd/business/CTrataDadosWnd.h"
#include "vrmwnd/dialogs/CDlgMsgCm.h"

namespace {

constexpr unsigned kSemLinhas = 2;
constexpr char kTipoTexto = 3;
constexpr int kAlinhaEsquerda = 0, kAlinhaDireita = 2;

struct TColunaOrcamento {
  const char* szTitulo;
  int nLargura;
  int nAlinhamento;
};

constexpr TColunaOrcamento kVencimento{"Vencimento entre", 110, kAlinhaEsquerda};
constexpr TColunaOrcamento kColunasSempre[] = {
    {"Contábil", 170, kAlinhaEsquerda},
    {"Gerencial", 140, kAlinhaEsquerda},
    {"Valor Excedente", 95, kAlinhaDireita},
};

// Cresce a lista de um e copia a coluna preenchida no novo último elemento.
void AcrescentaColuna(CDlgMsgCm& dlg, const TColunaOrcamento& c) {
  CDlgMsgCm::CInformacaoColuna coluna;
  coluna.m_strTitulo = c.szTitulo;
  coluna.m_cTipo = kTipoTexto;
  coluna.m_nLargura = c.nLargura;
  coluna.m_nAlinhamento = c.nAlinhamento;
  dlg.m_Colunas.SetSize(dlg.m_Colunas.GetSize() + 1);
  dlg.m_Colunas[dlg.m_Colunas.GetSize() - 1] = coluna;
}

}  // namespace

CTrataDadosOCWnd::CTrataDadosOCWnd(CTimer2* pTimer) : CConsisteDadosOC(pTimer) { SetContextoProfiler(this); }

CTrataDadosOCWnd::~CTrataDadosOCWnd() = default;

unsigned CTrataDadosOCWnd::OnDoModalOrcamento(const CString& strMensagem, const T_Lista<T_Lista<CString>>& linhas) {
  if (linhas.GetSize() == 0) return kSemLinhas;
  CDlgMsgCm dlg(nullptr);
  PreparaMsgOrcamento(&dlg, strMensagem, static_cast<int>(linhas[0].GetSize()));
  for (INT_PTR i = 0; i < linhas.GetSize(); ++i)
    for (INT_PTR j = 0; j < linhas[i].GetSize(); ++j) dlg.m_Colunas[j].m_Linhas.Add(linhas[i][j]);
  return static_cast<unsigned>(dlg.DoModal());
}

void CTrataDadosOCWnd::PreparaMsgOrcamento(CDlgMsgCm* pDlg, const CString& strMensagem, int nColunas) {
  if (nColunas < 0) AfxThrowInvalidArgException();
  pDlg->SetTitulo("Tarvo Compras - Ordem de Compras");
  pDlg->SetMensagem(strMensagem);
  pDlg->SetPergunta("Deseja liberar?");
  pDlg->SetIcon(IDI_QUESTION);
  if (nColunas > 3) AcrescentaColuna(*pDlg, kVencimento);
  for (const TColunaOrcamento& c : kColunasSempre) AcrescentaColuna(*pDlg, c);
}
