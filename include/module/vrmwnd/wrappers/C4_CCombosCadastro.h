// Wrappers exportados dos combos de cadastro: a regra de combo (C4_regras_combo.h) e,
// no de leiautes, a escolha do leiaute pelo CRC-32 do seu nome.
#pragma once

#include <cstddef>

#include "vrmwnd/suite/edits/CComboCadastro.h"
#include "vrmwnd/util/exporta.h"
#include "vrmwnd/wrappers/C4_Base.h"
#include "vrmwnd/wrappers/C4_regras_combo.h"

class VRMWND_API C4_CDFComboLeiautes : public CDFComboLeiautes, public C4_Base {
 public:
  // Seleciona o primeiro item cujo texto tem o CRC-32 dado (polinômio IEEE refletido,
  // valor inicial 0, sem inversão no fim, sobre os bytes do texto em UTF-8); sem
  // nenhum, tira a seleção. Devolve o resultado de CB_SETCURSEL (CB_ERR sem seleção).
  int SelecionaLeiauteCRC(unsigned long lCRC);

  C4_COMBO_DECLARA_MUDANCAS()
};

// O CRC-32 de SelecionaLeiauteCRC sobre nBytes bytes.
VRMWND_API unsigned long CRC32Leiaute(const char* pBytes, std::size_t nBytes);
