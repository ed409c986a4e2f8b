// O diálogo dos históricos desativados nos lançamentos: o modelo 129, a lista lida do
// servidor IHisDel (criado pela tabela de classes) e gravada de volta no OK, o edit do
// histórico com a descrição ao lado e os botões que se habilitam conforme o histórico
// do edit está ou não na lista.
#include "vrmwnd/dialogs/CHistoricosDesativados.h"

#include <algorithm>
#include <vector>

#include "vrmwnd/base/QZAjuda.h"
#include "vrmwnd/base/QZException.h"
#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/suite/mensagens/QZMens.h"
#include "vrmwnd/suite/servidor/resultados.h"
#include "vrmwnd/util/CCMRecursoModulo.h"
#include "vrmwnd/util/modulo.h"

namespace {

using D = CHistoricosDesativados;

const DLGTEMPLATEDESC kModelo{
    "Históricos Desativados",
    0,
    0,
    323,
    182,
    DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
    {{static_cast<UINT>(IDC_STATIC), "BUTTON", "Históricos Desativados nos Lançamentos", 7, 7, 309, 147,
      WS_VISIBLE | BS_GROUPBOX},
     {D::IDC_LISTA, WC_LISTVIEWA, "", 15, 19, 293, 91,
      WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS},
     {static_cast<UINT>(IDC_STATIC), "STATIC", "Histórico:", 15, 119, 34, 8, WS_VISIBLE | SS_LEFT},
     {D::IDC_EDIT_HISTORICO, "EDIT", "", 51, 113, 35, 14, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
     {D::IDC_DESCRICAO, "STATIC", "", 91, 119, 215, 8, WS_VISIBLE | SS_LEFT},
     {D::IDC_ADICIONAR, "BUTTON", "&Adicionar", 201, 132, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
     {D::IDC_REMOVER, "BUTTON", "&Remover", 257, 132, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
     {IDOK, "BUTTON", "OK", 210, 161, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
     {IDCANCEL, "BUTTON", "Cancelar", 266, 161, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON}}};

[[maybe_unused]] const bool kModeloRegistrado =
    (AfxRegisterDialogTemplate(vrmwnd::InstanciaModulo(), D::IDD, kModelo), true);

constexpr const char* kFonte = "HistoricosDesativados";
constexpr long kFonteMensagens = 7;
constexpr long kLocalCria = 129001;
constexpr long kLocalConexao = 129002;
constexpr long kLocalLe = 129003;
constexpr long kLocalGrava = 129004;
// Os bits da imagem de estado que cada linha nova leva.
constexpr UINT kEstadoLinha = LVIS_STATEIMAGEMASK;

}  // namespace

BEGIN_MESSAGE_MAP(CHistoricosDesativados, CDialog)
ON_NOTIFY(LVN_KEYDOWN, CHistoricosDesativados::IDC_LISTA, &CHistoricosDesativados::OnKeydownList)
ON_BN_CLICKED(CHistoricosDesativados::IDC_ADICIONAR, &CHistoricosDesativados::OnAdicionar)
ON_BN_CLICKED(CHistoricosDesativados::IDC_REMOVER, &CHistoricosDesativados::OnRemover)
ON_NOTIFY(LVN_ITEMCHANGED, CHistoricosDesativados::IDC_LISTA, &CHistoricosDesativados::OnItemChangedList)
ON_EN_KILLFOCUS(CHistoricosDesativados::IDC_EDIT_HISTORICO, &CHistoricosDesativados::OnKillFocusEditHis)
ON_UPDATE_COMMAND_UI(CHistoricosDesativados::IDC_ADICIONAR, &CHistoricosDesativados::OnUpdateAdicionar)
ON_UPDATE_COMMAND_UI(CHistoricosDesativados::IDC_REMOVER, &CHistoricosDesativados::OnUpdateRemover)
ON_MESSAGE(WM_KICKIDLE, &CHistoricosDesativados::OnKickIdle)
ON_WM_HELPINFO()
END_MESSAGE_MAP()

CHistoricosDesativados::CHistoricosDesativados(const char* conexao, unsigned short numero, CWnd* pai)
    : CDialog(IDD, pai), m_szConexao(conexao ? conexao : ""), m_nNumero(numero) {}

CHistoricosDesativados::~CHistoricosDesativados() = default;

INT_PTR CHistoricosDesativados::DoModal() {
  CCMRecursoModulo recurso;
  return CDialog::DoModal();
}

void CHistoricosDesativados::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_LISTA, m_lista);
  DDX_Control(pDX, IDC_EDIT_HISTORICO, m_edHistorico);
}

void CHistoricosDesativados::MostraFalha(HRESULT hr, long lLocal, const char* szExpressao, int nLinha) {
  const CQZProfilerEmpresa contexto(m_szConexao, m_nNumero, 0);
  QZVerificaHR(hr, eQZFalhaSeNaoZero, &contexto, "CHistoricosDesativados::MostraFalha", kFonte, nLinha, szExpressao);
  QZTrataErro2(static_cast<LONGLONG>(hr), lLocal, kFonteMensagens, m_szConexao, kFonte, nLinha, QZ_COMPILACAO, false,
               nullptr, vrmwnd::kArquivoModulo);
}

BOOL CHistoricosDesativados::OnInitDialog() {
  CDialog::OnInitDialog();
  m_lista.InsertColumn(0, "Código", LVCFMT_LEFT, 50);
  m_lista.InsertColumn(1, "Descrição", LVCFMT_LEFT, 350);
  m_lista.SetExtendedStyle(m_lista.GetExtendedStyle() | LVS_EX_FULLROWSELECT);

  std::vector<REG_HISDELPS> elementos(MAXIMO_HISTORICOS);
  HRESULT hr = m_pHisDel.CoCreateInstance(CLSID_HisDel, eQZCCI_LOG_FAILURE | eQZCCI_RETRY);
  if (hr != S_OK) MostraFalha(hr, kLocalCria, "m_pHisDel.CoCreateInstance(CLSID_HisDel)", __LINE__);
  if (m_pHisDel) {
    BSTR bstrConexao = SysAllocString(Utf8ToUtf16(m_szConexao).c_str());
    hr = m_pHisDel->SetConexao(bstrConexao);
    SysFreeString(bstrConexao);
    if (hr != S_OK) MostraFalha(hr, kLocalConexao, "m_pHisDel->SetConexao(bstrConexao)", __LINE__);
    hr = m_pHisDel->LeDesativados(m_nNumero, MAXIMO_HISTORICOS, elementos.data());
    if (hr != S_OK) MostraFalha(hr, kLocalLe, "m_pHisDel->LeDesativados(m_nNumero, 100, elementos)", __LINE__);
  }

  m_edHistorico.SetStaticCompanheiro(GetDlgItem(IDC_DESCRICAO));
  m_edHistorico.Inicializa(m_szConexao, m_nNumero, 0);
  PostMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_edHistorico.m_hWnd), TRUE);
  // Uma lista cheia não tem o 0 do fim: para no último elemento.
  for (const REG_HISDELPS& elemento : elementos) {
    if (elemento.iHistorico() == 0) break;
    m_edHistorico.SetPosicao(elemento.iHistorico());
    OnAdicionar();
  }
  return TRUE;
}

long CHistoricosDesativados::CodigoDoEdit() {
  unsigned short iHistorico = 0;
  return m_edHistorico.GetPosicao(iHistorico) ? iHistorico : 0;
}

void CHistoricosDesativados::LimpaEFocaEdit() {
  m_edHistorico.SetText("");
  m_edHistorico.SetFocus();
}

void CHistoricosDesativados::OnAdicionar() {
  const long lCodigo = CodigoDoEdit();
  if (lCodigo == 0) return;
  CString strCodigo;
  strCodigo.Format("%ld", lCodigo);
  const int nItem = m_lista.InsertItem(LVIF_TEXT | LVIF_PARAM | LVIF_STATE, m_lista.GetItemCount(), strCodigo,
                                       kEstadoLinha, kEstadoLinha, 0, static_cast<LPARAM>(lCodigo));
  m_lista.SetItemText(nItem, 1, m_edHistorico.GetStaticText());
  LimpaEFocaEdit();
}

bool CHistoricosDesativados::ExisteNaLista(long codigo) {
  for (int i = 0; i < m_lista.GetItemCount(); ++i)
    if (static_cast<long>(m_lista.GetItemData(i)) == codigo) return true;
  return false;
}

void CHistoricosDesativados::OnUpdateAdicionar(CCmdUI* pCmdUI) {
  // A lista lida ao abrir não passa de MAXIMO_HISTORICOS: mais que isso não se guarda.
  pCmdUI->Enable(!ExisteNaLista(CodigoDoEdit()) && m_lista.GetItemCount() < MAXIMO_HISTORICOS);
}

void CHistoricosDesativados::OnUpdateRemover(CCmdUI* pCmdUI) { pCmdUI->Enable(ExisteNaLista(CodigoDoEdit())); }

// F1 em qualquer controle da tela: a ajuda do módulo de Compras.
BOOL CHistoricosDesativados::OnHelpInfo(HELPINFO*) {
  QZAbreAjuda(QZ_MODULO_COMPRAS, m_hWnd);
  return FALSE;
}

LRESULT CHistoricosDesativados::OnKickIdle(WPARAM, LPARAM) {
  UpdateDialogControls(this, FALSE);
  return 0;
}

void CHistoricosDesativados::OnRemover() {
  const int nMarca = m_lista.GetSelectionMark();
  if (nMarca < 0) return;
  m_lista.DeleteItem(nMarca);
  LimpaEFocaEdit();
}

void CHistoricosDesativados::OnKeydownList(NMHDR* pNMHDR, LRESULT* pResult) {
  const WORD wTecla = reinterpret_cast<NMLVKEYDOWN*>(pNMHDR)->wVKey;
  if (wTecla == VK_DELETE || wTecla == VK_DECIMAL) OnRemover();
  *pResult = 0;
}

void CHistoricosDesativados::OnItemChangedList(NMHDR* pNMHDR, LRESULT* pResult) {
  const auto* pLista = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
  if ((pLista->uNewState & LVIS_SELECTED) && !(pLista->uOldState & LVIS_SELECTED))
    m_edHistorico.SetPosicao(static_cast<unsigned short>(m_lista.GetItemData(pLista->iItem)));
  *pResult = 0;
}

void CHistoricosDesativados::OnKillFocusEditHis() {
  const long lCodigo = CodigoDoEdit();
  int nItem = -1;
  for (int i = 0; i < m_lista.GetItemCount() && nItem < 0; ++i)
    if (static_cast<long>(m_lista.GetItemData(i)) == lCodigo) nItem = i;
  SelectItem(lCodigo == 0 ? -1 : nItem);
}

void CHistoricosDesativados::SelectItem(int i) {
  const int nMarca = m_lista.GetSelectionMark();
  if (nMarca >= 0) m_lista.SetItemState(nMarca, 0, LVIS_SELECTED);
  m_lista.SetSelectionMark(i);
  if (i >= 0) m_lista.SetItemState(i, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CHistoricosDesativados::OnOK() {
  const int nQuantidade = m_lista.GetItemCount();
  std::vector<REG_HISDELPS> elementos(static_cast<std::size_t>(std::max(nQuantidade, 1)));
  for (int i = 0; i < nQuantidade; ++i)
    elementos[static_cast<std::size_t>(i)].Set_iHistorico(static_cast<WORD>(m_lista.GetItemData(i)));
  const HRESULT hr = m_pHisDel ? m_pHisDel->GravaDesativados(m_nNumero, nQuantidade, elementos.data())
                               : static_cast<HRESULT>(QZ_E_SEM_CONEXAO);
  if (hr != S_OK)
    MostraFalha(hr, kLocalGrava, "m_pHisDel->GravaDesativados(m_nNumero, nQuantidade, elementos)", __LINE__);
  CDialog::OnOK();
}
