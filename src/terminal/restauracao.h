// A volta do terminal ao estado de antes em toda saída do programa: o fim normal, o
// std::exit, o std::terminate de uma exceção que ninguém pegou e os sinais que
// encerram (SIGINT, SIGTERM, SIGHUP, SIGQUIT). Enquanto a tela está aberta a saída de
// erros vai para um arquivo temporário, que volta ao terminal em qualquer saída.
#pragma once

#include <string>

namespace vrmwnd::terminal::detail::restauracao {

// Antes de abrir a tela: guarda o modo do terminal e as ações dos sinais e desvia a
// saída de erros.
void Prepara(int nTerminal);
// Com a tela aberta: a sequência que devolve o terminal (sai da tela alternativa,
// mostra o cursor, desliga o mouse) e os tratadores de sinal, de std::terminate e
// da saída do programa.
void Ativa(std::string strSequencia);
// O fim normal (depois do endwin): tratadores como eram e a saída de erros de volta,
// com o que foi escrito nela. Chamar de novo não faz nada.
void Restaura();

}  // namespace vrmwnd::terminal::detail::restauracao
