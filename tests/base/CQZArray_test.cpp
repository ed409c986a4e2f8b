// Listas da biblioteca base: a T_Lista cresce de 100 em 100, também depois de
// copiada, esvazia e volta a crescer (também de valores CY, copiados byte a byte,
// que a otimização não pode ver copiados de um ponteiro nulo), e o Split de CQZArray<CQZString> nos casos de borda do
// delimitador.
#include <string>

#include <gtest/gtest.h>

#include "vrmwnd/base/CQZArray.h"
#include "vrmwnd/base/T_Lista.h"
#include "vrmwnd/base/cy_operacoes.h"

namespace {

TEST(TListaTest, CresceDeCemEmCem) {
  constexpr struct {
    int nInclusoes;
    INT_PTR nAlocados;
  } kCasos[] = {
      {1, 100},
      {100, 100},
      {101, 200},
      {250, 300},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << "inclusões=" << c.nInclusoes);
    T_Lista<int> lista;
    for (int i = 0; i < c.nInclusoes; ++i) lista.Add(i);
    EXPECT_EQ(lista.GetAllocSize(), c.nAlocados);
    EXPECT_EQ(lista[c.nInclusoes - 1], c.nInclusoes - 1);
  }
  T_Lista<CString> original;
  original.Add("um");
  T_Lista<CString> copia(original);
  copia.Add("dois");
  EXPECT_EQ(copia.GetAllocSize(), 100) << "a cópia guarda o passo de crescimento";
  EXPECT_EQ(original.GetSize(), 1);
}

TEST(TListaTest, ListaDeCYEsvaziaEVoltaACrescer) {
  T_Lista<CY> lista;
  lista.Add(CyDeBruto(12'500));
  lista.SetSize(0);
  EXPECT_EQ(lista.GetAllocSize(), 0) << "vazia não guarda bloco";
  T_Lista<CY> vazia(lista);
  vazia.Append(lista);
  vazia.FreeExtra();
  EXPECT_TRUE(vazia.IsEmpty());
  lista = vazia;
  lista.Add(CyDeBruto(7));
  lista.Append(lista);
  ASSERT_EQ(lista.GetSize(), 2);
  EXPECT_EQ(lista[1].int64, 7);
  EXPECT_EQ(lista.GetAllocSize(), 100) << "depois de esvaziada cresce de 100 em 100 de novo";
  lista.RemoveAll();
  lista.FreeExtra();
  EXPECT_EQ(lista.GetData(), nullptr);
}

TEST(CQZArrayTest, SplitDaPartesVaziasEntreDelimitadores) {
  constexpr struct {
    const char* szTexto;
    char cDelimitador;
    const char* szPartes;
  } kCasos[] = {
      {"a;b;c", ';', "[a][b][c]"},
      {"a;;b", ';', "[a][][b]"},
      {";a;", ';', "[][a][]"},
      {";", ';', "[][]"},
      {"", ';', ""},
      {"sem delimitador", ';', "[sem delimitador]"},
      {"ação|preço", '|', "[ação][preço]"},
      {"ação", '\xA7', "[ação]"},  // byte que não é caractere: não corta o ç
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.szTexto);
    CQZArray<CQZString> partes;
    partes.Add("sobra de antes");
    const INT_PTR nPartes = partes.Split(c.szTexto, c.cDelimitador);
    std::string strObtido;
    for (const auto& parte : partes) strObtido += "[" + std::string(parte) + "]";
    EXPECT_EQ(strObtido, c.szPartes);
    EXPECT_EQ(nPartes, partes.GetSize());
  }
}

}  // namespace
