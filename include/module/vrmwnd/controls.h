// Os controles do módulo: os combos de lista fixa e os edits de consulta de autorização de compra e de condição de
// pagamento.
#pragma once

#include "vrmwnd/controls/CCMComboTipoAlerta.h"
#include "vrmwnd/controls/C4_CComboBoxFretePorConta.h"
#include "vrmwnd/controls/C4_CComboBoxRE.h"
#include "vrmwnd/controls/CAutorizacaoCompraEdit.h"
#include "vrmwnd/controls/CCondicaoPagamentoEdit.h"
