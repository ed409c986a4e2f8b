// A frente de terminal (vrmwnd::terminal): a árvore de janelas da plataforma desenhada
// em células, o usuário interativo que transforma as teclas e o mouse de uma pessoa na
// entrada que os testes também mandam, e o terminal de verdade pelo ncurses.
#pragma once

#include "vrmwnd/terminal/CDesenhista.h"
#include "vrmwnd/terminal/CGradeCelulas.h"
#include "vrmwnd/terminal/CTerminalCurses.h"
#include "vrmwnd/terminal/CUsuarioTerminal.h"
#include "vrmwnd/terminal/ITerminal.h"
#include "vrmwnd/terminal/exporta.h"
#include "vrmwnd/terminal/texto_celulas.h"
