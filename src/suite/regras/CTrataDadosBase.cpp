// A base das regras: a regra de local da entrada em estoque, a leitura das
// configurações mestras, o lançamento das falhas de leitura e as regras gerenciais
// sobre as mesmas interfaces.
#include "vrmwnd/suite/regras/CTrataDadosBase.h"

#include "vrmwnd/base/QZException.h"
#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/suite/registros/TCMREQualEntradaEstoque.h"
#include "vrmwnd/suite/regras/CTrataDadosGerencial.h"

CTrataDadosBase::CTrataDadosBase(CQZTimer* pTimer, const IQZDF_Profiler* pContexto)
    : CServidoresCompartilhados(pTimer), m_pContexto(pContexto) {}

CTrataDadosBase::~CTrataDadosBase() = default;

CTrataDadosGerencial& CTrataDadosBase::GetTrataDadosGerencial() {
  if (!m_pTrataDadosGerencial) {
    m_pTrataDadosGerencial = std::make_unique<CTrataDadosGerencial>(GetTimer(), m_pContexto);
    // Lê pelas interfaces deste objeto: ligado ou não, é o mesmo banco.
    m_pTrataDadosGerencial->m_ppIPlano = m_ppIPlano;
  }
  m_pTrataDadosGerencial->SetContextoProfiler(m_pContexto);
  return *m_pTrataDadosGerencial;
}

TCMREQualEntradaEstoque CTrataDadosBase::GetLocalEntradaEstoqueObrigatorio(BYTE byTipo, BYTE byTipoOperacao,
                                                                           WORD iLocal, ULONG lMovimentoOrigem) {
  const bool bDevolucao = byTipoOperacao == 4 || byTipoOperacao == 5;
  // Os tipos do catálogo; numa devolução ou retorno, sem a consignação.
  const TCMREQualEntradaEstoque catalogo;
  T_Lista<TCMREQualEntradaEstoqueTipo> tipos;
  for (const TCMREQualEntradaEstoqueTipo& tipo : catalogo.GetListaTipo())
    if (!bDevolucao || tipo.GetTipo() != CM_ENTRADA_ESTOQUE_CONSIGNACAO) tipos.Add(tipo);
  TCMREQualEntradaEstoque regra(tipos);

  const bool bMovimenta = byTipo == CM_ENTRADA_ESTOQUE_ENTRADA || byTipo == CM_ENTRADA_ESTOQUE_CONSIGNACAO;
  const bool bSaiDaOrigem = bDevolucao && byTipo == CM_ENTRADA_ESTOQUE_ENTRADA;
  if (bSaiDaOrigem)
    regra.SetTipo(QUAL_ENTRADA_MOVIMENTO_ORIGEM);
  else if (bMovimenta)
    regra.SetTipo(QUAL_ENTRADA_LOCAL_OBRIGATORIO);
  regra.SetUsaSaidaMovOriEstoque(bSaiDaOrigem ? 1 : 0);
  regra.SetPonteiroLocal(iLocal);

  CString strMensagem;
  if (!regra.PermiteTipo(byTipo))
    strMensagem.Format("O tipo de entrada em estoque %u não é permitido para esta operação.",
                       static_cast<unsigned>(byTipo));
  else if (regra.GetLocalObrigatorio() && iLocal == 0)
    strMensagem = "Informe o local de estocagem da entrada em estoque.";
  else if (bSaiDaOrigem && lMovimentoOrigem == 0)
    strMensagem = "Informe o movimento de estoque de origem da devolução.";
  regra.SetMensagem(strMensagem);
  return regra;
}

HRESULT CTrataDadosBase::OnLerParametros() {
  return QZ_VERIFICA_HR(m_pContexto, eQZFalhaSeNaoZero, m_DadosCM_Mestre.Le(*GetUsaServidor(), m_ppICMMestre));
}

void CTrataDadosBase::LancaFalha(HRESULT hr, long lLocal, const char* szFonte, int nLinha) const {
  const CString strEmpresa = m_pContexto ? m_pContexto->GetEmpresaProfiler() : CString();
  throw CQZExceptionEx(hr, lLocal, QZ_MODULO_COMPRAS, strEmpresa, szFonte, nLinha, QZ_COMPILACAO);
}
