// O lado do chamador do diálogo dos títulos das retenções: a ligação das regras e da
// tela gerencial, com as falhas no log de erros, e a consistência de cada título.
#include "vrmwnd/dialogs/CDlgTitulos.h"

#include "CDlgTitulosImpl.h"

#include "vrmwnd/base/QZException.h"
#include "vrmwnd/suite/mensagens/QZMens.h"
#include "vrmwnd/suite/registros/TQZCMConsisteRetorno.h"
#include "vrmwnd/util/CCMRecursoModulo.h"
#include "vrmwnd/util/modulo.h"

namespace {

constexpr const char* kFonte = "DlgTitulos";

}  // namespace

const char* const CDlgTitulos::kTitulo = "Tarvo Compras - Retenções de Impostos";

void MostraExcecaoTitulos(const CQZExceptionEx& e) {
  QZTrataErro2(e.GetResultado(), e.GetLocal(), e.GetModulo(), e.GetEmpresa(), e.GetArquivo(), e.GetLinha(),
               e.GetCompilacao(), false, nullptr, vrmwnd::kArquivoModulo);
}

int CDlgTitulos::DoModal() {
  CCMRecursoModulo recurso;
  const T_Lista<TCMTituloImposto> antes = m_Titulos;
  CDlgTitulosImpl dlg(this, m_pPai);
  const int nResultado = static_cast<int>(dlg.DoModal());
  if (nResultado != IDOK) m_Titulos = antes;
  return nResultado;
}

CDlgTitulos::CDlgTitulos(CQZTimer* pTimer, CWnd* pPai)
    : CTrataDadosBase(pTimer), m_TrataDadosGerencial(pTimer), m_pPai(pPai) {
  SetContextoProfiler(this);
}

CDlgTitulos::~CDlgTitulos() = default;

HRESULT CDlgTitulos::OnInicializa(const char* szEmpresa) {
  const CString strEmpresa = szEmpresa != nullptr ? CString(szEmpresa) : GetEmpresaProfiler();
  if (GetEmpresaProfiler().IsEmpty()) SetProfiler(strEmpresa, GetUsuarioProfiler(), GetSessaoProfiler());
  HRESULT hr =
      QZVerificaHR(CTrataDadosBase::OnInicializa(strEmpresa.IsEmpty() ? nullptr : strEmpresa.GetString()),
                   eQZFalhaSeNaoZero, this, "CDlgTitulos::OnInicializa", kFonte, __LINE__, "__super::OnInicializa()");
  if (hr != 0) return hr;
  m_TrataDadosGerencial.SetMostrarMensagens(GetPodeMostrarMensagens());
  return QZVerificaHR(m_TrataDadosGerencial.Inicializa(this), eQZFalhaSeNaoZero, this, "CDlgTitulos::OnInicializa",
                      kFonte, __LINE__, "m_TrataDadosGerencial.Inicializa(this)");
}

HRESULT CDlgTitulos::OnFinaliza() {
  const HRESULT hr =
      QZVerificaHR(CServidoresCompartilhados::OnFinaliza(), eQZFalhaSeNaoZero, this, "CDlgTitulos::OnFinaliza", kFonte,
                   __LINE__, "CServidoresCompartilhados::OnFinaliza()");
  if (hr != 0) return hr;
  return QZVerificaHR(m_TrataDadosGerencial.Finaliza(), eQZFalhaSeNaoZero, this, "CDlgTitulos::OnFinaliza", kFonte,
                      __LINE__, "m_TrataDadosGerencial.Finaliza()");
}

const TCMTituloImposto* CDlgTitulos::GetTituloAnterior(int i) const {
  const TCMTituloImposto& titulo = m_Titulos.GetAt(i);
  return GetPtrTituloAtual(m_pCondicaoPagamento, titulo.GetTipoImposto(), titulo.GetParcela());
}

bool CDlgTitulos::FaltaDados(int i) {
  TQZCMConsisteRetorno retorno;
  try {
    retorno = ConsisteDadosTitulo_oitc(m_chaveMovimento, m_dmaEntrada, m_byAnteriorIncompleta, i, m_Titulos.GetAt(i),
                                       GetTituloAnterior(i));
  } catch (const CQZExceptionEx& e) {
    MostraExcecaoTitulos(e);
  }
  return retorno.GetTipo() != 0;
}
