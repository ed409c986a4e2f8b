// Cabeçalho guarda-chuva da biblioteca base: dinheiro, datas, origens de registro,
// exceções, textos de mensagem e log de erros.
#pragma once

#include "vrmwnd/platform.h"
#include "vrmwnd/base/datas.h"
#include "vrmwnd/base/T_Lista.h"
#include "vrmwnd/base/CQZArray.h"
