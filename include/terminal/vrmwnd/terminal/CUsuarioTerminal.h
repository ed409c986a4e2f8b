// O usuário interativo (CUsuarioTerminal): o agente que responde às janelas quando
// é uma pessoa no terminal. Quando um laço modal fica sem mensagens, desenha a tela
// e espera uma ação da pessoa, que entra na fila como a entrada que o Windows daria
// para a mesma tecla (InputKey com os modificadores, InputText, InputClick, ...): o
// mesmo caminho que o usuário roteirizado dos testes usa. Um laço que bombeia as
// próprias mensagens (o progresso de uma tarefa longa) é redesenhado sem esperar. O
// texto que um diálogo põe na área de transferência (CF_TEXT) vai à do terminal.
#pragma once

#include <chrono>

#include "vrmwnd/platform/useragent.h"
#include "vrmwnd/terminal/CDesenhista.h"
#include "vrmwnd/terminal/ITerminal.h"
#include "vrmwnd/terminal/exporta.h"

namespace vrmwnd::terminal {

// Põe na fila a entrada que o evento dá, com o mapa da tela para o mouse: a tecla
// com os modificadores; uma letra ou um dígito como a tecla dele (com Shift na
// maiúscula), o espaço como VK_SPACE, outro caractere como WM_CHAR; o clique, o
// clique duplo e a roda na janela da célula; Ctrl+Shift+seta, numa janela modal com
// borda de redimensionar, arrasta a alça dela uma célula para aquele lado (o
// terminal não informa o arrasto do mouse). Devolve false quando nada entrou na fila
// (célula sem janela ou de janela desabilitada, evento que não é entrada).
VRMWND_TERMINAL_API bool EntregaEvento(const TEvento& evento, const CMapaTela& mapa);

class VRMWND_TERMINAL_API CUsuarioTerminal : public IUserAgent {
 public:
  CUsuarioTerminal(ITerminal& terminal, TMolduraTela moldura);

  // Desenha e espera a pessoa; false só quando a entrada do terminal acabou.
  bool Act(HWND hwndModal) override;
  // Redesenha no máximo a cada kIntervaloRedesenho e entrega o que a pessoa já fez.
  void Refresh() override;

  // Desenha a tela agora: as janelas, ou o aviso de terminal pequeno demais.
  void Desenha();
  const TMolduraTela& Moldura() const { return m_moldura; }
  void SetMoldura(TMolduraTela moldura) { m_moldura = std::move(moldura); }

  static constexpr std::chrono::milliseconds kIntervaloRedesenho{50};

 private:
  // Trata o evento que não é entrada (tamanho novo); true quando era um desses.
  bool TrataDoTerminal(const TEvento& evento);
  // As janelas redimensionáveis acompanham o terminal que mudou de tamanho.
  void AcompanhaTamanho(TTamanho anterior, TTamanho novo);
  // Uma janela de borda de redimensionar maior que a área (a que voltou maximizada
  // ou grande de outra abertura, a que a pessoa fez crescer) encolhe até caber nela,
  // sem passar do mínimo da janela; a maximizada continua maximizada.
  void CabeNaArea(TRetangulo area);
  bool TelaPequena() const { return m_bTelaPequena; }
  // Quando a área de transferência mudou desde a última vez, manda o texto dela
  // (se há) ao terminal.
  void AcompanhaAreaDeTransferencia();

  ITerminal& m_terminal;
  TMolduraTela m_moldura;
  CDesenhista m_desenhista;
  TTamanho m_tamanho;
  bool m_bTelaPequena = false;
  std::chrono::steady_clock::time_point m_ultimoDesenho{};
  unsigned long m_nSequenciaAreaDeTransferencia;
};

}  // namespace vrmwnd::terminal
