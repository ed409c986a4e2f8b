// A consistência dos títulos das retenções e das suas linhas de classificação, pelos
// cadastros da empresa (filial, plano de contas, tipos de documento, códigos de
// recolhimento) e pelas relações gerenciais; e o título já gravado na condição.
#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/suite/registros/TCMCondicaoPagamento.h"
#include "vrmwnd/suite/registros/TCMImposto.h"
#include "vrmwnd/suite/registros/TQZCMConsisteRetorno.h"
#include "vrmwnd/suite/regras/CTrataDadosBase.h"
#include "vrmwnd/suite/regras/CTrataDadosGerencial.h"
#include "vrmwnd/suite/regras/CTrataDadosRE.h"
#include "vrmwnd/suite/regras/CVRMSVRUtil.h"
#include "vrmwnd/suite/servidor/cadastros_titulo.h"

namespace {

constexpr long kLocalFilial = 731201;
constexpr long kLocalConta = 731202;
constexpr long kLocalDocumento = 731203;
constexpr long kLocalRecolhimento = 731204;
constexpr const char* kFonte = "ConsisteTitulo";

// Mensagens do catálogo do módulo: "Informe a classificação." e "Informe a conta gerencial."
constexpr unsigned long kMsgInformeClassificacao = 1356;
constexpr unsigned long kMsgInformeGerencial = 1358;

const CString kRateioTitulo = "RateioTitulo";

// O tipo e a primeira mensagem (texto livre, ou número do catálogo do módulo).
bool Recusa(TQZCMConsisteRetorno& retorno, int nTipo, const CString& strErro, unsigned long nMensagem = 0) {
  retorno.SetTipo(nTipo);
  retorno.AdicionaItem(TQZCMConsisteItem(nMensagem, QZ_MODULO_COMPRAS, strErro));
  return true;
}

// O mesmo, apontando a linha do título em que está o problema.
bool RecusaLinha(TQZCMConsisteRetorno& retorno, int nTipo, int nLinha, const CString& strErro,
                 unsigned long nMensagem = 0) {
  retorno.SetValorItem(kRateioTitulo, nLinha);
  return Recusa(retorno, nTipo, strErro, nMensagem);
}

CString Data(REG_QZDMA dma) {
  char sz[16];
  return QZDataTexto(sz, sizeof sz, dma, QZ_DATA_DMAAAA, '/', true);
}

CString Valor(const CY& cy) { return CVRMSVRUtil::ToStringV4(cy, 2); }

// Impostos que se recolhem com código de receita: os federais e o INSS; o ISS é do
// município, que não usa código.
bool PedeCodigoReceita(unsigned char byTipo) { return byTipo != CM_IMPOSTO_ISS; }

CString NomeDoTitulo(const TCMTituloImposto& titulo) {
  CString s;
  s.Format("%s da parcela %d", CTrataDadosRE::GetNomeImposto(titulo.GetTipoImposto()).GetString(), titulo.GetParcela());
  return s;
}

}  // namespace

const int CTrataDadosBase::m_eVariavelSomaGerencialTitulo = 4;

const TCMTituloImposto* CTrataDadosBase::GetPtrTituloAtual(const TCMCondicaoPagamento* pCondicao,
                                                           unsigned char byTipoImposto, int nParcela) {
  if (pCondicao == nullptr) return nullptr;
  for (int i = 0; i < pCondicao->GetQuantidadeTitulo(); ++i) {
    const TCMTituloImposto* p = pCondicao->GetPtrTitulo(i);
    if (p->GetTipoImposto() == byTipoImposto && p->GetParcela() == nParcela) return p;
  }
  return nullptr;
}

TQZCMConsisteRetorno CTrataDadosBase::ConsisteDadosTitulo_oitc(REG_QZDMC chaveMovimento, REG_QZDMA dmaEntrada,
                                                               unsigned char byAnteriorIncompleta, int,
                                                               const TCMTituloImposto& titulo,
                                                               const TCMTituloImposto* pAnterior) {
  TQZCMConsisteRetorno r;
  const CString strTitulo = NomeDoTitulo(titulo);
  if (chaveMovimento.Valor() == 0) {
    Recusa(r, CM_CONSISTE_TITULO_SEM_DOCUMENTO, "O documento dos títulos não tem chave de movimento.");
    return r;
  }
  if (CTrataDadosRE::GetNomeImposto(titulo.GetTipoImposto()).IsEmpty()) {
    CString s;
    s.Format("O tipo de imposto %u não é uma retenção conhecida.", static_cast<unsigned>(titulo.GetTipoImposto()));
    Recusa(r, CM_CONSISTE_TITULO_IMPOSTO, s);
    return r;
  }
  if (titulo.GetValor().int64 <= 0) {
    Recusa(r, CM_CONSISTE_TITULO_SEM_VALOR, "O título de " + strTitulo + " não tem valor a pagar.");
    return r;
  }
  if (PedeCodigoReceita(titulo.GetTipoImposto())) {
    if (titulo.GetCodigoReceita() <= 0) {
      Recusa(r, CM_CONSISTE_TITULO_CODIGO_RECEITA, "Informe o código de receita do título de " + strTitulo + ".");
      return r;
    }
    bool bExiste = false;
    const HRESULT hr = QZ_VERIFICA_HR(
        GetContextoProfiler(), eQZFalhaSeNaoZero,
        vrmsuite::LeCodigoRecolhimento(*GetUsaServidor(), m_ppIPlano, titulo.GetCodigoReceita(), bExiste));
    if (hr != 0) LancaFalha(hr, kLocalRecolhimento, kFonte, __LINE__);
    if (!bExiste) {
      CString s;
      s.Format("O código de receita %04ld não está cadastrado.", titulo.GetCodigoReceita());
      Recusa(r, CM_CONSISTE_TITULO_CODIGO_RECEITA, s);
      return r;
    }
  }
  if (titulo.GetCedente() == 0) {
    Recusa(r, CM_CONSISTE_TITULO_SEM_CEDENTE, "Informe o cedente do título de " + strTitulo + ".");
    return r;
  }
  vrmsuite::TContaTitulo cedente;
  HRESULT hr = QZ_VERIFICA_HR(GetContextoProfiler(), eQZFalhaSeNaoZero,
                              vrmsuite::LeContaTitulo(*GetUsaServidor(), m_ppIPlano, titulo.GetCedente(), cedente));
  if (hr != 0) LancaFalha(hr, kLocalConta, kFonte, __LINE__);
  if (!cedente.bExiste || !cedente.bFornecedor || cedente.cTipo != 'A' || cedente.bGerencial) {
    CString s;
    s.Format("O cedente %s não é uma conta analítica de fornecedor.",
             cedente.bExiste ? cedente.strCodigo.c_str() : std::to_string(titulo.GetCedente()).c_str());
    Recusa(r, CM_CONSISTE_TITULO_CEDENTE_INVALIDO, s);
    return r;
  }
  if (titulo.GetPonteiroTipoDocumento() == 0) {
    Recusa(r, CM_CONSISTE_TITULO_SEM_TIPO_DOCUMENTO, "Informe o tipo de documento do título de " + strTitulo + ".");
    return r;
  }
  vrmsuite::TDocumentoTitulo documento;
  hr = QZ_VERIFICA_HR(
      GetContextoProfiler(), eQZFalhaSeNaoZero,
      vrmsuite::LeDocumentoTitulo(*GetUsaServidor(), m_ppIDocumento, titulo.GetPonteiroTipoDocumento(), documento));
  if (hr != 0) LancaFalha(hr, kLocalDocumento, kFonte, __LINE__);
  if (!documento.bExiste || !documento.bUsaNaEntrada) {
    CString s;
    s.Format(
        "O tipo de documento %s não é usado na entrada de mercadorias.",
        documento.bExiste ? documento.strDescricao.c_str() : std::to_string(titulo.GetPonteiroTipoDocumento()).c_str());
    Recusa(r, CM_CONSISTE_TITULO_TIPO_DOCUMENTO_INVALIDO, s);
    return r;
  }
  const REG_QZDMA dmaVencimento = titulo.GetRegDataVencimento();
  if (dmaVencimento == 0) {
    Recusa(r, CM_CONSISTE_TITULO_VENCIMENTO, "Informe a data de vencimento do título de " + strTitulo + ".");
    return r;
  }
  const bool bJaGravado =
      pAnterior != nullptr && byAnteriorIncompleta == 0 && pAnterior->GetRegDataVencimento() == dmaVencimento;
  if (dmaVencimento < dmaEntrada && !bJaGravado) {
    Recusa(r, CM_CONSISTE_TITULO_VENCIMENTO,
           "O vencimento " + Data(dmaVencimento) + " é anterior à entrada, " + Data(dmaEntrada) + ".");
    return r;
  }
  if (titulo.GetQuantidadeRateio() == 0) {
    Recusa(r, CM_CONSISTE_TITULO_SEM_LINHAS, "Classifique o valor do título de " + strTitulo + ".");
    return r;
  }
  if (ConsisteLinhasTitulo(dmaEntrada, titulo, r)) return r;
  const CY cySoma = titulo.GetSomaRateio();
  if (cySoma.int64 != titulo.GetValor().int64)
    Recusa(r, CM_CONSISTE_TITULO_SOMA_LINHAS,
           "As classificações somam " + Valor(cySoma) + " e o título vale " + Valor(titulo.GetValor()) + ".");
  return r;
}

bool CTrataDadosBase::ConsisteLinhasTitulo(REG_QZDMA dmaEntrada, const TCMTituloImposto& titulo,
                                           TQZCMConsisteRetorno& r) {
  for (int k = 0; k < titulo.GetQuantidadeRateio(); ++k) {
    const TCMRateioTitulo rateio = titulo.GetRateio(k);
    const WORD iFilial = rateio.GetFilial() != 0 ? rateio.GetFilial() : titulo.GetFilial();
    vrmsuite::TFilialTitulo filial;
    const HRESULT hr = QZ_VERIFICA_HR(GetContextoProfiler(), eQZFalhaSeNaoZero,
                                      vrmsuite::LeFilialTitulo(*GetUsaServidor(), m_ppIFilial, iFilial, filial));
    if (hr != 0) LancaFalha(hr, kLocalFilial, kFonte, __LINE__);
    CString s;
    if (!filial.bExiste || !filial.bAtiva) {
      s.Format("A filial da linha %d não é uma filial ativa.", k + 1);
      return RecusaLinha(r, CM_CONSISTE_TITULO_FILIAL, k, s);
    }
    if (rateio.GetValor().int64 <= 0) {
      s.Format("Informe o valor da linha %d.", k + 1);
      return RecusaLinha(r, CM_CONSISTE_TITULO_VALOR_LINHA, k, s);
    }
    if (ConsisteClassificacao(dmaEntrada, iFilial, rateio, k, r)) return true;
  }
  return false;
}

bool CTrataDadosBase::ConsisteClassificacao(REG_QZDMA dmaEntrada, WORD iFilial, const TCMRateioTitulo& rateio,
                                            int nLinha, TQZCMConsisteRetorno& r) {
  constexpr int kTipo = CM_CONSISTE_TITULO_CLASSIFICACAO_LINHA;
  const long lConta = rateio.GetPonteiroClassificacao();
  if (lConta == 0) return RecusaLinha(r, kTipo, nLinha, CString(), kMsgInformeClassificacao);
  vrmsuite::TContaTitulo conta;
  const HRESULT hr = QZ_VERIFICA_HR(GetContextoProfiler(), eQZFalhaSeNaoZero,
                                    vrmsuite::LeContaTitulo(*GetUsaServidor(), m_ppIPlano, lConta, conta));
  if (hr != 0) LancaFalha(hr, kLocalConta, kFonte, __LINE__);
  CString s;
  if (!conta.bExiste || conta.cTipo != 'A' || conta.bGerencial) {
    s.Format("A classificação %s não é uma conta analítica do plano de contas.",
             conta.bExiste ? conta.strCodigo.c_str() : std::to_string(lConta).c_str());
    return RecusaLinha(r, kTipo, nLinha, s);
  }
  const long nRelacoes =
      GetTrataDadosGerencial().GetQuantidadeRelacionamentoPlanoEmpresarialGerencial(lConta, iFilial, dmaEntrada, true);
  if (nRelacoes == 0) {
    if (rateio.GetQuantidadeGerencial() == 0) return false;
    s.Format("A classificação %s não se rateia em contas gerenciais.", conta.strCodigo.c_str());
    return RecusaLinha(r, kTipo, nLinha, s);
  }
  if (rateio.GetQuantidadeGerencial() == 0) return RecusaLinha(r, kTipo, nLinha, CString(), kMsgInformeGerencial);
  CY cySoma = g_cyZero;
  for (int g = 0; g < rateio.GetQuantidadeGerencial(); ++g) cySoma = cySoma + rateio.GetGerencial(g).GetValor();
  if (cySoma.int64 != rateio.GetValor().int64) {
    s.Format("As contas gerenciais da linha %d somam %s e a linha vale %s.", nLinha + 1, Valor(cySoma).GetString(),
             Valor(rateio.GetValor()).GetString());
    return RecusaLinha(r, kTipo, nLinha, s);
  }
  return false;
}

TQZCMConsisteRetorno CTrataDadosBase::ConsisteDadosRateioTitulo_oitc(REG_QZDMA dmaEntrada,
                                                                     const TCMTituloImposto& titulo, int nLinha,
                                                                     unsigned short iFilialTitulo,
                                                                     const TCMRateioTitulo& rateio) {
  TQZCMConsisteRetorno r;
  if (rateio.GetValor().int64 <= 0) {
    Recusa(r, CM_CONSISTE_RATEIO_VALOR, "Informe o valor da linha.");
    return r;
  }
  CY cyOutras = g_cyZero;
  for (int k = 0; k < titulo.GetQuantidadeRateio(); ++k)
    if (k != nLinha) cyOutras = cyOutras + titulo.GetRateio(k).GetValor();
  if ((cyOutras + rateio.GetValor()).int64 > titulo.GetValor().int64) {
    Recusa(r, CM_CONSISTE_RATEIO_VALOR,
           "Com esta linha as classificações somam " + Valor(cyOutras + rateio.GetValor()) +
               ", acima do valor do título (" + Valor(titulo.GetValor()) + ").");
    return r;
  }
  const WORD iFilial = rateio.GetFilial() != 0 ? rateio.GetFilial() : iFilialTitulo;
  vrmsuite::TFilialTitulo filial;
  const HRESULT hr = QZ_VERIFICA_HR(GetContextoProfiler(), eQZFalhaSeNaoZero,
                                    vrmsuite::LeFilialTitulo(*GetUsaServidor(), m_ppIFilial, iFilial, filial));
  if (hr != 0) LancaFalha(hr, kLocalFilial, kFonte, __LINE__);
  if (!filial.bExiste || !filial.bAtiva) {
    Recusa(r, CM_CONSISTE_TITULO_FILIAL, "A filial da linha não é uma filial ativa.");
    return r;
  }
  ConsisteClassificacao(dmaEntrada, iFilial, rateio, nLinha, r);
  return r;
}
