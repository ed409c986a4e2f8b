// Qual entrada em estoque um item pode ter (biblioteca de registros): a lista de
// tipos (código e nome) que a entrada pode usar — o filtro do combo de entrada em
// estoque — e a regra do local que GetLocalEntradaEstoqueObrigatorio devolve, com o
// que a entrada julgada não atende. Um objeto construído sem argumentos traz os três
// tipos da suíte: 1 "Entrada em estoque", 2 "Entrada em consignação", 3 "Sem entrada
// em estoque", e local livre.
#pragma once

#include <algorithm>

#include "vrmwnd/base/T_Lista.h"
#include "vrmwnd/platform/CString.h"
#include "vrmwnd/suite/exporta.h"

// Tipos de entrada em estoque (TCMREEntradaEstoque::GetTipo, TCMREItemProduto::
// GetTipoEntradaEstoque); 0 é nenhum tipo.
enum {
  CM_ENTRADA_ESTOQUE_NENHUMA = 0,
  CM_ENTRADA_ESTOQUE_ENTRADA = 1,
  CM_ENTRADA_ESTOQUE_CONSIGNACAO = 2,
  CM_ENTRADA_ESTOQUE_SEM_ENTRADA = 3,
};

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

// Tipo da regra do local: o local é livre, obrigatório, ou vem do movimento de origem.
enum ETipoQualEntradaEstoque : unsigned char {
  QUAL_ENTRADA_LIVRE = 0,
  QUAL_ENTRADA_LOCAL_OBRIGATORIO = 1,
  QUAL_ENTRADA_MOVIMENTO_ORIGEM = 2,
};

class VRMWND_SUITE_API TCMREQualEntradaEstoque {
 public:
  TCMREQualEntradaEstoque();
  // Filtro com exatamente esses tipos (vazio é permitido).
  explicit TCMREQualEntradaEstoque(const T_Lista<TCMREQualEntradaEstoqueTipo>& tipos) : m_listaTipo(tipos) {}
  const T_Lista<TCMREQualEntradaEstoqueTipo>& GetListaTipo() const { return m_listaTipo; }
  int GetQuantidadeTipo() const { return static_cast<int>(m_listaTipo.GetSize()); }
  // Índice fora da lista levanta CInvalidArgException*.
  const TCMREQualEntradaEstoqueTipo& GetTipo(int i) const { return m_listaTipo.GetAt(i); }

  // Regra do local.
  ETipoQualEntradaEstoque GetTipo() const { return m_eTipo; }
  void SetTipo(ETipoQualEntradaEstoque eTipo) { m_eTipo = eTipo; }
  unsigned short GetPonteiroLocal() const { return m_iPonteiroLocal; }
  void SetPonteiroLocal(unsigned short iPonteiroLocal) { m_iPonteiroLocal = iPonteiroLocal; }
  unsigned char GetUsaSaidaMovOriEstoque() const { return m_byUsaSaidaMovOri; }
  void SetUsaSaidaMovOriEstoque(unsigned char byUsa) { m_byUsaSaidaMovOri = byUsa; }
  // Exige local: toda regra que não é livre.
  bool GetLocalObrigatorio() const { return m_eTipo != QUAL_ENTRADA_LIVRE; }
  // O tipo de entrada está na lista.
  bool PermiteTipo(unsigned char nTipo) const;
  // A primeira regra que a entrada julgada não atende; vazia quando atende.
  const CString& GetMensagem() const { return m_strMensagem; }
  void SetMensagem(const CString& strMensagem) { m_strMensagem = strMensagem; }

  bool operator==(const TCMREQualEntradaEstoque& o) const {
    return m_eTipo == o.m_eTipo && m_iPonteiroLocal == o.m_iPonteiroLocal &&
           m_byUsaSaidaMovOri == o.m_byUsaSaidaMovOri && m_strMensagem == o.m_strMensagem &&
           m_listaTipo.GetSize() == o.m_listaTipo.GetSize() &&
           std::equal(m_listaTipo.begin(), m_listaTipo.end(), o.m_listaTipo.begin());
  }
  bool operator!=(const TCMREQualEntradaEstoque& o) const { return !(*this == o); }

 private:
  T_Lista<TCMREQualEntradaEstoqueTipo> m_listaTipo;
  ETipoQualEntradaEstoque m_eTipo = QUAL_ENTRADA_LIVRE;
  unsigned short m_iPonteiroLocal = 0;
  unsigned char m_byUsaSaidaMovOri = 0;
  CString m_strMensagem;
};
