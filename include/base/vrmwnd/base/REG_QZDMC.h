// REG_QZDMC: a chave de documento e origem de registro da suíte, 64 bits (duas
// palavras de 32, a baixa primeiro) com quatro campos, do bit baixo para o alto:
//
// | bits  | campo     | conteúdo                                                  |
// |-------|-----------|-----------------------------------------------------------|
// | 0-1   | TipoChave | forma da data: 0 nenhuma, 1 ano, 2 mês/ano, 3 dia/mês/ano |
// | 2-13  | Origem    | tipo de origem, 1 a 117; 0 é nenhuma                      |
// | 14-45 | Numero    | número do documento ou sequência                          |
// | 46-63 | Data      | ano, código do mês (REG_QZMA) ou do dia (REG_QZDMA)       |
#pragma once

#include <cstdint>

struct REG_QZDMC {
  // O tipo de movimento de um documento (campo Origem); a lista de valores é da
  // biblioteca de registros, e quem recebe um só o repassa.
  enum MOVIMENTOS_DMC : std::uint16_t { MOVIMENTO_NENHUM = 0 };

  std::uint32_t dwBaixo = 0;
  std::uint32_t dwAlto = 0;

  constexpr std::uint64_t Valor() const { return (std::uint64_t{dwAlto} << 32) | dwBaixo; }
  constexpr void SetValor(std::uint64_t valor) {
    dwBaixo = static_cast<std::uint32_t>(valor);
    dwAlto = static_cast<std::uint32_t>(valor >> 32);
  }
  friend constexpr bool operator==(const REG_QZDMC&, const REG_QZDMC&) = default;
};
static_assert(sizeof(REG_QZDMC) == 8);

enum {
  QZDMC_TIPO_NENHUM = 0,
  QZDMC_TIPO_ANO = 1,
  QZDMC_TIPO_MA = 2,
  QZDMC_TIPO_DMA = 3,
};
