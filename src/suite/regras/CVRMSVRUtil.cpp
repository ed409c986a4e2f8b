// Utilitários de texto e de percentual do servidor do módulo.
#include "vrmwnd/suite/regras/CVRMSVRUtil.h"

#include <string>

#include "vrmwnd/base/CQZCurrencyEx.h"

CY CVRMSVRUtil::Percentual_USHORT_Para_CURRENCY(unsigned short nPercentual) {
  CY cy;
  cy.int64 = static_cast<LONGLONG>(nPercentual) * 100;
  return cy;
}

bool CVRMSVRUtil::true_S(char cMarca) { return cMarca == 'S' || cMarca == 's'; }

CString CVRMSVRUtil::CStringSemQuebraDeLinha(const CString& strTexto) {
  const std::string s = strTexto.GetString();
  std::string r;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
    r += (s[i] == '\r' || s[i] == '\n' || s[i] == '\t') ? ' ' : s[i];
  }
  return CString(r.c_str());
}

CString CVRMSVRUtil::FormataMascara(const CString& strCodigo, const CString& strMascara) {
  const std::string sMascara = strMascara.GetString();
  if (sMascara.empty()) return strCodigo;
  std::string sDigitos;
  for (char c : std::string(strCodigo.GetString()))
    if (c >= '0' && c <= '9') sDigitos += c;
  std::string r;
  std::size_t nUsados = 0;
  for (std::size_t i = sMascara.size(); i-- > 0;) {
    const char m = sMascara[i];
    if (m == '9' || m == '#') {
      r.insert(r.begin(), nUsados < sDigitos.size() ? sDigitos[sDigitos.size() - 1 - nUsados] : '0');
      ++nUsados;
    } else {
      r.insert(r.begin(), m);
    }
  }
  if (nUsados < sDigitos.size()) r.insert(0, sDigitos.substr(0, sDigitos.size() - nUsados));
  return CString(r.c_str());
}

CString CVRMSVRUtil::ToStringV4(CY valor, int nCasas) {
  if (nCasas < 0 || nCasas > 4) nCasas = 4;
  char sz[64];
  CQZCurrencyEx::Formata(valor, static_cast<short>(nCasas), sz);
  return CString(sz);
}
