// O diálogo da chave de documento: o modelo 1019, a máscara de cada forma, o OK que
// só se habilita com uma chave digitada e a chave montada ao sair do edit.
#include "vrmwnd/dialogs/CDlgChave.h"

#include <cstdio>

#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/base/datas.h"
#include "vrmwnd/util/CCMRecursoModulo.h"
#include "vrmwnd/util/modulo.h"

namespace {

constexpr DWORD kVisivel = WS_VISIBLE | WS_TABSTOP;

const DLGTEMPLATEDESC kModelo{
    "Compras - Chave",
    0,
    0,
    115,
    41,
    DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
    {{IDOK, "BUTTON", "OK", 6, 20, 50, 14, kVisivel | BS_DEFPUSHBUTTON},
     {IDCANCEL, "BUTTON", "Cancelar", 57, 20, 51, 14, kVisivel | BS_PUSHBUTTON},
     {static_cast<UINT>(IDC_STATIC), "STATIC", "Chave: ", 7, 9, 44, 8, WS_VISIBLE | SS_LEFT},
     {CDlgChave::IDC_CHAVE, "EDIT", "", 55, 3, 52, 14, kVisivel | WS_BORDER | ES_AUTOHSCROLL}}};

[[maybe_unused]] const bool kModeloRegistrado =
    (AfxRegisterDialogTemplate(vrmwnd::InstanciaModulo(), CDlgChave::IDD, kModelo), true);

constexpr char kChaveVazia[] = "0000-000000";

// Os dígitos do começo do texto como número (nenhum dá 0), cortado a 32 bits.
std::uint64_t NumeroDoComeco(const CString& strTexto) {
  std::uint64_t n = 0;
  for (int i = 0; i < strTexto.GetLength() && strTexto[i] >= '0' && strTexto[i] <= '9'; ++i)
    n = (n * 10 + static_cast<std::uint64_t>(strTexto[i] - '0')) & 0xFFFFFFFFu;
  return n;
}

// O código do mês de "MMAA", "MM-AA", "MM/AAAA"...; 0 quando não é um mês válido.
REG_QZMA MesAnoDe(CString strMesAno) {
  strMesAno.Trim();
  strMesAno.Replace('-', '/');
  if (strMesAno.Find('/') < 0 && (strMesAno.GetLength() == 4 || strMesAno.GetLength() == 6)) strMesAno.Insert(2, '/');
  int nMes = 0, nAno = 0;
  if (std::sscanf(strMesAno.GetString(), "%d/%d", &nMes, &nAno) != 2) return 0;
  return QZMA(nMes, nAno);
}

}  // namespace

BEGIN_MESSAGE_MAP(CDlgChave, CQZDialog)
ON_EN_KILLFOCUS(CDlgChave::IDC_CHAVE, &CDlgChave::OnKillfocusChave)
ON_EN_CHANGE(CDlgChave::IDC_CHAVE, &CDlgChave::OnChangeChave)
ON_MESSAGE(WM_SHOWWINDOW, &CDlgChave::OnMensagemShowWindow)
END_MESSAGE_MAP()

CDlgChave::CDlgChave(REG_QZDMC::MOVIMENTOS_DMC eMovimento, CWnd* pPai)
    : CQZDialog(IDD, pPai), CServidoresCompartilhados(nullptr), m_eMovimento(eMovimento) {
  SetModulo(QZ_MODULO_COMPRAS);
}

INT_PTR CDlgChave::DoModal() {
  CCMRecursoModulo recurso;
  return CQZDialog::DoModal();
}

REG_QZDMC CDlgChave::MontaChave(const CString& strTexto, int nTipo, REG_QZDMC::MOVIMENTOS_DMC eMovimento) {
  REG_QZDMC chave;
  if (nTipo == TIPO_NUMERO) {
    chave.SetValor(NumeroDoComeco(strTexto) << 14);
    return chave;
  }
  const REG_QZMA ma = MesAnoDe(strTexto.Left(4));
  const std::uint64_t nNumero = NumeroDoComeco(strTexto.GetLength() > 6 ? strTexto.Right(6) : strTexto);
  chave.SetValor((std::uint64_t{ma} << 46) | (nNumero << 14) | (std::uint64_t{eMovimento & 0xFFFu} << 2) |
                 (ma != 0 ? QZDMC_TIPO_MA : QZDMC_TIPO_NENHUM));
  return chave;
}

BOOL CDlgChave::OnInitDialog() {
  CDialog::OnInitDialog();
  m_editChave.SetMascara(m_strMascara);
  m_btnOK.EnableWindow(FALSE);
  AtualizaCampos();
  return TRUE;
}

void CDlgChave::AtualizaCampos() {
  if (m_nTipo == TIPO_MES_ANO_NUMERO) m_strMascara = "9999-999999";
  if (m_nTipo == TIPO_NUMERO) m_strMascara = "000000";
  m_editChave.SetMascara(0, m_strMascara, m_nTipo == TIPO_MES_ANO_NUMERO ? 1 : 0);
}

void CDlgChave::OnOK() { EndDialog(IDOK); }
void CDlgChave::OnCancel() { EndDialog(IDCANCEL); }

void CDlgChave::DoDataExchange(CDataExchange* pDX) {
  CQZDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_CHAVE, m_editChave);
  DDX_Control(pDX, IDOK, m_btnOK);
}

void CDlgChave::OnChangeChave() {
  const CString strTexto = m_editChave.GetText();
  if (m_nTipo == TIPO_MES_ANO_NUMERO) m_btnOK.EnableWindow(strTexto != kChaveVazia);
  if (m_nTipo == TIPO_NUMERO) m_btnOK.EnableWindow(!strTexto.IsEmpty());
}

void CDlgChave::OnKillfocusChave() {
  if (!m_bContinueModal && m_nModalResult == IDCANCEL) return;  // o Cancelar não muda a chave
  const CString strTexto = m_editChave.GetText();
  if (strTexto.IsEmpty() || (m_nTipo != TIPO_MES_ANO_NUMERO && m_nTipo != TIPO_NUMERO)) return;
  m_qzdmc = MontaChave(strTexto, m_nTipo, m_eMovimento);
}

void CDlgChave::OnShowWindow(BOOL bShow, UINT) {
  if (bShow && m_editChave.m_hWnd != nullptr) GotoDlgCtrl(&m_editChave);
}

LRESULT CDlgChave::OnMensagemShowWindow(WPARAM wParam, LPARAM lParam) {
  Default();
  OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
  return 0;
}
