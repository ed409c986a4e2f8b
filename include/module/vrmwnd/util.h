// Os utilitários do módulo: cores, grade e foco (CVRMWNDUtil), os pontos de entrada de automação e a identidade do
// módulo.
#pragma once

#include "vrmwnd/util/modulo.h"
#include "vrmwnd/util/CCMRecursoModulo.h"
#include "vrmwnd/util/CVRMWNDUtil.h"
#include "vrmwnd/util/automacao.h"
#include "vrmwnd/util/preparacao.h"
