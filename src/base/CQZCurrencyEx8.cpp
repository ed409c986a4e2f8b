// CQZCurrencyEx8: oito casas implícitas no inteiro de um CY.
#include "vrmwnd/base/CQZCurrencyEx8.h"

#include "vrmwnd/platform/numfmt.h"

constinit const CQZCurrencyEx8 g_cur8Zero;

namespace {

constexpr int kCasasImplicitas = 8;

// O DECIMAL de 10.000, fator entre as quatro casas do CY e as oito deste valor.
DECIMAL DezMil() {
  DECIMAL dec{};
  VarDecFromI4(10'000, &dec);
  return dec;
}

// Converte o DECIMAL de um valor real no bruto de oito casas: x 10.000 e VarCyFromDec.
bool BrutoDeDecimal(const DECIMAL& valor, LONGLONG* pBruto) {
  const DECIMAL dezMil = DezMil();
  DECIMAL escalado{};
  CY cy = g_cyZero;
  if (FAILED(VarDecMul(&valor, &dezMil, &escalado)) || FAILED(VarCyFromDec(&escalado, &cy))) return false;
  *pBruto = cy.int64;
  return true;
}

}  // namespace

CQZCurrencyEx8::CQZCurrencyEx8(double valor) : CQZCurrencyEx8() {
  DECIMAL dec{};
  LONGLONG bruto = 0;
  if (SUCCEEDED(VarDecFromR8(valor, &dec)) && BrutoDeDecimal(dec, &bruto)) Atribui(bruto);
}

CQZCurrencyEx8::CQZCurrencyEx8(LONGLONG bruto) : CQZCurrencyEx8() { Atribui(bruto); }

void CQZCurrencyEx8::Atribui(LONGLONG bruto) {
  m_cyValor.int64 = bruto;
  Arredonda();
}

CQZCurrencyEx8& CQZCurrencyEx8::operator=(const CQZCurrencyEx8& outro) {
  Atribui(outro.m_cyValor.int64);
  return *this;
}

CQZCurrencyEx8& CQZCurrencyEx8::operator=(double valor) { return *this = CQZCurrencyEx8(valor); }

void CQZCurrencyEx8::SetCasasDecimais(int n) {
  m_nCasasDecimais = n;
  Arredonda();
}

DECIMAL CQZCurrencyEx8::ParaDecimal() const {
  const DECIMAL dezMil = DezMil();
  DECIMAL quatroCasas = DecDeCy(m_cyValor), real{};
  VarDecDiv(&quatroCasas, &dezMil, &real);
  return real;
}

CString CQZCurrencyEx8::Formata() const {
  const DECIMAL real = ParaDecimal();
  BSTR bstr = nullptr;
  if (FAILED(VarBstrFromDec(&real, LCID_ENGLISH_US, LOCALE_NOUSEROVERRIDE, &bstr)) || bstr == nullptr)
    return CString("Erro");
  const CString numero(bstr, static_cast<int>(SysStringLen(bstr)));
  SysFreeString(bstr);

  char szDecimal[] = ",";
  char szMilhar[] = ".";
  const NUMBERFMTA formato{
      static_cast<UINT>(m_nCasasDecimais < 0 ? 0 : m_nCasasDecimais), 1, 3, szDecimal, szMilhar, 1};
  char szSaida[100] = {};
  GetNumberFormatA(0, 0, numero, &formato, szSaida, sizeof szSaida);
  return CString(szSaida);
}

CQZCurrencyEx8& CQZCurrencyEx8::operator+=(const CQZCurrencyEx8& valor) {
  Atribui((m_cyValor + valor.m_cyValor).int64);
  return *this;
}

CQZCurrencyEx8& CQZCurrencyEx8::operator-=(const CQZCurrencyEx8& valor) {
  Atribui((m_cyValor - valor.m_cyValor).int64);
  return *this;
}

CQZCurrencyEx8& CQZCurrencyEx8::operator+=(const CQZCurrencyEx& valor) {
  return *this += CQZCurrencyEx8(static_cast<LONGLONG>(valor.GetInt64() * 10'000));
}

CQZCurrencyEx8& CQZCurrencyEx8::operator-=(const CQZCurrencyEx& valor) {
  return *this -= CQZCurrencyEx8(static_cast<LONGLONG>(valor.GetInt64() * 10'000));
}

CQZCurrencyEx8 CQZCurrencyEx8::operator+(const CQZCurrencyEx8& valor) const { return CQZCurrencyEx8(*this) += valor; }
CQZCurrencyEx8 CQZCurrencyEx8::operator-(const CQZCurrencyEx8& valor) const { return CQZCurrencyEx8(*this) -= valor; }
CQZCurrencyEx8 CQZCurrencyEx8::operator+(const CQZCurrencyEx& valor) const { return CQZCurrencyEx8(*this) += valor; }
CQZCurrencyEx8 CQZCurrencyEx8::operator-(const CQZCurrencyEx& valor) const { return CQZCurrencyEx8(*this) -= valor; }

CQZCurrencyEx8 CQZCurrencyEx8::DeDecimal(const DECIMAL& valor, const CQZCurrencyEx8& ajustes) {
  CQZCurrencyEx8 resultado(ajustes);
  LONGLONG bruto = 0;
  resultado.Atribui(BrutoDeDecimal(valor, &bruto) ? bruto : 0);
  return resultado;
}

CQZCurrencyEx8 CQZCurrencyEx8::OperacaoDecimal(const DECIMAL& outro, bool bDivide) const {
  const DECIMAL esquerda = ParaDecimal();
  DECIMAL dec{};
  const HRESULT hr = bDivide ? VarDecDiv(&esquerda, &outro, &dec) : VarDecMul(&esquerda, &outro, &dec);
  if (FAILED(hr)) return DeDecimal(DECIMAL{}, *this);
  return DeDecimal(dec, *this);
}

CQZCurrencyEx8 CQZCurrencyEx8::operator*(const CQZCurrencyEx8& valor) const {
  return OperacaoDecimal(valor.ParaDecimal(), false);
}
CQZCurrencyEx8 CQZCurrencyEx8::operator*(const CQZCurrencyEx& valor) const {
  return OperacaoDecimal(DecDeCy(valor.GetCY()), false);
}
CQZCurrencyEx8 CQZCurrencyEx8::operator/(const CQZCurrencyEx8& valor) const {
  return OperacaoDecimal(valor.ParaDecimal(), true);
}
CQZCurrencyEx8 CQZCurrencyEx8::operator/(const CQZCurrencyEx& valor) const {
  return OperacaoDecimal(DecDeCy(valor.GetCY()), true);
}

CQZCurrencyEx8 CQZCurrencyEx8::operator*(double valor) const {
  DECIMAL dec{};
  if (FAILED(VarDecFromR8(valor, &dec))) return DeDecimal(DECIMAL{}, *this);
  return OperacaoDecimal(dec, false);
}

CQZCurrencyEx8 CQZCurrencyEx8::operator/(double valor) const {
  DECIMAL dec{};
  if (FAILED(VarDecFromR8(valor, &dec))) return DeDecimal(DECIMAL{}, *this);
  return OperacaoDecimal(dec, true);
}

CQZCurrencyEx8 CQZCurrencyEx8::Percentual(unsigned short nCentesimos) const {
  return Percentual(CQZCurrencyEx8(static_cast<LONGLONG>(nCentesimos) * 1'000'000));
}

CQZCurrencyEx8 CQZCurrencyEx8::Percentual(const CQZCurrencyEx8& percentual) const {
  return (*this * percentual) / 100.0;
}

CQZCurrencyEx8 CQZCurrencyEx8::Percentual(const CQZCurrencyEx& percentual) const {
  return (*this * percentual) / 100.0;
}

CQZCurrencyEx CQZCurrencyEx8::GetCurrencyEx() const {
  CY cy = g_cyZero;
  const DECIMAL real = ParaDecimal();
  if (FAILED(VarCyFromDec(&real, &cy))) return g_curZero;
  return CQZCurrencyEx(cy);
}
