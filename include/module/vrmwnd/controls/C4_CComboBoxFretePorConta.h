// Combo da responsabilidade pelo frete (códigos da NF-e: 0 Emitente, 1
// Destinatário, 2 Terceiro, 3 e 4 transporte próprio, 9 Sem Frete), com o código
// como dado de cada item e a regra de mudanças de C4_CComboBox.
#pragma once

#include "vrmwnd/util/exporta.h"
#include "vrmwnd/wrappers/C4_CComboBox.h"
#include "vrmwnd/wrappers/C4_regras_combo.h"

class VRMWND_API C4_CComboBoxFretePorConta : public C4_CComboBox {
 public:
  // Tira os dois itens de transporte próprio; vale só antes de Inicializa.
  void IgnorarTransporteProprio() { m_bIgnorarTransporteProprio = true; }
  // Ajusta a altura e acrescenta os itens (não esvazia antes).
  void Inicializa();
  // Sem o código, fica sem seleção.
  void SetDado(unsigned char nCodigo);
  // Byte baixo do dado do item selecionado; 255 sem seleção.
  unsigned char GetDado() const;
  C4_COMBO_DECLARA_MUDANCAS()

 protected:
  bool m_bIgnorarTransporteProprio = false;
};
