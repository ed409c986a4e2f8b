// O escritor dos relatórios do compras: pares rótulo/valor em texto indentado ou em
// JSON com a mesma sequência de chamadas, com dinheiro em notação brasileira e datas
// por extenso curto.
#pragma once

#include <cinttypes>
#include <cstdio>
#include <string>
#include <string_view>

#include "vrmwnd/base/CQZCurrencyEx.h"
#include "vrmwnd/base/datas.h"

namespace compras {

// Escreve pares rótulo/valor, em texto indentado ou em JSON, com a mesma sequência
// de chamadas.
class CEscritor {
 public:
  explicit CEscritor(bool bJson) : m_bJson(bJson) {}

  void Texto(const char* szChave, const char* szRotulo, std::string_view sValor) {
    Par(szChave, szRotulo, m_bJson ? Aspas(sValor) : std::string(sValor));
  }
  void Numero(const char* szChave, const char* szRotulo, long long llValor) {
    Par(szChave, szRotulo, std::to_string(llValor));
  }
  // Dinheiro: texto brasileiro com nCasas; em JSON o número com quatro casas.
  void Moeda(const char* szChave, const char* szRotulo, CY valor, short nCasas = 2) {
    if (m_bJson) {
      std::uint64_t u =
          valor.int64 < 0 ? 0 - static_cast<std::uint64_t>(valor.int64) : static_cast<std::uint64_t>(valor.int64);
      char sz[40];
      std::snprintf(sz, sizeof sz, "%s%" PRIu64 ".%04" PRIu64, valor.int64 < 0 ? "-" : "", u / 10000, u % 10000);
      Par(szChave, szRotulo, sz);
    } else {
      char sz[64];
      CQZCurrencyEx::Formata(valor, nCasas, sz);
      Par(szChave, szRotulo, sz);
    }
  }
  void Data(const char* szChave, const char* szRotulo, REG_QZDMA dma) {
    char sz[16] = "";
    QZDataTexto(sz, sizeof sz, dma, QZ_DATA_DMAAAA, '/', true);
    Texto(szChave, szRotulo, sz);
  }
  void AbreLista(const char* szChave, const char* szRotulo, std::size_t n) {
    if (m_bJson) {
      Separa();
      std::printf("\"%s\": [", szChave);
      m_bPrimeiro = true;
    } else {
      std::printf("%*s%s (%zu):\n", Recuo(), "", szRotulo, n);
      ++m_nNivel;
    }
  }
  void AbreElemento(std::size_t i) {
    if (m_bJson) {
      Separa();
      std::printf("{");
      m_bPrimeiro = true;
    } else {
      std::printf("%*s#%zu\n", Recuo(), "", i);
    }
    ++m_nNivel;
  }
  void FechaElemento() { Fecha("}"); }
  void FechaLista() { Fecha("]"); }
  void Comeca() {
    if (m_bJson) std::printf("{");
  }
  void Termina() {
    if (m_bJson) std::printf("}\n");
  }

 private:
  static std::string Aspas(std::string_view s) {
    std::string r = "\"";
    for (char c : s) {
      if (c == '"' || c == '\\') r += '\\';
      if (static_cast<unsigned char>(c) < 0x20) {
        char sz[8];
        std::snprintf(sz, sizeof sz, "\\u%04x", c);
        r += sz;
      } else {
        r += c;
      }
    }
    return r + "\"";
  }
  int Recuo() const { return 2 * m_nNivel; }
  void Separa() {
    if (!m_bJson) return;
    if (!m_bPrimeiro) std::printf(", ");
    m_bPrimeiro = false;
  }
  void Par(const char* szChave, const char* szRotulo, const std::string& strValor) {
    if (m_bJson) {
      Separa();
      std::printf("\"%s\": %s", szChave, strValor.c_str());
    } else {
      // Alinha pelos caracteres, não pelos bytes do UTF-8.
      std::string strRotulo = std::string(szRotulo) + ":";
      std::size_t nCaracteres = 0;
      for (char c : strRotulo) nCaracteres += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
      strRotulo.append(nCaracteres < 28 ? 28 - nCaracteres : 0, ' ');
      std::printf("%*s%s %s\n", Recuo(), "", strRotulo.c_str(), strValor.c_str());
    }
  }
  void Fecha(const char* szFim) {
    if (m_bJson) std::printf("%s", szFim);
    if (m_nNivel > 0) --m_nNivel;
    m_bPrimeiro = false;
  }
  bool m_bJson;
  bool m_bPrimeiro = true;
  int m_nNivel = 0;
};

}  // namespace compras
