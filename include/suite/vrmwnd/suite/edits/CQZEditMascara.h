// Edits de máscara da suíte: CQZEditMascara aceita em cada posição só o que a
// máscara permite ('9' dígito, 'A' letra, '*' qualquer caractere; o resto é
// literal e entra sozinho; na máscara numérica, '9' e '0' são dígitos); CQZEditRegDma lê datas "dd/mm/aaaa" como
// REG_QZDMA; CQZEditNFEChaveDeAcesso recebe os 44 dígitos da chave de acesso da NF-e.
#pragma once

#include "vrmwnd/base/datas.h"
#include "vrmwnd/suite/edits/CQZEditDF.h"
#include "vrmwnd/suite/exporta.h"

class VRMWND_SUITE_API CQZEditMascara : public CQZEditDF {
 public:
  // Troca a máscara e reaplica ao texto já digitado.
  void SetMascara(const char* szMascara);
  // A máscara com o seu tipo e preenchimento:
  // | nTipo | posições de digitação                      |
  // |-------|--------------------------------------------|
  // | 0     | numérica: '9' e '0' são dígitos            |
  // | outro | as da máscara simples ('9', 'A', '*')      |
  // Com bPreencheZeros, as posições ainda vazias mostram '0' e os literais aparecem
  // desde o começo ("0000-000000" antes de digitar em "9999-999999"); sem, como na
  // máscara simples.
  void SetMascara(int nTipo, const CString& strMascara, int bPreencheZeros);
  const CString& GetMascara() const { return m_strMascara; }
  // Mostra '_' nas posições ainda vazias.
  void SetMostrarMascara(bool b);
  // O texto como está no edit, com os literais.
  CString GetText() const {
    CString s;
    GetWindowText(s);
    return s;
  }
  // Só o que foi digitado, sem os literais.
  CString GetTextoSemMascara() const;
  // Todas as posições da máscara preenchidas.
  bool IsCompleto() const;

 protected:
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  static bool PosicaoAceita(char cMascara, UINT nChar);
  // A posição da máscara é de digitação (as demais são literais).
  bool EhPosicao(char cMascara) const;
  // O texto exibido para os caracteres digitados.
  CString Monta(const CString& strDigitado) const;
  void Exibe(const CString& strDigitado);
  CString m_strMascara;
  bool m_bMostrarMascara = false;
  bool m_bNumerica = false;
  bool m_bPreencheZeros = false;
  // Com o preenchimento de zeros, quantas posições foram de fato digitadas.
  int m_nDigitados = 0;
  DECLARE_MESSAGE_MAP()
};

class VRMWND_SUITE_API CQZEditRegDma : public CQZEditMascara {
 public:
  CQZEditRegDma() { m_strMascara = "99/99/9999"; }
  // 0 quando a data está incompleta ou não existe (29/02 de ano comum, mês 13).
  REG_QZDMA GetData() const;
  void SetData(REG_QZDMA dma);
};

class VRMWND_SUITE_API CQZEditNFEChaveDeAcesso : public CQZEditDF {
 public:
  static constexpr int TAMANHO_CHAVE = 44;
  CString GetChave() const;
  // 44 dígitos com o dígito verificador (módulo 11, pesos 2 a 9) certo.
  bool ChaveValida() const;
  static bool ChaveValida(const CString& strChave);

 protected:
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  DECLARE_MESSAGE_MAP()
};
