// Resultado de uma consistência das regras do módulo: o tipo (0 = aceito), os
// itens, cada um com o número da mensagem da suíte, o módulo dessa mensagem e um
// texto de erro livre, e valores nomeados que apontam onde está a falha
// ("RateioTitulo": a linha do título).
#pragma once

#include "vrmwnd/base/T_Lista.h"
#include "vrmwnd/platform/CString.h"

class TQZCMConsisteItem {
 public:
  TQZCMConsisteItem() = default;
  TQZCMConsisteItem(unsigned long nMensagem, int eModulo, const CString& strErro)
      : m_nCodigoQZMensagem(nMensagem), m_eModulo(eModulo), m_strErro(strErro) {}
  unsigned long GetCodigoQZMensagem() const { return m_nCodigoQZMensagem; }
  // Número do módulo da suíte (7 = Compras) a que a mensagem pertence.
  int GeteModuloCodigoQZMensagem() const { return m_eModulo; }
  const CString& GetErro() const { return m_strErro; }

 private:
  unsigned long m_nCodigoQZMensagem = 0;
  int m_eModulo = 0;
  CString m_strErro;
};

class TQZCMConsisteRetorno {
 public:
  int GetTipo() const { return m_nTipo; }
  void SetTipo(int nTipo) { m_nTipo = nTipo; }
  void AdicionaItem(const TQZCMConsisteItem& item) { m_Itens.Add(item); }
  int GetQuantidadeItens() const { return static_cast<int>(m_Itens.GetSize()); }
  // Índice fora dos itens levanta CInvalidArgException*.
  const TQZCMConsisteItem& GetItem(int i) const { return m_Itens.GetAt(i); }
  // Um valor nomeado; dado de novo, substitui. O nome que não veio dá lPadrao.
  void SetValorItem(const CString& strNome, long lValor) {
    for (TValorNomeado& v : m_Valores)
      if (v.strNome == strNome) {
        v.lValor = lValor;
        return;
      }
    m_Valores.Add({strNome, lValor});
  }
  long GetValorItem(const CString& strNome, long lPadrao = -1) const {
    for (const TValorNomeado& v : m_Valores)
      if (v.strNome == strNome) return v.lValor;
    return lPadrao;
  }

 private:
  struct TValorNomeado {
    CString strNome;
    long lValor = 0;
  };
  int m_nTipo = 0;
  T_Lista<TQZCMConsisteItem> m_Itens;
  T_Lista<TValorNomeado> m_Valores;
};
