// Filtro de tipos de entrada em estoque do registro de entrada (biblioteca de
// registros): a lista de tipos (código e nome) que uma entrada pode usar. Um filtro
// construído sem argumentos traz os três tipos da suíte: 1 "Entrada em estoque",
// 2 "Entrada em consignação", 3 "Sem entrada em estoque".
#pragma once

#include "vrmwnd/base/T_Lista.h"
#include "vrmwnd/platform/CString.h"

class TCMREQualEntradaEstoqueTipo {
 public:
  TCMREQualEntradaEstoqueTipo() = default;
  TCMREQualEntradaEstoqueTipo(unsigned char nTipo, const char* szNome) : m_nTipo(nTipo), m_strNome(szNome) {}
  unsigned char GetTipo() const { return m_nTipo; }
  const CString& GetNome() const { return m_strNome; }
  bool operator==(const TCMREQualEntradaEstoqueTipo& o) const {
    return m_nTipo == o.m_nTipo && m_strNome == o.m_strNome;
  }

 private:
  unsigned char m_nTipo = 0;
  CString m_strNome;
};

class TCMREQualEntradaEstoque {
 public:
  TCMREQualEntradaEstoque();
  // Filtro com exatamente esses tipos (vazio é permitido).
  explicit TCMREQualEntradaEstoque(const T_Lista<TCMREQualEntradaEstoqueTipo>& tipos) : m_listaTipo(tipos) {}
  const T_Lista<TCMREQualEntradaEstoqueTipo>& GetListaTipo() const { return m_listaTipo; }
  int GetQuantidadeTipo() const { return static_cast<int>(m_listaTipo.GetSize()); }
  // Índice fora da lista levanta CInvalidArgException*.
  const TCMREQualEntradaEstoqueTipo& GetTipo(int i) const { return m_listaTipo.GetAt(i); }

 private:
  T_Lista<TCMREQualEntradaEstoqueTipo> m_listaTipo;
};
