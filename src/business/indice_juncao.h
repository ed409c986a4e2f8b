// O índice de junção da importação: onde está, na lista de itens do registro, o item
// de uma chave de junção (a posição do produto e o complemento, ou o serviço e o
// complemento). Uma tabela aberta de hashes e índices, sem cópia das chaves: quem
// pergunta confirma a chave no próprio item do registro.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

class CIndiceJuncao {
 public:
  // O hash de uma chave: os números que a compõem e o complemento.
  static std::uint64_t Hash(std::uint64_t nNumeros, std::string_view sComplemento) {
    std::uint64_t n = 0xCBF29CE484222325ULL ^ (nNumeros * 0x9E3779B97F4A7C15ULL);
    for (const char c : sComplemento) n = (n ^ static_cast<unsigned char>(c)) * 0x100000001B3ULL;
    return n ^ (n >> 29);
  }

  // O índice do item de hash nHash que fIgual(índice) confirma; −1 quando não há.
  template <class FIgual>
  int Acha(std::uint64_t nHash, FIgual fIgual) const {
    if (m_aEntradas.empty()) return -1;
    for (std::size_t i = nHash & m_nMascara;; i = (i + 1) & m_nMascara) {
      const TEntrada& e = m_aEntradas[i];
      if (e.nIndice < 0) return -1;
      if (e.nHash == nHash && fIgual(e.nIndice)) return e.nIndice;
    }
  }

  // Registra o item nIndice sob o hash (a chave ainda não está no índice).
  void Inclui(std::uint64_t nHash, int nIndice) {
    if ((m_nUsadas + 1) * 2 > m_aEntradas.size()) Cresce();
    Coloca(nHash, nIndice);
    ++m_nUsadas;
  }

 private:
  struct TEntrada {
    std::uint64_t nHash = 0;
    int nIndice = -1;  // −1: entrada livre
  };

  void Coloca(std::uint64_t nHash, int nIndice) {
    std::size_t i = nHash & m_nMascara;
    while (m_aEntradas[i].nIndice >= 0) i = (i + 1) & m_nMascara;
    m_aEntradas[i] = {nHash, nIndice};
  }
  void Cresce() {
    std::vector<TEntrada> aVelhas(m_aEntradas.empty() ? 64 : m_aEntradas.size() * 2);
    aVelhas.swap(m_aEntradas);
    m_nMascara = m_aEntradas.size() - 1;
    for (const TEntrada& e : aVelhas)
      if (e.nIndice >= 0) Coloca(e.nHash, e.nIndice);
  }

  std::vector<TEntrada> m_aEntradas;  // tamanho potência de 2, no máximo meio cheio
  std::size_t m_nMascara = 0;
  std::size_t m_nUsadas = 0;
};
