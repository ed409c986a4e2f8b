// Cabeçalho guarda-chuva das interfaces da suíte que esta biblioteca usa.
#pragma once

#include "vrmwnd/base.h"
#include "vrmwnd/suite/modulos.h"
