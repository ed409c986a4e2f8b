// Textos UTF-8 em células: acentos numa célula (também os combinantes), bytes que não
// são UTF-8, rótulos com & e linhas quebradas; a grade que escreve só no recorte.
#include <gtest/gtest.h>

#include "vrmwnd/terminal/CGradeCelulas.h"
#include "vrmwnd/terminal/texto_celulas.h"

using vrmwnd::terminal::CelulasDoTexto;
using vrmwnd::terminal::CGradeCelulas;
using vrmwnd::terminal::EEstilo;
using vrmwnd::terminal::LarguraDoTexto;
using vrmwnd::terminal::QuebraLinhas;
using vrmwnd::terminal::RotuloSemAtalho;

TEST(TextoCelulasTest, CadaCaractereOcupaUmaCelula) {
  struct TCaso {
    const char* szTexto;
    std::vector<std::string> celulas;
  };
  const TCaso casos[] = {
      {"Ação", {"A", "ç", "ã", "o"}},
      {"e\xCC\x81"
       "r",
       {"e\xCC\x81", "r"}},              // o acento combinante fica na célula do e
      {"\xCC\x81x", {"\xCC\x81", "x"}},  // sem caractere antes, a marca tem a sua
      {"a\tb", {"a", " ", "b"}},
      {"a\xFF"
       "b",
       {"a", "\xEF\xBF\xBD", "b"}},
      {"fim\xC3", {"f", "i", "m", "\xEF\xBF\xBD"}},  // cortado no meio de um caractere
      {"\xE2\x82\xAC 5", {"€", " ", "5"}},
      {"", {}},
  };
  for (const TCaso& caso : casos) {
    EXPECT_EQ(CelulasDoTexto(caso.szTexto), caso.celulas) << caso.szTexto;
    EXPECT_EQ(LarguraDoTexto(caso.szTexto), static_cast<int>(caso.celulas.size())) << caso.szTexto;
  }
}

TEST(TextoCelulasTest, RotuloTiraOsEComercialEGuardaOAtalho) {
  struct TCaso {
    const char* szTexto;
    bool bComPrefixo;
    const char* szSem;
    int nAtalho;
  };
  const TCaso casos[] = {
      {"&Código", true, "Código", 0},
      {"Con&dição", true, "Condição", 3},
      {"Situ&ação", true, "Situação", 4},
      {"Preço && prazo", true, "Preço & prazo", -1},
      {"&&A &B", true, "&A B", 3},
      {"Fim&", true, "Fim&", -1},
      {"&Sem prefixo", false, "&Sem prefixo", -1},
  };
  for (const TCaso& caso : casos) {
    const auto rotulo = RotuloSemAtalho(caso.szTexto, caso.bComPrefixo);
    EXPECT_EQ(rotulo.strTexto, caso.szSem) << caso.szTexto;
    EXPECT_EQ(rotulo.nAtalho, caso.nAtalho) << caso.szTexto;
  }
}

TEST(TextoCelulasTest, LinhasQuebramNasQuebrasENasPalavras) {
  struct TCaso {
    const char* szTexto;
    int nLargura;
    bool bPalavras;
    std::vector<std::string> linhas;
  };
  const TCaso casos[] = {
      {"Nota fiscal de entrada", 10, true, {"Nota", "fiscal de", "entrada"}},
      {"Condição à vista", 8, true, {"Condição", "à vista"}},
      {"Fornecedoraprovado", 8, true, {"Forneced", "oraprova", "do"}},
      {"um\r\ndois\nsão três", 20, true, {"um", "dois", "são três"}},
      {"sem quebra de palavras", 5, false, {"sem quebra de palavras"}},
      {"", 5, true, {""}},
  };
  for (const TCaso& caso : casos)
    EXPECT_EQ(QuebraLinhas(caso.szTexto, caso.nLargura, caso.bPalavras), caso.linhas) << caso.szTexto;
}

TEST(GradeCelulasTest, EscreveSoNoRecorteEMostraTextoEEstilos) {
  CGradeCelulas grade(12, 3);
  grade.SetRecorte({2, 0, 6, 2});
  const int nOcupadas = grade.Escreve(0, 1, "Razão social", EEstilo::Campo);
  grade.Escreve(3, 2, "fora", EEstilo::Campo);
  grade.SetRecorte(grade.Toda());
  grade.Sublinha(4, 1);
  grade.Colore({6, 1, 2, 1}, 0x0000FF, vrmwnd::terminal::kSemCor);
  EXPECT_EQ(nOcupadas, 8) << "sem largura, o texto vai até o fim do recorte, contando as células cortadas antes dele";
  EXPECT_EQ(grade.Texto(), "\n  zão so\n\n");
  EXPECT_EQ(grade.Estilos(), "............\n..__^_rr....\n............\n");
}
