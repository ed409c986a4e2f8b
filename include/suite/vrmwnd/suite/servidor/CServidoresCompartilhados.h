// Acesso aos servidores da suíte sobre o banco da empresa: as interfaces de servidor
// (IQZServidor, uma por slot m_pp…), CUsaServidor com as leituras que preenchem os
// registros de layout fixo, CServidoresCompartilhados que liga e desliga os slots e
// CQZInicializador com a empresa, o usuário e a sessão do processo.
#pragma once

#include <memory>
#include <string>

#include "vrmwnd/base/REG_QZDMC.h"
#include "vrmwnd/base/datas.h"
#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/leiautes/leiautes_fwd.h"
#include "vrmwnd/suite/registros/TQZBase.h"

template <class T>
class T_Lista;

namespace vrmsuite {
class CQZBancoEmpresa;
class CLeituraConsistente;
}  // namespace vrmsuite

// Uma interface de servidor ligada ao banco de uma empresa; o tipo diz que leituras
// ela atende (uma leitura por interface de outro tipo falha com E_NOINTERFACE).
class VRMWND_SUITE_API IQZServidor {
 public:
  enum ETipo {
    NOTAS_FISCAIS,
    PLANO,
    DOCUMENTO,
    FILIAL,
    CFOP,
    CFRT,
    PRODUTO,
    MOVIMENTO_ES,
    CM_MESTRE,
    HISTORICO,
    MUNICIPIO,
    ESTADO
  };
  IQZServidor(ETipo eTipo, std::shared_ptr<vrmsuite::CQZBancoEmpresa> pBanco)
      : m_eTipo(eTipo), m_pBanco(std::move(pBanco)) {}
  ETipo GetTipo() const { return m_eTipo; }
  vrmsuite::CQZBancoEmpresa& GetBanco() const { return *m_pBanco; }
  const std::shared_ptr<vrmsuite::CQZBancoEmpresa>& GetBancoCompartilhado() const { return m_pBanco; }

  // Interface de movimentos de estoque (MOVIMENTO_ES). BuscaQuantidadeNotaFiscal
  // conta os movimentos que a origem gerou e a guarda; BuscaRegistrosNotaFiscal
  // preenche lQtd movimentos dessa origem, em ordem de sequência, e falha com
  // E_INVALIDARG quando lQtd não é a quantidade contada. Cada movimento devolvido
  // tem de ser liberado com TESMovimento::ZerarGlobalAlloc.
  HRESULT BuscaQuantidadeNotaFiscal(REG_QZDMC rQuemGerou, long* plQtdMovimentos);
  HRESULT BuscaRegistrosNotaFiscal(long lQtd, REG_ES_MOVIMENTOPS* aRegMovimento);
  const std::string& GetUltimoErro() const { return m_strUltimoErro; }

 private:
  HRESULT Falha(HRESULT hr, std::string strMotivo);

  ETipo m_eTipo;
  std::shared_ptr<vrmsuite::CQZBancoEmpresa> m_pBanco;
  REG_QZDMC m_rOrigemBuscada;
  long m_lQtdBuscada = -1;  // -1: nenhuma busca feita
  std::string m_strUltimoErro;
};

// As leituras. Cada uma zera o registro de saída, lê pela interface dada e devolve 0
// ou um código de falha (resultados.h), com o motivo em GetUltimoErro(). Chave 0 quer
// dizer "nenhum": a leitura devolve 0 com o registro zerado (exceto a nota fiscal).
class VRMWND_SUITE_API CUsaServidor {
 public:
  // Aloca a nota e todos os seus vetores e textos com CoTaskMemAlloc; o chamador chama
  // (*ppRegNF)->Libera() e depois CoTaskMemFree(*ppRegNF). Na falha *ppRegNF é nulo e
  // nada fica alocado.
  HRESULT LeDFNotasFiscais(IQZServidor** ppINotasFiscais, long lPosicao, tagREG_NOTA_FISCALPS** ppRegNF);
  // As posições de todas as notas da empresa, em ordem crescente (lista esvaziada antes).
  HRESULT ListaDFNotasFiscais(IQZServidor** ppINotasFiscais, T_Lista<long>& posicoes);
  // bGerencial escolhe o plano gerencial em vez do plano de contas.
  HRESULT LeDFPlano(IQZServidor** ppIPlano, long lConta, _RegContaPS* pReg, bool bGerencial = false);
  HRESULT LeDFDocumento(IQZServidor** ppIDocumento, WORD iDocumento, tagREG_CADDOCPS* pReg);
  HRESULT LeDFNaturezas(IQZServidor** ppICFOP, WORD iNatureza, _REG_NATUREZAPS* pReg);
  // Os sete registros opcionais do meio (p1…p7) não são pedidos por esta biblioteca e
  // têm de ser nulos; lReservado1 e lReservado2 são 0.
  HRESULT LeDFCFRT(IQZServidor** ppICFRT, IQZServidor** ppIPlano, long lReservado1, long lConta, long lReservado2,
                   _RegCFRT* pCFRT, void* p1, void* p2, void* p3, void* p4, void* p5, void* p6, void* p7,
                   _Reg_InfoExtras_PS* pInfoExtras);
  HRESULT LeDFProduto(IQZServidor** ppIProduto, long lProduto, _REG_PRODUTOPS* pReg);
  HRESULT LeDFServico(IQZServidor** ppIProduto, long lServico, _REG_SERVICOPS* pReg);
  HRESULT LeDFUnidadeMedida(IQZServidor** ppIProduto, WORD iUnidade, _REG_UNIDADES_MEDIDAPS* pReg);
  HRESULT LeDFUnidadeMedidaServico(IQZServidor** ppIProduto, WORD iUnidade, _REG_UNIDADES_MEDIDA_SERVICOPS* pReg);
  HRESULT LeESMovimentoLote(IQZServidor** ppIMovimentoEs, long lLote, REG_ES_LOTEPS* pReg);
  HRESULT LeESMovimentoVolume(IQZServidor** ppIMovimentoEs, long lVolume, REG_ES_VOLUMEPS* pReg);
  HRESULT LeDFHistorico(IQZServidor** ppIHistorico, WORD iHistorico, REG_HISTORICOPS* pReg);
  HRESULT LeCNFilial(IQZServidor** ppIFilial, WORD iFilial, REG_CN_FILIALPS* pReg);
  HRESULT LeDFFilial(IQZServidor** ppIFilial, WORD iFilial, REG_DF_FILIALPS* pReg);
  HRESULT LeDFSitTribProduto(IQZServidor** ppIProduto, BYTE bySituacao, REG_SIT_TRIB_PRODUTOPS* pReg);
  HRESULT LeCMCfgEmail(IQZServidor** ppICMMestre, REG_CM_CFGALERTAPS* pReg, DWORD lTipoAlerta, DWORD lNivelDetalhe);
  // Só verificam que a interface está ligada e é do tipo certo.
  HRESULT InicializaCNFilial(IQZServidor** ppIFilial);
  HRESULT InicializaESMovimento(IQZServidor** ppIMovimentoEs);
  // Regras de consulta: a filial é tributada pelo IPI; a natureza é de importação; a
  // declaração de importação se aplica quando a natureza é de importação e o
  // fornecedor está cadastrado. Falha de leitura dá false, com o motivo guardado.
  bool FilialTributadaIPI(IQZServidor** ppIFilial, WORD iFilial);
  bool NaturezaImportacao(IQZServidor** ppICFOP, WORD iNatureza);
  bool UsaDI(IQZServidor** ppICFOP, IQZServidor** ppICFRT, IQZServidor** ppIPlano, IQZServidor** ppIMunicipio,
             IQZServidor** ppIEstado, long lFornecedor, WORD iNatureza, REG_QZDMA dmaEmissao);

  const std::string& GetUltimoErro() const { return m_strUltimoErro; }
  // Usadas pelas leituras: guarda o motivo e devolve hr.
  HRESULT Falha(HRESULT hr, std::string strMotivo);
  void LimpaErro() { m_strUltimoErro.clear(); }

 private:
  std::string m_strUltimoErro;
};

// Base dos objetos que leem dos servidores: OnInicializa liga os slots ao banco da
// empresa, OnFinaliza os desliga; nada é lido antes de um nem depois do outro. Herda
// de CQZInicializador a empresa do processo e a licença de mostrar mensagens.
class VRMWND_SUITE_API CServidoresCompartilhados : public CQZBaseParaRotinas {
 public:
  explicit CServidoresCompartilhados(CQZTimer* pTimer = nullptr);
  virtual ~CServidoresCompartilhados();
  CServidoresCompartilhados(const CServidoresCompartilhados&) = delete;
  CServidoresCompartilhados& operator=(const CServidoresCompartilhados&) = delete;

  // szEmpresa nulo usa a empresa de CQZInicializador. Falha (negativo) com a empresa
  // desconhecida ou sem banco; religar primeiro desliga.
  virtual HRESULT OnInicializa(const char* szEmpresa = nullptr);
  virtual HRESULT OnFinaliza();
  bool EstaInicializado() const { return m_pINotasFiscais != nullptr; }

  CUsaServidor* GetUsaServidor() { return &m_UsaServidor; }
  CQZTimer* GetTimer() const { return m_pTimer; }
  // Uma leitura consistente do banco dos servidores ligados (vrmsuite::CLeituraConsistente):
  // enquanto ela vive, as leituras veem um só estado do banco e um cadastro lido de
  // novo pela mesma chave não volta ao SQLite. Sem servidores ligados, não faz nada.
  vrmsuite::CLeituraConsistente LeituraConsistente() const;

  // Leituras de uma chave pelas interfaces próprias; na falha, registro zerado (ou
  // false) e o motivo em GetUsaServidor()->GetUltimoErro().
  REG_DF_FILIALPS LeDFFilial(WORD iFilial);
  _RegContaPS LeConta(long lConta);
  REG_SIT_TRIB_PRODUTOPS LeDFSitTribProduto(BYTE bySituacao);
  bool LeDFCFRTEhJuridico(long lConta);

  IQZServidor** m_ppINotasFiscais = &m_pINotasFiscais;
  IQZServidor** m_ppIPlano = &m_pIPlano;
  IQZServidor** m_ppIDocumento = &m_pIDocumento;
  IQZServidor** m_ppIFilial = &m_pIFilial;
  IQZServidor** m_ppICFOP = &m_pICFOP;
  IQZServidor** m_ppICFRT = &m_pICFRT;
  IQZServidor** m_ppIProduto = &m_pIProduto;
  IQZServidor** m_ppIMovimentoEs = &m_pIMovimentoEs;
  IQZServidor** m_ppICMMestre = &m_pICMMestre;
  IQZServidor** m_ppIHistorico = &m_pIHistorico;
  IQZServidor** m_ppIMunicipio = &m_pIMunicipio;
  IQZServidor** m_ppIEstado = &m_pIEstado;

 private:
  void Desliga();

  CQZTimer* m_pTimer;
  CUsaServidor m_UsaServidor;
  IQZServidor* m_pINotasFiscais = nullptr;
  IQZServidor* m_pIPlano = nullptr;
  IQZServidor* m_pIDocumento = nullptr;
  IQZServidor* m_pIFilial = nullptr;
  IQZServidor* m_pICFOP = nullptr;
  IQZServidor* m_pICFRT = nullptr;
  IQZServidor* m_pIProduto = nullptr;
  IQZServidor* m_pIMovimentoEs = nullptr;
  IQZServidor* m_pICMMestre = nullptr;
  IQZServidor* m_pIHistorico = nullptr;
  IQZServidor* m_pIMunicipio = nullptr;
  IQZServidor* m_pIEstado = nullptr;
};
