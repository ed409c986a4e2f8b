// Os wrappers exportados dos controles (C4_*) e a porta de eventos da tela.
#pragma once

#include "vrmwnd/wrappers/C4_Base.h"
#include "vrmwnd/wrappers/C4_CQZEdit.h"
#include "vrmwnd/wrappers/C4_CComboBox.h"
#include "vrmwnd/wrappers/C4_CButton.h"
#include "vrmwnd/wrappers/C4_CEditsConsulta.h"
#include "vrmwnd/wrappers/C4_CEditsCadastro.h"
#include "vrmwnd/wrappers/C4_CEditsFiscais.h"
#include "vrmwnd/wrappers/C4_CEditsEstoque.h"
#include "vrmwnd/wrappers/C4_CMultiSelecao.h"
#include "vrmwnd/wrappers/C4_CCombosCadastro.h"
