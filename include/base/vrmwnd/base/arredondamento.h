// Arredondamento dos valores de casas fixas da biblioteca base: um inteiro bruto com
// P casas implícitas (4 no CQZCurrencyEx, 8 no CQZCurrencyEx8) levado a d casas.
//
// | modo | nome             | regra                                              |
// |------|------------------|----------------------------------------------------|
// | 0    | ARREDONDA_MEIO   | ao mais próximo, meios para longe do zero           |
// | 1    | TRUNCA           | em direção ao zero                                  |
// | 2    | ARREDONDA_PAR    | ao mais próximo, meio exato para o dígito par       |
// | 3    | ARREDONDA_CIMA   | para longe do zero (qualquer resto sobe)            |
//
// Com d = P nada muda; um modo fora de 0..3 deixa o valor como está.
#pragma once

#include <cstdint>

#include "vrmwnd/base/exporta.h"

enum {
  ARREDONDA_MEIO = 0,
  TRUNCA = 1,
  ARREDONDA_PAR = 2,
  ARREDONDA_CIMA = 3,
};

// nCasas em 0..nCasasImplicitas (o chamador garante); devolve o bruto arredondado.
VRMWND_BASE_API std::int64_t QZArredondaBruto(std::int64_t bruto, int nCasas, int nModo,
                                              int nCasasImplicitas);
