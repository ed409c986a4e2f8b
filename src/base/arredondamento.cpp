// O arredondamento de casas fixas, o mesmo para quatro e para oito casas implícitas.
#include "vrmwnd/base/arredondamento.h"

namespace {

std::int64_t Potencia10(int n) {
  std::int64_t p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

}  // namespace

HRESULT QZArredondaBrutoVerificado(std::int64_t bruto, int nCasas, int nModo, int nCasasImplicitas,
                                   std::int64_t* pResultado) {
  if (nCasas >= nCasasImplicitas || nCasas < 0 || nModo < ARREDONDA_MEIO || nModo > ARREDONDA_CIMA) {
    *pResultado = bruto;
    return S_OK;
  }
  const std::int64_t passo = Potencia10(nCasasImplicitas - nCasas);
  const bool bNegativo = bruto < 0;
  // Magnitude sem sinal: o bruto mais negativo também tem módulo representável.
  const std::uint64_t modulo = bNegativo ? 0ULL - static_cast<std::uint64_t>(bruto) : static_cast<std::uint64_t>(bruto);
  const std::uint64_t uPasso = static_cast<std::uint64_t>(passo);
  std::uint64_t quociente = modulo / uPasso;
  const std::uint64_t resto = modulo % uPasso;
  switch (nModo) {
    case ARREDONDA_MEIO:
      if (resto >= uPasso / 2) ++quociente;
      break;
    case TRUNCA: break;
    case ARREDONDA_PAR:
      // O dígito seguinte ao último mantido decide; o meio exato vai para o par.
      if (resto > uPasso / 2 || (resto == uPasso / 2 && quociente % 2 == 1)) ++quociente;
      break;
    case ARREDONDA_CIMA:
      if (resto != 0) ++quociente;
      break;
  }
  // A magnitude cabe em 64 bits com sinal: até 2^63 - 1, ou 2^63 quando negativa.
  const std::uint64_t kLimite = static_cast<std::uint64_t>(INT64_MAX) + (bNegativo ? 1 : 0);
  if (quociente > kLimite / uPasso) return DISP_E_OVERFLOW;
  const std::uint64_t arredondado = quociente * uPasso;
  *pResultado = bNegativo ? static_cast<std::int64_t>(0ULL - arredondado) : static_cast<std::int64_t>(arredondado);
  return S_OK;
}

std::int64_t QZArredondaBruto(std::int64_t bruto, int nCasas, int nModo, int nCasasImplicitas) {
  std::int64_t resultado = bruto;
  QZArredondaBrutoVerificado(bruto, nCasas, nModo, nCasasImplicitas, &resultado);
  return resultado;
}
