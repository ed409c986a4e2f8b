// O que os wrappers dos edits de cadastro compartilham: o EN_CHANGE pela regra de
// texto com o tratador de CQZEditDF, a posição lida pelo getter de saída (0 sem
// registro) e o mapa de mensagens só com EN_CHANGE.
#pragma once

#include "vrmwnd/wrappers/C4_regras.h"

namespace vrmwnd::detail {

// O EN_CHANGE de um edit de cadastro: instantâneo e porta; aberta, o tratador de CQZEditDF.
template <class TWrapper>
BOOL MudancaDeCadastro(TWrapper& wrapper, CString& strTextoAnterior, bool* pbChanged = nullptr) {
  return FiltraMudancaDeTexto(
      wrapper, strTextoAnterior, [&wrapper] { return wrapper.CQZEditDF::OnCONTROL_REFLECT_EX_Change(); }, pbChanged);
}

// A posição pelo getter de saída do edit, 0 quando não há registro.
template <class T, class TEdit>
T PosicaoOuZero(TEdit& edit) {
  T valor = 0;
  edit.GetPosicao(valor);
  return valor;
}

}  // namespace vrmwnd::detail

#define C4_MAPA_CADASTRO(Classe, Base)                \
  BEGIN_MESSAGE_MAP(Classe, Base)                     \
  ON_CONTROL_REFLECT_EX(EN_CHANGE, &Classe::OnChange) \
  END_MESSAGE_MAP()

// Mapa e OnChange de um wrapper de variante E sobre um edit de cadastro.
#define C4_IMPLEMENTA_CADASTRO(Classe, Base) \
  C4_MAPA_CADASTRO(Classe, Base)             \
  BOOL Classe::OnChange() { return vrmwnd::detail::MudancaDeCadastro(*this, m_strTextoAnterior); }
