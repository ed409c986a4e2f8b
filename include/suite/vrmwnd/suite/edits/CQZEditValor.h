// Edits de valor da suíte: aceitam dinheiro em notação brasileira (dígitos e uma
// vírgula, sem pontos digitados; os milhares aparecem ao sair do campo) e devolvem
// o valor como CY. CQZEditValor: duas casas, sem negativos; CQZEditValorEx: casas
// de 0 a 4 e sinal de menos opcional.
#pragma once

#include "vrmwnd/platform/oleauto.h"
#include "vrmwnd/suite/edits/CQZEditDF.h"
#include "vrmwnd/suite/exporta.h"

class VRMWND_SUITE_API CQZEditValor : public CQZEditDF {
 public:
  // O valor do texto; texto vazio ou ilegível vale 0.
  CY GetValor() const;
  // Escreve o valor formatado ("1.234,56"), cortando as casas a mais.
  void SetValor(const CY& cyValor);
  short GetCasasDecimais() const { return m_nCasasDecimais; }

  // Ao sair, reescreve o texto formatado; devolve FALSE.
  BOOL OnCONTROL_REFLECT_EX_KillFocus() override;

 protected:
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  // O caractere digitado é aceito no texto atual, na seleção atual?
  bool AceitaCaractere(UINT nChar) const;
  short m_nCasasDecimais = 2;
  bool m_bPermiteNegativo = false;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_SUITE_API CQZEditValorEx : public CQZEditValor {
 public:
  CQZEditValorEx() { m_bPermiteNegativo = true; }
  // 0 a 4; fora disso fica como estava.
  void SetCasasDecimais(short nCasas);
  void SetPermiteNegativo(bool b) { m_bPermiteNegativo = b; }
};
