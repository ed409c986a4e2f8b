// O diálogo do orçado e realizado: o modelo 159, a abertura com o filtro guardado da
// empresa, as datas pelo mês ou pelo período do orçamento, a consulta com as suas
// conferências, a grade, "Limpar", "Totalizar", a lista de colunas, a impressão e o
// filtro guardado ao fechar.
#include "vrmwnd/dialogs/CDlgControleOrcamentario.h"

#include <algorithm>

#include "vrmwnd/base/QZException.h"
#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/platform/afxapp.h"
#include "vrmwnd/platform/clock.h"
#include "vrmwnd/platform/wincursor.h"
#include "vrmwnd/platform/winmenu.h"
#include "vrmwnd/suite/leiautes/_RegContaPS.h"
#include "vrmwnd/suite/mensagens/QZMens.h"
#include "vrmwnd/suite/regras/CTrataDadosOC.h"
#include "vrmwnd/util/CCMRecursoModulo.h"
#include "vrmwnd/util/CVRMWNDUtil.h"
#include "vrmwnd/util/modulo.h"

namespace {

constexpr DWORD kVisivel = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kEdit = kVisivel | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kRotulo = WS_VISIBLE | SS_LEFT;
using D = CDlgControleOrcamentario;

const DLGTEMPLATEDESC kModelo{
    "Consulta de Valores Orçados e Realizados",
    0,
    0,
    370,
    220,
    DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
    {{static_cast<UINT>(IDC_STATIC), "STATIC", "Filial:", 7, 9, 62, 8, kRotulo},
     {D::IDC_FILIAL, "EDIT", "", 72, 7, 40, 12, kEdit},
     {D::IDC_DESC_FILIAL, "STATIC", "", 130, 9, 233, 8, kRotulo},
     {static_cast<UINT>(IDC_STATIC), "STATIC", "Contábil:", 7, 25, 62, 8, kRotulo},
     {D::IDC_CLASSIFICACAO, "EDIT", "", 72, 23, 70, 12, kEdit},
     {D::IDC_DESC_CLASSIFICACAO, "STATIC", "", 160, 25, 203, 8, kRotulo},
     {static_cast<UINT>(IDC_STATIC), "STATIC", "Gerencial:", 7, 41, 62, 8, kRotulo},
     {D::IDC_GERENCIAL, "EDIT", "", 72, 39, 70, 12, kEdit},
     {D::IDC_DESC_GERENCIAL, "STATIC", "", 160, 41, 203, 8, kRotulo},
     {static_cast<UINT>(IDC_STATIC), "STATIC", "Data Inicial:", 7, 57, 62, 8, kRotulo},
     {D::IDC_DATA_INICIAL, "EDIT", "", 72, 55, 55, 12, kEdit},
     {static_cast<UINT>(IDC_STATIC), "STATIC", "Data Final:", 133, 57, 52, 8, kRotulo},
     {D::IDC_DATA_FINAL, "EDIT", "", 188, 55, 55, 12, kEdit},
     {D::IDC_ORCAMENTARIO, "BUTTON", "Orçamentário", 250, 56, 68, 10, kVisivel | BS_AUTORADIOBUTTON | WS_GROUP},
     {D::IDC_MENSAL, "BUTTON", "Mensal", 320, 56, 43, 10, kVisivel | BS_AUTORADIOBUTTON},
     {D::IDC_GRADE, CGXBrowserWnd::kClassName, "", 7, 73, 356, 118, kVisivel | WS_BORDER | WS_VSCROLL | WS_HSCROLL},
     {D::IDC_CONSULTAR, "BUTTON", "Consultar", 148, 199, 50, 14, kVisivel | BS_DEFPUSHBUTTON},
     {D::IDC_LIMPAR, "BUTTON", "Limpar", 202, 199, 50, 14, kVisivel | BS_PUSHBUTTON},
     {D::IDC_IMPRIMIR, "BUTTON", "Imprimir", 256, 199, 50, 14, kVisivel | BS_PUSHBUTTON},
     {IDCANCEL, "BUTTON", "Cancelar", 310, 199, 53, 14, kVisivel | BS_PUSHBUTTON}}};

[[maybe_unused]] const bool kModeloRegistrado =
    (AfxRegisterDialogTemplate(vrmwnd::InstanciaModulo(), CDlgControleOrcamentario::IDD, kModelo), true);

// O menu de contexto da grade: o popup "Totalizar", que a grade completa com a
// lista de colunas.
[[maybe_unused]] const bool kMenuRegistrado =
    (AfxRegisterMenuTemplate(vrmwnd::InstanciaModulo(), CDlgControleOrcamentario::IDR_MENU_GRADE,
                             {{{MF_POPUP, 0, "Totalizar", {{MF_STRING, D::ID_TOTALIZAR, "Totalizar", {}}}}}}),
     true);

[[maybe_unused]] const bool kIconeRegistrado =
    (AfxRegisterIcon(vrmwnd::InstanciaModulo(), CDlgControleOrcamentario::IDI_ORCADO_REALIZADO), true);

constexpr char kFonte[] = "DlgControleOrcamentario";

}  // namespace

BEGIN_MESSAGE_MAP(CDlgControleOrcamentario, CCMResizeDialog)
ON_EN_CHANGE(CDlgControleOrcamentario::IDC_FILIAL, &CDlgControleOrcamentario::OnChangeFilial)
ON_EN_KILLFOCUS(CDlgControleOrcamentario::IDC_DATA_INICIAL, &CDlgControleOrcamentario::OnKillFocusDataInicial)
ON_EN_KILLFOCUS(CDlgControleOrcamentario::IDC_DATA_FINAL, &CDlgControleOrcamentario::OnKillFocusDataFinal)
ON_EN_CHANGE(CDlgControleOrcamentario::IDC_CLASSIFICACAO, &CDlgControleOrcamentario::OnChangeClassificacao)
ON_BN_CLICKED(CDlgControleOrcamentario::IDC_ORCAMENTARIO, &CDlgControleOrcamentario::OnClickRadio)
ON_BN_CLICKED(CDlgControleOrcamentario::IDC_MENSAL, &CDlgControleOrcamentario::OnClickRadioMensal)
ON_BN_CLICKED(CDlgControleOrcamentario::IDC_IMPRIMIR, &CDlgControleOrcamentario::OnImprimir)
ON_BN_CLICKED(CDlgControleOrcamentario::IDC_CONSULTAR, &CDlgControleOrcamentario::OnBnClickedCmh4Consultar)
ON_BN_CLICKED(CDlgControleOrcamentario::IDC_LIMPAR, &CDlgControleOrcamentario::OnBnClickedCmh4Limpar)
ON_UPDATE_COMMAND_UI_RANGE(CDlgControleOrcamentario::ID_CONFIGURAR_LISTA,
                           CDlgControleOrcamentario::ID_CONFIGURAR_LISTA + 5,
                           &CDlgControleOrcamentario::OnUpdateConfigurarListaOrcamento)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CDlgControleOrcamentario::CDlgControleOrcamentario(CWnd* pai)
    : CCMResizeDialog(IDD, pai), CServidoresCompartilhados(nullptr) {
  SetModulo(QZ_MODULO_COMPRAS);
}

CDlgControleOrcamentario::~CDlgControleOrcamentario() {
  if (m_pGrade != nullptr && m_pGrade->m_hWnd != nullptr && ::IsWindow(m_pGrade->m_hWnd)) m_pGrade->DestroyWindow();
  delete m_pGrade;
}

CString CDlgControleOrcamentario::SecaoPerfil(const CString& strEmpresa) {
  CString s;
  s.Format("OrcadoRealizado %s", strEmpresa.GetString());
  return s;
}

HRESULT CDlgControleOrcamentario::OnInicializa(const char* szEmpresa) {
  HRESULT hr = QZVerificaHR(CServidoresCompartilhados::OnInicializa(szEmpresa), eQZFalhaSeNegativo, &m_Contexto,
                            "CDlgControleOrcamentario::OnInicializa", kFonte, __LINE__,
                            "CServidoresCompartilhados::OnInicializa()");
  if (FAILED(hr)) return hr;
  const CString strEmpresa = szEmpresa ? CString(szEmpresa) : CString(GetEmpresa().c_str());
  m_Contexto.SetProfiler(strEmpresa, static_cast<unsigned short>(GetUsuario()), GetSessao());
  hr = QZVerificaHR(m_ControleOrcamentario.Inicializa(strEmpresa, GetUsuario(), GetSessao()), eQZFalhaSeNegativo,
                    &m_Contexto, "CDlgControleOrcamentario::OnInicializa", kFonte, __LINE__,
                    "m_ControleOrcamentario.Inicializa(GetEmpresa(), GetUsuario(), GetNumeroSessao())");
  if (FAILED(hr)) return hr;
  hr = QZVerificaHR(m_TrataDadosGerencial.OnInicializa(strEmpresa), eQZFalhaSeNegativo, &m_Contexto,
                    "CDlgControleOrcamentario::OnInicializa", kFonte, __LINE__,
                    "m_TrataDadosGerencial.Inicializa(GetEmpresa(), GetUsuario(), GetNumeroSessao())");
  if (FAILED(hr)) return hr;
  // Sem configuração legível valem os padrões do módulo (nada bloqueado).
  m_Mestre.Le(*GetUsaServidor(), m_ppICMMestre);
  return hr;
}

HRESULT CDlgControleOrcamentario::OnFinaliza() {
  m_ControleOrcamentario.OnFinaliza();
  m_TrataDadosGerencial.OnFinaliza();
  return QZVerificaHR(CServidoresCompartilhados::OnFinaliza(), eQZFalhaSeNegativo, &m_Contexto,
                      "CDlgControleOrcamentario::OnFinaliza", kFonte, __LINE__,
                      "CServidoresCompartilhados::OnFinaliza()");
}

INT_PTR CDlgControleOrcamentario::DoModal() {
  CCMRecursoModulo recurso;
  return CCMResizeDialog::DoModal();
}

void CDlgControleOrcamentario::DoDataExchange(CDataExchange* pDX) {
  CCMResizeDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_FILIAL, m_Filial);
  DDX_Control(pDX, IDC_DESC_FILIAL, m_stFilial);
  DDX_Control(pDX, IDC_CLASSIFICACAO, m_ClasEmpresarial);
  DDX_Control(pDX, IDC_DESC_CLASSIFICACAO, m_stClassificacao);
  DDX_Control(pDX, IDC_GERENCIAL, m_Gerencial);
  DDX_Control(pDX, IDC_DESC_GERENCIAL, m_stGerencial);
  DDX_Control(pDX, IDC_DATA_INICIAL, m_DataInicial);
  DDX_Control(pDX, IDC_DATA_FINAL, m_DataFinal);
  DDX_Control(pDX, IDC_ORCAMENTARIO, m_rbOrcamentario);
  DDX_Control(pDX, IDC_MENSAL, m_rbMensal);
  DDX_Control(pDX, IDC_IMPRIMIR, m_btImprimir);
}

BOOL CDlgControleOrcamentario::OnInitDialog() {
  if (!EstaInicializado()) OnInicializa();
  delete m_pGrade;
  m_pGrade = new CDlgControleOrcamentarioGrid(this);
  CCMResizeDialog::OnInitDialog();
  m_Enter.Inicializa(this);
  m_Enter.SetEnterComoTab(true);
  m_pGrade->SubclassDlgItem(IDC_GRADE, this);
  HICON hIcone = AfxGetApp()->LoadIcon(IDI_ORCADO_REALIZADO);
  SetIcon(hIcone, TRUE);
  SetIcon(hIcone, FALSE);
  CanSendChangeEvents_push(false);
  PreparaControles();
  RestauraFiltro();
  m_pGrade->Initialize();
  CanSendChangeEvents_pop();
  OnChangeClassificacao();
  OnKillFocusDataInicial();
  for (UINT n : {IDC_FILIAL, IDC_DATA_INICIAL, IDC_DATA_FINAL, IDC_CLASSIFICACAO, IDC_GERENCIAL, IDC_DESC_FILIAL,
                 IDC_DESC_CLASSIFICACAO, IDC_DESC_GERENCIAL})
    SetAnchor(n, ANCHOR_LEFT | ANCHOR_RIGHT);
  SetAnchor(IDC_GRADE, ANCHOR_TOP | ANCHOR_LEFT | ANCHOR_BOTTOM | ANCHOR_RIGHT);
  for (UINT n : {static_cast<UINT>(IDCANCEL), static_cast<UINT>(IDC_IMPRIMIR), static_cast<UINT>(IDC_CONSULTAR),
                 static_cast<UINT>(IDC_LIMPAR)})
    SetAnchor(n, ANCHOR_BOTTOM | ANCHOR_RIGHT);
  EndInitDialog();
  CanSendChangeEvents_popALL(true);
  if (Filial() != 0 && m_Gerencial.GetPonteiro() != 0 && Mes(m_DataInicial) != 0)
    Atualiza();
  else
    MostraLinhas();
  return TRUE;
}

REG_QZMA CDlgControleOrcamentario::Mes(const C4_CQZEditRegDma& edit) {
  int nDia = 0, nMes = 0, nAno = 0;
  QZDMAParaData(edit.GetData(), &nDia, &nMes, &nAno);
  return nMes ? QZMA(nMes, nAno) : REG_QZMA{0};
}

unsigned short CDlgControleOrcamentario::Filial() { return m_Filial.GetPonteiro(); }

bool CDlgControleOrcamentario::Bloqueia() const {
  return m_Mestre.GetBloquearOCSuperiorOrcadoValorParcela() || m_Mestre.GetBloquearOCSuperiorOrcadoValorTotal();
}

void CDlgControleOrcamentario::PeriodoOrcamento(REG_QZMA ma, REG_QZDMA& dmaInicial, REG_QZDMA& dmaFinal) const {
  CTrataDadosOC::GetDataInicialFinalOrcamento(m_Mestre.GetMABaseOrc(), m_Mestre.GetQtdMesesOrc(), ma, dmaInicial,
                                              dmaFinal);
}

void CDlgControleOrcamentario::PoeDatas(REG_QZDMA dmaInicial, REG_QZDMA dmaFinal) {
  m_DataInicial.SetData(dmaInicial);
  m_DataFinal.SetData(dmaFinal);
}

// Marca o rádio e habilita a data final só no "Mensal".
void CDlgControleOrcamentario::AplicaRadio(bool bOrcamentario) {
  m_rbOrcamentario.SetCheck(bOrcamentario ? BST_CHECKED : BST_UNCHECKED);
  m_rbMensal.SetCheck(bOrcamentario ? BST_UNCHECKED : BST_CHECKED);
  m_DataFinal.EnableWindow(!bOrcamentario);
}

void CDlgControleOrcamentario::PreparaControles() {
  for (CStatic* p : {&m_stFilial, &m_stClassificacao, &m_stGerencial}) p->SetWindowText("");
  const CString strEmpresa = m_Contexto.GetEmpresaProfiler();
  const auto nUsuario = m_Contexto.GetUsuarioProfiler();
  const LONG lSessao = m_Contexto.GetSessaoProfiler();
  for (C4_Base* p : {static_cast<C4_Base*>(&m_Filial), static_cast<C4_Base*>(&m_ClasEmpresarial),
                     static_cast<C4_Base*>(&m_Gerencial), static_cast<C4_Base*>(&m_DataInicial),
                     static_cast<C4_Base*>(&m_DataFinal)})
    p->SetCanSendChangeEvents(&m_bCanSendChangeEvents);
  m_Filial.SetStaticCompanheiro(&m_stFilial);
  m_Filial.Inicializa(strEmpresa, nUsuario, lSessao);
  if (m_Filial.LeFiliaisAtivas() == S_OK && m_Filial.GetSoTemUmaFilialAtiva()) m_Filial.SetFilialAtivaPersonalizado();
  m_ClasEmpresarial.SetCaracteristica(0x200);
  m_ClasEmpresarial.SetTiposConta("AS");
  m_ClasEmpresarial.SetStaticCompanheiro(&m_stClassificacao);
  m_ClasEmpresarial.Inicializa(strEmpresa, nUsuario, lSessao);
  m_Gerencial.SetTiposConta("A");
  m_Gerencial.SetStaticCompanheiro(&m_stGerencial);
  m_Gerencial.Inicializa(strEmpresa, nUsuario, lSessao);
  m_btImprimir.EnableWindow(FALSE);
  m_Gerencial.EnableWindow(FALSE);
  m_rbOrcamentario.EnableWindow(Bloqueia());
  AplicaRadio(Bloqueia());
}

void CDlgControleOrcamentario::RestauraFiltro() {
  CWinApp* pApp = AfxGetApp();
  const CString strSecao = SecaoPerfil(m_Contexto.GetEmpresaProfiler());
  const bool bUmaFilial = m_Filial.GetSoTemUmaFilialAtiva();
  unsigned short iFilial = Filial();
  REG_QZMA maInicial = 0;
  long lClassificacao = 0, lGerencial = 0;
  if (m_bMovimentoSelecionado) {
    iFilial = m_iFilial;
    maInicial = m_maEmissao;
    lClassificacao = m_lClassificacao;
    lGerencial = m_lGerencial;
  } else {
    if (!bUmaFilial) iFilial = static_cast<unsigned short>(pApp->GetProfileInt(strSecao, "OR_Filial", iFilial));
    SYSTEMTIME hoje{};
    GetLocalTime(&hoje);
    maInicial = static_cast<REG_QZMA>(pApp->GetProfileInt(strSecao, "OR_DataInicial", QZMA(hoje.wMonth, hoje.wYear)));
    lClassificacao = static_cast<long>(pApp->GetProfileInt(strSecao, "OR_Classificacao", 0));
    lGerencial = static_cast<long>(pApp->GetProfileInt(strSecao, "OR_Gerencial", 0));
  }
  // Filial 0 (todas) deixa o edit vazio: o cadastro de filiais não tem a filial "0".
  if (!bUmaFilial || m_bMovimentoSelecionado) m_Filial.SetPosicao(iFilial);
  m_ClasEmpresarial.SetPosicao(static_cast<unsigned long>(lClassificacao));
  m_Gerencial.SetPosicao(static_cast<unsigned long>(lGerencial));
  int nMes = 0, nAno = 0;
  QZMAParaData(maInicial, &nMes, &nAno);
  m_DataInicial.SetData(nMes ? QZDMA(1, nMes, nAno) : 0);
  m_bTotalizar = pApp->GetProfileInt(strSecao, "OR_Totalizar", 0) != 0;
}

void CDlgControleOrcamentario::OnChangeFilial() { OnChangeClassificacao(); }

void CDlgControleOrcamentario::OnChangeClassificacao() {
  const long lClassificacao = static_cast<long>(m_ClasEmpresarial.GetPonteiro());
  SYSTEMTIME hoje{};
  GetLocalTime(&hoje);
  long nRelacoes = 0;
  if (lClassificacao != 0) {
    try {
      nRelacoes = m_TrataDadosGerencial.GetQuantidadeRelacionamentoPlanoEmpresarialGerencial(
          lClassificacao, Filial(), QZDMA(hoje.wDay, hoje.wMonth, hoje.wYear), true);
    } catch (const CQZExceptionEx&) {
      nRelacoes = 0;  // já registrada onde falhou
    }
  }
  if (nRelacoes > 0) {
    m_Gerencial.EnableWindow(TRUE);
  } else {
    CanSendChangeEvents_push(false);
    m_Gerencial.SetPosicao(0ul);
    CanSendChangeEvents_pop();
    m_Gerencial.EnableWindow(FALSE);
  }
}

void CDlgControleOrcamentario::OnKillFocusDataInicial() {
  const REG_QZMA maInicial = Mes(m_DataInicial);
  if (maInicial == 0) return;
  CanSendChangeEvents_push(false);
  REG_QZDMA dmaInicial = 0, dmaFinal = 0;
  int nMes = 0, nAno = 0;
  if (m_rbMensal.GetCheck() == BST_CHECKED) {
    m_DataFinal.EnableWindow(TRUE);
    QZMAParaData(maInicial, &nMes, &nAno);
    dmaInicial = QZDMA(1, nMes, nAno);
    const REG_QZMA maFinal = Mes(m_DataFinal) ? Mes(m_DataFinal) : maInicial;
    QZMAParaData(maFinal, &nMes, &nAno);
    dmaFinal = QZDMA(QZUltimoDiaDoMes(nMes, nAno), nMes, nAno);
  } else {
    m_DataFinal.EnableWindow(FALSE);
    PeriodoOrcamento(maInicial, dmaInicial, dmaFinal);
    m_DataFinal.SetData(dmaFinal);
  }
  m_DataInicial.SetData(dmaInicial);
  if (m_DataFinal.GetData() == 0) m_DataFinal.SetData(dmaFinal);
  CanSendChangeEvents_pop();
}

void CDlgControleOrcamentario::OnKillFocusDataFinal() {
  const REG_QZMA maInicial = Mes(m_DataInicial);
  if (maInicial == 0) return;
  if (m_rbMensal.GetCheck() == BST_CHECKED) {
    m_DataFinal.EnableWindow(TRUE);
    return;
  }
  m_DataFinal.EnableWindow(FALSE);
  REG_QZDMA dmaInicial = 0, dmaFinal = 0;
  PeriodoOrcamento(std::max(maInicial, Mes(m_DataFinal)), dmaInicial, dmaFinal);
  CanSendChangeEvents_push(false);
  m_DataFinal.SetData(dmaFinal);
  CanSendChangeEvents_pop();
}

void CDlgControleOrcamentario::OnClickRadio() {
  AplicaRadio(true);
  OnKillFocusDataInicial();
  OnKillFocusDataFinal();
  m_DataFinal.EnableWindow(FALSE);
}

void CDlgControleOrcamentario::OnClickRadioMensal() {
  const REG_QZMA maInicial = Mes(m_DataInicial), maFinal = Mes(m_DataFinal);
  if (maInicial != 0 && maFinal > maInicial + kMaximoMeses) {
    int nMes = 0, nAno = 0;
    QZMAParaData(static_cast<REG_QZMA>(maInicial + kMaximoMeses), &nMes, &nAno);
    CanSendChangeEvents_push(false);
    m_DataFinal.SetData(QZDMA(QZUltimoDiaDoMes(nMes, nAno), nMes, nAno));
    CanSendChangeEvents_pop();
  }
  AplicaRadio(false);
  OnKillFocusDataInicial();
  OnKillFocusDataFinal();
  m_DataFinal.EnableWindow(TRUE);
}

void CDlgControleOrcamentario::Avisa(unsigned long nMensagem, CWnd& foco) {
  QZMessageBoxEx(QZGetMensagem(nMensagem, "CM", 0), QZTituloModulo(QZ_MODULO_COMPRAS), MB_ICONEXCLAMATION, nullptr);
  foco.SetFocus();
}

bool CDlgControleOrcamentario::ConfereFiltro() {
  const REG_QZMA maInicial = Mes(m_DataInicial), maFinal = Mes(m_DataFinal);
  const bool bMensal = m_rbMensal.GetCheck() == BST_CHECKED;
  struct {
    bool bFalha;
    unsigned long nMensagem;
    CWnd& foco;
  } const kConferencias[] = {
      {maInicial == 0, 1940, m_DataInicial},
      {bMensal && maFinal == 0, 1941, m_DataFinal},
      {bMensal && maFinal > maInicial + kMaximoMeses, 1636, m_DataFinal},
      {bMensal && maFinal < maInicial, 1087, m_DataFinal},
      {m_ClasEmpresarial.GetPonteiro() == 0, 1356, m_ClasEmpresarial},
      {m_Gerencial.IsWindowEnabled() && m_Gerencial.GetPonteiro() == 0, 1358, m_Gerencial},
  };
  for (const auto& c : kConferencias) {
    if (!c.bFalha) continue;
    Avisa(c.nMensagem, c.foco);
    return false;
  }
  return true;
}

void CDlgControleOrcamentario::Atualiza() {
  if (!ConfereFiltro()) return;
  CWaitCursor espera;
  m_Linhas.RemoveAll();
  TQZGerencial gerencial;
  gerencial.SetPonteiroPlanoEmpresarial(static_cast<long>(m_ClasEmpresarial.GetPonteiro()));
  gerencial.SetPonteiroPlanoGerencial(static_cast<long>(m_Gerencial.GetPonteiro()));
  const bool bMensal = m_rbMensal.GetCheck() == BST_CHECKED;
  const REG_QZMA maInicial = Mes(m_DataInicial);
  REG_QZDMA dmaInicial = 0, dmaFinal = 0;
  PeriodoOrcamento(maInicial, dmaInicial, dmaFinal);
  int nDia = 0, nMes = 0, nAno = 0;
  QZDMAParaData(dmaFinal, &nDia, &nMes, &nAno);
  const REG_QZMA maFinal = bMensal ? Mes(m_DataFinal) : QZMA(nMes, nAno);
  const int nPasso = bMensal ? 1 : std::max(m_Mestre.GetQtdMesesOrc(), 1);
  for (REG_QZMA ma = maInicial; ma != 0 && ma <= maFinal; ma = static_cast<REG_QZMA>(ma + nPasso)) {
    if (bMensal) {
      QZMAParaData(ma, &nMes, &nAno);
      dmaInicial = QZDMA(1, nMes, nAno);
      dmaFinal = QZDMA(QZUltimoDiaDoMes(nMes, nAno), nMes, nAno);
    } else {
      PeriodoOrcamento(ma, dmaInicial, dmaFinal);
    }
    if (QZVerificaHR(
            m_ControleOrcamentario.VerificaOrcamentoPorDados(Filial(), dmaInicial, dmaFinal, gerencial),
            eQZFalhaSeNaoZero, &m_Contexto, "CDlgControleOrcamentario::Atualiza", kFonte, __LINE__,
            "m_ControleOrcamentario.VerificaOrcamentoPorDados(GetFilial(), dmaInicial, dmaFinal, Gerencial)") != S_OK)
      break;
    for (int k = 0; k < m_ControleOrcamentario.GetQuantidadeContas(); ++k) {
      REG_DADOS_GRID linha;
      linha.dmaInicial = m_ControleOrcamentario.GetDMAInicial(k);
      linha.dmaFinal = m_ControleOrcamentario.GetDMAFinal(k);
      linha.cyOrcado = m_ControleOrcamentario.GetSomaOrcamento(k);
      linha.cyRealizado = m_ControleOrcamentario.GetTotalUsadoOC(k);
      linha.bOrcamentoExiste = m_ControleOrcamentario.GetOrcamentoExiste(k);
      m_Linhas.Add(linha);
    }
  }
  m_ControleOrcamentario.LimpaDados();
  m_btImprimir.EnableWindow(m_Linhas.GetSize() > 0);
  MostraLinhas();
}

void CDlgControleOrcamentario::MostraLinhas() {
  if (m_pGrade == nullptr) return;
  const int nLinhas = static_cast<int>(m_Linhas.GetSize());
  CVRMWNDUtil::AtualizaGrid(m_pGrade, nLinhas, -1);
}

void CDlgControleOrcamentario::OnBnClickedCmh4Consultar() { Atualiza(); }

void CDlgControleOrcamentario::OnBnClickedCmh4Limpar() {
  CanSendChangeEvents_push(false);
  if (m_Filial.LeFiliaisAtivas() == S_OK && m_Filial.GetSoTemUmaFilialAtiva()) m_Filial.SetFilialAtivaPersonalizado();
  SYSTEMTIME hoje{};
  GetLocalTime(&hoje);
  const REG_QZMA maHoje = QZMA(hoje.wMonth, hoje.wYear);
  m_rbOrcamentario.EnableWindow(Bloqueia());
  AplicaRadio(Bloqueia());
  REG_QZDMA dmaInicial = QZDMA(1, hoje.wMonth, hoje.wYear);
  REG_QZDMA dmaFinal = QZDMA(QZUltimoDiaDoMes(hoje.wMonth, hoje.wYear), hoje.wMonth, hoje.wYear);
  if (Bloqueia()) PeriodoOrcamento(maHoje, dmaInicial, dmaFinal);
  PoeDatas(dmaInicial, dmaFinal);
  m_ClasEmpresarial.SetPosicao(0ul);
  m_Gerencial.SetPosicao(0ul);
  m_btImprimir.EnableWindow(FALSE);
  m_Linhas.RemoveAll();
  MostraLinhas();
  CanSendChangeEvents_pop();
}

void CDlgControleOrcamentario::OnTotalizar() {
  m_bTotalizar = !m_bTotalizar;
  if (m_pGrade == nullptr) return;
  m_pGrade->SetEnableTotalizacao(m_bTotalizar);
  MostraLinhas();
}

BOOL CDlgControleOrcamentario::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT nID = LOWORD(wParam);
  if (lParam == 0 && nID == ID_TOTALIZAR) {
    OnTotalizar();
    return TRUE;
  }
  if (lParam == 0 && nID >= ID_CONFIGURAR_LISTA && nID <= ID_CONFIGURAR_LISTA + 5) {
    OnConfigurarListaOrcamento(nID);
    return TRUE;
  }
  return CCMResizeDialog::OnCommand(wParam, lParam);
}

void CDlgControleOrcamentario::OnConfigurarListaOrcamento(UINT nID) {
  if (m_pGrade == nullptr) return;
  const int nColunas = m_pGrade->GetQZGrid()->GetQtdColunas();
  const int nIndice = static_cast<int>(nID) - ID_CONFIGURAR_LISTA;
  if (nIndice == nColunas) {
    for (int i = 0; i < nColunas; ++i)
      if (!m_pGrade->GetQZGrid()->GetColunaVisivel(i)) m_pGrade->ToggleColunaVisivel(i);
  } else {
    m_pGrade->ToggleColunaVisivel(nIndice);
  }
  MostraLinhas();
}

void CDlgControleOrcamentario::OnUpdateConfigurarListaOrcamento(CCmdUI* pCmdUI) {
  if (m_pGrade == nullptr) return;
  const int nIndice = static_cast<int>(pCmdUI->m_nID) - ID_CONFIGURAR_LISTA;
  if (nIndice < m_pGrade->GetQZGrid()->GetQtdColunas())
    pCmdUI->SetCheck(m_pGrade->GetQZGrid()->GetColunaVisivel(nIndice) ? 1 : 0);
}

BOOL CDlgControleOrcamentario::PreTranslateMessage(MSG* pMsg) {
  if (!m_Enter.PreTranslateMessage(pMsg)) return TRUE;
  return CCMResizeDialog::PreTranslateMessage(pMsg);
}

void CDlgControleOrcamentario::OnDestroy() {
  CWinApp* pApp = AfxGetApp();
  const CString strSecao = SecaoPerfil(m_Contexto.GetEmpresaProfiler());
  pApp->WriteProfileInt(strSecao, "OR_Filial", Filial());
  pApp->WriteProfileInt(strSecao, "OR_DataInicial", Mes(m_DataInicial));
  pApp->WriteProfileInt(strSecao, "OR_Classificacao", static_cast<int>(m_ClasEmpresarial.GetPonteiro()));
  pApp->WriteProfileInt(strSecao, "OR_Gerencial", static_cast<int>(m_Gerencial.GetPonteiro()));
  pApp->WriteProfileInt(strSecao, "OR_Totalizar", m_bTotalizar ? 1 : 0);
  CCMResizeDialog::OnDestroy();
}

void CDlgControleOrcamentario::OnImprimir() {
  if (m_pGrade == nullptr) return;
  CWaitCursor espera;
  T_Lista<CString> cabecalho;
  CString strLinha;
  GetWindowText(strLinha);
  cabecalho.Add(strLinha);
  cabecalho.Add("Empresa: " + m_Contexto.GetEmpresaProfiler());
  strLinha.Format("Usuário: %u", static_cast<unsigned>(m_Contexto.GetUsuarioProfiler()));
  cabecalho.Add(strLinha);
  strLinha.Format("Sessão: %ld", static_cast<long>(m_Contexto.GetSessaoProfiler()));
  cabecalho.Add(strLinha);
  _RegContaPS RegConta;
  if (m_ClasEmpresarial.GetPonteiro() != 0) {
    QZVerificaHR(GetUsaServidor()->LeDFPlano(m_ppIPlano, static_cast<long>(m_ClasEmpresarial.GetPonteiro()), &RegConta),
                 eQZFalhaSeNaoZero, &m_Contexto, "CDlgControleOrcamentario::OnImprimir", kFonte, __LINE__,
                 "GetUsaServidor()->LeDFPlano(m_ppIPlano, m_ClasEmpresarial.GetPonteiro(), &RegConta)");
    strLinha.Format("Classificação: %s - %s", std::string(RegConta.szCodigo()).c_str(),
                    std::string(RegConta.szDescricao()).c_str());
    cabecalho.Add(strLinha);
  }
  if (m_Gerencial.GetPonteiro() != 0) {
    QZVerificaHR(GetUsaServidor()->LeDFPlano(m_ppIPlano, static_cast<long>(m_Gerencial.GetPonteiro()), &RegConta, true),
                 eQZFalhaSeNaoZero, &m_Contexto, "CDlgControleOrcamentario::OnImprimir", kFonte, __LINE__,
                 "GetUsaServidor()->LeDFPlano(m_ppIGerencial, m_Gerencial.GetPonteiro(), &RegConta, true)");
    strLinha.Format("Gerencial: %s - %s", std::string(RegConta.szCodigo()).c_str(),
                    std::string(RegConta.szDescricao()).c_str());
    cabecalho.Add(strLinha);
  }
  m_strImpresso = m_pGrade->Imprimir(cabecalho);
}
