// A relação de contas (modelo 13017): contas de um tipo juntadas numa lista, com os
// textos e as mensagens do tipo. Uma conta sintética ('T') entra como as analíticas
// debaixo dela e sai levando as que estão listadas.
#include "modelo_multi.h"
#include "vrmwnd/dialogs/CDlgMultiSelecao.h"
#include "vrmwnd/suite/leiautes/_RegContaPS.h"
#include "vrmwnd/util/modulo.h"

namespace {

[[maybe_unused]] const bool kModeloRegistrado =
    (AfxRegisterDialogTemplate(
         vrmwnd::InstanciaModulo(), CDlgMultiFornecedor::IDD,
         vrmwnd::dialogos::ModeloMulti({"Contas", CDlgMultiFornecedor::IDC_GRUPO, "Fornecedores",
                                        CDlgMultiFornecedor::IDC_GRADE, CDlgMultiFornecedor::IDC_ROTULO, "Fornecedor:",
                                        CDlgMultiFornecedor::IDC_EDIT_CONTA, CDlgMultiFornecedor::IDC_DESCRICAO,
                                        CDlgMultiFornecedor::IDC_ADICIONAR, CDlgMultiFornecedor::IDC_REMOVER})),
     true);

constexpr char kSintetica = 'T';
constexpr long kLocalLePlano = 131021;
constexpr long kLocalSubordinadas = 131022;

const CDlgMultiSelecao::TColuna kColunas[] = {{"Código", 70, QZALINHA_DIREITA}, {"Nome", 180, QZALINHA_ESQUERDA}};

// Os textos e as mensagens de cada tipo de conta.
struct TTipoContas {
  const char* szRotulo;
  const char* szGrupo;
  const char* szTitulo;
  unsigned long nDuplicado, nVazio;
};

const TTipoContas& TipoContas(bool bGerencial, int nCaracteristica) {
  static const TTipoContas kGerencial{"Gerencial:", "Gerenciais", "Relação de Gerenciais", 1384, 1390};
  static const struct {
    int nCaracteristica;
    TTipoContas tipo;
  } kPlanoDeContas[] = {
      {12, {"Cliente/Fornec.:", "Clientes/Fornecedores", "Relação de Clientes e Fornecedores", 1380, 1386}},
      {8, {"Fornecedor:", "Fornecedores", "Relação de Fornecedores", 1371, 1385}},
      {4, {"Cliente:", "Clientes", "Relação de Clientes", 1381, 1387}},
      {16, {"Transportadora:", "Transportadoras", "Relação de Transportadoras", 1382, 1388}},
  };
  static const TTipoContas kClassificacao{"Classificação:", "Classificações", "Relação de Classificações", 1383, 1389};
  if (bGerencial) return kGerencial;
  for (const auto& c : kPlanoDeContas)
    if (c.nCaracteristica == nCaracteristica) return c.tipo;
  return kClassificacao;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDlgMultiFornecedor, CDlgMultiSelecao)
ON_BN_CLICKED(CDlgMultiFornecedor::IDC_ADICIONAR, &CDlgMultiFornecedor::OnAdicionar)
ON_BN_CLICKED(CDlgMultiFornecedor::IDC_REMOVER, &CDlgMultiFornecedor::OnRemover)
END_MESSAGE_MAP()

CDlgMultiFornecedor::CDlgMultiFornecedor(CWnd* pPai) : CDlgMultiSelecao(IDD, pPai, "DlgMultiFornecedor", IDC_GRADE) {}

const char* CDlgMultiFornecedor::GetTitulo(char cTipoConta, int nCaracteristica) {
  return TipoContas(cTipoConta != 'C', nCaracteristica).szTitulo;
}

const CDlgMultiSelecao::TColuna& CDlgMultiFornecedor::GetColuna(int nColuna) const { return kColunas[nColuna]; }

void CDlgMultiFornecedor::DoDataExchange(CDataExchange* pDX) {
  CDlgMultiSelecao::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_EDIT_CONTA, m_edConta);
}

BOOL CDlgMultiFornecedor::OnInitDialog() {
  CDlgMultiSelecao::OnInitDialog();
  SetDlgItemText(IDC_DESCRICAO, "");
  const TTipoContas& tipo = TipoContas(EhGerencial(), m_nCaracteristica);
  SetDlgItemText(IDC_ROTULO, tipo.szRotulo);
  SetDlgItemText(IDC_GRUPO, tipo.szGrupo);
  SetWindowText(tipo.szTitulo);
  m_nMensagemDuplicado = tipo.nDuplicado;
  m_nMensagemVazio = tipo.nVazio;
  // As contas gerenciais não têm característica: ela só filtra o plano de contas.
  m_edConta.SetPlanoGerencial(EhGerencial());
  m_edConta.SetCaracteristica(EhGerencial() ? 0 : m_nCaracteristica);
  m_edConta.SetStaticCompanheiro(GetDlgItem(IDC_DESCRICAO));
  m_edConta.SetTiposConta(m_strTextoTipoConta);
  m_edConta.Inicializa(CQZInicializador::GetEmpresa().c_str(),
                       static_cast<unsigned short>(CQZInicializador::GetUsuario()), CQZInicializador::GetSessao());
  AtualizaGrade();
  return TRUE;
}

unsigned long CDlgMultiFornecedor::GetPosicaoEdit() {
  unsigned long lConta = 0;
  m_edConta.GetPosicao(lConta);
  return lConta;
}

void CDlgMultiFornecedor::PoeNoEdit(unsigned long lCodigo) {
  m_edConta.SetPosicao(lCodigo);
  m_edConta.SetStaticText();
}

void CDlgMultiFornecedor::Acrescenta(unsigned long lCodigo) {
  if (m_edConta.GetTipoCorrente() != kSintetica) {
    m_Codigos.Add(lCodigo);
    return;
  }
  CArray<unsigned long> subordinadas;
  if (m_edConta.GetPosicoes(&subordinadas) < 0) {
    MostraFalha(E_FAIL, kLocalSubordinadas, "m_edConta.GetPosicoes(&subordinadas)", __LINE__);
    return;
  }
  for (unsigned long l : subordinadas)
    if (!ExisteNaLista(l)) m_Codigos.Add(l);
}

void CDlgMultiFornecedor::Tira(int nIndice) {
  const unsigned long lConta = m_Codigos[nIndice];
  m_Codigos.RemoveAt(nIndice);
  PoeNoEdit(lConta);
  if (m_edConta.GetTipoCorrente() != kSintetica) return;
  CArray<unsigned long> subordinadas;
  if (m_edConta.GetPosicoes(&subordinadas) < 0) {
    MostraFalha(E_FAIL, kLocalSubordinadas, "m_edConta.GetPosicoes(&subordinadas)", __LINE__);
    return;
  }
  for (unsigned long l : subordinadas)
    for (INT_PTR i = m_Codigos.GetSize() - 1; i >= 0; --i)
      if (m_Codigos[i] == l) m_Codigos.RemoveAt(i);
}

void CDlgMultiFornecedor::LeLinha(int nRegistro, CString* pTextos) {
  _RegContaPS rConta;
  const HRESULT hr =
      GetUsaServidor()->LeDFPlano(m_ppIPlano, static_cast<long>(m_Codigos[nRegistro]), &rConta, EhGerencial());
  if (hr != S_OK)
    MostraFalha(hr, kLocalLePlano, "GetUsaServidor()->LeDFPlano(m_ppIPlano, lConta, &rConta, bGerencial)", __LINE__);
  pTextos[0] = CString(std::string(rConta.szCodigo()).c_str());
  pTextos[1] = CString(std::string(rConta.szDescricao()).c_str());
}
