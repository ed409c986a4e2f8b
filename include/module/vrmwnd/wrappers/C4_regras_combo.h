// Regras dos wrappers de combo, escritas uma vez para a família de C4_CComboBox: o
// OnChange pelo texto da janela, o WindowProc que nota a seleção feita por programa,
// as duas entradas do mapa de mensagens e a altura do campo dos combos de lista fixa.
// Cada nível da família tem o seu próprio instantâneo e os seus próprios tratadores;
// o WindowProc de um nível chama o do nível de baixo, e os instantâneos de todos os
// níveis se renovam.
#pragma once

#include "vrmwnd/platform/afxctrl.h"
#include "vrmwnd/wrappers/C4_regras.h"

// As mensagens antes das quais o combo roda o seu OnChange (resultado ignorado): as
// que leem ou trocam a seleção, CB_SETCURSEL, CB_GETCURSEL, CB_SELECTSTRING,
// CB_RESETCONTENT e CB_SETITEMDATA.
inline bool ComboAtualizaAntes(UINT message) {
  return message == CB_SETCURSEL || message == CB_GETCURSEL || message == CB_SELECTSTRING ||
         message == CB_RESETCONTENT || message == CB_SETITEMDATA;
}

// OnChange de combo pelo texto da janela: a regra de FiltraMudancaDeCombo.
template <class TCombo>
BOOL FiltraMudancaDoTextoDoCombo(TCombo& combo, CString& strTextoAnterior) {
  CString strTexto;
  combo.GetWindowText(strTexto);
  return FiltraMudancaDeCombo(combo, strTextoAnterior, strTexto);
}

// Altura do campo de seleção dos combos de lista fixa: 14 DLU menos as duas bordas,
// mandada como CB_SETITEMHEIGHT do índice -1.
void AjustaAlturaDoCampo(CComboBox& combo);

// Dentro da classe de um nível: o WindowProc (público), o OnChange, o instantâneo e o
// mapa de mensagens. Termina numa seção privada, como DECLARE_MESSAGE_MAP.
#define C4_COMBO_DECLARA_MUDANCAS()                                        \
 public:                                                                   \
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override; \
                                                                           \
 protected:                                                                \
  afx_msg BOOL OnChange();                                                 \
  CString m_strTextoAnterior;                                              \
  DECLARE_MESSAGE_MAP()

// As entradas do mapa de mensagens: CBN_SELCHANGE e CBN_EDITCHANGE vão ao OnChange.
#define C4_COMBO_ENTRADAS_MUDANCAS(Classe)                \
  ON_CONTROL_REFLECT_EX(CBN_SELCHANGE, &Classe::OnChange) \
  ON_CONTROL_REFLECT_EX(CBN_EDITCHANGE, &Classe::OnChange)

// O OnChange e o WindowProc do nível Classe, que chama o WindowProc de Base.
#define C4_COMBO_TRATADORES(Classe, Base)                                                    \
  BOOL Classe::OnChange() { return FiltraMudancaDoTextoDoCombo(*this, m_strTextoAnterior); } \
  LRESULT Classe::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {                   \
    if (ComboAtualizaAntes(message)) OnChange();                                             \
    return Base::WindowProc(message, wParam, lParam);                                        \
  }

// Um nível sem outras entradas no mapa: o mapa (encadeado ao de Base) e os tratadores.
#define C4_COMBO_IMPLEMENTA_MUDANCAS(Classe, Base) \
  BEGIN_MESSAGE_MAP(Classe, Base)                  \
  C4_COMBO_ENTRADAS_MUDANCAS(Classe)               \
  END_MESSAGE_MAP()                                \
  C4_COMBO_TRATADORES(Classe, Base)
