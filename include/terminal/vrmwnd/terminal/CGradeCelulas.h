// A tela do terminal na memória (CGradeCelulas): uma grade de células, cada uma com
// um caractere (as marcas que se combinam a ele vão junto: um acento ocupa uma célula),
// o estilo com que é mostrado, cores que o programa deu e o atalho sublinhado; o
// recorte que limita a escrita e o cursor. Dá a tela como texto e como letras de
// estilo, que é como os testes comparam telas com os quadros esperados.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "vrmwnd/terminal/exporta.h"

namespace vrmwnd::terminal {

struct TPonto {
  int x = 0;
  int y = 0;
  bool operator==(const TPonto&) const = default;
};

struct TTamanho {
  int nColunas = 0;
  int nLinhas = 0;
  bool operator==(const TTamanho&) const = default;
};

// Retângulo de células: (x, y) é o canto de cima à esquerda; Direita e Baixo ficam
// fora dele.
struct VRMWND_TERMINAL_API TRetangulo {
  int x = 0;
  int y = 0;
  int nLargura = 0;
  int nAltura = 0;
  int Direita() const { return x + nLargura; }
  int Baixo() const { return y + nAltura; }
  bool Vazio() const { return nLargura <= 0 || nAltura <= 0; }
  bool Contem(int px, int py) const { return px >= x && px < Direita() && py >= y && py < Baixo(); }
  TRetangulo Intersecao(const TRetangulo& outro) const;
  bool operator==(const TRetangulo&) const = default;
};

// O papel de cada célula; o terminal escolhe cores e atributos por papel (com cores
// ou em preto e branco). A letra entre parênteses é a que Estilos() mostra.
enum class EEstilo : unsigned char {
  Fundo,           // (.) a área de trabalho atrás das janelas
  Barra,           // (=) as barras de título e de teclas do terminal
  Janela,          // ( ) o interior de uma janela e os seus textos
  Moldura,         // (m) moldura e título de uma janela que não é a ativa
  MolduraAtiva,    // (M) moldura e título da janela ativa
  Campo,           // (_) a área de um edit ou combo
  CampoFoco,       // (F) o campo que tem o foco
  SomenteLeitura,  // (l) edit somente leitura
  Selecao,         // (#) texto, item ou linha selecionados
  Realce,          // (+) a linha da célula corrente de uma grade
  Botao,           // (b) botão
  BotaoFoco,       // (B) botão com o foco ou apertado
  Desabilitado,    // (d) controle desabilitado
  Cabecalho,       // (h) cabeçalho de lista e de grade, abas
  Total,           // (t) linha de totais de uma grade
  Lista,           // (L) lista aberta de um combo
  Aviso,           // (!) o aviso de terminal pequeno demais
};
VRMWND_TERMINAL_API char LetraDoEstilo(EEstilo estilo);

// Sem cor dada pelo programa: a do estilo.
constexpr long kSemCor = -1;

struct TCelula {
  std::string strTexto = " ";
  EEstilo estilo = EEstilo::Fundo;
  long nCorTexto = kSemCor;  // COLORREF (0x00BBGGRR) dada pelo programa
  long nCorFundo = kSemCor;
  bool bSublinhado = false;  // a letra de atalho de um rótulo
};

class VRMWND_TERMINAL_API CGradeCelulas {
 public:
  CGradeCelulas(int nColunas, int nLinhas);

  int Colunas() const { return m_nColunas; }
  int Linhas() const { return m_nLinhas; }
  TTamanho Tamanho() const { return {m_nColunas, m_nLinhas}; }
  TRetangulo Toda() const { return {0, 0, m_nColunas, m_nLinhas}; }
  // A célula (x, y), que tem de estar na grade.
  const TCelula& Celula(int x, int y) const { return m_celulas[Indice(x, y)]; }

  // Só as células dentro do recorte (sempre dentro da grade) são escritas.
  void SetRecorte(const TRetangulo& recorte) { m_recorte = recorte.Intersecao(Toda()); }
  const TRetangulo& GetRecorte() const { return m_recorte; }

  // Enche o retângulo com o caractere (uma célula) no estilo, sem cores do programa.
  void Preenche(const TRetangulo& ret, EEstilo estilo, std::string_view strCaractere = " ");
  // Escreve o texto a partir de (x, y), uma célula por caractere, no máximo nLargura
  // células (negativo: até o fim do recorte); devolve as células que o texto ocupa
  // (mesmo as recortadas). Caracteres de controle viram espaço.
  int Escreve(int x, int y, std::string_view strTexto, EEstilo estilo, int nLargura = -1);
  // Troca o estilo das células do retângulo, mantendo texto e cores.
  void Pinta(const TRetangulo& ret, EEstilo estilo);
  void Colore(const TRetangulo& ret, long nCorTexto, long nCorFundo);
  void Sublinha(int x, int y);
  // Moldura de linha simples ou dupla na borda do retângulo.
  void Moldura(const TRetangulo& ret, EEstilo estilo, bool bDupla);

  // Onde o cursor do terminal fica (o caret do edit com o foco); nenhum: escondido.
  void SetCursor(std::optional<TPonto> cursor) { m_cursor = cursor; }
  const std::optional<TPonto>& Cursor() const { return m_cursor; }

  // A tela como texto: uma linha por linha da grade, sem os espaços do fim, cada
  // uma terminada em "\n".
  std::string Texto() const;
  // Uma letra de estilo por célula (LetraDoEstilo), no mesmo formato; uma célula
  // com cor de texto dada pelo programa mostra a letra da cor (r vermelho, g verde,
  // b azul, y amarelo/oliva, c ciano, p magenta, k preto, w branco) e a letra de
  // atalho sublinhada mostra ^.
  std::string Estilos() const;

 private:
  int Indice(int x, int y) const { return y * m_nColunas + x; }
  bool Escrevivel(int x, int y) const { return m_recorte.Contem(x, y); }

  int m_nColunas;
  int m_nLinhas;
  std::vector<TCelula> m_celulas;
  TRetangulo m_recorte;
  std::optional<TPonto> m_cursor;
};

// A cor básica mais próxima de um COLORREF, pela letra de Estilos(): uma das oito
// cores dos terminais (0 preto, 1 vermelho, 2 verde, 3 amarelo, 4 azul, 5 magenta,
// 6 ciano, 7 branco).
VRMWND_TERMINAL_API int CorBasica(long nCor);

}  // namespace vrmwnd::terminal
