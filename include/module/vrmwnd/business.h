// Os tratadores de documentos do lado das janelas e a importação de notas comerciais.
#pragma once

#include "vrmwnd/business/CTrataDadosREWnd.h"
#include "vrmwnd/business/CTrataDadosWnd.h"
#include "vrmwnd/business/CInteracaoComTelaWnd.h"
#include "vrmwnd/business/TLigacaoTratador.h"
