// CQZCurrency sobre o COleCurrency da plataforma.
#include "vrmwnd/base/CQZCurrency.h"

#include <cctype>
#include <string>

#include "vrmwnd/base/CQZCurrencyEx.h"

CQZCurrency::CQZCurrency(double valor) { *this = valor; }

CQZCurrency& CQZCurrency::operator=(const COleCurrency& valor) {
  COleCurrency::operator=(valor);
  return *this;
}

CQZCurrency& CQZCurrency::operator=(double valor) {
  COleCurrency::operator=(CyDeDouble(ArredondaDouble(valor, m_nCasasDecimais)));
  return *this;
}

void CQZCurrency::TruncaCentavos() { m_cur.int64 = m_cur.int64 / 100 * 100; }

double CQZCurrency::ArredondaDouble(double valor, short nCasas) {
  const bool bDuasCasas = nCasas == 2;
  CY cy = g_cyZero;
  if (FAILED(VarCyFromR8(bDuasCasas ? valor / 100.0 : valor, &cy))) return valor;
  double resultado = 0;
  VarR8FromCy(cy, &resultado);
  return bDuasCasas ? resultado * 100.0 : resultado;
}

BOOL CQZCurrency::SetTexto(const CString& texto) {
  const std::string original(static_cast<const char*>(texto));
  std::string::size_type nSeparador = original.rfind(',');
  if (nSeparador == std::string::npos) nSeparador = original.find('.');
  std::string normalizado;
  bool bTemDigito = false;
  for (std::string::size_type i = 0; i < original.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(original[i]);
    if (std::isdigit(c)) {
      normalizado += static_cast<char>(c);
      bTemDigito = true;
    } else if (i == nSeparador) {
      normalizado += '.';
    } else if (c == '-' && !bTemDigito && normalizado.empty()) {
      normalizado += '-';
    } else if (c != '.' && c != ',' && !std::isspace(c)) {
      normalizado.clear();  // qualquer outro caractere torna o texto ilegível
      bTemDigito = false;
      break;
    }
  }
  if (!bTemDigito) {
    m_cur = g_cyZero;
    m_status = invalid;
    return FALSE;
  }
  return ParseCurrency(normalizado.c_str(), LOCALE_NOUSEROVERRIDE, LCID_ENGLISH_US);
}

CString CQZCurrency::Formata() const {
  char szSaida[64];
  CQZCurrencyEx::Formata(m_cur, m_nCasasDecimais, szSaida);
  return CString(szSaida);
}
