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
C4_COMBO_IMPLEMENTA_MUDANCAS(C4_CComboBaseCalculoCredito, CComboBaseCalculoCredito)
C4_COMBO_IMPLEMENTA_MUDANCAS(C4_CComboTipoIncidenciaPISCOFINS, CComboTipoIncidenciaPISCOFINS)
C4_COMBO_IMPLEMENTA_MUDANCAS(C4_CComboTipoPeriodo, CComboTipoPeriodo)
C4_COMBO_IMPLEMENTA_MUDANCAS(C4_CComboVencimento, CComboVencimento)
C4_COMBO_IMPLEMENTA_MUDANCAS(C4_CEstadoCombo, CEstadoCombo)
C4_COMBO_IMPLEMENTA_MUDANCAS(C4_CTipoDoctoCombo, CTipoDoctoCombo)

// Os combos cujo instantâneo é o código da linha (GetText) em vez do texto da janela.
#define C4_COMBO_IMPLEMENTA_MUDANCAS_POR_CODIGO(Classe, Base)                                    \
  BEGIN_MESSAGE_MAP(Classe, Base)                                                                \
  C4_COMBO_ENTRADAS_MUDANCAS(Classe)                                                             \
  END_MESSAGE_MAP()                                                                              \
  BOOL Classe::OnChange() { return FiltraMudancaDeCombo(*this, m_strTextoAnterior, GetText()); } \
  LRESULT Classe::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {                       \
    if (ComboAtualizaAntes(message)) OnChange();                                                 \
    return Base::WindowProc(message, wParam, lParam);                                            \
  }

C4_COMBO_IMPLEMENTA_MUDANCAS_POR_CODIGO(C4_CComboIndice, CComboIndice)
C4_COMBO_IMPLEMENTA_MUDANCAS_POR_CODIGO(C4_CComboOrigem, CComboOrigem)

void C4_CComboBaseCalculoCredito::SetModeloDocumentoEx(CString strModelo) {
  CString strTexto;
  GetWindowText(strTexto);
  SetModeloDocumento(strModelo);
  if (!strTexto.IsEmpty()) SelectString(-1, strTexto);  // "" acharia o primeiro item
}

unsigned short C4_CComboVencimento::GetPonteiro() const {
  unsigned short iPonteiro = 0;
  GetPosicao(iPonteiro);
  return iPonteiro;
}

unsigned short C4_CTipoDoctoCombo::GetPonteiro() const {
  unsigned short iPonteiro = 0;
  GetPosicao(iPonteiro);
  return iPonteiro;
}

int C4_CDFComboLeiautes::SelecionaLeiauteCRC(unsigned long lCRC) {
  int nAchado = -1;
  CString strItem;
  for (int i = 0, n = GetCount(); i < n && nAchado < 0; ++i) {
    GetLBText(i, strItem);
    if (CRC32Leiaute(strItem.GetString(), std::strlen(strItem.GetString())) == lCRC) nAchado = i;
  }
  return SetCurSel(nAchado);
}
