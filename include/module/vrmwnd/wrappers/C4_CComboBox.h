// Wrapper exportado do combo: acompanha mudanças de seleção e de texto (CBN_SELCHANGE,
// CBN_EDITCHANGE) sob a porta de eventos, nota com atraso a seleção feita por
// programa (sem notificar ninguém) e, se pedido, alarga a lista ao maior item.
#pragma once

#include "vrmwnd/suite/edits/CComboBase.h"
#include "vrmwnd/util/exporta.h"
#include "vrmwnd/wrappers/C4_Base.h"
#include "vrmwnd/wrappers/C4_regras_combo.h"

class VRMWND_API C4_CComboBox : public CComboBase, public C4_Base {
 public:
  void SetRecalculaTamanhoPeloTexto(bool b) { m_bRecalculaTamanhoPeloTexto = b; }
  // Largura da lista = maior (texto do item + barra de rolagem) + largura de "0".
  void RecalculaEdit();

  // WindowProc: antes de CB_SETCURSEL, CB_GETCURSEL, CB_SELECTSTRING, CB_RESETCONTENT
  // e CB_SETITEMDATA roda OnChange (resultado ignorado): a seleção feita por programa
  // é notada na mensagem seguinte, sobe o modificado e não notifica o pai.
  C4_COMBO_DECLARA_MUDANCAS()

 protected:
  afx_msg void OnDropdown();
  bool m_bRecalculaTamanhoPeloTexto = false;
};
