// Cabeçalho guarda-chuva da biblioteca de janelas do módulo de Compras: tudo o que
// uma tela do módulo pode usar. Uma tela que usa só uma parte inclui o cabeçalho dela
// (vrmwnd/wrappers.h, vrmwnd/controls.h, vrmwnd/dialogs.h, vrmwnd/business.h,
// vrmwnd/util.h), que compila bem mais depressa.
#pragma once

#include "vrmwnd/suite.h"
#include "vrmwnd/util.h"
#include "vrmwnd/wrappers.h"
#include "vrmwnd/controls.h"
#include "vrmwnd/dialogs.h"
#include "vrmwnd/business.h"
