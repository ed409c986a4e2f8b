// CQZCurrencyEx: valor, casas e modo; toda mudança termina em Arredonda().
#include "vrmwnd/base/CQZCurrencyEx.h"

#include <cstring>
#include <string>

#include "vrmwnd/platform/numfmt.h"

constinit const CQZCurrencyEx g_curZero;

namespace {

constexpr int kCasasImplicitas = 4;
constexpr LONGLONG kPotencias[] = {10'000, 1'000, 100, 10, 1};
constexpr int kMaxBytesNumero = 64;

// O texto do BSTR em UTF-8, cortado em kMaxBytesNumero bytes sem partir um
// caractere. O texto de um número é ASCII, em que cada unidade já é o seu byte.
void EstreitaTexto(BSTR bstr, char (&szNumero)[kMaxBytesNumero + 1]) {
  const UINT nTamanho = SysStringLen(bstr);
  UINT i = 0;
  for (; i < nTamanho && i < kMaxBytesNumero && bstr[i] < 0x80; ++i) szNumero[i] = static_cast<char>(bstr[i]);
  if (i == nTamanho || i == kMaxBytesNumero) {
    szNumero[i] = '\0';
    return;
  }
  const CString numero = Utf8CutToBytes(CString(bstr, static_cast<int>(nTamanho)), kMaxBytesNumero);
  std::memcpy(szNumero, numero.GetString(), static_cast<std::size_t>(numero.GetLength()) + 1);
}

}  // namespace

CQZCurrencyEx::CQZCurrencyEx(double valor) : CQZCurrencyEx() { Atribui(CyDeDouble(valor)); }

CQZCurrencyEx::CQZCurrencyEx(const CY& valor) : CQZCurrencyEx() { Atribui(valor); }

CQZCurrencyEx::CQZCurrencyEx(bool bDuasCasas, bool bArredonda, const CQZCurrencyEx& valor)
    : CQZCurrencyEx(bDuasCasas, bArredonda ? ARREDONDA_MEIO : TRUNCA, valor) {}

CQZCurrencyEx::CQZCurrencyEx(bool bDuasCasas, int nModo, const CQZCurrencyEx& valor)
    : m_cyValor(valor.m_cyValor), m_nCasasDecimais(bDuasCasas ? 2 : 4), m_nModoArredondamento(nModo) {
  Arredonda();
}

void CQZCurrencyEx::Atribui(const CY& valor) {
  m_cyValor = valor;
  Arredonda();
}

CQZCurrencyEx& CQZCurrencyEx::operator=(const CQZCurrencyEx& outro) {
  Atribui(outro.m_cyValor);
  return *this;
}
CQZCurrencyEx& CQZCurrencyEx::operator=(const CY& valor) {
  Atribui(valor);
  return *this;
}
CQZCurrencyEx& CQZCurrencyEx::operator=(double valor) {
  Atribui(CyDeDouble(valor));
  return *this;
}

CQZCurrencyEx& CQZCurrencyEx::operator+=(const CY& valor) { return *this = m_cyValor + valor; }
CQZCurrencyEx& CQZCurrencyEx::operator-=(const CY& valor) { return *this = m_cyValor - valor; }
CQZCurrencyEx& CQZCurrencyEx::operator*=(const CY& valor) { return *this = m_cyValor * valor; }
CQZCurrencyEx& CQZCurrencyEx::operator/=(const CY& valor) { return *this = m_cyValor / valor; }
CQZCurrencyEx& CQZCurrencyEx::operator+=(double valor) { return *this = m_cyValor + valor; }
CQZCurrencyEx& CQZCurrencyEx::operator-=(double valor) { return *this = m_cyValor - valor; }
CQZCurrencyEx& CQZCurrencyEx::operator*=(double valor) { return *this = m_cyValor * valor; }
CQZCurrencyEx& CQZCurrencyEx::operator/=(double valor) { return *this = m_cyValor / valor; }

void CQZCurrencyEx::SetCasasDecimais(short n) {
  m_nCasasDecimais = (n >= 0 && n <= kCasasImplicitas) ? n : short{kCasasImplicitas};
  Arredonda();
}

double CQZCurrencyEx::GetDouble() const {
  double d = 0;
  VarR8FromCy(m_cyValor, &d);
  return d;
}

LONG CQZCurrencyEx::GetCentavos() const { return static_cast<LONG>(static_cast<double>(m_cyValor.int64) / 100.0); }

void CQZCurrencyEx::Formata(const CY& valor, short nCasas, char* szSaida) {
  CY cortado = valor;
  if (nCasas >= 0 && nCasas < kCasasImplicitas) cortado.int64 = valor.int64 / kPotencias[nCasas] * kPotencias[nCasas];

  BSTR bstr = nullptr;
  if (FAILED(VarBstrFromCy(cortado, LCID_ENGLISH_US, LOCALE_NOUSEROVERRIDE, &bstr)) || bstr == nullptr) {
    std::strcpy(szSaida, "Erro");
    return;
  }
  char szNumero[kMaxBytesNumero + 1];
  EstreitaTexto(bstr, szNumero);
  SysFreeString(bstr);

  char szDecimal[] = ",";
  char szMilhar[] = ".";
  const NUMBERFMTA formato{static_cast<UINT>(nCasas < 0 ? 0 : nCasas), 1, 3, szDecimal, szMilhar, 1};
  std::memset(szSaida, 0, 64);
  GetNumberFormatA(0, 0, szNumero, &formato, szSaida, 64);
}

CString CQZCurrencyEx::Formata() const {
  char szSaida[64];
  Formata(m_cyValor, m_nCasasDecimais, szSaida);
  return CString(szSaida);
}

void CQZCurrencyEx::SetTexto(const CString& texto, bool bBrasileiro) {
  const std::u16string largo = Utf8ToUtf16(texto);
  CY cy = g_cyZero;
  if (FAILED(VarCyFromStr(largo.c_str(), bBrasileiro ? LCID_PORTUGUESE_BRAZIL : LCID_ENGLISH_US, LOCALE_NOUSEROVERRIDE,
                          &cy)))
    cy = g_cyZero;
  Atribui(cy);
}

CY CQZCurrencyEx::Percentual(unsigned short nCentesimos) const { return m_cyValor * CyDeBruto(nCentesimos); }

CY CQZCurrencyEx::Percentual(CY percentual) const { return (m_cyValor * percentual) / 100.0; }

CY CQZCurrencyEx::Percentual(const CQZCurrencyEx& percentual) const { return Percentual(percentual.m_cyValor); }

void Calcula(const CQZCurrencyEx& a, char op, const CQZCurrencyEx& b, CQZCurrencyEx* pResultado) {
  const CY cyA = a.GetCY(), cyB = b.GetCY();
  switch (op) {
    case '*': *pResultado = cyA * cyB; break;
    case '+': *pResultado = cyA + cyB; break;
    case '-': *pResultado = cyA - cyB; break;
    case '/': *pResultado = cyA / cyB; break;
    default: break;
  }
}

void Calcula(const CQZCurrencyEx& a, char op, LONG b, CQZCurrencyEx* pResultado) {
  CY cyB = g_cyZero;
  VarCyFromI4(b, &cyB);
  Calcula(a, op, CQZCurrencyEx(cyB), pResultado);
}
