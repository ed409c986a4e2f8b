// Base dos registros de valor da suíte (TCM…, TQZ…): cada classe lista as suas
// propriedades uma vez (X-macro) e a lista gera o membro, Get/Set e a comparação
// campo a campo. Valores CY comparam pelo inteiro; textos pelo conteúdo.
#pragma once

#include "vrmwnd/base/REG_QZDMC.h"
#include "vrmwnd/base/T_Lista.h"
#include "vrmwnd/base/datas.h"
#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/oleauto.h"

namespace vrmsuite {

inline bool CampoIgual(const CY& a, const CY& b) { return a.int64 == b.int64; }
template <class T>
bool CampoIgual(const T& a, const T& b) {
  return a == b;
}
template <class T>
bool CampoIgual(const T_Lista<T>& a, const T_Lista<T>& b) {
  if (a.GetSize() != b.GetSize()) return false;
  for (INT_PTR i = 0; i < a.GetSize(); ++i)
    if (!(a[i] == b[i])) return false;
  return true;
}

}  // namespace vrmsuite

// P(Tipo, Nome, membro): GetNome(), SetNome(valor) e o membro zerado.
#define QZ_PROP_DECLARA(Tipo, Nome, membro)              \
 public:                                                 \
  Tipo Get##Nome() const { return membro; }              \
  void Set##Nome(const Tipo& valor) { membro = valor; }  \
                                                         \
 private:                                                \
  Tipo membro{};

#define QZ_PROP_COMPARA(Tipo, Nome, membro) &&::vrmsuite::CampoIgual(membro, outro.membro)

#define QZ_REGISTRO_VALOR(Classe, LISTA)                                        \
  LISTA(QZ_PROP_DECLARA)                                                       \
 public:                                                                        \
  bool operator==(const Classe& outro) const { return true LISTA(QZ_PROP_COMPARA); } \
  bool operator!=(const Classe& outro) const { return !(*this == outro); }

// O mesmo para uma classe derivada: a comparação inclui a da base.
#define QZ_REGISTRO_VALOR_DERIVADO(Classe, Base, LISTA)                            \
  LISTA(QZ_PROP_DECLARA)                                                          \
 public:                                                                           \
  bool operator==(const Classe& outro) const {                                    \
    return Base::operator==(outro) LISTA(QZ_PROP_COMPARA);                        \
  }                                                                                \
  bool operator!=(const Classe& outro) const { return !(*this == outro); }
