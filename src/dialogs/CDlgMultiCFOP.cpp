// A relação de CFOPs (modelo 13024): as naturezas de operação da filial juntadas numa
// lista, cada linha com o código na máscara, o nome e o número da filial.
#include "vrmwnd/base/datas.h"
#include "vrmwnd/dialogs/CDlgMultiSelecao.h"
#include "vrmwnd/suite/leiautes/REG_FILIALPS.h"
#include "vrmwnd/suite/leiautes/_REG_NATUREZAPS.h"
#include "vrmwnd/suite/regras/CVRMSVRUtil.h"
#include "vrmwnd/util/modulo.h"
#include "modelo_multi.h"

namespace {

[[maybe_unused]] const bool kModeloRegistrado =
    (AfxRegisterDialogTemplate(
         vrmwnd::InstanciaModulo(), CDlgMultiCFOP::IDD,
         vrmwnd::dialogos::ModeloMulti({"Relação de CFOPs", IDC_STATIC, "CFOP", CDlgMultiCFOP::IDC_GRADE, IDC_STATIC,
                                        "CFOP:", CDlgMultiCFOP::IDC_EDIT_NATUREZA, CDlgMultiCFOP::IDC_DESCRICAO,
                                        CDlgMultiCFOP::IDC_ADICIONAR, CDlgMultiCFOP::IDC_REMOVER})),
     true);

constexpr char kProdutoServico = 'P';
constexpr long kLocalLeNatureza = 131011;
constexpr long kLocalLeFilial = 131012;

const CDlgMultiSelecao::TColuna kColunas[] = {
    {"Código", 70, QZALINHA_DIREITA}, {"Nome", 180, QZALINHA_ESQUERDA}, {"Filial", 30, QZALINHA_DIREITA}};

}  // namespace

BEGIN_MESSAGE_MAP(CDlgMultiCFOP, CDlgMultiSelecao)
ON_BN_CLICKED(CDlgMultiCFOP::IDC_ADICIONAR, &CDlgMultiCFOP::OnAdicionar)
ON_BN_CLICKED(CDlgMultiCFOP::IDC_REMOVER, &CDlgMultiCFOP::OnRemover)
END_MESSAGE_MAP()

CDlgMultiCFOP::CDlgMultiCFOP(CWnd* pPai) : CDlgMultiSelecao(IDD, pPai, "DlgMultiCFOP", IDC_GRADE) {
  m_nMensagemDuplicado = 1910;
  m_nMensagemVazio = 1911;
}

const CDlgMultiSelecao::TColuna& CDlgMultiCFOP::GetColuna(int nColuna) const { return kColunas[nColuna]; }

void CDlgMultiCFOP::DoDataExchange(CDataExchange* pDX) {
  CDlgMultiSelecao::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ADICIONAR, m_btAdicionar);
  DDX_Control(pDX, IDC_EDIT_NATUREZA, m_edNatureza);
}

BOOL CDlgMultiCFOP::OnInitDialog() {
  CDlgMultiSelecao::OnInitDialog();
  SetDlgItemText(IDC_DESCRICAO, "");
  m_edNatureza.SetStaticCompanheiro(GetDlgItem(IDC_DESCRICAO));
  m_edNatureza.SetProdutoServico(kProdutoServico);
  m_edNatureza.SetFilial(m_iFilial);
  m_edNatureza.Inicializa(CQZInicializador::GetEmpresa().c_str(),
                          static_cast<unsigned short>(CQZInicializador::GetUsuario()), CQZInicializador::GetSessao());
  AtualizaGrade();
  return TRUE;
}

unsigned long CDlgMultiCFOP::GetPosicaoEdit() {
  unsigned short iNatureza = 0;
  m_edNatureza.GetPosicao(iNatureza);
  return iNatureza;
}

void CDlgMultiCFOP::PoeNoEdit(unsigned long lCodigo) {
  m_edNatureza.SetPosicao(static_cast<unsigned short>(lCodigo), QZDMA_MAXIMA);
}

void CDlgMultiCFOP::LeLinha(int nRegistro, CString* pTextos) {
  _REG_NATUREZAPS rNatureza;
  HRESULT hr = GetUsaServidor()->LeDFNaturezas(m_ppICFOP, m_Codigos[nRegistro], &rNatureza);
  if (hr != S_OK)
    MostraFalha(hr, kLocalLeNatureza, "GetUsaServidor()->LeDFNaturezas(m_ppICFOP, iNatureza, &rNatureza)", __LINE__);
  REG_CN_FILIALPS rFilial;
  hr = GetUsaServidor()->LeCNFilial(m_ppIFilial, rNatureza.iPonteiroFilial(), &rFilial);
  if (hr != S_OK)
    MostraFalha(hr, kLocalLeFilial, "GetUsaServidor()->LeCNFilial(m_ppIFilial, iPonteiroFilial, &rFilial)", __LINE__);
  CString strCodigo;
  strCodigo.Format("%ld", static_cast<long>(rNatureza.lCodigo()));
  pTextos[0] = CVRMSVRUtil::FormataMascara(strCodigo, m_strMascara);
  pTextos[1] = CString(std::string(rNatureza.szNome()).c_str());
  pTextos[2].Format("%u", static_cast<unsigned>(rFilial.iNumero()));
}
