// O que os diálogos de seleção múltipla têm em comum: a grade da lista (colunas do
// diálogo, linhas lidas do servidor, Delete), a ligação aos servidores com as falhas na
// caixa de erro da suíte, e as regras de Adicionar e Remover.
#include "vrmwnd/dialogs/CDlgMultiSelecao.h"

#include "vrmwnd/base/QZException.h"
#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/suite/mensagens/QZMens.h"
#include "vrmwnd/util/CCMRecursoModulo.h"
#include "vrmwnd/util/CVRMWNDUtil.h"
#include "vrmwnd/util/modulo.h"
#include "grade_so_leitura.h"

namespace {

using vrmwnd::dialogos::kMargemColuna;
using vrmwnd::dialogos::kOpcoesColuna;
constexpr char kTipoTexto = 3;
constexpr long kLocalInicializa = 131001;
constexpr long kLocalFinaliza = 131002;
constexpr long kFonteMensagens = 7;

}  // namespace

void CDlgMultiGrid::OnInitialUpdate() { vrmwnd::dialogos::IniciaGradeSoLeitura(*this, m_pDlg->GetQtdColunas()); }

void CDlgMultiGrid::OnDescreveColuna(int nColuna, TQZColunaBrowse& coluna) {
  if (nColuna < 0 || nColuna >= m_pDlg->GetQtdColunas()) AfxThrowInvalidArgException();
  const CDlgMultiSelecao::TColuna& c = m_pDlg->GetColuna(nColuna);
  coluna.m_strTitulo = c.szTitulo;
  coluna.m_nLargura = c.nLargura;
  coluna.m_nAlinhamento = c.nAlinhamento;
  coluna.m_cTipo = kTipoTexto;
  coluna.m_nMargem = kMargemColuna;
  coluna.m_nOpcoes = kOpcoesColuna;
}

BOOL CDlgMultiGrid::OnLoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, LPCTSTR pszExistente) {
  if (nRow == 0 || nCol == 0 || (pszExistente != nullptr && *pszExistente != '\0')) return TRUE;
  if (IsColHidden(nCol)) return TRUE;
  const long nRegistro = GetRecordFromRow(nRow);
  if (nRegistro < 0 || nRegistro >= m_pDlg->GetQtdCodigos()) return TRUE;
  const int nIndice = GetIndiceColuna(GetValueRowCol(0, nCol));
  if (nIndice < 0) return TRUE;
  style.SetValue(m_pDlg->TextoDaCelula(static_cast<int>(nRegistro), nIndice));
  return TRUE;
}

void CDlgMultiGrid::OnLinhaSelecionada(long nRegistro) { m_pDlg->SelecionaRegistro(nRegistro); }

BOOL CDlgMultiGrid::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_DELETE && pMsg->hwnd == m_hWnd) {
    m_pDlg->Remove();
    return TRUE;
  }
  return CQZBrowserWnd::PreTranslateMessage(pMsg);
}

BEGIN_MESSAGE_MAP(CDlgMultiSelecao, CQZDialog)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CDlgMultiSelecao::CDlgMultiSelecao(UINT nIDTemplate, CWnd* pPai, const char* szFonte, UINT nIdGrade)
    : CQZDialog(nIDTemplate, pPai), CServidoresCompartilhados(nullptr), m_szFonte(szFonte), m_nIdGrade(nIdGrade) {
  SetModulo(QZ_MODULO_COMPRAS);
}

CDlgMultiSelecao::~CDlgMultiSelecao() {
  if (m_pGrade != nullptr && m_pGrade->m_hWnd != nullptr && ::IsWindow(m_pGrade->m_hWnd)) m_pGrade->DestroyWindow();
  delete m_pGrade;
}

INT_PTR CDlgMultiSelecao::DoModal() {
  CCMRecursoModulo recurso;
  return CQZDialog::DoModal();
}

void CDlgMultiSelecao::MostraFalha(HRESULT hr, long lLocal, const char* szExpressao, int nLinha) {
  const CQZProfilerEmpresa contexto(CQZInicializador::GetEmpresa().c_str(),
                                    static_cast<unsigned short>(CQZInicializador::GetUsuario()),
                                    CQZInicializador::GetSessao());
  QZVerificaHR(hr, eQZFalhaSeNaoZero, &contexto, "CDlgMultiSelecao::MostraFalha", m_szFonte, nLinha, szExpressao);
  QZTrataErro2(static_cast<LONGLONG>(hr), lLocal, kFonteMensagens, contexto.GetEmpresaProfiler(), m_szFonte, nLinha,
               QZ_COMPILACAO, false, nullptr, vrmwnd::kArquivoModulo);
}

HRESULT CDlgMultiSelecao::OnInicializa(const char* szEmpresa) {
  const HRESULT hr = CServidoresCompartilhados::OnInicializa(szEmpresa);
  if (hr != S_OK) MostraFalha(hr, kLocalInicializa, "CServidoresCompartilhados::OnInicializa()", __LINE__);
  return hr;
}

HRESULT CDlgMultiSelecao::OnFinaliza() {
  const HRESULT hr = CServidoresCompartilhados::OnFinaliza();
  if (hr != S_OK) MostraFalha(hr, kLocalFinaliza, "CServidoresCompartilhados::OnFinaliza()", __LINE__);
  return hr;
}

bool CDlgMultiSelecao::ExisteNaLista(unsigned long lCodigo) const {
  for (int i = 0; i < GetQtdCodigos(); ++i)
    if (GetCodigo(i) == lCodigo) return true;
  return false;
}

BOOL CDlgMultiSelecao::OnInitDialog() {
  delete m_pGrade;
  m_pGrade = CriaGrade();
  CDialog::OnInitDialog();
  m_enter.Inicializa(this);
  m_enter.SetEnterComoTab(true);
  m_pGrade->SubclassDlgItem(m_nIdGrade, this);
  m_pGrade->Initialize();
  OnInicializa();
  return TRUE;
}

void CDlgMultiSelecao::OnDestroy() {
  Edit().OnFinaliza();
  if (EstaInicializado()) OnFinaliza();
  CQZDialog::OnDestroy();
}

BOOL CDlgMultiSelecao::PreTranslateMessage(MSG* pMsg) {
  if (!m_enter.PreTranslateMessage(pMsg)) return TRUE;
  return CDialog::PreTranslateMessage(pMsg);
}

void CDlgMultiSelecao::AtualizaGrade() {
  m_nRegistroLido = -1;
  const int nLinhas = GetQtdCodigos();
  CVRMWNDUtil::AtualizaGrid(m_pGrade, nLinhas, -1);
}

void CDlgMultiSelecao::MostraMensagem(unsigned long nMensagem) {
  QZMensagem(nMensagem, CString(QZSiglaModulo(QZ_MODULO_COMPRAS)));
}

const CString& CDlgMultiSelecao::TextoDaCelula(int nRegistro, int nColuna) {
  if (nRegistro != m_nRegistroLido) {
    for (CString& s : m_strTextosLidos) s.Empty();
    m_nRegistroLido = nRegistro;
    LeLinha(nRegistro, m_strTextosLidos);
  }
  return m_strTextosLidos[nColuna];
}

void CDlgMultiSelecao::SelecionaRegistro(long nRegistro) {
  m_nSelecionado = nRegistro >= 0 && nRegistro < GetQtdCodigos() ? static_cast<int>(nRegistro) : -1;
  if (m_nSelecionado >= 0) PoeNoEdit(GetCodigo(m_nSelecionado));
}

void CDlgMultiSelecao::Adiciona() {
  const unsigned long lCodigo = GetPosicaoEdit();
  const unsigned long nMensagem = lCodigo == 0 ? m_nMensagemVazio : ExisteNaLista(lCodigo) ? m_nMensagemDuplicado : 0;
  if (nMensagem != 0) {
    MostraMensagem(nMensagem);
    Edit().SetFocus();
    return;
  }
  Acrescenta(lCodigo);
  AtualizaGrade();
  m_nSelecionado = -1;
  Edit().SetText("");
  if (FocaDepois()) Edit().SetFocus();
}

void CDlgMultiSelecao::Remove() {
  if (m_nSelecionado == -1) return;
  if (m_nSelecionado < 0 || m_nSelecionado >= GetQtdCodigos()) AfxThrowInvalidArgException();
  Tira(m_nSelecionado);
  AtualizaGrade();
  m_nSelecionado = -1;
  Edit().SetText("");
  if (FocaDepois()) Edit().SetFocus();
}
