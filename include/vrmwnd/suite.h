// Cabeçalho guarda-chuva das interfaces da suíte que esta biblioteca usa.
#pragma once

#include "vrmwnd/base.h"
#include "vrmwnd/suite/modulos.h"
#include "vrmwnd/suite/layout_fixo.h"
#include "vrmwnd/suite/_RegContaPS.h"
#include "vrmwnd/suite/_RegCFRT.h"
#include "vrmwnd/suite/_REG_NATUREZAPS.h"
#include "vrmwnd/suite/_REG_PRODUTOPS.h"
#include "vrmwnd/suite/_REG_UNIDADES_MEDIDAPS.h"
#include "vrmwnd/suite/tagREG_CADDOCPS.h"
#include "vrmwnd/suite/tagREG_NOTA_FISCALPS.h"
#include "vrmwnd/suite/REG_CM_CFGALERTAPS.h"
#include "vrmwnd/suite/REG_ES_LOTEPS.h"
#include "vrmwnd/suite/REG_ES_MOVIMENTOPS.h"
#include "vrmwnd/suite/REG_FILIALPS.h"
#include "vrmwnd/suite/REG_HISTORICOPS.h"
#include "vrmwnd/suite/REG_SIT_TRIB_PRODUTOPS.h"
