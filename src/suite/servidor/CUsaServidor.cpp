// As leituras de CUsaServidor que preenchem um registro por chave, as consultas de
// regra (IPI da filial, natureza de importação, declaração de importação) e o
// caminho comum de entrada de toda leitura.
#include "leitura_comum.h"

#include <cstdio>

#include "vrmwnd/base/T_Lista.h"
#include "vrmwnd/suite/leiautes/REG_CM_CFGALERTAPS.h"
#include "vrmwnd/suite/leiautes/REG_ES_LOTEPS.h"
#include "vrmwnd/suite/leiautes/REG_FILIALPS.h"
#include "vrmwnd/suite/leiautes/REG_HISTORICOPS.h"
#include "vrmwnd/suite/leiautes/REG_SIT_TRIB_PRODUTOPS.h"
#include "vrmwnd/suite/leiautes/_REG_NATUREZAPS.h"
#include "vrmwnd/suite/leiautes/_REG_PRODUTOPS.h"
#include "vrmwnd/suite/leiautes/_REG_UNIDADES_MEDIDAPS.h"
#include "vrmwnd/suite/leiautes/_RegCFRT.h"
#include "vrmwnd/suite/leiautes/_RegContaPS.h"
#include "vrmwnd/suite/leiautes/tagREG_CADDOCPS.h"

namespace vrmsuite {

std::string DataDoBanco(REG_QZDMA dma) {
  int nDia = 0, nMes = 0, nAno = 0;
  QZDMAParaData(dma, &nDia, &nMes, &nAno);
  char sz[16];
  std::snprintf(sz, sizeof sz, "%04d-%02d-%02d", nAno, nMes, nDia);
  return sz;
}

HRESULT EntradaLeitura(CUsaServidor& usa, const char* szLeitura, IQZServidor** ppI, IQZServidor::ETipo eTipo) {
  usa.LimpaErro();
  if (HRESULT hr = FalhaProgramada(szLeitura); hr != S_OK)
    return usa.Falha(hr, std::string(szLeitura) + ": falha programada pelo teste");
  if (ppI == nullptr || *ppI == nullptr)
    return usa.Falha(QZ_E_SEM_CONEXAO, std::string(szLeitura) + ": a interface do servidor não está ligada");
  if ((*ppI)->GetTipo() != eTipo)
    return usa.Falha(E_NOINTERFACE, std::string(szLeitura) + ": a interface dada é de outro servidor");
  return S_OK;
}

}  // namespace vrmsuite

using vrmsuite::LeRegistro;
using E = IQZServidor;

HRESULT CUsaServidor::Falha(HRESULT hr, std::string strMotivo) {
  m_strUltimoErro = std::move(strMotivo);
  return hr;
}

HRESULT CUsaServidor::ListaDFNotasFiscais(IQZServidor** ppINotasFiscais, T_Lista<long>& posicoes) {
  posicoes.RemoveAll();
  HRESULT hr = vrmsuite::EntradaLeitura(*this, "ListaDFNotasFiscais", ppINotasFiscais, E::NOTAS_FISCAIS);
  if (hr != S_OK) return hr;
  vrmsuite::CComando comando((*ppINotasFiscais)->GetBanco(), "SELECT lPosicao FROM nota_fiscal ORDER BY lPosicao");
  if (!comando.Preparado()) return Falha(QZ_E_BANCO_DE_DADOS, comando.Erro());
  while (comando.Proxima()) posicoes.Add(static_cast<long>(sqlite3_column_int64(comando.Bruto(), 0)));
  if (!comando.Erro().empty()) {
    posicoes.RemoveAll();
    return Falha(QZ_E_BANCO_DE_DADOS, comando.Erro());
  }
  return S_OK;
}

HRESULT CUsaServidor::LeDFPlano(IQZServidor** ppIPlano, long lConta, _RegContaPS* pReg, bool bGerencial) {
  return LeRegistro(*this, "LeDFPlano", ppIPlano, E::PLANO,
                    bGerencial ? "SELECT * FROM conta WHERE lPonteiro = ? AND byGerencial = 1"
                               : "SELECT * FROM conta WHERE lPonteiro = ? AND byGerencial = 0",
                    lConta, pReg, bGerencial ? "conta gerencial" : "conta");
}

HRESULT CUsaServidor::LeDFDocumento(IQZServidor** ppIDocumento, WORD iDocumento, tagREG_CADDOCPS* pReg) {
  return LeRegistro(*this, "LeDFDocumento", ppIDocumento, E::DOCUMENTO, "SELECT * FROM documento WHERE iPonteiro = ?",
                    iDocumento, pReg, "tipo de documento");
}

HRESULT CUsaServidor::LeDFNaturezas(IQZServidor** ppICFOP, WORD iNatureza, _REG_NATUREZAPS* pReg) {
  return LeRegistro(*this, "LeDFNaturezas", ppICFOP, E::CFOP, "SELECT * FROM natureza WHERE iPonteiro = ?", iNatureza,
                    pReg, "natureza");
}

HRESULT CUsaServidor::LeDFCFRT(IQZServidor** ppICFRT, IQZServidor** ppIPlano, long lReservado1, long lConta,
                               long lReservado2, _RegCFRT* pCFRT, void* p1, void* p2, void* p3, void* p4, void* p5,
                               void* p6, void* p7, _Reg_InfoExtras_PS* pInfoExtras) {
  if (pInfoExtras) pInfoExtras->Zera();
  if (lReservado1 != 0 || lReservado2 != 0 || p1 || p2 || p3 || p4 || p5 || p6 || p7)
    return Falha(E_INVALIDARG, "LeDFCFRT: registros opcionais não atendidos por este servidor");
  HRESULT hr = LeRegistro(*this, "LeDFCFRT", ppICFRT, E::CFRT, "SELECT * FROM cfrt WHERE lPonteiroConta = ?", lConta,
                          pCFRT, "cliente/fornecedor");
  if (hr != S_OK || pInfoExtras == nullptr || lConta == 0) return hr;
  if (ppIPlano == nullptr || *ppIPlano == nullptr)
    return Falha(QZ_E_SEM_CONEXAO, "LeDFCFRT: a interface do plano não está ligada");
  vrmsuite::CComando comando((*ppICFRT)->GetBanco(), "SELECT * FROM cfrt WHERE lPonteiroConta = ?");
  comando.Liga(1, lConta);
  if (!comando.Proxima()) return Falha(QZ_E_BANCO_DE_DADOS, comando.Erro());
  std::string strErro;
  hr = vrmsuite::PreencheDaLinha(comando, *pInfoExtras, strErro);
  return hr == S_OK ? S_OK : Falha(hr, "cliente/fornecedor " + std::to_string(lConta) + ": " + strErro);
}

HRESULT CUsaServidor::LeDFProduto(IQZServidor** ppIProduto, long lProduto, _REG_PRODUTOPS* pReg) {
  return LeRegistro(*this, "LeDFProduto", ppIProduto, E::PRODUTO, "SELECT * FROM produto WHERE lPonteiro = ?", lProduto,
                    pReg, "produto");
}

HRESULT CUsaServidor::LeDFServico(IQZServidor** ppIProduto, long lServico, _REG_SERVICOPS* pReg) {
  return LeRegistro(*this, "LeDFServico", ppIProduto, E::PRODUTO, "SELECT * FROM servico WHERE lPonteiro = ?", lServico,
                    pReg, "serviço");
}

HRESULT CUsaServidor::LeDFUnidadeMedida(IQZServidor** ppIProduto, WORD iUnidade, _REG_UNIDADES_MEDIDAPS* pReg) {
  return LeRegistro(*this, "LeDFUnidadeMedida", ppIProduto, E::PRODUTO,
                    "SELECT * FROM unidade_medida WHERE iPonteiro = ?", iUnidade, pReg, "unidade de medida");
}

HRESULT CUsaServidor::LeDFUnidadeMedidaServico(IQZServidor** ppIProduto, WORD iUnidade,
                                               _REG_UNIDADES_MEDIDA_SERVICOPS* pReg) {
  return LeRegistro(*this, "LeDFUnidadeMedidaServico", ppIProduto, E::PRODUTO,
                    "SELECT * FROM unidade_medida WHERE iPonteiro = ?", iUnidade, pReg, "unidade de medida");
}

HRESULT CUsaServidor::LeESMovimentoLote(IQZServidor** ppIMovimentoEs, long lLote, REG_ES_LOTEPS* pReg) {
  return LeRegistro(*this, "LeESMovimentoLote", ppIMovimentoEs, E::MOVIMENTO_ES,
                    "SELECT * FROM lote_estoque WHERE lPonteiro = ?", lLote, pReg, "lote");
}

HRESULT CUsaServidor::LeESMovimentoVolume(IQZServidor** ppIMovimentoEs, long lVolume, REG_ES_VOLUMEPS* pReg) {
  return LeRegistro(*this, "LeESMovimentoVolume", ppIMovimentoEs, E::MOVIMENTO_ES,
                    "SELECT * FROM volume_estoque WHERE lPonteiro = ?", lVolume, pReg, "volume");
}

HRESULT CUsaServidor::LeDFHistorico(IQZServidor** ppIHistorico, WORD iHistorico, REG_HISTORICOPS* pReg) {
  return LeRegistro(*this, "LeDFHistorico", ppIHistorico, E::HISTORICO, "SELECT * FROM historico WHERE iPonteiro = ?",
                    iHistorico, pReg, "histórico");
}

HRESULT CUsaServidor::LeCNFilial(IQZServidor** ppIFilial, WORD iFilial, REG_CN_FILIALPS* pReg) {
  return LeRegistro(*this, "LeCNFilial", ppIFilial, E::FILIAL, "SELECT * FROM filial WHERE iPonteiro = ?", iFilial,
                    pReg, "filial");
}

HRESULT CUsaServidor::LeDFFilial(IQZServidor** ppIFilial, WORD iFilial, REG_DF_FILIALPS* pReg) {
  return LeRegistro(*this, "LeDFFilial", ppIFilial, E::FILIAL, "SELECT * FROM filial WHERE iPonteiro = ?", iFilial,
                    pReg, "filial");
}

HRESULT CUsaServidor::LeDFSitTribProduto(IQZServidor** ppIProduto, BYTE bySituacao, REG_SIT_TRIB_PRODUTOPS* pReg) {
  return LeRegistro(*this, "LeDFSitTribProduto", ppIProduto, E::PRODUTO,
                    "SELECT * FROM situacao_tributaria WHERE byPonteiro = ?", bySituacao, pReg, "situação tributária");
}

HRESULT CUsaServidor::LeCMCfgEmail(IQZServidor** ppICMMestre, REG_CM_CFGALERTAPS* pReg, DWORD lTipoAlerta,
                                   DWORD lNivelDetalhe) {
  HRESULT hr =
      LeRegistro(*this, "LeCMCfgEmail", ppICMMestre, E::CM_MESTRE, "SELECT * FROM cm_cfg_alerta WHERE lTipoAlerta = ?",
                 lTipoAlerta, pReg, "configuração do alerta de tipo");
  if (hr == S_OK && lTipoAlerta == 0)
    return Falha(QZ_E_REGISTRO_NAO_ENCONTRADO, "configuração do alerta de tipo 0 não existe");
  // O nível pedido limita o que a configuração devolve: sem o nível de detalhe
  // completo, assunto e destinatários não vêm.
  if (hr == S_OK && lNivelDetalhe != REG_CM_CFGALERTAPS::kNivelTudo) {
    pReg->Set_szAssunto("");
    pReg->Set_szDestinatarios("");
  }
  return hr;
}

HRESULT CUsaServidor::InicializaCNFilial(IQZServidor** ppIFilial) {
  return vrmsuite::EntradaLeitura(*this, "InicializaCNFilial", ppIFilial, E::FILIAL);
}

HRESULT CUsaServidor::InicializaESMovimento(IQZServidor** ppIMovimentoEs) {
  return vrmsuite::EntradaLeitura(*this, "InicializaESMovimento", ppIMovimentoEs, E::MOVIMENTO_ES);
}

bool CUsaServidor::FilialTributadaIPI(IQZServidor** ppIFilial, WORD iFilial) {
  REG_DF_FILIALPS reg;
  return LeDFFilial(ppIFilial, iFilial, &reg) == S_OK && reg.byTributadaIPI() != 0;
}

bool CUsaServidor::NaturezaImportacao(IQZServidor** ppICFOP, WORD iNatureza) {
  _REG_NATUREZAPS reg;
  return LeDFNaturezas(ppICFOP, iNatureza, &reg) == S_OK && reg.byImportacao() != 0;
}

bool CUsaServidor::UsaDI(IQZServidor** ppICFOP, IQZServidor** ppICFRT, IQZServidor** ppIPlano,
                         IQZServidor** ppIMunicipio, IQZServidor** ppIEstado, long lFornecedor, WORD iNatureza,
                         REG_QZDMA /*dmaEmissao*/) {
  if (ppIMunicipio == nullptr || *ppIMunicipio == nullptr || ppIEstado == nullptr || *ppIEstado == nullptr) {
    Falha(QZ_E_SEM_CONEXAO, "UsaDI: as interfaces de município e estado não estão ligadas");
    return false;
  }
  if (lFornecedor == 0 || !NaturezaImportacao(ppICFOP, iNatureza)) return false;
  _RegCFRT cfrt;
  _Reg_InfoExtras_PS extras;
  return LeDFCFRT(ppICFRT, ppIPlano, 0, lFornecedor, 0, &cfrt, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                  nullptr, &extras) == S_OK;
}
