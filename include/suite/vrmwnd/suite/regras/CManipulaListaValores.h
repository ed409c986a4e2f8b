// Lista de valores que se reescala para um novo total: cada valor fica proporcional
// ao seu peso, arredondado às casas pedidas, e a soma dá exatamente o novo total.
#pragma once

#include "vrmwnd/base/T_Lista.h"
#include "vrmwnd/platform/oleauto.h"
#include "vrmwnd/suite/exporta.h"

// | situação                    | resultado de SetNovoTotal                             |
// |-----------------------------|-------------------------------------------------------|
// | soma dos valores diferente 0| valor_i * total / soma, arredondado (ou cortado) às   |
// |                             | casas; a sobra vai para o valor de maior módulo       |
// |                             | (o primeiro deles, no empate)                          |
// | soma 0 (todos 0, ou + e -)  | o total em partes iguais; a sobra vai para o último   |
// | lista vazia                 | nada                                                  |
class VRMWND_SUITE_API CManipulaListaValores {
 public:
  // bArredonda: arredonda a metade para longe do zero; false corta em direção ao zero.
  explicit CManipulaListaValores(bool bArredonda) : m_bArredonda(bArredonda) {}

  void Adiciona(CY valor) { m_listaValores.Add(valor); }
  int GetQuantidade() const { return static_cast<int>(m_listaValores.GetSize()); }
  // O valor i como foi adicionado, ou reescalado pelo último SetNovoTotal.
  CY GetValor(int i) const { return m_listaValores[i]; }
  // nCasas de 0 a 4 (fora disso vale 4). Os pesos são os valores atuais da lista.
  // false, com a lista intacta, quando uma parte não cabe num CY (pesos de sinais
  // opostos que quase se anulam).
  bool SetNovoTotal(CY cyTotal, int nCasas);

 private:
  bool m_bArredonda;
  T_Lista<CY> m_listaValores;
};
