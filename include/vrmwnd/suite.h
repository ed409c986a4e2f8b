// Cabeçalho guarda-chuva das interfaces da suíte que esta biblioteca usa.
#pragma once

#include "vrmwnd/base.h"
#include "vrmwnd/suite/modulos.h"
#include "vrmwnd/suite/CQZEditDF.h"
#include "vrmwnd/suite/CQZEditValor.h"
#include "vrmwnd/suite/CQZEditMascara.h"
#include "vrmwnd/suite/CBaseEditExDF.h"
#include "vrmwnd/suite/CComboBase.h"
#include "vrmwnd/suite/CQZDialog.h"
#include "vrmwnd/suite/TCMREQualEntradaEstoque.h"
