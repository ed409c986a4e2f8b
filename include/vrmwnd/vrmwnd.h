// Cabeçalho guarda-chuva da biblioteca de janelas do módulo de Compras: o que uma
// tela do módulo inclui para usar os controles, diálogos e tratadores.
#pragma once

#include "vrmwnd/suite.h"
#include "vrmwnd/util/modulo.h"
