// Biblioteca gerencial: as relações entre o plano de contas (contas empresariais) e
// o plano gerencial, guardadas no banco da empresa (tabela conta_relacao_gerencial).
// Uma conta empresarial que tem relações vigentes é rateada nas contas gerenciais
// relacionadas; sem relações, não tem rateio gerencial.
#pragma once

#include <vector>

#include "vrmwnd/base/datas.h"
#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/regras/CTrataDadosBase.h"

// Uma relação vigente: a conta gerencial e a parte sugerida dela no rateio, em
// centésimos de ponto percentual (2500 = 25,00%; 0 quando a relação não sugere).
struct TRelacaoGerencial {
  long lPlanoGerencial = 0;
  int iPercentualSugerido = 0;
};

class VRMWND_SUITE_API CTrataDadosGerencial : public CTrataDadosBase {
 public:
  using CTrataDadosBase::CTrataDadosBase;

  // Quantas contas gerenciais analíticas e ativas a conta empresarial
  // lPlanoEmpresarial reparte em dma. Relação da filial 0 vale para todas as filiais.
  // bSomenteDaFilial: conta só as relações da filial iFilial e as de todas as
  // filiais; sem ele (ou com iFilial 0) contam as relações de qualquer filial. Conta
  // 0 dá 0. Lança CQZExceptionEx quando a leitura falha (servidores não ligados,
  // banco com erro).
  long GetQuantidadeRelacionamentoPlanoEmpresarialGerencial(long lPlanoEmpresarial, WORD iFilial, REG_QZDMA dma,
                                                            bool bSomenteDaFilial);
  // As mesmas relações, uma por conta gerencial, na ordem dos códigos; a mesma conta
  // relacionada na filial e em todas as filiais vale uma vez, com a parte da filial.
  std::vector<TRelacaoGerencial> GetRelacionamentos(long lPlanoEmpresarial, WORD iFilial, REG_QZDMA dma,
                                                    bool bSomenteDaFilial);
};
