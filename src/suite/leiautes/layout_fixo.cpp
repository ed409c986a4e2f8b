// Verificações dos registros de layout fixo: textos com terminador dentro do campo,
// identificadores de bloco vivos e quantidades que cabem no bloco. Nada aqui lê
// além do campo ou do bloco que verifica.
#include "vrmwnd/suite/leiautes/layout_fixo.h"

#include <algorithm>
#include <cstdio>

namespace vrmsuite {

namespace {
std::string MontaMensagem(const char* szRegistro, const char* szCampo, std::size_t nOffset,
                          const std::string& strMotivo) {
  char szLocal[160];
  std::snprintf(szLocal, sizeof szLocal, "Registro %s, campo %s (deslocamento %zu): ", szRegistro, szCampo, nOffset);
  return szLocal + strMotivo + ".";
}

std::string Hex(DWORD h) {
  char sz[16];
  std::snprintf(sz, sizeof sz, "%#X", h);
  return sz;
}
}  // namespace

CQZErroLayout::CQZErroLayout(const char* szRegistro, const char* szCampo, std::size_t nOffset,
                             const std::string& strMotivo)
    : std::runtime_error(MontaMensagem(szRegistro, szCampo, nOffset, strMotivo)) {}

namespace acesso {

void* ResolveVetor(DWORD hBloco, std::size_t nQtd, std::size_t nTamanhoElem, const char* szRegistro,
                   const char* szCampo, std::size_t nOffset) {
  SIZE_T nBytes = 0;
  void* p = CoTaskMemFromHandle(hBloco, &nBytes);
  if (p == nullptr)
    throw CQZErroLayout(
        szRegistro, szCampo, nOffset,
        "identificador de bloco inválido " + Hex(hBloco) + " para " + std::to_string(nQtd) + " elementos");
  if (nQtd > nBytes / nTamanhoElem)
    throw CQZErroLayout(szRegistro, szCampo, nOffset,
                        std::to_string(nQtd) + " elementos de " + std::to_string(nTamanhoElem) +
                            " bytes não cabem no bloco de " + std::to_string(nBytes) + " bytes");
  return p;
}

std::size_t ElementosQueCabem(DWORD hBloco, std::size_t nQtd, std::size_t nTamanhoElem, void** ppBloco) {
  SIZE_T nBytes = 0;
  *ppBloco = CoTaskMemFromHandle(hBloco, &nBytes);
  if (*ppBloco == nullptr) return 0;
  return std::min<std::size_t>(nQtd, nBytes / nTamanhoElem);
}

std::string_view TextoDoCampo(const BYTE* pCampo, std::size_t nLargura, const char* szRegistro, const char* szCampo,
                              std::size_t nOffset) {
  const void* pFim = std::memchr(pCampo, 0, nLargura);
  if (pFim == nullptr)
    throw CQZErroLayout(szRegistro, szCampo, nOffset,
                        "texto sem terminador nos " + std::to_string(nLargura) + " bytes do campo");
  return {reinterpret_cast<const char*>(pCampo), static_cast<std::size_t>(static_cast<const BYTE*>(pFim) - pCampo)};
}

bool GravaTextoNoCampo(BYTE* pCampo, std::size_t nLargura, std::string_view sTexto) {
  std::size_t n = sTexto.size();
  const bool bCabe = n < nLargura;
  if (!bCabe) {
    n = nLargura - 1;
    // Não deixa meio caractere: recua sobre bytes de continuação (10xxxxxx).
    while (n > 0 && (static_cast<BYTE>(sTexto[n]) & 0xC0) == 0x80) --n;
  }
  std::memset(pCampo, 0, nLargura);
  std::memcpy(pCampo, sTexto.data(), n);
  return bCabe;
}

std::string_view TextoAlocado(DWORD hTexto, const char* szRegistro, const char* szCampo, std::size_t nOffset) {
  if (hTexto == 0) return {};
  SIZE_T nBytes = 0;
  void* p = CoTaskMemFromHandle(hTexto, &nBytes);
  if (p == nullptr) throw CQZErroLayout(szRegistro, szCampo, nOffset, "identificador de texto inválido " + Hex(hTexto));
  return TextoDoCampo(static_cast<const BYTE*>(p), nBytes, szRegistro, szCampo, nOffset);
}

}  // namespace acesso
}  // namespace vrmsuite
