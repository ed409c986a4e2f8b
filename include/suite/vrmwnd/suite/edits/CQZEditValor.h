// Edits de valor da suíte: aceitam dinheiro em notação brasileira (dígitos e uma
// vírgula, sem pontos digitados; os milhares aparecem ao sair do campo) e devolvem
// o valor como CY; com a opção ligada, "%" troca para o modo percentual, em que o
// texto termina em "%" e o valor é o percentual. CQZEditValor: duas casas, sem negativos; CQZEditValorEx: casas
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

  // Opções de entrada: nAlternaModo 1 deixa o usuário trocar entre valor e percentual
  // com a tecla "%"; os outros dois argumentos são reservados (0).
  void SetOpcao(int nAlternaModo, int nReservado1, int nReservado2);
  // Modo 0 valor, 1 percentual (o texto termina em "%"). Com bReescreve o texto
  // atual é reescrito no modo novo; o valor não muda.
  void SetModo(int nModo, int bReescreve, int nReservado);
  int GetModo() const { return m_nModo; }
  // Quantos dígitos a parte inteira aceita (0 = sem limite).
  void SetDigitosInteiros(int nDigitos) { m_nDigitosInteiros = nDigitos; }

  // Ao sair, reescreve o texto formatado; devolve FALSE.
  BOOL OnCONTROL_REFLECT_EX_KillFocus() override;

 protected:
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  // O caractere digitado é aceito no texto atual, na seleção atual?
  bool AceitaCaractere(UINT nChar) const;
  void AlternaModoDigitado();
  short m_nCasasDecimais = 2;
  bool m_bPermiteNegativo = false;
  bool m_bAlternaModo = false;
  int m_nModo = 0;
  int m_nDigitosInteiros = 0;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_SUITE_API CQZEditValorEx : public CQZEditValor {
 public:
  CQZEditValorEx() { m_bPermiteNegativo = true; }
  // 0 a 4; fora disso fica como estava.
  void SetCasasDecimais(short nCasas);
  void SetPermiteNegativo(bool b) { m_bPermiteNegativo = b; }
};
