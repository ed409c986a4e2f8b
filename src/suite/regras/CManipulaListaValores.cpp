// O reescalonamento de uma lista de valores para um novo total: partes proporcionais
// aos pesos, na unidade das casas pedidas, e a sobra que fecha a soma no total.
#include <limits>
#include <vector>

#include "vrmwnd/suite/regras/CManipulaListaValores.h"

namespace {

using Int128 = __int128;

// Quociente de n / d em unidades de nUnidade, arredondado (metade para longe do zero)
// ou cortado, devolvido já multiplicado pela unidade.
Int128 DivideNaUnidade(Int128 n, Int128 d, Int128 nUnidade, bool bArredonda) {
  if (d < 0) n = -n, d = -d;
  const Int128 dd = d * nUnidade;
  Int128 q = n / dd;
  const Int128 r = n % dd;
  if (bArredonda && 2 * (r < 0 ? -r : r) >= dd) q += n < 0 ? -1 : 1;
  return q * nUnidade;
}

CY ParaCY(Int128 v) {
  CY cy;
  cy.int64 = static_cast<LONGLONG>(v);
  return cy;
}

}  // namespace

bool CManipulaListaValores::SetNovoTotal(CY cyTotal, int nCasas) {
  const INT_PTR n = m_listaValores.GetSize();
  if (n == 0) return true;
  if (nCasas < 0 || nCasas > 4) nCasas = 4;
  Int128 nUnidade = 1;
  for (int i = nCasas; i < 4; ++i) nUnidade *= 10;
  const Int128 total = cyTotal.int64;
  Int128 soma = 0;
  for (INT_PTR i = 0; i < n; ++i) soma += m_listaValores[i].int64;

  std::vector<Int128> partes(static_cast<std::size_t>(n));
  Int128 distribuido = 0;
  std::size_t iSobra = partes.size() - 1;
  Int128 maior = -1;
  for (std::size_t i = 0; i < partes.size(); ++i) {
    const Int128 peso = m_listaValores[static_cast<INT_PTR>(i)].int64;
    if (soma == 0) {
      partes[i] = DivideNaUnidade(total, n, nUnidade, m_bArredonda);
    } else {
      const Int128 modulo = peso < 0 ? -peso : peso;
      if (modulo > maior) maior = modulo, iSobra = i;
      partes[i] = DivideNaUnidade(peso * total, soma, nUnidade, m_bArredonda);
    }
    distribuido += partes[i];
  }
  // A sobra do arredondamento, um múltiplo da unidade, fecha a soma no total. Um
  // total que não é múltiplo da unidade deixa a sua fração também nesse valor.
  partes[iSobra] += total - distribuido;
  for (Int128 parte : partes)
    if (parte > std::numeric_limits<LONGLONG>::max() || parte < std::numeric_limits<LONGLONG>::min()) return false;
  for (std::size_t i = 0; i < partes.size(); ++i) m_listaValores.SetAt(static_cast<INT_PTR>(i), ParaCY(partes[i]));
  return true;
}
