// Combos do registro de entrada: a situação (Normal, e Extemporânea ou Cancelada
// conforme o filtro) e o tipo de entrada em estoque (os tipos do filtro da
// biblioteca de registros). Os dois voltam ao item de código 0 quando o código
// pedido não está na lista.
#pragma once

#include "vrmwnd/suite/registros/TCMREQualEntradaEstoque.h"
#include "vrmwnd/util/exporta.h"
#include "vrmwnd/wrappers/C4_CComboBox.h"
#include "vrmwnd/wrappers/C4_regras_combo.h"

class VRMWND_API C4_CComboBoxRESituacao : public C4_CComboBox {
 public:
  // Ajusta a altura, refaz a lista com Normal e Extemporânea e mantém o código.
  void Inicializa();
  // Refaz a lista: Normal e Cancelada (nFiltro != 0) ou Extemporânea (0).
  void SetFiltro(unsigned char nFiltro);
  void SetDado(unsigned char nCodigo);
  // 255 sem seleção.
  unsigned char GetDado() const;
  C4_COMBO_DECLARA_MUDANCAS()

 protected:
  void Monta(unsigned char nFiltro);
};

class VRMWND_API C4_CComboBoxREEntradaEstoque : public C4_CComboBox {
 public:
  // Ajusta a altura e aplica um filtro novo (os tipos da suíte).
  void Inicializa();
  // Refaz a lista com os tipos do filtro; filtro igual ao último não mexe em nada.
  void SetFiltro(const TCMREQualEntradaEstoque& filtro);
  void SetDado(unsigned char nCodigo);
  // 0 sem seleção.
  unsigned char GetDado() const;
  C4_COMBO_DECLARA_MUDANCAS()

 protected:
  T_Lista<TCMREQualEntradaEstoqueTipo> m_listaTipos;
};
