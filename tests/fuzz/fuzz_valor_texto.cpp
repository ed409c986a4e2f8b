// O texto de um valor: VarCyFromStr nos dois idiomas e a leitura dos valores em
// dinheiro. Propriedades: no subconjunto simples do português ("-123,4567...") o
// resultado é o de uma conta exata, com meio para o par na quarta casa, ou estouro
// quando não cabe; o que é lido volta igual pelo próprio texto (VarBstrFromCy);
// SetTexto dá o mesmo valor arredondado pela classe, sem trocar de sinal; o texto de
// Formata, lido de novo, dá o valor cortado às casas.
#include <cstdint>
#include <string>

#include "fuzz_apoio.h"
#include "vrmwnd/base/CQZCurrencyEx.h"
#include "vrmwnd/base/arredondamento.h"

namespace {

using Int128 = __int128;

struct TReferencia {
  bool bSimples = false;
  bool bCabe = false;
  std::int64_t valor = 0;
};

// "-?algarismos(,algarismos)?" de até 30 algarismos de cada lado, contado em 128 bits.
TReferencia LeSimples(const std::string& texto) {
  TReferencia r;
  std::size_t i = texto[0] == '-' ? 1 : 0;
  const std::size_t nInteira = texto.find_first_not_of("0123456789", i) == std::string::npos
                                   ? texto.size() - i
                                   : texto.find_first_not_of("0123456789", i) - i;
  if (nInteira == 0 || nInteira > 30) return r;
  std::string fracao;
  if (i + nInteira < texto.size()) {
    if (texto[i + nInteira] != ',') return r;
    fracao = texto.substr(i + nInteira + 1);
    if (fracao.empty() || fracao.size() > 30 || fracao.find_first_not_of("0123456789") != std::string::npos) return r;
  }
  r.bSimples = true;
  Int128 v = 0;
  for (std::size_t k = i; k < i + nInteira; ++k) v = v * 10 + (texto[k] - '0');
  for (std::size_t k = 0; k < 4; ++k) v = v * 10 + (k < fracao.size() ? fracao[k] - '0' : 0);
  if (fracao.size() > 4) {
    const int nSeguinte = fracao[4] - '0';
    const bool bResto = fracao.find_first_not_of('0', 5) != std::string::npos;
    if (nSeguinte > 5 || (nSeguinte == 5 && (bResto || v % 2 == 1))) ++v;
  }
  if (texto[0] == '-') v = -v;
  r.bCabe = v >= INT64_MIN && v <= INT64_MAX;
  r.valor = r.bCabe ? static_cast<std::int64_t>(v) : 0;
  return r;
}

// O bruto cortado em direção ao zero a nCasas casas.
std::int64_t Cortado(std::int64_t bruto, int nCasas) {
  std::int64_t passo = 1;
  for (int i = nCasas; i < 4; ++i) passo *= 10;
  return bruto / passo * passo;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pDados, std::size_t nTamanho) {
  if (nTamanho == 0 || nTamanho > 200) return 0;
  const std::string texto = Texto(pDados, nTamanho);
  if (texto.find('\0') != std::string::npos) return 0;
  const std::u16string largo = Utf8ToUtf16(texto.c_str());
  const int nModo = static_cast<int>(pDados[0] % 4);
  const int nCasas = static_cast<int>(nTamanho % 5);
  for (LCID lcid : {LCID_PORTUGUESE_BRAZIL, LCID_ENGLISH_US}) {
    CY cy{};
    const HRESULT hr = VarCyFromStr(largo.c_str(), lcid, LOCALE_NOUSEROVERRIDE, &cy);
    EXIGE(hr == S_OK || hr == DISP_E_TYPEMISMATCH || hr == DISP_E_OVERFLOW, "\"%s\": 0x%08X", texto.c_str(),
          static_cast<unsigned>(hr));
    if (lcid == LCID_PORTUGUESE_BRAZIL) {
      const TReferencia ref = LeSimples(texto);
      if (ref.bSimples) {
        EXIGE(hr == (ref.bCabe ? S_OK : DISP_E_OVERFLOW), "\"%s\": 0x%08X", texto.c_str(), static_cast<unsigned>(hr));
        EXIGE(hr != S_OK || cy.int64 == ref.valor, "\"%s\": %lld, referência %lld", texto.c_str(),
              static_cast<long long>(cy.int64), static_cast<long long>(ref.valor));
      }
    }
    if (hr != S_OK) continue;
    BSTR bstr = nullptr;
    EXIGE(VarBstrFromCy(cy, LCID_ENGLISH_US, 0, &bstr) == S_OK, "%lld", static_cast<long long>(cy.int64));
    CY volta{};
    const HRESULT hrVolta = VarCyFromStr(bstr, LCID_ENGLISH_US, 0, &volta);
    EXIGE(hrVolta == S_OK && volta.int64 == cy.int64, "\"%s\" -> %lld -> %lld", texto.c_str(),
          static_cast<long long>(cy.int64), static_cast<long long>(volta.int64));
    SysFreeString(bstr);
    if (lcid != LCID_PORTUGUESE_BRAZIL) continue;

    CQZCurrencyEx valor;
    valor.SetModoArredondamento(nModo);
    valor.SetCasasDecimais(static_cast<short>(nCasas));
    valor.SetTexto(CString(texto.c_str()), true);
    const std::int64_t esperado = QZArredondaBruto(cy.int64, nCasas, nModo, 4);
    EXIGE(valor.GetInt64() == esperado, "\"%s\" modo %d casas %d: %lld, esperado %lld", texto.c_str(), nModo, nCasas,
          static_cast<long long>(valor.GetInt64()), static_cast<long long>(esperado));
    EXIGE(cy.int64 == 0 || valor.GetInt64() == 0 || (valor.GetInt64() < 0) == (cy.int64 < 0), "sinal trocado: \"%s\"",
          texto.c_str());
    const CString formatado = valor.Formata();
    CQZCurrencyEx lido;
    lido.SetTexto(formatado, true);
    EXIGE(lido.GetInt64() == Cortado(valor.GetInt64(), nCasas), "\"%s\" -> \"%s\" -> %lld", texto.c_str(),
          formatado.GetString(), static_cast<long long>(lido.GetInt64()));
  }
  return 0;
}
