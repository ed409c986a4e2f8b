// A tela do rateio gerencial de uma linha: o diálogo "Rateio Gerencial" (lista das
// contas com os valores, inclusão pelo código, exclusão, sugestão e o restante a
// ratear) e as regras por trás dele, sobre as relações gerenciais da empresa.
#include "vrmwnd/suite/regras/CTrataTelaGerencial.h"

#include <algorithm>

#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/platform/afxcmn.h"
#include "vrmwnd/suite/edits/CQZDialog.h"
#include "vrmwnd/suite/edits/CQZEditValor.h"
#include "vrmwnd/suite/mensagens/QZMens.h"
#include "vrmwnd/suite/regras/CManipulaListaValores.h"
#include "vrmwnd/suite/regras/CVRMSVRUtil.h"
#include "vrmwnd/suite/servidor/cadastros_titulo.h"

namespace {

enum {
  IDC_ROTULO_ITEM = 1001,
  IDC_TEXTO_ITEM = 1002,
  IDC_CLASSIFICACAO = 1004,
  IDC_VALOR_LINHA = 1006,
  IDC_LISTA = 1007,
  IDC_CONTA = 1009,
  IDC_VALOR = 1011,
  IDC_INCLUIR = 1012,
  IDC_EXCLUIR = 1013,
  IDC_SUGERIR = 1014,
  IDC_RESTANTE = 1016,
};

// "Esta conta gerencial já está na lista." e "Informe a conta gerencial."
constexpr unsigned long kMsgContaRepetida = 1384;
constexpr unsigned long kMsgInformeConta = 1390;
constexpr int kCasasCentavos = 2;

CString Valor(const CY& cy) { return CVRMSVRUtil::ToStringV4(cy, 2); }

}  // namespace

// O diálogo: mostra e edita o composto da tela dona.
class CDlgRateioGerencial : public CQZDialog {
 public:
  CDlgRateioGerencial(CTrataTelaGerencial& tela, TQZGerencialComposto composto, CWnd* pPai)
      : CQZDialog(0, pPai), m_tela(tela), m_composto(std::move(composto)) {
    SetModulo(QZ_MODULO_COMPRAS);
  }
  INT_PTR Roda();
  const TQZGerencialComposto& GetComposto() const { return m_composto; }

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnIncluir();
  afx_msg void OnExcluir();
  afx_msg void OnSugerir();

 private:
  void Mostra();
  void Avisa(const CString& strTexto, unsigned long nMensagem = 0);
  // Avisa e leva o foco ao campo que o usuário tem de corrigir.
  void Recusa(int nIdCampo, const CString& strTexto, unsigned long nMensagem = 0) {
    Avisa(strTexto, nMensagem);
    GotoDlgCtrl(GetDlgItem(nIdCampo));
  }
  const TQZParametrosGerencial& Parametros() const { return m_tela.GetParametros(); }

  CTrataTelaGerencial& m_tela;
  TQZGerencialComposto m_composto;
  DLGTEMPLATEDESC m_modelo;
  CListCtrl m_lista;
  CQZEditValor m_edValor;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDlgRateioGerencial, CQZDialog)
ON_BN_CLICKED(IDC_INCLUIR, &CDlgRateioGerencial::OnIncluir)
ON_BN_CLICKED(IDC_EXCLUIR, &CDlgRateioGerencial::OnExcluir)
ON_BN_CLICKED(IDC_SUGERIR, &CDlgRateioGerencial::OnSugerir)
END_MESSAGE_MAP()

INT_PTR CDlgRateioGerencial::Roda() {
  const DWORD dwEntrada = WS_VISIBLE | WS_TABSTOP | (Parametros().bConsulta ? WS_DISABLED : 0u);
  m_modelo =
      DLGTEMPLATEDESC{"Rateio Gerencial",
                      0,
                      0,
                      260,
                      196,
                      WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                      {{IDC_ROTULO_ITEM, "STATIC", "", 7, 7, 50, 8, WS_VISIBLE | SS_LEFT},
                       {IDC_TEXTO_ITEM, "STATIC", "", 60, 7, 193, 8, WS_VISIBLE | SS_LEFT},
                       {static_cast<UINT>(IDC_STATIC), "STATIC", "Classificação:", 7, 18, 50, 8, WS_VISIBLE | SS_LEFT},
                       {IDC_CLASSIFICACAO, "STATIC", "", 60, 18, 193, 8, WS_VISIBLE | SS_LEFT},
                       {static_cast<UINT>(IDC_STATIC), "STATIC", "Valor:", 7, 29, 50, 8, WS_VISIBLE | SS_LEFT},
                       {IDC_VALOR_LINHA, "STATIC", "", 60, 29, 80, 8, WS_VISIBLE | SS_LEFT},
                       {IDC_LISTA, WC_LISTVIEWA, "", 7, 41, 246, 90,
                        WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS},
                       {static_cast<UINT>(IDC_STATIC), "STATIC", "Conta:", 7, 138, 30, 8, WS_VISIBLE | SS_LEFT},
                       {IDC_CONTA, "EDIT", "", 38, 136, 60, 12, dwEntrada | WS_BORDER | ES_AUTOHSCROLL},
                       {static_cast<UINT>(IDC_STATIC), "STATIC", "Valor:", 104, 138, 24, 8, WS_VISIBLE | SS_LEFT},
                       {IDC_VALOR, "EDIT", "", 128, 136, 60, 12, dwEntrada | WS_BORDER | ES_RIGHT},
                       {IDC_INCLUIR, "BUTTON", "&Incluir", 194, 135, 59, 14, dwEntrada | BS_PUSHBUTTON},
                       {IDC_EXCLUIR, "BUTTON", "&Excluir", 7, 155, 50, 14, dwEntrada | BS_PUSHBUTTON},
                       {IDC_SUGERIR, "BUTTON", "&Sugerir", 61, 155, 50, 14, dwEntrada | BS_PUSHBUTTON},
                       {static_cast<UINT>(IDC_STATIC), "STATIC", "Restante:", 128, 158, 40, 8, WS_VISIBLE | SS_LEFT},
                       {IDC_RESTANTE, "STATIC", "", 170, 158, 83, 8, WS_VISIBLE | SS_LEFT},
                       {IDOK, "BUTTON", "OK", 149, 176, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
                       {IDCANCEL, "BUTTON", "Cancelar", 203, 176, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON}}};
  if (!InitModalIndirect(&m_modelo, m_pParentWnd)) return IDCANCEL;
  return DoModal();
}

BOOL CDlgRateioGerencial::OnInitDialog() {
  CQZDialog::OnInitDialog();
  m_lista.SubclassDlgItem(IDC_LISTA, this);
  m_lista.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  m_lista.InsertColumn(0, "Conta gerencial", LVCFMT_LEFT, 280);
  m_lista.InsertColumn(1, "Valor", LVCFMT_RIGHT, 90);
  m_edValor.SubclassDlgItem(IDC_VALOR, this);
  SetDlgItemText(IDC_ROTULO_ITEM, Parametros().strRotuloItemAdicional);
  SetDlgItemText(IDC_TEXTO_ITEM, Parametros().strTextoItemAdicional);
  SetDlgItemText(IDC_CLASSIFICACAO, m_tela.DescreveConta(Parametros().lPlanoEmpresarial));
  SetDlgItemText(IDC_VALOR_LINHA, Valor(Parametros().cyValor4));
  if (m_composto.GetQuantidadeGerencial() == 0 && !Parametros().bConsulta) m_composto = m_tela.Sugere();
  Mostra();
  if (Parametros().bConsulta) {
    GotoDlgCtrl(GetDlgItem(IDOK));
    return FALSE;
  }
  GotoDlgCtrl(GetDlgItem(IDC_CONTA));
  return FALSE;
}

void CDlgRateioGerencial::Mostra() {
  m_lista.DeleteAllItems();
  for (int i = 0; i < m_composto.GetQuantidadeGerencial(); ++i) {
    const TQZGerencial g = m_composto.GetGerencial(i);
    m_lista.InsertItem(i, m_tela.DescreveConta(g.GetPonteiroPlanoGerencial()));
    m_lista.SetItemText(i, 1, Valor(g.GetValor()));
  }
  SetDlgItemText(IDC_RESTANTE, Valor(Parametros().cyValor4 - m_composto.GetSomaGerencial()));
}

void CDlgRateioGerencial::Avisa(const CString& strTexto, unsigned long nMensagem) {
  if (!m_tela.GetMostrarMensagens()) return;
  if (nMensagem != 0)
    QZMensagem(nMensagem, QZ_MODULO_COMPRAS);
  else
    QZMessageBoxEx(strTexto, QZTituloModulo(QZ_MODULO_COMPRAS), MB_ICONEXCLAMATION, m_hWnd);
}

// A conta digitada entra com o valor digitado; a mesma conta duas vezes não entra.
void CDlgRateioGerencial::OnIncluir() {
  CString strCodigo, strMotivo;
  GetDlgItemText(IDC_CONTA, strCodigo);
  strCodigo.Trim();
  if (strCodigo.IsEmpty()) return Recusa(IDC_CONTA, CString(), kMsgInformeConta);
  const long lConta = m_tela.ContaRelacionada(strCodigo, strMotivo);
  if (lConta == 0) return Recusa(IDC_CONTA, strMotivo);
  for (int i = 0; i < m_composto.GetQuantidadeGerencial(); ++i)
    if (m_composto.GetGerencial(i).GetPonteiroPlanoGerencial() == lConta)
      return Recusa(IDC_CONTA, CString(), kMsgContaRepetida);
  const CY cyValor = m_edValor.GetValor();
  if (cyValor.int64 <= 0) return Recusa(IDC_VALOR, "Informe o valor da conta gerencial.");
  TQZGerencial g;
  g.SetPonteiroPlanoEmpresarial(Parametros().lPlanoEmpresarial);
  g.SetPonteiroPlanoGerencial(lConta);
  g.SetValor(cyValor);
  m_composto.AdicionaGerencial(g);
  SetDlgItemText(IDC_CONTA, "");
  m_edValor.SetWindowText("");
  Mostra();
  GotoDlgCtrl(GetDlgItem(IDC_CONTA));
}

void CDlgRateioGerencial::OnExcluir() {
  const int nLinha = m_lista.GetNextItem(-1, LVNI_SELECTED);
  if (nLinha < 0 || nLinha >= m_composto.GetQuantidadeGerencial()) return;
  T_Lista<TQZGerencial> linhas = m_composto.GetListaGerencial();
  linhas.RemoveAt(nLinha);
  m_composto.SetListaGerencial(linhas);
  Mostra();
}

void CDlgRateioGerencial::OnSugerir() {
  m_composto = m_tela.Sugere();
  Mostra();
}

// As contas têm de fechar o valor da linha; na consulta, nada muda.
void CDlgRateioGerencial::OnOK() {
  if (Parametros().bConsulta) return EndDialog(IDCANCEL);
  const CY cySoma = m_composto.GetSomaGerencial();
  if (cySoma.int64 != Parametros().cyValor4.int64) {
    Avisa("As contas gerenciais somam " + Valor(cySoma) + " e a linha vale " + Valor(Parametros().cyValor4) + ".");
    return;
  }
  m_composto.SetValor(Parametros().cyValor4);
  EndDialog(IDOK);
}

CTrataTelaGerencial::CTrataTelaGerencial(CQZTimer* pTimer) : m_regras(pTimer) {}

CTrataTelaGerencial::~CTrataTelaGerencial() = default;

HRESULT CTrataTelaGerencial::Inicializa(const IQZDF_Profiler* pContexto) {
  m_regras.SetContextoProfiler(pContexto);
  const CString strEmpresa = pContexto ? pContexto->GetEmpresaProfiler() : CString();
  return m_regras.OnInicializa(strEmpresa.IsEmpty() ? nullptr : strEmpresa.GetString());
}

HRESULT CTrataTelaGerencial::Finaliza() { return m_regras.OnFinaliza(); }

void CTrataTelaGerencial::SetParametrosDados(const TQZParametrosGerencial& parametros,
                                             const TQZGerencialComposto& composto) {
  m_parametros = parametros;
  m_composto = composto;
}

INT_PTR CTrataTelaGerencial::DoModal(CWnd* pPai) {
  CDlgRateioGerencial dlg(*this, m_composto, pPai);
  const INT_PTR nResultado = dlg.Roda();
  if (nResultado == IDOK) m_composto = dlg.GetComposto();
  return nResultado;
}

TQZGerencialComposto CTrataTelaGerencial::Sugere() {
  const std::vector<TRelacaoGerencial> relacoes =
      m_regras.GetRelacionamentos(m_parametros.lPlanoEmpresarial, m_parametros.iFilial, m_parametros.dmaData, true);
  TQZGerencialComposto sugestao;
  sugestao.SetValor(m_parametros.cyValor4);
  CManipulaListaValores partes(true);
  std::vector<long> contas;
  for (const TRelacaoGerencial& r : relacoes) {
    if (r.iPercentualSugerido <= 0) continue;
    partes.Adiciona(CyDeBruto(r.iPercentualSugerido));
    contas.push_back(r.lPlanoGerencial);
  }
  const bool bSugeridoRelacionado = std::any_of(relacoes.begin(), relacoes.end(), [&](const TRelacaoGerencial& r) {
    return static_cast<unsigned long>(r.lPlanoGerencial) == m_parametros.lPlanoGerencialSugerido;
  });
  if (contas.empty() && bSugeridoRelacionado) {
    partes.Adiciona(CyDeBruto(1));
    contas.push_back(static_cast<long>(m_parametros.lPlanoGerencialSugerido));
  }
  if (contas.empty() || !partes.SetNovoTotal(m_parametros.cyValor4, kCasasCentavos)) return sugestao;
  for (std::size_t i = 0; i < contas.size(); ++i) {
    TQZGerencial g;
    g.SetPonteiroPlanoEmpresarial(m_parametros.lPlanoEmpresarial);
    g.SetPonteiroPlanoGerencial(contas[i]);
    g.SetValor(partes.GetValor(static_cast<int>(i)));
    sugestao.AdicionaGerencial(g);
  }
  return sugestao;
}

long CTrataTelaGerencial::ContaRelacionada(const CString& strCodigo, CString& strMotivo) {
  vrmsuite::TContaTitulo conta;
  const HRESULT hr =
      vrmsuite::LeContaPorCodigo(*m_regras.GetUsaServidor(), m_regras.m_ppIPlano, strCodigo, true, conta);
  if (hr != S_OK || !conta.bExiste || conta.cTipo != 'A') {
    strMotivo.Format("A conta gerencial %s não existe ou não é analítica.", strCodigo.GetString());
    return 0;
  }
  for (const TRelacaoGerencial& r :
       m_regras.GetRelacionamentos(m_parametros.lPlanoEmpresarial, m_parametros.iFilial, m_parametros.dmaData, true))
    if (r.lPlanoGerencial == conta.lPonteiro) return conta.lPonteiro;
  strMotivo.Format("A conta gerencial %s não se relaciona com a classificação %s.", strCodigo.GetString(),
                   DescreveConta(m_parametros.lPlanoEmpresarial).GetString());
  return 0;
}

CString CTrataTelaGerencial::DescreveConta(long lConta) {
  vrmsuite::TContaTitulo conta;
  if (vrmsuite::LeContaTitulo(*m_regras.GetUsaServidor(), m_regras.m_ppIPlano, lConta, conta) != S_OK || !conta.bExiste)
    return CString();
  return CString((conta.strCodigo + " - " + conta.strDescricao).c_str());
}
