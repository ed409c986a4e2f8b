// Construção e destruição dos tratadores de documento: o cronômetro vai sem mudança à
// base; cada tratador é o contexto do profiler das regras; o da solicitação de compra
// cria antes o seu tratador de cotação.
#include "vrmwnd/business/CTrataDadosWnd.h"

#define QZ_DEFINE_TRATA_DADOS_WND(Codigo)                                                                \
  CTrataDados##Codigo##Wnd::CTrataDados##Codigo##Wnd(CTimer2* pTimer) : CConsisteDados##Codigo(pTimer) { \
    SetContextoProfiler(this);                                                                           \
  }                                                                                                      \
  CTrataDados##Codigo##Wnd::~CTrataDados##Codigo##Wnd() = default;
QZ_DEFINE_TRATA_DADOS_WND(AC)
QZ_DEFINE_TRATA_DADOS_WND(CC)
QZ_DEFINE_TRATA_DADOS_WND(CP)
QZ_DEFINE_TRATA_DADOS_WND(CT)
QZ_DEFINE_TRATA_DADOS_WND(OP)
QZ_DEFINE_TRATA_DADOS_WND(RE)
#undef QZ_DEFINE_TRATA_DADOS_WND

CTrataDadosSCWnd::CTrataDadosSCWnd(CTimer2* pTimer) : CConsisteDadosSC(pTimer, new CTrataDadosCPWnd(pTimer)) {
  SetContextoProfiler(this);
}
CTrataDadosSCWnd::~CTrataDadosSCWnd() = default;
