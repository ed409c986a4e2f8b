// Base dos registros de valor da suíte (TCM…, TQZ…): cada classe lista as suas
// propriedades uma vez (X-macro) e a lista gera o membro, Get/Set e a comparação
// campo a campo; as listas de registros têm a sua forma, que gera também o acesso
// por elemento. Valores CY comparam pelo inteiro; textos pelo conteúdo; listas
// elemento a elemento.
#pragma once

#include <utility>

#include "vrmwnd/base/REG_QZDMC.h"
#include "vrmwnd/base/T_Lista.h"
#include "vrmwnd/base/datas.h"
#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/oleauto.h"

namespace vrmsuite {

// Uma lista guardada num registro: um CArray do tamanho do que tem (o crescimento do
// MFC), não os blocos de 100 elementos da T_Lista — num registro de milhares de itens
// com uma linha de imposto e uma de rateio cada, seriam dois blocos de 100 por item.
// Entra e sai como T_Lista: o Get devolve uma T_Lista com os elementos e o Set copia
// os elementos da T_Lista dada.
template <class T>
class TListaRegistro : public CArray<T> {
 public:
  TListaRegistro() = default;
  TListaRegistro& operator=(const T_Lista<T>& lista) {
    this->Copy(lista);
    return *this;
  }
  operator T_Lista<T>() const {
    T_Lista<T> lista;
    lista.Append(*this);
    return lista;
  }
};

// Como o registro guarda uma propriedade do tipo T: a própria T, ou a lista guardada.
template <class T>
struct TGuardaPropriedade {
  using TGuardado = T;
};
template <class T>
struct TGuardaPropriedade<T_Lista<T>> {
  using TGuardado = TListaRegistro<T>;
};
template <class T>
using TGuardado = typename TGuardaPropriedade<T>::TGuardado;

inline bool CampoIgual(const CY& a, const CY& b) { return a.int64 == b.int64; }
template <class T>
bool CampoIgual(const T& a, const T& b) {
  return a == b;
}
template <class T>
bool CampoIgual(const TListaRegistro<T>& a, const TListaRegistro<T>& b) {
  if (a.GetSize() != b.GetSize()) return false;
  for (INT_PTR i = 0; i < a.GetSize(); ++i)
    if (!(a[i] == b[i])) return false;
  return true;
}

}  // namespace vrmsuite

// P(Tipo, Nome, membro): GetNome(), SetNome(valor) e o membro zerado. Um valor
// temporário (um texto montado para o registro) passa ao membro sem cópia.
#define QZ_PROP_DECLARA(Tipo, Nome, membro)                   \
 public:                                                      \
  Tipo Get##Nome() const { return membro; }                   \
  void Set##Nome(const Tipo& valor) { membro = valor; }       \
  void Set##Nome(Tipo&& valor) { membro = std::move(valor); } \
                                                              \
 private:                                                     \
  ::vrmsuite::TGuardado<Tipo> membro{};

// L(Tipo, Nome, membro): uma lista de Tipo, guardada como TListaRegistro<Tipo>. A
// lista inteira entra e sai como T_Lista<Tipo> (GetListaNome(), SetListaNome(lista));
// por elemento, GetQuantidadeNome(), GetNome(i), SetNome(i, valor) e
// AdicionaNome(valor). Um índice fora da lista levanta CInvalidArgException*.
#define QZ_LISTA_DECLARA(Tipo, Nome, membro)                                     \
  QZ_PROP_DECLARA(T_Lista<Tipo>, Lista##Nome, membro)                            \
                                                                                 \
 public:                                                                         \
  int GetQuantidade##Nome() const { return static_cast<int>(membro.GetSize()); } \
  Tipo Get##Nome(int i) const { return membro[i]; }                              \
  void Set##Nome(int i, const Tipo& valor) { membro.SetAt(i, valor); }           \
  void Adiciona##Nome(const Tipo& valor) { membro.Add(valor); }                  \
                                                                                 \
 private:

#define QZ_PROP_COMPARA(Tipo, Nome, membro) &&::vrmsuite::CampoIgual(membro, outro.membro)

// Um registro sem listas de registros.
#define QZ_SEM_LISTAS(L)

// O registro de propriedades LISTA e listas LISTAS: membros, acessos e a comparação.
#define QZ_REGISTRO_VALOR_COM_LISTAS(Classe, LISTA, LISTAS)                                                  \
  LISTA(QZ_PROP_DECLARA)                                                                                     \
  LISTAS(QZ_LISTA_DECLARA)                                                                                   \
 public:                                                                                                     \
  bool operator==(const Classe& outro) const { return true LISTA(QZ_PROP_COMPARA) LISTAS(QZ_PROP_COMPARA); } \
  bool operator!=(const Classe& outro) const { return !(*this == outro); }

#define QZ_REGISTRO_VALOR(Classe, LISTA) QZ_REGISTRO_VALOR_COM_LISTAS(Classe, LISTA, QZ_SEM_LISTAS)

// O mesmo para uma classe derivada: a comparação inclui a da base.
#define QZ_REGISTRO_VALOR_DERIVADO(Classe, Base, LISTA)                                                 \
  LISTA(QZ_PROP_DECLARA)                                                                                \
 public:                                                                                                \
  bool operator==(const Classe& outro) const { return Base::operator==(outro) LISTA(QZ_PROP_COMPARA); } \
  bool operator!=(const Classe& outro) const { return !(*this == outro); }
