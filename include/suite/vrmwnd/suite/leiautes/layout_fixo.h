// Base dos registros de layout fixo da suíte (REG_*PS): um bloco de bytes do tamanho
// do registro, lido e gravado só por acessores tipados nos deslocamentos declarados.
// Cada layout lista os seus campos uma vez (X-macro); a lista gera os acessores, as
// constantes de deslocamento e a tabela kCampos, verificada em tempo de compilação.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <iterator>

#include "vrmwnd/base/datas.h"
#include "vrmwnd/platform/comalloc.h"
#include "vrmwnd/platform/oleauto.h"
#include "vrmwnd/suite/exporta.h"

namespace vrmsuite {

// Um campo que um layout não comporta: texto sem terminador, identificador de bloco
// inválido, quantidade maior que o bloco, índice fora do vetor. A mensagem diz o
// registro, o campo e o deslocamento.
class VRMWND_SUITE_API CQZErroLayout : public std::runtime_error {
 public:
  CQZErroLayout(const char* szRegistro, const char* szCampo, std::size_t nOffset, const std::string& strMotivo);
};

enum class ETipoCampo : std::uint8_t {
  Byte,
  Caractere,
  Int16,
  Word,
  Int32,
  Dword,
  Int64,
  Moeda,
  Data,
  Handle,
  Texto,
  Bloco
};

struct TCampoLayout {
  const char* szNome;
  ETipoCampo eTipo;
  std::uint16_t nOffset;
  std::uint16_t nLargura;
  const TCampoLayout* pSubcampos;  // campos do bloco aninhado (eTipo Bloco)
  std::uint16_t nSubcampos;
};

template <class T>
consteval ETipoCampo TipoDoCampo() {
  if constexpr (std::is_same_v<T, BYTE>)
    return ETipoCampo::Byte;
  else if constexpr (std::is_same_v<T, char>)
    return ETipoCampo::Caractere;
  else if constexpr (std::is_same_v<T, SHORT>)
    return ETipoCampo::Int16;
  else if constexpr (std::is_same_v<T, WORD>)
    return ETipoCampo::Word;
  else if constexpr (std::is_same_v<T, LONG>)
    return ETipoCampo::Int32;
  else if constexpr (std::is_same_v<T, DWORD>)
    return ETipoCampo::Dword;
  else if constexpr (std::is_same_v<T, LONGLONG>)
    return ETipoCampo::Int64;
  else if constexpr (std::is_same_v<T, CY>)
    return ETipoCampo::Moeda;
  else
    static_assert(sizeof(T) == 0, "tipo de campo sem correspondente");
}

consteval bool NomesIguais(const char* a, const char* b) {
  while (*a != 0 && *a == *b) ++a, ++b;
  return *a == *b;
}

// Todo campo cabe no bloco, nenhum se sobrepõe a outro e nenhum nome se repete.
template <std::size_t N>
consteval bool CamposValidos(const TCampoLayout (&aCampos)[N], std::size_t nTamanho) {
  for (std::size_t i = 0; i < N; ++i) {
    if (aCampos[i].nLargura == 0 || aCampos[i].nOffset + aCampos[i].nLargura > nTamanho) return false;
    for (std::size_t j = i + 1; j < N; ++j) {
      const TCampoLayout& a = aCampos[i];
      const TCampoLayout& b = aCampos[j];
      if (a.nOffset < b.nOffset + b.nLargura && b.nOffset < a.nOffset + a.nLargura) return false;
      if (NomesIguais(a.szNome, b.szNome)) return false;
    }
  }
  return true;
}

// Elementos de um vetor alocado pelo servidor, com o índice verificado.
template <class TElem>
class TVetorLayout {
 public:
  TVetorLayout(TElem* pElementos, std::size_t nQtd, const char* szRegistro, const char* szCampo)
      : m_pElementos(pElementos), m_nQtd(nQtd), m_szRegistro(szRegistro), m_szCampo(szCampo) {}
  std::size_t size() const { return m_nQtd; }
  bool empty() const { return m_nQtd == 0; }
  TElem* begin() const { return m_pElementos; }
  TElem* end() const { return m_pElementos + m_nQtd; }
  TElem& operator[](std::size_t i) const {
    if (i >= m_nQtd)
      throw CQZErroLayout(m_szRegistro, m_szCampo, 0,
                          "índice " + std::to_string(i) + " fora do vetor de " + std::to_string(m_nQtd) + " elementos");
    return m_pElementos[i];
  }

 private:
  TElem* m_pElementos;
  std::size_t m_nQtd;
  const char* m_szRegistro;
  const char* m_szCampo;
};

// O acesso conferido que os acessores abaixo chamam: os layouts são instanciados em
// cada biblioteca que os usa, e estas funções ficam na da suíte.
namespace acesso {
// Resolve o identificador de um vetor de nQtd elementos de nTamanhoElem bytes;
// lança CQZErroLayout quando o identificador é inválido ou o bloco é pequeno demais.
VRMWND_SUITE_API void* ResolveVetor(DWORD hBloco, std::size_t nQtd, std::size_t nTamanhoElem, const char* szRegistro,
                                    const char* szCampo, std::size_t nOffset);
// Quantos elementos cabem de fato no bloco (0 para identificador inválido); não lança.
VRMWND_SUITE_API std::size_t ElementosQueCabem(DWORD hBloco, std::size_t nQtd, std::size_t nTamanhoElem,
                                               void** ppBloco);
VRMWND_SUITE_API std::string_view TextoDoCampo(const BYTE* pCampo, std::size_t nLargura, const char* szRegistro,
                                               const char* szCampo, std::size_t nOffset);
// Grava o texto cortado em fronteira de caractere UTF-8; false quando precisou cortar.
VRMWND_SUITE_API bool GravaTextoNoCampo(BYTE* pCampo, std::size_t nLargura, std::string_view sTexto);
VRMWND_SUITE_API std::string_view TextoAlocado(DWORD hTexto, const char* szRegistro, const char* szCampo,
                                               std::size_t nOffset);
}  // namespace acesso

// TDerivado dá o nome do registro em kNome. O bloco tem alinhamento 1 e exatamente
// nTamanho bytes; zerado com TRegistro r{} ou Zera().
template <class TDerivado, std::size_t nTamanho>
struct TBlocoFixo {
  static constexpr std::size_t kTamanho = nTamanho;
  BYTE m_abBytes[nTamanho];

  void Zera() { std::memset(m_abBytes, 0, nTamanho); }
  const BYTE* Bytes() const { return m_abBytes; }
  BYTE* Bytes() { return m_abBytes; }

  template <class T, std::size_t nOffset>
  T Le() const {
    static_assert(nOffset + sizeof(T) <= nTamanho, "campo além do fim do registro");
    T valor;
    std::memcpy(&valor, m_abBytes + nOffset, sizeof(T));
    return valor;
  }
  template <class T, std::size_t nOffset>
  void Grava(const T& valor) {
    static_assert(nOffset + sizeof(T) <= nTamanho, "campo além do fim do registro");
    std::memcpy(m_abBytes + nOffset, &valor, sizeof(T));
  }
  // O texto até o terminador; sem terminador dentro do campo lança CQZErroLayout.
  template <std::size_t nOffset, std::size_t nLargura>
  std::string_view LeTexto(const char* szCampo) const {
    static_assert(nOffset + nLargura <= nTamanho, "campo além do fim do registro");
    return acesso::TextoDoCampo(m_abBytes + nOffset, nLargura, TDerivado::kNome, szCampo, nOffset);
  }
  template <std::size_t nOffset, std::size_t nLargura>
  bool GravaTexto(std::string_view sTexto) {
    static_assert(nOffset + nLargura <= nTamanho, "campo além do fim do registro");
    return acesso::GravaTextoNoCampo(m_abBytes + nOffset, nLargura, sTexto);
  }
  // Texto alocado pelo servidor cujo identificador está no campo; 0 dá "".
  template <std::size_t nOffset>
  std::string_view LeTextoAlocado(const char* szCampo) const {
    return acesso::TextoAlocado(Le<DWORD, nOffset>(), TDerivado::kNome, szCampo, nOffset);
  }
  template <class TElem, std::size_t nOffset>
  TVetorLayout<const TElem> Vetor(std::size_t nQtd, const char* szCampo) const {
    if (nQtd == 0) return {nullptr, 0, TDerivado::kNome, szCampo};
    void* p = acesso::ResolveVetor(Le<DWORD, nOffset>(), nQtd, sizeof(TElem), TDerivado::kNome, szCampo, nOffset);
    return {static_cast<const TElem*>(p), nQtd, TDerivado::kNome, szCampo};
  }
  template <class TElem, std::size_t nOffset>
  TVetorLayout<TElem> Vetor(std::size_t nQtd, const char* szCampo) {
    if (nQtd == 0) return {nullptr, 0, TDerivado::kNome, szCampo};
    void* p = acesso::ResolveVetor(Le<DWORD, nOffset>(), nQtd, sizeof(TElem), TDerivado::kNome, szCampo, nOffset);
    return {static_cast<TElem*>(p), nQtd, TDerivado::kNome, szCampo};
  }
  // Para a liberação: só os elementos que cabem no bloco, sem lançar.
  template <class TElem, std::size_t nOffset>
  TVetorLayout<TElem> VetorQueCabe(std::size_t nQtd) {
    void* p = nullptr;
    std::size_t n = acesso::ElementosQueCabem(Le<DWORD, nOffset>(), nQtd, sizeof(TElem), &p);
    return {static_cast<TElem*>(p), n, TDerivado::kNome, ""};
  }
  // Libera o bloco do campo (identificador inválido não libera nada) e zera o campo.
  template <std::size_t nOffset>
  void LiberaBloco() {
    CoTaskMemFree(CoTaskMemFromHandle(Le<DWORD, nOffset>(), nullptr));
    Grava<DWORD, nOffset>(0);
  }
};

}  // namespace vrmsuite

// Geradores da lista de campos. Cada lista de layout recebe quatro geradores:
// N(Tipo, nome, offset) numérico, D(nome, offset) data REG_QZDMA,
// H(nome, offset) identificador de bloco do alocador, T(nome, offset, largura) texto,
// e B(Tipo, nome, offset) bloco aninhado de outro layout.
#define QZ_ACESSOR_N(Tipo, Nome, Off)             \
  static constexpr std::size_t kOff_##Nome = Off; \
  Tipo Nome() const { return Le<Tipo, Off>(); }   \
  void Set_##Nome(Tipo valor) { Grava<Tipo, Off>(valor); }
#define QZ_ACESSOR_D(Nome, Off) QZ_ACESSOR_N(REG_QZDMA, Nome, Off)
#define QZ_ACESSOR_H(Nome, Off) QZ_ACESSOR_N(DWORD, Nome, Off)
#define QZ_ACESSOR_T(Nome, Off, Larg)                                 \
  static constexpr std::size_t kOff_##Nome = Off;                     \
  static constexpr std::size_t kLarg_##Nome = Larg;                   \
  std::string_view Nome() const { return LeTexto<Off, Larg>(#Nome); } \
  bool Set_##Nome(std::string_view sTexto) { return GravaTexto<Off, Larg>(sTexto); }
#define QZ_ACESSOR_B(Tipo, Nome, Off)             \
  static constexpr std::size_t kOff_##Nome = Off; \
  Tipo Nome() const { return Le<Tipo, Off>(); }   \
  void Set_##Nome(const Tipo& valor) { Grava<Tipo, Off>(valor); }

#define QZ_DESCRITOR_N(Tipo, Nome, Off) \
  ::vrmsuite::TCampoLayout{#Nome, ::vrmsuite::TipoDoCampo<Tipo>(), Off, sizeof(Tipo), nullptr, 0},
#define QZ_DESCRITOR_D(Nome, Off) ::vrmsuite::TCampoLayout{#Nome, ::vrmsuite::ETipoCampo::Data, Off, 4, nullptr, 0},
#define QZ_DESCRITOR_H(Nome, Off) ::vrmsuite::TCampoLayout{#Nome, ::vrmsuite::ETipoCampo::Handle, Off, 4, nullptr, 0},
#define QZ_DESCRITOR_T(Nome, Off, Larg) \
  ::vrmsuite::TCampoLayout{#Nome, ::vrmsuite::ETipoCampo::Texto, Off, Larg, nullptr, 0},
#define QZ_DESCRITOR_B(Tipo, Nome, Off)                                                     \
  ::vrmsuite::TCampoLayout{#Nome,         ::vrmsuite::ETipoCampo::Bloco, Off, sizeof(Tipo), \
                           Tipo::kCampos, std::size(Tipo::kCampos)},

// Dentro da estrutura: acessores e a tabela kCampos da lista.
#define QZ_LAYOUT_CAMPOS(LISTA)                                               \
  LISTA(QZ_ACESSOR_N, QZ_ACESSOR_D, QZ_ACESSOR_H, QZ_ACESSOR_T, QZ_ACESSOR_B) \
  static constexpr ::vrmsuite::TCampoLayout kCampos[] = {                     \
      LISTA(QZ_DESCRITOR_N, QZ_DESCRITOR_D, QZ_DESCRITOR_H, QZ_DESCRITOR_T, QZ_DESCRITOR_B)};

// Depois da estrutura: tamanho exato, alinhamento 1 e campos válidos.
#define QZ_LAYOUT_VERIFICA(Registro, Tamanho)                                        \
  static_assert(sizeof(Registro) == (Tamanho), #Registro ": tamanho errado");        \
  static_assert(alignof(Registro) == 1, #Registro ": alinhamento errado");           \
  static_assert(std::is_trivially_copyable_v<Registro>, #Registro ": não copiável"); \
  static_assert(::vrmsuite::CamposValidos(Registro::kCampos, (Tamanho)),             \
                #Registro ": campo fora do bloco, sobreposto ou repetido")
