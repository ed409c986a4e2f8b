// O título no diálogo dos títulos das retenções: guardado pela consistência (o foco
// vai ao campo que o tipo do problema aponta), a saída do histórico que acerta o
// complemento, o OK que para no primeiro título que falta dado, e as duas
// notificações do edit de classificação: o rateio gerencial da linha e a
// classificação que mudou.
#include <cstdlib>

#include "CDlgTitulosImpl.h"
#include "vrmwnd/base/QZException.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/util/CVRMWNDUtil.h"

void CDlgTitulosImpl::SelecionaTitulo(int i) {
  CVRMWNDUtil::AtualizaGrid(m_pGradeTitulos, m_pDono->GetQuantidadeTitulo(), i);
}

int CDlgTitulosImpl::SelecionaPrimeiroIncompleto() {
  for (int i = 0; i < m_pDono->GetQuantidadeTitulo(); ++i) {
    if (!m_pDono->FaltaDados(i)) continue;
    SelecionaTitulo(i);
    return i;
  }
  return -1;
}

TCMTituloImposto CDlgTitulosImpl::MontaTitulo() {
  TCMTituloImposto titulo = m_pDono->GetTitulo(m_nTituloAtual);
  CString strCodigo;
  m_edCodigoReceita.GetWindowText(strCodigo);
  titulo.SetCodigoReceita(std::atol(strCodigo));
  unsigned long lCedente = 0;
  m_edCedente.GetPosicao(lCedente);
  titulo.SetCedente(static_cast<long>(lCedente));
  unsigned short iHistorico = 0;
  m_edHistorico.GetPosicao(iHistorico);
  titulo.SetPonteiroHistorico(iHistorico);
  titulo.SetComplementoHistorico(m_edComplemento.GetText());
  long lDocumento = 0;
  m_edTipoDocumento.GetPosicao(lDocumento);
  titulo.SetPonteiroTipoDocumento(static_cast<unsigned short>(lDocumento));
  titulo.SetRegDataVencimento(m_edVencimento.GetData());
  return titulo;
}

void CDlgTitulosImpl::MostraConsistenciaTitulo(const TQZCMConsisteRetorno& retorno) {
  CWnd* pFoco = nullptr;
  int nLinha = -1;
  switch (retorno.GetTipo()) {
    case 2:
      pFoco = &m_edValorRateio;
      nLinha = static_cast<int>(retorno.GetValorItem("RateioTitulo"));
      break;
    case 3:
      pFoco = &m_edClassificacao;
      nLinha = static_cast<int>(retorno.GetValorItem("RateioTitulo"));
      break;
    case 6: pFoco = &m_edCodigoReceita; break;
    case 7:
    case 8: pFoco = &m_edCedente; break;
    case 9:
    case 10: pFoco = &m_edTipoDocumento; break;
    case 11: pFoco = &m_edValorRateio; break;
    case 12: pFoco = &m_edFilial; break;
    case 14: pFoco = &m_edVencimento; break;
    case 15:
      pFoco = &m_edValorRateio;
      nLinha = 0;
      break;
    default: return;
  }
  CVRMWNDUtil::MensagemGrid(&retorno, nLinha >= 0, nullptr, 0, this, pFoco, m_pGradeRateio, nLinha, nullptr, 0, nullptr,
                            0);
}

bool CDlgTitulosImpl::ConsisteTitulo(int i, const TCMTituloImposto& titulo) {
  TQZCMConsisteRetorno retorno;
  try {
    retorno =
        m_pDono->ConsisteDadosTitulo_oitc(m_pDono->GetChaveMovimento(), m_pDono->GetDataEntrada(),
                                          m_pDono->GetAnteriorIncompleta(), i, titulo, m_pDono->GetTituloAnterior(i));
  } catch (const CQZExceptionEx& e) {
    MostraExcecaoTitulos(e);
    return true;
  }
  if (retorno.GetTipo() == 0) return true;
  MostraConsistenciaTitulo(retorno);
  return false;
}

void CDlgTitulosImpl::LimpaTitulo() {
  m_edCodigoReceita.SetWindowText("");
  m_edCedente.SetPosicao(0UL);
  m_edHistorico.SetPosicao(static_cast<unsigned short>(0));
  m_edComplemento.SetText("");
  m_edTipoDocumento.SetPosicao(0);
  m_edVencimento.SetData(0);
  m_edValorTotal.SetValor(g_cyZero);
  for (CStatic* p : {&m_stCedente, &m_stTipoDocumento}) p->SetWindowText("");
  m_nTituloAtual = -1;
  LimpaRateio();
  CVRMWNDUtil::AtualizaGrid(m_pGradeRateio, 0, -1);
  HabilitaCampos(false);
}

void CDlgTitulosImpl::OnAlterarTitulo() {
  if (m_nTituloAtual < 0) return;
  const int i = m_nTituloAtual;
  const TCMTituloImposto titulo = MontaTitulo();
  if (!ConsisteTitulo(i, titulo)) return;
  m_pDono->SetTitulo(i, titulo);
  LimpaTitulo();
  CVRMWNDUtil::AtualizaGrid(m_pGradeTitulos, m_pDono->GetQuantidadeTitulo(), -1);
  if (SelecionaPrimeiroIncompleto() < 0) Foca(*m_pGradeTitulos);
}

void CDlgTitulosImpl::OnKillFocusHistorico() {
  unsigned short iHistorico = 0;
  const CString strAtual = m_edComplemento.GetText();
  const CString strEsperado = m_edHistorico.GetPosicao(iHistorico) && iHistorico != 0 ? TextoHistorico(iHistorico)
                                                                                      : CString(kSemHistoricoTitulo);
  if (strAtual != strEsperado) m_edComplemento.SetText(strEsperado);
}

void CDlgTitulosImpl::OnOK() {
  for (int i = 0; i < m_pDono->GetQuantidadeTitulo(); ++i) {
    if (!m_pDono->FaltaDados(i)) continue;
    SelecionaTitulo(i);
    ConsisteTitulo(i, m_pDono->GetTitulo(i));
    return;
  }
  Finaliza();
  CQZDFProfilerDialog::OnOK();
}

void CDlgTitulosImpl::OnCancel() {
  Finaliza();
  CQZDFProfilerDialog::OnCancel();
}

void CDlgTitulosImpl::Finaliza() {
  for (CBaseEditExDF* p :
       {static_cast<CBaseEditExDF*>(&m_edCedente), static_cast<CBaseEditExDF*>(&m_edHistorico),
        static_cast<CBaseEditExDF*>(&m_edComplemento), static_cast<CBaseEditExDF*>(&m_edTipoDocumento),
        static_cast<CBaseEditExDF*>(&m_edFilial), static_cast<CBaseEditExDF*>(&m_edClassificacao)})
    if (p->IsInicializado()) p->OnFinaliza();
}

void CDlgTitulosImpl::OnRateioGerencial(NMHDR* pNotificacao, LRESULT* pResultado) {
  if (pResultado != nullptr) *pResultado = 0;
  const auto* pDados = reinterpret_cast<const TQZNotificacaoGerencial*>(pNotificacao);
  if (pDados == nullptr || pDados->pDados == nullptr) return;
  try {
    const TCMRateioTitulo rateio = MontaRateio();
    TQZParametrosGerencial parametros;
    parametros.strRotuloItemAdicional = "NF:";
    parametros.strTextoItemAdicional = m_pDono->GetNumeroNF();
    parametros.lPlanoGerencialSugerido = m_pDono->GetPonteiroGerencial();
    parametros.bConsulta = pDados->bConsulta != FALSE;
    parametros.eVariavelSoma = CTrataDadosBase::m_eVariavelSomaGerencialTitulo;
    parametros.lPlanoEmpresarial = rateio.GetPonteiroClassificacao();
    parametros.iFilial = FilialDoTituloAtual();
    parametros.dmaData = m_pDono->GetDataEntrada();
    parametros.cyValor4 = rateio.GetValor();
    m_Composto = CTrataDadosGerencial::RegraDeTresPorValor(m_Composto, rateio.GetValor(), 0);
    m_pDono->m_TrataDadosGerencial.SetParametrosDados(parametros, m_Composto);
    if (m_pDono->m_TrataDadosGerencial.DoModal(this) == IDOK) m_Composto = m_pDono->m_TrataDadosGerencial.GetDados();
  } catch (const CQZExceptionEx& e) {
    MostraExcecaoTitulos(e);
  }
}

void CDlgTitulosImpl::OnClassificacaoAlterada(NMHDR* pNotificacao, LRESULT* pResultado) {
  if (pResultado != nullptr) *pResultado = 0;
  if (pNotificacao == nullptr) return;
  try {
    if (m_pDono->GetTrataDadosGerencial().GetQuantidadeRelacionamentoPlanoEmpresarialGerencial(
            static_cast<long>(m_edClassificacao.GetPonteiro()), FilialDoTituloAtual(), m_pDono->GetDataEntrada(),
            false) == 0)
      m_Composto = TQZGerencialComposto();
  } catch (const CQZExceptionEx& e) {
    MostraExcecaoTitulos(e);
  }
}
