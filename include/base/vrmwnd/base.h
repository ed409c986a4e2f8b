// Cabeçalho guarda-chuva da biblioteca base: dinheiro, datas, origens de registro,
// exceções, textos de mensagem e log de erros.
#pragma once

#include "vrmwnd/platform.h"
#include "vrmwnd/base/datas.h"
#include "vrmwnd/base/T_Lista.h"
#include "vrmwnd/base/CQZArray.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/base/CQZCurrencyEx.h"
#include "vrmwnd/base/CQZCurrencyEx8.h"
#include "vrmwnd/base/CQZCurrency.h"
#include "vrmwnd/base/REG_QZDMC.h"
#include "vrmwnd/base/CQZQuemGerou.h"
#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/base/QZResultado.h"
#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/base/QZProfilerRegistro.h"
#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/base/QZException.h"
#include "vrmwnd/base/CQZComPtr.h"
#include "vrmwnd/base/QZTemporario.h"
#include "vrmwnd/base/QZSegurancaCOM.h"
#include "vrmwnd/base/CQZEnter.h"
