// O profiler de rastreamento e o log de erros: o contexto (empresa, usuário,
// sessão) que telas e controles carregam, o escopo que grava ENTROU/SAIU, o registro
// de criações COM (COCREATE), o registro de falhas (ERRO) e a convenção dos pontos
// de falha, QZ_VERIFICA_HR, que testa o resultado, registra uma vez e o devolve.
// Nada aqui lança exceção ou mostra mensagem: uma linha que não pode ser gravada
// se perde em silêncio.
#pragma once

#include "vrmwnd/base/QZProfilerRegistro.h"
#include "vrmwnd/base/exporta.h"

// Contexto do profiler; três operações, nesta ordem.
class VRMWND_BASE_API IQZDF_Profiler {
 public:
  virtual ~IQZDF_Profiler() = default;
  virtual CString GetEmpresaProfiler() const = 0;
  virtual unsigned short GetUsuarioProfiler() const = 0;
  virtual LONG GetSessaoProfiler() const = 0;
};

// O contexto com os três campos; telas, controles e tratadores derivam dele.
class VRMWND_BASE_API CQZProfilerEmpresa : public IQZDF_Profiler {
 public:
  CQZProfilerEmpresa() = default;
  CQZProfilerEmpresa(const CString& strEmpresa, unsigned short nUsuario, LONG lSessao)
      : m_strEmpresa(strEmpresa), m_nUsuario(nUsuario), m_lSessao(lSessao) {}
  CString GetEmpresaProfiler() const override { return m_strEmpresa; }
  unsigned short GetUsuarioProfiler() const override { return m_nUsuario; }
  LONG GetSessaoProfiler() const override { return m_lSessao; }
  void SetProfiler(const CString& strEmpresa, unsigned short nUsuario, LONG lSessao) {
    m_strEmpresa = strEmpresa;
    m_nUsuario = nUsuario;
    m_lSessao = lSessao;
  }

 protected:
  CString m_strEmpresa;
  unsigned short m_nUsuario = 0;
  LONG m_lSessao = 0;
};

// Escopo rastreado: Entra grava ENTROU (conforme log.ini) e a destruição grava SAIU
// quando entrou. Sem Entra, a destruição não grava nada.
class VRMWND_BASE_API CQZProfiler {
 public:
  explicit CQZProfiler(const IQZDF_Profiler* pContexto);
  ~CQZProfiler();
  CQZProfiler(const CQZProfiler&) = delete;
  CQZProfiler& operator=(const CQZProfiler&) = delete;

  // Até nove pares (nome, valor); os que faltam ficam vazios.
  void Entra(const char* szClasseFuncao, std::initializer_list<TQZParametro> parametros = {});
  const TQZRegistroProfiler& GetRegistro() const { return m_registro; }

 private:
  TQZRegistroProfiler m_registro;
};

// Registra uma falha (ERRO), sempre: nenhuma chave de log.ini nem o filtro de
// processos a impedem. szFormato é de printf; um formato inválido grava o próprio
// formato. pContexto pode ser nulo (empresa vazia, usuário e sessão 0).
VRMWND_BASE_API void QZProfilerErro(const IQZDF_Profiler* pContexto, const char* szClasseFuncao, const char* szArquivo,
                                    int nLinha, const char* szFormato, ...);
// Registra a criação de um objeto COM (COCREATE) quando CoCreateInstance=1 e o
// filtro de processos aceita este processo.
VRMWND_BASE_API void QZProfilerCoCreate(const char* szClasseFuncao, const char* szProgID, const char* szModulo);
// Rastreamento ativo e registro de criações ativo; cada um relê log.ini quando é hora.
VRMWND_BASE_API bool QZProfilerAtivo();
VRMWND_BASE_API bool QZProfilerCoCreateAtivo();

// Regra do ponto de falha: as chamadas herdadas OnInicializa/OnFinaliza falham com
// resultado negativo; leituras e criações no servidor, com qualquer resultado não 0.
enum eQZRegraFalha { eQZFalhaSeNegativo, eQZFalhaSeNaoZero };

// O ponto de falha: quando hr falha pela regra e não está em pToleradas (lista
// terminada por 0xFFFFFFFF; nulo = nenhuma), registra um ERRO com a mensagem de
// QZTextoFalha(szExpressao, hr); devolve hr sempre. szClasseFuncao pode ser
// "Classe::Funcao" ou a assinatura de __PRETTY_FUNCTION__, da qual se tira
// "Classe::Funcao". szArquivo é reduzido ao nome do arquivo.
VRMWND_BASE_API HRESULT QZVerificaHR(HRESULT hr, eQZRegraFalha eRegra, const IQZDF_Profiler* pContexto,
                                     const char* szClasseFuncao, const char* szArquivo, int nLinha,
                                     const char* szExpressao, const HRESULT* pToleradas = nullptr);

// Uso: hr = QZ_VERIFICA_HR(this, eQZFalhaSeNaoZero, m_pServidor->LeDFPlano(...));
// Avalia a expressão uma vez, registra a falha com classe::função, arquivo, linha e
// o texto da expressão, e vale o hr.
#define QZ_VERIFICA_HR(pContexto, eRegra, expressao) \
  QZVerificaHR((expressao), (eRegra), (pContexto), __PRETTY_FUNCTION__, __FILE__, __LINE__, #expressao)

// "Classe::Funcao" de uma assinatura ("virtual long CFoo::Bar(int)" -> "CFoo::Bar");
// um texto sem parênteses volta como está.
VRMWND_BASE_API CString QZClasseFuncao(const char* szAssinatura);
