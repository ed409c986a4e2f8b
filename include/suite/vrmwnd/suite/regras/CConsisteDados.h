// As regras de negócio por documento da suíte: CTrataDados<código> (AC, CC, CP, CT,
// OP, SC; as da OC e do RE estão em CTrataDadosOC.h e CTrataDadosRE.h) e as classes
// de consistência CConsisteDados<código> de que as telas derivam os seus tratadores. A consistência
// do RE e do CT liga os servidores e lê as configurações do módulo de uma vez.
#pragma once

#include <memory>

#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/regras/CTrataDadosOC.h"
#include "vrmwnd/suite/regras/CTrataDadosRE.h"

#define QZ_DECLARA_TRATA_DADOS(Codigo)                                  \
  class VRMWND_SUITE_API CTrataDados##Codigo : public CTrataDadosBase { \
   public:                                                              \
    using CTrataDadosBase::CTrataDadosBase;                             \
  };
QZ_DECLARA_TRATA_DADOS(AC)
QZ_DECLARA_TRATA_DADOS(CC)
QZ_DECLARA_TRATA_DADOS(CT)
QZ_DECLARA_TRATA_DADOS(OP)
QZ_DECLARA_TRATA_DADOS(SC)
#undef QZ_DECLARA_TRATA_DADOS

// O que a inclusão de uma cotação decidiu sobre o envio pela web.
struct TCMEnvioCotacaoWeb {
  bool bEnviar = false;
  CString strModelo;  // o modelo de e-mail do envio
};

// Regras da cotação de preços. Ao incluir uma cotação, perguntam à tela, pela operação
// OnDoModalCotacaoWeb que a camada de janelas implementa, se a cotação vai aos
// fornecedores pela web e com que modelo de e-mail.
class VRMWND_SUITE_API CTrataDadosCP : public CTrataDadosBase {
 public:
  using CTrataDadosBase::CTrataDadosBase;
  // A pergunta do envio pela web. As regras não abrem janelas: aqui não envia
  // (bEnviar false, modelo vazio). Devolve 1.
  virtual unsigned OnDoModalCotacaoWeb(bool& bEnviar, CString& strModelo);
  // Inclui a cotação lNumero e pergunta pelo envio; o número 0 é recusado
  // (E_INVALIDARG) sem perguntar, e com as mensagens suprimidas não pergunta nem
  // envia. A exceção da pergunta chega ao chamador.
  HRESULT IncluiCotacao(ULONG lNumero, TCMEnvioCotacaoWeb& envio);
};

#define QZ_DECLARA_CONSISTE_DADOS(Codigo)                                                       \
  class VRMWND_SUITE_API CConsisteDados##Codigo : public CTrataDados##Codigo {                  \
   public:                                                                                      \
    explicit CConsisteDados##Codigo(CTimer2* pTimer = nullptr) : CTrataDados##Codigo(pTimer) {} \
  };
QZ_DECLARA_CONSISTE_DADOS(AC)
QZ_DECLARA_CONSISTE_DADOS(CC)
QZ_DECLARA_CONSISTE_DADOS(CP)
QZ_DECLARA_CONSISTE_DADOS(OC)
QZ_DECLARA_CONSISTE_DADOS(OP)
#undef QZ_DECLARA_CONSISTE_DADOS

// Consistência que liga os servidores e lê as configurações mestras do módulo
// (OnLerParametros) na mesma chamada; a falha da leitura desliga de novo e é
// devolvida. OnSetMostrarMensagens acompanha a licença do processo: sem licença as
// regras suprimem as suas perguntas.
template <class TRegras>
class VRMWND_SUITE_API CConsisteDadosComParametros : public TRegras {
 public:
  explicit CConsisteDadosComParametros(CTimer2* pTimer) : TRegras(pTimer) {}
  HRESULT OnInicializa(const char* szEmpresa = nullptr) override {
    HRESULT hr = TRegras::OnInicializa(szEmpresa);
    if (hr < 0) return hr;
    hr = this->OnLerParametros();
    if (hr != 0) TRegras::OnFinaliza();
    return hr;
  }
  HRESULT OnFinaliza() override { return TRegras::OnFinaliza(); }
  void OnSetMostrarMensagens() override { this->SetSuprimeMensagens(!CQZInicializador::GetPodeMostrarMensagens()); }
};

class VRMWND_SUITE_API CConsisteDadosCT : public CConsisteDadosComParametros<CTrataDadosCT> {
 public:
  explicit CConsisteDadosCT(CTimer2* pTimer = nullptr) : CConsisteDadosComParametros(pTimer) {}
};

class VRMWND_SUITE_API CConsisteDadosRE : public CConsisteDadosComParametros<CTrataDadosRE> {
 public:
  explicit CConsisteDadosRE(CTimer2* pTimer = nullptr) : CConsisteDadosComParametros(pTimer) {}
};

// A solicitação de compra consulta cotações pelas regras de cotação que recebe: o
// objeto passa a ser da solicitação, que o destrói com ela.
class VRMWND_SUITE_API CConsisteDadosSC : public CTrataDadosSC {
 public:
  CConsisteDadosSC(CTimer2* pTimer, CConsisteDadosCP* pCotacao) : CTrataDadosSC(pTimer), m_pCotacao(pCotacao) {}
  CConsisteDadosCP* GetCotacao() const { return m_pCotacao.get(); }

 private:
  std::unique_ptr<CConsisteDadosCP> m_pCotacao;
};
