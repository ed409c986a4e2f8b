// Regras que todos os wrappers compartilham: o instantâneo do conteúdo (mudança
// que não mudou nada é engolida), o indicador de modificado (sobe a cada mudança
// real, com a porta aberta ou fechada) e a porta (fechada, a notificação não passa
// ao tratador importado nem ao pai, e m_bChanged não sobe).
#pragma once

#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/oleauto.h"
#include "vrmwnd/wrappers/C4_Base.h"

// Edit de texto: TRUE consome; com a porta aberta devolve o que o tratador
// importado devolver. pbChanged, nos wrappers que têm m_bChanged, fica dizendo se
// esta notificação foi uma mudança real que passou pela porta aberta.
template <class TWrapper, class FnImportado>
BOOL FiltraMudancaDeTexto(TWrapper& wrapper, CString& strTextoAnterior, FnImportado tratadorImportado,
                          bool* pbChanged = nullptr) {
  if (pbChanged != nullptr) *pbChanged = false;
  CString strTexto;
  wrapper.GetWindowText(strTexto);
  if (strTexto == strTextoAnterior) return TRUE;
  strTextoAnterior = strTexto;
  strTextoAnterior.FreeExtra();
  wrapper.Set_C4_Modify(1);
  if (wrapper.CanotSendChangeEvents()) return TRUE;
  if (pbChanged != nullptr) *pbChanged = true;
  return tratadorImportado();
}

// Edit de valor: a mesma regra com o valor, comparado pelas duas metades de 32 bits.
template <class TWrapper, class FnImportado>
BOOL FiltraMudancaDeValor(TWrapper& wrapper, CY& cyValorAnterior, FnImportado tratadorImportado) {
  CY cyValor = wrapper.GetValor();
  if (cyValor.Lo == cyValorAnterior.Lo && cyValor.Hi == cyValorAnterior.Hi) return TRUE;
  cyValorAnterior = cyValor;
  wrapper.Set_C4_Modify(1);
  if (wrapper.CanotSendChangeEvents()) return TRUE;
  return tratadorImportado();
}

// Foco: com a porta fechada consome; aberta, devolve o tratador importado.
template <class TWrapper, class FnImportado>
BOOL FiltraFoco(TWrapper& wrapper, FnImportado tratadorImportado) {
  return wrapper.CanotSendChangeEvents() ? TRUE : tratadorImportado();
}

// Combo: sem tratador importado; com a porta aberta o pai recebe (FALSE).
template <class TWrapper>
BOOL FiltraMudancaDeCombo(TWrapper& wrapper, CString& strTextoAnterior, const CString& strTexto) {
  if (strTexto == strTextoAnterior) return TRUE;
  strTextoAnterior = strTexto;
  strTextoAnterior.FreeExtra();
  wrapper.Set_C4_Modify(1);
  return wrapper.CanotSendChangeEvents() ? TRUE : FALSE;
}

// Dentro da classe de um wrapper de edit de variante E: o OnChange, o instantâneo e
// o mapa de mensagens (só EN_CHANGE). Termina numa seção privada, como
// DECLARE_MESSAGE_MAP.
#define C4_EDIT_DECLARA_MUDANCA() \
 protected:                       \
  afx_msg BOOL OnChange();        \
  CString m_strTextoAnterior;     \
  DECLARE_MESSAGE_MAP()
