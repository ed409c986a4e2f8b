// Os compostos gerenciais: a regra de três que refaz as linhas para outro valor, ao
// centavo, e a conversão entre o composto e a lista que a linha de rateio guarda.
#include "vrmwnd/suite/regras/CManipulaListaValores.h"
#include "vrmwnd/suite/regras/CTrataDadosGerencial.h"

namespace {

constexpr int kCasasCentavos = 2;

}  // namespace

TQZGerencialComposto CTrataDadosGerencial::RegraDeTresPorValor(const TQZGerencialComposto& composto, CY cyValor,
                                                               int nArredonda) {
  TQZGerencialComposto refeito = composto;
  refeito.SetValor(cyValor);
  CManipulaListaValores partes(nArredonda == 0);
  for (int i = 0; i < composto.GetQuantidadeGerencial(); ++i) partes.Adiciona(composto.GetGerencial(i).GetValor());
  if (partes.GetQuantidade() == 0 || !partes.SetNovoTotal(cyValor, kCasasCentavos)) return refeito;
  for (int i = 0; i < partes.GetQuantidade(); ++i) {
    TQZGerencial linha = composto.GetGerencial(i);
    linha.SetValor(partes.GetValor(i));
    refeito.SetGerencial(i, linha);
  }
  return refeito;
}

T_Lista<TQZGerencial> CTrataDadosGerencial::ConverterComposto(const TQZGerencialComposto& composto) {
  return composto.GetListaGerencial();
}

TQZGerencialComposto CTrataDadosGerencial::ConverterListaPorValor(const T_Lista<TQZGerencial>& lista, CY cyValor) {
  TQZGerencialComposto composto;
  composto.SetListaGerencial(lista);
  composto.SetValor(cyValor);
  return composto;
}
