// O que os desenhos das classes de janela compartilham (só as fontes da camada do
// terminal o veem): o contexto de um desenho — a grade, o mapa da tela, a rolagem
// guardada de cada controle, o foco e o que se desenha por cima no fim (a lista aberta
// de um combo) — e um desenho por classe de janela.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "vrmwnd/terminal/CDesenhista.h"
#include "vrmwnd/terminal/texto_celulas.h"

namespace vrmwnd::terminal::detail {

class CContextoDesenho {
 public:
  CContextoDesenho(CDesenhista& desenhista, CGradeCelulas& grade)
      : m_desenhista(desenhista), m_grade(grade), m_hFoco(GetFocus()) {}

  CGradeCelulas& Grade() { return m_grade; }
  HWND Foco() const { return m_hFoco; }
  // A janela, os pais e a janela de topo estão habilitados.
  static bool Habilitada(HWND hJanela);

  // Uma janela de topo com moldura e título, o interior e as filhas; por fim o que
  // ficou para desenhar por cima.
  void DesenhaTopo(HWND hJanela, TPonto canto, bool bAtiva);
  // As filhas visíveis de hPai, cujo cliente está em `cliente`, recortadas a `recorte`.
  void DesenhaFilhas(HWND hPai, const TRetangulo& cliente, const TRetangulo& recorte);

  // Região do mouse: a célula do canto vai ao ponto (xPixel, yPixel) da janela; uma
  // janela desabilitada absorve o clique. Só a parte dentro do recorte conta.
  void Alvo(const TRetangulo& ret, HWND hJanela, int xPixel, int yPixel, int nPassoX = kPixelsPorColuna,
            int nPassoY = kPixelsPorLinha);
  // O retângulo todo vai à janela, ponto a ponto (o meio de cada célula).
  void AlvoLinear(const TRetangulo& ret, HWND hJanela) {
    Alvo(ret, hJanela, kPixelsPorColuna / 2, kPixelsPorLinha / 2);
  }
  // A linha de um controle de uma linha só (botão, edit, combo): a do meio da janela
  // em pixels, que é onde o Windows centra o texto.
  int LinhaDoMeio(const TRetangulo& ret) const {
    return ret.Contem(ret.x, m_nLinhaDoMeio) ? m_nLinhaDoMeio : ret.y + (ret.nAltura - 1) / 2;
  }
  // A rolagem guardada do controle (x: primeira coluna, y: primeira linha).
  TPonto& Rolagem(HWND hJanela) { return m_desenhista.m_rolagem[hJanela]; }
  void Cursor(int x, int y);
  // Desenhado depois da janela de topo inteira, sem recorte.
  void PorCima(std::function<void()> desenho) { m_porCima.push_back(std::move(desenho)); }

 private:
  void DesenhaControle(HWND hJanela, const TRetangulo& ret);

  CDesenhista& m_desenhista;
  CGradeCelulas& m_grade;
  HWND m_hFoco;
  int m_nLinhaDoMeio = -1;
  std::vector<std::function<void()>> m_porCima;
};

// O texto e a classe (em minúsculas) de uma janela.
std::string TextoDaJanela(HWND hJanela);
std::string ClasseDaJanela(HWND hJanela);
// Escreve o texto alinhado (0 esquerda, 1 centro, 2 direita) na largura.
void EscreveAlinhado(CGradeCelulas& grade, const TRetangulo& linha, const std::string& strTexto, int nAlinhamento,
                     EEstilo estilo);

// Escreve um rótulo com o atalho sublinhado; devolve as células usadas.
int EscreveRotulo(CGradeCelulas& grade, int x, int y, const TRotulo& rotulo, EEstilo estilo, int nLargura);

// Os menus abertos, do de fora para o de dentro, por cima de tudo e dentro da área;
// `cantos` diz onde cada janela de topo foi desenhada.
void DesenhaMenusAbertos(CContextoDesenho& ctx, const std::vector<HWND>& popups, const std::map<HWND, TPonto>& cantos,
                         const TRetangulo& area);

// Um desenho por classe: a janela ocupa `ret` (já recortado na grade).
void DesenhaEstatico(CContextoDesenho& ctx, HWND h, const TRetangulo& ret);
void DesenhaBotao(CContextoDesenho& ctx, HWND h, const TRetangulo& ret);
void DesenhaEdit(CContextoDesenho& ctx, HWND h, const TRetangulo& ret);
void DesenhaCombo(CContextoDesenho& ctx, HWND h, const TRetangulo& ret);
void DesenhaListView(CContextoDesenho& ctx, HWND h, const TRetangulo& ret);
void DesenhaGrade(CContextoDesenho& ctx, HWND h, const TRetangulo& ret);
void DesenhaAbas(CContextoDesenho& ctx, HWND h, const TRetangulo& ret);
void DesenhaProgresso(CContextoDesenho& ctx, HWND h, const TRetangulo& ret);
void DesenhaBarraDeRolagem(CContextoDesenho& ctx, HWND h, const TRetangulo& ret);

}  // namespace vrmwnd::terminal::detail
