// O diálogo das deduções da base de um imposto retido: o modelo 1047, os textos por
// tipo de imposto, a grade das deduções e as três regras (um tipo uma vez, descrição
// ou tipo, soma abaixo da base) verificadas ao adicionar e ao alterar.
#include "vrmwnd/dialogs/CDlgDeducao.h"

#include <algorithm>
#include <iterator>

#include "vrmwnd/base/CQZCurrencyEx.h"
#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/suite/mensagens/QZMens.h"
#include "vrmwnd/suite/regras/CVRMSVRUtil.h"
#include "vrmwnd/util/CCMRecursoModulo.h"
#include "vrmwnd/util/CVRMWNDUtil.h"
#include "vrmwnd/util/modulo.h"

namespace {

const DLGTEMPLATEDESC kModelo{
    "Deduções de Base de Cálculo IRRF",
    0,
    0,
    330,
    200,
    DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
    {{static_cast<UINT>(IDC_STATIC), "BUTTON", "Deduções", 7, 4, 316, 170, WS_VISIBLE | BS_GROUPBOX},
     {static_cast<UINT>(IDC_STATIC), "STATIC", "Tipo:", 14, 18, 60, 8, WS_VISIBLE | SS_LEFT},
     {CDlgDeducao::IDC_TIPO, "COMBOBOX", "", 80, 16, 120, 80, WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST},
     {static_cast<UINT>(IDC_STATIC), "STATIC", "Descrição:", 14, 34, 60, 8, WS_VISIBLE | SS_LEFT},
     {CDlgDeducao::IDC_DESCRICAO, "EDIT", "", 80, 32, 236, 12, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
     {CDlgDeducao::IDC_ROTULO_VALOR, "STATIC", "Dedução BC IRRF:", 14, 50, 64, 8, WS_VISIBLE | SS_LEFT},
     {CDlgDeducao::IDC_VALOR, "EDIT", "", 80, 48, 70, 12, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_RIGHT},
     {CDlgDeducao::IDC_ADICIONAR, "BUTTON", "&Adicionar", 158, 47, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
     {CDlgDeducao::IDC_ALTERAR, "BUTTON", "A&lterar", 212, 47, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
     {CDlgDeducao::IDC_REMOVER, "BUTTON", "&Remover", 266, 47, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
     {CDlgDeducao::IDC_GRADE, CGXBrowserWnd::kClassName, "", 14, 66, 302, 100,
      WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL},
     {IDOK, "BUTTON", "OK", 218, 180, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
     {IDCANCEL, "BUTTON", "Cancelar", 272, 180, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON}}};

[[maybe_unused]] const bool kModeloRegistrado =
    (AfxRegisterDialogTemplate(vrmwnd::InstanciaModulo(), CDlgDeducao::IDD, kModelo), true);

// Os textos de cada tipo de imposto: título, rótulo do valor, grade e coluna do valor.
struct TTextosImposto {
  unsigned char nTipo;
  const char* szTitulo;
  const char* szRotulo;
  const char* szGrade;
  const char* szColunaValor;
};
constexpr TTextosImposto kTextosImposto[] = {
    {1, "Deduções de Base de Cálculo IRRF", "Dedução BC IRRF:", "DlgDeducaoGridIRRF2", "Dedução BC IRRF"},
    {5, "Deduções de Base de Cálculo ISS Retido", "Dedução BC ISS:", "DlgDeducaoGridISS2", "Dedução BC ISS"},
    {6, "Deduções de Base de Cálculo INSS", "Dedução BC INSS:", "DlgDeducaoGridINSS2", "Dedução BC INSS"},
};
constexpr TTextosImposto kTextosOutroImposto = {0, "Deduções de Base de Cálculo IRRF",
                                                "Dedução BC IRRF:", "DlgDeducaoGrid2", "Valor da Dedução"};

const TTextosImposto& TextosDoImposto(unsigned char nTipo) {
  for (const TTextosImposto& t : kTextosImposto)
    if (t.nTipo == nTipo) return t;
  return kTextosOutroImposto;
}

const char* const kTiposDeducao[] = {"", "Material Utilizado", "Alimentação Fornecida", "Transporte Fornecido"};

constexpr int kMargemColuna = 10;
constexpr int kOpcoesColuna = 256;
constexpr int kMaxDescricao = 250;
constexpr int kDigitosInteiros = 8;

}  // namespace

BEGIN_MESSAGE_MAP(CDlgDeducao, CQZDialog)
ON_BN_CLICKED(CDlgDeducao::IDC_ADICIONAR, &CDlgDeducao::OnAdicionar)
ON_BN_CLICKED(CDlgDeducao::IDC_ALTERAR, &CDlgDeducao::OnAlterar)
ON_BN_CLICKED(CDlgDeducao::IDC_REMOVER, &CDlgDeducao::OnRemover)
END_MESSAGE_MAP()

void CDlgDeducaoGrid::OnInitialUpdate() {
  SetTipoSelecao(0);
  SetMostraNumeroLinha(FALSE);
  SetIdentificador(TextosDoImposto(m_pDlg->GetTipoImposto()).szGrade);
  SetQtdColunas(3);
  CQZBrowserWnd::OnInitialUpdate();
}

void CDlgDeducaoGrid::OnDescreveColuna(int nColuna, TQZColunaBrowse& coluna) {
  struct TColuna {
    const char* szTitulo;
    int nLargura, nAlinhamento;
    char cTipo;
  };
  const TColuna kColunas[] = {{"Tipo", 100, QZALINHA_ESQUERDA, 3},
                              {"Descrição", 263, QZALINHA_ESQUERDA, 3},
                              {TextosDoImposto(m_pDlg->GetTipoImposto()).szColunaValor, 111, QZALINHA_DIREITA, 6}};
  if (nColuna < 0 || nColuna >= static_cast<int>(std::size(kColunas))) AfxThrowInvalidArgException();
  coluna.m_strTitulo = kColunas[nColuna].szTitulo;
  coluna.m_nLargura = kColunas[nColuna].nLargura;
  coluna.m_nAlinhamento = kColunas[nColuna].nAlinhamento;
  coluna.m_cTipo = kColunas[nColuna].cTipo;
  coluna.m_nMargem = kMargemColuna;
  coluna.m_nOpcoes = kOpcoesColuna;
}

BOOL CDlgDeducaoGrid::OnLoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, LPCTSTR pszExistente) {
  if (nRow == 0 || nCol == 0 || (pszExistente != nullptr && *pszExistente != '\0')) return TRUE;
  const long nRegistro = GetRecordFromRow(nRow);
  if (nRegistro < 0 || nRegistro >= m_pDlg->GetQuantidadeDeducao()) return TRUE;
  const TCMImpostoDeducao& deducao = m_pDlg->GetDeducaoAt(static_cast<int>(nRegistro));
  switch (nCol) {
    case 1: style.SetValue(CDlgDeducao::GetTextoTipo(deducao.GetTipo())); break;
    case 2: style.SetValue(deducao.GetDescricao()); break;
    case 3:
      style.SetValue(
          CVRMSVRUtil::ToStringV4(CDlgDeducao::GetValorEfetivo(deducao.GetValorDeducao(), m_cyBCImposto), 2));
      break;
    default: break;
  }
  return TRUE;
}

void CDlgDeducaoGrid::OnLinhaSelecionada(long nRegistro) {
  if (!m_pDlg->SelecionaDeducao(nRegistro)) return;
  SelectRow(static_cast<ROWCOL>(GetRowFromRecord(nRegistro)));
}

CDlgDeducao::CDlgDeducao(CWnd* pPai) : CQZDialog(IDD, pPai) {
  SetModulo(QZ_MODULO_COMPRAS);
  m_cyBCImposto.int64 = 0;
}

CDlgDeducao::~CDlgDeducao() {
  if (m_pGrade != nullptr && m_pGrade->m_hWnd != nullptr && ::IsWindow(m_pGrade->m_hWnd)) m_pGrade->DestroyWindow();
  delete m_pGrade;
}

INT_PTR CDlgDeducao::DoModal() {
  CCMRecursoModulo recurso;
  return CQZDialog::DoModal();
}

int CDlgDeducao::DoModal(unsigned char nTipoImposto) {
  m_nTipoImposto = nTipoImposto;
  return static_cast<int>(DoModal());
}

CString CDlgDeducao::GetTitulo(unsigned char nTipoImposto) { return TextosDoImposto(nTipoImposto).szTitulo; }

CString CDlgDeducao::GetTextoTipo(unsigned char nTipo) {
  return nTipo < std::size(kTiposDeducao) ? CString(kTiposDeducao[nTipo]) : CString();
}

CY CDlgDeducao::GetValorEfetivo(const CY& cyValor, const CY& cyBase) {
  if (cyValor.int64 >= 0) return cyValor;
  CQZCurrencyEx percentual(CyDeBruto(-cyValor.int64));
  percentual /= g_cyCem;
  percentual *= cyBase;
  return percentual.GetCY();
}

void CDlgDeducao::DoDataExchange(CDataExchange* pDX) {
  CQZDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ADICIONAR, m_btAdicionar);
  DDX_Control(pDX, IDC_ALTERAR, m_btAlterar);
  DDX_Control(pDX, IDC_REMOVER, m_btRemover);
  DDX_Control(pDX, IDC_DESCRICAO, m_edDescricao);
  DDX_Control(pDX, IDC_VALOR, m_edValor);
  DDX_Control(pDX, IDC_TIPO, m_cbTipo);
}

BOOL CDlgDeducao::OnInitDialog() {
  CQZDialog::OnInitDialog();
  InicializaControles();
  GotoDlgCtrl(&m_cbTipo);
  return FALSE;
}

void CDlgDeducao::InicializaControles() {
  m_enter.Inicializa(this);
  m_enter.SetEnterComoTab(m_nTestaEnter != 0);
  delete m_pGrade;
  m_pGrade = new CDlgDeducaoGrid(this);
  m_pGrade->SubclassDlgItem(IDC_GRADE, this);
  m_pGrade->Initialize();
  const TTextosImposto& textos = TextosDoImposto(m_nTipoImposto);
  SetWindowText(textos.szTitulo);
  SetDlgItemText(IDC_ROTULO_VALOR, textos.szRotulo);
  m_edValor.SetOpcao(1, 0, 0);
  m_edValor.SetDigitosInteiros(kDigitosInteiros);
  m_edDescricao.SetLimitText(kMaxDescricao);
  for (const char* szTipo : kTiposDeducao) m_cbTipo.AddString(szTipo);
  m_cbTipo.SetCurSel(0);
  m_cbTipo.EnableWindow(m_nTipoImposto == CM_IMPOSTO_INSS);
  m_pGrade->SetBCImposto(m_cyBCImposto);
  LimpaCampos();
  CVRMWNDUtil::AtualizaGrid(m_pGrade, GetQuantidadeDeducao(), -1);
}

BOOL CDlgDeducao::PreTranslateMessage(MSG* pMsg) {
  if (!m_enter.PreTranslateMessage(pMsg)) return TRUE;
  return CQZDialog::PreTranslateMessage(pMsg);
}

TCMImpostoDeducao CDlgDeducao::GetDados() const {
  TCMImpostoDeducao deducao;
  CY cyValor = m_edValor.GetValor();
  if (m_edValor.GetModo() == 1) cyValor.int64 = -cyValor.int64;
  deducao.SetValorDeducao(cyValor);
  CString strDescricao;
  m_edDescricao.GetWindowText(strDescricao);
  deducao.SetDescricao(strDescricao);
  deducao.SetTipo(static_cast<unsigned char>(std::max(m_cbTipo.GetCurSel(), 0)));
  return deducao;
}

void CDlgDeducao::SetDados(const TCMImpostoDeducao& deducao) {
  CY cyValor = deducao.GetValorDeducao();
  if (cyValor.int64 < 0) {
    m_edValor.SetModo(1, 1, 0);
    cyValor.int64 = -cyValor.int64;
  } else {
    m_edValor.SetModo(0, 1, 0);
  }
  m_edValor.SetValor(cyValor);
  m_edDescricao.SetWindowText(deducao.GetDescricao());
  m_cbTipo.SetCurSel(deducao.GetTipo());
}

void CDlgDeducao::LimpaCampos() {
  m_edValor.SetModo(0, 1, 0);
  m_edValor.SetValor(g_cyZero);
  m_edDescricao.SetWindowText("");
  m_btAdicionar.EnableWindow(TRUE);
  m_btAlterar.EnableWindow(FALSE);
  m_btRemover.EnableWindow(FALSE);
  m_cbTipo.SetCurSel(0);
  m_nDeducaoAtual = -1;
}

bool CDlgDeducao::SelecionaDeducao(long j) {
  if (j < 0 || j >= GetQuantidadeDeducao()) return false;
  m_nDeducaoAtual = static_cast<int>(j);
  SetDados(m_Deducoes[j]);
  m_btAdicionar.EnableWindow(TRUE);
  m_btAlterar.EnableWindow(TRUE);
  m_btRemover.EnableWindow(TRUE);
  return true;
}

bool CDlgDeducao::ChecaDeducoes(CY cyValor, int nIndiceIgnorado) const {
  CQZCurrencyEx soma(GetValorEfetivo(cyValor, m_cyBCImposto));
  for (int i = 0; i < GetQuantidadeDeducao(); ++i)
    if (i != nIndiceIgnorado) soma += GetValorEfetivo(m_Deducoes[i].GetValorDeducao(), m_cyBCImposto);
  return soma.GetInt64() < m_cyBCImposto.int64;
}

bool CDlgDeducao::TipoRepetido(unsigned char nTipo, int nIndiceIgnorado) const {
  for (int i = 0; i < GetQuantidadeDeducao(); ++i)
    if (i != nIndiceIgnorado && m_Deducoes[i].GetTipo() == nTipo) return true;
  return false;
}

void CDlgDeducao::Foca(CWnd& campo) { GotoDlgCtrl(&campo); }

void CDlgDeducao::OnAdicionar() {
  m_btAdicionar.SendMessage(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  const TCMImpostoDeducao deducao = GetDados();
  if (deducao.GetTipo() != DEDUCAO_NENHUMA && TipoRepetido(deducao.GetTipo(), -1)) {
    QZMensagem(1727, QZ_MODULO_COMPRAS);
    return Foca(m_cbTipo);
  }
  if (deducao.GetDescricao().IsEmpty() && deducao.GetTipo() == DEDUCAO_NENHUMA) {
    QZMensagem(1204, "CM");
    return Foca(m_edDescricao);
  }
  if (deducao.GetValorDeducao().int64 == 0) {
    QZMensagem(1203, "CM");
    return Foca(m_edValor);
  }
  if (!ChecaDeducoes(deducao.GetValorDeducao(), -1)) {
    QZMensagem(1728, QZ_MODULO_COMPRAS);
    return Foca(m_edValor);
  }
  m_Deducoes.Add(deducao);
  CVRMWNDUtil::AtualizaGrid(m_pGrade, GetQuantidadeDeducao(), GetQuantidadeDeducao() - 1);
  LimpaCampos();
  Foca(m_cbTipo);
}

void CDlgDeducao::OnAlterar() {
  m_btAlterar.SendMessage(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  if (m_nDeducaoAtual < 0) return;
  const TCMImpostoDeducao anterior = m_Deducoes[m_nDeducaoAtual];
  const TCMImpostoDeducao deducao = GetDados();
  if (deducao.GetValorDeducao().int64 == 0) {
    QZMensagem(1203, "CM");
    return Foca(m_edValor);
  }
  if (deducao.GetDescricao().IsEmpty() && deducao.GetTipo() == DEDUCAO_NENHUMA) {
    QZMensagem(1204, "CM");
    return Foca(m_edDescricao);
  }
  if (deducao.GetTipo() != DEDUCAO_NENHUMA && deducao.GetTipo() != anterior.GetTipo() &&
      TipoRepetido(deducao.GetTipo(), m_nDeducaoAtual)) {
    QZMensagem(1727, QZ_MODULO_COMPRAS);
    return Foca(m_cbTipo);
  }
  if (!ChecaDeducoes(deducao.GetValorDeducao(), m_nDeducaoAtual)) {
    QZMensagem(1728, QZ_MODULO_COMPRAS);
    return Foca(m_edValor);
  }
  const int nAlterada = m_nDeducaoAtual;
  m_Deducoes[nAlterada] = deducao;
  CVRMWNDUtil::AtualizaGrid(m_pGrade, GetQuantidadeDeducao(), nAlterada);
  LimpaCampos();
  Foca(m_cbTipo);
}

void CDlgDeducao::OnRemover() {
  m_btRemover.SendMessage(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  if (m_nDeducaoAtual < 0) return;
  const bool bGradeTinhaFoco = ::GetFocus() == m_pGrade->m_hWnd;
  const int nRemovida = m_nDeducaoAtual;
  m_Deducoes.RemoveAt(nRemovida);
  CVRMWNDUtil::AtualizaGrid(m_pGrade, GetQuantidadeDeducao(), GetQuantidadeDeducao());
  LimpaCampos();
  const int nLinha = std::max(nRemovida, 1);
  if (bGradeTinhaFoco && nLinha <= GetQuantidadeDeducao()) {
    m_pGrade->GetQZGrid()->Reset(false);
    m_pGrade->SetCurrentCell(static_cast<ROWCOL>(nLinha), 1);
  }
  Foca(m_cbTipo);
}
