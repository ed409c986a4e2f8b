// O botão das telas da suíte (CQZButtonDF): um CButton ligado a um item do diálogo,
// botão de apertar, caixa de marcar ou de opção conforme o estilo do modelo.
#pragma once

#include "vrmwnd/platform/afxctrl.h"
#include "vrmwnd/suite/exporta.h"

class VRMWND_SUITE_API CQZButtonDF : public CButton {};
