// Biblioteca gerencial: as relações entre o plano de contas (contas empresariais) e
// o plano gerencial, guardadas no banco da empresa (tabela conta_relacao_gerencial).
// Uma conta empresarial que tem relações vigentes é rateada nas contas gerenciais
// relacionadas; sem relações, não tem rateio gerencial.
#pragma once

#include <vector>

#include "vrmwnd/base/datas.h"
#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/registros/TCMTituloImposto.h"
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

  // Composto e lista gerencial. Um composto guarda o valor para o qual foi feito.
  // RegraDeTresPorValor: o composto refeito para cyValor, cada linha proporcional ao
  // seu valor, em centavos, com nArredonda 0 arredondando a metade para longe do zero
  // (outro valor corta); as linhas somam cyValor exatamente: a sobra do
  // arredondamento vai à linha de maior valor (a primeira delas, no empate). Linhas
  // que somam 0 repartem cyValor em partes iguais, a sobra na última; sem linhas,
  // só o valor muda. Uma parte que não cabe num CY deixa as linhas como estavam.
  static TQZGerencialComposto RegraDeTresPorValor(const TQZGerencialComposto& composto, CY cyValor, int nArredonda);
  // As linhas do composto, na ordem, como a lista que a linha de rateio guarda.
  static T_Lista<TQZGerencial> ConverterComposto(const TQZGerencialComposto& composto);
  // A lista guardada como composto feito para cyValor (as linhas não mudam).
  static TQZGerencialComposto ConverterListaPorValor(const T_Lista<TQZGerencial>& lista, CY cyValor);
};
