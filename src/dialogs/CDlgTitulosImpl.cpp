// A janela dos títulos das retenções: o modelo 1048, a abertura no primeiro título
// que falta dado, o título e a linha carregados nos campos, as linhas adicionadas,
// alteradas e removidas (o composto gerencial refeito para o valor da linha), o
// título guardado pela consistência com o foco da tabela de tipos, o rateio gerencial
// e a classificação mudada, e o OK recusado enquanto algum título falta dado.
#include "CDlgTitulosImpl.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "vrmwnd/base/QZException.h"
#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/suite/leiautes/REG_HISTORICOPS.h"
#include "vrmwnd/util/CVRMWNDUtil.h"
#include "vrmwnd/util/modulo.h"

namespace {

using D = CDlgTitulos;
constexpr UINT kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr UINT kRotulo = WS_VISIBLE | SS_LEFT;
constexpr UINT kBotao = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr UINT kGrade = WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL;
constexpr UINT kSemId = static_cast<UINT>(IDC_STATIC);

const DLGTEMPLATEDESC kModelo{D::kTitulo,
                              0,
                              0,
                              420,
                              330,
                              DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                              {{D::IDC_GRADE_TITULOS, CGXBrowserWnd::kClassName, "", 7, 7, 406, 88, kGrade},
                               {kSemId, "STATIC", "Código Receita:", 7, 104, 60, 8, kRotulo},
                               {D::IDC_CODIGO_RECEITA, "EDIT", "", 70, 102, 30, 12, kEdit},
                               {kSemId, "STATIC", "Cedente:", 118, 104, 34, 8, kRotulo},
                               {D::IDC_CEDENTE, "EDIT", "", 154, 102, 60, 12, kEdit},
                               {D::IDC_DESC_CEDENTE, "STATIC", "", 234, 104, 179, 8, kRotulo},
                               {kSemId, "STATIC", "Histórico:", 7, 120, 60, 8, kRotulo},
                               {D::IDC_HISTORICO, "EDIT", "", 70, 118, 30, 12, kEdit},
                               {kSemId, "STATIC", "Compl. Histórico:", 118, 120, 70, 8, kRotulo},
                               {D::IDC_COMPLEMENTO, "EDIT", "", 190, 118, 204, 12, kEdit},
                               {kSemId, "STATIC", "Tipo Documento:", 7, 136, 60, 8, kRotulo},
                               {D::IDC_TIPO_DOCUMENTO, "EDIT", "", 70, 134, 30, 12, kEdit},
                               {D::IDC_DESC_TIPO_DOCUMENTO, "STATIC", "", 118, 136, 134, 8, kRotulo},
                               {kSemId, "STATIC", "Data Vencimento:", 256, 136, 68, 8, kRotulo},
                               {D::IDC_VENCIMENTO, "EDIT", "", 326, 134, 50, 12, kEdit},
                               {kSemId, "STATIC", "Valor Total:", 7, 152, 60, 8, kRotulo},
                               {D::IDC_VALOR_TOTAL, "EDIT", "", 70, 150, 60, 12, kEdit | ES_RIGHT},
                               {D::IDC_ALTERAR_TITULO, "BUTTON", "Al&terar", 363, 150, 50, 14, kBotao},
                               {kSemId, "BUTTON", "Classificação", 7, 168, 406, 136, WS_VISIBLE | BS_GROUPBOX},
                               {kSemId, "STATIC", "Filial:", 14, 182, 56, 8, kRotulo},
                               {D::IDC_FILIAL, "EDIT", "", 72, 180, 30, 12, kEdit},
                               {D::IDC_DESC_FILIAL, "STATIC", "", 120, 182, 130, 8, kRotulo},
                               {kSemId, "STATIC", "Classificação:", 14, 198, 56, 8, kRotulo},
                               {D::IDC_CLASSIFICACAO, "EDIT", "", 72, 196, 60, 12, kEdit},
                               {D::IDC_DESC_CLASSIFICACAO, "STATIC", "", 150, 198, 150, 8, kRotulo},
                               {kSemId, "STATIC", "Valor:", 14, 214, 56, 8, kRotulo},
                               {D::IDC_VALOR_RATEIO, "EDIT", "", 72, 212, 60, 12, kEdit | ES_RIGHT},
                               {D::IDC_ADICIONAR, "BUTTON", "&Adicionar", 246, 211, 50, 14, kBotao},
                               {D::IDC_ALTERAR, "BUTTON", "A&lterar", 300, 211, 50, 14, kBotao},
                               {D::IDC_REMOVER, "BUTTON", "&Remover", 354, 211, 50, 14, kBotao},
                               {D::IDC_GRADE_RATEIO, CGXBrowserWnd::kClassName, "", 14, 230, 392, 68, kGrade},
                               {IDOK, "BUTTON", "OK", 309, 310, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
                               {IDCANCEL, "BUTTON", "Cancelar", 363, 310, 50, 14, kBotao}}};

[[maybe_unused]] const bool kModeloRegistrado =
    (AfxRegisterDialogTemplate(vrmwnd::InstanciaModulo(), CDlgTitulos::IDD, kModelo), true);

constexpr int kMaxCodigoReceita = 4;
// As contas que o cedente e a classificação aceitam: credoras de títulos a pagar e
// contas de classificação.
constexpr int kCaracteristicaCedente = 0x80;
constexpr int kCaracteristicaClassificacao = 0x200;
// O complemento leva ao menos o texto de um histórico.
constexpr int kMaxComplemento = 120;

}  // namespace

BEGIN_MESSAGE_MAP(CDlgTitulosImpl, CQZDFProfilerDialog)
ON_BN_CLICKED(CDlgTitulos::IDC_ADICIONAR, &CDlgTitulosImpl::OnAdicionarAlterar)
ON_BN_CLICKED(CDlgTitulos::IDC_ALTERAR, &CDlgTitulosImpl::OnAdicionarAlterar)
ON_BN_CLICKED(CDlgTitulos::IDC_REMOVER, &CDlgTitulosImpl::OnRemover)
ON_BN_CLICKED(CDlgTitulos::IDC_ALTERAR_TITULO, &CDlgTitulosImpl::OnAlterarTitulo)
ON_EN_KILLFOCUS(CDlgTitulos::IDC_HISTORICO, &CDlgTitulosImpl::OnKillFocusHistorico)
ON_NOTIFY(QZN_RATEIO_GERENCIAL, CDlgTitulos::IDC_CLASSIFICACAO, &CDlgTitulosImpl::OnRateioGerencial)
ON_NOTIFY(QZN_CLASSIFICACAO_ALTERADA, CDlgTitulos::IDC_CLASSIFICACAO, &CDlgTitulosImpl::OnClassificacaoAlterada)
END_MESSAGE_MAP()

CDlgTitulosImpl::CDlgTitulosImpl(CDlgTitulos* pDono, CWnd* pPai)
    : CQZDFProfilerDialog(CDlgTitulos::IDD, pDono, pPai), m_pDono(pDono) {
  SetModulo(QZ_MODULO_COMPRAS);
}

CDlgTitulosImpl::~CDlgTitulosImpl() {
  Finaliza();
  for (CWnd* p : {static_cast<CWnd*>(m_pGradeTitulos), static_cast<CWnd*>(m_pGradeRateio)})
    if (p != nullptr && p->m_hWnd != nullptr && ::IsWindow(p->m_hWnd)) p->DestroyWindow();
  delete m_pGradeTitulos;
  delete m_pGradeRateio;
}

void CDlgTitulosImpl::DoDataExchange(CDataExchange* pDX) {
  CQZDFProfilerDialog::DoDataExchange(pDX);
  DDX_Control(pDX, CDlgTitulos::IDC_CODIGO_RECEITA, m_edCodigoReceita);
  DDX_Control(pDX, CDlgTitulos::IDC_CEDENTE, m_edCedente);
  DDX_Control(pDX, CDlgTitulos::IDC_HISTORICO, m_edHistorico);
  DDX_Control(pDX, CDlgTitulos::IDC_COMPLEMENTO, m_edComplemento);
  DDX_Control(pDX, CDlgTitulos::IDC_TIPO_DOCUMENTO, m_edTipoDocumento);
  DDX_Control(pDX, CDlgTitulos::IDC_VENCIMENTO, m_edVencimento);
  DDX_Control(pDX, CDlgTitulos::IDC_VALOR_TOTAL, m_edValorTotal);
  DDX_Control(pDX, CDlgTitulos::IDC_FILIAL, m_edFilial);
  DDX_Control(pDX, CDlgTitulos::IDC_CLASSIFICACAO, m_edClassificacao);
  DDX_Control(pDX, CDlgTitulos::IDC_VALOR_RATEIO, m_edValorRateio);
  DDX_Control(pDX, CDlgTitulos::IDC_ADICIONAR, m_btAdicionar);
  DDX_Control(pDX, CDlgTitulos::IDC_ALTERAR, m_btAlterar);
  DDX_Control(pDX, CDlgTitulos::IDC_REMOVER, m_btRemover);
  DDX_Control(pDX, CDlgTitulos::IDC_ALTERAR_TITULO, m_btAlterarTitulo);
  DDX_Control(pDX, CDlgTitulos::IDC_DESC_CEDENTE, m_stCedente);
  DDX_Control(pDX, CDlgTitulos::IDC_DESC_TIPO_DOCUMENTO, m_stTipoDocumento);
  DDX_Control(pDX, CDlgTitulos::IDC_DESC_CLASSIFICACAO, m_stClassificacao);
  DDX_Control(pDX, CDlgTitulos::IDC_DESC_FILIAL, m_stFilial);
}

BOOL CDlgTitulosImpl::OnInitDialog() {
  delete m_pGradeTitulos;
  delete m_pGradeRateio;
  m_pGradeTitulos = new CDlgTitulosGridLancamentos(this, m_pDono);
  m_pGradeRateio = new CDlgTitulosGrid(this, m_pDono);
  CQZDFProfilerDialog::OnInitDialog();
  SetWindowText(CDlgTitulos::kTitulo);
  m_Enter.Inicializa(this);
  m_Enter.SetEnterComoTab(m_pDono->GetTestarEnter() != 0);
  m_pGradeRateio->SubclassDlgItem(CDlgTitulos::IDC_GRADE_RATEIO, this);
  m_pGradeTitulos->SubclassDlgItem(CDlgTitulos::IDC_GRADE_TITULOS, this);
  m_pGradeRateio->Initialize();
  m_pGradeTitulos->Initialize();
  PreparaControles();
  if (SelecionaPrimeiroIncompleto() < 0) return TRUE;
  CVRMWNDUtil::SetFocusEspecial(this, &m_edCodigoReceita, true);
  return FALSE;
}

void CDlgTitulosImpl::PreparaControles() {
  for (CStatic* p : {&m_stCedente, &m_stTipoDocumento, &m_stClassificacao, &m_stFilial}) p->SetWindowText("");
  const CString strEmpresa = m_pDono->GetEmpresaProfiler();
  const unsigned short nUsuario = m_pDono->GetUsuarioProfiler();
  const LONG lSessao = m_pDono->GetSessaoProfiler();
  m_edCedente.SetCaracteristica(kCaracteristicaCedente);
  m_edCedente.SetTiposConta("AS");
  m_edCedente.SetStaticCompanheiro(&m_stCedente);
  m_edCedente.Inicializa(strEmpresa, nUsuario, lSessao);
  m_edHistorico.Inicializa(strEmpresa, nUsuario, lSessao);
  // O complemento é texto livre (a primeira parte do complemento do título).
  m_edComplemento.SetValidarValor(false);
  m_edComplemento.Inicializa(strEmpresa, nUsuario, lSessao);
  m_edComplemento.SetLimitText(kMaxComplemento);
  m_edTipoDocumento.SetStaticCompanheiro(&m_stTipoDocumento);
  m_edTipoDocumento.Inicializa(strEmpresa, nUsuario, lSessao);
  m_edFilial.SetStaticCompanheiro(&m_stFilial);
  m_edFilial.Inicializa(strEmpresa, nUsuario, lSessao);
  m_edFilial.SetFilialAtivaPersonalizado();
  m_edClassificacao.SetCaracteristica(kCaracteristicaClassificacao);
  m_edClassificacao.SetTiposConta("AS");
  m_edClassificacao.SetStaticCompanheiro(&m_stClassificacao);
  m_edClassificacao.Inicializa(strEmpresa, nUsuario, lSessao);
  m_nTituloAtual = -1;
  CVRMWNDUtil::AtualizaGrid(m_pGradeTitulos, m_pDono->GetQuantidadeTitulo(), -1);
  m_edCodigoReceita.SetLimitText(kMaxCodigoReceita);
  HabilitaCampos(false);
}

void CDlgTitulosImpl::HabilitaCampos(bool bHabilita) {
  for (CWnd* p : {static_cast<CWnd*>(&m_edCodigoReceita), static_cast<CWnd*>(&m_edCedente),
                  static_cast<CWnd*>(&m_edHistorico), static_cast<CWnd*>(&m_edComplemento),
                  static_cast<CWnd*>(&m_edTipoDocumento), static_cast<CWnd*>(&m_edVencimento),
                  static_cast<CWnd*>(&m_edClassificacao), static_cast<CWnd*>(&m_edValorRateio),
                  static_cast<CWnd*>(&m_btAdicionar), static_cast<CWnd*>(&m_btAlterarTitulo)})
    p->EnableWindow(bHabilita);
  m_edFilial.EnableWindow(bHabilita);
  if (bHabilita) m_edFilial.EnableWindowPersonalizado(TRUE);
  m_btAlterar.EnableWindow(FALSE);
  m_btRemover.EnableWindow(FALSE);
  m_edValorTotal.EnableWindow(FALSE);
  if (!bHabilita) m_pGradeRateio->EnableWindow(FALSE);
}

BOOL CDlgTitulosImpl::PreTranslateMessage(MSG* pMsg) {
  if (!m_Enter.PreTranslateMessage(pMsg)) return TRUE;
  return CQZDFProfilerDialog::PreTranslateMessage(pMsg);
}

unsigned short CDlgTitulosImpl::FilialDoTituloAtual() const {
  return m_nTituloAtual >= 0 ? m_pDono->GetTitulo(m_nTituloAtual).GetFilial() : 0;
}

CString CDlgTitulosImpl::TextoHistorico(unsigned short iHistorico) {
  REG_HISTORICOPS RegHistorico;
  if (QZVerificaHR(m_pDono->GetUsaServidor()->LeDFHistorico(m_pDono->m_ppIHistorico, iHistorico, &RegHistorico),
                   eQZFalhaSeNaoZero, m_pDono, "CDlgTitulosImpl::TextoHistorico", "DlgTitulos", __LINE__,
                   "GetUsaServidor()->LeDFHistorico(m_ppIHistorico,iHistorico,&RegHistorico)") != 0)
    return CString();
  return CString(std::string(RegHistorico.szDescricao()).c_str());
}

void CDlgTitulosImpl::CarregaTitulo(int i) {
  if (i < 0 || i >= m_pDono->GetQuantidadeTitulo()) return;
  m_nTituloAtual = i;
  const TCMTituloImposto titulo = m_pDono->GetTitulo(i);
  CString strCodigo;
  if (titulo.GetCodigoReceita() != 0) strCodigo.Format("%ld", titulo.GetCodigoReceita());
  m_edCodigoReceita.SetWindowText(strCodigo);
  m_edCedente.SetPosicao(static_cast<unsigned long>(titulo.GetCedente()));
  m_edCedente.SetStaticText();
  m_edHistorico.SetPosicao(titulo.GetPonteiroHistorico());
  CString strComplemento = titulo.GetComplementoHistorico();
  if (strComplemento.IsEmpty() && titulo.GetPonteiroHistorico() != 0)
    strComplemento = TextoHistorico(titulo.GetPonteiroHistorico());
  m_edComplemento.SetText(strComplemento);
  m_edTipoDocumento.SetPosicao(titulo.GetPonteiroTipoDocumento());
  m_edTipoDocumento.SetStaticText();
  m_edVencimento.SetData(titulo.GetRegDataVencimento());
  m_edValorTotal.SetValor(titulo.GetValor());
  m_nRateioAtual = -1;
  HabilitaCampos(!m_pDono->GetSomenteConsulta());
  m_pGradeRateio->EnableWindow(TRUE);
  LimpaRateio();
  CVRMWNDUtil::AtualizaGrid(m_pGradeRateio, titulo.GetQuantidadeRateio(), -1);
}

void CDlgTitulosImpl::LimpaRateio() {
  const bool bConsulta = m_pDono->GetSomenteConsulta();
  m_nRateioAtual = -1;
  m_btAdicionar.EnableWindow(!bConsulta && m_nTituloAtual >= 0);
  m_btAlterar.EnableWindow(FALSE);
  m_btRemover.EnableWindow(FALSE);
  m_stFilial.SetWindowText("");
  m_edFilial.SetFilialAtivaPersonalizado();
  if (bConsulta) m_edFilial.EnableWindow(FALSE);
  m_edValorRateio.SetValor(g_cyZero);
  m_edClassificacao.SetPosicao(0);
  m_Rateio = TCMRateioTitulo();
  m_Composto = TQZGerencialComposto();
}

void CDlgTitulosImpl::CarregaRateio(int j) {
  if (m_nTituloAtual < 0) return;
  const TCMTituloImposto titulo = m_pDono->GetTitulo(m_nTituloAtual);
  if (j < 0 || j >= titulo.GetQuantidadeRateio()) return;
  m_nRateioAtual = j;
  m_Rateio = titulo.GetRateio(j);
  m_edFilial.SetPosicao(m_Rateio.GetFilial());
  m_edFilial.SetStaticText();
  m_edValorRateio.SetValor(m_Rateio.GetValor());
  m_edClassificacao.SetPosicao(static_cast<unsigned long>(m_Rateio.GetPonteiroClassificacao()));
  m_Composto = CTrataDadosGerencial::RegraDeTresPorValor(
      CTrataDadosGerencial::ConverterListaPorValor(m_Rateio.GetListaGerencial(), m_Rateio.GetValor()),
      m_Rateio.GetValor(), 0);
  if (m_pDono->GetSomenteConsulta()) return;
  m_btAdicionar.EnableWindow(FALSE);
  m_btAlterar.EnableWindow(TRUE);
  m_btRemover.EnableWindow(TRUE);
}

TCMRateioTitulo CDlgTitulosImpl::MontaRateio() {
  TCMRateioTitulo rateio = m_Rateio;
  rateio.SetFilial(m_edFilial.GetPonteiro());
  rateio.SetValor(m_edValorRateio.GetValor());
  rateio.SetPonteiroClassificacao(static_cast<long>(m_edClassificacao.GetPonteiro()));
  rateio.SetListaGerencial(CTrataDadosGerencial::ConverterComposto(
      CTrataDadosGerencial::RegraDeTresPorValor(m_Composto, rateio.GetValor(), 0)));
  return rateio;
}

bool CDlgTitulosImpl::ConsisteRateio(const TCMRateioTitulo& rateio) {
  TQZCMConsisteRetorno retorno;
  try {
    retorno = m_pDono->ConsisteDadosRateioTitulo_oitc(m_pDono->GetDataEntrada(), m_pDono->GetTitulo(m_nTituloAtual),
                                                      m_nRateioAtual, FilialDoTituloAtual(), rateio);
  } catch (const CQZExceptionEx& e) {
    MostraExcecaoTitulos(e);
    return true;
  }
  if (retorno.GetTipo() == 0) return true;
  CWnd* pFoco = retorno.GetTipo() == 4 ? static_cast<CWnd*>(&m_edValorRateio) : &m_edClassificacao;
  CVRMWNDUtil::MensagemGrid(&retorno, false, nullptr, 0, this, pFoco, nullptr, 0, nullptr, 0, nullptr, 0);
  return false;
}

void CDlgTitulosImpl::OnAdicionarAlterar() {
  if (m_nTituloAtual < 0) return;
  const TCMRateioTitulo rateio = MontaRateio();
  if (!ConsisteRateio(rateio)) return;
  TCMTituloImposto titulo = m_pDono->GetTitulo(m_nTituloAtual);
  const bool bAcrescenta = m_nRateioAtual < 0;
  if (bAcrescenta)
    titulo.AdicionaRateio(rateio);
  else
    titulo.SetRateio(m_nRateioAtual, rateio);
  m_pDono->SetTitulo(m_nTituloAtual, titulo);
  LimpaRateio();
  // A linha nova fica marcada na grade, mas os campos ficam limpos para a próxima.
  const int nQuantidade = titulo.GetQuantidadeRateio();
  CVRMWNDUtil::AtualizaGrid(m_pGradeRateio, nQuantidade, -1);
  if (bAcrescenta) m_pGradeRateio->SelectRow(m_pGradeRateio->GetRowFromRecord(nQuantidade - 1));
  m_pGradeTitulos->Redraw();
}

void CDlgTitulosImpl::OnRemover() {
  if (m_nTituloAtual < 0 || m_nRateioAtual < 0) return;
  const bool bGradeTinhaFoco = ::GetFocus() == m_pGradeRateio->m_hWnd;
  const int nRemovida = m_nRateioAtual;
  TCMTituloImposto titulo = m_pDono->GetTitulo(m_nTituloAtual);
  titulo.DeletarRateio(nRemovida);
  m_pDono->SetTitulo(m_nTituloAtual, titulo);
  LimpaRateio();
  CVRMWNDUtil::AtualizaGrid(m_pGradeRateio, titulo.GetQuantidadeRateio(), -1);
  m_pGradeTitulos->Redraw();
  const int nLinha = std::max(nRemovida, 1);
  if (bGradeTinhaFoco && nLinha <= titulo.GetQuantidadeRateio()) {
    m_pGradeRateio->GetQZGrid()->Reset(false);
    m_pGradeRateio->SetCurrentCell(static_cast<ROWCOL>(nLinha), 1);
    return;
  }
  Foca(m_edClassificacao);
}

void CDlgTitulosImpl::Foca(CWnd& controle) { CVRMWNDUtil::SetFocusEspecial(this, &controle, true); }
