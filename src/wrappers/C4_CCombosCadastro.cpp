// Os combos de cadastro exportados e o CRC-32 dos nomes de leiaute.
#include "vrmwnd/wrappers/C4_CCombosCadastro.h"

#include <array>
#include <cstring>

namespace {

// A tabela refletida do polinômio IEEE (0xEDB88320).
constexpr std::array<unsigned long, 256> TabelaCRC() {
  std::array<unsigned long, 256> tabela{};
  for (unsigned long i = 0; i < 256; ++i) {
    unsigned long c = i;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? (c >> 1) ^ 0xEDB88320ul : c >> 1;
    tabela[i] = c;
  }
  return tabela;
}
constexpr std::array<unsigned long, 256> kTabelaCRC = TabelaCRC();

}  // namespace

unsigned long CRC32Leiaute(const char* pBytes, std::size_t nBytes) {
  unsigned long lCRC = 0;
  for (std::size_t i = 0; i < nBytes; ++i)
    lCRC = kTabelaCRC[(lCRC ^ static_cast<unsigned char>(pBytes[i])) & 0xFF] ^ (lCRC >> 8);
  return lCRC & 0xFFFFFFFFul;
}

C4_COMBO_IMPLEMENTA_MUDANCAS(C4_CDFComboLeiautes, CDFComboLeiautes)

int C4_CDFComboLeiautes::SelecionaLeiauteCRC(unsigned long lCRC) {
  int nAchado = -1;
  CString strItem;
  for (int i = 0, n = GetCount(); i < n && nAchado < 0; ++i) {
    GetLBText(i, strItem);
    if (CRC32Leiaute(strItem.GetString(), std::strlen(strItem.GetString())) == lCRC) nAchado = i;
  }
  return SetCurSel(nAchado);
}
