// Combo dos tipos de alerta por e-mail do módulo: dez itens (código 0 = item vazio)
// com o código como dado de cada item; quem chama lê e escolhe por código.
#pragma once

#include "vrmwnd/platform/afxctrl.h"
#include "vrmwnd/util/exporta.h"
#include "vrmwnd/wrappers/C4_Base.h"

class VRMWND_API CCMComboTipoAlerta : public CComboBox, public C4_Base {
 public:
  // Acrescenta os dez itens na ordem dos códigos 0 a 9; não esvazia antes.
  void InicializaControles();
  // Texto do tipo; código desconhecido dá texto vazio.
  static CString GetTipoAlertaDescricao(unsigned short nTipo);
  // 0 sem seleção.
  unsigned short GetTipoAlertaSelecionado() const;
  // Seleciona o primeiro item do código; sem ele, fica sem seleção.
  void SelecionaTipoAlerta(unsigned short nTipo);
};
